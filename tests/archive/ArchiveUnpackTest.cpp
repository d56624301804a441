// Unpacking hand-ins of every kind: zip through our reader, rar and 7z
// through libarchive, under the same rules; and the status that says what
// went wrong.
#include <gtest/gtest.h>

#include "archive/ArchiveUnpack.h"
#include "tests/archive/ZipBuilder.h"
#include "tests/archive/ZipTestSupport.h"
#include "tests/support/RarBuilder.h"
#include "tests/support/TestFiles.h"

using namespace ziptest;

namespace {

class ArchiveUnpack : public ::testing::Test {
protected:
    ArchiveUnpack() : m_out(m_dir.File("out")) { mkdir(m_out.c_str(), 0755); }

    CArchiveUnpackResult Unpack(const std::string& archive, const CArchiveLimits& limits = CArchiveLimits())
    {
        return UnpackArchive(W(archive), W(m_out), limits);
    }
    // A 7z archive made by bsdtar of files (relative path -> content).
    std::string SevenZip(const std::map<std::string, std::string>& files)
    {
        tmtest::CTempDir source;
        for (const auto& file : files) {
            tmtest::Run("mkdir -p \"$(dirname " + Quote(source.File(file.first)) + ")\"");
            tmtest::WriteBytes(source.File(file.first), file.second);
        }
        const std::string archive = m_dir.File("a.7z");
        EXPECT_EQ(tmtest::Run("cd " + Quote(source.Path()) + " && LC_ALL=C.UTF-8 bsdtar --format 7zip -cf " +
                              Quote(archive) + " *"),
                  0);
        return archive;
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        tmtest::WriteBytes(m_dir.File(name), bytes);
        return m_dir.File(name);
    }

    tmtest::CTempDir m_dir;
    std::string m_out;
};

}  // namespace

TEST_F(ArchiveUnpack, SevenZipWithChineseNamesUnpacksLikeZip)
{
    const std::string archive = SevenZip({{"张三/frame.prj", "model"}, {"张三/结果/r.txt", "r"}});
    CArchiveUnpackResult result = Unpack(archive);
    EXPECT_EQ(result.m_status, ArchiveUnpackStatus::Ok);
    EXPECT_TRUE(result.m_refused.empty());
    EXPECT_EQ(ReadTree(m_out), (std::map<std::string, std::string>{
                                   {"张三/", ""}, {"张三/frame.prj", "model"}, {"张三/结果/", ""}, {"张三/结果/r.txt", "r"}}));
}

TEST_F(ArchiveUnpack, RarNamesInGbkAreReadAndLinksAndClimbingNamesAreRefused)
{
    // Made on a Chinese Windows: GBK names with "\" separators; then what
    // a hostile archive carries.
    const std::string gbk = "\xd5\xc5\xc8\xfd";  // 张三
    const std::string archive = Write(
        "a.rar", tmtest::BuildRar({{gbk, "", true},
                                   {gbk + "\\frame.prj", "model"},
                                   {"..\\evil.txt", "evil"},
                                   {"link", "/etc/passwd", false, 0120777},
                                   {"after.txt", "a"}}));
    CArchiveUnpackResult result = Unpack(archive);
    EXPECT_EQ(result.m_status, ArchiveUnpackStatus::Ok);
    EXPECT_EQ(ReadTree(m_dir.Path()).count("evil.txt"), 0u);
    EXPECT_EQ(ReadTree(m_out),
              (std::map<std::string, std::string>{{"张三/", ""}, {"张三/frame.prj", "model"}, {"after.txt", "a"}}));
    ASSERT_EQ(result.m_refused.size(), 2u);
    EXPECT_EQ(result.m_refused[0].m_name, L"../evil.txt");
    EXPECT_EQ(result.m_refused[1].m_name, L"link");
    EXPECT_EQ(result.m_refused[1].m_index, 3);
}

TEST_F(ArchiveUnpack, TheStatusTellsDamageFromOtherFaults)
{
    std::string sevenZip = tmtest::ReadBytes(SevenZip({{"frame.prj", std::string(5000, 'm')}}));
    EXPECT_EQ(Unpack(Write("cut.7z", sevenZip.substr(0, sevenZip.size() / 2))).m_status,
              ArchiveUnpackStatus::Damaged);

    CZipBuilder zip;
    CBuilderEntry entry;
    entry.name = "frame.prj";
    entry.data = std::string(5000, 'm');
    zip.Add(entry);
    const std::string whole = zip.Build();
    EXPECT_EQ(Unpack(Write("cut.zip", whole.substr(0, whole.size() - 30))).m_status, ArchiveUnpackStatus::Damaged);
    std::string flipped = whole;
    flipped[40] ^= 0x55;  // inside the deflated data
    EXPECT_EQ(Unpack(Write("flipped.zip", flipped)).m_status, ArchiveUnpackStatus::Damaged);

    CZipBuilder bzip;
    entry.method = 12;
    bzip.Add(entry);
    EXPECT_EQ(Unpack(Write("bzip2.zip", bzip.Build())).m_status, ArchiveUnpackStatus::Unsupported);
    CZipBuilder locked;
    entry.method = 8;
    entry.flags = 1;
    locked.Add(entry);
    EXPECT_EQ(Unpack(Write("locked.zip", locked.Build())).m_status, ArchiveUnpackStatus::Encrypted);

    EXPECT_EQ(Unpack(Write("notes.zip", "just some text, not an archive")).m_status,
              ArchiveUnpackStatus::NotAnArchive);
    EXPECT_EQ(Unpack(m_dir.File("missing.zip")).m_status, ArchiveUnpackStatus::CannotRead);
    EXPECT_EQ(Unpack(Write("empty.zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'))).m_status,
              ArchiveUnpackStatus::Ok);
}

TEST_F(ArchiveUnpack, EntryCountAndSizesAreBounded)
{
    CArchiveLimits limits;
    limits.m_maxEntryBytes = 1000;
    EXPECT_EQ(Unpack(SevenZip({{"big.prj", std::string(1001, 'b')}}), limits).m_status,
              ArchiveUnpackStatus::TooLarge);
    EXPECT_EQ(Unpack(Write("big.rar", tmtest::BuildRar({{"big.prj", std::string(1001, 'b')}})), limits).m_status,
              ArchiveUnpackStatus::TooLarge);
    CZipBuilder zip;
    CBuilderEntry entry;
    entry.name = "big.prj";
    entry.data = std::string(1001, 'b');
    zip.Add(entry);
    EXPECT_EQ(Unpack(Write("big.zip", zip.Build()), limits).m_status, ArchiveUnpackStatus::TooLarge);

    limits = CArchiveLimits();
    limits.m_maxTotalBytes = 1500;
    EXPECT_EQ(Unpack(SevenZip({{"a", std::string(800, 'a')}, {"b", std::string(800, 'b')}}), limits).m_status,
              ArchiveUnpackStatus::TooLarge);
    limits = CArchiveLimits();
    limits.m_maxEntries = 2;
    EXPECT_EQ(Unpack(Write("many.rar", tmtest::BuildRar({{"a", "a"}, {"b", "b"}, {"c", "c"}})), limits).m_status,
              ArchiveUnpackStatus::TooLarge);
}
