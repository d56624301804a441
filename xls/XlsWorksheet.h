// An editable worksheet: a rectangular grid of cells that grows as cells
// are asked for. It is the master copy; the records written to the file
// are derived from it at every save.
#pragma once

#include <cstdint>
#include <vector>

#include "xls/XlsCell.h"

class XlsWorkbook;

class XlsWorksheet {
public:
    static const uint32_t kMaxRows = 65536;
    static const uint32_t kMaxColumns = 256;

    XlsWorksheet(XlsWorkbook* workbook, uint32_t index);

    // Empties the grid (no rows, no columns) and keeps its storage: the
    // cells asked for next reuse it.
    void Empty();

    // The cell at (row, column), 0-based, growing the grid to reach it;
    // null (grid unchanged) for a column above 255 or a row above 65,535.
    XlsCell* CellAt(uint32_t row, uint32_t column);
    // The cell if the grid already holds it, else null.
    const XlsCell* Cell(uint32_t row, uint32_t column) const;

    uint32_t RowCount() const { return m_rowCount; }
    uint32_t ColumnCount() const { return m_columnCount; }
    const std::vector<XlsCell>& GridRow(uint32_t row) const { return m_rows[row]; }
    XlsWorkbook* Workbook() const { return m_workbook; }
    uint32_t Index() const { return m_index; }

private:
    XlsWorkbook* m_workbook;
    uint32_t m_index;
    uint32_t m_rowCount;
    uint32_t m_columnCount;
    // The first m_rowCount rows, each of m_columnCount cells, are the grid;
    // rows past them are storage kept from before Empty.
    std::vector<std::vector<XlsCell>> m_rows;
};
