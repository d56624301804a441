// Complete model files in data/: a 12-storey frame with every section, a
// masonry building, a 45-storey tower and a file of an older version.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tests/readers/PrjFixture.h"
#include "tests/support/MessageRecorder.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;
using tmtest::CMessageRecorder;

namespace {

std::string DataFile(const char* name)
{
    return std::string(TM_READERS_TEST_DATA) + "/" + name;
}

// Reads a file as the load does: the model, then the per-storey values.
bool LoadPath(const std::string& path, CScoringProject& project)
{
    if (!tmtest::ReadPrjFile(path, project))
        return false;
    CreateFloorValues(project, project.m_genInfoItem.m_floorCount);
    return true;
}

bool Load(const char* name, CScoringProject& project)
{
    return LoadPath(DataFile(name), project);
}

std::wstring General(const CScoringProject& project, const wchar_t* name)
{
    return tmtest::ValueText(project.m_genInfoItem, name);
}

std::wstring Storeys(const CScoringProject& project, const wchar_t* format, int first, int last)
{
    std::wstring all;
    for (int g = first; g <= last; ++g) {
        if (g > first)
            all += L"|";
        all += tmtest::ValueText(project.m_layerInfoItem, stringFormat(format, g));
    }
    return all;
}

}  // namespace

TEST(DataFiles, FrameOfTwelveStoreysWithEverySection)
{
    CMessageRecorder recorder;
    CScoringProject project;
    ASSERT_TRUE(Load("frame12.prj", project));
    EXPECT_EQ(recorder.Count(), 0u);
    const CScoringGenInfoItem& general = project.m_genInfoItem;
    EXPECT_EQ(general.m_floorCount, 12);
    EXPECT_EQ(general.m_basementFloorCount, 1);
    EXPECT_EQ(general.m_resultOption, 8);
    EXPECT_EQ(General(project, L"转换层所在的结构层号"), L"3");
    EXPECT_EQ(General(project, L"薄弱的结构层号"), L"4");
    EXPECT_EQ(General(project, L"加强层所在的结构层号"), L"6,7");
    EXPECT_EQ(General(project, L"地震设防烈度"), L"8");
    EXPECT_EQ(General(project, L"地震方向角"), L"0,90");
    EXPECT_EQ(General(project, L"偶然偏心时质量偏心"), L"0.05,0.05");
    EXPECT_EQ(General(project, L"顶部小塔楼考虑鞭梢效应的层号"), L"12");
    EXPECT_EQ(General(project, L"剪力调整Vo所在的层号"), L"1");
    EXPECT_EQ(General(project, L"风方向"), L"0,90");
    EXPECT_EQ(General(project, L"计算风的结构自振基本周期"), L"0.9,0.85");
    EXPECT_EQ(General(project, L"板钢筋级别或强度"), L"360");
    EXPECT_EQ(General(project, L"X向基床反力系数"), L"10000");
    EXPECT_EQ(General(project, L"主分量峰值加速度值"), L"70");
    EXPECT_EQ(General(project, L"计算时程分析采用的地震波"), L"TH001TG040,TH002TG040,RH1TG040");
    EXPECT_EQ(general.m_values.size(), 132u);

    EXPECT_EQ(project.m_layerInfoItem.m_values.size(), 96u);
    EXPECT_EQ(Storeys(project, L"结构层%d的标准层号", 1, 12), L"1|2|2|2|2|2|2|2|2|2|3|3");
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 1, 3), L"4.5|3.3|3.3");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 4, 7), L"35|35|30|30");
    EXPECT_EQ(Storeys(project, L"结构层%d的下端层号", 1, 3), L"0|1|2");
    EXPECT_EQ(project.m_floorTables.m_slantedColumnRuns.size(), 1u);
    EXPECT_EQ(project.m_floorTables.m_optimization.m_storeys[1], 2);
    EXPECT_EQ(project.m_loadCaseCodes, (std::vector<int8_t>{1, 2, 13, 5, 7, 9, 11}));
    EXPECT_EQ(project.m_loadCaseNames[5], L"温度荷载");
}

TEST(DataFiles, MasonryBuildingTakesItsGradesFromTheMasonryBlock)
{
    CScoringProject project;
    ASSERT_TRUE(Load("masonry6.prj", project));
    EXPECT_EQ(General(project, L"结构形式"), L"6");
    EXPECT_EQ(General(project, L"框架抗震等级"), L"4");
    EXPECT_EQ(Storeys(project, L"结构层%d的砂浆等级", 1, 6), L"10|10|7.5|7.5|7.5|7.5");
    EXPECT_EQ(Storeys(project, L"结构层%d的砌块等级", 1, 6), L"15|15|15|15|15|15");
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 1, 6), L"3|3|3|3|3|3");
    EXPECT_EQ(project.m_loadCaseNames,
              (std::vector<std::wstring>{L"恒荷载", L"活荷载", L"地震作用", L"消防荷载"}));
}

TEST(DataFiles, TowerOfFortyFiveStoreysGivesEveryStoreyItsOwnHeight)
{
    CScoringProject project;
    ASSERT_TRUE(Load("tower45.prj", project));
    EXPECT_EQ(General(project, L"计算风荷载的基本风压"), L"0.55,0.55,0.55,0.55");
    EXPECT_EQ(General(project, L"计算风的结构自振基本周期"), L"4.2,4,4.2,4");
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 1, 4), L"5.1|5.1|4.5|3.2");
    EXPECT_EQ(Storeys(project, L"结构层%d的层高", 44, 45), L"3.2|3.2");
    EXPECT_EQ(Storeys(project, L"结构层%d的下端层号", 43, 45), L"42|43|44");
    EXPECT_EQ(Storeys(project, L"结构层%d的标准层号", 1, 4), L"1|1|2|3");
    EXPECT_EQ(Storeys(project, L"结构层%d的标准层号", 44, 45), L"5|5");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 15, 16), L"60|50");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 45, 45), L"40");
    EXPECT_EQ(project.m_floorTables.m_storeyGroups, (std::vector<int32_t>{3, 20, 45}));
    // It has a fire load of its own.
    EXPECT_EQ(project.m_loadCaseCodes, (std::vector<int8_t>{1, 2, 5, 13}));
    EXPECT_EQ(project.m_layerInfoItem.m_values.size(), 45u * 8u);
}

TEST(DataFiles, OlderVersionGivesOnlyTheStoreyCountAmongTheGeneralValues)
{
    CScoringProject project;
    ASSERT_TRUE(Load("old-version.prj", project));
    ASSERT_EQ(project.m_genInfoItem.m_values.size(), 1u);
    EXPECT_EQ(General(project, L"结构计算总层数"), L"5");
    EXPECT_EQ(Storeys(project, L"结构层%d的墙柱砼等级", 1, 5), L"30|30|30|30|30");
    EXPECT_EQ(project.m_loadCaseNames, (std::vector<std::wstring>{L"消防荷载"}));
}

// Every value of a project as one text, for comparing two reads.
std::wstring AllValues(const CScoringProject& project)
{
    std::wstring all;
    for (const CScoringItem* item : {(const CScoringItem*)&project.m_genInfoItem,
                                     (const CScoringItem*)&project.m_layerInfoItem}) {
        for (const std::unique_ptr<CTmData>& value : item->GetValues())
            all += value->m_name + L"=" + value->GetValueText() + L";";
    }
    return all;
}

TEST(DataFiles, ReadsOnSeveralThreadsAtOnceGiveWhatOneThreadGives)
{
    // Four complete files and one cut short, whose reads meet its end.
    tmtest::CTempDir dir;
    const std::string frame = tmtest::ReadBytes(DataFile("frame12.prj"));
    tmtest::WriteBytes(dir.File("cut.prj"), frame.substr(0, frame.size() / 2));
    const std::string names[] = {DataFile("frame12.prj"), DataFile("masonry6.prj"), DataFile("tower45.prj"),
                                 DataFile("old-version.prj"), dir.File("cut.prj")};
    const int files = 5;
    std::vector<std::wstring> expected;
    for (const std::string& name : names) {
        CScoringProject project;
        ASSERT_TRUE(LoadPath(name, project));
        expected.push_back(AllValues(project));
    }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 25; ++round) {
                const int file = (t + round) % files;
                CScoringProject project;
                if (!LoadPath(names[file], project) || AllValues(project) != expected[file])
                    ++mismatches[t];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, (std::vector<int>{0, 0, 0, 0}));
}
