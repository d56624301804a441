// Entry-name decoding and vetting.
#include "archive/ZipNames.h"

#include <zlib.h>

#include "archive/ZipFile.h"
#include "tools/TmString.h"

namespace ZipNames {

namespace {

const unsigned kCodePageUtf8 = 65001;
const unsigned kCodePageGbk = 936;
const unsigned kUnicodePathField = 0x7075;

void SlashesForBackslashes(std::wstring& name)
{
    for (wchar_t& ch : name) {
        if (ch == L'\\')
            ch = L'/';
    }
}

// The UTF-8 name of an Info-ZIP Unicode path field for stored, if extra
// holds a usable one: version 1, the CRC-32 of stored, valid UTF-8.
bool UnicodePath(const std::string& stored, const unsigned char* extra, size_t length, std::string& utf8)
{
    size_t p = 0;
    while (extra && p + 4 <= length) {
        const unsigned id = ZipLe16(extra + p);
        const size_t size = ZipLe16(extra + p + 2);
        const size_t start = p + 4;
        p = start + size;
        if (id != kUnicodePathField)
            continue;
        if (p > length || size < 5 || extra[start] != 1)
            return false;
        const uint32_t crc = (uint32_t)crc32(crc32(0L, Z_NULL, 0), (const Bytef*)stored.data(), (uInt)stored.size());
        if (ZipLe32(extra + start + 1) != crc)
            return false;
        utf8.assign((const char*)extra + start + 5, size - 5);
        return !utf8.empty() && utf8.find('\0') == std::string::npos &&
               TMTOOLS::String::IsValidUtf8(utf8.data(), utf8.size());
    }
    return false;
}

}  // namespace

std::wstring Decode(const std::string& stored, bool utf8Flag, const unsigned char* extra, size_t extraLength)
{
    std::wstring name;
    std::string unicode;
    if (UnicodePath(stored, extra, extraLength, unicode))
        TMTOOLS::String::EncodeUnicode(kCodePageUtf8, unicode, name);
    else if (utf8Flag)
        TMTOOLS::String::EncodeUnicode(kCodePageUtf8, stored, name);
    else
        return DecodeUnflagged(stored);
    SlashesForBackslashes(name);
    return name;
}

std::wstring DecodeUnflagged(const std::string& bytes)
{
    const bool utf8 = TMTOOLS::String::LooksLikeUtf8(bytes.data(), bytes.size());
    std::wstring name;
    TMTOOLS::String::EncodeUnicode(utf8 ? kCodePageUtf8 : kCodePageGbk, bytes, name);
    SlashesForBackslashes(name);
    return name;
}

bool IsDesktopLitter(const std::wstring& name)
{
    const std::vector<std::wstring> parts = Components(name);
    for (const std::wstring& part : parts) {
        if (part == L"__MACOSX")
            return true;
    }
    if (parts.empty())
        return false;
    const std::wstring& last = parts.back();
    return last.compare(0, 2, L"._") == 0 || last == L".DS_Store" ||
           TMTOOLS::String::EqualAsciiNoCase(last, L"Thumbs.db") ||
           TMTOOLS::String::EqualAsciiNoCase(last, L"desktop.ini");
}

bool IsSafe(const std::wstring& name)
{
    if (name.empty() || name[0] == L'/' || name[0] == L'\\')
        return false;
    if (name.size() >= 2 && name[1] == L':' &&
        ((name[0] >= L'A' && name[0] <= L'Z') || (name[0] >= L'a' && name[0] <= L'z')))
        return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find_first_of(L"/\\", start);
        if (end == std::wstring::npos)
            end = name.size();
        if (name.compare(start, end - start, L"..") == 0)
            return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::wstring> Components(const std::wstring& path)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'/', start);
        if (end == std::wstring::npos)
            end = path.size();
        std::wstring part = path.substr(start, end - start);
        if (!part.empty() && part != L".")
            parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

}  // namespace ZipNames
