// Serialisation of the worksheet framing records.
#include "xls/BiffSheetRecords.h"

#include "xls/ByteOrder.h"

namespace BiffXls {

using namespace XlsBytes;

void Index::WriteData(uint8_t* out) const
{
    Put32(out, 0);
    Put32(out + 4, m_firstRow);
    Put32(out + 8, m_rowCount);
    Put32(out + 12, 0);
    for (size_t i = 0; i < m_dbCellPositions.size(); ++i)
        Put32(out + 16 + 4 * i, m_dbCellPositions[i]);
}

void Dimensions::WriteData(uint8_t* out) const
{
    Put32(out, m_firstRow);
    Put32(out + 4, m_rowCount);
    Put16(out + 8, m_firstColumn);
    Put16(out + 10, m_columnCount);
    Put16(out + 12, 0);
}

Window2::Window2()
    : Record(0x023E),
      m_options(0x06B6),
      m_firstVisibleRow(0),
      m_firstVisibleColumn(0),
      m_gridLineColour(0x0040),
      m_pageBreakMagnification(0),
      m_normalMagnification(0)
{
}

void Window2::WriteData(uint8_t* out) const
{
    Put16(out, m_options);
    Put16(out + 2, m_firstVisibleRow);
    Put16(out + 4, m_firstVisibleColumn);
    Put16(out + 6, m_gridLineColour);
    Put16(out + 8, 0);
    Put16(out + 10, m_pageBreakMagnification);
    Put16(out + 12, m_normalMagnification);
    Put32(out + 14, 0);
}

Row::Row(uint16_t row, uint16_t columnCount)
    : Record(0x0208), m_row(row), m_firstColumn(0), m_columnCount(columnCount), m_height(255), m_flags(0)
{
}

void Row::WriteData(uint8_t* out) const
{
    Put16(out, m_row);
    Put16(out + 2, m_firstColumn);
    Put16(out + 4, m_columnCount);
    Put16(out + 6, m_height);
    Put16(out + 8, 0);
    Put16(out + 10, 0);
    Put32(out + 12, m_flags);
}

void DBCell::WriteData(uint8_t* out) const
{
    Put32(out, m_firstRowOffset);
    for (size_t i = 0; i < m_rowOffsets.size(); ++i)
        Put16(out + 4 + 2 * i, m_rowOffsets[i]);
}

}  // namespace BiffXls
