// UTF-16 code units of wide text, for the names and strings the workbook
// formats store as UTF-16. Wide text holds code points (wchar_t is 32 bits
// here); those above U+FFFF become surrogate pairs.
#pragma once

#include <cstdint>
#include <string>

namespace XlsUtf16 {

// The units of code point c in units; returns their number (1 or 2), or 0
// for what UTF-16 cannot carry: a surrogate, or a value above U+10FFFF.
inline int Units(uint32_t c, char16_t units[2])
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    if (c < 0x10000) {
        units[0] = (char16_t)c;
        return 1;
    }
    c -= 0x10000;
    units[0] = (char16_t)(0xD800 + (c >> 10));
    units[1] = (char16_t)(0xDC00 + (c & 0x3FF));
    return 2;
}

// The UTF-16 form of text; false (out then incomplete) when text holds a
// character UTF-16 cannot carry.
inline bool FromWide(const std::wstring& text, std::u16string& out)
{
    out.clear();
    out.reserve(text.size());
    for (wchar_t ch : text) {
        char16_t units[2];
        const int n = Units((uint32_t)ch, units);
        if (n == 0)
            return false;
        out.append(units, (size_t)n);
    }
    return true;
}

}  // namespace XlsUtf16
