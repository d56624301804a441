#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using namespace TMTOOLS::OS;

TEST(OSFolders, MkdirRCreatesEveryLevel)
{
    tmtest::CTempDir dir;
    std::wstring base = dir.WPath();
    EXPECT_EQ(mkdir_r((base + L"/a/b/c").c_str()), 0);
    EXPECT_TRUE(FolderExist((base + L"/a/b/c").c_str()));
    EXPECT_EQ(mkdir_r((base + L"/d/e/").c_str()), 0);
    EXPECT_TRUE(FolderExist((base + L"/d/e").c_str()));
    EXPECT_EQ(mkdir_r((base + L"/中文/工程").c_str()), 0);
    EXPECT_TRUE(FolderExist((base + L"/中文/工程").c_str()));
    EXPECT_EQ(mkdir_r(L""), -1);
    EXPECT_EQ(mkdir_r(nullptr), -1);
    EXPECT_EQ(mkdir_r(L"////"), 0);
}

TEST(OSFolders, MkdirRRelativeToCurrentFolder)
{
    tmtest::CTempDir dir;
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    EXPECT_EQ(mkdir_r(L"./x/y"), 0);
    EXPECT_TRUE(FolderExist(L"x/y"));
    ASSERT_EQ(chdir(old), 0);
}

TEST(OSFolders, FolderExistRefusesTrailingSlashAndFiles)
{
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File("f.txt"), "x");
    EXPECT_TRUE(FolderExist(dir.WPath().c_str()));
    EXPECT_FALSE(FolderExist((dir.WPath() + L"/").c_str()));
    EXPECT_FALSE(FolderExist(dir.WFile(L"f.txt").c_str()));
    EXPECT_TRUE(FileExist(dir.WFile(L"f.txt").c_str()));
    EXPECT_FALSE(FileExist(dir.WFile(L"none").c_str()));
    EXPECT_FALSE(FolderExist(L"/"));
}

TEST(OSPaths, FileNameAndShortPath)
{
    std::wstring name;
    GetFileName(L"/p/proj.prj", name);
    EXPECT_EQ(name, L"proj");
    GetShortFilePath(L"/p/proj.prj", name);
    EXPECT_EQ(name, L"proj.prj");
    GetFileName(L"name.txt", name);
    EXPECT_EQ(name, L"name");
    GetShortFilePath(L"name.txt", name);
    EXPECT_EQ(name, L"name.txt");
    GetFileName(L"/d.old/result", name);
    EXPECT_EQ(name, L"result");
    GetFolderPath(L"/exam/张三/frame.prj", name);
    EXPECT_EQ(name, L"/exam/张三");
    GetFolderPath(L"/frame.prj", name);
    EXPECT_EQ(name, L"");
    GetFolderPath(L"frame.prj", name);
    EXPECT_EQ(name, L"");
}

TEST(OSSearch, SortedMatchesAnyCaseAndRecursion)
{
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File("b.prj"), "");
    tmtest::WriteBytes(dir.File("A.PRJ"), "");
    tmtest::WriteBytes(dir.File("c.txt"), "");
    mkdir_r(dir.WFile(L"sub.prj").c_str());
    tmtest::WriteBytes(dir.File("sub.prj/inner.prj"), "");
    std::vector<std::wstring> found;
    SearchFiles(dir.WPath(), L"*.prj", found, true, false);
    EXPECT_EQ(found, (std::vector<std::wstring>{L"A.PRJ", L"b.prj", L"sub.prj"}));
    SearchFiles(dir.WPath(), L"*.prj", found, false, true);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[2], dir.WPath() + L"/sub.prj/inner.prj");
    SearchFiles(dir.WPath(), L"*.*", found, true, false);
    EXPECT_EQ(found.size(), 4u);
    SearchFiles(dir.WFile(L"missing"), L"*", found, true, false);
    EXPECT_TRUE(found.empty());
}

TEST(OSPaths, NamesThatAreNotUtf8ComeBackAsTheSameBytes)
{
    tmtest::CTempDir dir;
    // 张三 in GBK, as a Windows USB stick carries it.
    const std::string gbk = "\xd5\xc5\xc8\xfd";
    tmtest::WriteBytes(dir.File(gbk + ".prj"), "m");
    std::vector<std::wstring> found;
    SearchFiles(dir.WPath(), L"*.prj", found, false, false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], dir.WPath() + L"/\xdcd5\xdcc5\xdcc8\xdcfd.prj");
    EXPECT_EQ(NativePath(found[0]), dir.File(gbk + ".prj"));
    EXPECT_TRUE(FileExist(found[0].c_str()));
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, dir.File(gbk), wide);
    std::string back;
    TMTOOLS::String::DecodeUnicode(0, wide + L".prj", back);
    EXPECT_EQ(back, dir.File(gbk + ".prj"));
}
