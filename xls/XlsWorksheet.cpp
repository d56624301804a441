// Grid growth of the editable worksheet.
#include "xls/XlsWorksheet.h"

XlsWorksheet::XlsWorksheet(XlsWorkbook* workbook, uint32_t index)
    : m_workbook(workbook), m_index(index), m_rowCount(0), m_columnCount(0)
{
}

XlsCell* XlsWorksheet::CellAt(uint32_t row, uint32_t column)
{
    if (column >= kMaxColumns || row >= kMaxRows)
        return nullptr;
    if (column >= m_columnCount) {
        m_columnCount = column + 1;
        for (std::vector<XlsCell>& cells : m_rows)
            cells.resize(m_columnCount);
    }
    if (row >= m_rowCount) {
        m_rowCount = row + 1;
        const size_t first = m_rows.size();
        m_rows.resize(m_rowCount);
        for (size_t r = first; r < m_rows.size(); ++r)
            m_rows[r].resize(m_columnCount);
    }
    return &m_rows[row][column];
}

const XlsCell* XlsWorksheet::Cell(uint32_t row, uint32_t column) const
{
    if (row >= m_rowCount || column >= m_columnCount)
        return nullptr;
    return &m_rows[row][column];
}
