// Entry-name decoding and vetting.
#include "archive/ZipNames.h"

#include "tools/TmString.h"

namespace ZipNames {

namespace {

const unsigned kCodePageUtf8 = 65001;
const unsigned kCodePageGbk = 936;
const int kHostUnix = 3;
const int kHostMacOs = 19;

}  // namespace

bool IsValidUtf8(const std::string& bytes)
{
    const unsigned char* p = (const unsigned char*)bytes.data();
    size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        unsigned c = p[i];
        size_t extra;
        unsigned minimum;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            minimum = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (n - i <= extra)
            return false;
        unsigned code = c & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            code = code << 6 | (p[i + k] & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::wstring Decode(const std::string& stored, bool utf8Flag, int hostSystem)
{
    bool utf8 = utf8Flag || ((hostSystem == kHostUnix || hostSystem == kHostMacOs) && IsValidUtf8(stored));
    std::wstring name;
    TMTOOLS::String::EncodeUnicode(utf8 ? kCodePageUtf8 : kCodePageGbk, stored, name);
    for (wchar_t& ch : name) {
        if (ch == L'\\')
            ch = L'/';
    }
    return name;
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
