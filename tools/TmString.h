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

#include "TmToolsApi.h"

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

// 32 lower-case hex digits from the last eight bytes of a new GUID.
TMTOOLS_API std::wstring CreateGuidString();

// A 32-bit little-endian count, then that many bytes (or UTF-16 units).
TMTOOLS_API bool ReadStringFromStream(std::string& text, FILE* stream);
TMTOOLS_API bool ReadStringFromStreamW(std::wstring& text, FILE* stream);

}  // namespace String
}  // namespace TMTOOLS
