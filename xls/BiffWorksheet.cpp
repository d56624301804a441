// Turning an editable sheet into row blocks of cell records, and the
// stream offsets that INDEX and DBCELL carry.
#include "xls/BiffWorksheet.h"

#include <algorithm>
#include <cstring>

#include "xls/BiffCellRecords.h"
#include "xls/RkValue.h"
#include "xls/SharedStringTable.h"
#include "xls/XlsWorksheet.h"

namespace BiffXls {

namespace {

typedef Worksheet::CellTable::RowBlock RowBlock;

bool IsRkInteger(const XlsCell& cell)
{
    uint32_t rk;
    return cell.Type() == XlsCellType::Int && EncodeRkInteger(cell.Integer(), rk);
}

bool IsRkDouble(const XlsCell& cell)
{
    uint32_t rk;
    return cell.Type() == XlsCellType::Double && EncodeRkDouble(cell.Number(), rk);
}

// A run of two or more RK numbers becomes one MULRK, a single one an RK;
// run is scratch space kept between rows.
void AddRkRun(RowBlock& block, const std::vector<XlsCell>& cells, uint16_t row, uint32_t first, uint32_t end,
              MulRK& run)
{
    auto rkOf = [](const XlsCell& cell) {
        uint32_t rk = 0;
        if (cell.Type() == XlsCellType::Int)
            EncodeRkInteger(cell.Integer(), rk);
        else
            EncodeRkDouble(cell.Number(), rk);
        return rk;
    };
    if (end - first == 1) {
        block.AddCell(RK(row, (uint16_t)first, rkOf(cells[first])));
        return;
    }
    run.m_row = row;
    run.m_firstColumn = (uint16_t)first;
    run.m_values.clear();
    for (uint32_t c = first; c < end; ++c)
        run.m_values.push_back({0, rkOf(cells[c])});
    block.AddCell(run);
}

// Adds the records of the defined cell at column and returns the column
// after the cells they cover.
uint32_t AddCellRecords(RowBlock& block, const std::vector<XlsCell>& cells, uint16_t row, uint32_t column,
                        SharedStringTable& strings, MulRK& run)
{
    const XlsCell& cell = cells[column];
    uint32_t end = column + 1;
    switch (cell.Type()) {
    case XlsCellType::Int:
        if (!IsRkInteger(cell)) {
            // Beyond the RK's 30 bits an integer is kept whole as a double.
            block.AddCell(Number(row, (uint16_t)column, (double)cell.Integer()));
            return end;
        }
        while (end < cells.size() && IsRkInteger(cells[end]))
            ++end;
        AddRkRun(block, cells, row, column, end, run);
        return end;
    case XlsCellType::Double:
        if (!IsRkDouble(cell)) {
            block.AddCell(Number(row, (uint16_t)column, cell.Number()));
            return end;
        }
        while (end < cells.size() && IsRkDouble(cells[end]))
            ++end;
        AddRkRun(block, cells, row, column, end, run);
        return end;
    case XlsCellType::String:
        block.AddCell(LabelSST(row, (uint16_t)column, strings.AddNarrow(cell.NarrowText())));
        return end;
    case XlsCellType::WString:
        block.AddCell(LabelSST(row, (uint16_t)column, strings.AddWide(cell.Text())));
        return end;
    case XlsCellType::Undefined:
        break;
    }
    return end;
}

}  // namespace

void Worksheet::CellTable::RowBlock::AddRow(uint16_t row, uint16_t columnCount)
{
    m_rows.emplace_back(row, columnCount);
    m_rowCellsSize.push_back(0);
}

Worksheet::Worksheet() : m_bof(BOF::kWorksheet)
{
}

void Worksheet::Build(const XlsWorksheet& sheet, SharedStringTable& strings, bool selected)
{
    const uint32_t rows = sheet.RowCount();
    const uint32_t columns = sheet.ColumnCount();
    // Blocks kept from an earlier build are emptied and reused, with room
    // for the cells of a full block of numbers and texts, which is what the
    // program's sheets hold; a block grows past it when it must.
    const size_t typicalBlockBytes = std::min<size_t>((size_t)kRowsPerBlock * columns * 12, 16384);
    m_cellTable.m_blocks.resize((rows + kRowsPerBlock - 1) / kRowsPerBlock);
    for (CellTable::RowBlock& block : m_cellTable.m_blocks) {
        block.m_rows.clear();
        block.m_cells.clear();
        block.m_cells.reserve(typicalBlockBytes);
        block.m_rowCellsSize.clear();
        block.m_dbCell.m_firstRowOffset = 0;
    }
    MulRK run;
    bool anyCell = false;
    uint32_t firstRow = 0;
    uint32_t firstColumn = columns;
    for (uint32_t r = 0; r < rows; ++r) {
        const std::vector<XlsCell>& cells = sheet.GridRow(r);
        CellTable::RowBlock& block = m_cellTable.m_blocks[r / kRowsPerBlock];
        bool rowStarted = false;
        uint32_t c = 0;
        while (c < columns) {
            if (cells[c].Type() == XlsCellType::Undefined) {
                ++c;
                continue;
            }
            if (!anyCell) {
                anyCell = true;
                firstRow = r;
            }
            firstColumn = std::min(firstColumn, c);
            if (!rowStarted) {
                block.AddRow((uint16_t)r, (uint16_t)columns);
                rowStarted = true;
            }
            c = AddCellRecords(block, cells, (uint16_t)r, c, strings, run);
        }
    }
    if (!anyCell)
        firstColumn = 0;
    for (CellTable::RowBlock& block : m_cellTable.m_blocks)
        block.m_dbCell.m_rowOffsets.assign(block.m_rows.size(), 0);

    m_index.m_firstRow = firstRow;
    m_index.m_rowCount = rows;
    m_index.m_dbCellPositions.assign(m_cellTable.m_blocks.size(), 0);
    m_dimensions.m_firstRow = firstRow;
    m_dimensions.m_rowCount = rows;
    m_dimensions.m_firstColumn = (uint16_t)firstColumn;
    m_dimensions.m_columnCount = (uint16_t)columns;
    if (selected)
        m_window2.m_options |= Window2::kSelected;
    else
        m_window2.m_options &= (uint16_t)~Window2::kSelected;
}

void Worksheet::SetPositions(uint32_t position)
{
    uint32_t at = position + m_bof.RecordSize() + m_index.RecordSize() + m_dimensions.RecordSize();
    for (size_t b = 0; b < m_cellTable.m_blocks.size(); ++b) {
        CellTable::RowBlock& block = m_cellTable.m_blocks[b];
        uint32_t body = block.RowsSize() + block.CellsSize();
        block.m_dbCell.m_firstRowOffset = body;
        // The first row's cells lie past the other ROW records (counted
        // from the second ROW); each further row's first cell lies past the
        // cells of the row before.
        for (size_t i = 0; i < block.m_rows.size(); ++i) {
            uint32_t offset = i == 0 ? block.RowsSize() - Row::kSize : block.m_rowCellsSize[i - 1];
            block.m_dbCell.m_rowOffsets[i] = (uint16_t)offset;
        }
        at += body;
        m_index.m_dbCellPositions[b] = at;
        at += block.m_dbCell.RecordSize();
    }
}

uint32_t Worksheet::Size() const
{
    uint32_t size = m_bof.RecordSize() + m_index.RecordSize() + m_dimensions.RecordSize();
    for (const CellTable::RowBlock& block : m_cellTable.m_blocks)
        size += block.RowsSize() + block.CellsSize() + block.m_dbCell.RecordSize();
    return size + m_window2.RecordSize() + m_eof.RecordSize();
}

size_t Worksheet::Write(uint8_t* out) const
{
    uint8_t* p = out;
    p += m_bof.Write(p);
    p += m_index.Write(p);
    p += m_dimensions.Write(p);
    for (const CellTable::RowBlock& block : m_cellTable.m_blocks) {
        for (const Row& row : block.m_rows)
            p += row.Write(p);
        if (!block.m_cells.empty())
            memcpy(p, block.m_cells.data(), block.m_cells.size());
        p += block.m_cells.size();
        p += block.m_dbCell.Write(p);
    }
    p += m_window2.Write(p);
    p += m_eof.Write(p);
    return (size_t)(p - out);
}

}  // namespace BiffXls
