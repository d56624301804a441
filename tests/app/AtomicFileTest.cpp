// Replacing config.xml and projectlist.txt never loses the previous file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/AtomicFile.h"
#include "tests/app/WorkspaceFixture.h"
#include "tools/TmOS.h"

using namespace tmtest;

namespace {

// Files may grow to at most `bytes` while in scope: writes beyond fail as
// on a full disk.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_oldHandler);
    }

private:
    struct rlimit m_saved;
    sighandler_t m_oldHandler;
};

bool Exists(const std::wstring& path)
{
    struct stat st;
    return lstat(Utf8(path).c_str(), &st) == 0;
}

size_t EntryCount(const std::wstring& folder)
{
    std::vector<std::wstring> entries;
    TMTOOLS::OS::SearchFiles(folder, L"*", entries, true, false);
    return entries.size();
}

class AtomicReplace : public ::testing::Test, public CWorkspaceTest {};

}  // namespace

TEST_F(AtomicReplace, AWriteThatFailsMidwayKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const std::wstring path = m_dir.WFile(L"config.xml");
    ASSERT_TRUE(ReplaceFileAtomically(path, "old content"));
    {
        CFileSizeLimit full(16);
        EXPECT_FALSE(ReplaceFileAtomically(path, std::string(4096, 'x')));
    }
    EXPECT_EQ(ReadBytes(Utf8(path)), "old content");
    EXPECT_EQ(EntryCount(m_dir.WPath()), 1u);
    EXPECT_TRUE(ReplaceFileAtomically(path, "new"));
    EXPECT_EQ(ReadBytes(Utf8(path)), "new");
    EXPECT_EQ(EntryCount(m_dir.WPath()), 1u);
}

TEST_F(AtomicReplace, AFolderOrAMissingFolderIsNotWritten)
{
    EXPECT_FALSE(ReplaceFileAtomically(m_dir.WPath(), "x"));
    EXPECT_FALSE(ReplaceFileAtomically(m_dir.WFile(L"no/such.xml"), "x"));
    EXPECT_FALSE(ReplaceFileAtomically(L"", "x"));
}

TEST_F(AtomicReplace, ALinkIsWrittenThroughTheModeKeptAndASpecialFileNeverReplaced)
{
    const std::wstring real = MakeFile(L"kept/config.xml", "old");
    chmod(Utf8(real).c_str(), 0444);
    const std::wstring link = m_dir.WFile(L"config.xml");
    ASSERT_EQ(symlink(Utf8(real).c_str(), Utf8(link).c_str()), 0);
    ASSERT_TRUE(ReplaceFileAtomically(link, "new"));
    struct stat st;
    ASSERT_EQ(lstat(Utf8(link).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadBytes(Utf8(real)), "new");
    ASSERT_EQ(stat(Utf8(real).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);

    // A FIFO, a device, a link to nothing: refused, left as they are.
    const std::wstring fifo = m_dir.WFile(L"pipe.xml");
    ASSERT_EQ(mkfifo(Utf8(fifo).c_str(), 0644), 0);
    const std::wstring dangling = m_dir.WFile(L"dangling.xml");
    ASSERT_EQ(symlink("nowhere.xml", Utf8(dangling).c_str()), 0);
    for (const std::wstring& path : {fifo, dangling, std::wstring(L"/dev/null")})
        EXPECT_FALSE(ReplaceFileAtomically(path, "x")) << Utf8(path);
    ASSERT_EQ(lstat(Utf8(fifo).c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_FALSE(Exists(m_dir.WFile(L"nowhere.xml")));
}

TEST_F(AtomicReplace, AFullDiskKeepsThePreviousStandardAndStudentList)
{
    const std::wstring standard = MakeFile(L"标准/frame.prj");
    const std::wstring zhang = MakeFile(L"张三/frame.prj");
    m_workspace.m_tables[standard] = [](CScoringProject& project) {
        for (int i = 0; i < 50; ++i)
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"值" + std::to_wstring(i), i, true);
    };
    m_workspace.SetStandardPrjPath(standard);
    m_workspace.RebuildStandardProject();
    m_workspace.m_tables[zhang] = [](CScoringProject&) {};
    m_workspace.SetStudentPaths({zhang, zhang, zhang});
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.WriteScoringStandard(m_workspace.GetConfigPath()));
    ASSERT_TRUE(m_workspace.WriteProjectList());
    const std::string config = ReadBytes(Utf8(m_workspace.GetConfigPath()));
    const std::string list = ReadBytes(Utf8(m_workspace.GetProjectListPath()));

    {
        CFileSizeLimit full(20);
        EXPECT_FALSE(m_workspace.WriteScoringStandard(m_workspace.GetConfigPath()));
        EXPECT_FALSE(m_workspace.WriteProjectList());
    }
    EXPECT_EQ(ReadBytes(Utf8(m_workspace.GetConfigPath())), config);
    EXPECT_EQ(ReadBytes(Utf8(m_workspace.GetProjectListPath())), list);
}
