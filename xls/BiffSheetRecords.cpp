// Serialisation of the worksheet framing records.
#include "xls/BiffSheetRecords.h"

namespace BiffXls {

void Index::WriteData(RecordWriter& out) const
{
    out.Put32(0);
    out.Put32(m_firstRow);
    out.Put32(m_rowCount);
    out.Put32(0);
    for (size_t i = 0; i < m_dbCellPositions.size(); ++i)
        out.Put32(m_dbCellPositions[i]);
}

void Dimensions::WriteData(RecordWriter& out) const
{
    out.Put32(m_firstRow);
    out.Put32(m_rowCount);
    out.Put16(m_firstColumn);
    out.Put16(m_columnCount);
    out.Put16(0);
}

Window2::Window2()
    : Record(RecordType::kWindow2),
      m_options(0x06B6),
      m_firstVisibleRow(0),
      m_firstVisibleColumn(0),
      m_gridLineColour(0x0040),
      m_pageBreakMagnification(0),
      m_normalMagnification(0)
{
}

void Window2::WriteData(RecordWriter& out) const
{
    out.Put16(m_options);
    out.Put16(m_firstVisibleRow);
    out.Put16(m_firstVisibleColumn);
    out.Put16(m_gridLineColour);
    out.Put16(0);
    out.Put16(m_pageBreakMagnification);
    out.Put16(m_normalMagnification);
    out.Put32(0);
}

Row::Row(uint16_t row, uint16_t columnCount)
    : Record(RecordType::kRow), m_row(row), m_firstColumn(0), m_columnCount(columnCount), m_height(255), m_flags(0)
{
}

void Row::WriteData(RecordWriter& out) const
{
    out.Put16(m_row);
    out.Put16(m_firstColumn);
    out.Put16(m_columnCount);
    out.Put16(m_height);
    out.Put16(0);
    out.Put16(0);
    out.Put32(m_flags);
}

void DBCell::WriteData(RecordWriter& out) const
{
    out.Put32(m_firstRowOffset);
    for (size_t i = 0; i < m_rowOffsets.size(); ++i)
        out.Put16(m_rowOffsets[i]);
}

}  // namespace BiffXls
