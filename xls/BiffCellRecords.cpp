// Serialisation of the cell records.
#include "xls/BiffCellRecords.h"

namespace BiffXls {

void LabelSST::WriteData(RecordWriter& out) const
{
    out.Put16(m_row);
    out.Put16(m_column);
    out.Put16(m_xfIndex);
    out.Put32(m_stringIndex);
}

void RK::WriteData(RecordWriter& out) const
{
    out.Put16(m_row);
    out.Put16(m_column);
    out.Put16(m_xfIndex);
    out.Put32(m_rk);
}

void MulRK::WriteData(RecordWriter& out) const
{
    out.Put16(m_row);
    out.Put16(m_firstColumn);
    for (const CXfRk& value : m_values) {
        out.Put16(value.xfIndex);
        out.Put32(value.rk);
    }
    out.Put16(LastColumn());
}

void Number::WriteData(RecordWriter& out) const
{
    out.Put16(m_row);
    out.Put16(m_column);
    out.Put16(m_xfIndex);
    out.PutDouble(m_value);
}

}  // namespace BiffXls
