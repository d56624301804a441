// A UTF-8 validator fed a byte at a time or a block at a time, for text
// whose encoding is to be found before it is read (not exported).
#pragma once

#include <cstddef>
#include <cstdint>

namespace TMTOOLS {
namespace CodePage {

class CUtf8Check {
public:
    // False at the first byte that makes the text invalid UTF-8 (an
    // overlong form, a surrogate, a code point above U+10FFFF, a stray or
    // missing continuation byte); the check stays failed.
    bool Feed(const unsigned char* bytes, size_t count)
    {
        for (size_t i = 0; i < count && m_valid; ++i)
            Take(bytes[i]);
        return m_valid;
    }
    // Valid, with no sequence left unfinished.
    bool Finish() const { return m_valid && m_remaining == 0; }
    bool Complete() const { return m_remaining == 0; }
    bool SawNonAscii() const { return m_sawNonAscii; }
    // The code point of the last complete sequence.
    uint32_t LastCode() const { return m_code; }

private:
    void Take(unsigned c)
    {
        if (m_remaining == 0) {
            if (c < 0x80) {
                m_code = c;
                return;
            }
            m_sawNonAscii = true;
            if (c >= 0xC2 && c <= 0xDF) {
                m_remaining = 1;
                m_minimum = 0x80;
            } else if (c >= 0xE0 && c <= 0xEF) {
                m_remaining = 2;
                m_minimum = 0x800;
            } else if (c >= 0xF0 && c <= 0xF4) {
                m_remaining = 3;
                m_minimum = 0x10000;
            } else {
                m_valid = false;
                return;
            }
            m_code = c & (0x3F >> m_remaining);
            return;
        }
        if ((c & 0xC0) != 0x80) {
            m_valid = false;
            return;
        }
        m_code = m_code << 6 | (c & 0x3F);
        if (--m_remaining == 0 && (m_code < m_minimum || m_code > 0x10FFFF || (m_code >= 0xD800 && m_code <= 0xDFFF)))
            m_valid = false;
    }

    bool m_valid = true;
    bool m_sawNonAscii = false;
    int m_remaining = 0;
    uint32_t m_minimum = 0;
    uint32_t m_code = 0;
};

}  // namespace CodePage
}  // namespace TMTOOLS
