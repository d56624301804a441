// Names found as on Windows: exact first, then one listing per folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/TestFiles.h"
#include "tools/FileNameLookup.h"

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
