// Nothing outside the destination: unsafe names, planted links, entries
// that are links themselves.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "archive/ZipArchive.h"
#include "tests/archive/ZipBuilder.h"
#include "tests/archive/ZipTestSupport.h"
#include "tests/support/TestFiles.h"

using namespace ziptest;

namespace {

// A scratch folder holding "dest" (where archives go) and "outside"
// (which must stay as it is).
class ZipSafety : public ::testing::Test {
protected:
    ZipSafety()
    {
        m_dest = m_dir.File("dest");
        m_outside = m_dir.File("outside");
        mkdir(m_dest.c_str(), 0755);
        mkdir(m_outside.c_str(), 0755);
        tmtest::WriteBytes(m_outside + "/keep.txt", "precious");
    }
    std::string Archive(const std::vector<std::string>& names, const std::string& data = "evil")
    {
        CZipBuilder builder;
        for (const std::string& name : names) {
            CBuilderEntry e;
            e.name = name;
            e.data = name.back() == '/' || name.back() == '\\' ? "" : data;
            builder.Add(e);
        }
        std::string path = m_dir.File("a.zip");
        tmtest::WriteBytes(path, builder.Build());
        return path;
    }
    // Remembers everything in the scratch folder but dest.
    void Snapshot() { m_before = Outside(); }
    void ExpectNothingOutside()
    {
        EXPECT_EQ(Outside(), m_before);
        EXPECT_EQ(tmtest::ReadBytes(m_outside + "/keep.txt"), "precious");
    }
    std::map<std::string, std::string> Outside()
    {
        std::map<std::string, std::string> tree = ReadTree(m_dir.Path());
        for (auto it = tree.begin(); it != tree.end();)
            it = it->first.rfind("dest/", 0) == 0 ? tree.erase(it) : std::next(it);
        return tree;
    }

    tmtest::CTempDir m_dir;
    std::string m_dest;
    std::string m_outside;
    std::map<std::string, std::string> m_before;
};

}  // namespace

TEST(ZipNames, SafeNamesStayBelowTheirFolder)
{
    for (const wchar_t* name : {L"a.txt", L"sub/a.txt", L"sub\\a.txt", L"./a.txt", L"a..b/c", L"..a/b", L"a/b../c",
                                L"sub/", L"ab:c.txt", L"..."})
        EXPECT_TRUE(ZipIsSafeEntryName(name)) << U(name);
    for (const wchar_t* name : {L"", L"..", L"../a.txt", L"..\\a.txt", L"a/../../b", L"a\\..\\..\\b", L"a/..",
                                L"a\\..", L"a/..\\b", L"/etc/passwd", L"\\windows\\x", L"C:/x.txt", L"c:x.txt",
                                L"Z:\\x.txt", L"./../x"})
        EXPECT_FALSE(ZipIsSafeEntryName(name)) << U(name);
    EXPECT_FALSE(ZipIsSafeEntryName(nullptr));
}

TEST_F(ZipSafety, ClimbingAbsoluteAndDriveNamesAreSkippedAndTheRestExtracted)
{
    std::vector<std::string> names = {"../up.txt", "..\\up2.txt", "sub/../../up3.txt", "sub\\..\\..\\up4.txt",
                                      "/abs.txt", "\\abs2.txt", "C:/drive.txt", "c:drive2.txt", "C:\\drive3.txt",
                                      "../outside/", "..", "fine.txt", "sub/fine.txt"};
    std::string archive = Archive(names);
    Snapshot();
    std::vector<ZipResult> results = ExtractAll(archive, m_dest);
    ASSERT_EQ(results.size(), names.size());
    for (size_t i = 0; i + 2 < names.size(); ++i)
        EXPECT_EQ(results[i], ZipResult::BadName) << names[i];
    EXPECT_EQ(results[names.size() - 2], ZipResult::Ok);
    EXPECT_EQ(results[names.size() - 1], ZipResult::Ok);
    EXPECT_EQ(tmtest::ReadBytes(m_dest + "/fine.txt"), "evil");
    EXPECT_EQ(tmtest::ReadBytes(m_dest + "/sub/fine.txt"), "evil");
    ExpectNothingOutside();
    std::map<std::string, std::string> inside = ReadTree(m_dest);
    EXPECT_EQ(inside.size(), 3u);  // fine.txt, sub/, sub/fine.txt
}

TEST_F(ZipSafety, PathsBuiltFromEntryNamesCannotClimbEither)
{
    // The import's own way of building a target: folder, "/", entry name.
    std::vector<std::string> names = {"../up.txt", "sub\\..\\..\\up.txt", "/abs.txt", "ok.txt"};
    ZipHandle handle = ZipOpenFile(W(Archive(names)).c_str());
    Snapshot();
    ZipEntry entry;
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(ZipGetEntry(handle, i, &entry), ZipResult::Ok);
        EXPECT_FALSE(ZipIsSafeEntryName(entry.m_name));
        std::wstring target = W(m_dest) + L"/" + entry.m_name;
        EXPECT_EQ(ZipExtractEntry(handle, i, target.c_str()), ZipResult::BadName) << names[(size_t)i];
    }
    EXPECT_EQ(ZipExtractEntry(handle, 3, (W(m_dest) + L"/ok.txt").c_str()), ZipResult::Ok);
    EXPECT_EQ(ZipExtractEntry(handle, 3, (W(m_dest) + L"/../outside/x.txt").c_str()), ZipResult::BadName);
    EXPECT_EQ(ZipExtractEntryUnder(handle, 3, (W(m_dest) + L"/..").c_str()), ZipResult::BadName);
    ZipClose(handle);
    ExpectNothingOutside();
}

TEST_F(ZipSafety, FolderLinkPlantedInTheDestinationIsNotFollowed)
{
    ASSERT_EQ(symlink(m_outside.c_str(), (m_dest + "/sub").c_str()), 0);
    ASSERT_EQ(symlink(m_outside.c_str(), (m_dest + "/folder").c_str()), 0);
    std::string archive = Archive({"sub/x.txt", "sub/deeper/y.txt", "folder/", "folder/z/"});
    Snapshot();
    std::vector<ZipResult> results = ExtractAll(archive, m_dest);
    EXPECT_EQ(results, std::vector<ZipResult>(4, ZipResult::CannotOpenFile));
    // Nor through a full path built from the name.
    ZipHandle handle = ZipOpenFile(W(archive).c_str());
    EXPECT_EQ(ZipExtractEntry(handle, 0, W(m_dest + "/sub/x.txt").c_str()), ZipResult::CannotOpenFile);
    ZipClose(handle);
    ExpectNothingOutside();
    EXPECT_TRUE(IsSymlink(m_dest + "/sub"));
}

TEST_F(ZipSafety, FileLinkPlantedInTheDestinationIsReplacedNotWrittenThrough)
{
    ASSERT_EQ(symlink((m_outside + "/keep.txt").c_str(), (m_dest + "/a.txt").c_str()), 0);
    ASSERT_EQ(symlink((m_outside + "/new.txt").c_str(), (m_dest + "/dangling.txt").c_str()), 0);
    ASSERT_EQ(link((m_outside + "/keep.txt").c_str(), (m_dest + "/hard.txt").c_str()), 0);
    std::string archive = Archive({"a.txt", "dangling.txt", "hard.txt"});
    Snapshot();
    std::vector<ZipResult> results = ExtractAll(archive, m_dest);
    EXPECT_EQ(results, std::vector<ZipResult>(3, ZipResult::Ok));
    for (const char* name : {"/a.txt", "/dangling.txt", "/hard.txt"}) {
        EXPECT_FALSE(IsSymlink(m_dest + name)) << name;
        EXPECT_EQ(tmtest::ReadBytes(m_dest + name), "evil") << name;
    }
    ExpectNothingOutside();
    EXPECT_NE(tmtest::Run("test -e " + Quote(m_outside + "/new.txt")), 0);
}

TEST_F(ZipSafety, LinkEntriesBecomePlainFilesHoldingTheLinkText)
{
    std::string src = m_dir.File("src");
    mkdir(src.c_str(), 0755);
    ASSERT_EQ(symlink("/etc", (src + "/etc-link").c_str()), 0);
    ASSERT_EQ(symlink("../../outside/keep.txt", (src + "/file-link").c_str()), 0);
    tmtest::WriteBytes(src + "/real.txt", "real");
    // -y stores the links as links.
    ASSERT_EQ(tmtest::Run("cd " + Quote(src) + " && zip -q -y ../links.zip etc-link file-link real.txt"), 0);
    ASSERT_EQ(tmtest::Run("rm -rf " + Quote(src)), 0);
    Snapshot();
    std::vector<ZipResult> results = ExtractAll(m_dir.File("links.zip"), m_dest);
    EXPECT_EQ(results, std::vector<ZipResult>(3, ZipResult::Ok));
    EXPECT_FALSE(IsSymlink(m_dest + "/etc-link"));
    EXPECT_EQ(tmtest::ReadBytes(m_dest + "/etc-link"), "/etc");
    EXPECT_EQ(tmtest::ReadBytes(m_dest + "/file-link"), "../../outside/keep.txt");
    ExpectNothingOutside();
}

TEST_F(ZipSafety, LinkEntryFollowedByAFileThroughItStaysInside)
{
    // A link named "d" to the outside, then "d/x.txt": the link is a plain
    // file, so the second entry has no folder to go to.
    std::string src = m_dir.File("src");
    mkdir(src.c_str(), 0755);
    ASSERT_EQ(symlink(m_outside.c_str(), (src + "/d").c_str()), 0);
    ASSERT_EQ(tmtest::Run("cd " + Quote(src) + " && zip -q -y ../l.zip d"), 0);
    ASSERT_EQ(tmtest::Run("rm -rf " + Quote(src) + " && mkdir -p " + Quote(src + "/d") + " && echo x > " +
                          Quote(src + "/d/x.txt") + " && cd " + Quote(src) + " && zip -q ../l.zip d/x.txt"),
              0);
    Snapshot();
    std::vector<ZipResult> results = ExtractAll(m_dir.File("l.zip"), m_dest);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0], ZipResult::Ok);
    EXPECT_EQ(results[1], ZipResult::CannotOpenFile);
    ExpectNothingOutside();
}

TEST_F(ZipSafety, FifoInTheDestinationIsReplacedWithoutBlocking)
{
    ASSERT_EQ(mkfifo((m_dest + "/pipe.txt").c_str(), 0600), 0);
    EXPECT_EQ(ExtractAll(Archive({"pipe.txt"}), m_dest), std::vector<ZipResult>({ZipResult::Ok}));
    EXPECT_EQ(tmtest::ReadBytes(m_dest + "/pipe.txt"), "evil");
}
