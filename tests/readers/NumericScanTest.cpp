#include <gtest/gtest.h>

#include <cmath>

#include "readers/NumericScan.h"
#include "tests/readers/OpenedText.h"
#include "tests/support/MessageRecorder.h"

using tmtest::CMessageRecorder;
using tmtest::COpenedText;

namespace {

const wchar_t kTooLongNumber[] = L"在文件 text.prj 中\n第 %d 行第 %d 字符处的字串太长,超出了浮点数的表示范围。";

std::wstring Fmt(const wchar_t* format, int a, int b)
{
    wchar_t text[256];
    swprintf(text, 256, format, a, b);
    return text;
}

}  // namespace

TEST(ReadFloats, SeparatorsMayBeCommaSpaceTabAndLineFeed)
{
    COpenedText text(L"1.5, 2e3\t-4\n");
    float values[5] = {};
    int count = 5;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    ASSERT_EQ(count, 3);
    EXPECT_FLOAT_EQ(values[0], 1.5f);
    EXPECT_FLOAT_EQ(values[1], 2000.0f);
    EXPECT_FLOAT_EQ(values[2], -4.0f);
    EXPECT_EQ(text.Reader().GetLineNumber(), 1);
}

TEST(ReadFloats, StopsAtTheWantedCountAndKeepsIt)
{
    COpenedText text(L"1 2 3 4\n5\n");
    float values[4] = {0, 0, 99, 99};
    int count = 2;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(values[1], 2.0f);
    EXPECT_EQ(values[2], 99.0f);
    // The rest of the line is dropped: the next read is the next line.
    count = 4;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(values[0], 5.0f);
}

TEST(ReadFloats, SlashEndsTheNumbersOfALine)
{
    COpenedText text(L"7 8/9 comment, with letters\n");
    float values[5] = {};
    int count = 5;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(values[0], 7.0f);
    EXPECT_EQ(values[1], 8.0f);
}

TEST(ReadFloats, UnrecognisedCharacterWarnsWithItsZeroBasedColumn)
{
    CMessageRecorder recorder;
    COpenedText text(L"\n1 x 3\n");
    float values[5] = {};
    int count = 0;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    count = 5;
    EXPECT_FALSE(ReadFloats(text.Reader(), text.File(), values, count));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().caption, L"警告");
    EXPECT_EQ(recorder.Last().text, L"在文件 text.prjzNumber 中\n第 2 行 第 2 字符处有不可识别的双精度浮点数");
}

TEST(ReadFloats, CarriageReturnWithoutLineFeedIsUnrecognised)
{
    CMessageRecorder recorder;
    auto text = COpenedText::FromBytes("1\r2\n");
    float values[2];
    int count = 2;
    EXPECT_FALSE(ReadFloats(text->Reader(), text->File(), values, count));
    EXPECT_EQ(recorder.Count(), 1u);
}

TEST(ReadFloats, NumberOf29CharactersIsAcceptedAndOf30Refused)
{
    CMessageRecorder recorder;
    const std::wstring n29 = L"1." + std::wstring(27, L'0');  // 29 characters
    COpenedText text(n29 + L" " + n29 + L"5\n");
    float values[2] = {};
    int count = 2;
    EXPECT_FALSE(ReadFloats(text.Reader(), text.File(), values, count));
    ASSERT_EQ(recorder.Count(), 1u);
    // The second number starts at 30; its thirtieth character is at 59.
    EXPECT_EQ(recorder.Last().text, Fmt(kTooLongNumber, 1, 59));
    EXPECT_EQ(values[0], 1.0f);
}

TEST(ReadFloats, LastLineWithoutLineFeedLosesItsLastNumber)
{
    auto text = COpenedText::FromBytes("4.5 6.5");
    float values[2] = {};
    int count = 2;
    ASSERT_TRUE(ReadFloats(text->Reader(), text->File(), values, count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(values[0], 4.5f);
}

TEST(ReadFloats, EndOfFileIsSuccessWithNoValues)
{
    COpenedText text(L"1\n");
    float values[2];
    int count = 2;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    count = 2;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(text.Reader().IsEnd());
    EXPECT_EQ(text.Reader().GetLineNumber(), 0);
}

TEST(ReadFloats, LastLineOfSpacesEndsTheData)
{
    auto text = COpenedText::FromBytes("1\n   ");
    float values[2];
    int count = 2;
    ASSERT_TRUE(ReadFloats(text->Reader(), text->File(), values, count));
    EXPECT_FALSE(text->Reader().IsEnd());
    ASSERT_TRUE(ReadFloats(text->Reader(), text->File(), values, count));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(text->Reader().IsEnd());
    EXPECT_EQ(text->Reader().GetLineNumber(), 0);
}

TEST(ReadFloats, ZeroOrNegativeCountReadsTheLineAndStoresNothing)
{
    COpenedText text(L"1 2 3\n4 5 6\n7\n");
    float values[1] = {42};
    int count = 0;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    count = -3;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(values[0], 42.0f);
    count = 1;
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, count));
    EXPECT_EQ(values[0], 7.0f);
}

TEST(ReadFloats, LineTooLongForTheBufferWarnsOnce)
{
    CMessageRecorder recorder;
    COpenedText text(std::wstring(20, L'1') + L"\n", 10);
    float values[2];
    int count = 2;
    EXPECT_FALSE(ReadFloats(text.Reader(), text.File(), values, count));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_NE(recorder.Last().text.find(L"行长超过了程序读取范围"), std::wstring::npos);
}

TEST(ReadFloats, FormWithoutCountGivesValuesAndKeepsTheRest)
{
    COpenedText text(L"1 2\n");
    float values[4] = {9, 9, 9, 9};
    ASSERT_TRUE(ReadFloats(text.Reader(), text.File(), values, 4));
    EXPECT_EQ(values[0], 1.0f);
    EXPECT_EQ(values[1], 2.0f);
    EXPECT_EQ(values[2], 9.0f);
}

TEST(WideToDouble, TakesTheLongestNumberPrefixLikeTheRuntime)
{
    EXPECT_EQ(WideToDouble(L"1.5e"), 1.5);
    EXPECT_EQ(WideToDouble(L"3-4"), 3.0);
    EXPECT_EQ(WideToDouble(L"  -2.5E+2x"), -250.0);
    EXPECT_EQ(WideToDouble(L"+.5"), 0.5);
    EXPECT_EQ(WideToDouble(L"5."), 5.0);
    EXPECT_EQ(WideToDouble(L"--3"), 0.0);
    EXPECT_EQ(WideToDouble(L"e5"), 0.0);
    EXPECT_EQ(WideToDouble(L"abc"), 0.0);
    EXPECT_EQ(WideToDouble(L"inf"), 0.0);
    EXPECT_EQ(WideToDouble(L""), 0.0);
    EXPECT_EQ(WideToDouble(nullptr), 0.0);
}

TEST(WideToDouble, OutOfRangeGivesInfinityOrZero)
{
    EXPECT_EQ(WideToDouble(L"1e999"), HUGE_VAL);
    EXPECT_EQ(WideToDouble(L"-1e999"), -HUGE_VAL);
    EXPECT_EQ(WideToDouble(L"1e-999"), 0.0);
    EXPECT_EQ(WideToDouble(L"0.0000001e-400"), 0.0);
    EXPECT_EQ(WideToDouble(L"0e999"), 0.0);
}

TEST(SplitFloats, RunsOfSeparatorsCountAsOneAndWordsGiveZero)
{
    float values[15];
    int count = -1;
    SplitFloats(L"  3.2  4 a ", L" ", values, count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(values[0], 3.2f);
    EXPECT_EQ(values[1], 4.0f);
    EXPECT_EQ(values[2], 0.0f);
}

TEST(SplitFloats, TextWithoutTrailingSeparatorGivesItsLastPiece)
{
    float values[15];
    int count = 0;
    SplitFloats(L"1 2 3", L" ", values, count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(values[2], 3.0f);
}

TEST(SplitFloats, TextNotLongerThanTheSeparatorGivesNothing)
{
    float values[15];
    int count = 7;
    SplitFloats(L"5", L" ", values, count);
    EXPECT_EQ(count, 0);
    SplitFloats(L"   ", L" ", values, count);
    EXPECT_EQ(count, 0);
    SplitFloats(L"1 2", L"", values, count);
    EXPECT_EQ(count, 0);
}

TEST(SplitFloats, MoreWordsThanTheArrayHoldsAreDropped)
{
    float values[3] = {};
    int count = 0;
    SplitFloats(L"1 2 3 4 5 6", L" ", values, count);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(values[2], 3.0f);
}

TEST(ReadFloatsAfterTotal, ParsesTheNumbersBehindTheMarker)
{
    CReadALine reader(nullptr);
    float values[4] = {};
    int count = 4;
    ASSERT_TRUE(ReadFloatsAfterTotal(reader, values, count, L"  层 1   合计:  12.5  -3  4e1"));
    ASSERT_EQ(count, 3);
    EXPECT_EQ(values[0], 12.5f);
    EXPECT_EQ(values[1], -3.0f);
    EXPECT_EQ(values[2], 40.0f);
}

TEST(ReadFloatsAfterTotal, LineWithoutMarkerOrEmptyGivesNothing)
{
    CReadALine reader(nullptr);
    float values[4];
    int count = 4;
    ASSERT_TRUE(ReadFloatsAfterTotal(reader, values, count, L"1 2 3\n"));
    EXPECT_EQ(count, 0);
    count = 4;
    ASSERT_TRUE(ReadFloatsAfterTotal(reader, values, count, L""));
    EXPECT_EQ(count, 0);
}

TEST(ReadFloatsAfterTotal, StopsAtTheWantedCount)
{
    CReadALine reader(nullptr);
    float values[2] = {};
    int count = 2;
    ASSERT_TRUE(ReadFloatsAfterTotal(reader, values, count, L"合计: 1 2 3 4\n"));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(values[1], 2.0f);
    // A count of zero stores nothing rather than every number of the line.
    count = 0;
    ASSERT_TRUE(ReadFloatsAfterTotal(reader, values, count, L"合计: 5 6\n"));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(values[0], 1.0f);
}

TEST(ReadFloatsAfterTotal, TooLongNumberWarnsWithItsColumnInTheWholeLine)
{
    CMessageRecorder recorder;
    CReadALine reader(nullptr);
    reader.SetFileName(L"text.prj");
    float values[2];
    int count = 2;
    EXPECT_FALSE(ReadFloatsAfterTotal(reader, values, count, (L"合计:" + std::wstring(30, L'1')).c_str()));
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, Fmt(kTooLongNumber, 0, 32));
}

TEST(FindLineContaining, ReturnsTheWholeMatchingLine)
{
    COpenedText text(L"a\n层间位移角 1/550\nb\n");
    std::wstring line = L"unchanged";
    EXPECT_EQ(FindLineContaining(text.Reader(), text.File(), L"位移角", line), 1);
    EXPECT_EQ(line, L"层间位移角 1/550\n");
    EXPECT_EQ(FindLineContaining(text.Reader(), text.File(), L"位移角", line), 0);
    EXPECT_EQ(line, L"层间位移角 1/550\n");
}

TEST(FindLineContaining, AtTheEndOfTheFileReturnsZeroAtOnce)
{
    COpenedText text(L"a\n");
    std::wstring line = L"unchanged";
    EXPECT_EQ(FindLineContaining(text.Reader(), text.File(), L"x", line), 0);
    EXPECT_TRUE(text.Reader().IsEnd());
    EXPECT_EQ(FindLineContaining(text.Reader(), text.File(), L"", line), 0);
    EXPECT_EQ(line, L"unchanged");
    // Meeting the end while looking for an empty text finds nothing either.
    COpenedText empty(L"");
    EXPECT_EQ(FindLineContaining(empty.Reader(), empty.File(), L"", line), 0);
    EXPECT_EQ(line, L"unchanged");
}
