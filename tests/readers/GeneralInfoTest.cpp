// The general sections of the ORVEX block and the KELDA block.
#include <gtest/gtest.h>

#include "scoring/ScoringProject.h"
#include "tests/readers/PrjFixture.h"
#include "tests/support/MessageRecorder.h"

using tmtest::CMessageRecorder;
using tmtest::CPrjFixture;
using tmtest::NumberLine;
using tmtest::ReadPrjText;
using tmtest::ValueText;

namespace {

struct CExpectedValue {
    const wchar_t* m_name;
    int m_type;
    int m_group;
    const wchar_t* m_text;
};

const int C = TM_DATA_CHAR, S = TM_DATA_INT16, I = TM_DATA_INT, F = TM_DATA_FLOAT, IA = TM_DATA_INT_ARRAY,
          FA = TM_DATA_FLOAT_ARRAY, SA = TM_DATA_STRING_ARRAY;

// Every value of the default fixture, in the order of creation.
const CExpectedValue kDefaultValues[] = {
    {L"结构计算总层数", I, 0, L"3"},
    {L"地下室层数", S, 0, L"2"},
    {L"有侧约束的地下室层数", S, 0, L"1"},
    {L"结构形式", C, 0, L"3"},
    {L"结构材料信息", C, 0, L"4"},
    {L"结构重要性系数", F, 0, L"1.1"},
    {L"竖向荷载计算标志", C, 0, L"5"},
    {L"考虑重力二阶效应", C, 0, L"6"},
    {L"梁柱重叠部分简化为刚域", C, 0, L"7"},
    {L"钢柱计算长度系数有无考虑侧移标志", C, 0, L"8"},
    {L"墙竖向细分尺寸", F, 0, L"2.5"},
    {L"墙水平细分尺寸", F, 0, L"1.5"},
    {L"是否异形柱结构", C, 0, L"9"},
    {L"砼柱计算长度系数计算原则", C, 0, L"10"},
    {L"所有楼层强制采用刚性楼板假定", C, 0, L"11"},
    {L"嵌固层最大结构层号", S, 0, L"12"},
    {L"考虑填充墙刚度", C, 0, L"13"},
    {L"梁配筋计算考虑板的影响", C, 0, L"15"},
    {L"梁配筋计算考虑压筋的影响", C, 0, L"16"},
    {L"是否为高层结构", C, 0, L"17"},
    {L"是否满足广东高层", C, 0, L"18"},
    {L"转换层所在的结构层号", IA, 0, L""},
    {L"薄弱的结构层号", IA, 0, L""},
    {L"加强层所在的结构层号", IA, 0, L""},
    {L"地震力计算标志", C, 1, L"1"},
    {L"地震设防烈度", F, 1, L"7.5"},
    {L"场地类别", C, 1, L"2"},
    {L"地震设计分组", C, 1, L"3"},
    {L"水平地震影响系数最大值", F, 1, L"0.12"},
    {L"特征周期", F, 1, L"0.45"},
    {L"计算地震的结构阻尼比", F, 1, L"0.05"},
    {L"振型计算方法", C, 1, L"2"},
    {L"振型组合数", I, 1, L"15"},
    {L"计算扭转的地震方向", C, 1, L"1"},
    {L"曲线下降段的衰减指数", F, 1, L"0.9"},
    {L"框架抗震等级", C, 1, L"3"},
    {L"剪力墙抗震等级", C, 1, L"2"},
    {L"周期折减系数", F, 1, L"0.8"},
    {L"全楼地震力放大系数", F, 1, L"1.1"},
    {L"顶部小塔楼考虑鞭梢效应的层数", C, 1, L"0"},
    {L"顶部小塔楼考虑鞭梢效应的放大系数", F, 1, L"1.5"},
    {L"考虑偶然偏心", C, 1, L"1"},
    {L"框架剪力调整段数", I, 1, L"0"},
    {L"性能设计级别", C, 1, L"-1"},
    {L"计算竖向振型", C, 1, L"0"},
    {L"构造抗震等级", C, 1, L"4"},
    {L"地震水准", C, 1, L"1"},
    {L"调整系数0.2V0上限", F, 1, L"2.5"},
    {L"框支柱调整系数上限", F, 1, L"4.5"},
    {L"地震方向角", FA, 1, L""},
    {L"偶然偏心时质量偏心", FA, 1, L""},
    {L"顶部小塔楼考虑鞭梢效应的层号", IA, 1, L""},
    {L"剪力调整Vo所在的层号", IA, 1, L""},
    {L"风力计算标志", C, 2, L"1"},
    {L"坡地建筑一层相对风为0的标高", F, 2, L"-0.3"},
    {L"地面粗糙度", C, 2, L"2"},
    {L"风体形系数分段数", C, 2, L"1"},
    {L"第1段体形系数最高层号", I, 2, L"12"},
    {L"第2段体形系数最高层号", I, 2, L"0"},
    {L"第3段体形系数最高层号", I, 2, L"0"},
    {L"计算风的结构阻尼比", F, 2, L"0.04"},
    {L"考虑横风向风振影响", C, 2, L"0"},
    {L"第1阶扭转周期", F, 2, L"0.3"},
    {L"计算舒适度的结构阻尼比", F, 2, L"0.015"},
    {L"承载力设计时风荷载效应放大系数", F, 2, L"1.1"},
    {L"计算横风振时结构截面类型", C, 2, L"1"},
    {L"考虑扭转风振影响", C, 2, L"0"},
    {L"风方向", FA, 2, L"0,90"},
    {L"计算风荷载的基本风压", FA, 2, L"0.55"},
    {L"第1段体型系数", FA, 2, L"1.3"},
    {L"第2段体型系数", FA, 2, L"0"},
    {L"第3段体型系数", FA, 2, L"0"},
    {L"计算风的结构自振基本周期", FA, 2, L"0.6"},
    {L"计算舒适度的基本风压", FA, 2, L"0.3"},
    {L"角沿修正比例", FA, 2, L"0.1"},
    {L"连梁刚度折减系数", F, 3, L"0.7"},
    {L"中梁刚度放大系数", F, 3, L"1.8"},
    {L"梁负弯矩调幅系数", F, 3, L"0.85"},
    {L"梁正负弯矩放大系数", F, 3, L"1"},
    {L"梁扭矩折减系数", F, 3, L"0.4"},
    {L"转换梁地震内力增大系数", F, 3, L"1.5"},
    {L"是否要进行墙柱基础活荷载折减标志", C, 3, L"1"},
    {L"是否要考虑活载不利布置", I, 3, L"0"},
    {L"墙柱基础活荷载折减系数", FA, 3, L"1,0.9,0.8,0.75,0.65,0.6"},
    {L"高800以上梁中梁刚度放大系数", F, 3, L"1.2"},
    {L"考虑结构使用年限的活载调整系数", F, 3, L"1.05"},
    {L"恒荷载分项系数", F, 3, L"1.3"},
    {L"活荷载分项系数", F, 3, L"1.5"},
    {L"非屋面活载组合值系数", F, 3, L"0.71"},
    {L"屋面活载组合值系数", F, 3, L"0.72"},
    {L"活载重力荷载代表值系数", F, 3, L"0.5"},
    {L"吊车荷载分项系数", F, 3, L"1.41"},
    {L"吊车荷载组合值系数", F, 3, L"0.73"},
    {L"吊车重力荷载代表值系数", F, 3, L"0.51"},
    {L"温度荷载分项系数", F, 3, L"1.42"},
    {L"温度组合值系数", F, 3, L"0.61"},
    {L"雪荷载分项系数", F, 3, L"1.43"},
    {L"雪荷载组合值系数", F, 3, L"0.74"},
    {L"风荷载分项系数", F, 3, L"1.44"},
    {L"风荷载组合系数", F, 3, L"0.62"},
    {L"水平地震荷载分项系数", F, 3, L"1.31"},
    {L"竖向地震荷载分项系数", F, 3, L"0.52"},
    {L"非屋面活载准永久值系数", F, 3, L"0.41"},
    {L"屋面活载准永久值系数", F, 3, L"0.42"},
    {L"吊车荷载准永久值系数", F, 3, L"0.53"},
    {L"雪荷载准永久值系数", F, 3, L"0.54"},
    {L"砼构件容重", F, 4, L"25"},
    {L"梁主筋强度", F, 4, L"360"},
    {L"梁箍筋强度", F, 4, L"270"},
    {L"柱主筋强度", F, 4, L"400"},
    {L"柱箍筋强度", F, 4, L"300"},
    {L"墙端暗柱主筋强度", F, 4, L"435"},
    {L"墙水平分布筋强度", F, 4, L"210"},
    {L"钢构件容重", F, 4, L"78"},
    {L"钢构件牌号", C, 4, L"1"},
    {L"型钢构件牌号", C, 4, L"2"},
    {L"净截面和毛截面比值", F, 4, L"0.85"},
    {L"柱保护层厚度", I, 4, L"20"},
    {L"梁保护层厚度", I, 4, L"25"},
    {L"墙保护层厚度", I, 4, L"15"},
    {L"板保护层厚度", I, 4, L"18"},
    {L"混凝土热膨胀系数", F, 4, L"1e-05"},
    {L"钢热膨胀系数", F, 4, L"1.2e-05"},
    {L"板钢筋级别或强度", F, 4, L"400"},
    {L"墙箍筋强度", F, 4, L"210"},
    {L"X向基床反力系数", F, 5, L"8000"},
    {L"Y向基床反力系数", F, 5, L"9000"},
};

// Reads fixture and returns the general item; the read result goes to read.
const CScoringGenInfoItem& Read(const CPrjFixture& fixture, CScoringProject& project, bool* read = nullptr)
{
    const bool result = ReadPrjText(fixture.Text(), project);
    if (read)
        *read = result;
    return project.m_genInfoItem;
}

std::wstring Text(const CScoringProject& project, const wchar_t* name)
{
    return ValueText(project.m_genInfoItem, name);
}

}  // namespace

TEST(OrvexGeneralInfo, EveryFieldBecomesItsValueInFileOrder)
{
    CMessageRecorder recorder;
    CScoringProject project;
    bool read = false;
    const CScoringGenInfoItem& item = Read(CPrjFixture(), project, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(recorder.Count(), 0u);
    const size_t expected = sizeof kDefaultValues / sizeof kDefaultValues[0];
    ASSERT_EQ(item.m_values.size(), expected);
    for (size_t i = 0; i < expected; ++i) {
        const CTmData& value = *item.m_values[i];
        SCOPED_TRACE(kDefaultValues[i].m_name);
        EXPECT_EQ(value.m_name, kDefaultValues[i].m_name);
        EXPECT_EQ(value.m_type, kDefaultValues[i].m_type);
        EXPECT_EQ(value.m_group, kDefaultValues[i].m_group);
        EXPECT_EQ(value.GetValueText(), kDefaultValues[i].m_text);
        EXPECT_FALSE(value.m_selected);
    }
    EXPECT_EQ(item.m_floorCount, 3);
    EXPECT_EQ(item.m_basementFloorCount, 1);
    EXPECT_EQ(item.m_resultOption, 14);
}

TEST(OrvexGeneralInfo, FloatsCompareWithinAnAbsoluteHundredth)
{
    CScoringProject project;
    Read(CPrjFixture(), project);
    const CTmData* value = project.m_genInfoItem.FindValue(L"特征周期");
    ASSERT_NE(value, nullptr);
    const CTmFloatData* real = dynamic_cast<const CTmFloatData*>(value);
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(real->m_tolerance, 0.01);
    EXPECT_FALSE(real->m_relative);
    const CTmFloatArrayData* list =
        dynamic_cast<const CTmFloatArrayData*>(project.m_genInfoItem.FindValue(L"风方向"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_tolerance, 0.01);
}

TEST(OrvexGeneralInfo, HeaderWithoutVersion0632SkipsTheOldSixteenLineBlock)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_header = L"ORVEX Version06.3 2019";
    // The old block is 16 lines, whatever they hold; these look like the
    // new sections but must not be read as such.
    const tmtest::CLines sections = fixture.m_orvex.Lines();
    fixture.m_oldOrvexBlock.assign(sections.begin(), sections.begin() + 16);
    bool read = false;
    const CScoringGenInfoItem& item = Read(fixture, project, &read);
    EXPECT_TRUE(read);
    ASSERT_EQ(item.m_values.size(), 1u);
    EXPECT_EQ(item.m_values[0]->m_name, L"结构计算总层数");
    EXPECT_EQ(item.m_resultOption, 0);
    // The walk went on in step: the load cases after the tables were read.
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(OrvexGeneralInfo, TwelveValueGeneralLineGivesZerosAndNoStoreyLists)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_general = {L"总信息", L"1 1 0 1 2 1.0 1 1 0 0 2 2"};
    bool read = false;
    Read(fixture, project, &read);
    EXPECT_TRUE(read);
    for (const wchar_t* name : {L"是否异形柱结构", L"砼柱计算长度系数计算原则", L"所有楼层强制采用刚性楼板假定",
                                L"嵌固层最大结构层号", L"考虑填充墙刚度", L"梁配筋计算考虑板的影响",
                                L"梁配筋计算考虑压筋的影响", L"是否为高层结构", L"是否满足广东高层"})
        EXPECT_EQ(Text(project, name), L"0") << name;
    EXPECT_EQ(Text(project, L"墙水平细分尺寸"), L"2");
    EXPECT_EQ(Text(project, L"薄弱的结构层号"), L"");
    EXPECT_EQ(project.m_genInfoItem.m_resultOption, 0);
    // The earthquake section followed at once.
    EXPECT_EQ(Text(project, L"地震设防烈度"), L"7.5");
}

TEST(OrvexGeneralInfo, StoreyListsFollowTheGeneralLineWhenTheirCountsArePositive)
{
    CScoringProject project;
    CPrjFixture fixture;
    //                                  #2 = 1             #16 = 2  #18 = 1
    fixture.m_orvex.m_general = {L"总信息", L"2 1 1 3 4 1.1 5 6 7 8 2.5 1.5 9 10 11 12 2 13 1 14 15 16 17 18",
                                 L"3", L"5, 8", L"10 11 / 12"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"转换层所在的结构层号"), L"3");
    EXPECT_EQ(Text(project, L"薄弱的结构层号"), L"5,8");
    EXPECT_EQ(Text(project, L"加强层所在的结构层号"), L"10,11");
    EXPECT_EQ(Text(project, L"地震设防烈度"), L"7.5");
}

TEST(OrvexGeneralInfo, FailingStoreyListLineEndsTheBlockBeforeTheLists)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_general = {L"总信息", L"2 1 1 3 4 1.1 5 6 7 8 2.5 1.5 9 10 11 12 0 13 0 14 15 16 17 18",
                                 L"3.5"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"是否满足广东高层"), L"18");
    EXPECT_EQ(Text(project, L"转换层所在的结构层号"), L"<none>");
    EXPECT_EQ(Text(project, L"地震设防烈度"), L"<none>");
    ASSERT_GE(recorder.Count(), 1u);
    EXPECT_NE(recorder.Messages()[0].text.find(L"不可识别的整型数"), std::wstring::npos);
}

TEST(OrvexGeneralInfo, ConversionsNudgeTruncateAndCut)
{
    CScoringProject project;
    CPrjFixture fixture;
    // #0 70000 keeps its low 16 bits; #3 300 its low 8 bits; #4 0.9995 is
    // 0 by int, #12 0.9995 is 1 by int′; #6 -2.5 truncates toward zero.
    fixture.m_orvex.m_general = {L"总信息",
                                 L"70000 1 0 300 0.9995 1.1 -2.5 6 7 8 2.5 1.5 0.9995 10 11 12 0 13 0 14 15 16 17 18"};
    // #2 site class -1 stays -1 (int±); as int it would be 0.
    fixture.m_orvex.m_earthquake[1] = L"1 7.5 -1 3 0.12 0.45 0.05 2 15 1 0 0.9 0 0";
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"地下室层数"), L"4464");
    EXPECT_EQ(Text(project, L"结构形式"), L"44");
    EXPECT_EQ(Text(project, L"结构材料信息"), L"0");
    EXPECT_EQ(Text(project, L"是否异形柱结构"), L"1");
    EXPECT_EQ(Text(project, L"竖向荷载计算标志"), L"-2");
    EXPECT_EQ(Text(project, L"场地类别"), L"-1");
}

TEST(OrvexGeneralInfo, EarthquakeDirectionsTakeAnglesAndEccentricitiesFromTheThirdLine)
{
    CScoringProject project;
    CPrjFixture fixture;
    //                                                                    D = 2
    fixture.m_orvex.m_earthquake = {L"地震信息", L"1 7.5 2 3 0.12 0.45 0.05 2 15 1 2 0.9",
                                    L"3 2 0.8 1.1 0 1.5 1 0 -1 0 4 1 2.5 4.5", L"0 45 0.05 0.06"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"地震方向角"), L"0,45");
    EXPECT_EQ(Text(project, L"偶然偏心时质量偏心"), L"0.05,0.06");
}

TEST(OrvexGeneralInfo, EccentricitiesTheLineLacksAreFive)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_earthquake = {L"地震信息", L"1 7.5 2 3 0.12 0.45 0.05 2 15 1 2 0.9",
                                    L"3 2 0.8 1.1 0 1.5 1 0 -1 0 4 1 2.5 4.5", L"0 45"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"地震方向角"), L"0,45");
    EXPECT_EQ(Text(project, L"偶然偏心时质量偏心"), L"5,5");
}

TEST(OrvexGeneralInfo, ShortSecondEarthquakeLineGivesItsDefaults)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_earthquake = {L"地震信息", L"1 7.5 2 3 0.12 0.45 0.05 2 15 1 0", L"3 2 0.8 1.1 0 1.5 1 0"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"曲线下降段的衰减指数"), L"0");
    EXPECT_EQ(Text(project, L"性能设计级别"), L"0");
    EXPECT_EQ(Text(project, L"地震水准"), L"0");
    EXPECT_EQ(Text(project, L"调整系数0.2V0上限"), L"2");
    EXPECT_EQ(Text(project, L"框支柱调整系数上限"), L"5");
}

TEST(OrvexGeneralInfo, WhipAndShearStoreyLinesFollowWhenCounted)
{
    CScoringProject project;
    CPrjFixture fixture;
    //                               #4 = 2 whip storeys, #7 = 1 shear segment
    fixture.m_orvex.m_earthquake = {L"地震信息", L"1 7.5 2 3 0.12 0.45 0.05 2 15 1 0 0.9 0 0",
                                    L"3 2 0.8 1.1 2 1.5 1 1 -1 0 4 1 2.5 4.5", L"11 12", L"1 6"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"顶部小塔楼考虑鞭梢效应的层号"), L"11,12");
    EXPECT_EQ(Text(project, L"剪力调整Vo所在的层号"), L"1,6");
    EXPECT_EQ(Text(project, L"风力计算标志"), L"1");
}

TEST(OrvexGeneralInfo, ThreeWindDirectionsWithoutTheirLinesRepeatDirectionOne)
{
    CScoringProject project;
    CPrjFixture fixture;
    //                                                              R = 3
    fixture.m_orvex.m_wind = {L"风信息", L"1 0.55 -0.3 2 1 12 1.3 0 0 0 0 0.6 3 0.04 0 0.3 0.3 0.015 1.1 1 0 0.1",
                              L"0 90 180"};
    bool read = false;
    Read(fixture, project, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(Text(project, L"风方向"), L"0,90,180");
    EXPECT_EQ(Text(project, L"计算风荷载的基本风压"), L"0.55,0.55,0.55");
    EXPECT_EQ(Text(project, L"第1段体型系数"), L"1.3,1.3,1.3");
    EXPECT_EQ(Text(project, L"第2段体型系数"), L"0,0,0");
    EXPECT_EQ(Text(project, L"第3段体型系数"), L"0,0,0");
    EXPECT_EQ(Text(project, L"计算风的结构自振基本周期"), L"0.6,0.6,0.6");
    EXPECT_EQ(Text(project, L"计算舒适度的基本风压"), L"0.3,0.3,0.3");
    EXPECT_EQ(Text(project, L"角沿修正比例"), L"0.1,0.1,0.1");
    EXPECT_EQ(Text(project, L"连梁刚度折减系数"), L"0.7");
}

TEST(OrvexGeneralInfo, FurtherWindDirectionsComeFromTheirOwnLines)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_wind = {L"风信息", L"1 0.55 -0.3 2 1 12 1.3 0 0 0 0 0.6 3 0.04 0 0.3 0.3 0.015 1.1 1 0 0.1",
                              L"0 90 180", L"0.6 1.2 0.1 0.2 0.7 0.35 0.2", L"0.65 1.4 0.3 0.4 0.8"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"计算风荷载的基本风压"), L"0.55,0.6,0.65");
    EXPECT_EQ(Text(project, L"第1段体型系数"), L"1.3,1.2,1.4");
    EXPECT_EQ(Text(project, L"第2段体型系数"), L"0,0.1,0.3");
    EXPECT_EQ(Text(project, L"第3段体型系数"), L"0,0.2,0.4");
    EXPECT_EQ(Text(project, L"计算风的结构自振基本周期"), L"0.6,0.7,0.8");
    // The second further line has no #5 and #6: those lists are shorter.
    EXPECT_EQ(Text(project, L"计算舒适度的基本风压"), L"0.3,0.35");
    EXPECT_EQ(Text(project, L"角沿修正比例"), L"0.1,0.2");
    EXPECT_EQ(Text(project, L"连梁刚度折减系数"), L"0.7");
}

TEST(OrvexGeneralInfo, ShortWindLineTakesItsDefaults)
{
    CScoringProject project;
    CPrjFixture fixture;
    // 13 values: R = 0, so no direction line; #13 to #21 take defaults.
    fixture.m_orvex.m_wind = {L"风信息", L"1 0.55 -0.3 2 1 12 1.3 0 0 0 0 0.6 0"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"计算风的结构阻尼比"), L"0.05");  // the earthquake's
    EXPECT_EQ(Text(project, L"第1阶扭转周期"), L"0.2");
    EXPECT_EQ(Text(project, L"计算舒适度的结构阻尼比"), L"0.02");
    EXPECT_EQ(Text(project, L"承载力设计时风荷载效应放大系数"), L"1");
    EXPECT_EQ(Text(project, L"计算舒适度的基本风压"), L"0.55");
    EXPECT_EQ(Text(project, L"角沿修正比例"), L"0");
    EXPECT_EQ(Text(project, L"风方向"), L"");
    EXPECT_EQ(Text(project, L"连梁刚度折减系数"), L"0.7");
}

TEST(OrvexGeneralInfo, MissingCombinationTitleKeepsTheEarlierSections)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_combination[0] = L"荷载组合";
    Read(fixture, project);
    ASSERT_GE(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, L"读取'组合系数'出错!");
    EXPECT_EQ(recorder.Messages()[0].caption, L"警告");
    EXPECT_EQ(Text(project, L"考虑结构使用年限的活载调整系数"), L"1.05");
    EXPECT_EQ(Text(project, L"地震设防烈度"), L"7.5");
    EXPECT_EQ(Text(project, L"恒荷载分项系数"), L"<none>");
    EXPECT_EQ(Text(project, L"砼构件容重"), L"<none>");
    EXPECT_EQ(Text(project, L"X向基床反力系数"), L"<none>");
}

TEST(OrvexGeneralInfo, EachMissingTitleShowsItsOwnMessage)
{
    const wchar_t* messages[] = {L"读取'总信息'出错!", L"读取'地震信息'出错!", L"读取'风信息'出错!",
                                 L"读取'调整信息'出错!", L"读取'组合系数'出错!", L"读取'材料信息'出错!",
                                 L"读取'基础信息'出错!"};
    for (int section = 0; section < 7; ++section) {
        CMessageRecorder recorder;
        CScoringProject project;
        CPrjFixture fixture;
        tmtest::CLines* lines[] = {&fixture.m_orvex.m_general,     &fixture.m_orvex.m_earthquake,
                                   &fixture.m_orvex.m_wind,        &fixture.m_orvex.m_adjustment,
                                   &fixture.m_orvex.m_combination, &fixture.m_orvex.m_material,
                                   &fixture.m_orvex.m_foundation};
        (*lines[section])[0] = L"其它信息";
        Read(fixture, project);
        ASSERT_GE(recorder.Count(), 1u) << section;
        EXPECT_EQ(recorder.Messages()[0].text, messages[section]);
    }
}

TEST(OrvexGeneralInfo, ShortAdjustmentAndMaterialLinesTakeTheirDefaults)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_adjustment = {L"调整信息", L"0.7 1.8 0.85 1.0 0.4 1.5 1 0"};
    fixture.m_orvex.m_material = {L"材料信息", L"25 360 270 400 300 435 210 78 1 2 0.85 20 25 15 18 1e-05 1.2e-05"};
    Read(fixture, project);
    EXPECT_EQ(Text(project, L"墙柱基础活荷载折减系数"), L"1,0.85,0.7,0.65,0.6,0.55");
    EXPECT_EQ(Text(project, L"高800以上梁中梁刚度放大系数"), L"1");
    EXPECT_EQ(Text(project, L"考虑结构使用年限的活载调整系数"), L"1");
    EXPECT_EQ(Text(project, L"板钢筋级别或强度"), L"360");
    EXPECT_EQ(Text(project, L"墙箍筋强度"), L"210");
}

TEST(OrvexGeneralInfo, TimeHistorySectionGivesItsValuesAndWaveNames)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_orvex.m_timeHistory = {L"时程信息", L"-2 35 29.75 22.75", L"TH1TG035", L"人工波 RH2"};
    bool read = false;
    Read(fixture, project, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(Text(project, L"主分量峰值加速度值"), L"35");
    EXPECT_EQ(Text(project, L"垂直分量峰值加速度值"), L"22.75");
    EXPECT_EQ(Text(project, L"地震波波速"), L"0");
    const CTmData* waves = project.m_genInfoItem.FindValue(L"计算时程分析采用的地震波");
    ASSERT_NE(waves, nullptr);
    EXPECT_EQ(waves->m_group, 6);
    EXPECT_EQ(waves->GetValueText(), L"TH1TG035,人工波 RH2");
    // The walk went on after the two names.
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(KeldaGeneralInfo, BlockIsReadWithItsOptionalLinesAndDiscarded)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_kelda.Set({
        L"总信息", L"1 1 1 0 0 0 0 0 0 0 0 0 0 0", L"4 5",                       // #2 > 0: an integer line
        L"地震信息", L"0 0 0 0 0 0 0 0 0 0 1", L"0 0 0 0 1 0 0 1", L"0 0 0",   // x > 0: a real line
        L"10", L"3",                                                          // a > 0, b > 0
        L"风信息", L"0 0 0 0 0 0 0 0 0 0 0 0 3", L"0 90 180", L"1 1", L"2 2", // e = 3: two lines
        L"调整信息", NumberLine(8),
        L"组合系数", NumberLine(20),
        L"材料信息", NumberLine(18),
        L"基础信息", L"1 2",
    });
    bool read = false;
    Read(fixture, project, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(project.m_genInfoItem.m_values.size(), sizeof kDefaultValues / sizeof kDefaultValues[0]);
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(KeldaGeneralInfo, WindDirectionsWithoutLinesAreNotRead)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_kelda.Set({
        L"总信息", NumberLine(14, 0, 0),
        L"地震信息", NumberLine(11, 0, 0), NumberLine(8, 0, 0),
        L"风信息", L"0 0 0 0 0 0 0 0 0 0 0 0 3", L"0 90 180",
        L"调整信息", NumberLine(8),
        L"组合系数", NumberLine(20),
        L"材料信息", NumberLine(18),
        L"基础信息", L"1 2",
    });
    bool read = false;
    Read(fixture, project, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(KeldaGeneralInfo, MissingTitleEndsTheBlockWithItsMessage)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_kelda.Set({L"总信息", NumberLine(14, 0, 0), L"别的信息"});
    Read(fixture, project);
    ASSERT_GE(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Messages()[0].text, L"读取'地震信息'出错!");
    // The general values of the ORVEX block before it are all there.
    EXPECT_EQ(Text(project, L"X向基床反力系数"), L"8000");
}
