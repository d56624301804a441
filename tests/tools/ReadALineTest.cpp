#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"
#include "tools/ReadALine.h"

namespace {

// A reader over a scratch file holding the given bytes.
class ReadALineTest : public ::testing::Test {
protected:
    FILE* Open(const std::string& bytes)
    {
        tmtest::WriteBytes(m_dir.File("in.txt"), bytes);
        m_file = fopen(m_dir.File("in.txt").c_str(), "rb");
        m_reader.SetFileName(L"in.txt");
        return m_file;
    }
    void TearDown() override
    {
        if (m_file)
            fclose(m_file);
    }

    tmtest::CTempDir m_dir;
    tmtest::CMessageRecorder m_messages;
    CReadALine m_reader{nullptr};
    FILE* m_file = nullptr;
};

TEST_F(ReadALineTest, ChineseGbkWithCrLfReadsBackExactly)
{
    tmtest::WriteGbkFile(m_dir.File("gbk.txt"), L"总信息 结构体系\n第二行 ABC\n");
    m_file = fopen(m_dir.File("gbk.txt").c_str(), "rb");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"总信息 结构体系\n");
    EXPECT_EQ(m_reader.GetLineNumber(), 1);
    EXPECT_STREQ(m_reader.ReadAString(m_file, 2, -1), L"行 ABC\n");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"");
    EXPECT_TRUE(m_reader.IsEnd());
    EXPECT_EQ(m_reader.GetLineNumber(), 0);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadALineTest, CutAtEndIndexAndLoneCarriageReturnKept)
{
    Open("abcdef\r\nx\ry\r\n");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 1, 4), L"bcd");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"x\ry\n");
}

TEST_F(ReadALineTest, PositionsStayByteExactForPeekAndReturn)
{
    tmtest::WriteGbkFile(m_dir.File("gbk.txt"), L"第一\n第二行\n三\n");
    m_file = fopen(m_dir.File("gbk.txt").c_str(), "rb");
    m_reader.ReadAString(m_file, 0, -1);
    long mark = ftell(m_file);
    EXPECT_EQ(mark, 6);  // four GBK bytes and CR LF
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"第二行\n");
    fseek(m_file, mark, SEEK_SET);
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"第二行\n");
}

TEST_F(ReadALineTest, LongestLineFitsAndOneMoreIsTooLong)
{
    std::string fits(998, 'a');
    std::string tooLong(999, 'b');
    Open(fits + "\n" + tooLong + "\nnext\n");
    EXPECT_EQ(std::wstring(m_reader.ReadAString(m_file, 0, -1)).size(), 999u);
    EXPECT_EQ(m_messages.Count(), 0u);
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"");
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().caption, L"警告");
    EXPECT_EQ(m_messages.Last().text, L"在文件 in.txt 中\n第 2 行长超过了程序读取范围，请检查该文件是否正常。");
    // The reader stays usable: the rest of the long line, then the next line.
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"\n");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"next\n");
}

TEST_F(ReadALineTest, TooLongLinesAreReportedOncePerFileAndEachStillFails)
{
    // A file of long lines, read twice over under the same name, then
    // another file: one warning for each file.
    const std::string longLine(2500, '7');
    Open(longLine + "\n" + longLine + "\n");
    int reads = 0;
    do {
        m_reader.ReadAString(m_file, 0, -1);
        ++reads;
    } while (!m_reader.IsEnd());
    EXPECT_GT(reads, 4);
    EXPECT_EQ(m_messages.Count(), 1u);
    rewind(m_file);
    m_reader.SetFileName(L"in.txt");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"");
    EXPECT_EQ(m_messages.Count(), 1u);
    m_reader.SetFileName(L"other.txt");
    rewind(m_file);
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"");
    ASSERT_EQ(m_messages.Count(), 2u);
    EXPECT_EQ(m_messages.Last().text, L"在文件 other.txt 中\n第 1 行长超过了程序读取范围，请检查该文件是否正常。");
}

TEST_F(ReadALineTest, EmptyTextIsToldFromAnEmptyLineByItsAddress)
{
    // A line that starts with a NUL byte reads as empty, like the end of
    // the file and a too-long line; only the address tells them apart.
    Open(std::string("\0x\n", 3) + std::string(999, 'b') + "\n");
    const wchar_t* text = m_reader.ReadAString(m_file, 0, -1);
    EXPECT_EQ(text, m_reader.m_buffer);
    EXPECT_STREQ(text, L"");
    text = m_reader.ReadAString(m_file, 0, -1);
    EXPECT_NE(text, m_reader.m_buffer);
    EXPECT_STREQ(text, L"");
    EXPECT_EQ(m_reader.GetLineNumber(), 2);  // too long, not the end
    EXPECT_EQ(m_reader.ReadAString(m_file, 0, -1), m_reader.m_buffer);  // its rest
    text = m_reader.ReadAString(m_file, 0, -1);
    EXPECT_NE(text, m_reader.m_buffer);
    EXPECT_EQ(m_reader.GetLineNumber(), 0);  // the end
    EXPECT_EQ(m_messages.Count(), 1u);
}

TEST_F(ReadALineTest, SmallBufferCountsGbkCharactersAsOneUnit)
{
    CReadALine reader(nullptr, 4);
    tmtest::WriteGbkFile(m_dir.File("gbk.txt"), L"中文\n");
    m_file = fopen(m_dir.File("gbk.txt").c_str(), "rb");
    EXPECT_STREQ(reader.ReadAString(m_file, 0, -1), L"中文\n");
}

TEST_F(ReadALineTest, ReadIntegersStopsAtSlashAndSkipsRepeatedSeparators)
{
    Open("12, -3\t+4 / comment 99\n1,,2  3\n");
    int values[5] = {0};
    int count = 5;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(values[0], 12);
    EXPECT_EQ(values[1], -3);
    EXPECT_EQ(values[2], 4);
    count = 5;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[2], 3);
}

TEST_F(ReadALineTest, ReadIntegersStopsAtCountAndIgnoresTheRest)
{
    Open("1 2 3 x\n");
    int values[2] = {0};
    int count = 2;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(ReadALineTest, ReadIntegersConvertsLikeWtoi)
{
    Open("3-4 -+5 99999999999\n");
    int values[3] = {7, 7, 7};
    int count = 3;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(values[0], 3);
    EXPECT_EQ(values[1], 0);
    EXPECT_EQ(values[2], 2147483647);
}

TEST_F(ReadALineTest, UnrecognisedCharacterWarnsWithZeroBasedColumn)
{
    Open("12a 4\n");
    int values[3];
    int count = 3;
    EXPECT_FALSE(m_reader.ReadIntegers(m_file, 0, count, values));
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text, L"在文件 in.txt 中\n第 1 行 第 2 字符处有不可识别的整型数");
}

TEST_F(ReadALineTest, CarriageReturnWithoutLineFeedIsNotASeparator)
{
    Open("5\r");
    int values[1];
    int count = 1;
    EXPECT_FALSE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(m_messages.Count(), 1u);
}

TEST_F(ReadALineTest, TwelveDigitTokenIsTooLongElevenIsAccepted)
{
    Open("12345678901\n123456789012\n");
    int values[1];
    int count = 1;
    EXPECT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(m_messages.Count(), 0u);
    count = 1;
    EXPECT_FALSE(m_reader.ReadIntegers(m_file, 0, count, values));
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Last().text,
              L"在文件 in.txt 中\n第 2 行第 11 字符处的字串太长,超出了整型数的表示范围。");
}

TEST_F(ReadALineTest, SpacesOnlyLineEndsTheData)
{
    Open("1\n    ");
    int values[2];
    int count = 2;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    count = 2;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(m_reader.IsEnd());
    EXPECT_EQ(m_reader.GetLineNumber(), 0);
}

TEST_F(ReadALineTest, LineFeedOnlyLineYieldsNoNumbersButIsNotTheEnd)
{
    Open("\n7\n");
    int values[2];
    int count = 2;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(m_reader.IsEnd());
}

TEST_F(ReadALineTest, PendingTokenOnLastLineWithoutLineFeedIsNotStored)
{
    Open("4 5");
    int values[2] = {0, 0};
    int count = 2;
    ASSERT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(values[0], 4);
}

TEST_F(ReadALineTest, ReadIntegersAtEndOfFileAndNegativeCount)
{
    Open("1 2\n");
    int values[2];
    int count = -5;
    EXPECT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 0);
    count = 2;
    EXPECT_TRUE(m_reader.ReadIntegers(m_file, 0, count, values));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(m_reader.IsEnd());
}

TEST_F(ReadALineTest, FindStringReturnsTheLineAndStopsAtEnd)
{
    tmtest::WriteGbkFile(m_dir.File("gbk.txt"), L"a\n** 总信息 **\nb\n");
    m_file = fopen(m_dir.File("gbk.txt").c_str(), "rb");
    std::wstring line;
    ASSERT_TRUE(m_reader.FindString(m_file, L"总信息", line));
    EXPECT_EQ(line, L"** 总信息 **\n");
    EXPECT_EQ(m_reader.GetLineNumber(), 2);
    EXPECT_FALSE(m_reader.FindString(m_file, L"missing"));
    EXPECT_TRUE(m_reader.IsEnd());
}

TEST_F(ReadALineTest, FindStringWithEndAlreadySetReadsNothing)
{
    Open("key\n");
    m_reader.m_isEnd = true;
    EXPECT_FALSE(m_reader.FindString(m_file, L"key"));
    EXPECT_EQ(ftell(m_file), 0);
}

TEST_F(ReadALineTest, InvalidGbkNulAndEmptyFileHaveDefinedResults)
{
    // A lead byte followed by a line feed must not swallow the line feed.
    Open(std::string("a\x81\nb\xff\xfe\n") + std::string("c\0d\n", 4));
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"a\xFFFD\n");
    EXPECT_EQ(m_reader.GetLineNumber(), 1);
    std::wstring second = m_reader.ReadAString(m_file, 0, -1);
    EXPECT_EQ(second.size(), 4u);
    EXPECT_EQ(second[0], L'b');
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"c");  // the line appears cut at the NUL
    EXPECT_EQ(m_reader.GetLineNumber(), 3);
    fclose(m_file);
    m_file = nullptr;
    Open("");
    EXPECT_STREQ(m_reader.ReadAString(m_file, 0, -1), L"");
    EXPECT_TRUE(m_reader.IsEnd());
}

TEST_F(ReadALineTest, SetFileNameResetsLineAndEndButIgnoresEmpty)
{
    Open("x\n");
    m_reader.ReadAString(m_file, 0, -1);
    m_reader.ReadAString(m_file, 0, -1);
    EXPECT_TRUE(m_reader.IsEnd());
    m_reader.SetFileName(L"");
    EXPECT_TRUE(m_reader.IsEnd());
    m_reader.SetFileName(L"other.txt");
    EXPECT_FALSE(m_reader.IsEnd());
    EXPECT_EQ(m_reader.GetLineNumber(), 0);
}

}  // namespace
