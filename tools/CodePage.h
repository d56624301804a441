// Code-page conversion used inside the tools library (not exported).
//
// GBK is decoded through a table built once from iconv, so that readers on
// several threads decode without locks and without a process locale.
#pragma once

#include <cstdint>
#include <string>

namespace TMTOOLS {
namespace CodePage {

const unsigned int kUtf8 = 65001;
const unsigned int kGbk = 936;
const wchar_t kReplacement = 0xFFFD;

bool IsGbkLead(int byte);
bool IsGbkTrail(int byte);
// The character of a lead/trail pair, or kReplacement when GBK has none.
wchar_t GbkPair(int lead, int trail);
// The character of a single byte at or above 0x80 that is not a lead byte.
wchar_t GbkSingle(int byte);

std::wstring DecodeGbk(const char* data, size_t size);
std::string EncodeGbk(const std::wstring& text);
// UTF-8. A byte that is not part of a valid sequence becomes U+FFFD, or,
// with escapeBytes, U+DC80..U+DCFF (U+DC00 plus the byte), and EncodeUtf8
// with escapeBytes turns those back into the byte: file names that are not
// UTF-8 (GBK names from Windows) survive the trip to wide text and back.
std::wstring DecodeUtf8(const char* data, size_t size, bool escapeBytes = false);
std::string EncodeUtf8(const std::wstring& text, bool escapeBytes = false);
// The escape of byte (0x80..0xFF) and back.
const wchar_t kFirstByteEscape = 0xDC80;
const wchar_t kLastByteEscape = 0xDCFF;

}  // namespace CodePage
}  // namespace TMTOOLS
