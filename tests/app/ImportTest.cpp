// "添加学生工程" and "删除学生工程" through the scripted window layer, over
// archives made by zip.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/app/ImportFixture.h"
#include "tools/TmOS.h"

using namespace tmtest;

TEST_F(Import, AnArchiveIsUnpackedBesideItselfAndItsTopLevelProjectIsListed)
{
    const std::wstring archive = MakeArchive(L"张三", {{"frame.prj", "model"}, {"frame_结构信息.txt", "r"}});
    const std::wstring project = m_exam + L"/张三/frame.prj";
    Loads(project);
    m_window.QueueOpen({archive});
    m_workspace.RunCommand(TM_CMD_ADD_STUDENTS);

    ASSERT_EQ(m_window.m_dialogs.size(), 1u);
    const CFileDialogRequest& request = m_window.m_dialogs[0].request;
    EXPECT_FALSE(m_window.m_dialogs[0].save);
    EXPECT_EQ(request.m_filter, L"*.zip;*.rar;*.7z|*.zip;*.rar;*.7z||");
    EXPECT_EQ(request.m_title, L"请选择要导入的学生工程（可多选）");
    EXPECT_EQ(request.m_bufferSize, 130000);
    EXPECT_TRUE(request.m_multiple);

    EXPECT_EQ(ReadBytes(Utf8(project)), "model");
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/frame_结构信息.txt")), "r");
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{project});
    ASSERT_EQ(m_workspace.GetStudentProjects().size(), 1u);
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 1), project);
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 2), L"读入成功");
    EXPECT_EQ(m_window.m_cursorLog, L"[]");
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 导入完成!");
}

TEST_F(Import, DroppedArchivesAndProjectsAreAddedInOrderInOneRebuild)
{
    const std::wstring archive = MakeArchive(L"张三", {{"frame.prj", "model"}});
    const std::wstring unpacked = m_exam + L"/张三/frame.prj";
    const std::wstring byHand = MakeFile(L"own/李四.prj", "model");
    Loads(unpacked);
    Loads(byHand);
    m_workspace.ImportStudentFiles({byHand, archive});

    EXPECT_TRUE(m_window.m_dialogs.empty());
    EXPECT_EQ(m_workspace.GetStudentPaths(), (std::vector<std::wstring>{byHand, unpacked}));
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 1), byHand);
    EXPECT_EQ(m_workspace.m_loads[byHand], 1);
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 导入完成!");
}

TEST_F(Import, AStoppedImportListsWhatItAddedUnreadAndNamesTheFailuresMetBeforeTheStop)
{
    const std::wstring notes = MakeFile(L"exam/notes.txt", "n");
    const std::wstring zhang = MakeArchive(L"张三", {{"frame.prj", "m"}});
    const std::wstring li = MakeArchive(L"李四", {{"frame.prj", "m"}});
    Loads(m_exam + L"/张三/frame.prj");
    m_window.m_cancelAfter = 2;  // stopped before the third input
    m_workspace.ImportStudentFiles({notes, zhang, li});
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 2), L"未读入");
    EXPECT_FALSE(Exists(m_exam + L"/李四"));
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 导入已停止!\n其中 1 个文件没有导入工程：\n" + notes +
                                         L"：不是学生工程压缩包或 .prj 文件");
}

TEST_F(Import, CancelOrAnEmptyChoiceImportsNothing)
{
    m_workspace.ImportStudentProjects();
    EXPECT_TRUE(m_window.m_messages.empty());
    m_window.QueueOpen({});
    m_workspace.ImportStudentProjects();
    EXPECT_TRUE(m_window.m_messages.empty());
    EXPECT_EQ(m_window.m_dialogs.size(), 2u);
}

TEST_F(Import, AnArchiveOfOneProjectFolderIsUnpackedWithoutThatFolder)
{
    // The way most students zip their work; the folder's file wins over a
    // top-level one of the same name.
    const std::wstring one = MakeArchive(
        L"张三", {{"readme.txt", "top"}, {"work/frame.prj", "m"}, {"work/readme.txt", "inner"}, {"work/work/x", "x"}});
    // With two such folders nobody can tell which one counts.
    const std::wstring two = MakeArchive(L"李四", {{"a/frame.prj", "m"}, {"b/frame.prj", "m"}});
    Loads(m_exam + L"/张三/frame.prj");
    m_window.QueueOpen({one, two});
    m_workspace.ImportStudentProjects();
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_exam + L"/张三/frame.prj"});
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/readme.txt")), "inner");
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/work/x")), "x");
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 导入完成!\n其中 1 个文件没有导入工程：\n" + two +
                                         L"：有 2 个文件夹含 .prj 工程文件");
}

TEST_F(Import, OfTwoProjectFilesTheFirstByNameIsTaken)
{
    const std::wstring archive =
        MakeArchive(L"张三", {{"b.prj", "b"}, {"A.PRJ", "a"}, {".prj", "x"}, {"c.prj.bak", "c"}, {"0.prj/x", "d"}});
    m_window.QueueOpen({archive});
    m_workspace.ImportStudentProjects();
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_exam + L"/张三/A.PRJ"});
}

TEST_F(Import, MoreThan500ArchivesAreCutTo500AfterAWarning)
{
    const std::wstring first = MakeArchive(L"s0", {{"frame.prj", "m"}});
    std::vector<std::wstring> chosen;
    for (int i = 0; i < 501; ++i) {
        std::wstring path = m_exam + L"/s" + std::to_wstring(i) + L".zip";
        if (i > 0)
            WriteBytes(Utf8(path), ReadBytes(Utf8(first)));
        chosen.push_back(path);
    }
    for (int i = 0; i < 501; ++i)
        m_workspace.m_tables[m_exam + L"/s" + std::to_wstring(i) + L"/frame.prj"] = [](CScoringProject&) {};
    m_window.QueueOpen(chosen);
    m_workspace.ImportStudentProjects();
    EXPECT_EQ(m_window.MessageLog(), L"警告: 最多只能同时选500个文件\nTesmo评分系统: 导入完成!");
    ASSERT_EQ(m_workspace.GetStudentPaths().size(), 500u);
    EXPECT_EQ(m_workspace.GetStudentPaths().back(), m_exam + L"/s499/frame.prj");
    EXPECT_FALSE(Exists(m_exam + L"/s500"));
}

TEST_F(Import, AMissingArchiveIsReportedAndAnEarlierDestinationStillCounts)
{
    const std::wstring project = m_dir.WFile(L"exam/张三/frame.prj");
    MakeFile(L"exam/张三/frame.prj");
    Loads(project);
    m_window.QueueOpen({m_exam + L"/张三.zip", m_exam + L"/李四.zip", L"exam/relative.zip"});
    m_workspace.ImportStudentProjects();
    EXPECT_EQ(m_window.MessageLog(), L"提示: 压缩文件 " + m_exam + L"/张三.zip 不存在\n提示: 压缩文件 " + m_exam +
                                         L"/李四.zip 不存在\nTesmo评分系统: 导入完成!\n其中 2 个文件没有导入工程：\n" +
                                         m_exam + L"/李四.zip：压缩文件不存在\nexam/relative.zip：路径不完整");
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{project});
}

TEST_F(Import, AnExistingDestinationIsReplacedWholeOnlyAfterYesAndIsListedTwice)
{
    const std::wstring archive = MakeArchive(L"张三", {{"frame.prj", "new"}});
    const std::wstring project = MakeFile(L"exam/张三/frame.prj", "old");
    MakeFile(L"exam/张三/own.txt", "own");
    Loads(project);
    m_workspace.SetStudentPaths({project});

    m_window.QueueOpen({archive});
    m_window.QueueAnswer(CWindowLayer::TM_ID_NO);
    m_workspace.ImportStudentProjects();
    ASSERT_EQ(m_window.m_messages.size(), 2u);
    EXPECT_EQ(m_window.m_messages[0].text, L"工程 " + m_exam + L"/张三 已存在，要覆盖吗？");
    EXPECT_EQ(m_window.m_messages[0].caption, L"提示");
    EXPECT_EQ(m_window.m_messages[0].buttons, CWindowLayer::TM_MB_YESNO);
    EXPECT_EQ(ReadBytes(Utf8(project)), "old");
    EXPECT_EQ(m_workspace.GetStudentPaths(), (std::vector<std::wstring>{project, project}));
    EXPECT_EQ(m_window.m_projectGrid.GetRowCount(), 3);

    // "覆盖" replaces the folder: nothing of the earlier hand-in stays to
    // earn points, and no scratch folder or lock file is left beside it.
    m_window.QueueOpen({archive});
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_workspace.ImportStudentProjects();
    EXPECT_EQ(ReadBytes(Utf8(project)), "new");
    EXPECT_FALSE(Exists(m_exam + L"/张三/own.txt"));
    EXPECT_EQ(ExamListing(), "张三\n张三.zip\n");
    EXPECT_EQ(m_window.m_unansweredQuestions, 0);
}

TEST_F(Import, ReadOnlyEntriesAreWritableAfterUnpacking)
{
    CTempDir source;
    WriteBytes(source.File("frame.prj"), "m");
    chmod(source.File("frame.prj").c_str(), 0444);
    const std::wstring archive = m_exam + L"/张三.zip";
    ASSERT_EQ(tmtest::Run("cd '" + source.Path() + "' && zip -q '" + Utf8(archive) + "' frame.prj"), 0);
    m_window.QueueOpen({archive});
    m_workspace.ImportStudentProjects();
    struct stat st;
    ASSERT_EQ(stat(Utf8(m_exam + L"/张三/frame.prj").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
}

TEST_F(Import, EntriesRefusedForTheirNamesAreNotWrittenButNamedInOneWarning)
{
    const std::wstring archive = m_exam + L"/张三.zip";
    ASSERT_EQ(tmtest::Run("/usr/bin/python3 -c \"import zipfile; z = zipfile.ZipFile('" + Utf8(archive) +
                          "', 'w'); [z.writestr(n, 'x') for n in ['../evil.txt', 'frame.prj', '/abs.txt', "
                          "'n' * 300, 'after.txt']]; z.close()\""),
              0);
    const std::wstring project = m_exam + L"/张三/frame.prj";
    Loads(project);
    m_window.QueueOpen({archive});
    m_workspace.ImportStudentProjects();
    EXPECT_FALSE(Exists(m_exam + L"/evil.txt"));
    // A name too long to show does not stop the entries after it.
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/after.txt")), "x");
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{project});
    EXPECT_EQ(m_window.MessageLog(), L"警告: 压缩文件 " + archive + L" 中有 3 个文件的名称或类型不安全，未解压：\n"
                                     L"../evil.txt\n/abs.txt\n(第 4 项，名称过长或无效)\n"
                                     L"Tesmo评分系统: 导入完成!");
}

TEST_F(Import, AnArchiveNamedOnlyZipIsNotUnpackedIntoItsOwnFolder)
{
    const std::wstring archive = MakeArchive(L"", {{"frame.prj", "m"}});
    m_window.QueueOpen({archive});
    m_workspace.ImportStudentProjects();
    EXPECT_FALSE(Exists(m_exam + L"/frame.prj"));
    EXPECT_TRUE(m_workspace.GetStudentPaths().empty());
}

namespace {

class Removal : public Import {
protected:
    // Imports 张三 and 李四 from archives.
    void ImportTwo()
    {
        m_zhang = m_exam + L"/张三/frame.prj";
        m_li = m_exam + L"/李四/frame.prj";
        Loads(m_zhang);
        Loads(m_li);
        m_window.QueueOpen({MakeArchive(L"张三", {{"frame.prj", "m"}, {"sub/x.txt", "x"}}),
                            MakeArchive(L"李四", {{"frame.prj", "m"}})});
        m_workspace.ImportStudentProjects();
        ASSERT_EQ(m_workspace.GetStudentPaths().size(), 2u);
        m_window.ClearLog();
    }

    std::wstring m_zhang;
    std::wstring m_li;
};

}  // namespace

TEST_F(Removal, WithoutASelectionNothingIsRemoved)
{
    ImportTwo();
    m_window.m_projectGrid.SetItemSelected(0, 1, true);  // the header
    m_workspace.RunCommand(TM_CMD_REMOVE_STUDENTS);
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 请先选择要删除的工程");
    EXPECT_EQ(m_workspace.GetStudentPaths().size(), 2u);
}

TEST_F(Removal, AnsweringNoChangesNothing)
{
    ImportTwo();
    m_window.m_projectGrid.SetItemSelected(1, 2, true);
    m_window.QueueAnswer(CWindowLayer::TM_ID_NO);
    m_workspace.RemoveStudentProjects();
    ASSERT_EQ(m_window.m_messages.size(), 1u);
    EXPECT_EQ(m_window.m_messages[0].text, L"你确定要删除选中的工程吗?");
    EXPECT_EQ(m_window.m_messages[0].caption, L"警告");
    EXPECT_EQ(m_window.m_messages[0].buttons, CWindowLayer::TM_MB_YESNO);
    EXPECT_TRUE(Exists(m_exam + L"/张三"));
    EXPECT_EQ(m_workspace.GetStudentPaths().size(), 2u);
}

TEST_F(Removal, YesDeletesTheImportedFolderKeepsTheArchiveAndRebuildsTheList)
{
    ImportTwo();
    m_window.m_projectGrid.SetItemSelected(1, 1, true);
    m_window.m_projectGrid.SetItemSelected(1, 2, true);
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_workspace.RemoveStudentProjects();
    EXPECT_FALSE(Exists(m_exam + L"/张三"));
    EXPECT_TRUE(Exists(m_exam + L"/张三.zip"));
    EXPECT_TRUE(Exists(m_exam + L"/李四/frame.prj"));
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_li});
    EXPECT_EQ(m_window.m_projectGrid.GetRowCount(), 2);
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 1), m_li);
}

TEST_F(Removal, AProjectListedTwiceLosesOneEntryPerSelectedRow)
{
    ImportTwo();
    m_workspace.SetStudentPaths({m_zhang, m_li, m_zhang});
    m_workspace.RebuildStudentProjects();
    m_window.m_projectGrid.SetItemSelected(3, 0, true);
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_workspace.RemoveStudentProjects();
    EXPECT_FALSE(Exists(m_exam + L"/张三"));
    EXPECT_EQ(m_workspace.GetStudentPaths(), (std::vector<std::wstring>{m_li, m_zhang}));

    m_window.m_projectGrid.ClearSelection();
    m_window.m_projectGrid.SetItemSelected(2, 1, true);
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_workspace.RemoveStudentProjects();
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_li});
}

TEST_F(Removal, AProjectAddedByHandLeavesTheListButItsFolderStays)
{
    // A .prj in the teacher's own folder, never imported from an archive.
    const std::wstring own = MakeFile(L"teacher/frame.prj", "mine");
    MakeFile(L"teacher/notes.txt", "keep");
    Loads(own);
    m_workspace.SetStudentPaths({own});
    m_workspace.RebuildStudentProjects();
    m_window.m_projectGrid.SetItemSelected(1, 1, true);
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_workspace.RemoveStudentProjects();
    EXPECT_EQ(ReadBytes(Utf8(m_dir.WFile(L"teacher/notes.txt"))), "keep");
    EXPECT_EQ(ReadBytes(Utf8(own)), "mine");
    EXPECT_TRUE(m_workspace.GetStudentPaths().empty());
}

TEST_F(Removal, PathsDifferingOnlyInLetterCaseAreDifferentProjects)
{
    const std::wstring upper = MakeFile(L"exam/A/frame.prj");
    const std::wstring lower = MakeFile(L"exam/a/frame.prj");
    Loads(upper);
    Loads(lower);
    m_workspace.SetStudentPaths({upper, lower});
    m_workspace.RebuildStudentProjects();
    m_window.m_projectGrid.SetItemSelected(2, 1, true);
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_workspace.RemoveStudentProjects();
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{upper});
}
