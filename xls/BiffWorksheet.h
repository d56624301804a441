// The records of one worksheet substream, built from an editable sheet:
// BOF, INDEX, DIMENSIONS, the cell table in row blocks of 32 rows, WINDOW2
// and EOF. Building also enters the sheet's texts in the shared string
// table; SetPositions fills in the INDEX and DBCELL offsets once the
// sheet's place in the stream is known.
#pragma once

#include <cstdint>
#include <vector>

#include "xls/BiffGlobalsRecords.h"
#include "xls/BiffSheetRecords.h"

class XlsWorksheet;

namespace BiffXls {

class SharedStringTable;

class Worksheet {
public:
    static const uint32_t kRowsPerBlock = 32;

    class CellTable {
    public:
        class RowBlock {
        public:
            void AddRow(uint16_t row, uint16_t columnCount);
            // Appends the cell's record, as written, to the block's cells.
            template <class CellRecord>
            void AddCell(const CellRecord& cell)
            {
                const uint32_t size = cell.RecordSize();
                const size_t at = m_cells.size();
                m_cells.resize(at + size);
                cell.Write(m_cells.data() + at);
                m_rowCellsSize.back() += size;
            }
            uint32_t RowsSize() const { return (uint32_t)m_rows.size() * Row::kSize; }
            uint32_t CellsSize() const { return (uint32_t)m_cells.size(); }

            std::vector<Row> m_rows;
            std::vector<uint8_t> m_cells;          // the cell records, row-major, as written
            std::vector<uint32_t> m_rowCellsSize;  // bytes of cell records per row, in m_rows order
            DBCell m_dbCell;
        };

        std::vector<RowBlock> m_blocks;
    };

    Worksheet();

    // Replaces the records by those of sheet; selected decides the WINDOW2
    // selected bit.
    void Build(const XlsWorksheet& sheet, SharedStringTable& strings, bool selected);
    // Fills in the DBCELL offsets and, from the sheet's BOF position in the
    // stream, the INDEX positions of the DBCELL records.
    void SetPositions(uint32_t position);

    uint32_t Size() const;
    // Writes Size() bytes; returns the bytes written.
    size_t Write(uint8_t* out) const;

    BOF m_bof;
    Index m_index;
    Dimensions m_dimensions;
    CellTable m_cellTable;
    Window2 m_window2;
    BiffEOF m_eof;
};

}  // namespace BiffXls
