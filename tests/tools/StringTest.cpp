#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using namespace TMTOOLS::String;

TEST(StringFormat, WindowsStyleConversions)
{
    EXPECT_EQ(stringFormat(L"%d", 500), L"500");
    EXPECT_EQ(stringFormat(L"工程 %s 不存在.", L"/a/中.prj"), L"工程 /a/中.prj 不存在.");
    EXPECT_EQ(stringFormat(L"[%-4s|%S|%hs|%c%C]", L"ab", "nar", "row", L'中', 'x'), L"[ab  |nar|row|中x]");
    EXPECT_EQ(stringFormat(L"%I64d %.2f %%", (long long)1 << 40, 30.0f / 7 * 7), L"1099511627776 30.00 %");
    EXPECT_EQ(stringFormat(L"%5.1f|%03d|%x", 2.25, 7, 255u), L"  2.2|007|ff");
}

TEST(StringFormat, LongResultsAreBuiltWhole)
{
    std::wstring big(5000, L'字');
    std::wstring out = stringFormat(L"<%s>", big.c_str());
    ASSERT_EQ(out.size(), 5002u);
    EXPECT_EQ(out.front(), L'<');
    EXPECT_EQ(out.back(), L'>');
}

TEST(StringSplit, PiecesLoseLeadingSpacesAndLastIsCutAtSpace)
{
    std::vector<std::wstring> pieces;
    Split(L"  a, b ,c d", pieces, L",");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], L"a");
    EXPECT_EQ(pieces[1], L"b ");
    EXPECT_EQ(pieces[2], L"c");
    pieces.clear();
    Split(L"x,,y,", pieces, L",");
    EXPECT_EQ(pieces, (std::vector<std::wstring>{L"x", L"y"}));
    Split(L"   ", pieces, L",");
    Split(L"", pieces, L",");
    EXPECT_EQ(pieces.size(), 2u);
}

TEST(StringReplaceAll, NonOverlappingFromTheLeft)
{
    EXPECT_EQ(ReplaceAll(L"aaa", L"aa", L"b"), L"ba");
    EXPECT_EQ(ReplaceAll(L"a\nb\n", L"\n", L"\r\n"), L"a\r\nb\r\n");
    EXPECT_EQ(ReplaceAll(L"abc", L"", L"x"), L"abc");
    EXPECT_EQ(ReplaceAll(L"aa", L"a", L"aa"), L"aaaa");
}

TEST(StringCompare, NoCaseOrdering)
{
    EXPECT_EQ(StringCompareNoCase(L"abc", L"ABC"), 0);
    EXPECT_EQ(StringCompareNoCase(L"ab", L"abc"), -1);
    EXPECT_EQ(StringCompareNoCase(L"abc", L"ab"), 1);
    EXPECT_LT(StringCompareNoCase(L"abc", L"abd"), 0);
    EXPECT_EQ(StringCompareNoCase(L"FRAME.PRJ", L"frame.prj"), 0);
}

TEST(StringCodePage, GbkAndUtf8RoundTrip)
{
    std::string narrow;
    std::wstring wide;
    EncodeUnicode(936, "", wide);
    EXPECT_TRUE(wide.empty());
    EXPECT_EQ(GetWStringByteLen(936, L"总分"), 4);
    EXPECT_EQ(GetWStringByteLen(0, L"总分"), 6);
    DecodeUnicode(936, L"计算得分 ok", narrow);
    EXPECT_EQ(narrow, "\xbc\xc6\xcb\xe3\xb5\xc3\xb7\xd6 ok");
    EncodeUnicode(936, narrow, wide);
    EXPECT_EQ(wide, L"计算得分 ok");
    DecodeUnicode(65001, L"评分", narrow);
    EncodeUnicode(0, narrow, wide);
    EXPECT_EQ(wide, L"评分");
    // Characters GBK lacks become '?', broken UTF-8 becomes U+FFFD in code
    // page 65001.
    DecodeUnicode(936, L"a\x1F600", narrow);
    EXPECT_EQ(narrow, "a?");
    EncodeUnicode(65001, std::string("a\xe4\xb8", 3), wide);
    EXPECT_EQ(wide, L"a\xFFFD\xFFFD");
    // Another code page goes through iconv.
    EncodeUnicode(1252, "\x80", wide);
    EXPECT_EQ(wide, L"\x20AC");
}

TEST(StringGuid, ThirtyTwoHexDigitsWithZeroHighBytes)
{
    std::wstring guid = CreateGuidString();
    ASSERT_EQ(guid.size(), 32u);
    for (size_t i = 0; i < guid.size(); i += 4) {
        EXPECT_EQ(guid.substr(i, 2), L"00");
    }
    EXPECT_NE(CreateGuidString(), guid);
}

namespace {

FILE* StreamOf(tmtest::CTempDir& dir, const std::string& bytes)
{
    tmtest::WriteBytes(dir.File("s.bin"), bytes);
    return fopen(dir.File("s.bin").c_str(), "rb");
}

}  // namespace

TEST(StringStream, CountedStrings)
{
    tmtest::CTempDir dir;
    std::wstring wide;
    std::string narrow;
    FILE* f = StreamOf(dir, std::string("\0\0\0\0", 4));
    EXPECT_TRUE(ReadStringFromStreamW(wide, f));
    EXPECT_TRUE(wide.empty());
    fclose(f);
    f = StreamOf(dir, std::string("\3\0\0\0a\0b\0", 8));
    EXPECT_FALSE(ReadStringFromStreamW(wide, f));
    fclose(f);
    f = StreamOf(dir, std::string("\2\0\0\0\x2d\x4e\0\0\3\0\0\0x\0y", 15));
    EXPECT_TRUE(ReadStringFromStreamW(wide, f));
    EXPECT_EQ(wide, L"中");
    EXPECT_TRUE(ReadStringFromStream(narrow, f));
    EXPECT_EQ(narrow, "x");
    EXPECT_FALSE(ReadStringFromStream(narrow, f));
    fclose(f);
    f = StreamOf(dir, std::string("\xff\xff\xff\x7f", 4));
    EXPECT_FALSE(ReadStringFromStream(narrow, f));
    fclose(f);
}

TEST(TmBuffer, GrowsOnlyWhenNeededAndZeroFills)
{
    TMTOOLS::OS::CTmBuffer buffer(100);
    EXPECT_EQ(buffer.GetData(), nullptr);
    unsigned int size = 8;
    unsigned char* block = (unsigned char*)buffer.CreateBuffer(size);
    EXPECT_EQ(buffer.GetSize(), 8u);
    block[3] = 9;
    size = 4;
    EXPECT_EQ(buffer.CreateBuffer(size), block);
    EXPECT_EQ(buffer.GetSize(), 4u);  // the reused block's size is the request's
    EXPECT_EQ(block[3], 0);
    TMTOOLS::OS::CTmBuffer copy;
    copy = buffer;
    EXPECT_NE(copy.GetData(), buffer.GetData());
    EXPECT_EQ(copy.GetSize(), 4u);
}
