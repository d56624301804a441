// Deleting project folders: only inside the folder, never a protected one,
// and only folders an import made.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/FolderTree.h"
#include "tests/app/WorkspaceFixture.h"
#include "tools/TmOS.h"

using namespace tmtest;

namespace {

bool Exists(const std::wstring& path)
{
    struct stat st;
    return lstat(Utf8(path).c_str(), &st) == 0;
}

// HOME set to another folder while in scope.
class CHomeFolder {
public:
    explicit CHomeFolder(const std::string& home)
    {
        const char* old = getenv("HOME");
        m_had = old != nullptr;
        if (old)
            m_old = old;
        setenv("HOME", home.c_str(), 1);
    }
    ~CHomeFolder()
    {
        if (m_had)
            setenv("HOME", m_old.c_str(), 1);
        else
            unsetenv("HOME");
    }

private:
    bool m_had;
    std::string m_old;
};

class FolderTree : public ::testing::Test, public CWorkspaceTest {};

}  // namespace

TEST_F(FolderTree, DeletesNestedFilesAndReadOnlyEntries)
{
    const std::wstring file = MakeFile(L"张三/sub/deep/a.txt", "a");
    MakeFile(L"张三/frame.prj");
    chmod(Utf8(file).c_str(), 0444);
    chmod(Utf8(m_dir.WFile(L"张三/sub/deep")).c_str(), 0555);
    EXPECT_TRUE(DeleteFolderTree(m_dir.WFile(L"张三")));
    EXPECT_FALSE(Exists(m_dir.WFile(L"张三")));
}

TEST_F(FolderTree, RemovesLinksAsLinksAndNeverDeletesWhatTheyPointTo)
{
    const std::wstring outside = MakeFile(L"outside/keep.txt", "keep");
    MakeFile(L"张三/frame.prj");
    ASSERT_EQ(symlink(Utf8(m_dir.WFile(L"outside")).c_str(), Utf8(m_dir.WFile(L"张三/linkdir")).c_str()), 0);
    ASSERT_EQ(symlink(Utf8(outside).c_str(), Utf8(m_dir.WFile(L"张三/linkfile")).c_str()), 0);
    EXPECT_TRUE(DeleteFolderTree(m_dir.WFile(L"张三")));
    EXPECT_FALSE(Exists(m_dir.WFile(L"张三")));
    EXPECT_EQ(ReadBytes(Utf8(outside)), "keep");

    // A folder that is itself a link is refused whole.
    ASSERT_EQ(symlink(Utf8(m_dir.WFile(L"outside")).c_str(), Utf8(m_dir.WFile(L"link")).c_str()), 0);
    EXPECT_FALSE(DeleteFolderTree(m_dir.WFile(L"link")));
    EXPECT_EQ(ReadBytes(Utf8(outside)), "keep");
}

TEST_F(FolderTree, RefusesEmptyPathRootHomeAndEveryFolderAboveHome)
{
    const std::wstring home = m_dir.WFile(L"users/teacher");
    const std::wstring kept = MakeFile(L"users/teacher/frame.prj", "p");
    CHomeFolder scope(Utf8(home));
    EXPECT_FALSE(DeleteFolderTree(L""));
    EXPECT_FALSE(DeleteFolderTree(L"/"));
    EXPECT_FALSE(DeleteFolderTree(home));
    EXPECT_FALSE(DeleteFolderTree(home + L"/"));
    EXPECT_FALSE(DeleteFolderTree(home + L"/../teacher"));
    EXPECT_FALSE(DeleteFolderTree(m_dir.WFile(L"users")));
    EXPECT_FALSE(DeleteFolderTree(m_dir.WPath()));
    EXPECT_EQ(ReadBytes(Utf8(kept)), "p");
    EXPECT_FALSE(DeleteFolderTree(m_dir.WFile(L"missing")));
}

TEST_F(FolderTree, AnImportedFolderIsOneWithItsArchiveBesideItOrInsideSuchAFolder)
{
    MakeFile(L"exam/张三.zip", "PK");
    MakeFile(L"exam/张三/frame.prj");
    MakeFile(L"exam/张三/sub/frame.prj");
    MakeFile(L"exam/李四.ZIP", "PK");
    MakeFile(L"exam/李四/frame.prj");
    MakeFile(L"exam/王五/frame.prj");
    MakeFile(L"exam/赵六/frame.prj");
    TMTOOLS::OS::mkdir_r(m_dir.WFile(L"exam/赵六.zip").c_str());  // a folder, not an archive
    MakeFile(L"exam/钱七.7z", "7z");
    MakeFile(L"exam/钱七/frame.prj");
    MakeFile(L"exam/孙八.rar.txt", "notes");
    MakeFile(L"exam/孙八/frame.prj");
    EXPECT_TRUE(IsImportedProjectFolder(m_dir.WFile(L"exam/钱七")));
    EXPECT_FALSE(IsImportedProjectFolder(m_dir.WFile(L"exam/孙八")));
    EXPECT_TRUE(IsImportedProjectFolder(m_dir.WFile(L"exam/张三")));
    EXPECT_TRUE(IsImportedProjectFolder(m_dir.WFile(L"exam/张三/sub")));
    EXPECT_TRUE(IsImportedProjectFolder(m_dir.WFile(L"exam/李四")));
    EXPECT_FALSE(IsImportedProjectFolder(m_dir.WFile(L"exam/王五")));
    EXPECT_FALSE(IsImportedProjectFolder(m_dir.WFile(L"exam/赵六")));
    EXPECT_FALSE(IsImportedProjectFolder(m_dir.WFile(L"exam")));
    // ".." cannot borrow an imported folder's archive.
    EXPECT_FALSE(IsImportedProjectFolder(m_dir.WFile(L"exam/张三/../王五")));
    EXPECT_FALSE(IsImportedProjectFolder(m_dir.WFile(L"exam/missing")));
}
