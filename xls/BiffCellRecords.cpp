// Serialisation of the cell records.
#include "xls/BiffCellRecords.h"

#include "xls/ByteOrder.h"

namespace BiffXls {

using namespace XlsBytes;

void LabelSST::WriteData(uint8_t* out) const
{
    Put16(out, m_row);
    Put16(out + 2, m_column);
    Put16(out + 4, m_xfIndex);
    Put32(out + 6, m_stringIndex);
}

void RK::WriteData(uint8_t* out) const
{
    Put16(out, m_row);
    Put16(out + 2, m_column);
    Put16(out + 4, m_xfIndex);
    Put32(out + 6, m_rk);
}

void MulRK::WriteData(uint8_t* out) const
{
    Put16(out, m_row);
    Put16(out + 2, m_firstColumn);
    uint8_t* p = out + 4;
    for (const CXfRk& value : m_values) {
        Put16(p, value.xfIndex);
        Put32(p + 2, value.rk);
        p += 6;
    }
    Put16(p, LastColumn());
}

void Number::WriteData(uint8_t* out) const
{
    Put16(out, m_row);
    Put16(out + 2, m_column);
    Put16(out + 4, m_xfIndex);
    PutDouble(out + 6, m_value);
}

}  // namespace BiffXls
