// The twenty-six calculation-result values of a project: names, classes,
// tolerances and what each one holds.
#include <gtest/gtest.h>

#include <typeinfo>

#include "scoring/ScoringProject.h"
#include "tests/readers/ResultFileText.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"

namespace {

struct CExpectedValue {
    const wchar_t* name;
    const std::type_info& type;
    double tolerance;  // 0 for the integer lists
};

const CExpectedValue kCalcResultValues[] = {
    {L"振型参与质量_X向_％", typeid(CTmFloatData), 0.1f},
    {L"振型参与质量_Y向_％", typeid(CTmFloatData), 0.1f},
    {L"第一周期_s", typeid(CTmFloatData), 0.05f},
    {L"第二周期_s", typeid(CTmFloatData), 0.05f},
    {L"第三周期_s", typeid(CTmFloatData), 0.05f},
    {L"地震作用下基底剪力_X向_kN", typeid(CTmFloatData), 0.1f},
    {L"地震作用下基底剪力_Y向_kN", typeid(CTmFloatData), 0.1f},
    {L"首层剪重比_X向_％", typeid(CTmFloatData), 0.1f},
    {L"首层剪重比_Y向_％", typeid(CTmFloatData), 0.1f},
    {L"地震作用下首层倾覆弯矩_X向_kN.m", typeid(CTmFloatData), 0.1f},
    {L"地震作用下首层倾覆弯矩_Y向_kN.m", typeid(CTmFloatData), 0.1f},
    {L"地震位移比_X向", typeid(CTmFloatData), 0.1f},
    {L"地震位移比_Y向", typeid(CTmFloatData), 0.1f},
    {L"地震层间位移比_X向", typeid(CTmFloatData), 0.1f},
    {L"地震层间位移比_Y向", typeid(CTmFloatData), 0.1f},
    {L"地震最大层间位移角_X向", typeid(CTmFloatInverseData), 0.1f},
    {L"地震最大层间位移角_Y向", typeid(CTmFloatInverseData), 0.1f},
    {L"风荷载最大层间位移角_X向", typeid(CTmFloatInverseData), 0.1f},
    {L"风荷载最大层间位移角_Y向", typeid(CTmFloatInverseData), 0.1f},
    {L"结构刚重比_X向", typeid(CTmFloatData), 0.1f},
    {L"结构刚重比_Y向", typeid(CTmFloatData), 0.1f},
    {L"楼层受剪承载力与上层最小比值_X向", typeid(CTmFloatData), 0.1f},
    {L"楼层受剪承载力与上层最小比值_Y向", typeid(CTmFloatData), 0.1f},
    {L"薄弱层_X向", typeid(CTmIntArrayData), 0},
    {L"薄弱层_Y向", typeid(CTmIntArrayData), 0},
};

class CalcResultItemsTest : public ::testing::Test {
protected:
    CalcResultItemsTest() { m_project.m_prjPath = m_dir.WFile(L"frame.prj"); }

    void Write(const std::wstring& suffix, const std::wstring& text)
    {
        tmtest::WriteGbkFile(tmtest::Utf8(m_dir.WFile(L"frame" + suffix)), text);
    }

    float FloatValue(const wchar_t* name)
    {
        CTmData* value = m_project.m_calcResultItem.FindValue(name);
        EXPECT_NE(value, nullptr) << tmtest::Utf8(name);
        if (auto* f = dynamic_cast<CTmFloatData*>(value))
            return f->m_value;
        if (auto* f = dynamic_cast<CTmFloatInverseData*>(value))
            return f->m_value;
        ADD_FAILURE() << "not a float: " << tmtest::Utf8(name);
        return -1;
    }

    std::vector<int32_t> ListValue(const wchar_t* name)
    {
        auto* list = dynamic_cast<CTmIntArrayData*>(m_project.m_calcResultItem.FindValue(name));
        EXPECT_NE(list, nullptr) << tmtest::Utf8(name);
        return list ? list->m_values : std::vector<int32_t>();
    }

    tmtest::CTempDir m_dir;
    CScoringProject m_project;
};

TEST_F(CalcResultItemsTest, AProjectWithoutResultFilesGetsAllTwentySixValuesAtTheirInitialValues)
{
    tmtest::CMessageRecorder recorder;
    m_project.LoadCalcResultItems();
    EXPECT_EQ(recorder.Count(), 0u);

    const CTmDataList& goujian = m_project.m_goujianItem.GetValues();
    ASSERT_EQ(goujian.size(), 1u);
    auto* weight = dynamic_cast<CTmFloatData*>(goujian[0].get());
    ASSERT_NE(weight, nullptr);
    EXPECT_EQ(weight->m_name, L"构件模型和荷载_kN");
    EXPECT_EQ(weight->m_value, 0.0f);
    EXPECT_TRUE(weight->m_relative);
    EXPECT_EQ(weight->m_tolerance, (double)0.05f);
    EXPECT_EQ(weight->m_group, 8);

    const CTmDataList& values = m_project.m_calcResultItem.GetValues();
    ASSERT_EQ(values.size(), 25u);
    for (size_t i = 0; i < values.size(); ++i) {
        const CTmData& value = *values[i];
        const CExpectedValue& expected = kCalcResultValues[i];
        SCOPED_TRACE(tmtest::Utf8(expected.name));
        EXPECT_EQ(value.m_name, expected.name);
        EXPECT_EQ(typeid(value), expected.type);
        EXPECT_EQ(value.m_group, 8);
        EXPECT_FALSE(value.m_selected);
        EXPECT_EQ(value.m_score, 0.0f);
        if (auto* f = dynamic_cast<const CTmFloatData*>(&value)) {
            EXPECT_TRUE(f->m_relative);
            EXPECT_EQ(f->m_tolerance, expected.tolerance);
            EXPECT_EQ(f->m_value, 0.0f);
        } else if (auto* d = dynamic_cast<const CTmFloatInverseData*>(&value)) {
            EXPECT_TRUE(d->m_relative);
            EXPECT_EQ(d->m_tolerance, expected.tolerance);
            EXPECT_EQ(d->m_value, 1.0e20f);
        } else {
            EXPECT_TRUE(dynamic_cast<const CTmIntArrayData&>(value).m_values.empty());
        }
    }
    // The percent sign of the names is the full-width one.
    EXPECT_EQ(values[0]->m_name.back(), L'\xFF05');
    EXPECT_EQ(values[0]->GetValueText(), L"0");
    EXPECT_EQ(values[15]->GetValueText(), L"1/1e+20");
}

TEST_F(CalcResultItemsTest, MassParticipationPrintedAs95Point6Becomes95Point6)
{
    Write(L"_周期和地震作用.txt",
          L"        折减前振动周期(秒)、振型参与质量\n"
          L" 振型号    周期(s)   X向参与质量(%)   Y向参与质量(%)\n"
          L" 合计:                  95.60            96.20\n");
    m_project.LoadCalcResultItems();
    EXPECT_EQ(FloatValue(L"振型参与质量_X向_％"), 95.6f);
    EXPECT_EQ(FloatValue(L"振型参与质量_Y向_％"), 96.2f);
    EXPECT_EQ(m_project.m_calcResultItem.FindValue(L"振型参与质量_X向_％")->GetValueText(), L"95.6");
}

TEST_F(CalcResultItemsTest, ShearWeightRatioIsShownInPercent)
{
    Write(L"_水平力效应验算.txt",
          L"          地震作用的剪重比\n"
          L"          地震作用的剪重比\n"
          L"  0.00度地震方向..\n"
          L" 层号  塔号     Vx(kN)      Gx(kN)   剪重比(%)   限值(%)\n"
          L" -------------------------------------------------------\n"
          L"     1     1    1120.90    15900.00      7.05      1.60\n"
          L"\n"
          L"  90.00度地震方向..\n"
          L" 层号  塔号     Vy(kN)      Gy(kN)   剪重比(%)   限值(%)\n"
          L" -------------------------------------------------------\n"
          L"     1     1    1100.00    15900.00      6.92      1.60\n");
    m_project.LoadCalcResultItems();
    EXPECT_EQ(FloatValue(L"首层剪重比_X向_％"), 7.05f);
    EXPECT_EQ(FloatValue(L"首层剪重比_Y向_％"), 6.92f);
}

std::wstring DisplacementFile(bool withYEccentricity)
{
    using resulttext::DisplacementTable;
    std::wstring text = std::wstring(L" ORVEX18 结构位移\n 目录: 给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n") +
                        DisplacementTable(L"-- 地震方向0度", {{2, 1.10f, 1.12f}}, 700) +
                        DisplacementTable(L"-- 地震方向90度", {{2, 1.08f, 1.09f}}, 750) +
                        L"    给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比\n" +
                        DisplacementTable(L"-- +ex地震方向0度", {{2, 1.20f, 1.22f}}, 650);
    if (withYEccentricity)
        text += DisplacementTable(L"-- +ex地震方向90度", {{2, 1.18f, 1.19f}}, 660);
    return text;
}

TEST_F(CalcResultItemsTest, EccentricityTablesOfBothDirectionsGiveTheFourRatios)
{
    Write(L"_结构位移.txt", DisplacementFile(true));
    m_project.LoadCalcResultItems();
    EXPECT_EQ(FloatValue(L"地震位移比_X向"), 1.20f);
    EXPECT_EQ(FloatValue(L"地震位移比_Y向"), 1.18f);
    EXPECT_EQ(FloatValue(L"地震层间位移比_X向"), 1.22f);
    EXPECT_EQ(FloatValue(L"地震层间位移比_Y向"), 1.19f);
    EXPECT_EQ(FloatValue(L"地震最大层间位移角_X向"), 700.0f);
    EXPECT_EQ(m_project.m_calcResultItem.FindValue(L"地震最大层间位移角_Y向")->GetValueText(), L"1/750");
}

TEST_F(CalcResultItemsTest, EccentricityForPlusExOnlyInXKeepsThePlainEarthquakeRatios)
{
    Write(L"_结构位移.txt", DisplacementFile(false));
    m_project.LoadCalcResultItems();
    EXPECT_EQ(FloatValue(L"地震位移比_X向"), 1.10f);
    EXPECT_EQ(FloatValue(L"地震位移比_Y向"), 1.08f);
    EXPECT_EQ(FloatValue(L"地震层间位移比_X向"), 1.12f);
    EXPECT_EQ(FloatValue(L"地震层间位移比_Y向"), 1.09f);
}

TEST_F(CalcResultItemsTest, WeakStoreysAreListedInTheOrderFoundEachOnce)
{
    Write(L"_结构信息.txt",
          L"  侧向刚度比(抗规3.4.3条文说明)\n"
          L"  0(度)方向..\n"
          L" 层号 塔号     Kx(kN/m)     Ratx1    比值\n"
          L"     5    1    8.500E+05    1.0000    1.2000\n"
          L"     2    1    9.876E+05    0.7000    1.0500\n"
          L"     5    1    8.500E+05    1.0000    1.2000\n"
          L"\n"
          L"  90(度)方向..\n"
          L" 层号 塔号     Ky(kN/m)     Raty1    比值\n"
          L"     1    1    1.100E+06    1.2000    0.9000\n");
    m_project.LoadCalcResultItems();
    EXPECT_EQ(ListValue(L"薄弱层_X向"), (std::vector<int32_t>{5, 2}));
    EXPECT_EQ(m_project.m_calcResultItem.FindValue(L"薄弱层_X向")->GetValueText(), L"5,2");
    EXPECT_TRUE(ListValue(L"薄弱层_Y向").empty());
}

TEST_F(CalcResultItemsTest, TheBasementStoreyCountOfTheGeneralItemChoosesTheFirstStorey)
{
    Write(L"_周期和地震作用.txt",
          L"        折减前振动周期(秒)、振型参与质量\n"
          L" 合计:                  95.60            96.20\n"
          L"                 地震反应谱分析结果\n"
          L"                 地震反应谱分析结果\n"
          L"  0.0度方向..\n"
          L" 层号  塔号     Fx(kN)     Vx(kN)    Mx(kN.m)  Static Fx(kN)\n"
          L"     3     1     200.00     300.00     1320.00     200.00\n"
          L"     1     1     260.00     810.00     6051.00     260.00\n"
          L"\n"
          L"  90.0度方向..\n"
          L" 层号  塔号     Fy(kN)     Vy(kN)    My(kN.m)  Static Fy(kN)\n"
          L"     3     1     210.00     310.00     1330.00     210.00\n"
          L"     1     1     270.00     820.00     6060.00     270.00\n");
    m_project.m_genInfoItem.m_basementFloorCount = 2;
    m_project.LoadCalcResultItems();
    EXPECT_EQ(FloatValue(L"地震作用下基底剪力_X向_kN"), 300.0f);
    EXPECT_EQ(FloatValue(L"地震作用下首层倾覆弯矩_Y向_kN.m"), 1330.0f);
}

TEST_F(CalcResultItemsTest, BuildingTheValuesAgainWithoutEmptyingTheItemsIsRefusedByName)
{
    m_project.LoadCalcResultItems();
    tmtest::CMessageRecorder recorder;
    m_project.LoadCalcResultItems();
    EXPECT_EQ(m_project.m_calcResultItem.GetValues().size(), 25u);
    EXPECT_EQ(m_project.m_goujianItem.GetValues().size(), 1u);
    ASSERT_EQ(recorder.Count(), 26u);
    EXPECT_EQ(recorder.Messages()[0].text, L"结构模型与荷载字段 构件模型和荷载_kN 重名,请另外命名一个名字!");
    EXPECT_EQ(recorder.Messages()[1].text, L"计算结果字段 振型参与质量_X向_％ 重名,请另外命名一个名字!");
}

}  // namespace
