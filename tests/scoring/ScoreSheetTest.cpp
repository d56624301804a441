// The score sheet: filled in its three steps from records built in code.
#include <gtest/gtest.h>

#include "scoring/ScoreComputation.h"
#include "scoring/ScoreSheet.h"

namespace {

const float kScores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};

CTmData* Int(const wchar_t* name, int value, bool selected = false)
{
    CTmData* data = new CTmIntData(name, TM_GROUP_GENERAL, value);
    data->m_selected = selected;
    return data;
}

std::unique_ptr<CScoringProject> Project(const std::wstring& path)
{
    std::unique_ptr<CScoringProject> project(new CScoringProject);
    EXPECT_TRUE(project->SetProjectPath(path, kScores));
    return project;
}

std::wstring Row(const CScoreSheetRow& row)
{
    return row.m_name + L"|" + row.m_standardText + L"|" + row.m_studentText + L"|" +
           CScoreSheet::ScoreText(row.m_valueScore) + L"|" +
           (row.m_answered ? CScoreSheet::ScoreText(row.m_earned) : L"none");
}

}  // namespace

TEST(ScoreSheet, ListsStudentsUnscoredThenTakesTheTotalsAndEachStudentsRows)
{
    std::unique_ptr<CScoringProject> standard = Project(L"/exam/标准/frame.prj");
    standard->m_genInfoItem.AddValue(Int(L"结构形式", 2, true));
    standard->m_genInfoItem.AddValue(Int(L"地下室层数", 1));
    standard->m_genInfoItem.AddValue(Int(L"振型组合数", 15, true));
    standard->m_goujianItem.AddValue(Int(L"构件模型和荷载_kN", 9000, true));

    CScoringProjectList students;
    students.push_back(Project(L"/exam/张三/frame.prj"));
    students[0]->m_genInfoItem.AddValue(Int(L"结构形式", 2));
    students[0]->m_goujianItem.AddValue(Int(L"构件模型和荷载_kN", 8000));
    students.push_back(Project(L"/exam/李四/frame.prj"));
    students[1]->m_loadStatus = TM_LOAD_FAILED;

    CScoreSheet sheet;
    sheet.ListStudents(students, {1, 0});
    ASSERT_EQ(sheet.m_entries.size(), 2u);
    EXPECT_EQ(sheet.m_entries[0].m_folderName, L"张三");
    EXPECT_EQ(sheet.m_entries[0].m_folder, L"/exam/张三");
    EXPECT_TRUE(sheet.m_entries[0].m_loaded);
    EXPECT_EQ(sheet.m_entries[1].m_status, L"读总信息失败");
    EXPECT_FALSE(sheet.m_entries[1].m_loaded);
    EXPECT_EQ(sheet.m_entries[0].TotalText(), L"");
    EXPECT_TRUE(sheet.m_entries[0].m_rows.empty());

    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    sheet.TakeTotals(*standard, students);
    EXPECT_EQ(sheet.m_valueScores[0], 15.0f);
    EXPECT_EQ(sheet.m_valueScores[2], 20.0f);
    EXPECT_EQ(sheet.m_entries[0].m_categoryScores[0], 15.0f);
    EXPECT_EQ(sheet.m_entries[0].TotalText(), L"15.00");
    EXPECT_EQ(sheet.m_entries[1].TotalText(), L"0.00");

    // Rows follow the standard's selection as it stands when taken.
    sheet.TakeRows(*standard, *students[0], 0);
    sheet.TakeRows(*standard, *students[1], 1);
    sheet.TakeRows(*standard, *students[1], 2);  // no such student: ignored
    ASSERT_EQ(sheet.m_entries[0].m_rows.size(), 3u);
    EXPECT_EQ(Row(sheet.m_entries[0].m_rows[0]), L"结构形式|2|2|15.00|15.00");
    EXPECT_EQ(Row(sheet.m_entries[0].m_rows[1]), L"振型组合数|15||15.00|none");
    EXPECT_EQ(Row(sheet.m_entries[0].m_rows[2]), L"构件模型和荷载_kN|9000|8000|20.00|0.00");
    EXPECT_EQ(sheet.m_entries[0].m_rows[2].m_category, TM_CATEGORY_GOUJIAN);
    ASSERT_EQ(sheet.m_entries[1].m_rows.size(), 3u);
    EXPECT_EQ(Row(sheet.m_entries[1].m_rows[0]), L"结构形式|2||15.00|none");
}
