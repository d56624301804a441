// The command line's message lines and its JSON texts.
#include <gtest/gtest.h>

#include "cli/JsonWriter.h"
#include "cli/TerminalMessages.h"

TEST(TerminalMessages, AMessageIsOneLineOfCaptionAndText)
{
    EXPECT_EQ(CTerminalMessages::Format(L"工程 /a/b.prj 不存在.", L"Tesmo评分系统"),
              "Tesmo评分系统: 工程 /a/b.prj 不存在.");
    EXPECT_EQ(CTerminalMessages::Format(L"在文件 x 中\n第 2 行\r\n尾\r", L"警告"), "警告: 在文件 x 中\\n第 2 行\\n尾\\n");
    EXPECT_EQ(CTerminalMessages::Format(nullptr, nullptr), ": ");
}

TEST(TerminalMessages, OnATerminalLineBreaksStayAndControlCharactersNeverPass)
{
    EXPECT_EQ(CTerminalMessages::Format(L"在文件 x 中\n第 2 行\r\n尾", L"警告", true), "警告: 在文件 x 中\n第 2 行\n尾");
    EXPECT_EQ(CTerminalMessages::Format(L"a\x1b[2J\tb\x7f\x9b\xdc9b\xdcc4", L"c\x07", true),
              "c\\x07: a\\x1b[2J\\tb\\x7f\\u009b\\x9b\xc4");
    EXPECT_EQ(CTerminalMessages::Escaped(std::string("作业/a\x1b\nb\xff")), "作业/a\\x1b\\nb\xff");
}

TEST(JsonWriter, StringsAreEscapedAndWrittenAsUtf8)
{
    EXPECT_EQ(CJsonWriter::Quote(L"a\"b\\c\nd\te\x01％"), "\"a\\\"b\\\\c\\nd\\te\\u0001％\"");
}

TEST(JsonWriter, FloatsAreTheShortestTextThatReadsBack)
{
    CJsonWriter json;
    json.BeginArray();
    json.Float(30);
    json.Float(0.1f);
    json.Float(95.6f);
    json.Float(7.619999f);
    json.Float(1e20f);
    json.Float(-0.5f);
    json.EndArray();
    EXPECT_EQ(json.Text(), "[\n  30,\n  0.1,\n  95.6,\n  7.619999,\n  1e+20,\n  -0.5\n]");
}

TEST(JsonWriter, NestedContainersAreIndentedAndEmptyOnesStayOnOneLine)
{
    CJsonWriter json;
    json.BeginObject();
    json.Key("a");
    json.Int(1);
    json.Key("b");
    json.BeginArray();
    json.EndArray();
    json.Key("c");
    json.BeginArray();
    json.BeginObject();
    json.Key("d");
    json.Bool(false);
    json.EndObject();
    json.EndArray();
    json.EndObject();
    EXPECT_EQ(json.Text(), "{\n  \"a\": 1,\n  \"b\": [],\n  \"c\": [\n    {\n      \"d\": false\n    }\n  ]\n}");
}
