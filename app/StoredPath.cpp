// Storing paths with non-UTF-8 bytes: GBK lines, %XX escapes.
#include "app/StoredPath.h"

#include "tools/FileNameLookup.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

const unsigned kGbk = 936;
const char kHex[] = "0123456789ABCDEF";

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

}  // namespace

bool HasByteEscapes(const std::wstring& path)
{
    for (wchar_t ch : path) {
        if (ch >= 0xDC80 && ch <= 0xDCFF)
            return true;
    }
    return false;
}

std::string ProjectListLine(const std::wstring& path)
{
    if (HasByteEscapes(path))
        return TMTOOLS::OS::NativePath(path);
    std::string line;
    TMTOOLS::String::DecodeUnicode(kGbk, path, line);
    return line;
}

std::wstring ProjectListPath(const std::string& line, TMTOOLS::OS::CFileNameLookup& names)
{
    std::wstring gbk, bytes;
    TMTOOLS::String::EncodeUnicode(kGbk, line, gbk);
    TMTOOLS::String::EncodeUnicode(0, line, bytes);
    for (const std::wstring& path : {gbk, bytes}) {
        if (TMTOOLS::OS::FileExist(path.c_str()))
            return path;
    }
    for (const std::wstring& path : {gbk, bytes}) {
        const std::wstring found = names.Find(path);
        if (TMTOOLS::OS::FileExist(found.c_str()))
            return found;
    }
    return std::wstring();
}

std::string PercentEncodedBytes(const std::wstring& path)
{
    std::string text;
    for (unsigned char ch : TMTOOLS::OS::NativePath(path)) {
        if (ch > 0x20 && ch < 0x7F && ch != '%') {
            text += (char)ch;
        } else {
            text += '%';
            text += kHex[ch >> 4];
            text += kHex[ch & 15];
        }
    }
    return text;
}

bool PercentDecodedPath(const std::string& text, std::wstring& path)
{
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return false;
        bytes += (char)(high << 4 | low);
        i += 2;
    }
    TMTOOLS::String::EncodeUnicode(0, bytes, path);
    return true;
}
