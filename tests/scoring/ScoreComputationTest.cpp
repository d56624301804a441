// Computing every student's scores against the standard, and the totals.
#include <gtest/gtest.h>

#include "scoring/ScoreComputation.h"
#include "scoring/WindowLayer.h"
#include "tests/support/MessageRecorder.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

class CFakeWindow : public CWindowLayer {
public:
    void BeginWaitCursor() override { m_log += L"begin;"; }
    void EndWaitCursor() override { m_log += L"end;"; }
    std::wstring m_log;

protected:
    Answer DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons) override
    {
        m_log += std::wstring(L"box:") + caption + L":" + text + L";";
        return TM_ID_OK;
    }
};

// Category k gets the values "k.0" .. "k.(n-1)" holding 0, 1, ...; on the
// standard, the first `selected` of them are selected.
void AddValues(CScoringProject& project, int k, int n, int selected = 0)
{
    for (int i = 0; i < n; ++i) {
        CTmData* value = new CTmIntData(stringFormat(L"%d.%d", k, i), 0, i);
        value->m_selected = i < selected;
        switch (k) {
        case 0: project.m_genInfoItem.AddValue(value); break;
        case 1: project.m_layerInfoItem.AddValue(value); break;
        case 2: project.m_goujianItem.AddValue(value); break;
        case 3: project.m_calcResultItem.AddValue(value); break;
        case 4: project.m_workDrawingItem.AddValue(value); break;
        default: project.m_tmQIItem.AddValue(value); break;
        }
    }
}

std::unique_ptr<CScoringProject> Standard(int n = 7)
{
    std::unique_ptr<CScoringProject> project(new CScoringProject);
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        AddValues(*project, k, n, n);
    return project;
}

std::unique_ptr<CScoringProject> Student(int n = 7)
{
    std::unique_ptr<CScoringProject> project(new CScoringProject);
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        AddValues(*project, k, n);
    return project;
}

std::wstring Scores(const CScoringProject& project)
{
    std::wstring out;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        out += stringFormat(L"%.9g|", double(project.GetItem(k).m_score));
        for (const auto& value : project.GetItem(k).GetValues())
            out += stringFormat(L"%.9g,", double(value->m_score));
    }
    return out;
}

}  // namespace

TEST(ComputeScores, WithoutAStandardOnlyTheFirstMessageIsShown)
{
    tmtest::CMessageRecorder recorder;
    CFakeWindow window;
    CScoringProjectList students;
    students.push_back(Student());
    students[0]->m_genInfoItem.m_score = 5.0f;
    EXPECT_FALSE(ComputeScores(nullptr, students, &window));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, L"请先设置一个合法的标准工程!");
    EXPECT_EQ(recorder.Last().caption, L"提示");
    EXPECT_EQ(students[0]->m_genInfoItem.m_score, 5.0f);
    EXPECT_EQ(window.m_log, L"");

    CScoringProjectList none;
    EXPECT_FALSE(ComputeScores(nullptr, none, &window));
    EXPECT_EQ(recorder.Last().text, L"请先设置一个合法的标准工程!");
}

TEST(ComputeScores, WithoutStudentsAsksForThemToBeImported)
{
    tmtest::CMessageRecorder recorder;
    CFakeWindow window;
    auto standard = Standard();
    CScoringProjectList none;
    EXPECT_FALSE(ComputeScores(standard.get(), none, &window));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, L"请先导入学生工程!");
    EXPECT_EQ(recorder.Last().caption, L"提示");
    EXPECT_EQ(window.m_log, L"");
}

TEST(ComputeScores, ShowsTheWaitCursorOnceAroundTheWork)
{
    tmtest::CMessageRecorder recorder;
    CFakeWindow window;
    auto standard = Standard();
    CScoringProjectList students;
    students.push_back(Student());
    students.push_back(Student());
    EXPECT_TRUE(ComputeScores(standard.get(), students, &window));
    EXPECT_EQ(window.m_log, L"begin;end;");
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_TRUE(ComputeScores(standard.get(), students, nullptr));
}

TEST(ComputeScores, EveryValueMatchedWithTheDefaultScoresTotals100)
{
    auto standard = Standard(7);
    CScoringProjectList students;
    students.push_back(Student(7));
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    const CScoringProject& s = *students[0];
    EXPECT_EQ(s.m_genInfoItem.m_score, 29.999996185302734f);
    EXPECT_EQ(s.m_layerInfoItem.m_score, 29.999996185302734f);
    EXPECT_EQ(s.m_workDrawingItem.m_score, 0.0f);
    EXPECT_EQ(stringFormat(L"%.2f", double(ProjectTotal(s))), L"100.00");
    // Nothing is written into the standard.
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        EXPECT_EQ(standard->GetItem(k).m_score, 0.0f);
        for (const auto& value : standard->GetItem(k).GetValues())
            EXPECT_EQ(value->m_score, 0.0f);
    }
}

TEST(ComputeScores, ACategoryWithNothingSelectedGivesZeroWhateverItsFullScore)
{
    auto standard = Standard(3);
    for (const auto& value : standard->m_genInfoItem.m_values)
        value->m_selected = false;
    CScoringProjectList students;
    students.push_back(Student(3));
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    EXPECT_EQ(students[0]->m_genInfoItem.m_score, 0.0f);
    EXPECT_EQ(ProjectTotal(*students[0]), 70.0f);
}

TEST(ComputeScores, TwoOfThreeInACategoryOfTwentyShowAs13_33)
{
    auto standard = Standard(3);
    CScoringProjectList students;
    students.push_back(Student(3));
    static_cast<CTmIntData*>(students[0]->m_calcResultItem.m_values[1].get())->m_value = 99;
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    EXPECT_EQ(students[0]->m_calcResultItem.m_score, 13.333333f);
    EXPECT_EQ(stringFormat(L"%.2f", double(students[0]->m_calcResultItem.m_score)), L"13.33");
}

TEST(ComputeScores, RunningTwiceGivesIdenticalScores)
{
    auto standard = Standard(5);
    CScoringProjectList students;
    students.push_back(Student(5));
    students.push_back(Student(2));
    static_cast<CTmIntData*>(students[0]->m_layerInfoItem.m_values[3].get())->m_value = -1;
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    const std::wstring first0 = Scores(*students[0]);
    const std::wstring first1 = Scores(*students[1]);
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    EXPECT_EQ(Scores(*students[0]), first0);
    EXPECT_EQ(Scores(*students[1]), first1);
    EXPECT_NE(first0, first1);
}

TEST(ComputeScores, SelectingAnotherValueChangesEveryStudentsShare)
{
    auto standard = std::unique_ptr<CScoringProject>(new CScoringProject);
    AddValues(*standard, 3, 4, 2);
    CScoringProjectList students;
    students.push_back(Student(4));
    students.push_back(Student(4));
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    EXPECT_EQ(students[1]->m_calcResultItem.m_values[0]->m_score, 10.0f);
    standard->m_calcResultItem.m_values[2]->m_selected = true;
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    for (const auto& student : students) {
        EXPECT_EQ(student->m_calcResultItem.m_values[0]->m_score, 20.0f / 3.0f);
        EXPECT_EQ(student->m_calcResultItem.m_values[2]->m_score, 20.0f / 3.0f);
        EXPECT_EQ(student->m_calcResultItem.m_values[3]->m_score, 0.0f);
    }
}

TEST(ComputeScores, EmptyProjectsFromFailedLoadsScoreZeroWithoutMessages)
{
    tmtest::CMessageRecorder recorder;
    CScoringProject emptyStandard;
    emptyStandard.m_loadStatus = TM_LOAD_FAILED;
    CScoringProjectList students;
    students.push_back(Student(3));
    students.push_back(std::unique_ptr<CScoringProject>(new CScoringProject));
    students[1]->m_loadStatus = TM_LOAD_FAILED;
    ASSERT_TRUE(ComputeScores(&emptyStandard, students, nullptr));
    EXPECT_EQ(ProjectTotal(*students[0]), 0.0f);
    auto standard = Standard(3);
    ASSERT_TRUE(ComputeScores(standard.get(), students, nullptr));
    EXPECT_EQ(ProjectTotal(*students[0]), 100.0f);
    EXPECT_EQ(ProjectTotal(*students[1]), 0.0f);
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(ProjectTotal, AddsInDoubleAndRoundsOnce)
{
    CScoringProject student;
    // In float 16777216 + 1 + 1 stays 16777216; in double it is 16777218,
    // which float holds exactly.
    student.m_genInfoItem.m_score = 16777216.0f;
    student.m_layerInfoItem.m_score = 1.0f;
    student.m_goujianItem.m_score = 1.0f;
    EXPECT_EQ(ProjectTotal(student), 16777218.0f);
    CScoringProject none;
    EXPECT_EQ(ProjectTotal(none), 0.0f);
}
