// The workbook globals substream: BOF, WINDOW1, the fonts, cell formats
// and styles, one BOUNDSHEET per sheet, the shared string table and EOF.
#pragma once

#include <cstdint>
#include <vector>

#include "xls/BiffGlobalsRecords.h"
#include "xls/SharedStringTable.h"

namespace BiffXls {

class Workbook {
public:
    static const size_t kFontCount = 4;
    static const size_t kXfCount = 21;
    static const size_t kStyleCount = 6;

    // The defaults: 4 equal fonts, 21 equal XF records, 6 equal styles, no
    // sheets and an empty string table.
    Workbook();

    uint32_t Size() const;
    // Writes Size() bytes; returns the bytes written.
    size_t Write(uint8_t* out) const;

    BOF m_bof;
    Window1 m_window1;
    std::vector<Font> m_fonts;
    std::vector<XF> m_xfs;
    std::vector<Style> m_styles;
    std::vector<BoundSheet> m_boundSheets;
    SharedStringTable m_sst;
    BiffEOF m_eof;
};

}  // namespace BiffXls
