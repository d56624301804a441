// CMemoryGrid: cells in nested vectors.
#include "app/MemoryGrid.h"

namespace {
// Sizes beyond this are refused, as a grid control refuses what it cannot
// allocate; no real list comes near it.
const int kMaxCells = 50 * 1000 * 1000;
}  // namespace

CMemoryGrid::CMemoryGrid()
    : m_redrawCount(0), m_rows(0), m_columns(0), m_fixedRows(0), m_fixedColumns(0) {}

void CMemoryGrid::Resize(int rows, int columns)
{
    m_cells.resize(rows);
    for (std::vector<CCell>& row : m_cells)
        row.resize(columns);
    m_widths.resize(columns, 0);
    m_rows = rows;
    m_columns = columns;
    if (m_fixedRows > rows)
        m_fixedRows = rows;
    if (m_fixedColumns > columns)
        m_fixedColumns = columns;
}

bool CMemoryGrid::SetRowCount(int rows)
{
    if (rows < 0 || (long long)rows * (m_columns ? m_columns : 1) > kMaxCells)
        return false;
    Resize(rows, m_columns);
    return true;
}

bool CMemoryGrid::SetColumnCount(int columns)
{
    if (columns < 0 || (long long)columns * (m_rows ? m_rows : 1) > kMaxCells)
        return false;
    Resize(m_rows, columns);
    return true;
}

bool CMemoryGrid::SetFixedRowCount(int rows)
{
    if (rows < 0)
        return false;
    if (rows > m_rows && !SetRowCount(rows))
        return false;
    m_fixedRows = rows;
    return true;
}

bool CMemoryGrid::SetFixedColumnCount(int columns)
{
    if (columns < 0)
        return false;
    if (columns > m_columns && !SetColumnCount(columns))
        return false;
    m_fixedColumns = columns;
    return true;
}

void CMemoryGrid::SetColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_columns)
        m_widths[column] = width;
}

int CMemoryGrid::GetColumnWidth(int column) const
{
    return column >= 0 && column < m_columns ? m_widths[column] : 0;
}

const CMemoryGrid::CCell* CMemoryGrid::Find(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return nullptr;
    return &m_cells[row][column];
}

CMemoryGrid::CCell* CMemoryGrid::Find(int row, int column)
{
    return const_cast<CCell*>(static_cast<const CMemoryGrid*>(this)->Find(row, column));
}

void CMemoryGrid::SetItemText(int row, int column, const std::wstring& text)
{
    if (CCell* cell = Find(row, column))
        cell->m_text = text;
}

std::wstring CMemoryGrid::GetItemText(int row, int column) const
{
    const CCell* cell = Find(row, column);
    return cell ? cell->m_text : std::wstring();
}

void CMemoryGrid::SetItemToolTip(int row, int column, const std::wstring& text)
{
    if (CCell* cell = Find(row, column))
        cell->m_toolTip = text;
}

std::wstring CMemoryGrid::GetItemToolTip(int row, int column) const
{
    const CCell* cell = Find(row, column);
    return cell ? cell->m_toolTip : std::wstring();
}

void CMemoryGrid::SetItemFormat(int row, int column, unsigned format)
{
    if (CCell* cell = Find(row, column))
        cell->m_format = format;
}

unsigned CMemoryGrid::GetItemFormat(int row, int column) const
{
    const CCell* cell = Find(row, column);
    return cell ? cell->m_format : 0;
}

void CMemoryGrid::SetItemReadOnly(int row, int column)
{
    if (CCell* cell = Find(row, column))
        cell->m_readOnly = true;
}

bool CMemoryGrid::IsItemReadOnly(int row, int column) const
{
    const CCell* cell = Find(row, column);
    return cell && cell->m_readOnly;
}

void CMemoryGrid::SetItemSelected(int row, int column, bool selected)
{
    if (CCell* cell = Find(row, column))
        cell->m_selected = selected;
}

void CMemoryGrid::ClearSelection()
{
    for (std::vector<CCell>& row : m_cells)
        for (CCell& cell : row)
            cell.m_selected = false;
}

void CMemoryGrid::GetSelectedCells(std::vector<CGridCell>& cells) const
{
    cells.clear();
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (m_cells[r][c].m_selected)
                cells.push_back(CGridCell{r, c});
}
