// The fixed-layout BIFF8 records of the workbook globals (BOF and EOF also
// open and close every worksheet). Each holds its fields with the values
// the writer uses by default.
#pragma once

#include <cstdint>
#include <string>

#include "xls/BiffRecord.h"

namespace BiffXls {

class BOF : public Record {
public:
    static const uint16_t kGlobals = 0x0005;
    static const uint16_t kWorksheet = 0x0010;

    explicit BOF(uint16_t substreamType = kGlobals);
    uint32_t DataSize() const override { return 16; }

    uint16_t m_version;
    uint16_t m_substreamType;
    uint16_t m_build;
    uint16_t m_year;
    uint32_t m_historyFlags;
    uint32_t m_lowestVersion;

protected:
    void WriteData(RecordWriter& out) const override;
};

class BiffEOF : public Record {
public:
    BiffEOF() : Record(RecordType::kEOF) {}
    uint32_t DataSize() const override { return 0; }

protected:
    void WriteData(RecordWriter&) const override {}
};

class Window1 : public Record {
public:
    Window1();
    uint32_t DataSize() const override { return 18; }

    uint16_t m_horizontalPosition;
    uint16_t m_verticalPosition;
    uint16_t m_width;
    uint16_t m_height;
    uint16_t m_options;
    uint16_t m_activeSheet;
    uint16_t m_firstVisibleTab;
    uint16_t m_selectedSheets;
    uint16_t m_tabBarWidth;

protected:
    void WriteData(RecordWriter& out) const override;
};

class Font : public Record {
public:
    Font();
    uint32_t DataSize() const override;

    uint16_t m_height;  // twips
    uint16_t m_options;
    uint16_t m_colourIndex;
    uint16_t m_weight;
    uint16_t m_escapement;
    uint8_t m_underline;
    uint8_t m_family;
    uint8_t m_characterSet;
    std::u16string m_name;  // stored as UTF-16LE

protected:
    void WriteData(RecordWriter& out) const override;
};

class XF : public Record {
public:
    XF();
    uint32_t DataSize() const override { return 20; }

    uint16_t m_fontIndex;
    uint16_t m_formatIndex;
    uint16_t m_typeAndProtection;
    uint8_t m_alignment;
    uint8_t m_rotation;
    uint8_t m_textProperties;
    uint8_t m_usedAttributes;
    uint32_t m_borderLines;
    uint32_t m_colours;
    uint16_t m_fillColours;

protected:
    void WriteData(RecordWriter& out) const override;
};

class Style : public Record {
public:
    Style();
    uint32_t DataSize() const override { return 4; }

    uint16_t m_xfIndex;  // with the built-in flag 0x8000
    uint8_t m_builtInId;
    uint8_t m_outlineLevel;

protected:
    void WriteData(RecordWriter& out) const override;
};

// A sheet's entry in the globals: where its BOF is and its name, kept as
// 8-bit characters or as wide text.
class BoundSheet : public Record {
public:
    BoundSheet();
    uint32_t DataSize() const override;

    void SetNarrowName(const std::string& name);
    void SetWideName(const std::u16string& name);
    bool IsNarrowName() const { return !m_wide; }

    uint32_t m_position;  // offset of the sheet's BOF from the start of the stream
    uint8_t m_visibility;
    uint8_t m_sheetType;
    std::string m_narrowName;
    std::u16string m_wideName;

protected:
    void WriteData(RecordWriter& out) const override;

private:
    bool m_wide;
};

}  // namespace BiffXls
