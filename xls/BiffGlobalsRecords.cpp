// Default values and serialisation of the workbook globals' records.
#include "xls/BiffGlobalsRecords.h"

#include "xls/ByteOrder.h"

namespace BiffXls {

using namespace XlsBytes;

BOF::BOF(uint16_t substreamType)
    : Record(0x0809),
      m_version(0x0600),
      m_substreamType(substreamType),
      m_build(0x19A0),
      m_year(0x07CD),
      m_historyFlags(0x0000C0C9),
      m_lowestVersion(0x00000306)
{
}

void BOF::WriteData(uint8_t* out) const
{
    Put16(out, m_version);
    Put16(out + 2, m_substreamType);
    Put16(out + 4, m_build);
    Put16(out + 6, m_year);
    Put32(out + 8, m_historyFlags);
    Put32(out + 12, m_lowestVersion);
}

Window1::Window1()
    : Record(0x003D),
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

void Window1::WriteData(uint8_t* out) const
{
    Put16(out, m_horizontalPosition);
    Put16(out + 2, m_verticalPosition);
    Put16(out + 4, m_width);
    Put16(out + 6, m_height);
    Put16(out + 8, m_options);
    Put16(out + 10, m_activeSheet);
    Put16(out + 12, m_firstVisibleTab);
    Put16(out + 14, m_selectedSheets);
    Put16(out + 16, m_tabBarWidth);
}

Font::Font()
    : Record(0x0031),
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

void Font::WriteData(uint8_t* out) const
{
    Put16(out, m_height);
    Put16(out + 2, m_options);
    Put16(out + 4, m_colourIndex);
    Put16(out + 6, m_weight);
    Put16(out + 8, m_escapement);
    Put8(out + 10, m_underline);
    Put8(out + 11, m_family);
    Put8(out + 12, m_characterSet);
    Put8(out + 13, 0);
    Put8(out + 14, (uint8_t)m_name.size());
    Put8(out + 15, 0x01);
    for (size_t i = 0; i < m_name.size(); ++i)
        Put16(out + 16 + 2 * i, m_name[i]);
}

XF::XF()
    : Record(0x00E0),
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

void XF::WriteData(uint8_t* out) const
{
    Put16(out, m_fontIndex);
    Put16(out + 2, m_formatIndex);
    Put16(out + 4, m_typeAndProtection);
    Put8(out + 6, m_alignment);
    Put8(out + 7, m_rotation);
    Put8(out + 8, m_textProperties);
    Put8(out + 9, m_usedAttributes);
    Put32(out + 10, m_borderLines);
    Put32(out + 14, m_colours);
    Put16(out + 18, m_fillColours);
}

Style::Style() : Record(0x0293), m_xfIndex(0x8000), m_builtInId(0x00), m_outlineLevel(0xFF)
{
}

void Style::WriteData(uint8_t* out) const
{
    Put16(out, m_xfIndex);
    Put8(out + 2, m_builtInId);
    Put8(out + 3, m_outlineLevel);
}

BoundSheet::BoundSheet() : Record(0x0085), m_position(0), m_visibility(0), m_sheetType(0), m_wide(false)
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

void BoundSheet::WriteData(uint8_t* out) const
{
    Put32(out, m_position);
    Put8(out + 4, m_visibility);
    Put8(out + 5, m_sheetType);
    if (m_wide) {
        Put8(out + 6, (uint8_t)m_wideName.size());
        Put8(out + 7, 0x01);
        for (size_t i = 0; i < m_wideName.size(); ++i)
            Put16(out + 8 + 2 * i, m_wideName[i]);
    } else {
        Put8(out + 6, (uint8_t)m_narrowName.size());
        Put8(out + 7, 0x00);
        for (size_t i = 0; i < m_narrowName.size(); ++i)
            Put8(out + 8 + i, (uint8_t)m_narrowName[i]);
    }
}

}  // namespace BiffXls
