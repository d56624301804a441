// Grid growth of the editable worksheet.
#include "xls/XlsWorksheet.h"

#include <algorithm>

XlsWorksheet::XlsWorksheet(XlsWorkbook* workbook, uint32_t index)
    : m_workbook(workbook), m_index(index), m_rowCount(0), m_columnCount(0)
{
}

void XlsWorksheet::Empty()
{
    m_rowCount = 0;
    m_columnCount = 0;
}

XlsCell* XlsWorksheet::CellAt(uint32_t row, uint32_t column)
{
    if (column >= kMaxColumns || row >= kMaxRows)
        return nullptr;
    if (column >= m_columnCount) {
        m_columnCount = column + 1;
        for (uint32_t r = 0; r < m_rowCount; ++r)
            m_rows[r].resize(m_columnCount);
    }
    if (row >= m_rowCount) {
        if (m_rows.size() <= row)
            m_rows.resize(row + 1);
        // Rows kept from before Empty come back empty.
        for (uint32_t r = m_rowCount; r <= row; ++r) {
            std::vector<XlsCell>& cells = m_rows[r];
            const size_t kept = std::min<size_t>(cells.size(), m_columnCount);
            for (size_t c = 0; c < kept; ++c)
                cells[c].Reset();
            cells.resize(m_columnCount);
        }
        m_rowCount = row + 1;
    }
    return &m_rows[row][column];
}

const XlsCell* XlsWorksheet::Cell(uint32_t row, uint32_t column) const
{
    if (row >= m_rowCount || column >= m_columnCount)
        return nullptr;
    return &m_rows[row][column];
}
