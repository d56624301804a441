// The item pages and the dialog's OK: entries in walk order, checks
// applied by position, "全选"/"全清" on the visible entries, Cancel, an
// empty standard, a standard replaced in the same OK, the class computed
// again, and an import.
#include <gtest/gtest.h>

#include "tests/settings/SettingsFixture.h"

using namespace tmtest;

namespace {

const std::vector<CValueRow> kStandard = {
    {TM_CATEGORY_GEN_INFO, L"结构层数", TM_GROUP_GENERAL, true},
    {TM_CATEGORY_GEN_INFO, L"地震烈度", TM_GROUP_EARTHQUAKE, true},
    {TM_CATEGORY_GEN_INFO, L"A层高", TM_GROUP_GENERAL, false},
    {TM_CATEGORY_GEN_INFO, L"B场地", TM_GROUP_GENERAL, true},
    {TM_CATEGORY_GOUJIAN, L"构件模型和荷载_kN", TM_GROUP_RESULT, true},
    {TM_CATEGORY_CALC_RESULT, L"周期比", TM_GROUP_RESULT, true},
    {TM_CATEGORY_TMQI, L"钢筋算量接口", TM_GROUP_RESULT, false},
};

class ItemPagesTest : public CSettingsTest, public ::testing::Test {
protected:
    ItemPagesTest()
    {
        m_first = Standard(L"a/frame.prj", kStandard);
        UseStandard(m_first);
    }

    std::wstring Names(const CItemSelectionPage& page)
    {
        std::wstring names;
        for (int k = 0; k < page.GetCount(); ++k)
            names += (k ? L"," : L"") + page.GetName(k) + (page.IsChecked(k) ? L"+" : L"");
        return names;
    }

    std::wstring m_first;
};

TEST_F(ItemPagesTest, EntriesFollowTheValuesAndApplyByPosition)
{
    CScoringSettings& settings = Open();
    CItemSelectionPage& general = settings.ItemPage(TM_PAGE_GEN_INFO);
    EXPECT_EQ(Names(general), L"结构层数+,A层高,B场地+");
    EXPECT_EQ(Names(settings.ItemPage(TM_PAGE_QUAKE_INFO)), L"地震烈度+");
    EXPECT_EQ(Names(settings.ItemPage(TM_PAGE_GOUJIAN_INFO)), L"构件模型和荷载_kN+,周期比+,钢筋算量接口");
    EXPECT_EQ(settings.ItemPage(TM_PAGE_LAYER_INFO).GetCount(), 0);

    // Entry 1 of the general page is the third value of the item: the
    // earthquake value between them belongs to another page.
    general.SetChecked(0, false);
    general.SetChecked(1, true);
    settings.ItemPage(TM_PAGE_GOUJIAN_INFO).SetChecked(2, true);
    EXPECT_EQ(Flags(TM_CATEGORY_GEN_INFO), "1101");  // nothing before OK
    ASSERT_TRUE(settings.OnOK());
    EXPECT_EQ(Flags(TM_CATEGORY_GEN_INFO), "0111");
    EXPECT_EQ(Flags(TM_CATEGORY_TMQI), "1");
    EXPECT_EQ(Messages(), L"");
}

TEST_F(ItemPagesTest, CheckAllAndClearAllActOnTheFilteredEntriesAndCancelKeepsEverything)
{
    CItemSelectionPage& general = Open().ItemPage(TM_PAGE_GEN_INFO);
    const std::vector<int> shown = general.Matching(L"a层");
    EXPECT_EQ(shown, std::vector<int>({1}));
    general.CheckEntries(shown, true);
    general.CheckEntries(general.Matching(L"b"), false);
    EXPECT_EQ(Names(general), L"结构层数+,A层高+,B场地");
    EXPECT_EQ(general.GetCheckedCount(), 2);

    general.CheckEntries(general.Matching(L""), true);  // "全选" without a filter
    m_settings.reset();  // Cancel
    EXPECT_EQ(Flags(TM_CATEGORY_GEN_INFO), "1101");
}

TEST_F(ItemPagesTest, AStandardWithoutValuesGivesEmptyPagesAndOkChangesNothing)
{
    UseStandard(m_dir.WPath() + L"/none.prj");  // never read: no values
    CScoringSettings& settings = Open();
    for (int page = 0; page < TM_ITEM_PAGE_COUNT; ++page)
        EXPECT_EQ(settings.ItemPage(page).GetCount(), 0) << page;
    settings.StandardPage().m_path = m_first;
    ASSERT_TRUE(settings.OnOK());
    // The standard read in this OK keeps its flags: there were no entries
    // to apply, and the pages say so.
    EXPECT_EQ(Flags(TM_CATEGORY_GEN_INFO), "1101");
    EXPECT_NE(Messages().find(L"总信息、地震信息、构件信息。"), std::wstring::npos);
}

TEST_F(ItemPagesTest, AReplacedStandardTakesThePositionsOnlyWhereItListsTheSameNames)
{
    // The same general values, another earthquake value.
    std::vector<CValueRow> rows = kStandard;
    rows[1].m_name = L"设防烈度";
    for (CValueRow& row : rows)
        row.m_selected = false;
    const std::wstring second = Standard(L"b/frame.prj", rows);

    CScoringSettings& settings = Open();
    settings.ItemPage(TM_PAGE_QUAKE_INFO).SetChecked(0, true);
    settings.StandardPage().m_path = second;
    ASSERT_TRUE(settings.OnOK());
    EXPECT_EQ(m_workspace.GetStandardProject()->m_prjPath, second);
    EXPECT_EQ(Flags(TM_CATEGORY_GEN_INFO), "1001");  // checks by position; 设防烈度 as read
    EXPECT_EQ(Flags(TM_CATEGORY_GOUJIAN), "1");
    EXPECT_EQ(Messages(), L"提示: 新的标准工程所列的项目与以下页面显示的不同，这些页面的勾选未能应用，"
                          L"保留了新标准工程读入时的选择：地震信息。请再打开评分设置检查。");
}

TEST_F(ItemPagesTest, OkComputesAComputedClassAgainAndRefreshesTheScoreView)
{
    const std::wstring student = Standard(L"s/frame.prj", {{TM_CATEGORY_GEN_INFO, L"结构层数", TM_GROUP_GENERAL, false}});
    m_workspace.SetStudentPaths({student});
    m_workspace.RebuildStudentProjects();
    ASSERT_TRUE(m_workspace.ComputeAndFillTotals());
    m_workspace.OnProjectListClicked(1);
    // Of 结构层数, B场地 and 周期比 and the other selected values the student
    // has only 结构层数: 30 / 3 of the general item's 30.
    EXPECT_EQ(m_workspace.GetScoreSheet().m_entries[0].TotalText(), L"10.00");
    EXPECT_EQ(m_window.m_scoreGrid.GetRowCount(), 1 + 5);

    CScoringSettings& settings = Open();
    settings.ItemPage(TM_PAGE_GEN_INFO).SetChecked(2, false);  // B场地
    ASSERT_TRUE(settings.OnOK());
    EXPECT_EQ(m_workspace.GetScoreSheet().m_entries[0].TotalText(), L"15.00");
    EXPECT_EQ(m_window.m_projectGrid.GetItemText(1, 3), L"15.00");
    EXPECT_EQ(m_window.m_scoreGrid.GetRowCount(), 1 + 4);
}

TEST_F(ItemPagesTest, AnImportReloadsEveryPageAndACancelledOneKeepsTheEdits)
{
    const std::wstring file = m_dir.WPath() + L"/none-selected.xml";
    for (const std::unique_ptr<CTmData>& value : m_workspace.GetStandardProject()->GetItem(0).GetValues())
        value->m_selected = false;
    ASSERT_TRUE(m_workspace.WriteScoringStandard(file));
    UseStandard(m_first);

    CScoringSettings& settings = Open();
    settings.StandardPage().m_scoreTexts[0] = L"50";
    settings.ImportStandard();  // the dialog is cancelled
    EXPECT_EQ(settings.StandardPage().m_scoreTexts[0], L"50");
    EXPECT_EQ(Names(settings.ItemPage(TM_PAGE_GEN_INFO)), L"结构层数+,A层高,B场地+");

    m_window.QueueOpen({file});
    settings.ImportStandard();
    EXPECT_EQ(settings.StandardPage().m_scoreTexts[0], L"30");
    EXPECT_EQ(Names(settings.ItemPage(TM_PAGE_GEN_INFO)), L"结构层数,A层高,B场地");
    m_settings.reset();  // Cancel keeps the import
    EXPECT_EQ(Flags(TM_CATEGORY_GEN_INFO), "0000");
}

}  // namespace
