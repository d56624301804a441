// Replacing config.xml and projectlist.txt never loses the previous file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

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
