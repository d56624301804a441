// The project list and the score view over the window layer's grids.
#include <gtest/gtest.h>

#include "tests/app/WorkspaceFixture.h"

using namespace tmtest;

namespace {

const std::wstring kStandard = L"/exam/标准/frame.prj";
const std::wstring kZhang = L"/exam/张三/frame.prj";
const std::wstring kLi = L"/exam/李四/frame.prj";

class Views : public ::testing::Test, public CWorkspaceTest {
protected:
    Views()
    {
        m_workspace.m_tables[kStandard] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2, true);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"地下室层数", 1, false);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"振型组合数", 15, true);
            AddIntValue(project, TM_CATEGORY_GOUJIAN, L"构件模型和荷载_kN", 9000, true);
        };
        m_workspace.m_tables[kZhang] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"振型组合数", 12);
            AddIntValue(project, TM_CATEGORY_GOUJIAN, L"构件模型和荷载_kN", 9000);
        };
        m_workspace.SetStandardPrjPath(kStandard);
        m_workspace.RebuildStandardProject();
    }

    CMemoryGrid& List() { return m_window.m_projectGrid; }
    CMemoryGrid& View() { return m_window.m_scoreGrid; }
    std::wstring Row(CMemoryGrid& grid, int row)
    {
        std::wstring text;
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            text += (c ? L"|" : L"") + grid.GetItemText(row, c);
        return text;
    }
};

}  // namespace

TEST_F(Views, TheGridsAreLaidOutWithTheirHeadersWidthsAndFixedCells)
{
    EXPECT_EQ(Row(List(), 0), L"  |工程|状态|总分");
    EXPECT_EQ(Row(View(), 0), L"  |评分内容|标准答案|学生答案|标准分值|实际得分");
    EXPECT_EQ(List().GetColumnWidth(1), 400);
    EXPECT_EQ(View().GetColumnWidth(5), 80);
    EXPECT_EQ(List().GetFixedRowCount(), 1);
    EXPECT_EQ(List().GetFixedColumnCount(), 1);
    EXPECT_EQ(View().GetItemFormat(0, 2) & 3u, (unsigned)TM_GRID_CENTER);
}

TEST_F(Views, FillingTheListLoadsEveryStudentAndShowsItsStatus)
{
    m_workspace.SetStudentPaths({kZhang, kLi});
    m_workspace.RebuildStudentProjects();
    EXPECT_EQ(List().GetRowCount(), 3);
    EXPECT_EQ(Row(List(), 1), L"1|" + kZhang + L"|读入成功|");
    EXPECT_EQ(Row(List(), 2), L"2|" + kLi + L"|读总信息失败|");
    EXPECT_EQ(m_workspace.GetStudentLoaded(), (std::vector<char>{1, 0}));
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 工程 " + kLi + L" 不存在.");
    EXPECT_EQ(List().GetItemFormat(1, 0) & 3u, (unsigned)TM_GRID_RIGHT);
    EXPECT_EQ(List().GetItemFormat(1, 1), TM_GRID_LEFT | TM_GRID_BODY);
    EXPECT_TRUE(List().IsItemReadOnly(2, 2));
    EXPECT_GT(List().m_redrawCount, 0);
}

TEST_F(Views, ARebuiltListDropsTotalsThatBelongedToOtherProjects)
{
    m_workspace.m_tables[kLi] = m_workspace.m_tables[kZhang];
    m_workspace.SetStudentPaths({kZhang, kLi});
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.ComputeAndFillTotals());
    EXPECT_NE(List().GetItemText(1, 3), L"");
    m_workspace.SetStudentPaths({kLi});
    m_workspace.RebuildStudentProjects();
    EXPECT_EQ(List().GetRowCount(), 2);
    EXPECT_EQ(Row(List(), 1), L"1|" + kLi + L"|读入成功|");
}

TEST_F(Views, ClickingAStudentShowsEverySelectedStandardValueWithTheStudentsAnswer)
{
    m_workspace.SetStudentPaths({kZhang});
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.ComputeAndFillTotals());
    m_workspace.OnProjectListClicked(1);
    EXPECT_EQ(m_workspace.GetSelectedIndex(), 0);
    ASSERT_EQ(View().GetRowCount(), 4);
    // 30 shared by two selected values; 20 by one.
    EXPECT_EQ(Row(View(), 1), L"1|结构形式|2|2|15.00|15.00");
    EXPECT_EQ(Row(View(), 2), L"2|振型组合数|15|12|15.00|0.00");
    EXPECT_EQ(Row(View(), 3), L"3|构件模型和荷载_kN|9000|9000|20.00|20.00");
    EXPECT_EQ(View().GetItemFormat(2, 4), TM_GRID_RIGHT | TM_GRID_BODY);
    EXPECT_TRUE(View().IsItemReadOnly(3, 5));
    EXPECT_TRUE(m_window.m_messages.empty());

    // The settings leave nothing selected: the recompute is refused, and
    // neither the total nor what the values earned stays on show.
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        for (const auto& value : m_workspace.GetStandardProject()->GetItem(k).GetValues())
            value->m_selected = false;
    EXPECT_FALSE(m_workspace.ComputeAndFillTotals());
    EXPECT_EQ(List().GetItemText(1, 3), L"");
    EXPECT_EQ(Row(View(), 1), L"1|结构形式|2|2|15.00|0.00");
    EXPECT_EQ(Row(View(), 3), L"3|构件模型和荷载_kN|9000|9000|20.00|0.00");
}

TEST_F(Views, AStudentThatFailedToLoadShowsEmptyAnswersAndScores)
{
    m_workspace.SetStudentPaths({kLi});
    m_workspace.RebuildStudentProjects();
    m_window.ClearLog();
    m_workspace.OnProjectListClicked(1);
    ASSERT_EQ(View().GetRowCount(), 4);
    EXPECT_EQ(Row(View(), 1), L"1|结构形式|2||15.00|");
    EXPECT_EQ(Row(View(), 3), L"3|构件模型和荷载_kN|9000||20.00|");
}

TEST_F(Views, ClickingTheHeaderOrBelowTheListChangesNothing)
{
    m_workspace.SetStudentPaths({kZhang});
    m_workspace.RebuildStudentProjects();
    m_workspace.OnProjectListClicked(0);
    m_workspace.OnProjectListClicked(2);
    m_workspace.OnProjectListClicked(-5);
    EXPECT_EQ(m_workspace.GetSelectedIndex(), -1);
    EXPECT_EQ(View().GetRowCount(), 1);
}

TEST_F(Views, WithNoStudentSelectedComputingRefreshesNothing)
{
    m_workspace.SetStudentPaths({kZhang});
    m_workspace.RebuildStudentProjects();
    const int redraws = View().m_redrawCount;
    m_workspace.ComputeAndShow();
    EXPECT_EQ(View().m_redrawCount, redraws);
    EXPECT_EQ(View().GetRowCount(), 1);
    EXPECT_EQ(m_window.m_messages.back().text, L"计算完毕!");
}

TEST_F(Views, AStandardWithoutSelectedValuesWarnsAtEverySelection)
{
    m_workspace.m_tables[kStandard] = [](CScoringProject& project) {
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2, false);
    };
    m_workspace.RebuildStandardProject();
    m_workspace.SetStudentPaths({kZhang});
    m_workspace.RebuildStudentProjects();
    m_workspace.OnProjectListClicked(1);
    m_workspace.OnProjectListClicked(1);
    EXPECT_EQ(View().GetRowCount(), 1);
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 没有设置评分项，请到评分设置中设置评分项！\n"
                                     L"Tesmo评分系统: 没有设置评分项，请到评分设置中设置评分项！");
}

TEST_F(Views, ASelectionSurvivesRecomputingAndKeepsItsNumberThroughARebuild)
{
    m_workspace.m_tables[kLi] = m_workspace.m_tables[kZhang];
    m_workspace.SetStudentPaths({kZhang, kLi});
    m_workspace.RebuildStudentProjects();
    m_workspace.OnProjectListClicked(2);
    m_workspace.ComputeAndShow();
    EXPECT_EQ(m_workspace.GetSelectedIndex(), 1);
    EXPECT_EQ(View().GetItemText(1, 5), L"15.00");
    m_workspace.SetStudentPaths({kZhang});
    m_workspace.RebuildStudentProjects();
    EXPECT_EQ(m_workspace.GetSelectedIndex(), 1);
    m_workspace.RefreshScoreView();  // names no student now: nothing happens
    EXPECT_EQ(View().GetItemText(1, 5), L"15.00");
}

TEST_F(Views, ParallelLoadingGivesTheResultsOfLoadingInOrder)
{
    std::vector<std::wstring> paths;
    for (int i = 0; i < 40; ++i) {
        std::wstring path = L"/exam/s" + std::to_wstring(i) + L"/frame.prj";
        m_workspace.m_tables[path] = [i](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", i % 3);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"振型组合数", 15);
        };
        paths.push_back(path);
    }
    paths.push_back(kLi);  // fails to load
    m_workspace.SetStudentPaths(paths);
    m_workspace.SetLoadJobs(1);
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.ComputeAndFillTotals());
    std::vector<std::wstring> serial;
    for (int r = 0; r < List().GetRowCount(); ++r)
        serial.push_back(Row(List(), r));

    m_workspace.SetLoadJobs(4);
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.ComputeAndFillTotals());
    for (int r = 0; r < List().GetRowCount(); ++r)
        EXPECT_EQ(Row(List(), r), serial[r]);
    EXPECT_EQ(List().GetItemText(1, 3), L"15.00");
    EXPECT_EQ(List().GetItemText(3, 3), L"30.00");
}

TEST_F(Views, AStoppedLoadLeavesTheRestUnreadAndComputingReadsThemFirst)
{
    const std::wstring wang = L"/exam/王五/frame.prj";
    m_workspace.m_tables[wang] = m_workspace.m_tables[kZhang];
    m_workspace.SetStudentPaths({kZhang, wang, kLi});
    // The user stops once the first student has been read.
    m_window.m_cancelAfter = 1;
    m_workspace.RebuildStudentProjects();
    EXPECT_EQ(Row(List(), 1), L"1|" + kZhang + L"|读入成功|");
    EXPECT_EQ(Row(List(), 2), L"2|" + wang + L"|未读入|");
    EXPECT_EQ(Row(List(), 3), L"3|" + kLi + L"|未读入|");
    EXPECT_EQ(m_workspace.m_loads[wang], 0);

    // Stopped again: nothing is computed, no total is shown.
    EXPECT_FALSE(m_workspace.ComputeAndFillTotals());
    EXPECT_EQ(List().GetItemText(2, 3), L"");

    m_window.m_cancelAfter = -1;
    m_window.ClearLog();
    ASSERT_TRUE(m_workspace.ComputeAndFillTotals());
    EXPECT_EQ(Row(List(), 2), L"2|" + wang + L"|读入成功|" + List().GetItemText(1, 3));
    EXPECT_EQ(Row(List(), 3), L"3|" + kLi + L"|读总信息失败|0.00");
    EXPECT_EQ(m_workspace.m_loads[kZhang], 1);
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 工程 " + kLi + L" 不存在.");
}
