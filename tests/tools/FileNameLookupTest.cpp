// Names found as on Windows: exact first, then one listing per folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/TestFiles.h"
#include "tools/FileNameLookup.h"
#include "tools/TmOS.h"

using TMTOOLS::OS::CFileNameLookup;

TEST(FileNameLookup, ExactNameWinsThenTheFirstInByteOrderAndEachFolderIsListedOnce)
{
    tmtest::CTempDir dir;
    mkdir(dir.File("Class").c_str(), 0755);
    for (const char* name : {"Class/frame.PFD", "Class/Frame.pfd", "Class/frame.prj", "Class/FRAME_结构信息.TXT"})
        tmtest::WriteBytes(dir.File(name), "x");
    const std::wstring folder = dir.WPath();
    CFileNameLookup names;
    // Folders on the way are found the same way.
    EXPECT_EQ(names.Find(folder + L"/class/frame_结构信息.txt"), folder + L"/Class/FRAME_结构信息.TXT");
    EXPECT_EQ(names.Find(folder + L"/Class/frame.prj"), folder + L"/Class/frame.prj");
    EXPECT_EQ(names.Find(folder + L"/Class/frame.pfd"), folder + L"/Class/Frame.pfd");  // "F" sorts before "f"
    EXPECT_EQ(names.Find(folder + L"/Class/frame.PFD"), folder + L"/Class/frame.PFD");
    // Not there in any case: the path as asked.
    EXPECT_EQ(names.Find(folder + L"/Class/frame.tsm"), folder + L"/Class/frame.tsm");
    EXPECT_EQ(names.ListingCount(), 2);
    EXPECT_EQ(names.Notes(), (std::vector<std::wstring>{
                                 L"frame.pfd 有 2 个仅大小写不同的文件，读取的是 Frame.pfd",
                                 L"frame.PFD 有 2 个仅大小写不同的文件，读取的是 frame.PFD"}));
}

TEST(FileNameLookup, NamesCopiedFromWindowsInGbkBytesAreFoundByTheirCharacters)
{
    // 結構 in GBK: 結 has an ASCII trail byte ("Y").
    const std::string frame = "\xBD\x59\x98\x8B";
    const std::string results = "\xBD\xE1\xB9\xB9\xCE\xBB\xD2\xC6";
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File(frame + ".prj"), "x");
    tmtest::WriteBytes(dir.File(frame + "_" + results + ".TXT"), "x");
    const std::wstring folder = dir.WPath();
    CFileNameLookup names;
    // The project as the program holds it (its bytes escaped), the result
    // file's name derived from it with a UTF-8 suffix.
    std::vector<std::wstring> listed;
    TMTOOLS::OS::SearchFiles(folder, L"*.prj", listed, false, false);
    ASSERT_EQ(listed.size(), 1u);
    const std::wstring stem = listed[0].substr(0, listed[0].size() - 4);
    const std::wstring found = names.Find(stem + L"_结构位移.txt");
    EXPECT_EQ(TMTOOLS::OS::NativePath(found), dir.Path() + "/" + frame + "_" + results + ".TXT");
    // A path written in characters (a standard file) finds the GBK name.
    EXPECT_EQ(names.Find(folder + L"/結構.prj"), listed[0]);
    EXPECT_EQ(names.Find(folder + L"/結構.pfd"), folder + L"/結構.pfd");
}
