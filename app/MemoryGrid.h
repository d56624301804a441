// A grid held in memory: the grids of the command line and of the tests.
//
// Besides the window-layer operations it lets a caller look at every cell's
// format and state and select cells, as a user would by clicking.
#pragma once

#include <string>
#include <vector>

#include "app/GridLayer.h"

class CMemoryGrid : public CGridLayer {
public:
    CMemoryGrid();

    bool SetRowCount(int rows) override;
    bool SetColumnCount(int columns) override;
    bool SetFixedRowCount(int rows) override;
    bool SetFixedColumnCount(int columns) override;
    int GetRowCount() const override { return m_rows; }
    int GetColumnCount() const override { return m_columns; }
    void SetColumnWidth(int column, int width) override;
    void SetItemText(int row, int column, const std::wstring& text) override;
    std::wstring GetItemText(int row, int column) const override;
    void SetItemToolTip(int row, int column, const std::wstring& text) override;
    std::wstring GetItemToolTip(int row, int column) const override;
    void SetItemFormat(int row, int column, unsigned format) override;
    void SetItemReadOnly(int row, int column) override;
    void GetSelectedCells(std::vector<CGridCell>& cells) const override;
    void Redraw() override { ++m_redrawCount; }

    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedColumns; }
    int GetColumnWidth(int column) const;
    unsigned GetItemFormat(int row, int column) const;
    bool IsItemReadOnly(int row, int column) const;
    // Selects or deselects one cell; cells outside the grid are ignored.
    void SetItemSelected(int row, int column, bool selected);
    void ClearSelection();
    // How often Redraw was called.
    int m_redrawCount;

private:
    struct CCell {
        std::wstring m_text;
        std::wstring m_toolTip;
        unsigned m_format = TM_GRID_LEFT;
        bool m_readOnly = false;
        bool m_selected = false;
    };

    const CCell* Find(int row, int column) const;
    CCell* Find(int row, int column);
    void Resize(int rows, int columns);

    int m_rows;
    int m_columns;
    int m_fixedRows;
    int m_fixedColumns;
    std::vector<int> m_widths;
    std::vector<std::vector<CCell>> m_cells;  // [row][column]
};
