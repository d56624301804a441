// The floor tables, the sections after them and the per-storey values.
#include <gtest/gtest.h>

#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tests/readers/PrjFixture.h"
#include "tests/support/MessageRecorder.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;
using tmtest::CLines;
using tmtest::CMessageRecorder;
using tmtest::CPrjFixture;
using tmtest::NumberLine;
using tmtest::ReadPrjText;
using tmtest::RunLines;
using tmtest::ValueLines;

namespace {

// Reads fixture and makes the per-storey values for its storey count.
bool ReadWithFloorValues(const CPrjFixture& fixture, CScoringProject& project)
{
    const bool read = ReadPrjText(fixture.Text(), project);
    if (read)
        CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
    return read;
}

// The value of one quantity for storeys 1 to n, as "a|b|c".
std::wstring Storeys(const CScoringProject& project, const wchar_t* format, int n)
{
    std::wstring all;
    for (int g = 1; g <= n; ++g) {
        if (g > 1)
            all += L"|";
        all += tmtest::ValueText(project.m_layerInfoItem, stringFormat(format, g));
    }
    return all;
}

// A file that ends after the analysis-program blocks.
CPrjFixture WithoutTables(int floorCount)
{
    CPrjFixture fixture(floorCount);
    fixture.m_floorTables.clear();
    fixture.m_loadCaseLine.clear();
    fixture.m_optimization.clear();
    fixture.m_loadCases.clear();
    return fixture;
}

// The "VESKO" block: mode flag, lower storeys, heights, storey groups.
CLines StoreyBlock(int flag, const std::vector<double>& lower, const std::vector<double>& heights,
                   const CLines& groups)
{
    CLines lines{std::to_wstring(flag)};
    for (const std::wstring& line : ValueLines(lower, 20))
        lines.push_back(line);
    for (const std::wstring& line : ValueLines(heights, 10))
        lines.push_back(line);
    lines.insert(lines.end(), groups.begin(), groups.end());
    return lines;
}

// Floor tables with the given height runs, wall-and-column grade runs and
// standard-storey lines.
CLines FloorTables(const CLines& standard, const CLines& heights, const CLines& wallGrades)
{
    CLines lines{L"标准层"};
    lines.insert(lines.end(), standard.begin(), standard.end());
    lines.push_back(L"层高");
    lines.insert(lines.end(), heights.begin(), heights.end());
    lines.push_back(L"墙柱砼等级");
    lines.insert(lines.end(), wallGrades.begin(), wallGrades.end());
    for (const wchar_t* title : {L"梁砼等级", L"板砼等级"}) {
        lines.push_back(title);
        lines.push_back(L"0");
    }
    for (int i = 0; i < 3; ++i) {
        lines.push_back(L"其它");
        lines.push_back(L"0");
    }
    return lines;
}

}  // namespace

TEST(FloorValues, ThreeStoreysWithoutTablesTakeTheDefaults)
{
    CMessageRecorder recorder;
    CScoringProject project;
    ASSERT_TRUE(ReadWithFloorValues(WithoutTables(3), project));
    EXPECT_EQ(Storeys(project, L"结构层%d的标准层号", 3), L"1|2|3");
    EXPECT_EQ(Storeys(project, L"结构层%d的下端层号", 3), L"0|1|2");
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 3), L"3|3|3");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 3), L"25|25|25");
    EXPECT_EQ(Storeys(project, L"结构层%d的梁砼等级", 3), L"20|20|20");
    EXPECT_EQ(Storeys(project, L"结构层%d的板砼等级", 3), L"20|20|20");
    EXPECT_EQ(Storeys(project, L"结构层%d的砂浆等级", 3), L"5|5|5");
    EXPECT_EQ(Storeys(project, L"结构层%d的砌块等级", 3), L"7.5|7.5|7.5");
    EXPECT_EQ(recorder.Count(), 0u);
}

TEST(FloorValues, AreMadeInEightPassesOverAllStoreys)
{
    CScoringProject project;
    ASSERT_TRUE(ReadWithFloorValues(CPrjFixture(2), project));
    const wchar_t* names[] = {L"结构层1的标准层号", L"结构层2的标准层号", L"结构层1的下端层号", L"结构层2的下端层号",
                              L"结构层1的层高",     L"结构层2的层高",     L"结构层1的墙柱砼等级", L"结构层2的墙柱砼等级",
                              L"结构层1的梁砼等级", L"结构层2的梁砼等级", L"结构层1的板砼等级", L"结构层2的板砼等级",
                              L"结构层1的砂浆等级", L"结构层2的砂浆等级", L"结构层1的砌块等级", L"结构层2的砌块等级"};
    const CTmDataList& values = project.m_layerInfoItem.m_values;
    ASSERT_EQ(values.size(), 16u);
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i]->m_name, names[i]);
        EXPECT_EQ(values[i]->m_group, 7);
        EXPECT_EQ(values[i]->m_type, i < 4 ? TM_DATA_INT : TM_DATA_FLOAT);
    }
    const CTmFloatData* height = dynamic_cast<const CTmFloatData*>(values[4].get());
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(height->m_tolerance, 0.01);
    EXPECT_FALSE(height->m_relative);
}

TEST(FloorTables, PerStoreyModeTakesHeightsFromTheStoreyTablesNotTheRuns)
{
    CScoringProject project;
    // The fixture's tables: standard tops 1 and 3, heights (1, 4.5) and
    // (3, 3.3), grades 30, 35, 40; no "VESKO" block, so the mode stays on.
    ASSERT_TRUE(ReadWithFloorValues(CPrjFixture(3), project));
    EXPECT_EQ(Storeys(project, L"结构层%d的标准层号", 3), L"1|2|2");
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 3), L"3|3|3");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 3), L"30|30|30");
    EXPECT_EQ(Storeys(project, L"结构层%d的梁砼等级", 3), L"35|35|35");
    EXPECT_EQ(Storeys(project, L"结构层%d的板砼等级", 3), L"40|40|40");
    ASSERT_EQ(project.m_floorTables.m_heightRuns.size(), 2u);
    EXPECT_EQ(project.m_floorTables.m_heightRuns[0].m_value, 4.5f);
}

TEST(FloorTables, HeightRunsFallBackToTheFirstRunAndGradesToTheLast)
{
    CScoringProject project;
    CPrjFixture fixture(12);
    // Mode 0: the runs decide; the per-storey lower storeys given here
    // (all 7) are not used then.
    fixture.m_vesko.Set(StoreyBlock(0, std::vector<double>(12, 7), std::vector<double>(12, 9.9), {L"1", L"12"}));
    fixture.m_floorTables = FloorTables({L"1", L"12"}, RunLines({{5, 3.6}, {10, 3.3}}), RunLines({{5, 30}, {10, 25}}));
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 12), L"3.6|3.6|3.6|3.6|3.6|3.3|3.3|3.3|3.3|3.3|3.6|3.6");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 12), L"30|30|30|30|30|25|25|25|25|25|25|25");
    EXPECT_EQ(Storeys(project, L"结构层%d的下端层号", 12), L"0|1|2|3|4|5|6|7|8|9|10|11");
}

TEST(FloorTables, StandardStoreyIsTheFirstWhoseTopReachesTheStorey)
{
    CScoringProject project;
    CPrjFixture fixture(6);
    fixture.m_floorTables = FloorTables({L"2", L"2 5"}, RunLines({{6, 3}}), RunLines({{6, 30}}));
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(Storeys(project, L"结构层%d的标准层号", 6), L"1|1|2|2|2|1");
}

TEST(FloorTables, StandardStoreysTakeThirtyFivePerLine)
{
    CScoringProject project;
    CPrjFixture fixture(40);
    std::vector<double> tops;
    for (int i = 1; i <= 40; ++i)
        tops.push_back(i);
    CLines standard = ValueLines(tops, 35);
    ASSERT_EQ(standard.size(), 2u);
    standard.insert(standard.begin(), L"40");
    fixture.m_floorTables = FloorTables(standard, RunLines({{40, 3}}), RunLines({{40, 45}}));
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(project.m_floorTables.m_standardStoreyTops.size(), 40u);
    EXPECT_EQ(project.m_floorTables.m_standardStoreyTops[39], 40);
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层40的墙柱砼等级"), L"45");
}

TEST(FloorTables, FortyFiveStoreyBlockTakesHeightsOnFiveLines)
{
    CScoringProject project;
    CPrjFixture fixture(45);
    std::vector<double> lower, heights;
    for (int i = 0; i < 45; ++i) {
        lower.push_back(i < 2 ? 0 : i - 1);  // each storey stands two below
        heights.push_back(i < 40 ? 3.0 + i * 0.01 : 5.5);
    }
    const CLines block = StoreyBlock(1, lower, heights, {L"2", L"20 45"});
    // Flag, 2 full lines of 20 and one of 5, 4 full lines of 10 and one of
    // 5, the group count and its line.
    ASSERT_EQ(block.size(), 1u + 3u + 5u + 2u);
    EXPECT_EQ(block[8], L"5.5 5.5 5.5 5.5 5.5");
    fixture.m_vesko.Set(block);
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层1的层高"), L"3");
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层40的层高"), L"3.39");
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层45的层高"), L"5.5");
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层45的下端层号"), L"43");
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层21的下端层号"), L"19");
    EXPECT_EQ(project.m_floorTables.m_storeyGroups, (std::vector<int32_t>{20, 45}));
    // The standard storeys after the block were read in step.
    EXPECT_EQ(project.m_floorTables.m_standardStoreyTops, (std::vector<int32_t>{22, 45}));
}

TEST(FloorTables, MasonryBlockGivesMortarAndBlockGrades)
{
    CScoringProject project;
    CPrjFixture fixture(6);
    fixture.m_lunta.Set({NumberLine(14), L"砂浆", L"2", L"3 7.5", L"6 5", L"砌块", L"1", L"6 10"});
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(Storeys(project, L"结构层%d的砂浆等级", 6), L"7.5|7.5|7.5|5|5|5");
    EXPECT_EQ(Storeys(project, L"结构层%d的砌块等级", 6), L"10|10|10|10|10|10");
}

TEST(FloorTables, SlantedColumnsAndSteelTubesAreKept)
{
    CScoringProject project;
    CPrjFixture fixture(6);
    fixture.m_slantedColumns.Set({L"2", L"3 30 0.5", L"6 35 0.25"});
    fixture.m_steelTubes.Set({L"2", L"3 25 1.5 7", L"6 30 2 2"});
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    const CFloorTables& tables = project.m_floorTables;
    ASSERT_EQ(tables.m_slantedColumnRuns.size(), 2u);
    EXPECT_EQ(tables.m_slantedColumnRuns[1].m_top, 6);
    EXPECT_EQ(tables.m_slantedColumnRuns[1].m_value2, 0.25f);
    ASSERT_EQ(tables.m_steelTubeRuns.size(), 2u);
    EXPECT_EQ(tables.m_steelTubeRuns[0].m_value3, 1);  // kind 7 is not known
    EXPECT_EQ(tables.m_steelTubeRuns[1].m_value3, 2);
    EXPECT_EQ(tables.m_steelTubeRuns[1].m_value1, 30.0f);
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(FloorTables, OptimisationSectionFillsItsParametersAndAtMostNStoreys)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_optimization = {L"优化信息", L"0.8 0.1 0.7 0.1 0.6 0.1 4 2 3", L"5", L"3", L"2", L"1", L"9", L"9",
                              L"2 2.2 0 1 0", L"1.5 0.1 1.8"};
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    const COptimizationParams& params = project.m_floorTables.m_optimization;
    EXPECT_EQ(params.m_leading[0], 0.8f);
    EXPECT_EQ(params.m_leading[6], 4.0f);
    EXPECT_EQ(params.m_flags[0], 2);
    EXPECT_EQ(params.m_flags[1], 3);
    EXPECT_EQ(params.m_storeyCount, 5);
    EXPECT_EQ(params.m_storeys, (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(params.m_ratios[1], 2.2f);
    EXPECT_EQ(params.m_options[0], 0);
    EXPECT_EQ(params.m_options[1], 1);
    EXPECT_EQ(params.m_limits[2], 1.8f);
    EXPECT_EQ(params.m_tail[0], 3);
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(FloorTables, OtherTextInPlaceOfTheOptimisationTitleIsPassedOver)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_optimization = {L"优化信息 旧版"};
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(project.m_floorTables.m_optimization.m_leading[0], 0.9f);
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(LoadCases, FireLoadGoesBeforeTheFirstCaseOfCodeFive)
{
    CScoringProject project;
    ASSERT_TRUE(ReadWithFloorValues(CPrjFixture(3), project));  // codes 1, 2, 5, 7
    EXPECT_EQ(project.m_loadCaseNames,
              (std::vector<std::wstring>{L"恒荷载", L"活荷载", L"消防荷载", L"风荷载", L"地震"}));
    EXPECT_EQ(project.m_loadCaseShortNames, (std::vector<std::wstring>{L"恒", L"活", L"消", L"风", L"震"}));
    EXPECT_EQ(project.m_loadCaseCodes, (std::vector<int8_t>{1, 2, 13, 5, 7}));
}

TEST(LoadCases, ListWithAFireLoadIsLeftAsItIs)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_loadCases = {L"2", L"恒荷载", L"恒", L"1", L"消防", L"消防", L"13"};
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(project.m_loadCaseNames, (std::vector<std::wstring>{L"恒荷载", L"消防"}));
    EXPECT_EQ(project.m_loadCaseCodes, (std::vector<int8_t>{1, 13}));
}

TEST(LoadCases, OlderHeaderReadsNoListButStillAddsTheFireLoad)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_header = L"ORVEX Version05.1";
    fixture.m_oldOrvexBlock = CLines(16, L"旧版");
    ASSERT_TRUE(ReadWithFloorValues(fixture, project));
    EXPECT_EQ(project.m_loadCaseNames, (std::vector<std::wstring>{L"消防荷载"}));
    EXPECT_EQ(project.m_loadCaseCodes, (std::vector<int8_t>{13}));
}

TEST(LoadCases, FailingCodeLineFailsTheRead)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_loadCases = {L"1", L"恒荷载", L"恒", L"D"};
    EXPECT_FALSE(ReadPrjText(fixture.Text(), project));
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(LoadCases, LoadCaseLineTakesTheValueCountTheFombBlockGives)
{
    CMessageRecorder recorder;
    CPrjFixture fixture(3);
    // With 5 values wanted the letter after them is never reached.
    fixture.m_loadCaseLine = {L"荷载", L"7", L"1 2 3 4 5 x"};
    CScoringProject five;
    EXPECT_TRUE(ReadPrjText(fixture.Text(), five));
    EXPECT_EQ(recorder.Count(), 0u);
    //                                               #12 = 7
    fixture.m_fomb.m_lines[1] = L"1 1 1 1 1 1 1 1 1 1 1 1 7 1 1";
    CScoringProject seven;
    EXPECT_FALSE(ReadPrjText(fixture.Text(), seven));
    EXPECT_EQ(recorder.Count(), 1u);
    // A count below 1 means 5.
    fixture.m_fomb.m_lines[1] = L"1 1 1 1 1 1 1 1 1 1 1 1 0 1 1";
    CScoringProject zero;
    EXPECT_TRUE(ReadPrjText(fixture.Text(), zero));
}
