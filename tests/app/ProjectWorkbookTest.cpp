// The per-project score workbook, computed from projects built in code and
// read back with xlrd.
#include "app/ProjectWorkbook.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "scoring/ScoreComputation.h"
#include "scoring/ScoreSheet.h"
#include "scoring/ScoringProject.h"
#include "tests/support/TestFiles.h"
#include "tests/xls/XlsReadBack.h"

namespace {

using tmtest::CReadSheet;

const float kScores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};

CTmData* Selected(CTmData* value)
{
    value->m_selected = true;
    return value;
}

class ProjectWorkbookTest : public ::testing::Test {
protected:
    ProjectWorkbookTest()
    {
        EXPECT_TRUE(m_standard.SetProjectPath(m_dir.WFile(L"标准/std.prj"), kScores));
        m_students.push_back(std::make_unique<CScoringProject>());
        m_student = m_students.back().get();
        EXPECT_TRUE(m_student->SetProjectPath(m_dir.WFile(L"张三/frame.prj"), kScores));
        EXPECT_EQ(0, tmtest::Run("mkdir '" + m_dir.File("张三") + "'"));
    }

    // The standard: three selected values of "总信息" (one unselected
    // between them), one of "计算结果", one of "施工图".
    void FillStandard()
    {
        m_standard.m_genInfoItem.AddValue(Selected(new CTmIntData(L"结构计算总层数", TM_GROUP_GENERAL, 5)));
        m_standard.m_genInfoItem.AddValue(new CTmIntData(L"未选的值", TM_GROUP_GENERAL, 1));
        m_standard.m_genInfoItem.AddValue(Selected(new CTmFloatData(L"周期折减系数", TM_GROUP_GENERAL, 0.8f)));
        m_standard.m_genInfoItem.AddValue(Selected(new CTmStringData(L"结构体系", TM_GROUP_GENERAL, L"框架结构")));
        m_standard.m_calcResultItem.AddValue(Selected(
            new CTmFloatData(L"第1周期", TM_GROUP_RESULT, 1.25f, true, TM_RESULT_FLOAT_TOLERANCE)));
        m_standard.m_workDrawingItem.AddValue(Selected(new CTmStringData(L"施工图", TM_GROUP_RESULT, L"完成")));
    }

    // Student index's entry of the score sheet, with its rows as they stand.
    CScoreSheetEntry Entry(size_t index = 0)
    {
        CScoreSheet sheet;
        sheet.ListStudents(m_students, std::vector<char>(m_students.size(), 1));
        sheet.TakeRows(m_standard, *m_students[index], index);
        return sheet.m_entries[index];
    }

    std::vector<CReadSheet> WriteAndRead()
    {
        EXPECT_TRUE(WriteProjectWorkbook(Entry()));
        std::vector<CReadSheet> sheets;
        EXPECT_EQ("", tmtest::ReadCellsBack(m_dir.File("张三.xls"), sheets));
        return sheets;
    }

    static void ExpectHeader(const CReadSheet& sheet)
    {
        const wchar_t* header[] = {L"评分内容", L"标准答案", L"学生答案", L"标准分值", L"实际得分"};
        for (int c = 0; c < 5; ++c) {
            auto found = sheet.cells.find({0, c});
            ASSERT_NE(sheet.cells.end(), found);
            EXPECT_TRUE(found->second.isText);
            EXPECT_EQ(header[c], found->second.text);
        }
    }

    static std::wstring Text(const CReadSheet& sheet, int row, int column)
    {
        auto found = sheet.cells.find({row, column});
        return found == sheet.cells.end() || !found->second.isText ? L"<none>" : found->second.text;
    }

    static double Number(const CReadSheet& sheet, int row, int column)
    {
        auto found = sheet.cells.find({row, column});
        return found == sheet.cells.end() || found->second.isText ? -999 : found->second.number;
    }

    tmtest::CTempDir m_dir;
    CScoringProject m_standard;
    CScoringProjectList m_students;
    CScoringProject* m_student;
};

TEST_F(ProjectWorkbookTest, OneRowPerSelectedValueInCategoryOrderBesideTheFolder)
{
    FillStandard();
    m_student->m_genInfoItem.AddValue(new CTmIntData(L"结构计算总层数", TM_GROUP_GENERAL, 5));
    m_student->m_genInfoItem.AddValue(new CTmFloatData(L"周期折减系数", TM_GROUP_GENERAL, 0.7f));
    m_student->m_genInfoItem.AddValue(new CTmStringData(L"结构体系", TM_GROUP_GENERAL, L"框架结构"));
    // Within 10% of the standard: matched, but shown as it is.
    m_student->m_calcResultItem.AddValue(
        new CTmFloatData(L"第1周期", TM_GROUP_RESULT, 1.3f, true, TM_RESULT_FLOAT_TOLERANCE));
    ASSERT_TRUE(ComputeScores(&m_standard, m_students, nullptr));

    EXPECT_EQ(m_dir.WFile(L"张三.xls"), ProjectWorkbookPath(Entry()));
    std::vector<CReadSheet> sheets = WriteAndRead();
    ASSERT_EQ(1u, sheets.size());
    const CReadSheet& sheet = sheets[0];
    EXPECT_EQ(L"Sheet1", sheet.name);
    EXPECT_EQ(6, sheet.rows);
    ExpectHeader(sheet);

    // 30 shared by three values: 10 each.
    EXPECT_EQ(L"结构计算总层数", Text(sheet, 1, 0));
    EXPECT_EQ(L"5", Text(sheet, 1, 1));
    EXPECT_EQ(L"5", Text(sheet, 1, 2));
    EXPECT_EQ(10.0, Number(sheet, 1, 3));
    EXPECT_EQ(10.0, Number(sheet, 1, 4));
    EXPECT_EQ(L"周期折减系数", Text(sheet, 2, 0));
    EXPECT_EQ(L"0.8", Text(sheet, 2, 1));
    EXPECT_EQ(L"0.7", Text(sheet, 2, 2));
    EXPECT_EQ(0.0, Number(sheet, 2, 4));
    EXPECT_EQ(L"结构体系", Text(sheet, 3, 0));
    EXPECT_EQ(L"框架结构", Text(sheet, 3, 2));
    EXPECT_EQ(L"第1周期", Text(sheet, 4, 0));
    EXPECT_EQ(L"1.25", Text(sheet, 4, 1));
    EXPECT_EQ(L"1.3", Text(sheet, 4, 2));
    EXPECT_EQ(20.0, Number(sheet, 4, 3));
    EXPECT_EQ(Number(sheet, 4, 3), Number(sheet, 4, 4));
    // The student has no "施工图" value: no answer, nothing earned.
    EXPECT_EQ(L"施工图", Text(sheet, 5, 0));
    EXPECT_EQ(L"完成", Text(sheet, 5, 1));
    EXPECT_EQ(L"<none>", Text(sheet, 5, 2));
    EXPECT_EQ(0.0, Number(sheet, 5, 3)) << "category worth 0";
    EXPECT_EQ(0.0, Number(sheet, 5, 4));
    EXPECT_EQ(5u * 6 - 1, sheet.cells.size());
}

TEST_F(ProjectWorkbookTest, ScoresAreTheFloatSharesWidened)
{
    for (int i = 0; i < 7; ++i) {
        std::wstring name = L"层高" + std::to_wstring(i);
        m_standard.m_layerInfoItem.AddValue(Selected(new CTmFloatData(name, TM_GROUP_FLOOR, 3.0f)));
        m_student->m_layerInfoItem.AddValue(new CTmFloatData(name, TM_GROUP_FLOOR, 3.0f));
    }
    ASSERT_TRUE(ComputeScores(&m_standard, m_students, nullptr));
    std::vector<CReadSheet> sheets = WriteAndRead();
    ASSERT_EQ(1u, sheets.size());
    // 30 / 7 in float is 4.2857141..., not the double 4.285714285714286.
    EXPECT_EQ((double)(30.0f / 7.0f), Number(sheets[0], 1, 3));
    EXPECT_EQ((double)(30.0f / 7.0f), Number(sheets[0], 7, 4));
}

TEST_F(ProjectWorkbookTest, StandardWithoutSelectedValuesGivesTheHeaderOnly)
{
    m_standard.m_genInfoItem.AddValue(new CTmIntData(L"结构计算总层数", TM_GROUP_GENERAL, 5));
    std::vector<CReadSheet> sheets = WriteAndRead();
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(1, sheets[0].rows);
    EXPECT_EQ(5u, sheets[0].cells.size());
    ExpectHeader(sheets[0]);
}

TEST_F(ProjectWorkbookTest, StudentThatFailedToLoadGetsEmptyAnswersAndZeros)
{
    FillStandard();
    m_student->m_loadStatus = TM_LOAD_FAILED;
    ASSERT_TRUE(ComputeScores(&m_standard, m_students, nullptr));
    std::vector<CReadSheet> sheets = WriteAndRead();
    ASSERT_EQ(1u, sheets.size());
    ASSERT_EQ(6, sheets[0].rows);
    for (int row = 1; row < 6; ++row) {
        EXPECT_EQ(L"<none>", Text(sheets[0], row, 2));
        EXPECT_EQ(0.0, Number(sheets[0], row, 4));
    }
}

TEST_F(ProjectWorkbookTest, WritingTheReportAgainReplacesTheFile)
{
    FillStandard();
    m_student->m_genInfoItem.AddValue(new CTmIntData(L"结构计算总层数", TM_GROUP_GENERAL, 4));
    ASSERT_TRUE(ComputeScores(&m_standard, m_students, nullptr));
    ASSERT_TRUE(WriteProjectWorkbook(Entry()));

    static_cast<CTmIntData*>(m_student->m_genInfoItem.FindValue(L"结构计算总层数"))->m_value = 5;
    ASSERT_TRUE(ComputeScores(&m_standard, m_students, nullptr));
    std::vector<CReadSheet> sheets = WriteAndRead();
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(L"5", Text(sheets[0], 1, 2));
    EXPECT_EQ(10.0, Number(sheets[0], 1, 4));
    EXPECT_EQ("张三\n张三.xls\n", tmtest::RunOutput("ls -A '" + m_dir.Path() + "'"));
}

TEST_F(ProjectWorkbookTest, FailedReportKeepsTheEarlierWorkbook)
{
    for (int i = 0; i < 2000; ++i) {
        m_standard.m_calcResultItem.AddValue(
            Selected(new CTmFloatData(L"结果" + std::to_wstring(i), TM_GROUP_RESULT, i * 0.37f)));
    }
    ASSERT_TRUE(WriteProjectWorkbook(Entry()));
    std::string good = tmtest::FileBytes(m_dir.File("张三.xls"));
    ASSERT_GT(good.size(), 20000u);

    struct rlimit saved;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    struct rlimit limited = saved;
    limited.rlim_cur = 20000;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &limited));
    bool written = WriteProjectWorkbook(Entry());
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_TRUE(tmtest::FileBytes(m_dir.File("张三.xls")) == good);
}

TEST_F(ProjectWorkbookTest, ProjectWithoutAPathGetsNoWorkbook)
{
    FillStandard();
    m_students.push_back(std::make_unique<CScoringProject>());
    EXPECT_FALSE(WriteProjectWorkbook(Entry(1)));
    EXPECT_EQ("张三\n", tmtest::RunOutput("ls -A '" + m_dir.Path() + "'"));
}

TEST_F(ProjectWorkbookTest, LibreOfficeOpensAProjectWorkbook)
{
    TM_REQUIRE_SOFFICE();
    FillStandard();
    m_student->m_genInfoItem.AddValue(new CTmIntData(L"结构计算总层数", TM_GROUP_GENERAL, 5));
    ASSERT_TRUE(ComputeScores(&m_standard, m_students, nullptr));
    ASSERT_TRUE(WriteProjectWorkbook(Entry()));
    std::string command = "cd '" + m_dir.Path() + "' && HOME='" + m_dir.Path() +
                          "' soffice -env:UserInstallation=file://" + m_dir.Path() +
                          "/profile --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir '" +
                          m_dir.Path() + "/csv' '张三.xls' >/dev/null 2>&1";
    ASSERT_EQ(0, tmtest::Run(command));
    std::string csv = tmtest::FileBytes(m_dir.File("csv/张三.csv"));
    EXPECT_EQ(0u, csv.find("评分内容,标准答案,学生答案,标准分值,实际得分"));
    EXPECT_NE(std::string::npos, csv.find("结构计算总层数,5,5,10,10"));
    EXPECT_NE(std::string::npos, csv.find("施工图,完成,,0,0"));
}

}  // namespace
