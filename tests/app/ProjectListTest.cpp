// projectlist.txt: GBK, CR LF, one path a line; missing projects drop out.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "tests/app/WorkspaceFixture.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using namespace tmtest;

namespace {
class ProjectList : public ::testing::Test, public CWorkspaceTest {};
}  // namespace

TEST_F(ProjectList, AMissingFileGivesMinusOneAndNoProjects)
{
    EXPECT_EQ(m_workspace.ReadProjectList(), -1);
    EXPECT_TRUE(m_workspace.GetStudentPaths().empty());
    EXPECT_TRUE(m_window.m_messages.empty());
}

TEST_F(ProjectList, LinesNamingMissingProjectsAreDroppedAndTheRestKeepTheirOrder)
{
    const std::wstring zhang = MakeFile(L"张三/frame.prj");
    const std::wstring li = MakeFile(L"李四/frame.prj");
    WriteGbkFile(Utf8(m_workspace.GetProjectListPath()),
                 li + L"\n" + m_dir.WPath() + L"/王五/frame.prj\n\n" + zhang + L"\n" + li);
    EXPECT_EQ(m_workspace.ReadProjectList(), 0);
    EXPECT_EQ(m_workspace.GetStudentPaths(), (std::vector<std::wstring>{li, zhang, li}));

    // Start-up loads the rest and the next write leaves the dropped line out.
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.WriteProjectList());
    std::string expected;
    TMTOOLS::String::DecodeUnicode(936, li + L"\r\n" + zhang + L"\r\n" + li + L"\r\n", expected);
    EXPECT_EQ(ReadBytes(Utf8(m_workspace.GetProjectListPath())), expected);
}

TEST_F(ProjectList, ALineWrittenOnWindowsFindsItsProjectWhateverTheCaseOfTheNames)
{
    const std::wstring zhang = MakeFile(L"Class/张三/Frame.prj");
    WriteGbkFile(Utf8(m_workspace.GetProjectListPath()), m_dir.WPath() + L"/CLASS/张三/frame.PRJ\n");
    EXPECT_EQ(m_workspace.ReadProjectList(), 0);
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{zhang});
}

TEST_F(ProjectList, IsWrittenInGbkWithCrLfAndAnEmptyListGivesAnEmptyFile)
{
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.WriteProjectList());
    EXPECT_EQ(ReadBytes(Utf8(m_workspace.GetProjectListPath())), "");

    const std::wstring zhang = MakeFile(L"张三/frame.prj");
    m_workspace.SetStudentPaths({zhang});
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.WriteProjectList());
    std::string gbkName;
    TMTOOLS::String::DecodeUnicode(936, L"张三", gbkName);
    EXPECT_EQ(gbkName, "\xd5\xc5\xc8\xfd");
    EXPECT_EQ(ReadBytes(Utf8(m_workspace.GetProjectListPath())), m_dir.Path() + "/" + gbkName + "/frame.prj\r\n");

    m_workspace.SetStudentPaths({});
    EXPECT_EQ(m_workspace.ReadProjectList(), 0);
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{zhang});
}

TEST_F(ProjectList, ALastLineWithoutLineBreakIsRead)
{
    const std::wstring zhang = MakeFile(L"张三/frame.prj");
    std::string gbk;
    TMTOOLS::String::DecodeUnicode(936, zhang, gbk);
    WriteBytes(Utf8(m_workspace.GetProjectListPath()), gbk);
    EXPECT_EQ(m_workspace.ReadProjectList(), 0);
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{zhang});
}

TEST_F(ProjectList, StartupAndShutdownCarryTheWorkspaceAcrossRuns)
{
    const std::wstring standard = MakeFile(L"标准/frame.prj");
    const std::wstring zhang = MakeFile(L"张三/frame.prj");
    m_workspace.m_tables[standard] = [](CScoringProject& project) {
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
    };
    m_workspace.m_tables[zhang] = [](CScoringProject&) {};
    m_workspace.SetStandardPrjPath(standard);
    m_workspace.SetStudentPaths({zhang});
    m_workspace.RebuildStandardProject();
    m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"结构形式")->m_selected = true;
    m_workspace.GetStandardProject()->m_genInfoItem.m_fullScore = 50.0f;
    m_workspace.RebuildStudentProjects();
    m_workspace.Shutdown();
    EXPECT_FALSE(m_workspace.GetStandardProject());
    EXPECT_TRUE(m_workspace.GetStudentProjects().empty());

    CScriptedWindowLayer window;
    CTestWorkspace next(window);
    next.m_tables = m_workspace.m_tables;
    next.SetProgramFolder(m_dir.WPath());
    next.Startup();
    EXPECT_EQ(next.GetStandardPrjPath(), standard);
    EXPECT_EQ(next.GetCategoryScore(0), 50.0f);
    EXPECT_TRUE(next.GetStandardProject()->m_genInfoItem.FindValue(L"结构形式")->m_selected);
    ASSERT_EQ(next.GetStudentProjects().size(), 1u);
    EXPECT_EQ(next.GetStudentProjects()[0]->m_prjPath, zhang);
    EXPECT_EQ(next.GetStudentProjects()[0]->m_genInfoItem.m_fullScore, 50.0f);
    EXPECT_EQ(window.m_projectGrid.GetItemText(1, 1), zhang);
    EXPECT_TRUE(window.m_messages.empty());
}

TEST_F(ProjectList, AFreshStartUsesTheDefaultsAndTheProgramFolder)
{
    CScriptedWindowLayer window;
    CWorkspace workspace(window);
    EXPECT_EQ(workspace.GetStandardPrjPath(), L"c:\\tmcad\\exam\\frame.prj");
    const float defaults[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        EXPECT_EQ(workspace.GetCategoryScore(k), defaults[k]);
    const std::wstring folder = CWorkspace::RunningProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(TMTOOLS::OS::FileExist((folder + L"/app_tests").c_str()));
    workspace.SetProgramFolder(m_dir.WPath());
    EXPECT_EQ(workspace.GetConfigPath(), m_dir.WPath() + L"/config.xml");
    EXPECT_EQ(workspace.GetProjectListPath(), m_dir.WPath() + L"/projectlist.txt");
    workspace.Startup();
    // The default path has no "/": the standard exists but holds nothing.
    ASSERT_TRUE(workspace.GetStandardProject());
    EXPECT_FALSE(workspace.IsStandardLoaded());
    EXPECT_TRUE(window.m_messages.empty());
}

TEST_F(ProjectList, PathsWhoseBytesAreNotUtf8ReadBackToTheSameBytesInBothFiles)
{
    // 张三 in GBK, as a folder copied from a Windows USB stick is named.
    const std::string folder = m_dir.Path() + "/\xd5\xc5\xc8\xfd";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    WriteBytes(folder + "/frame.prj", "");
    WriteBytes(folder + "/standard.prj", "");
    std::wstring student, standard;
    TMTOOLS::String::EncodeUnicode(0, folder + "/frame.prj", student);
    TMTOOLS::String::EncodeUnicode(0, folder + "/standard.prj", standard);
    const std::wstring li = MakeFile(L"李四/frame.prj");
    m_workspace.m_tables[standard] = [](CScoringProject&) {};
    m_workspace.SetStandardPrjPath(standard);
    m_workspace.RebuildStandardProject();
    m_workspace.SetStudentPaths({student, li});
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.WriteProjectList());
    ASSERT_TRUE(m_workspace.WriteScoringStandard(m_workspace.GetConfigPath()));

    // projectlist.txt: that line holds the file system's bytes, the others
    // stay GBK.
    std::string gbkLi;
    TMTOOLS::String::DecodeUnicode(936, li, gbkLi);
    EXPECT_EQ(ReadBytes(Utf8(m_workspace.GetProjectListPath())), folder + "/frame.prj\r\n" + gbkLi + "\r\n");
    // config.xml stays UTF-8: the readable path, and the bytes as %XX.
    const std::string config = ReadBytes(Utf8(m_workspace.GetConfigPath()));
    EXPECT_NE(config.find("标准工程路径字节=\"" + m_dir.Path() + "/%D5%C5%C8%FD/standard.prj\""), std::string::npos)
        << config;
    EXPECT_EQ(RunOutput(std::string(TM_DEBIAN_PYTHON) + " -c \"open('" + Utf8(m_workspace.GetConfigPath()) +
                        "', encoding='utf-8').read(); print('utf-8')\""),
              "utf-8\n");

    CTestWorkspace next(m_window);
    next.SetProgramFolder(m_dir.WPath());
    EXPECT_EQ(next.ReadProjectList(), 0);
    EXPECT_EQ(next.GetStudentPaths(), (std::vector<std::wstring>{student, li}));
    next.m_tables[standard] = [](CScoringProject&) {};
    next.ReadScoringStandard(next.GetConfigPath());
    EXPECT_EQ(next.GetStandardPrjPath(), standard);
}

TEST_F(ProjectList, AFifoInItsPlaceIsRefusedWithAWarningInsteadOfHangingTheStartup)
{
    alarm(60);
    ASSERT_EQ(mkfifo(Utf8(m_workspace.GetProjectListPath()).c_str(), 0600), 0);
    EXPECT_EQ(m_workspace.ReadProjectList(), EINVAL);
    EXPECT_TRUE(m_workspace.GetStudentPaths().empty());
    ASSERT_EQ(m_window.m_messages.size(), 1u);
    alarm(0);
}
