// Typed values: the comparison rules and the text forms.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scoring/TmData.h"

namespace {

const int kGroup = TM_GROUP_GENERAL;

CTmFloatData Absolute(float value, double tolerance = 0.01)
{
    return CTmFloatData(L"特征周期", kGroup, value, false, tolerance);
}

CTmFloatData Relative(float value)
{
    return CTmFloatData(L"第一周期_s", TM_GROUP_RESULT, value, true, TM_RESULT_FLOAT_TOLERANCE);
}

}  // namespace

TEST(TmDataConstruction, StartsUnselectedWithNoScoreAndItsTypeCode)
{
    const int group = 4;
    CTmCharData c(L"a", group, 1);
    CTmInt16Data s(L"b", group, 1);
    CTmIntData i(L"c", group, 1);
    CTmFloatData f(L"d", group, 1.0f);
    CTmFloatInverseData v(L"e", group, 1.0f);
    CTmStringData t(L"f", group, L"x");
    CTmIntArrayData ia(L"g", group, {});
    CTmFloatArrayData fa(L"h", group, {});
    CTmStringArrayData sa(group, {});
    const CTmData* all[] = {&c, &s, &i, &f, &v, &t, &ia, &fa, &sa};
    const int codes[] = {0, 1, 2, 3, 3, 5, 8, 9, 11};
    for (int k = 0; k < 9; ++k) {
        EXPECT_FALSE(all[k]->m_selected) << k;
        EXPECT_EQ(all[k]->m_score, 0.0f) << k;
        EXPECT_EQ(all[k]->m_type, codes[k]) << k;
        EXPECT_EQ(all[k]->m_group, 4) << k;
    }
    EXPECT_EQ(sa.m_name, L"计算时程分析采用的地震波");
    EXPECT_FALSE(fa.m_relative);
    EXPECT_EQ(f.m_tolerance, 0.01);
    EXPECT_FALSE(f.m_relative);
}

TEST(TmDataFloatRule, DifferenceExactlyEqualToToleranceCounts)
{
    // 0.75 - 0.5 is exactly 0.25 in float.
    EXPECT_TRUE(Absolute(0.75f, 0.25).IsEqual(Absolute(0.5f)));
    EXPECT_TRUE(Absolute(0.5f, 0.25).IsEqual(Absolute(0.75f)));
    EXPECT_FALSE(Absolute(0.75f, 0.25).IsEqual(Absolute(0.49f)));
    // A .prj float 0.01 away passes: |1 - 1.01f| rounds to just under 0.01.
    EXPECT_TRUE(Absolute(1.0f).IsEqual(Absolute(1.01f)));
    EXPECT_FALSE(Absolute(1.0f).IsEqual(Absolute(1.011f)));
}

TEST(TmDataFloatRule, RelativeTenPercentPassesWithTheFloatTolerance)
{
    // |10 - 11| / 10 rounds to 0.1f, just above the double 0.1: only the
    // float tolerance lets an exact 10% pass.
    EXPECT_TRUE(Relative(10.0f).IsEqual(Relative(11.0f)));
    EXPECT_TRUE(Relative(10.0f).IsEqual(Relative(9.0f)));
    EXPECT_FALSE(Relative(10.0f).IsEqual(Relative(11.01f)));
    CTmFloatData doubleTolerance(L"第一周期_s", TM_GROUP_RESULT, 10.0f, true, 0.1);
    EXPECT_FALSE(doubleTolerance.IsEqual(Relative(11.0f)));
}

TEST(TmDataFloatRule, RelativeZeroMatchesOnlyZero)
{
    EXPECT_TRUE(Relative(0.0f).IsEqual(Relative(0.0f)));
    EXPECT_TRUE(Relative(0.0f).IsEqual(Relative(-0.0f)));
    EXPECT_FALSE(Relative(0.0f).IsEqual(Relative(1e-30f)));
    EXPECT_FALSE(Relative(0.0f).IsEqual(Relative(-1e-30f)));
    EXPECT_FALSE(Relative(0.0f).IsEqual(Relative(std::numeric_limits<float>::quiet_NaN())));
    // A student 0 against a non-zero standard is a 100% difference.
    EXPECT_FALSE(Relative(5.0f).IsEqual(Relative(0.0f)));
}

TEST(TmDataFloatRule, TheStandardValuesToleranceAndFlagDecide)
{
    CTmFloatData standard(L"x", kGroup, 100.0f, false, 0.01);
    CTmFloatData lenient(L"x", kGroup, 105.0f, true, 0.5);
    EXPECT_FALSE(standard.IsEqual(lenient));
    EXPECT_TRUE(lenient.IsEqual(standard));  // 5/105 under its own 0.5
}

TEST(TmDataFloatRule, FloatAndInverseOfOneNameCompareByTheFloatRule)
{
    CTmFloatData f(L"地震最大层间位移角_X向", TM_GROUP_RESULT, 550.0f, true, TM_RESULT_FLOAT_TOLERANCE);
    CTmFloatInverseData v(L"地震最大层间位移角_X向", TM_GROUP_RESULT, 560.0f, true,
                          TM_RESULT_FLOAT_TOLERANCE);
    EXPECT_TRUE(f.IsEqual(v));
    EXPECT_TRUE(v.IsEqual(f));
    CTmFloatInverseData far(L"地震最大层间位移角_X向", TM_GROUP_RESULT, 1.0e20f, true,
                            TM_RESULT_FLOAT_TOLERANCE);
    EXPECT_FALSE(v.IsEqual(far));
    EXPECT_TRUE(far.IsEqual(far));
}

TEST(TmDataEquality, TypeNameAndGroupMustAllAgree)
{
    const int other = 1;
    CTmIntData i(L"振型组合数", kGroup, 3);
    EXPECT_TRUE(i.IsEqual(CTmIntData(L"振型组合数", kGroup, 3)));
    EXPECT_FALSE(i.IsEqual(CTmIntData(L"振型组合数", kGroup, 4)));
    EXPECT_FALSE(i.IsEqual(CTmInt16Data(L"振型组合数", kGroup, 3)));
    EXPECT_FALSE(i.IsEqual(CTmIntData(L"振型组合数", other, 3)));
    EXPECT_FALSE(i.IsEqual(CTmIntData(L"振型组合", kGroup, 3)));
    EXPECT_FALSE(i.IsEqual(CTmIntData(L"振型组合数 ", kGroup, 3)));
    EXPECT_FALSE(CTmFloatData(L"x", kGroup, 1.0f).IsEqual(CTmFloatData(L"x", other, 1.0f)));
}

TEST(TmDataEquality, NamesAndTextsCompareCaseSensitively)
{
    CTmStringData a(L"Wave", kGroup, L"ABC");
    EXPECT_FALSE(a.IsEqual(CTmStringData(L"wave", kGroup, L"ABC")));
    EXPECT_FALSE(a.IsEqual(CTmStringData(L"Wave", kGroup, L"abc")));
    EXPECT_TRUE(a.IsEqual(CTmStringData(L"Wave", kGroup, L"ABC")));
    EXPECT_FALSE(CTmStringData(L"施工图", 8, L"完成").IsEqual(CTmStringData(L"施工图", 8, L"未做")));
}

TEST(TmDataEquality, AValueEqualsItselfEvenWhenItHoldsNaN)
{
    CTmFloatData nan(L"x", kGroup, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(nan.IsEqual(nan));
    EXPECT_FALSE(nan.IsEqual(CTmFloatData(L"x", kGroup, std::numeric_limits<float>::quiet_NaN())));
}

TEST(TmDataEquality, SmallIntegersAreSignedAndExact)
{
    EXPECT_TRUE(CTmCharData(L"场地类别", 1, -1).IsEqual(CTmCharData(L"场地类别", 1, -1)));
    EXPECT_FALSE(CTmCharData(L"场地类别", 1, -1).IsEqual(CTmCharData(L"场地类别", 1, 1)));
    EXPECT_FALSE(CTmInt16Data(L"n", 0, 2).IsEqual(CTmInt16Data(L"n", 0, 3)));
}

TEST(TmDataLists, EmptyListsOfOneNameAndGroupAreEqual)
{
    CTmIntArrayData a(L"薄弱层_X向", 8, {});
    EXPECT_TRUE(a.IsEqual(CTmIntArrayData(L"薄弱层_X向", 8, {})));
    EXPECT_FALSE(a.IsEqual(CTmIntArrayData(L"薄弱层_X向", 7, {})));
    EXPECT_TRUE(CTmFloatArrayData(L"风方向", 2, {}).IsEqual(CTmFloatArrayData(L"风方向", 2, {})));
    EXPECT_TRUE(CTmStringArrayData(6, {}).IsEqual(CTmStringArrayData(6, {})));
}

TEST(TmDataLists, APrefixIsNeverEqual)
{
    CTmIntArrayData a(L"薄弱层_X向", 8, {1, 2});
    EXPECT_FALSE(a.IsEqual(CTmIntArrayData(L"薄弱层_X向", 8, {1, 2, 3})));
    EXPECT_FALSE(CTmIntArrayData(L"薄弱层_X向", 8, {1, 2, 3}).IsEqual(a));
    EXPECT_FALSE(a.IsEqual(CTmIntArrayData(L"薄弱层_X向", 8, {2, 1})));
    EXPECT_TRUE(a.IsEqual(CTmIntArrayData(L"薄弱层_X向", 8, {1, 2})));
    EXPECT_FALSE(CTmStringArrayData(6, {L"a"}).IsEqual(CTmStringArrayData(6, {L"a", L"b"})));
    EXPECT_FALSE(CTmStringArrayData(6, {L"a"}).IsEqual(CTmStringArrayData(6, {L"A"})));
}

TEST(TmDataLists, FloatListElementsEachMatchWithinTolerance)
{
    CTmFloatArrayData s(L"风方向", 2, {0.0f, 0.75f, 90.0f});
    EXPECT_TRUE(s.IsEqual(CTmFloatArrayData(L"风方向", 2, {0.01f, 0.74f, 90.0f})));
    EXPECT_FALSE(s.IsEqual(CTmFloatArrayData(L"风方向", 2, {0.0f, 0.75f, 90.02f})));
    EXPECT_FALSE(s.IsEqual(CTmFloatArrayData(L"风方向", 2, {0.0f, 0.75f})));
    CTmFloatArrayData wide(L"风方向", 2, {1.0f}, 0.5);
    EXPECT_TRUE(wide.IsEqual(CTmFloatArrayData(L"风方向", 2, {1.5f})));
}

TEST(TmDataText, ScalarsRenderWithTheirFormats)
{
    EXPECT_EQ(CTmCharData(L"场地类别", 1, -1).GetValueText(), L"-1");
    EXPECT_EQ(CTmCharData(L"c", 1, -128).GetValueText(), L"-128");
    EXPECT_EQ(CTmInt16Data(L"s", 0, -32768).GetValueText(), L"-32768");
    EXPECT_EQ(CTmIntData(L"i", 0, 2147483647).GetValueText(), L"2147483647");
    EXPECT_EQ(CTmFloatData(L"f", 0, 2.5f).GetValueText(), L"2.5");
    EXPECT_EQ(CTmFloatData(L"f", 0, 0.1f).GetValueText(), L"0.1");
    EXPECT_EQ(CTmFloatData(L"f", 0, 1234567.0f).GetValueText(), L"1234567");
    EXPECT_EQ(CTmFloatData(L"f", 0, 12345678.0f).GetValueText(), L"1.234568e+07");
    EXPECT_EQ(CTmFloatInverseData(L"v", 8, 550.0f).GetValueText(), L"1/550");
    EXPECT_EQ(CTmFloatInverseData(L"v", 8, 1.0e20f).GetValueText(), L"1/1e+20");
    EXPECT_EQ(CTmStringData(L"施工图", 8, L"未做").GetValueText(), L"未做");
}

TEST(TmDataText, ListsJoinWithCommasWithoutSpaces)
{
    EXPECT_EQ(CTmFloatArrayData(L"f", 0, {1.0f, 2.5f}).GetValueText(), L"1,2.5");
    EXPECT_EQ(CTmFloatArrayData(L"f", 0, {}).GetValueText(), L"");
    EXPECT_EQ(CTmIntArrayData(L"i", 0, {3}).GetValueText(), L"3");
    EXPECT_EQ(CTmIntArrayData(L"i", 0, {1, -2, 30}).GetValueText(), L"1,-2,30");
    EXPECT_EQ(CTmIntArrayData(L"i", 0, {}).GetValueText(), L"");
    EXPECT_EQ(CTmStringArrayData(6, {L"El Centro", L"人工波"}).GetValueText(), L"El Centro,人工波");
    EXPECT_EQ(CTmStringArrayData(6, {}).GetValueText(), L"");
}
