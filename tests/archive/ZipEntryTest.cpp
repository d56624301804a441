// Describing entries: index rules, the walk and its cache, names,
// attribute bits, times, damaged records.
#include <gtest/gtest.h>
#include <time.h>
#include <unistd.h>

#include "archive/ZipArchive.h"
#include "tests/archive/ZipBuilder.h"
#include "tests/archive/ZipTestSupport.h"
#include "tests/support/TestFiles.h"
#include "tools/TmString.h"

using namespace ziptest;

namespace {

class ZipEntries : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = m_dir.File(name);
        tmtest::WriteBytes(path, bytes);
        return path;
    }
    // The single entry of an archive made of one builder entry.
    ZipEntry Only(const CBuilderEntry& e, ZipResult expected = ZipResult::Ok)
    {
        CZipBuilder builder;
        builder.Add(e);
        ZipHandle handle = ZipOpenFile(W(Write("one.zip", builder.Build())).c_str());
        ZipEntry entry = {};
        EXPECT_EQ(ZipGetEntry(handle, 0, &entry), expected) << e.name;
        ZipClose(handle);
        return entry;
    }
    static CBuilderEntry Named(const std::string& name, const std::string& data = "x")
    {
        CBuilderEntry e;
        e.name = name;
        e.data = data;
        return e;
    }
    static std::string Gbk(const std::wstring& text)
    {
        std::string bytes;
        TMTOOLS::String::DecodeUnicode(936, text, bytes);
        return bytes;
    }

    tmtest::CTempDir m_dir;
};

}  // namespace

TEST_F(ZipEntries, IndexMinusOneGivesTheCountAndOutOfRangeIndicesAreBadArguments)
{
    CZipBuilder builder;
    for (int i = 0; i < 3; ++i)
        builder.Add(Named("f" + std::to_string(i)));
    ZipHandle handle = ZipOpenFile(W(Write("a.zip", builder.Build())).c_str());
    ZipEntry entry;
    memset(&entry, 0x55, sizeof entry);
    ASSERT_EQ(ZipGetEntry(handle, -1, &entry), ZipResult::Ok);
    EXPECT_EQ(entry.m_index, 3);
    EXPECT_EQ(entry.m_name[0], L'\0');
    EXPECT_EQ(entry.m_attributes, 0u);
    EXPECT_EQ(entry.m_uncompressedSize, 0u);
    EXPECT_EQ(ZipGetEntry(handle, -2, &entry), ZipResult::BadArgument);
    EXPECT_EQ(ZipGetEntry(handle, 3, &entry), ZipResult::BadArgument);
    EXPECT_EQ(ZipGetEntry(handle, 2, &entry), ZipResult::Ok);
    EXPECT_EQ(ZipGetEntry(handle, 0, nullptr), ZipResult::BadArgument);
    ZipClose(handle);
}

TEST_F(ZipEntries, LowerIndexAfterHigherRestartsTheWalkAndFindsIt)
{
    CZipBuilder builder;
    for (int i = 0; i < 10; ++i)
        builder.Add(Named("entry" + std::to_string(i) + ".txt", std::string((size_t)i + 1, 'a')));
    ZipHandle handle = ZipOpenFile(W(Write("a.zip", builder.Build())).c_str());
    ZipEntry entry;
    ASSERT_EQ(ZipGetEntry(handle, 7, &entry), ZipResult::Ok);
    EXPECT_EQ(std::wstring(entry.m_name), L"entry7.txt");
    ASSERT_EQ(ZipGetEntry(handle, 5, &entry), ZipResult::Ok);
    EXPECT_EQ(std::wstring(entry.m_name), L"entry5.txt");
    EXPECT_EQ(entry.m_index, 5);
    EXPECT_EQ(entry.m_uncompressedSize, 6u);
    ASSERT_EQ(ZipGetEntry(handle, 9, &entry), ZipResult::Ok);
    EXPECT_EQ(std::wstring(entry.m_name), L"entry9.txt");
    ASSERT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::Ok);
    EXPECT_EQ(std::wstring(entry.m_name), L"entry0.txt");
    ZipClose(handle);
}

TEST_F(ZipEntries, RepeatedIndexIsAnsweredFromTheCache)
{
    CZipBuilder builder;
    for (int i = 0; i < 4; ++i)
        builder.Add(Named("f" + std::to_string(i)));
    std::string path = Write("a.zip", builder.Build());
    ZipHandle handle = ZipOpenFile(W(path).c_str());
    ZipEntry entry;
    ASSERT_EQ(ZipGetEntry(handle, 2, &entry), ZipResult::Ok);
    // With the file emptied underneath, only the cached entry still answers.
    ASSERT_EQ(truncate(path.c_str(), 0), 0);
    ZipEntry again;
    EXPECT_EQ(ZipGetEntry(handle, 2, &again), ZipResult::Ok);
    EXPECT_EQ(std::wstring(again.m_name), L"f2");
    EXPECT_NE(ZipGetEntry(handle, 1, &again), ZipResult::Ok);
    ZipClose(handle);
}

TEST_F(ZipEntries, MethodTwelveInTheMiddleIsCorruptAtItsIndexOnly)
{
    ASSERT_EQ(RunPython(m_dir.Path(), R"PY(
import zipfile
with zipfile.ZipFile('m.zip', 'w') as z:
    z.writestr('first.txt', 'one' * 100, compress_type=zipfile.ZIP_DEFLATED)
    z.writestr('middle.txt', 'two' * 100, compress_type=zipfile.ZIP_BZIP2)
    z.writestr('last.txt', 'three' * 100, compress_type=zipfile.ZIP_STORED)
)PY"),
              0);
    ZipResult stop;
    std::vector<ZipEntry> listed = ListEntries(m_dir.File("m.zip"), &stop);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(stop, ZipResult::Corrupt);
    std::vector<ZipResult> results = ExtractAll(m_dir.File("m.zip"), m_dir.Path());
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0], ZipResult::Ok);
    EXPECT_EQ(results[1], ZipResult::Corrupt);
    EXPECT_EQ(results[2], ZipResult::Ok);
    EXPECT_FALSE(tmtest::Run("test -e " + Quote(m_dir.File("middle.txt"))) == 0);
    std::string three;
    for (int i = 0; i < 100; ++i)
        three += "three";
    EXPECT_EQ(tmtest::ReadBytes(m_dir.File("last.txt")), three);
}

TEST_F(ZipEntries, LocalHeaderThatDisagreesWithItsRecordIsCorrupt)
{
    CZipBuilder builder;
    builder.Add(Named("a.txt", "alpha"));
    std::string bytes = builder.Build();
    struct {
        size_t offset;
        const char* what;
    } faults[] = {{0, "signature"}, {8, "method"}, {14, "crc"}, {18, "compressed size"},
                  {22, "uncompressed size"}, {26, "name length"}};
    for (const auto& fault : faults) {
        std::string broken = bytes;
        broken[fault.offset] = (char)(broken[fault.offset] ^ 0x01);
        ZipHandle handle = ZipOpenFile(W(Write("bad.zip", broken)).c_str());
        ASSERT_NE(handle, nullptr) << fault.what;
        ZipEntry entry;
        EXPECT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::Corrupt) << fault.what;
        EXPECT_EQ(ZipExtractEntryUnder(handle, 0, m_dir.WPath().c_str()), ZipResult::Corrupt) << fault.what;
        ZipClose(handle);
    }
    // A local extra field running past the end of the file cannot be read.
    std::string longExtra = bytes;
    longExtra[28] = (char)0xFF;
    longExtra[29] = (char)0x7F;
    ZipHandle handle = ZipOpenFile(W(Write("extra.zip", longExtra)).c_str());
    ZipEntry entry;
    EXPECT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::ReadFailed);
    ZipClose(handle);
}

TEST_F(ZipEntries, NamesAreUtf8WhenMarkedOrWhenTheyLookLikeItOtherwiseGbk)
{
    std::wstring chinese = L"张三/结构信息.prj";
    // Windows tool, no flag: GBK.
    EXPECT_EQ(std::wstring(Only(Named(Gbk(chinese))).m_name), chinese);
    // Flag bit 11: UTF-8.
    CBuilderEntry flagged = Named(U(chinese));
    flagged.flags = 0x0800;
    EXPECT_EQ(std::wstring(Only(flagged).m_name), chinese);
    // No flag, valid UTF-8, from a Unix tool or any other: UTF-8.
    CBuilderEntry unixUtf8 = Named(U(chinese));
    unixUtf8.versionMadeBy = 0x031E;
    EXPECT_EQ(std::wstring(Only(unixUtf8).m_name), chinese);
    EXPECT_EQ(std::wstring(Only(Named(U(chinese))).m_name), chinese);
    // Unix tool with GBK bytes, which are not UTF-8: GBK.
    CBuilderEntry unixGbk = Named(Gbk(chinese));
    unixGbk.versionMadeBy = 0x031E;
    EXPECT_EQ(std::wstring(Only(unixGbk).m_name), chinese);
}

TEST_F(ZipEntries, AnInfoZipUnicodePathNamesTheEntryWhenItsCrcIsThatOfTheStoredName)
{
    // Stored as "?/?.prj" by a tool that could not write the characters,
    // the real name in field 0x7075: version 1, CRC-32 of the stored name.
    const std::string stored = "?/?.prj";
    auto field = [](const std::string& crcOf, const std::string& name) {
        const uint32_t crc = ziptest::Crc32(crcOf);
        std::string data = "\x01";
        for (int shift = 0; shift < 32; shift += 8)
            data += (char)(crc >> shift & 0xFF);
        data += name;
        return std::string("\x75\x70", 2) + (char)data.size() + '\0' + data;
    };
    CBuilderEntry unicode = Named(stored);
    unicode.localExtra = unicode.centralExtra = field(stored, U(L"张三/结构.prj"));
    EXPECT_EQ(std::wstring(Only(unicode).m_name), L"张三/结构.prj");
    // A field left from before the entry was renamed is not taken.
    CBuilderEntry stale = Named(stored);
    stale.localExtra = stale.centralExtra = field("old.prj", U(L"张三/结构.prj"));
    EXPECT_EQ(std::wstring(Only(stale).m_name), L"?/?.prj");
}

TEST_F(ZipEntries, BackslashesSeparateFoldersButAGbkTrailByteIsNoBackslash)
{
    EXPECT_EQ(std::wstring(Only(Named("sub\\deeper\\file.txt")).m_name), L"sub/deeper/file.txt");
    // U+4E57 has the GBK code 0x81 0x5C: its trail byte is the backslash.
    std::string name = Gbk(L"\u4E57.txt");
    ASSERT_EQ(name.substr(0, 2), std::string("\x81\x5C"));
    EXPECT_EQ(std::wstring(Only(Named(name)).m_name), L"\u4E57.txt");
}

TEST_F(ZipEntries, NamesOf260BytesOrMoreAreRefusedWithoutLosingLaterEntries)
{
    CZipBuilder builder;
    builder.Add(Named(std::string(259, 'a')));
    builder.Add(Named(std::string(260, 'b')));
    builder.Add(Named(std::string(65535, 'c')));
    builder.Add(Named("after.txt"));
    ZipHandle handle = ZipOpenFile(W(Write("long.zip", builder.Build())).c_str());
    ZipEntry entry;
    ASSERT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::Ok);
    EXPECT_EQ(std::wstring(entry.m_name), std::wstring(259, L'a'));
    EXPECT_EQ(ZipGetEntry(handle, 1, &entry), ZipResult::BadName);
    EXPECT_EQ(ZipGetEntry(handle, 2, &entry), ZipResult::BadName);
    EXPECT_EQ(ZipExtractEntryUnder(handle, 2, m_dir.WPath().c_str()), ZipResult::BadName);
    ASSERT_EQ(ZipGetEntry(handle, 3, &entry), ZipResult::Ok);
    EXPECT_EQ(std::wstring(entry.m_name), L"after.txt");
    ZipClose(handle);
}

TEST_F(ZipEntries, NameWithAZeroByteIsRefused)
{
    Only(Named(std::string("safe.txt\0../../evil", 19)), ZipResult::BadName);
}

TEST_F(ZipEntries, UnreadableRecordInTheMiddleEndsTheWalkWithAnErrorNotAHang)
{
    CZipBuilder builder;
    for (int i = 0; i < 4; ++i)
        builder.Add(Named("f" + std::to_string(i), "data"));
    std::string bytes = builder.Build();
    // Break the signature of the third central record.
    size_t record = builder.DirectoryOffset();
    for (int i = 0; i < 2; ++i)
        record += 46 + 2;
    ASSERT_EQ(bytes.substr(record, 4), std::string("PK\x01\x02"));
    bytes[record] = 'X';
    ZipHandle handle = ZipOpenFile(W(Write("mid.zip", bytes)).c_str());
    ASSERT_NE(handle, nullptr);
    ZipEntry entry;
    EXPECT_EQ(ZipGetEntry(handle, 1, &entry), ZipResult::Ok);
    EXPECT_EQ(ZipGetEntry(handle, 2, &entry), ZipResult::Corrupt);
    EXPECT_EQ(ZipGetEntry(handle, 3, &entry), ZipResult::Corrupt);
    EXPECT_EQ(ZipExtractEntryUnder(handle, 3, m_dir.WPath().c_str()), ZipResult::Corrupt);
    EXPECT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::Ok);
    ZipClose(handle);
}

TEST_F(ZipEntries, FirstRecordUnreadableStillGivesAHandle)
{
    CZipBuilder builder;
    builder.Add(Named("f"));
    std::string bytes = builder.Build();
    bytes[builder.DirectoryOffset()] = 'X';
    ZipHandle handle = ZipOpenFile(W(Write("first.zip", bytes)).c_str());
    ASSERT_NE(handle, nullptr);
    ZipEntry entry;
    EXPECT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::Corrupt);
    ZipClose(handle);
}

TEST_F(ZipEntries, AttributeBitsFollowTheDosHalfOrTheUnixHalf)
{
    // Windows: the upper half is zero; only the DOS read-only bit counts.
    CBuilderEntry windows = Named("w.txt");
    windows.external = 0x20;
    EXPECT_EQ(Only(windows).m_attributes, kZipAttrNormal | kZipAttrArchive);
    windows.external = 0x27;
    EXPECT_EQ(Only(windows).m_attributes,
              kZipAttrNormal | kZipAttrArchive | kZipAttrReadOnly | kZipAttrHidden | kZipAttrSystem);
    windows.external = 0x10;
    EXPECT_EQ(Only(windows).m_attributes, kZipAttrNormal | kZipAttrDirectory);
    // Unix: the owner's write permission decides read-only.
    CBuilderEntry unixFile = Named("u.txt");
    unixFile.versionMadeBy = 0x031E;
    unixFile.external = 0100644u << 16;
    EXPECT_EQ(Only(unixFile).m_attributes, kZipAttrNormal);
    unixFile.external = 0100444u << 16;
    EXPECT_EQ(Only(unixFile).m_attributes, kZipAttrNormal | kZipAttrReadOnly);
    CBuilderEntry unixFolder = Named("d", "");
    unixFolder.external = 040755u << 16;
    EXPECT_EQ(Only(unixFolder).m_attributes, kZipAttrNormal | kZipAttrDirectory);
    // A name ending in a separator is a folder whatever its bits say.
    CBuilderEntry slash = Named("folder\\", "");
    slash.external = 0;
    EXPECT_EQ(Only(slash).m_attributes, kZipAttrNormal | kZipAttrDirectory);
}

TEST_F(ZipEntries, DosTimeIsTheLocalTimeOfTheArchive)
{
    CTimeZone zone("CST-8");  // China, no daylight saving
    CBuilderEntry e = Named("t.txt");
    e.dosDateTime = DosDateTime(2024, 3, 5, 10, 20, 30);
    ZipEntry entry = Only(e);
    struct tm utc = {};
    utc.tm_year = 124;
    utc.tm_mon = 2;
    utc.tm_mday = 5;
    utc.tm_hour = 2;
    utc.tm_min = 20;
    utc.tm_sec = 30;
    long long expected = (long long)timegm(&utc);
    EXPECT_EQ(UnixSeconds(entry.m_modificationTime), expected);
    EXPECT_EQ(entry.m_accessTime, entry.m_modificationTime);
    EXPECT_EQ(entry.m_creationTime, entry.m_modificationTime);
    // A date that does not exist gives no time at all.
    e.dosDateTime = DosDateTime(2024, 13, 5, 10, 20, 30);
    EXPECT_EQ(Only(e).m_modificationTime, 0u);
}

TEST_F(ZipEntries, ExtendedTimestampGivesModificationAccessCreationInThatOrder)
{
    CBuilderEntry e = Named("t.txt");
    e.localExtra = std::string("\x0a\x00\x04\x00zzzz", 8) + ExtendedTimestamp(7, {1000000000, 1100000000, 1200000000});
    ZipEntry entry = Only(e);
    EXPECT_EQ(UnixSeconds(entry.m_modificationTime), 1000000000);
    EXPECT_EQ(UnixSeconds(entry.m_accessTime), 1100000000);
    EXPECT_EQ(UnixSeconds(entry.m_creationTime), 1200000000);
    // Only the times the block holds are taken, whatever its flags claim.
    CTimeZone zone("UTC0");
    e.dosDateTime = DosDateTime(2020, 1, 2, 3, 4, 6);
    e.localExtra = ExtendedTimestamp(7, {1000000000});
    entry = Only(e);
    EXPECT_EQ(UnixSeconds(entry.m_modificationTime), 1000000000);
    EXPECT_EQ(UnixSeconds(entry.m_accessTime), 1577934246);
    EXPECT_EQ(UnixSeconds(entry.m_creationTime), 1577934246);
    // No "UT" block: all three are the DOS time.
    e.localExtra = std::string("\x0a\x00\x04\x00zzzz", 8);
    entry = Only(e);
    EXPECT_EQ(UnixSeconds(entry.m_modificationTime), 1577934246);
    EXPECT_EQ(UnixSeconds(entry.m_accessTime), 1577934246);
}

TEST_F(ZipEntries, SizesComeFromTheCentralRecord)
{
    CBuilderEntry e = Named("s.txt", std::string(10000, 's'));
    ZipEntry entry = Only(e);
    EXPECT_EQ(entry.m_uncompressedSize, 10000u);
    EXPECT_EQ(entry.m_compressedSize, (uint32_t)Deflate(e.data).size());
    e.method = 0;
    EXPECT_EQ(Only(e).m_compressedSize, 10000u);
}
