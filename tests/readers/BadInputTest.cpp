// Counts from a damaged or hostile .prj file: tables keep to N entries, no
// count allocates or loops beyond the file.
#include <gtest/gtest.h>

#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tests/readers/PrjFixture.h"
#include "tests/support/MessageRecorder.h"

using tmtest::CLines;
using tmtest::CMessageRecorder;
using tmtest::CPrjFixture;
using tmtest::NumberLine;
using tmtest::ReadPrjText;
using tmtest::RunLines;

namespace {

const wchar_t kTwoBillion[] = L"2000000000";

// The fixture's floor tables with the height runs replaced.
CLines WithHeightRuns(int floorCount, const CLines& heightRuns)
{
    CLines lines = tmtest::DefaultFloorTables(floorCount);
    // Lines 0-2: standard storeys; 3: "层高"; then "2" and two runs.
    lines.erase(lines.begin() + 4, lines.begin() + 7);
    lines.insert(lines.begin() + 4, heightRuns.begin(), heightRuns.end());
    return lines;
}

}  // namespace

TEST(BadInput, MoreRunsThanStoreysKeepTheFirstN)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_floorTables = WithHeightRuns(3, RunLines({{1, 3.1}, {2, 3.2}, {3, 3.3}, {4, 3.4}, {5, 3.5}}));
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    const CFloorTables& tables = project.m_floorTables;
    ASSERT_EQ(tables.m_heightRuns.size(), 3u);
    EXPECT_EQ(tables.m_heightRuns[2].m_value, 3.3f);
    // The surplus lines were read, not taken for the tables after them.
    EXPECT_EQ(tables.m_wallColumnGradeRuns[0].m_value, 30);
    EXPECT_EQ(project.m_loadCaseNames.size(), 5u);
}

TEST(BadInput, MoreStandardStoreysThanStoreysKeepTheFirstN)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_floorTables[1] = L"40";
    fixture.m_floorTables[2] = NumberLine(35);
    fixture.m_floorTables.insert(fixture.m_floorTables.begin() + 3, NumberLine(5, 36));
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    EXPECT_EQ(project.m_floorTables.m_standardStoreyTops, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(project.m_floorTables.m_beamGradeRuns[0].m_value, 35);
}

TEST(BadInput, NegativeCountsLeaveTheTablesAndReadNoLines)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_floorTables = WithHeightRuns(3, {L"-1"});
    fixture.m_floorTables[1] = L"-2";  // standard storeys, and no line of tops
    fixture.m_floorTables.erase(fixture.m_floorTables.begin() + 2);
    fixture.m_loadCases = {L"-4"};
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    const CFloorTables& tables = project.m_floorTables;
    EXPECT_TRUE(tables.m_standardStoreyTops.empty());
    ASSERT_EQ(tables.m_heightRuns.size(), 1u);
    EXPECT_EQ(tables.m_heightRuns[0].m_value, 3.0f);
    EXPECT_EQ(tables.m_wallColumnGradeRuns[0].m_value, 30);
    EXPECT_EQ(project.m_loadCaseNames, (std::vector<std::wstring>{L"消防荷载"}));
    CreateFloorValues(project, 3);
    EXPECT_EQ(tmtest::ValueText(project.m_layerInfoItem, L"结构层3的标准层号"), L"1");
}

TEST(BadInput, CountOfTwoBillionEndsWithTheFile)
{
    CMessageRecorder recorder;
    {
        // Load cases last in the file: every line left is one case, and
        // the read succeeds when the file ends.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_loadCases = {kTwoBillion, L"恒荷载", L"恒", L"1", L"活荷载", L"活", L"2", L"风荷载"};
        ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(project.m_loadCaseNames.size(), 3u);  // two cases and the fire load
    }
    {
        // A run count: the rest of the file is read as runs until a line
        // that is no run line fails the read.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_floorTables = WithHeightRuns(3, {kTwoBillion, L"1 3.1", L"3 3.3"});
        EXPECT_FALSE(ReadPrjText(fixture.Text(), project));
        EXPECT_LE(project.m_floorTables.m_heightRuns.size(), 3u);
    }
    {
        // Standard storeys, the last thing in the file.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_floorTables = {L"标准层", kTwoBillion, NumberLine(35), NumberLine(35)};
        fixture.m_loadCaseLine.clear();
        fixture.m_optimization.clear();
        fixture.m_loadCases.clear();
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(project.m_floorTables.m_standardStoreyTops, (std::vector<int32_t>{1, 2, 3}));
    }
    {
        // A discarded table, the last thing in the file.
        CScoringProject project;
        CPrjFixture fixture(3);
        CLines& tables = fixture.m_floorTables;
        tables.resize(tables.size() - 5);  // up to the first "其它"
        tables.push_back(kTwoBillion);
        tables.push_back(L"1 2");
        tables.push_back(L"3 4");
        fixture.m_loadCaseLine.clear();
        fixture.m_optimization.clear();
        fixture.m_loadCases.clear();
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(project.m_floorTables.m_slabGradeRuns[0].m_value, 40);
    }
    {
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_optimization = {L"优化信息", NumberLine(9), kTwoBillion, L"1", L"2"};
        fixture.m_loadCases.clear();
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(project.m_floorTables.m_optimization.m_storeys.size(), 3u);
    }
    {
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_vesko.Set({L"1", L"0 1 2", L"3 3 3", kTwoBillion, NumberLine(30)});
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(project.m_floorTables.m_storeyGroups.size(), 3u);
    }
}

TEST(BadInput, CountsInsideTheGeneralSectionsEndWithTheFile)
{
    CMessageRecorder recorder;
    {
        // Wave names: every line left in the file is taken as one.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_orvex.m_timeHistory = {L"时程信息", L"2000000000 35 29.75 22.75", L"TH1"};
        ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
        const CTmStringArrayData* waves = dynamic_cast<const CTmStringArrayData*>(
            project.m_genInfoItem.FindValue(L"计算时程分析采用的地震波"));
        ASSERT_NE(waves, nullptr);
        EXPECT_LT(waves->m_values.size(), 100u);
    }
    {
        // -2147483648 waves: the count's size is taken without overflow.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_orvex.m_timeHistory = {L"时程信息", L"-1e30 35 29.75 22.75", L"TH1"};
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
    }
    {
        // KELDA wind directions.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_kelda.Set({L"总信息", NumberLine(14, 0, 0), L"地震信息", NumberLine(11, 0, 0), NumberLine(8, 0, 0),
                             L"风信息", L"0 0 0 0 0 0 0 0 0 0 0 0 2e9", L"0 90", L"1 1"});
        fixture.m_fomb.m_present = false;
        fixture.m_row10.clear();
        fixture.m_floorTables.clear();
        fixture.m_loadCaseLine.clear();
        fixture.m_optimization.clear();
        fixture.m_loadCases.clear();
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
    }
    {
        // Huge reals where counts are read: saturated, not undefined.
        CScoringProject project;
        CPrjFixture fixture(3);
        fixture.m_orvex.m_general = {L"总信息", L"1e39 -1e39 0 1e30 0 1 1 1 0 0 2 2"};
        fixture.m_orvex.m_earthquake = {L"地震信息", L"1 7 2 3 0.1 0.4 0.05 2 15 1 1e30 0",
                                        L"3 2 0.8 1.1 0 1.5 1 0 1e30 0 4 1"};
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(tmtest::ValueText(project.m_genInfoItem, L"结构形式"), L"-1");  // low 8 bits of INT_MAX
    }
}

TEST(BadInput, FloorCountBeyondAnyBuildingIsRefused)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_floorCount = {kTwoBillion};
    EXPECT_FALSE(ReadPrjText(fixture.Text(), project));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_NE(recorder.Last().text.find(L"结构计算总层数 2000000000"), std::wstring::npos);
    EXPECT_TRUE(project.m_floorTables.m_lowerStoreys.empty());
    EXPECT_TRUE(project.m_genInfoItem.m_values.empty());
    // The largest accepted count still reads.
    fixture.m_floorCount = {std::to_wstring(kMaxPrjFloorCount)};
    CScoringProject largest;
    EXPECT_TRUE(ReadPrjText(fixture.Text(), largest));
    EXPECT_EQ(largest.m_floorTables.m_lowerStoreys.size(), (size_t)kMaxPrjFloorCount);
}

TEST(BadInput, NegativeFloorCountMakesNoStoreys)
{
    CScoringProject project;
    CPrjFixture fixture(3);
    fixture.m_floorCount = {L"-5"};
    fixture.m_vesko.Set({L"1", L"1", L"7"});  // no storey lines, one group
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    EXPECT_EQ(tmtest::ValueText(project.m_genInfoItem, L"结构计算总层数"), L"-5");
    EXPECT_TRUE(project.m_floorTables.m_lowerStoreys.empty());
    CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
    EXPECT_TRUE(project.m_layerInfoItem.m_values.empty());
}
