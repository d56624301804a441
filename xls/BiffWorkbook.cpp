// Size and serialisation of the workbook globals.
#include "xls/BiffWorkbook.h"

namespace BiffXls {

Workbook::Workbook()
    : m_bof(BOF::kGlobals), m_fonts(kFontCount), m_xfs(kXfCount), m_styles(kStyleCount)
{
}

uint32_t Workbook::Size() const
{
    uint32_t size = m_bof.RecordSize() + m_window1.RecordSize();
    for (const Font& font : m_fonts)
        size += font.RecordSize();
    for (const XF& xf : m_xfs)
        size += xf.RecordSize();
    for (const Style& style : m_styles)
        size += style.RecordSize();
    for (const BoundSheet& sheet : m_boundSheets)
        size += sheet.RecordSize();
    return size + m_sst.RecordSize() + m_eof.RecordSize();
}

size_t Workbook::Write(uint8_t* out) const
{
    uint8_t* p = out;
    p += m_bof.Write(p);
    p += m_window1.Write(p);
    for (const Font& font : m_fonts)
        p += font.Write(p);
    for (const XF& xf : m_xfs)
        p += xf.Write(p);
    for (const Style& style : m_styles)
        p += style.Write(p);
    for (const BoundSheet& sheet : m_boundSheets)
        p += sheet.Write(p);
    p += m_sst.Write(p);
    p += m_eof.Write(p);
    return (size_t)(p - out);
}

}  // namespace BiffXls
