// The grid operations the workspace needs of a window layer.
//
// Two grids are driven through this interface: the project list ("工程列表")
// and the score view. The desktop window implements it over its grid
// control, the command line and the tests over CMemoryGrid. Rows and
// columns count from 0; row 0 and column 0 are the fixed header cells.
#pragma once

#include <string>
#include <vector>

// Cell format bits, the values of the Windows DrawText flags so that a
// window layer can hand them on.
enum : unsigned {
    TM_GRID_LEFT = 0x0,
    TM_GRID_CENTER = 0x1,
    TM_GRID_RIGHT = 0x2,
    TM_GRID_VCENTER = 0x4,
    TM_GRID_SINGLELINE = 0x20,
    TM_GRID_NOPREFIX = 0x800,
    TM_GRID_END_ELLIPSIS = 0x8000,
};

// Body cells: one line, vertically centred, an ellipsis when cut, no
// prefix-character processing. Combined with one of the three alignments.
const unsigned TM_GRID_BODY = TM_GRID_VCENTER | TM_GRID_SINGLELINE | TM_GRID_NOPREFIX | TM_GRID_END_ELLIPSIS;

struct CGridCell {
    int m_row;
    int m_column;
};

class CGridLayer {
public:
    virtual ~CGridLayer() {}

    // False when the grid cannot be sized. Shrinking drops cells; growing
    // adds empty ones; cells that stay keep their text and state.
    virtual bool SetRowCount(int rows) = 0;
    virtual bool SetColumnCount(int columns) = 0;
    virtual bool SetFixedRowCount(int rows) = 0;
    virtual bool SetFixedColumnCount(int columns) = 0;
    virtual int GetRowCount() const = 0;
    virtual int GetColumnCount() const = 0;

    virtual void SetColumnWidth(int column, int width) = 0;

    // Cells outside the grid are ignored (set) or empty (get).
    virtual void SetItemText(int row, int column, const std::wstring& text) = 0;
    virtual std::wstring GetItemText(int row, int column) const = 0;
    // A text shown when the pointer rests on the cell; empty for none.
    virtual void SetItemToolTip(int row, int column, const std::wstring& text) = 0;
    virtual std::wstring GetItemToolTip(int row, int column) const = 0;
    // format: TM_GRID_... bits.
    virtual void SetItemFormat(int row, int column, unsigned format) = 0;
    virtual void SetItemReadOnly(int row, int column) = 0;

    // The selected cells, row by row.
    virtual void GetSelectedCells(std::vector<CGridCell>& cells) const = 0;

    virtual void Redraw() = 0;
};
