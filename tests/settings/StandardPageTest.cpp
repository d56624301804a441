// The standard page: what it shows, what it refuses and in which order,
// when it reads the standard project and when it changes the scores only;
// and how a score text is read.
#include <gtest/gtest.h>
#include <cmath>
#include <unistd.h>

#include "settings/ScoreText.h"
#include "tools/TmOS.h"
#include "tests/settings/SettingsFixture.h"

using namespace tmtest;

namespace {

class StandardPageTest : public CSettingsTest, public ::testing::Test {
protected:
    StandardPageTest()
    {
        m_first = Standard(L"a/frame.prj", {{TM_CATEGORY_GEN_INFO, L"结构层数", TM_GROUP_GENERAL, true}});
        UseStandard(m_first);
        m_window.ClearLog();
    }

    // Applies the page with path and scores as typed.
    bool Apply(const std::wstring& path, const std::vector<std::wstring>& scores)
    {
        CStandardInfoPage& page = Open().StandardPage();
        page.m_path = path;
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            page.m_scoreTexts[k] = scores[k];
        return page.ApplyPage();
    }

    float FullScore(int category) const { return m_workspace.GetStandardProject()->GetItem(category).m_fullScore; }

    std::wstring m_first;
};

TEST_F(StandardPageTest, ShowsThePathAndTheScoresAsPercentSevenG)
{
    m_workspace.GetStandardProject()->GetItem(TM_CATEGORY_LAYER_INFO).m_fullScore = 12.5f;
    CStandardInfoPage& page = Open().StandardPage();
    EXPECT_EQ(page.m_path, m_first);
    EXPECT_EQ(page.m_scoreTexts[0], L"30");
    EXPECT_EQ(page.m_scoreTexts[1], L"12.5");
    EXPECT_EQ(page.m_scoreTexts[5], L"0");
}

TEST_F(StandardPageTest, RefusesInOrderEachWithItsMessage)
{
    const std::vector<std::wstring> good = {L"30", L"30", L"20", L"20", L"0", L"0"};
    EXPECT_FALSE(Apply(L" \t\u3000 ", good));
    EXPECT_FALSE(Apply(m_dir.WPath() + L"/gone.prj", {L"-1", L"-1", L"20", L"20", L"0", L"0"}));
    // Two scores below zero: the first in category order is named.
    EXPECT_FALSE(Apply(m_first, {L"30", L"-0.0001", L"20", L"-5", L"0", L"0"}));
    // A number beyond the float range would make every total inf.
    EXPECT_FALSE(Apply(m_first, {L"30", L"30", L"20", L"1e39", L"0", L"0"}));
    // A project that cannot be read: a folder named like one.
    const std::wstring broken = m_dir.WPath() + L"/b/frame.prj";
    TMTOOLS::OS::mkdir_r(broken.c_str());
    EXPECT_FALSE(Apply(broken, good));
    EXPECT_EQ(Messages(), L"提示: 标准工程不能为空!\n"
                          L"提示: 标准工程不存在！请设置合法工程\n"
                          L"提示: 各层信息分值应>=0!\n"
                          L"提示: 计算结果分值应>=0!\n"
                          L"提示: 标准工程数据错误，读取失败!");
    EXPECT_FALSE(m_workspace.IsStandardLoaded());

    // Confirming the same path again reads it again: a standard that did
    // not load is never taken as it stands.
    m_window.ClearLog();
    EXPECT_FALSE(Apply(L"  " + broken + L"  ", good));
    EXPECT_EQ(Messages(), L"提示: 标准工程数据错误，读取失败!");
}

TEST_F(StandardPageTest, TheSameStandardChangesTheScoresOnlyANewOneIsRead)
{
    ASSERT_EQ(m_workspace.m_loads[m_first], 1);
    EXPECT_TRUE(Apply(m_first, {L"-0.000001", L"abc", L"12.5分", L" 40", L"1e1", L"0"}));
    EXPECT_EQ(m_workspace.m_loads[m_first], 1);
    EXPECT_FLOAT_EQ(FullScore(0), -0.000001f);
    EXPECT_EQ(FullScore(1), 0.0f);
    EXPECT_EQ(FullScore(2), 12.5f);
    EXPECT_EQ(FullScore(3), 40.0f);
    EXPECT_EQ(FullScore(4), 10.0f);
    EXPECT_EQ(m_workspace.GetCategoryScore(2), 12.5f);

    // The same file under a name in other letter case is the same standard.
    const std::wstring upper = m_dir.WPath() + L"/a/FRAME.prj";
    ASSERT_EQ(symlink("frame.prj", Utf8(upper).c_str()), 0);
    EXPECT_TRUE(Apply(upper, {L"30", L"30", L"20", L"20", L"0", L"0"}));
    EXPECT_EQ(m_workspace.m_loads[m_first] + m_workspace.m_loads[upper], 1);
    EXPECT_EQ(m_workspace.GetStandardProject()->m_prjPath, upper);

    // Another project is read, and the workspace names it from then on.
    const std::wstring second = Standard(L"c/frame.prj", {});
    EXPECT_TRUE(Apply(second, {L"30", L"30", L"20", L"20", L"0", L"0"}));
    EXPECT_EQ(m_workspace.m_loads[second], 1);
    EXPECT_EQ(m_workspace.GetStandardPrjPath(), second);
    EXPECT_EQ(Messages(), L"");
}

TEST_F(StandardPageTest, BrowseOffersProjectFilesAndTakesTheChoiceWithoutReading)
{
    CStandardInfoPage& page = Open().StandardPage();
    m_window.QueueOpen({m_dir.WPath() + L"/c/frame.prj"});
    EXPECT_TRUE(page.Browse());
    ASSERT_EQ(m_window.m_dialogs.size(), 1u);
    const CFileDialogRequest& request = m_window.m_dialogs[0].request;
    EXPECT_EQ(request.m_filter, L"*.prj|*.prj|All Files (*.*)|*.*||");
    EXPECT_EQ(request.m_title, L"请选择标准工程");
    EXPECT_EQ(request.m_initialName, m_first);
    EXPECT_EQ(page.m_path, m_dir.WPath() + L"/c/frame.prj");
    EXPECT_EQ(m_workspace.GetStandardProject()->m_prjPath, m_first);
}

TEST(ScoreTextTest, TheLeadingDecimalNumberCountsAndAnythingElseIsZero)
{
    EXPECT_EQ(ScoreFromText(L"  12.5 分"), 12.5f);
    EXPECT_EQ(ScoreFromText(L"abc"), 0.0f);
    EXPECT_EQ(ScoreFromText(L"2e"), 2.0f);
    EXPECT_EQ(ScoreFromText(L"0x10"), 0.0f);
    EXPECT_EQ(ScoreFromText(L"inf"), 0.0f);
    EXPECT_TRUE(std::isinf(ScoreFromText(L"1e39")));
}

}  // namespace
