// The project record: paths, completion values, status text, item order.
#include <gtest/gtest.h>

#include "scoring/ScoringProject.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"

namespace {

std::wstring TextOf(const CScoringItem& item, const wchar_t* name)
{
    const CTmData* value = item.FindValue(name);
    return value ? value->GetValueText() : L"(none)";
}

}  // namespace

TEST(ScoringProjectRecord, StartsEmptyWithTheDefaultScoresAndStatusRead)
{
    CScoringProject project;
    const float expected[] = {30, 30, 20, 20, 0, 0};
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        EXPECT_EQ(project.GetItem(k).m_fullScore, expected[k]) << k;
        EXPECT_EQ(project.GetItem(k).m_score, 0.0f) << k;
        EXPECT_TRUE(project.GetItem(k).GetValues().empty()) << k;
    }
    EXPECT_TRUE(project.m_prjPath.empty());
    EXPECT_TRUE(project.m_folder.empty());
    EXPECT_TRUE(project.m_loadCaseNames.empty());
    EXPECT_TRUE(project.m_floorTables.m_heightRuns.empty());
    EXPECT_TRUE(project.m_floorTables.m_perStoreyMode);
    EXPECT_EQ(project.m_loadStatus, 0);
    EXPECT_EQ(project.GetLoadStatusText(), L"读入成功");
}

TEST(ScoringProjectRecord, ItemsComeInCategoryOrder)
{
    CScoringProject project;
    EXPECT_EQ(&project.GetItem(0), &project.m_genInfoItem);
    EXPECT_EQ(&project.GetItem(1), &project.m_layerInfoItem);
    EXPECT_EQ(&project.GetItem(2), &project.m_goujianItem);
    EXPECT_EQ(&project.GetItem(3), &project.m_calcResultItem);
    EXPECT_EQ(&project.GetItem(4), &project.m_workDrawingItem);
    EXPECT_EQ(&project.GetItem(5), &project.m_tmQIItem);
    const wchar_t* names[] = {L"总信息", L"各层信息", L"结构模型与荷载", L"计算结果", L"施工图", L"钢筋算量接口"};
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        EXPECT_EQ(project.GetItem(k).GetCategory(), k);
        EXPECT_EQ(std::wstring(project.GetItem(k).GetCategoryName()), names[k]);
        EXPECT_EQ(std::wstring(GetCategoryName(k)), names[k]);
    }
    EXPECT_EQ(std::wstring(GetCategoryName(6)), L"");
    EXPECT_EQ(std::wstring(GetCategoryName(-1)), L"");
}

TEST(ScoringProjectPath, DerivesFolderBaseAndSiblingFilesAndSetsTheScores)
{
    CScoringProject project;
    project.m_loadStatus = TM_LOAD_FAILED;
    ASSERT_TRUE(project.SetProjectPath(L"/exam/张三/frame.prj", 10, 20, 30, 40, 5, 6));
    EXPECT_EQ(project.m_prjPath, L"/exam/张三/frame.prj");
    EXPECT_EQ(project.m_folder, L"/exam/张三");
    EXPECT_EQ(project.m_basePath, L"/exam/张三/frame");
    EXPECT_EQ(project.m_pfdPath, L"/exam/张三/frame.pfd");
    EXPECT_EQ(project.m_tsmPath, L"/exam/张三/frame.tsm");
    const float expected[] = {10, 20, 30, 40, 5, 6};
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        EXPECT_EQ(project.GetItem(k).m_fullScore, expected[k]) << k;
    EXPECT_EQ(project.m_loadStatus, 0);
    EXPECT_EQ(project.GetLoadStatusText(), L"读入成功");
}

TEST(ScoringProjectPath, AcceptsTheExtensionInCapitalsAndTakesScoresFromAnArray)
{
    CScoringProject project;
    const float scores[TM_CATEGORY_COUNT] = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(project.SetProjectPath(L"/a/b.c/FRAME.PRJ", scores));
    EXPECT_EQ(project.m_folder, L"/a/b.c");
    EXPECT_EQ(project.m_pfdPath, L"/a/b.c/FRAME.pfd");
    EXPECT_EQ(project.m_tmQIItem.m_fullScore, 6.0f);
    EXPECT_TRUE(project.SetProjectPath(L"/a/Frame.Prj", scores));
}

TEST(ScoringProjectPath, RefusesPathsWithoutPrjExtensionOrFolderAndKeepsTheRest)
{
    CScoringProject project;
    ASSERT_TRUE(project.SetProjectPath(L"/exam/li/frame.prj", 1, 2, 3, 4, 5, 6));
    project.m_loadStatus = TM_LOAD_FAILED;

    const wchar_t* refused[] = {
        L"/exam/li.si/frame",  // the dot is in the folder name
        L"/exam/li/frame",     // no dot at all
        L"frame.prj",          // no folder
        L"/exam/li/frame.prjx",
        L"/exam/li/frame.pr",
        L"/exam/li/frame.txt",
    };
    for (const wchar_t* path : refused) {
        EXPECT_FALSE(project.SetProjectPath(path, 9, 9, 9, 9, 9, 9)) << path;
        EXPECT_EQ(project.m_prjPath, path);
        EXPECT_EQ(project.m_folder, L"/exam/li");
        EXPECT_EQ(project.m_basePath, L"/exam/li/frame");
        EXPECT_EQ(project.m_pfdPath, L"/exam/li/frame.pfd");
        EXPECT_EQ(project.m_genInfoItem.m_fullScore, 1.0f);
        EXPECT_EQ(project.m_loadStatus, TM_LOAD_FAILED);
    }
    EXPECT_EQ(project.GetLoadStatusText(), L"读总信息失败");
}

TEST(ScoringProjectPath, ARecordWhosePathWasRefusedStillReadsAsLoaded)
{
    CScoringProject project;
    EXPECT_FALSE(project.SetProjectPath(L"noextension", 1, 2, 3, 4, 5, 6));
    EXPECT_EQ(project.GetLoadStatusText(), L"读入成功");
    EXPECT_EQ(project.m_genInfoItem.m_fullScore, 30.0f);
}

TEST(ScoringProjectCompletion, WithoutDrawingAndQuantityFilesBothAreNotDone)
{
    tmtest::CTempDir dir;
    CScoringProject project;
    ASSERT_TRUE(project.SetProjectPath(dir.WFile(L"frame.prj"), 30, 30, 20, 20, 0, 0));
    project.CreateCompletionValues();
    EXPECT_EQ(TextOf(project.m_workDrawingItem, L"施工图"), L"未做");
    EXPECT_EQ(TextOf(project.m_tmQIItem, L"钢筋算量接口"), L"未做");
    EXPECT_EQ(project.m_workDrawingItem.m_values.size(), 1u);
    EXPECT_EQ(project.m_tmQIItem.m_values.size(), 1u);
    EXPECT_EQ(project.m_workDrawingItem.m_values[0]->m_group, TM_GROUP_RESULT);
    EXPECT_EQ(project.m_workDrawingItem.m_values[0]->m_type, TM_DATA_STRING);
    EXPECT_EQ(project.m_tmQIItem.m_values[0]->m_group, TM_GROUP_RESULT);
}

TEST(ScoringProjectCompletion, EachFileMakesItsOwnValueDone)
{
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File("工程.pfd"), "x");
    CScoringProject drawn;
    ASSERT_TRUE(drawn.SetProjectPath(dir.WFile(L"工程.prj"), 30, 30, 20, 20, 0, 0));
    drawn.CreateCompletionValues();
    EXPECT_EQ(TextOf(drawn.m_workDrawingItem, L"施工图"), L"完成");
    EXPECT_EQ(TextOf(drawn.m_tmQIItem, L"钢筋算量接口"), L"未做");

    tmtest::WriteBytes(dir.File("工程.tsm"), "");
    CScoringProject both;
    ASSERT_TRUE(both.SetProjectPath(dir.WFile(L"工程.prj"), 30, 30, 20, 20, 0, 0));
    both.CreateCompletionValues();
    EXPECT_EQ(TextOf(both.m_workDrawingItem, L"施工图"), L"完成");
    EXPECT_EQ(TextOf(both.m_tmQIItem, L"钢筋算量接口"), L"完成");
}

TEST(ScoringProjectCompletion, ASecondCallWithoutClearingIsRefusedAsDuplicate)
{
    tmtest::CTempDir dir;
    tmtest::CMessageRecorder recorder;
    CScoringProject project;
    ASSERT_TRUE(project.SetProjectPath(dir.WFile(L"frame.prj"), 30, 30, 20, 20, 0, 0));
    project.CreateCompletionValues();
    project.CreateCompletionValues();
    EXPECT_EQ(recorder.Count(), 2u);
    EXPECT_EQ(project.m_workDrawingItem.m_values.size(), 1u);
    project.ClearAllValues();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        EXPECT_TRUE(project.GetItem(k).GetValues().empty());
}
