// Default values and serialisation of the workbook globals' records.
#include "xls/BiffGlobalsRecords.h"

namespace BiffXls {

BOF::BOF(uint16_t substreamType)
    : Record(RecordType::kBOF),
      m_version(0x0600),
      m_substreamType(substreamType),
      m_build(0x19A0),
      m_year(0x07CD),
      m_historyFlags(0x0000C0C9),
      m_lowestVersion(0x00000306)
{
}

void BOF::WriteData(RecordWriter& out) const
{
    out.Put16(m_version);
    out.Put16(m_substreamType);
    out.Put16(m_build);
    out.Put16(m_year);
    out.Put32(m_historyFlags);
    out.Put32(m_lowestVersion);
}

Window1::Window1()
    : Record(RecordType::kWindow1),
      m_horizontalPosition(0x0078),
      m_verticalPosition(0x0078),
      m_width(0x3B1F),
      m_height(0x2454),
      m_options(0x0038),
      m_activeSheet(0),
      m_firstVisibleTab(0),
      m_selectedSheets(1),
      m_tabBarWidth(600)
{
}

void Window1::WriteData(RecordWriter& out) const
{
    out.Put16(m_horizontalPosition);
    out.Put16(m_verticalPosition);
    out.Put16(m_width);
    out.Put16(m_height);
    out.Put16(m_options);
    out.Put16(m_activeSheet);
    out.Put16(m_firstVisibleTab);
    out.Put16(m_selectedSheets);
    out.Put16(m_tabBarWidth);
}

Font::Font()
    : Record(RecordType::kFont),
      m_height(200),
      m_options(0),
      m_colourIndex(0x7FFF),
      m_weight(400),
      m_escapement(0),
      m_underline(0),
      m_family(0),
      m_characterSet(0),
      m_name(u"Arial")
{
}

uint32_t Font::DataSize() const
{
    return 16 + 2 * (uint32_t)m_name.size();
}

void Font::WriteData(RecordWriter& out) const
{
    out.Put16(m_height);
    out.Put16(m_options);
    out.Put16(m_colourIndex);
    out.Put16(m_weight);
    out.Put16(m_escapement);
    out.Put8(m_underline);
    out.Put8(m_family);
    out.Put8(m_characterSet);
    out.Put8(0);
    out.Put8((uint8_t)m_name.size());
    out.Put8(0x01);
    for (size_t i = 0; i < m_name.size(); ++i)
        out.Put16(m_name[i]);
}

XF::XF()
    : Record(RecordType::kXF),
      m_fontIndex(0),
      m_formatIndex(0),
      m_typeAndProtection(0xFFF5),
      m_alignment(0x20),
      m_rotation(0),
      m_textProperties(0),
      m_usedAttributes(0),
      m_borderLines(0),
      m_colours(0),
      m_fillColours(0x20C0)
{
}

void XF::WriteData(RecordWriter& out) const
{
    out.Put16(m_fontIndex);
    out.Put16(m_formatIndex);
    out.Put16(m_typeAndProtection);
    out.Put8(m_alignment);
    out.Put8(m_rotation);
    out.Put8(m_textProperties);
    out.Put8(m_usedAttributes);
    out.Put32(m_borderLines);
    out.Put32(m_colours);
    out.Put16(m_fillColours);
}

Style::Style() : Record(RecordType::kStyle), m_xfIndex(0x8000), m_builtInId(0x00), m_outlineLevel(0xFF)
{
}

void Style::WriteData(RecordWriter& out) const
{
    out.Put16(m_xfIndex);
    out.Put8(m_builtInId);
    out.Put8(m_outlineLevel);
}

BoundSheet::BoundSheet() : Record(RecordType::kBoundSheet), m_position(0), m_visibility(0), m_sheetType(0), m_wide(false)
{
}

void BoundSheet::SetNarrowName(const std::string& name)
{
    m_narrowName = name;
    m_wideName.clear();
    m_wide = false;
}

void BoundSheet::SetWideName(const std::u16string& name)
{
    m_wideName = name;
    m_narrowName.clear();
    m_wide = true;
}

uint32_t BoundSheet::DataSize() const
{
    return 8 + (m_wide ? 2 * (uint32_t)m_wideName.size() : (uint32_t)m_narrowName.size());
}

void BoundSheet::WriteData(RecordWriter& out) const
{
    out.Put32(m_position);
    out.Put8(m_visibility);
    out.Put8(m_sheetType);
    if (m_wide) {
        out.Put8((uint8_t)m_wideName.size());
        out.Put8(0x01);
        for (size_t i = 0; i < m_wideName.size(); ++i)
            out.Put16(m_wideName[i]);
    } else {
        out.Put8((uint8_t)m_narrowName.size());
        out.Put8(0x00);
        for (size_t i = 0; i < m_narrowName.size(); ++i)
            out.Put8((uint8_t)m_narrowName[i]);
    }
}

}  // namespace BiffXls
