// The shared string table: dictionaries, counts, and where CONTINUE
// records begin.
#include "xls/SharedStringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace BiffXls;

namespace {

struct CFramed {
    uint16_t type;
    std::string data;
};

// The SST as written: its record and CONTINUE records, framing checked.
std::vector<CFramed> Written(SharedStringTable& sst)
{
    sst.Layout();
    std::vector<uint8_t> bytes(sst.RecordSize());
    EXPECT_EQ(bytes.size(), sst.Write(bytes.data()));
    std::vector<CFramed> records;
    size_t at = 0;
    while (at + 4 <= bytes.size()) {
        CFramed record;
        record.type = (uint16_t)(bytes[at] | bytes[at + 1] << 8);
        size_t length = bytes[at + 2] | bytes[at + 3] << 8;
        EXPECT_LE(length, 8224u);
        record.data.assign((const char*)bytes.data() + at + 4, length);
        records.push_back(record);
        at += 4 + length;
    }
    EXPECT_EQ(bytes.size(), at);
    return records;
}

std::string Le(uint32_t v, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += (char)(v >> (8 * i));
    return out;
}

TEST(SharedStringTableTest, EqualTextsShareOneEntryAndEveryCellCounts)
{
    SharedStringTable sst;
    EXPECT_EQ(0u, sst.AddWide(L"评分内容"));
    EXPECT_EQ(1u, sst.AddWide(L"标准答案"));
    EXPECT_EQ(0u, sst.AddWide(L"评分内容"));
    EXPECT_EQ(3u, sst.TotalCount());
    EXPECT_EQ(2u, sst.UniqueCount());
}

TEST(SharedStringTableTest, NarrowAndWideTextsAreNeverMerged)
{
    SharedStringTable sst;
    EXPECT_EQ(0u, sst.AddNarrow("abc"));
    EXPECT_EQ(1u, sst.AddWide(L"abc"));
    EXPECT_EQ(0u, sst.AddNarrow("abc"));
    EXPECT_EQ(1u, sst.AddWide(L"abc"));
    EXPECT_EQ(2u, sst.UniqueCount());
    std::vector<CFramed> records = Written(sst);
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(0x00FC, records[0].type);
    EXPECT_EQ(Le(4, 4) + Le(2, 4) + std::string("\x03\x00\x00" "abc", 6) + std::string("\x03\x00\x01" "a\0b\0c\0", 9),
              records[0].data);
}

TEST(SharedStringTableTest, TextsBecomeUtf16WithSurrogatePairs)
{
    SharedStringTable sst;
    std::wstring text = L"中";
    text += (wchar_t)0x1F600;
    text += (wchar_t)0xDC00;  // a lone surrogate has no UTF-16 form
    sst.AddWide(text);
    std::vector<CFramed> records = Written(sst);
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(std::string("\x04\x00\x01" "\x2D\x4E" "\x3D\xD8\x00\xDE" "\xFD\xFF", 11), records[0].data.substr(8));
}

TEST(SharedStringTableTest, OverlongTextsAreCutTo32767Units)
{
    SharedStringTable sst;
    sst.AddWide(std::wstring(40000, L'x'));
    std::wstring pairs;
    for (int i = 0; i < 20000; ++i)
        pairs += (wchar_t)0x20000;
    sst.AddWide(pairs);
    std::string data;
    for (const CFramed& record : Written(sst))
        data += record.data;
    EXPECT_EQ(Le(32767, 2), data.substr(8, 2));
    // Only whole pairs fit: 16,383 of them.
    // 65,534 bytes: 8,212 in the SST record, then seven continuations each
    // opened by a flags byte.
    size_t second = 8 + 3 + 2 * 32767 + 7;
    EXPECT_EQ(Le(32766, 2), data.substr(second, 2));
}

TEST(SharedStringTableTest, WideStringCutAtTheRecordEndResumesAfterTheFlagsByte)
{
    SharedStringTable sst;
    // Counts (8) and this string (3 + 8,113) leave 100 bytes in the record.
    sst.AddNarrow(std::string(8113, 'n'));
    std::wstring wide;
    for (int i = 0; i < 200; ++i)
        wide += (wchar_t)(0x4E00 + i);
    sst.AddWide(wide);
    std::vector<CFramed> records = Written(sst);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(0x00FC, records[0].type);
    EXPECT_EQ(0x003C, records[1].type);
    // Header (3) and 48 characters; the odd byte left stays unused.
    ASSERT_EQ(8223u, records[0].data.size());
    EXPECT_EQ(std::string("\xC8\x00\x01", 3), records[0].data.substr(8 + 3 + 8113, 3));
    EXPECT_EQ(Le(0x4E00 + 47, 2), records[0].data.substr(8221, 2));
    ASSERT_EQ(1u + 2 * 152, records[1].data.size());
    EXPECT_EQ('\x01', records[1].data[0]);
    EXPECT_EQ(Le(0x4E00 + 48, 2), records[1].data.substr(1, 2));
}

TEST(SharedStringTableTest, AStringFacingFewerThan12BytesStartsTheNextRecord)
{
    SharedStringTable sst;
    sst.AddNarrow(std::string(8202, 'n'));  // leaves 11 bytes
    sst.AddNarrow(std::string(20, 'm'));
    sst.AddNarrow("tail");
    std::vector<CFramed> records = Written(sst);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(8213u, records[0].data.size());
    EXPECT_EQ(std::string("\x14\x00\x00", 3) + std::string(20, 'm') + std::string("\x04\x00\x00" "tail", 7),
              records[1].data);
}

TEST(SharedStringTableTest, AStringThatFitsTheLastBytesIsNotMoved)
{
    SharedStringTable sst;
    sst.AddNarrow(std::string(8202, 'n'));  // leaves 11 bytes
    sst.AddNarrow(std::string(8, 'm'));     // takes exactly those
    sst.AddNarrow("x");
    std::vector<CFramed> records = Written(sst);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(8224u, records[0].data.size());
    EXPECT_EQ(std::string("\x01\x00\x00x", 4), records[1].data);
}

TEST(SharedStringTableTest, LongStringsAreCutAgainInEveryContinuation)
{
    SharedStringTable sst;
    std::wstring wide(10000, L'宽');
    sst.AddWide(wide);
    sst.AddNarrow(std::string(9000, 'n'));
    std::vector<CFramed> records = Written(sst);
    ASSERT_EQ(4u, records.size());
    // SST: counts, header, 4,106 characters.
    ASSERT_EQ(8 + 3 + 8212u, records[0].data.size());
    // A continuation of a wide string: flags, then 4,111 characters.
    ASSERT_EQ(1 + 8222u, records[1].data.size());
    EXPECT_EQ('\x01', records[1].data[0]);
    // The last 1,783 characters, then the narrow string's header and start.
    ASSERT_EQ(8224u, records[2].data.size());
    EXPECT_EQ('\x01', records[2].data[0]);
    EXPECT_EQ(std::string("\x28\x23\x00", 3), records[2].data.substr(1 + 2 * 1783, 3));
    size_t firstPart = 8224 - 1 - 2 * 1783 - 3;
    EXPECT_EQ('\x00', records[3].data[0]) << "a narrow continuation has flags 0";
    EXPECT_EQ(1 + 9000 - firstPart, records[3].data.size());
}

TEST(SharedStringTableTest, ClearForgetsTextsAndCounts)
{
    SharedStringTable sst;
    sst.AddWide(L"a");
    sst.Clear();
    EXPECT_EQ(0u, sst.AddWide(L"b"));
    EXPECT_EQ(1u, sst.TotalCount());
    EXPECT_EQ(1u, sst.UniqueCount());
}

}  // namespace
