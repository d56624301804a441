// The BIFF8 records that frame a worksheet's cells: INDEX, DIMENSIONS,
// WINDOW2, and the ROW and DBCELL records of its row blocks.
#pragma once

#include <cstdint>
#include <vector>

#include "xls/BiffRecord.h"

namespace BiffXls {

// The sheet's used rows and the stream position of every DBCELL.
class Index : public Record {
public:
    Index() : Record(RecordType::kIndex), m_firstRow(0), m_rowCount(0) {}
    uint32_t DataSize() const override { return 16 + 4 * (uint32_t)m_dbCellPositions.size(); }

    uint32_t m_firstRow;
    uint32_t m_rowCount;  // one past the last row
    std::vector<uint32_t> m_dbCellPositions;

protected:
    void WriteData(RecordWriter& out) const override;
};

class Dimensions : public Record {
public:
    Dimensions() : Record(RecordType::kDimensions), m_firstRow(0), m_rowCount(0), m_firstColumn(0), m_columnCount(0) {}
    uint32_t DataSize() const override { return 14; }

    uint32_t m_firstRow;
    uint32_t m_rowCount;  // one past the last row
    uint16_t m_firstColumn;
    uint16_t m_columnCount;  // one past the last column

protected:
    void WriteData(RecordWriter& out) const override;
};

class Window2 : public Record {
public:
    static const uint16_t kSelected = 0x0200;

    Window2();
    uint32_t DataSize() const override { return 18; }

    uint16_t m_options;
    uint16_t m_firstVisibleRow;
    uint16_t m_firstVisibleColumn;
    uint16_t m_gridLineColour;
    uint16_t m_pageBreakMagnification;
    uint16_t m_normalMagnification;

protected:
    void WriteData(RecordWriter& out) const override;
};

class Row : public Record {
public:
    static const uint32_t kSize = 20;

    Row(uint16_t row = 0, uint16_t columnCount = 0);
    uint32_t DataSize() const override { return kSize - kRecordHeaderSize; }

    uint16_t m_row;
    uint16_t m_firstColumn;
    uint16_t m_columnCount;  // one past the last column
    uint16_t m_height;       // twips
    uint32_t m_flags;

protected:
    void WriteData(RecordWriter& out) const override;
};

// Closes a row block: the distance back to its first ROW and, per row, the
// distance between the rows' first cell records.
class DBCell : public Record {
public:
    DBCell() : Record(RecordType::kDBCell), m_firstRowOffset(0) {}
    uint32_t DataSize() const override { return 4 + 2 * (uint32_t)m_rowOffsets.size(); }

    uint32_t m_firstRowOffset;
    std::vector<uint16_t> m_rowOffsets;

protected:
    void WriteData(RecordWriter& out) const override;
};

}  // namespace BiffXls
