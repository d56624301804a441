// GBK and UTF-8 conversion; other code pages go through iconv.
#include "tools/CodePage.h"

#include <iconv.h>

#include <cstring>
#include <vector>

namespace TMTOOLS {
namespace CodePage {

namespace {

// Decoding of all lead/trail pairs (lead 0x81..0xFE, trail 0x40..0xFE) and of
// the single bytes 0x80..0xFF, plus the reverse map for the BMP.
struct CGbkTables {
    std::vector<wchar_t> pairs;      // 126 * 191 entries
    wchar_t singles[128];
    std::vector<uint16_t> reverse;  // 65536 entries, 0 = not in GBK

    CGbkTables() : pairs(126 * 191, kReplacement), reverse(65536, 0)
    {
        for (int i = 0; i < 128; ++i)
            singles[i] = kReplacement;
        iconv_t cd = iconv_open("UTF-32LE", "CP936");
        if (cd == (iconv_t)-1)
            return;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                char in[2] = {(char)lead, (char)trail};
                wchar_t ch = ConvertOne(cd, in, 2);
                if (ch != 0) {
                    pairs[(lead - 0x81) * 191 + (trail - 0x40)] = ch;
                    if ((uint32_t)ch < 65536 && reverse[ch] == 0)
                        reverse[ch] = (uint16_t)(lead << 8 | trail);
                }
            }
        }
        for (int b = 0x80; b <= 0xFF; ++b) {
            if (IsGbkLead(b))
                continue;
            char in[1] = {(char)b};
            wchar_t ch = ConvertOne(cd, in, 1);
            if (ch != 0) {
                singles[b - 0x80] = ch;
                if ((uint32_t)ch < 65536 && reverse[ch] == 0)
                    reverse[ch] = (uint16_t)b;
            }
        }
        iconv_close(cd);
    }

    static wchar_t ConvertOne(iconv_t cd, char* in, size_t inSize)
    {
        unsigned char out[8];
        char* inPtr = in;
        char* outPtr = (char*)out;
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inSize, &outPtr, &outLeft) == (size_t)-1 || inSize != 0 || outLeft != 4)
            return 0;
        return (wchar_t)(out[0] | out[1] << 8 | out[2] << 16 | (uint32_t)out[3] << 24);
    }
};

const CGbkTables& Tables()
{
    static const CGbkTables tables;
    return tables;
}

}  // namespace

bool IsGbkLead(int byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool IsGbkTrail(int byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

wchar_t GbkPair(int lead, int trail)
{
    if (!IsGbkLead(lead) || !IsGbkTrail(trail))
        return kReplacement;
    return Tables().pairs[(lead - 0x81) * 191 + (trail - 0x40)];
}

wchar_t GbkSingle(int byte)
{
    if (byte < 0x80)
        return (wchar_t)byte;
    if (byte > 0xFF)
        return kReplacement;
    return Tables().singles[byte - 0x80];
}

std::wstring DecodeGbk(const char* data, size_t size)
{
    std::wstring out;
    out.reserve(size);
    const unsigned char* p = (const unsigned char*)data;
    for (size_t i = 0; i < size; ++i) {
        int b = p[i];
        if (b < 0x80) {
            out += (wchar_t)b;
        } else if (IsGbkLead(b) && i + 1 < size && IsGbkTrail(p[i + 1])) {
            out += GbkPair(b, p[i + 1]);
            ++i;
        } else {
            out += GbkSingle(b);
        }
    }
    return out;
}

std::string EncodeGbk(const std::wstring& text)
{
    const CGbkTables& tables = Tables();
    std::string out;
    out.reserve(text.size() * 2);
    for (wchar_t ch : text) {
        uint32_t c = (uint32_t)ch;
        if (c < 0x80) {
            out += (char)c;
            continue;
        }
        uint16_t code = c < 65536 ? tables.reverse[c] : 0;
        if (code == 0)
            out += '?';  // what the platform writes for an unmappable character
        else if (code > 0xFF) {
            out += (char)(code >> 8);
            out += (char)(code & 0xFF);
        } else {
            out += (char)code;
        }
    }
    return out;
}

std::wstring DecodeUtf8(const char* data, size_t size, bool escapeBytes)
{
    std::wstring out;
    out.reserve(size);
    const unsigned char* p = (const unsigned char*)data;
    size_t i = 0;
    while (i < size) {
        uint32_t b = p[i];
        if (b < 0x80) {
            out += (wchar_t)b;
            ++i;
            continue;
        }
        const wchar_t bad = escapeBytes ? (wchar_t)(0xDC00 + b) : kReplacement;
        int extra;
        uint32_t cp;
        if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else {
            out += bad;
            ++i;
            continue;
        }
        if (i + extra >= size) {
            out += bad;
            ++i;
            continue;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = cp << 6 | (p[i + k] & 0x3F);
        }
        static const uint32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += bad;
            ++i;
            continue;
        }
        out += (wchar_t)cp;
        i += extra + 1;
    }
    return out;
}

std::string EncodeUtf8(const std::wstring& text, bool escapeBytes)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        uint32_t c = (uint32_t)ch;
        if (escapeBytes && ch >= kFirstByteEscape && ch <= kLastByteEscape) {
            out += (char)(c - 0xDC00);
            continue;
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            c = kReplacement;
        if (c < 0x80) {
            out += (char)c;
        } else if (c < 0x800) {
            out += (char)(0xC0 | c >> 6);
            out += (char)(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += (char)(0xE0 | c >> 12);
            out += (char)(0x80 | (c >> 6 & 0x3F));
            out += (char)(0x80 | (c & 0x3F));
        } else {
            out += (char)(0xF0 | c >> 18);
            out += (char)(0x80 | (c >> 12 & 0x3F));
            out += (char)(0x80 | (c >> 6 & 0x3F));
            out += (char)(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace CodePage
}  // namespace TMTOOLS
