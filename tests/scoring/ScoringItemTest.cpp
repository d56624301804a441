// Category items: unique names, value shares and scoring a student item.
#include <gtest/gtest.h>

#include "scoring/ScoringCategoryItem.h"
#include "scoring/ScoringGenInfoItem.h"
#include "tests/support/MessageRecorder.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const int kGroup = TM_GROUP_RESULT;

CTmData* Float(const wchar_t* name, float value, bool selected = false)
{
    CTmData* data = new CTmFloatData(name, kGroup, value, true, TM_RESULT_FLOAT_TOLERANCE);
    data->m_selected = selected;
    return data;
}

// n values "v0".."v(n-1)" holding 1, 2, ..., all selected.
void FillSelected(CScoringCalcResultItem& item, int n)
{
    for (int i = 0; i < n; ++i)
        item.AddValue(Float(stringFormat(L"v%d", i).c_str(), float(i + 1), true));
}

template <typename Item>
void ExpectDuplicateRefused(const wchar_t* category)
{
    tmtest::CMessageRecorder recorder;
    Item item;
    EXPECT_TRUE(item.AddValue(new CTmIntData(L"结构计算总层数", 0, 5)));
    EXPECT_FALSE(item.AddValue(new CTmIntData(L"结构计算总层数", 0, 9)));
    ASSERT_EQ(recorder.Count(), 1u) << item.GetCategoryName();
    EXPECT_EQ(recorder.Last().caption, L"警告");
    EXPECT_EQ(recorder.Last().text,
              std::wstring(category) + L"字段 结构计算总层数 重名,请另外命名一个名字!");
    ASSERT_EQ(item.GetValues().size(), 1u);
    EXPECT_EQ(static_cast<CTmIntData*>(item.GetValues()[0].get())->m_value, 5);
    EXPECT_EQ(item.GetCategoryName(), std::wstring(category));
}

}  // namespace

TEST(ScoringItemValues, EachCategoryRefusesADuplicateNameWithItsOwnMessage)
{
    ExpectDuplicateRefused<CScoringGenInfoItem>(L"总信息");
    ExpectDuplicateRefused<CScoringLayerInfoItem>(L"各层信息");
    ExpectDuplicateRefused<CScoringGoujianItem>(L"结构模型与荷载");
    ExpectDuplicateRefused<CScoringCalcResultItem>(L"计算结果");
    ExpectDuplicateRefused<CScoringWorkDrawingItem>(L"施工图");
    ExpectDuplicateRefused<CScoringTmQIItem>(L"钢筋算量接口");
}

TEST(ScoringItemValues, NamesDifferingOnlyInCaseAreBothKept)
{
    tmtest::CMessageRecorder recorder;
    CScoringCalcResultItem item;
    EXPECT_TRUE(item.AddValue(Float(L"Tx", 1.0f)));
    EXPECT_TRUE(item.AddValue(Float(L"tx", 2.0f)));
    EXPECT_FALSE(item.AddValue(nullptr));
    EXPECT_EQ(recorder.Count(), 0u);
    ASSERT_EQ(item.m_values.size(), 2u);
    EXPECT_EQ(item.FindValue(L"tx"), item.m_values[1].get());
    EXPECT_EQ(item.FindValue(L"Tx"), item.m_values[0].get());
    EXPECT_EQ(item.FindValue(L"TX"), nullptr);
    EXPECT_EQ(item.FindValue(L"T"), nullptr);
    EXPECT_EQ(item.FindValue(L""), nullptr);
}

TEST(ScoringItemValues, FindInAnEmptyItemFindsNothing)
{
    CScoringGenInfoItem item;
    EXPECT_EQ(item.FindValue(L"地震设防烈度"), nullptr);
}

TEST(ScoringItemValues, ClearEmptiesTheListAndTheGeneralItemKeepsItsModelFacts)
{
    CScoringGenInfoItem item;
    EXPECT_EQ(item.m_fullScore, 30.0f);
    EXPECT_EQ(item.m_floorCount, 0);
    item.m_floorCount = 12;
    item.m_basementFloorCount = 2;
    item.m_resultOption = 3;
    item.AddValue(new CTmIntData(L"结构计算总层数", 0, 12));
    item.ClearValues();
    EXPECT_TRUE(item.m_values.empty());
    EXPECT_EQ(item.m_floorCount, 12);
    EXPECT_EQ(item.m_basementFloorCount, 2);
    EXPECT_EQ(item.m_resultOption, 3);
    // The name is free again after clearing.
    tmtest::CMessageRecorder recorder;
    EXPECT_TRUE(item.AddValue(new CTmIntData(L"结构计算总层数", 0, 13)));
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(ScoringItemShare, NoSelectedValueIsWorthNothing)
{
    CScoringCalcResultItem item;
    item.m_fullScore = 20.0f;
    EXPECT_EQ(item.GetValueScore(), 0.0f);
    item.AddValue(Float(L"a", 1.0f));
    EXPECT_EQ(item.GetValueScore(), 0.0f);
}

TEST(ScoringItemShare, FullScoreIsSharedAmongSelectedValuesInFloat)
{
    CScoringCalcResultItem item;
    item.m_fullScore = 30.0f;
    FillSelected(item, 7);
    item.AddValue(Float(L"unselected", 1.0f));
    EXPECT_EQ(item.GetValueScore(), 30.0f / 7.0f);
    EXPECT_FLOAT_EQ(item.GetValueScore(), 4.2857141f);
}

TEST(ScoringItemScore, SevenMatchedSharesOfThirtySumTo29_999996)
{
    CScoringCalcResultItem standard, student;
    standard.m_fullScore = 30.0f;
    FillSelected(standard, 7);
    FillSelected(student, 7);
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.m_score, 29.999996185302734f);
    EXPECT_NE(student.m_score, 30.0f);
    EXPECT_EQ(stringFormat(L"%.2f", double(student.m_score)), L"30.00");
    for (const auto& value : student.m_values)
        EXPECT_EQ(value->m_score, 30.0f / 7.0f);
}

TEST(ScoringItemScore, TwoOfThreeMatchedInTwentyGive13_333333)
{
    CScoringCalcResultItem standard, student;
    standard.m_fullScore = 20.0f;
    FillSelected(standard, 3);
    student.AddValue(Float(L"v0", 1.05f));  // within 10%
    student.AddValue(Float(L"v1", 3.0f));   // 50% off
    student.AddValue(Float(L"v2", 3.0f));
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.m_score, 13.333333f);
    EXPECT_EQ(stringFormat(L"%.2f", double(student.m_score)), L"13.33");
    EXPECT_EQ(student.m_values[0]->m_score, 6.6666665f);
    EXPECT_EQ(student.m_values[1]->m_score, 0.0f);
    EXPECT_EQ(student.m_values[2]->m_score, 6.6666665f);
}

TEST(ScoringItemScore, UnselectedOrMissingValuesEarnNothingAndStudentFlagsAreIgnored)
{
    tmtest::CMessageRecorder recorder;
    CScoringCalcResultItem standard, student;
    standard.m_fullScore = 20.0f;
    standard.AddValue(Float(L"selected", 1.0f, true));
    standard.AddValue(Float(L"unselected", 2.0f, false));
    standard.AddValue(Float(L"absent", 3.0f, true));
    student.AddValue(Float(L"unselected", 2.0f, true));
    student.AddValue(Float(L"selected", 1.0f, false));
    student.AddValue(Float(L"extra", 9.0f, true));
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.FindValue(L"selected")->m_score, 10.0f);
    EXPECT_EQ(student.FindValue(L"unselected")->m_score, 0.0f);
    EXPECT_EQ(student.FindValue(L"extra")->m_score, 0.0f);
    EXPECT_EQ(student.m_score, 10.0f);
    EXPECT_EQ(recorder.Count(), 0u);
    // The standard is only read.
    EXPECT_EQ(standard.m_score, 0.0f);
    EXPECT_EQ(standard.FindValue(L"selected")->m_score, 0.0f);
}

TEST(ScoringItemScore, ScoringAgainResetsEveryStudentScoreFirst)
{
    CScoringCalcResultItem standard, student;
    standard.m_fullScore = 20.0f;
    FillSelected(standard, 2);
    FillSelected(student, 2);
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.m_score, 20.0f);
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.m_score, 20.0f);
    EXPECT_EQ(student.m_values[0]->m_score, 10.0f);

    standard.m_values[0]->m_selected = false;
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.m_values[0]->m_score, 0.0f);
    EXPECT_EQ(student.m_values[1]->m_score, 20.0f);
    EXPECT_EQ(student.m_score, 20.0f);
}

TEST(ScoringItemScore, AnEmptyStudentScoresZero)
{
    CScoringCalcResultItem standard, student;
    FillSelected(standard, 3);
    student.m_score = 7.0f;
    student.Score(standard, standard.GetValueScore());
    EXPECT_EQ(student.m_score, 0.0f);
}
