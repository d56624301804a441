// The scoring-standard file: what is written, what is read back, and the
// workspace values it leaves.
#include <gtest/gtest.h>

#include "tests/app/WorkspaceFixture.h"
#include "tools/TmString.h"

using namespace tmtest;

namespace {

const std::wstring kStandard = L"/exam/标准/frame.prj";

class ScoringStandard : public ::testing::Test, public CWorkspaceTest {
protected:
    ScoringStandard()
    {
        // The standard project: two general values, one storey value.
        m_workspace.m_tables[kStandard] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"地下室层数", 1);
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
            AddIntValue(project, TM_CATEGORY_LAYER_INFO, L"结构层1的层高", 3000);
        };
    }

    std::string WriteConfig(const std::string& xml) { return Utf8(MakeFile(L"config.xml", xml)); }

    bool Selected(int category, const std::wstring& name)
    {
        CTmData* value = m_workspace.GetStandardProject()->GetItem(category).FindValue(name);
        return value && value->m_selected;
    }
};

}  // namespace

TEST_F(ScoringStandard, IsWrittenAsUtf8WithTheRootsSevenAttributesInOrderAndOneChildPerCategory)
{
    m_workspace.SetStandardPrjPath(kStandard);
    m_workspace.SetCategoryScore(0, 12.5f);
    m_workspace.RebuildStandardProject();
    m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"结构形式")->m_selected = true;
    ASSERT_TRUE(m_workspace.WriteScoringStandard(m_workspace.GetConfigPath()));

    const std::string text = ReadBytes(Utf8(m_workspace.GetConfigPath()));
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
        "<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\" 总信息分值=\"12.5\" 各层信息分值=\"30\" "
        "结构模型与荷载分值=\"20\" 计算结果分值=\"20\" 施工图分值=\"0\" 钢筋算量接口分值=\"0\">\n"
        "    <总信息 地下室层数=\"0\" 结构形式=\"1\" />\n"
        "    <各层信息 结构层1的层高=\"0\" />\n"
        "    <结构模型与荷载 />\n"
        "    <计算结果 />\n"
        "    <施工图 />\n"
        "    <钢筋算量接口 />\n"
        "</标准工程信息>\n";
    EXPECT_EQ(text, expected);
}

TEST_F(ScoringStandard, WritingTakesPathAndScoresFromTheStandardProject)
{
    m_workspace.SetStandardPrjPath(kStandard);
    m_workspace.RebuildStandardProject();
    // As the settings dialog leaves them.
    m_workspace.GetStandardProject()->m_layerInfoItem.m_fullScore = 45.0f;
    m_workspace.GetStandardProject()->m_prjPath = L"/exam/other/frame.prj";
    m_workspace.WriteScoringStandard(m_workspace.GetConfigPath());
    EXPECT_EQ(m_workspace.GetCategoryScore(1), 45.0f);
    EXPECT_EQ(m_workspace.GetStandardPrjPath(), L"/exam/other/frame.prj");
    EXPECT_NE(ReadBytes(Utf8(m_workspace.GetConfigPath())).find("各层信息分值=\"45\""), std::string::npos);
}

TEST_F(ScoringStandard, AValueWhoseNameIsNoXmlNameIsLeftOutSoTheFileStaysReadable)
{
    m_workspace.m_tables[kStandard] = [](CScoringProject& project) {
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"周期 (T1)", 1);
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"首层剪重比_X向_％", 3);
    };
    m_workspace.SetStandardPrjPath(kStandard);
    m_workspace.SetCategoryScore(2, 7.0f);
    m_workspace.RebuildStandardProject();
    for (const auto& value : m_workspace.GetStandardProject()->m_genInfoItem.GetValues())
        value->m_selected = true;
    m_workspace.WriteScoringStandard(m_workspace.GetConfigPath());

    m_workspace.SetCategoryScore(2, 1.0f);
    EXPECT_TRUE(m_workspace.ReadScoringStandard(m_workspace.GetConfigPath()));
    EXPECT_EQ(m_workspace.GetCategoryScore(2), 7.0f);
    EXPECT_TRUE(Selected(0, L"结构形式"));
    EXPECT_TRUE(Selected(0, L"首层剪重比_X向_％"));  // full-width signs are letters to the parser
    EXPECT_FALSE(Selected(0, L"周期 (T1)"));
}

TEST_F(ScoringStandard, ARootOfAnotherNameIsStillRead)
{
    WriteConfig("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                "<别的名字 标准工程路径=\"/exam/标准/frame.prj\" 计算结果分值=\"15\">"
                "<总信息 结构形式=\"1\"/></别的名字>");
    EXPECT_TRUE(m_workspace.ReadScoringStandard(m_workspace.GetConfigPath()));
    EXPECT_EQ(m_workspace.GetStandardPrjPath(), kStandard);
    EXPECT_EQ(m_workspace.GetCategoryScore(3), 15.0f);
    EXPECT_EQ(m_workspace.GetStandardProject()->m_calcResultItem.m_fullScore, 15.0f);
    EXPECT_TRUE(m_workspace.IsStandardLoaded());
    EXPECT_TRUE(Selected(0, L"结构形式"));
    EXPECT_FALSE(Selected(0, L"地下室层数"));
}

TEST_F(ScoringStandard, HandEditsAreReadByTheRulesAndNamedWithTheirLinesInOneWarning)
{
    WriteConfig("<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\"\n"
                " 总信息分值=\"20abc\" 各层信息分值=\"abc\"\n"
                " 结构模型与荷载分值=\"\" 计算结果分值=\" 12.5 \">\n"
                "<总信息 结构形式=\"maybe\"\n"
                " 地下室层数=\"yes\" 没有这项=\"1\"/>\n"
                "<各层信息 结构层1的层高=\"1\"/></标准工程信息>");
    m_workspace.SetCategoryScore(1, 33.0f);
    m_workspace.m_tables[kStandard] = [](CScoringProject& project) {
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"地下室层数", 1);
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2, true);
        AddIntValue(project, TM_CATEGORY_LAYER_INFO, L"结构层1的层高", 3000);
    };
    m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
    EXPECT_EQ(m_workspace.GetCategoryScore(0), 20.0f);  // as the file was always read
    EXPECT_EQ(m_workspace.GetCategoryScore(1), 33.0f);  // no number: kept
    EXPECT_EQ(m_workspace.GetCategoryScore(2), 20.0f);
    EXPECT_EQ(m_workspace.GetCategoryScore(3), 12.5f);  // blanks around a number are no text
    EXPECT_TRUE(Selected(0, L"结构形式"));              // an unknown word leaves the flag
    EXPECT_TRUE(Selected(0, L"地下室层数"));
    EXPECT_TRUE(Selected(1, L"结构层1的层高"));
    EXPECT_EQ(m_window.MessageLog(),
              L"警告: 评分标准 " + m_workspace.GetConfigPath() +
                  L" 中有不能使用的内容，已按规则处理：\n"
                  L"第 2 行：总信息分值=\"20abc\" 的数后还有文字，按 20 读入\n"
                  L"第 2 行：各层信息分值=\"abc\" 不是数，分值不变\n"
                  L"第 3 行：结构模型与荷载分值=\"\" 不是数，分值不变\n"
                  L"第 4 行：“结构形式”的选择标记“maybe”不是 1、0、yes、no、true 或 false，选择不变\n"
                  L"第 5 行：标准工程的“总信息”中没有“没有这项”这一项");
}

TEST_F(ScoringStandard, AWarningAboutUnusableContentListsTwentyLinesAndCountsTheRest)
{
    std::string attributes;
    for (int i = 0; i < 25; ++i)
        attributes += "\n 没有" + std::to_string(i) + "=\"1\"";
    WriteConfig("<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\">\n<总信息" + attributes + "/></标准工程信息>");
    m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
    ASSERT_EQ(m_window.m_messages.size(), 1u);
    const std::wstring& text = m_window.m_messages[0].text;
    EXPECT_NE(text.find(L"\n第 22 行：标准工程的“总信息”中没有“没有19”这一项\n……另有 5 处未列出"), std::wstring::npos) << text;
    EXPECT_EQ(text.find(L"没有20"), std::wstring::npos);
}

TEST_F(ScoringStandard, ARefusedScoreIsKeptAndRefusesTheStandardWithTheDialogsMessage)
{
    const std::string path = "<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\" ";
    const struct {
        const char* scores;
        const wchar_t* message;
    } cases[] = {
        {"各层信息分值=\"-1\"", L"各层信息分值应>=0!"},
        {"计算结果分值=\"nan\"", L"计算结果分值应>=0!"},
        {"施工图分值=\"1e999\"", L"施工图分值应>=0!"},
        {"结构模型与荷载分值=\"1e39\"", L"结构模型与荷载分值应>=0!"},  // finite in double only
        // Each a float, their sum not: refused where the sum overflows.
        {"总信息分值=\"3e38\" 各层信息分值=\"3e38\"", L"各层信息分值应>=0!"},
        {"总信息分值=\"-0.000001\" 各层信息分值=\"70\"", L""},  // a slip the dialog lets pass too
    };
    for (const auto& c : cases) {
        WriteConfig(path + c.scores + "><总信息 结构形式=\"1\"/><各层信息 结构层1的层高=\"1\"/></标准工程信息>");
        m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
        std::wstring message;
        m_workspace.CheckStandard(&message);
        EXPECT_EQ(message, c.message) << c.scores;
        m_window.ClearLog();
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            m_workspace.SetCategoryScore(k, GetDefaultFullScore(k));
    }
}
TEST_F(ScoringStandard, SelectionWordsAreReadByTheirFirstLettersInAnyCase)
{
    struct Case {
        const char* text;
        bool before;
        bool after;
    } cases[] = {
        {"yes", false, true}, {"YES", false, true}, {"Yesterday", false, true}, {"1", false, true},
        {"10", false, true},  {"TRUE", false, true}, {"no", true, false},      {"NO", true, false},
        {"0", true, false},   {"False", true, false}, {"maybe", true, true},    {"maybe", false, false},
        {"", true, true},     {" 1", false, false},
    };
    for (const Case& c : cases) {
        WriteConfig(std::string("<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\"><总信息 结构形式=\"") + c.text +
                    "\"/></标准工程信息>");
        // Freshly loaded values are deselected; "before" is what a value
        // carries when the element is applied.
        m_workspace.m_tables[kStandard] = [&c](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2, c.before);
        };
        m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
        EXPECT_EQ(Selected(0, L"结构形式"), c.after) << "\"" << c.text << "\" on " << c.before;
    }
}

TEST_F(ScoringStandard, ACategoryElementTwiceIsAppliedTwiceInOrderAndUnknownElementsAreIgnored)
{
    WriteConfig("<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\">"
                "<总信息 结构形式=\"1\" 地下室层数=\"1\"/><总信息 地下室层数=\"0\"/>"
                "<各层 结构层1的层高=\"1\"/></标准工程信息>");
    m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
    EXPECT_TRUE(Selected(0, L"结构形式"));
    EXPECT_FALSE(Selected(0, L"地下室层数"));
    EXPECT_FALSE(Selected(1, L"结构层1的层高"));
}

TEST_F(ScoringStandard, AMissingOrBrokenFileKeepsTheValuesAndStillRebuildsTheStandard)
{
    m_workspace.SetStandardPrjPath(kStandard);
    m_workspace.SetCategoryScore(0, 40.0f);
    EXPECT_FALSE(m_workspace.ReadScoringStandard(m_dir.WFile(L"missing.xml")));
    ASSERT_TRUE(m_workspace.GetStandardProject());
    EXPECT_EQ(m_workspace.GetStandardProject()->m_genInfoItem.m_fullScore, 40.0f);
    EXPECT_EQ(m_workspace.GetStandardProject()->m_genInfoItem.GetValues().size(), 2u);

    WriteConfig("<标准工程信息 标准工程路径=\"/elsewhere/x.prj\" 总信息分值=\"1\"");
    EXPECT_FALSE(m_workspace.ReadScoringStandard(m_workspace.GetConfigPath()));
    EXPECT_EQ(m_workspace.GetStandardPrjPath(), kStandard);
    EXPECT_EQ(m_workspace.GetCategoryScore(0), 40.0f);

    // A folder in place of the file.
    EXPECT_FALSE(m_workspace.ReadScoringStandard(m_dir.WPath()));
    EXPECT_TRUE(m_window.m_messages.empty());
}

TEST_F(ScoringStandard, AStandardThatFailsToLoadIsReportedAfterTheLoadsOwnMessage)
{
    const std::wstring missing = m_dir.WFile(L"gone/frame.prj");
    WriteConfig("<标准工程信息 标准工程路径=\"" + Utf8(missing) + "\"/>");
    m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
    EXPECT_FALSE(m_workspace.IsStandardLoaded());
    EXPECT_EQ(m_window.MessageLog(), L"Tesmo评分系统: 工程 " + missing +
                                         L" 不存在.\nTesmo评分系统: 标准工程读取失败，请重新设置一个有效的标准工程!");
}

TEST_F(ScoringStandard, APathWithoutPrjGivesAnEmptyStandardWithoutMessageAndComputingRefusesIt)
{
    WriteConfig("<标准工程信息 标准工程路径=\"/exam/标准/frame\"><总信息 结构形式=\"1\"/></标准工程信息>");
    m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
    ASSERT_TRUE(m_workspace.GetStandardProject());
    EXPECT_TRUE(m_window.m_messages.empty());
    EXPECT_EQ(m_workspace.m_loads.count(L"/exam/标准/frame"), 0u);
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        EXPECT_TRUE(m_workspace.GetStandardProject()->GetItem(k).GetValues().empty());

    // Every student would score 0.00: computing refuses and says why.
    const std::wstring zhang = L"/exam/张三/frame.prj";
    m_workspace.m_tables[zhang] = [](CScoringProject& project) {
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
    };
    m_workspace.SetStudentPaths({zhang});
    m_workspace.RebuildStudentProjects();
    EXPECT_FALSE(m_workspace.ComputeTotals());
    EXPECT_EQ(m_workspace.GetScoreSheet().m_entries[0].TotalText(), L"");
    EXPECT_EQ(m_window.MessageLog(), L"提示: 标准工程 /exam/标准/frame 不是 .prj 工程文件的路径，不能评分!");
}

TEST_F(ScoringStandard, ARelativeProjectPathIsTakenInTheFilesFolder)
{
    const struct {
        std::string given;
        std::wstring read;
    } cases[] = {
        {"标准/frame.prj", m_dir.WFile(L"标准/frame.prj")},
        {"../exam/frame.prj", m_dir.WFile(L"../exam/frame.prj")},
        {"/exam/标准/frame.prj", L"/exam/标准/frame.prj"},
        {"c:\\tmcad\\exam\\frame.prj", L"c:\\tmcad\\exam\\frame.prj"},
    };
    for (const auto& c : cases) {
        WriteConfig("<标准工程信息 标准工程路径=\"" + c.given + "\"/>");
        m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
        EXPECT_EQ(m_workspace.GetStandardPrjPath(), c.read) << c.given;
    }
}

TEST_F(ScoringStandard, SixScoresThatDoNotAddUpTo100GiveANoteExceptInConfigXml)
{
    const std::string xml = "<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\" 总信息分值=\"40\"/>";
    WriteConfig(xml);
    m_workspace.ReadScoringStandard(m_workspace.GetConfigPath());
    EXPECT_TRUE(m_window.m_messages.empty());
    const std::wstring file = MakeFile(L"导入.xml", xml);
    m_workspace.ReadScoringStandard(file);
    EXPECT_EQ(m_window.MessageLog(), L"提示: 评分标准 " + file + L" 的六项分值之和是 110，不是 100。");
    EXPECT_EQ(m_workspace.GetCategoryScore(0), 40.0f);
}

TEST_F(ScoringStandard, ExportThenImportLeavesTheStandardUnchanged)
{
    m_workspace.SetStandardPrjPath(kStandard);
    const float scores[TM_CATEGORY_COUNT] = {12.5f, 30.0f, 7.25f, 20.0f, 0.0f, 2.0f};
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        m_workspace.SetCategoryScore(k, scores[k]);
    m_workspace.RebuildStandardProject();
    m_workspace.GetStandardProject()->m_genInfoItem.FindValue(L"地下室层数")->m_selected = true;
    m_workspace.GetStandardProject()->m_layerInfoItem.FindValue(L"结构层1的层高")->m_selected = true;
    const std::wstring file = m_dir.WFile(L"导出.xml");
    ASSERT_TRUE(m_workspace.WriteScoringStandard(file));
    const std::string first = ReadBytes(Utf8(file));

    const int loads = m_workspace.m_loads[kStandard];
    ASSERT_TRUE(m_workspace.ReadScoringStandard(file));
    EXPECT_EQ(m_workspace.m_loads[kStandard], loads + 1);  // reloaded
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        EXPECT_EQ(m_workspace.GetCategoryScore(k), scores[k]);
        EXPECT_EQ(m_workspace.GetStandardProject()->GetItem(k).m_fullScore, scores[k]);
    }
    EXPECT_TRUE(Selected(0, L"地下室层数"));
    EXPECT_FALSE(Selected(0, L"结构形式"));
    EXPECT_TRUE(Selected(1, L"结构层1的层高"));
    ASSERT_TRUE(m_workspace.WriteScoringStandard(file));
    EXPECT_EQ(ReadBytes(Utf8(file)), first);
}

TEST_F(ScoringStandard, HostileFilesAreRefusedByTheirLimitBeforeTheXmlParserSeesThem)
{
    // 50,000 levels overflow a recursive parser; 300,000 attributes on one
    // element take it minutes, and long names slow each look-up; a file
    // over 16 MB is refused unread. At the limits (256 levels, 10,000
    // attributes) a file still reads.
    auto nested = [](int levels) {
        std::string text = "<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\" 总信息分值=\"7\">";
        for (int i = 0; i < levels - 1; ++i)
            text += "<a>";
        for (int i = 0; i < levels - 1; ++i)
            text += "</a>";
        return text + "</标准工程信息>";
    };
    auto wide = [](int attributes) {
        std::string text = "<标准工程信息 标准工程路径=\"/exam/标准/frame.prj\" 总信息分值=\"7\"><其它";
        for (int i = 0; i < attributes; ++i)
            text += " v" + std::to_string(i) + "=\"1\"";
        return text + "/><总信息 结构形式=\"yes\"/></标准工程信息>";
    };
    const std::wstring file = m_dir.WFile(L"config.xml");
    struct {
        std::string text;
        const wchar_t* message;
    } const cases[] = {
        {nested(50000), L"评分标准文件 %s 的元素嵌套超过 256 层，未读取。"},
        {wide(300000), L"评分标准文件 %s 中有元素的属性超过 10000 个，未读取。"},
        {nested(256) + std::string(16 << 20, ' '), L"文件 %s 大于 16 MB，未读取。"},
        {"<r><总信息 " + std::string(129, 'n') + "=\"1\"/></r>", L"评分标准文件 %s 中有属性名长于 128 字节，未读取。"},
    };
    for (const auto& c : cases) {
        m_window.m_messages.clear();
        WriteConfig(c.text);
        EXPECT_FALSE(m_workspace.ReadScoringStandard(file));
        ASSERT_FALSE(m_window.m_messages.empty());
        EXPECT_EQ(m_window.m_messages[0].text, TMTOOLS::String::stringFormat(c.message, file.c_str()));
        EXPECT_EQ(m_workspace.GetCategoryScore(0), 30.0f);
    }
    m_window.m_messages.clear();
    WriteConfig(nested(256));
    EXPECT_TRUE(m_workspace.ReadScoringStandard(file));
    WriteConfig(wide(10000));
    EXPECT_TRUE(m_workspace.ReadScoringStandard(file));
    EXPECT_TRUE(Selected(0, L"结构形式"));
    EXPECT_EQ(m_workspace.GetCategoryScore(0), 7.0f);
    EXPECT_TRUE(m_window.m_messages.empty());
}
