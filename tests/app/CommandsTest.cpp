// The command handlers 182 to 190 (185 and 186 are in ImportTest.cpp),
// driven through the scripted window layer; workbooks are read back with
// xlrd, the class workbook with LibreOffice.
#include <gtest/gtest.h>

#include "tests/app/WorkspaceFixture.h"
#include "tools/TmOS.h"

using namespace tmtest;

namespace {

// The cells of every row of Sheet1, "a|b" per row, rows joined by "\n";
// numbers as Python's repr.
std::string ReadSheet(const std::wstring& path)
{
    std::string script = "import sys, xlrd\n"
                         "s = xlrd.open_workbook(sys.argv[1]).sheet_by_name('Sheet1')\n"
                         "print('\\n'.join('|'.join(str(c.value) for c in s.row(r)) for r in range(s.nrows)))\n";
    CTempDir scratch;
    WriteBytes(scratch.File("read-sheet.py"), script);
    int status = 0;
    std::string out =
        RunOutput(std::string(TM_DEBIAN_PYTHON) + " '" + scratch.File("read-sheet.py") + "' '" + Utf8(path) + "'",
                  &status);
    EXPECT_EQ(status, 0) << Utf8(path);
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

class Commands : public ::testing::Test, public CWorkspaceTest {
protected:
    Commands()
    {
        m_standard = MakeFile(L"标准/frame.prj");
        m_zhang = MakeFile(L"exam/张三/frame.prj");
        m_li = MakeFile(L"exam/李四/frame.prj");
        m_workspace.m_tables[m_standard] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2, true);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"振型组合数", 15, true);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"地下室层数", 1, true);
            AddIntValue(project, TM_CATEGORY_LAYER_INFO, L"结构层1的层高", 3000, false);
        };
        m_workspace.m_tables[m_zhang] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"振型组合数", 15);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"地下室层数", 0);
        };
        m_workspace.m_tables[m_li] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
        };
        m_workspace.SetStandardPrjPath(m_standard);
        m_workspace.RebuildStandardProject();
    }

    void AddStudents(const std::vector<std::wstring>& paths)
    {
        m_workspace.SetStudentPaths(paths);
        m_workspace.RebuildStudentProjects();
        m_window.ClearLog();
    }

    std::wstring m_standard, m_zhang, m_li;
};

}  // namespace

TEST_F(Commands, ScoringSettingsOpensTheSettingsDialog)
{
    EXPECT_TRUE(m_workspace.RunCommand(TM_CMD_SCORING_SETTINGS));
    EXPECT_EQ(m_window.m_settingsDialogs, 1);
    EXPECT_FALSE(m_workspace.RunCommand(181));
}

TEST_F(Commands, ComputeWritesTheTotalsIntoTheListAsShownAndSaysSo)
{
    AddStudents({m_zhang, m_li});
    m_workspace.RunCommand(TM_CMD_COMPUTE);
    // 30 / 3 = 10 per value: 张三 matches two, 李四 one.
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 3), L"20.00");
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(2, 3), L"10.00");
    EXPECT_TRUE(m_window.m_projectGrid.IsItemReadOnly(1, 3));
    EXPECT_EQ(m_window.m_projectGrid.GetItemFormat(2, 3) & 3u, (unsigned)TM_GRID_RIGHT);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 计算完毕!");
    EXPECT_EQ(m_window.m_cursorLog, L"[]");
}

TEST_F(Commands, ComputeAndReportStopOnTheirPreconditions)
{
    m_workspace.RunCommand(TM_CMD_COMPUTE);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 请先导入学生工程!");
    m_window.ClearLog();
    m_workspace.RunCommand(TM_CMD_REPORT);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 请先导入学生工程!");
    EXPECT_EQ(m_window.m_cursorLog, L"[]");

    AddStudents({m_zhang});
    m_workspace.Shutdown();  // deletes the standard project
    m_workspace.RunCommand(TM_CMD_COMPUTE);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 请先设置一个合法的标准工程!");
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 3), L"");
}

TEST_F(Commands, TheReportWritesEveryStudentsWorkbookBesideItsFolderAndReplacesItTheSecondTime)
{
    AddStudents({m_zhang, m_li});
    const std::wstring zhangBook = m_dir.WFile(L"exam/张三.xls");
    WriteBytes(Utf8(zhangBook), "stale");
    m_workspace.RunCommand(TM_CMD_REPORT);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 导出完成，导出数据在各个工程所在文件夹");
    EXPECT_EQ(m_window.m_cursorLog, L"[[]]");
    // The list's totals are not refreshed by the report.
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 3), L"");
    const std::string expected = "评分内容|标准答案|学生答案|标准分值|实际得分\n"
                                 "结构形式|2|2|10.0|10.0\n"
                                 "振型组合数|15|15|10.0|10.0\n"
                                 "地下室层数|1|0|10.0|0.0";
    EXPECT_EQ(ReadSheet(zhangBook), expected);
    EXPECT_EQ(ReadSheet(m_dir.WFile(L"exam/李四.xls")), "评分内容|标准答案|学生答案|标准分值|实际得分\n"
                                                       "结构形式|2|2|10.0|10.0\n"
                                                       "振型组合数|15||10.0|0.0\n"
                                                       "地下室层数|1||10.0|0.0");
    m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"地下室层数")->m_selected = false;
    m_workspace.RunCommand(TM_CMD_REPORT);
    EXPECT_EQ(ReadSheet(zhangBook), "评分内容|标准答案|学生答案|标准分值|实际得分\n"
                                    "结构形式|2|2|15.0|15.0\n"
                                    "振型组合数|15|15|15.0|15.0");
}

TEST_F(Commands, TheReportCountsAndNamesTheWorkbooksItCouldNotWrite)
{
    AddStudents({m_zhang, m_li});
    // A folder where 李四's workbook belongs: the file cannot replace it.
    TMTOOLS::OS::mkdir_r(m_dir.WFile(L"exam/李四.xls").c_str());
    EXPECT_FALSE(m_workspace.GenerateReports());
    EXPECT_EQ(m_window.MessageLog(), L"警告: 导出完成，导出数据在各个工程所在文件夹\n"
                                     L"其中 1 个工程的评分报告未能写入：\n" + m_li);
    EXPECT_TRUE(TMTOOLS::OS::FileExist(m_dir.WFile(L"exam/张三.xls").c_str()));
}

TEST_F(Commands, AStoppedReportEndsBetweenWorkbooksAndSaysNothing)
{
    AddStudents({m_zhang, m_li});
    m_window.m_cancelAfter = 1;  // stopped once the first workbook is written
    EXPECT_FALSE(m_workspace.GenerateReports());
    EXPECT_TRUE(TMTOOLS::OS::FileExist(m_dir.WFile(L"exam/张三.xls").c_str()));
    EXPECT_FALSE(TMTOOLS::OS::FileExist(m_dir.WFile(L"exam/李四.xls").c_str()));
    EXPECT_EQ(m_window.MessageLog(), L"");
    EXPECT_EQ(m_window.m_cursorLog, L"[[]]");  // as after a whole report
}

TEST_F(Commands, TheSummaryListsFolderNamesAndTheTotalsAsShown)
{
    AddStudents({m_zhang, m_li});
    m_workspace.RunCommand(TM_CMD_COMPUTE);
    m_window.ClearLog();
    const std::wstring path = m_dir.WFile(L"汇总");
    m_window.QueueSave(path);
    m_workspace.RunCommand(TM_CMD_EXPORT_SUMMARY);

    ASSERT_EQ(m_window.m_dialogs.size(), 1u);
    const CFileDialogRequest& request = m_window.m_dialogs[0].request;
    EXPECT_TRUE(m_window.m_dialogs[0].save);
    EXPECT_EQ(request.m_filter, L"*.xls|*.xls|All Files (*.*)|*.*||");
    EXPECT_EQ(request.m_initialName, L"评分汇总.xls");
    EXPECT_EQ(request.m_bufferSize, 500);
    // No "." anywhere in the chosen path: ".xls" is added.
    EXPECT_FALSE(TMTOOLS::OS::FileExist(path.c_str()));
    EXPECT_EQ(m_window.MessageLog(), L"提示: 导出 " + path + L".xls 成功");
    EXPECT_EQ(ReadSheet(path + L".xls"), "工程|总分\n张三|20.00\n李四|10.00");
}

TEST_F(Commands, TheSummaryBeforeAnyComputationAndWithoutStudents)
{
    AddStudents({m_zhang});
    // A "." in a folder name counts: no extension is added.
    TMTOOLS::OS::mkdir_r(m_dir.WFile(L"out.old").c_str());
    const std::wstring path = m_dir.WFile(L"out.old/result");
    m_window.QueueSave(path);
    m_workspace.ExportSummaryWorkbook();
    EXPECT_EQ(ReadSheet(path), "工程|总分\n张三|");

    AddStudents({});
    m_window.QueueSave(path);
    m_workspace.ExportSummaryWorkbook();
    EXPECT_EQ(ReadSheet(path), "工程|总分");

    m_workspace.ExportSummaryWorkbook();  // cancelled
    EXPECT_EQ(m_window.MessageLog(), L"提示: 导出 " + path + L" 成功");
}

TEST_F(Commands, ASummaryThatCannotBeSavedSaysNothing)
{
    AddStudents({m_zhang});
    m_window.QueueSave(m_dir.WFile(L"no/such/folder/x.xls"));
    m_workspace.ExportSummaryWorkbook();
    EXPECT_TRUE(m_window.m_messages.empty());
}

TEST_F(Commands, ExportAndImportOfTheStandardGoThroughTheirDialogs)
{
    m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"振型组合数")->m_selected = false;
    m_workspace.GetStandardProject()->m_genInfoItem.m_fullScore = 12.5f;
    const std::wstring file = m_dir.WFile(L"评分标准");
    m_window.QueueSave(file);
    m_workspace.RunCommand(TM_CMD_EXPORT_STANDARD);
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 导出完成!");
    ASSERT_TRUE(TMTOOLS::OS::FileExist((file + L".xml").c_str()));
    const CFileDialogRequest& save = m_window.m_dialogs[0].request;
    EXPECT_EQ(save.m_filter, L"*.xml|*.xml|All Files (*.*)|*.*||");
    EXPECT_EQ(save.m_title, L"请选择要导出的评分标准文件");
    EXPECT_EQ(save.m_initialName, L"Tesmo评分标准.xml");
    EXPECT_EQ(save.m_bufferSize, 500);

    // Change everything, then import the file back.
    m_workspace.SetCategoryScore(0, 99.0f);
    m_workspace.RebuildStandardProject();
    m_window.ClearLog();
    m_window.QueueOpen({file});
    m_workspace.RunCommand(TM_CMD_IMPORT_STANDARD);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 评分标准 " + file + L".xml 的六项分值之和是 82.5，不是 100。\n"
                                     L"Tesmo评分系统: 导入完成!");
    const CFileDialogRequest& open = m_window.m_dialogs[0].request;
    EXPECT_FALSE(m_window.m_dialogs[0].save);
    EXPECT_FALSE(open.m_multiple);
    EXPECT_EQ(open.m_title, L"请选择要导入的评分标准文件");
    EXPECT_EQ(open.m_initialName, L"Tesmo评分标准.xml");
    EXPECT_EQ(m_workspace.GetCategoryScore(0), 12.5f);
    EXPECT_TRUE(m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"结构形式")->m_selected);
    EXPECT_FALSE(m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"振型组合数")->m_selected);
}

TEST_F(Commands, ImportingAnUnreadableStandardKeepsTheValuesReloadsAndStillSaysDone)
{
    const std::wstring broken = MakeFile(L"broken.xml", "not xml at all");
    m_workspace.SetCategoryScore(0, 40.0f);
    const int loads = m_workspace.m_loads[m_standard];
    m_window.QueueOpen({broken});
    m_workspace.ImportScoringStandard();
    EXPECT_EQ(m_workspace.m_loads[m_standard], loads + 1);
    EXPECT_EQ(m_workspace.GetStandardProject()->m_genInfoItem.m_fullScore, 40.0f);
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 导入完成!");

    m_window.ClearLog();
    m_workspace.ImportScoringStandard();  // cancelled
    m_workspace.ExportScoringStandard();  // cancelled
    EXPECT_TRUE(m_window.m_messages.empty());
}

TEST_F(Commands, AStandardThatCannotGradeRefusesTheCommandsThatComputeOrWriteWorkbooks)
{
    AddStudents({m_zhang});
    for (const auto& value : m_workspace.GetStandardProject()->m_genInfoItem.GetValues())
        value->m_selected = false;
    const std::wstring refused = L"提示: 标准工程 " + m_standard + L" 没有选中任何有分值的评分项，不能评分!";
    for (int command : {TM_CMD_COMPUTE, TM_CMD_EXPORT_SUMMARY, TM_CMD_REPORT, TM_CMD_EXPORT_DETAILS}) {
        m_window.ClearLog();
        m_workspace.RunCommand(command);
        EXPECT_EQ(m_window.MessageLog(), refused) << command;
        EXPECT_TRUE(m_window.m_dialogs.empty()) << command;
    }
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 3), L"");
    EXPECT_FALSE(TMTOOLS::OS::FileExist(m_dir.WFile(L"exam/张三.xls").c_str()));

    // A standard that is gone says so; so does start-up, once, for a
    // standard that selects nothing (a failed load has its own message).
    m_workspace.SetStandardPrjPath(m_dir.WFile(L"gone/frame.prj"));
    m_workspace.RebuildStandardProject();
    m_window.ClearLog();
    m_workspace.RunCommand(TM_CMD_COMPUTE);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 标准工程 " + m_dir.WFile(L"gone/frame.prj") + L" 不存在，不能评分!");
    MakeFile(L"config.xml", "<标准工程信息 标准工程路径=\"" + Utf8(m_standard) +
                                "\"><总信息 结构形式=\"0\" 振型组合数=\"0\" 地下室层数=\"0\"/></标准工程信息>");
    m_window.ClearLog();
    m_workspace.Startup();
    EXPECT_EQ(m_window.MessageLog(), refused);
}

TEST_F(Commands, TheClassWorkbookHoldsEveryStudentAndTheClassFigures)
{
    TM_REQUIRE_SOFFICE();
    AddStudents({m_zhang, m_li});
    const std::wstring path = m_dir.WFile(L"明细");
    m_window.QueueSave(path);
    EXPECT_TRUE(m_workspace.RunCommand(TM_CMD_EXPORT_DETAILS));
    ASSERT_EQ(m_window.m_dialogs.size(), 1u);
    EXPECT_EQ(m_window.m_dialogs[0].request.m_filter, L"*.xlsx|*.xlsx|All Files (*.*)|*.*||");
    EXPECT_EQ(m_window.m_dialogs[0].request.m_initialName, L"评分明细.xlsx");
    EXPECT_EQ(m_window.MessageLog(), L"提示: 导出 " + path + L".xlsx 成功");
    // It computed: the list shows the totals the workbook holds.
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 3), L"20.00");

    const std::string sheets = SheetsAsCsv(Utf8(path) + ".xlsx");
    EXPECT_EQ(sheets.substr(0, sheets.find("统计\n")),
              "评分明细\n"
              "工程,状态,总信息,各层信息,结构模型与荷载,计算结果,施工图,钢筋算量接口,总分,说明\n"
              "张三,读入成功,20.00,0.00,0.00,0.00,0.00,0.00,20.00,\n"
              "李四,读入成功,10.00,0.00,0.00,0.00,0.00,0.00,10.00,\n");
    for (const char* line : {"总信息,15.00,15.00,10.00,20.00\n", "总分,15.00,15.00,10.00,20.00\n", "统计人数,2,",
                             "总分分段,人数,", "0-10,0,", "10-20,1,", "20-30,1,", "90-100,0,"})
        EXPECT_NE(sheets.find(line), std::string::npos) << line << "\n" << sheets;

    // The header stays in view and filters; the widest header has room.
    const std::string xml = RunOutput("unzip -p '" + Utf8(path) + ".xlsx' xl/worksheets/sheet1.xml");
    EXPECT_NE(xml.find("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<autoFilter ref=\"A1:J3\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<col min=\"5\" max=\"5\" width=\"17."), std::string::npos) << xml.substr(0, 800);
    // The chart counts the ten bands.
    const std::string chart = RunOutput("unzip -p '" + Utf8(path) + ".xlsx' xl/charts/chart1.xml");
    EXPECT_NE(chart.find("<c:f>'统计'!$B$12:$B$21</c:f>"), std::string::npos) << chart;
}

