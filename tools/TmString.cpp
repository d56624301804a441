// String helpers of the tools library.
#include "tools/TmString.h"

#include <iconv.h>
#include <sys/random.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "tools/CodePage.h"
#include "tools/Utf8Check.h"
#include "tools/TmOS.h"

namespace TMTOOLS {
namespace String {

namespace {

// Rewrites a Windows-style wide format for the C library's vswprintf, where
// %s and %c mean narrow arguments: %s -> %ls, %c -> %lc, %S/%hs -> %s,
// %C/%hc -> %c, %I64 -> %ll, %I32 -> nothing, %I -> %z.
std::wstring TranslateFormat(const wchar_t* format)
{
    std::wstring out;
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        out += *p++;
        if (*p == L'%') {
            out += *p++;
            continue;
        }
        while (*p && wcschr(L"-+ #0'", *p))
            out += *p++;
        while (*p == L'*' || iswdigit(*p))
            out += *p++;
        if (*p == L'.') {
            out += *p++;
            while (*p == L'*' || iswdigit(*p))
                out += *p++;
        }
        std::wstring length;
        bool narrow = false;
        bool wide = false;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            length = L"ll";
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        } else if (p[0] == L'I') {
            length = L"z";
            p += 1;
        } else if (p[0] == L'h' && p[1] == L'h') {
            length = L"hh";
            p += 2;
        } else if (p[0] == L'l' && p[1] == L'l') {
            length = L"ll";
            p += 2;
        } else if (*p == L'h') {
            narrow = true;
            length = L"h";
            ++p;
        } else if (*p == L'l' || *p == L'w') {
            wide = true;
            length = L"l";
            ++p;
        } else if (*p && wcschr(L"Lzjt", *p)) {
            length = *p++;
        }
        wchar_t conv = *p;
        if (!conv)
            break;
        ++p;
        switch (conv) {
        case L's':
        case L'c':
            out += narrow ? L"" : L"l";
            out += conv;
            break;
        case L'S':
        case L'C':
            out += wide ? L"l" : L"";
            out += (wchar_t)towlower(conv);
            break;
        default:
            out += length;
            out += conv;
            break;
        }
    }
    return out;
}

bool IsUtf8(unsigned int codePage)
{
    return codePage == 0 || codePage == CodePage::kUtf8;
}

std::string IconvName(unsigned int codePage)
{
    return "CP" + std::to_string(codePage);
}

// Converts with iconv; unconvertible input is replaced by '?' or U+FFFD so
// that a conversion never fails as a whole.
std::string IconvConvert(const char* to, const char* from, const char* data, size_t size, size_t unit,
                         const char* replacement, size_t replacementSize)
{
    std::string out;
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1)
        return out;
    char* in = const_cast<char*>(data);
    size_t inLeft = size;
    std::vector<char> buffer(4096);
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (r == (size_t)-1 && errno != E2BIG) {
            size_t skip = inLeft < unit ? inLeft : unit;
            in += skip;
            inLeft -= skip;
            out.append(replacement, replacementSize);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::wstring stringFormat(const wchar_t* format, ...)
{
    if (!format)
        return std::wstring();
    std::wstring translated = TranslateFormat(format);
    // Most results are short: a buffer on the stack first.
    wchar_t small[256];
    va_list first;
    va_start(first, format);
    const int length = vswprintf(small, sizeof small / sizeof small[0], translated.c_str(), first);
    va_end(first);
    if (length >= 0)
        return std::wstring(small, (size_t)length);
    // vswprintf cannot say how long its result would be, so grow until it
    // fits; a format that still fails at 1M characters is an encoding error.
    std::vector<wchar_t> buffer(1024);
    for (;;) {
        va_list args;
        va_start(args, format);
        int n = vswprintf(buffer.data(), buffer.size(), translated.c_str(), args);
        va_end(args);
        if (n >= 0)
            return std::wstring(buffer.data(), (size_t)n);
        if (buffer.size() >= (1u << 20))
            return std::wstring();
        buffer.resize(buffer.size() * 4);
    }
}

void Split(std::wstring text, std::vector<std::wstring>& pieces, const std::wstring& separator)
{
    if (text.empty())
        return;
    size_t pos = text.find_first_not_of(L' ');
    if (pos == std::wstring::npos)
        return;
    if (!separator.empty()) {
        for (;;) {
            size_t hit = text.find(separator, pos);
            if (hit == std::wstring::npos)
                break;
            if (hit > pos)
                pieces.push_back(text.substr(pos, hit - pos));
            pos = text.find_first_not_of(L' ', hit + separator.size());
            if (pos == std::wstring::npos)
                return;
        }
    }
    size_t space = text.find(L' ', pos);
    std::wstring last = text.substr(pos, space == std::wstring::npos ? std::wstring::npos : space - pos);
    if (!last.empty())
        pieces.push_back(last);
}

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& search, const std::wstring& replacement)
{
    if (search.empty())
        return text;
    std::wstring out;
    size_t pos = 0;
    for (;;) {
        size_t hit = text.find(search, pos);
        if (hit == std::wstring::npos)
            break;
        out.append(text, pos, hit - pos);
        out += replacement;
        pos = hit + search.size();
    }
    out.append(text, pos, std::wstring::npos);
    return out;
}

void EncodeUnicode(unsigned int codePage, const std::string& narrow, std::wstring& wide)
{
    if (IsUtf8(codePage)) {
        // Code page 0 is the file system's: bytes that are not UTF-8 are
        // kept as escapes, so that a name read from the disk names the
        // same file when it goes back.
        wide = CodePage::DecodeUtf8(narrow.data(), narrow.size(), codePage == 0);
    } else if (codePage == CodePage::kGbk) {
        wide = CodePage::DecodeGbk(narrow.data(), narrow.size());
    } else {
        std::string utf32 = IconvConvert("UTF-32LE", IconvName(codePage).c_str(), narrow.data(), narrow.size(),
                                         1, "\xFD\xFF\x00\x00", 4);
        wide.clear();
        for (size_t i = 0; i + 4 <= utf32.size(); i += 4) {
            const unsigned char* u = (const unsigned char*)utf32.data() + i;
            wide += (wchar_t)(u[0] | u[1] << 8 | u[2] << 16 | (uint32_t)u[3] << 24);
        }
    }
}

void DecodeUnicode(unsigned int codePage, const std::wstring& wide, std::string& narrow)
{
    if (IsUtf8(codePage)) {
        narrow = CodePage::EncodeUtf8(wide, codePage == 0);
    } else if (codePage == CodePage::kGbk) {
        narrow = CodePage::EncodeGbk(wide);
    } else {
        std::string utf32;
        for (wchar_t ch : wide) {
            uint32_t c = (uint32_t)ch;
            char u[4] = {(char)(c & 0xFF), (char)(c >> 8 & 0xFF), (char)(c >> 16 & 0xFF), (char)(c >> 24)};
            utf32.append(u, 4);
        }
        narrow = IconvConvert(IconvName(codePage).c_str(), "UTF-32LE", utf32.data(), utf32.size(), 4, "?", 1);
    }
}

int GetWStringByteLen(unsigned int codePage, const std::wstring& wide)
{
    std::string narrow;
    DecodeUnicode(codePage, wide, narrow);
    return (int)narrow.size();
}

int StringCompareNoCase(const wchar_t* a, const wchar_t* b)
{
    if (!a)
        a = L"";
    if (!b)
        b = L"";
    for (;; ++a, ++b) {
        if (!*a)
            return *b ? -1 : 0;
        if (!*b)
            return 1;
        wint_t ua = towupper(*a);
        wint_t ub = towupper(*b);
        if (ua != ub)
            return (int)ua - (int)ub;
    }
}

bool EqualAsciiNoCase(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x >= L'A' && x <= L'Z')
            x += L'a' - L'A';
        if (y >= L'A' && y <= L'Z')
            y += L'a' - L'A';
        if (x != y)
            return false;
    }
    return true;
}

bool IsValidUtf8(const char* data, size_t size)
{
    CodePage::CUtf8Check check;
    return check.Feed((const unsigned char*)data, size) && check.Finish();
}

bool LooksLikeUtf8(const char* data, size_t size)
{
    CodePage::CUtf8Check check;
    return check.Feed((const unsigned char*)data, size) && check.Finish() && check.SawNonAscii();
}

std::wstring CreateGuidString()
{
    unsigned char bytes[8];
    if (getrandom(bytes, sizeof bytes, 0) != (ssize_t)sizeof bytes)
        return std::wstring();
    // A version-4 GUID's last field starts with the variant bits.
    bytes[0] = (unsigned char)((bytes[0] & 0x3F) | 0x80);
    std::wstring out;
    for (unsigned char b : bytes)
        out += stringFormat(L"%04x", (unsigned)b);
    return out;
}

namespace {

bool ReadCount(FILE* stream, int32_t& count)
{
    unsigned char raw[4];
    if (!stream || fread(raw, 1, 4, stream) != 4)
        return false;
    count = (int32_t)((uint32_t)raw[0] | (uint32_t)raw[1] << 8 | (uint32_t)raw[2] << 16 | (uint32_t)raw[3] << 24);
    return true;
}

}  // namespace

bool ReadStringFromStream(std::string& text, FILE* stream)
{
    int32_t n = 0;
    if (!ReadCount(stream, n))
        return false;
    if (n < 1) {
        text.clear();
        return true;
    }
    if (n > (1 << 28))
        return false;  // no stored text is that long; refuse before allocating
    OS::CTmBuffer buffer;
    unsigned int size = (unsigned int)n + 1;
    char* data = (char*)buffer.CreateBuffer(size);
    if (!data || fread(data, 1, (size_t)n, stream) != (size_t)n)
        return false;
    data[n] = 0;
    text.assign(data);
    return true;
}

bool ReadStringFromStreamW(std::wstring& text, FILE* stream)
{
    int32_t n = 0;
    if (!ReadCount(stream, n))
        return false;
    if (n < 1) {
        text.clear();
        return true;
    }
    if (n > (1 << 28))
        return false;  // no stored text is that long; refuse before allocating
    OS::CTmBuffer buffer;
    unsigned int size = 2u * (unsigned int)n + 2;
    unsigned char* data = (unsigned char*)buffer.CreateBuffer(size);
    if (!data || fread(data, 2, (size_t)n, stream) != (size_t)n)
        return false;
    text.clear();
    for (int32_t i = 0; i < n; ++i) {
        wchar_t ch = (wchar_t)(data[2 * i] | data[2 * i + 1] << 8);
        if (ch == 0)
            break;
        text += ch;
    }
    return true;
}

}  // namespace String
}  // namespace TMTOOLS
