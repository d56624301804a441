// String helpers of the tools library: printf-style wide formatting,
// splitting and replacing, code-page conversion and counted strings.
//
// Code page 0 (the system code page) and 65001 are UTF-8; 936 is GBK.
// Code page 0 is also the file system's: bytes that are not UTF-8 decode to
// U+DC80..U+DCFF (U+DC00 plus the byte) and encode back to the byte, so a
// file name from a Windows USB stick (GBK bytes) names the same file after
// the round trip. 65001 replaces them by U+FFFD.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tools/TmToolsApi.h"

namespace TMTOOLS {
namespace String {

// Formats like the Windows wide printf family: in format, %s and %c take
// wide arguments, %S, %hs, %C and %hc narrow ones, %I64d a 64-bit integer.
// Never overruns: long results are built in a larger buffer.
TMTOOLS_API std::wstring stringFormat(const wchar_t* format, ...);

// Appends the pieces of text separated by separator to pieces; pieces lose
// leading spaces, the last one is cut at its first space, empty ones drop.
TMTOOLS_API void Split(std::wstring text, std::vector<std::wstring>& pieces, const std::wstring& separator);

// Every non-overlapping occurrence of search, from the left, replaced.
// An empty search text leaves text as it is.
TMTOOLS_API std::wstring ReplaceAll(const std::wstring& text, const std::wstring& search,
                                    const std::wstring& replacement);

TMTOOLS_API void EncodeUnicode(unsigned int codePage, const std::string& narrow, std::wstring& wide);
TMTOOLS_API void DecodeUnicode(unsigned int codePage, const std::wstring& wide, std::string& narrow);
TMTOOLS_API int GetWStringByteLen(unsigned int codePage, const std::wstring& wide);

TMTOOLS_API int StringCompareNoCase(const wchar_t* a, const wchar_t* b);
// Equal when only ASCII letters differ in case, as Windows compares file
// names; every other character must match exactly.
TMTOOLS_API bool EqualAsciiNoCase(const std::wstring& a, const std::wstring& b);

// Whether size bytes at data are well-formed UTF-8 (no overlong form, no
// surrogate, nothing above U+10FFFF).
TMTOOLS_API bool IsValidUtf8(const char* data, size_t size);
// Whether bytes that carry no mark of their encoding (a zip entry name
// without the UTF-8 flag, a result file without a byte-order mark) are
// UTF-8 rather than GBK: valid UTF-8 holding at least one byte above 0x7F.
// The guess is safe in this direction. Chinese GBK text is almost never
// valid UTF-8: a GBK character is a lead byte 0x81..0xFE and a trail byte,
// and UTF-8 wants every lead byte followed by exactly the right number of
// bytes 0x80..0xBF, which a run of GBK characters meets only by accident,
// the longer the text the less. UTF-8 Chinese, on the other hand, is
// usually valid GBK (three bytes 0xE0..0xEF 0x80..0xBF 0x80..0xBF pair up
// into GBK characters), so reading it as GBK gives wrong characters
// silently; plain ASCII reads the same either way.
TMTOOLS_API bool LooksLikeUtf8(const char* data, size_t size);

// 32 lower-case hex digits from the last eight bytes of a new GUID.
TMTOOLS_API std::wstring CreateGuidString();

// A 32-bit little-endian count, then that many bytes (or UTF-16 units).
TMTOOLS_API bool ReadStringFromStream(std::string& text, FILE* stream);
TMTOOLS_API bool ReadStringFromStreamW(std::wstring& text, FILE* stream);

}  // namespace String
}  // namespace TMTOOLS
