// The walk of the .prj file: header, the rows before the analysis blocks,
// keyword lines and the optional blocks.
#include <gtest/gtest.h>

#include "readers/PrjLineReader.h"
#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "tests/readers/OpenedText.h"
#include "tests/readers/PrjFixture.h"
#include "tests/support/MessageRecorder.h"
#include "tools/TmString.h"

using TMTOOLS::String::ReplaceAll;
using tmtest::CLines;
using tmtest::CMessageRecorder;
using tmtest::COpenedText;
using tmtest::CPrjFixture;
using tmtest::NumberLine;
using tmtest::ReadPrjText;

namespace {

// Beam grades of the fixture are 35: a table read in step after the blocks.
bool TablesReadInStep(const CScoringProject& project)
{
    const CFloorTables& tables = project.m_floorTables;
    return tables.m_beamGradeRuns.size() == 1 && tables.m_beamGradeRuns[0].m_value == 35 &&
           project.m_loadCaseNames.size() == 5;
}

}  // namespace

TEST(PrjLineReader, KeywordLineMatchesTheWholeLineWithoutRegardToCase)
{
    COpenedText text(L"Orvex\nORVEX 2\nfomb\n");
    CPrjLineReader line(text.File(), text.Reader());
    EXPECT_TRUE(line.KeywordLine(L"ORVEX\n"));
    EXPECT_EQ(text.Reader().GetLineNumber(), 1);
    EXPECT_FALSE(line.KeywordLine(L"ORVEX\n"));
    EXPECT_FALSE(line.KeywordLine(L"FOMB\n"));
    EXPECT_EQ(line.TextLine(), L"ORVEX 2\n");
    EXPECT_TRUE(line.KeywordLine(L"FOMB\n"));
}

TEST(PrjLineReader, MissedKeywordPutsFileAndReaderBack)
{
    COpenedText text(L"1 2\nKELDA\n");
    CPrjLineReader line(text.File(), text.Reader());
    ASSERT_TRUE(line.RealLine(2));
    const long position = text.Position();
    EXPECT_FALSE(line.KeywordLine(L"ORVEX\n"));
    EXPECT_EQ(text.Position(), position);
    EXPECT_EQ(text.Reader().GetLineNumber(), 1);
    EXPECT_TRUE(line.KeywordLine(L"KELDA\n"));
    // At the end of the file a peek leaves the end flag as it was.
    EXPECT_FALSE(line.KeywordLine(L"FOMB\n"));
    EXPECT_FALSE(text.Reader().IsEnd());
    EXPECT_EQ(text.Reader().GetLineNumber(), 2);
}

TEST(PrjLineReader, NextLineContainsDoesNotConsumeTheLine)
{
    COpenedText text(L"调整信息 标题\n");
    CPrjLineReader line(text.File(), text.Reader());
    EXPECT_TRUE(line.NextLineContains(L"调整信息"));
    EXPECT_FALSE(line.NextLineContains(L"风信息"));
    EXPECT_TRUE(line.TitleLine(L"调整信息"));
}

TEST(ProjectModel, KeywordLinesAreMatchedWithoutRegardToCase)
{
    CScoringProject project;
    const std::wstring text = ReplaceAll(CPrjFixture().Text(), L"\nORVEX\n", L"\norvex\n");
    ASSERT_TRUE(ReadPrjText(text, project));
    EXPECT_EQ(tmtest::ValueText(project.m_genInfoItem, L"地震设防烈度"), L"7.5");
}

TEST(ProjectModel, KeywordWithMoreOnItsLineIsNotTheKeyword)
{
    CMessageRecorder recorder;
    CScoringProject project;
    const std::wstring text = ReplaceAll(CPrjFixture().Text(), L"\nORVEX\n", L"\nORVEX 06\n");
    // The line is then row 10's skipped line, and "总信息" is no integer.
    EXPECT_FALSE(ReadPrjText(text, project));
    EXPECT_EQ(project.m_genInfoItem.m_values.size(), 1u);
}

TEST(ProjectModel, AFileEndingBeforeItsStoreyCountIsRefused)
{
    for (const wchar_t* text : {L"", L"Version06.3-2\n", L"Version06.3-2\n\n"}) {
        CScoringProject project;
        EXPECT_FALSE(ReadPrjText(text, project)) << tmtest::Utf8(text);
        EXPECT_TRUE(project.m_genInfoItem.m_values.empty());
    }
}

TEST(ProjectModel, FileEndingAfterTheGeneralSectionsKeepsTableDefaults)
{
    CScoringProject project;
    CPrjFixture fixture(4);
    fixture.m_fomb.m_present = false;
    fixture.m_row10.clear();
    fixture.m_floorTables.clear();
    fixture.m_loadCaseLine.clear();
    fixture.m_optimization.clear();
    fixture.m_loadCases.clear();
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    EXPECT_EQ(tmtest::ValueText(project.m_genInfoItem, L"Y向基床反力系数"), L"9000");
    EXPECT_EQ(project.m_floorTables.m_standardStoreyTops, (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(project.m_floorTables.m_wallColumnGradeRuns[0].m_value, 25);
}

TEST(ProjectModel, FloorCountLineMustParse)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_floorCount = {L"3层"};
    EXPECT_FALSE(ReadPrjText(fixture.Text(), project));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, L"在文件 model.prj 中\n第 2 行 第 1 字符处有不可识别的整型数");
    EXPECT_TRUE(project.m_genInfoItem.m_values.empty());
}

TEST(ProjectModel, RequiredRowsMustParseAndTheOthersNeedNot)
{
    CMessageRecorder recorder;
    {
        CScoringProject project;
        CPrjFixture fixture;
        fixture.m_rows3to6[0] = L"1.0 2.0 x";  // row 3: warned, read on
        fixture.m_row10[2] = L"1 2 y";         // row 10's line of 9: the same
        EXPECT_TRUE(ReadPrjText(fixture.Text(), project));
        EXPECT_EQ(recorder.Count(), 2u);
        EXPECT_TRUE(TablesReadInStep(project));
    }
    for (int row : {2, 3, 4, 5}) {
        recorder.Clear();
        CScoringProject project;
        CPrjFixture fixture;
        fixture.m_rows3to6[row] = L"1 2 z";  // the line of 6 integers and the three real lines
        EXPECT_FALSE(ReadPrjText(fixture.Text(), project)) << row;
        EXPECT_EQ(recorder.Count(), 1u);
    }
    for (int row : {1, 3}) {
        CScoringProject project;
        CPrjFixture fixture;
        fixture.m_row10[row] = L"1 2 z";  // row 10's 13 integers and 6 reals
        EXPECT_FALSE(ReadPrjText(fixture.Text(), project)) << row;
    }
}

TEST(ProjectModel, OptionalBlocksAreReadLineForLine)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_pirn.Set({NumberLine(11), NumberLine(9), NumberLine(5), NumberLine(3)});
    fixture.m_solvan.Set({NumberLine(9), NumberLine(8), NumberLine(8), NumberLine(10), NumberLine(9), NumberLine(7),
                          NumberLine(16)});
    //                              #10 = 3 = N: no line of its own
    fixture.m_merido.Set({L"1 1 1 1 1 1 1 1 1 1 3", NumberLine(14), NumberLine(8), NumberLine(10), NumberLine(9),
                          NumberLine(8), NumberLine(16), NumberLine(11)});
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    EXPECT_TRUE(TablesReadInStep(project));
}

TEST(ProjectModel, MeridoStoreyCountOtherThanNAddsALine)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_merido.Set({L"1 1 1 1 1 1 1 1 1 1 5", NumberLine(5), NumberLine(14), NumberLine(8), NumberLine(10),
                          NumberLine(9), NumberLine(8), NumberLine(16), NumberLine(11)});
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    EXPECT_TRUE(TablesReadInStep(project));
    // A first line of 10 values has no count: no line of its own either.
    CScoringProject shortLine;
    fixture.m_merido.Set({NumberLine(10), NumberLine(14), NumberLine(8), NumberLine(10), NumberLine(9),
                          NumberLine(8), NumberLine(16), NumberLine(11)});
    ASSERT_TRUE(ReadPrjText(fixture.Text(), shortLine));
    EXPECT_TRUE(TablesReadInStep(shortLine));
}

TEST(ProjectModel, SolverBlockOfVersion975HasSixLines)
{
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_header = L"ORVEX Version97.5";
    fixture.m_oldOrvexBlock = CLines(16, L"旧版");
    fixture.m_loadCases.clear();  // not read for this version
    fixture.m_solvan.Set({NumberLine(11), NumberLine(12), NumberLine(15), NumberLine(15), NumberLine(12),
                          NumberLine(10)});
    ASSERT_TRUE(ReadPrjText(fixture.Text(), project));
    EXPECT_EQ(project.m_floorTables.m_beamGradeRuns[0].m_value, 35);
}

TEST(ProjectModel, FailingLineInAnOptionalBlockFailsTheRead)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_pirn.Set({NumberLine(11), L"a", NumberLine(5), NumberLine(3)});
    EXPECT_FALSE(ReadPrjText(fixture.Text(), project));
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(ProjectModel, ReadingAgainResetsTheTablesToTheNewStoreyCount)
{
    CScoringProject project;
    ASSERT_TRUE(ReadPrjText(CPrjFixture(12).Text(), project));
    EXPECT_EQ(project.m_floorTables.m_lowerStoreys.size(), 12u);
    project.ClearAllValues();
    ASSERT_TRUE(ReadPrjText(CPrjFixture(2).Text(), project));
    EXPECT_EQ(project.m_floorTables.m_lowerStoreys.size(), 2u);
    EXPECT_EQ(project.m_genInfoItem.m_floorCount, 2);
    EXPECT_EQ(project.m_floorTables.m_standardStoreyTops, (std::vector<int32_t>{1, 2}));
}

TEST(ProjectModel, LineNumbersInMessagesCountEveryLineOnce)
{
    CMessageRecorder recorder;
    CScoringProject project;
    CPrjFixture fixture;
    fixture.m_fomb.m_present = false;
    fixture.m_row10[1] = L"1 2 x";
    // Rows 1 to 6 are 8 lines, then "ORVEX" and 11 lines of sections; the
    // keyword peeks for KELDA and FOMB must not count the skipped line.
    const int expectedLine = 8 + 1 + (int)fixture.m_orvex.Lines().size() + 2;
    EXPECT_FALSE(ReadPrjText(fixture.Text(), project));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text,
              TMTOOLS::String::stringFormat(L"在文件 model.prj 中\n第 %d 行 第 %d 字符处有不可识别的整型数",
                                            expectedLine, 4));
}
