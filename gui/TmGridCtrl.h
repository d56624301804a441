// The window's grid: a QTableWidget that implements CGridLayer.
//
// The workspace writes its two grids through CGridLayer, often from a
// job's thread, while a widget may only be touched on the GUI thread. So
// the cells the workspace writes are kept in a CMemoryGrid under a lock
// (any thread may write or read them), and the widget shows them on the GUI
// thread when the workspace redraws or a job ends. GetItemText answers
// what the workspace wrote; the widget never feeds text back.
//
// Row 0 and column 0, the fixed cells, become the widget's horizontal and
// vertical headers, so that screen readers name a cell by its column and
// row; body cell (r, c) is the widget's item (r - 1, c - 1). Body cells are
// read-only, one line, vertically centred and elided at the end; item views
// draw "&" as it is.
//
// Column widths are the workspace's, laid out for a 12-pixel Chinese
// character: they grow with a larger font. A narrow column (status, total,
// scores) also grows to fit its widest text, up to twice its width, so that
// "读总信息失败" is not cut; wide columns elide.
#pragma once

#include <QTableWidget>
#include <atomic>
#include <mutex>
#include <vector>

#include "app/GridLayer.h"
#include "app/MemoryGrid.h"

class CTmGridCtrl : public QTableWidget, public CGridLayer {
    Q_OBJECT
public:
    explicit CTmGridCtrl(QWidget* parent = nullptr);

    // CGridLayer, from any thread. Redraw shows the cells at once on the GUI
    // thread and soon from any other.
    bool SetRowCount(int rows) override;
    bool SetColumnCount(int columns) override;
    bool SetFixedRowCount(int rows) override;
    bool SetFixedColumnCount(int columns) override;
    int GetRowCount() const override;
    int GetColumnCount() const override;
    void SetColumnWidth(int column, int width) override;
    void SetItemText(int row, int column, const std::wstring& text) override;
    std::wstring GetItemText(int row, int column) const override;
    void SetItemToolTip(int row, int column, const std::wstring& text) override;
    std::wstring GetItemToolTip(int row, int column) const override;
    void SetItemFormat(int row, int column, unsigned format) override;
    void SetItemReadOnly(int row, int column) override;
    void GetSelectedCells(std::vector<CGridCell>& cells) const override;
    void Redraw() override;

    // GUI thread: shows the written cells in the widget now.
    void ShowCells();

    // GUI thread: the width that shows every column as laid out, with room
    // for the scroll bar and for narrow columns to grow a little.
    int LaidOutWidth() const;

    // The Qt alignment of a TM_GRID_... format.
    static Qt::Alignment AlignmentOf(unsigned format);

protected:
    // GUI thread, after the cells were shown: a subclass adds its own.
    virtual void CellsShown() {}

private:
    // GUI thread: keeps the widget's selection for GetSelectedCells.
    void RecordSelection();
    void ShowHeaders(int fixedRows, int fixedColumns, int rows, int columns);
    // GUI thread: the workspace's width of column scaled to the font.
    int ScaledWidth(int width) const;
    // GUI thread: narrow columns widened to their texts.
    void FitNarrowColumns(int fixedColumns, int columns);

    mutable std::mutex m_mutex;
    CMemoryGrid m_cells;
    // Widths last handed to the widget: a width the user dragged stays
    // until the workspace sets another.
    std::vector<int> m_shownWidths;
    // Width each body column was last given here; a column the user has
    // resized since is left alone.
    std::vector<int> m_fittedWidths;
    std::atomic<bool> m_redrawQueued;
    bool m_showing;
};
