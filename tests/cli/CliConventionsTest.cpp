// tmscore-cli's help, version and messages, run as a program: help on
// stdout with status 0, usage errors on stderr with status 2, Chinese or
// English by the locale, names with control characters escaped.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/cli/CliRun.h"
#include "tests/support/TestFiles.h"

namespace {

using tmtest::CCliRun;
using tmtest::Quoted;
using tmtest::RunCli;

const std::string kSamples = TM_SAMPLES_DIR;

}  // namespace

TEST(CliConventions, HelpGoesToStdoutWithStatusZeroInEveryForm)
{
    for (const char* arguments : {"--help", "-h", "help"}) {
        CCliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.err, "") << arguments;
        EXPECT_EQ(run.out.find("用法：tmscore-cli 命令 [参数]..."), 0u) << arguments;
        EXPECT_NE(run.out.find("  grade     "), std::string::npos) << run.out;
    }
    for (const char* arguments : {"help grade", "grade --help", "grade --standard x.xml -h a.zip", "help standard",
                                  "standard frame.prj --help", "help values", "values -h"}) {
        CCliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 0) << arguments;
        EXPECT_EQ(run.err, "") << arguments;
        const std::string command = std::string(arguments).find("grade") != std::string::npos      ? "grade"
                                    : std::string(arguments).find("standard") != std::string::npos ? "standard"
                                                                                                   : "values";
        EXPECT_EQ(run.out.find("用法：tmscore-cli " + command + " "), 0u) << run.out;
        EXPECT_NE(run.out.find("例："), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("  -h, --help"), std::string::npos) << run.out;
    }
    // The category order of --scores, and where the workbooks go.
    EXPECT_NE(RunCli("help standard").out.find("总信息、各层信息、结构模型与荷载、\n                         计算结果、施工图、钢筋算量接口"),
              std::string::npos);
    EXPECT_NE(RunCli("help grade").out.find("--output-dir DIR    评分报告写到 DIR"), std::string::npos);
    // An option after "--" is an operand, not a request for help.
    EXPECT_EQ(RunCli("values -- --help").status, 2);

    CCliRun version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tmscore-cli (TmScore) ") + TM_VERSION + "\n");
}

TEST(CliConventions, UsageErrorsGoToStderrInTheLocalesLanguage)
{
    CCliRun chinese = RunCli("grade --bogus");
    EXPECT_EQ(chinese.status, 2);
    EXPECT_EQ(chinese.out, "");
    EXPECT_EQ(chinese.err.substr(0, chinese.err.find('\n')), "tmscore-cli grade: 没有这个选项：--bogus");

    CCliRun english = RunCli("grade --bogus", "", "", "en_GB.UTF-8");
    EXPECT_EQ(english.status, 2);
    EXPECT_EQ(english.err.substr(0, english.err.find('\n')), "tmscore-cli grade: unknown option: --bogus");
    EXPECT_NE(english.err.find("\nUsage: tmscore-cli grade --standard FILE"), std::string::npos) << english.err;
    EXPECT_NE(english.err.find("Try 'tmscore-cli grade --help'."), std::string::npos);
    EXPECT_EQ(RunCli("help", "", "", "en_US.UTF-8").out.find("Usage: tmscore-cli COMMAND"), 0u);
    // Messages from the grading itself stay Chinese.
    EXPECT_NE(RunCli("values /none/frame.prj", "", "", "en_US.UTF-8").err.find("不存在"), std::string::npos);

    // A control character in an argument is escaped in the message.
    CCliRun escaped = RunCli("grade " + Quoted("--\x1b[31m"));
    EXPECT_EQ(escaped.err.substr(0, escaped.err.find('\n')), "tmscore-cli grade: 没有这个选项：--\\x1b[31m");
}

TEST(CliConventions, ControlCharactersInAFolderNameAreEscapedInTheTableAndOnStderr)
{
    tmtest::CTempDir dir;
    const std::string standard = dir.File("std.xml");
    ASSERT_EQ(RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " -o " + Quoted(standard)).status, 0);
    // A student folder named "a<ESC>[2Jb<LF>c" and a hand-in beside it
    // that gives no project.
    const std::string folder = dir.File("a\x1b[2Jb\nc");
    tmtest::Run("cp -r " + Quoted(kSamples + "/students/张三") + " " + Quoted(folder));
    tmtest::WriteBytes(dir.File("x\x07.zip"), "not an archive");
    CCliRun run = RunCli("grade --standard " + Quoted(standard) + " " + Quoted(folder + "/frame.prj") + " " +
                         Quoted(dir.File("x\x07.zip")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.out.find('\x07'), std::string::npos);
    EXPECT_NE(run.out.find("\n   1  a\\x1b[2Jb\\nc  读入成功"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n   2  x\\x07.zip"), std::string::npos) << run.out;
    // The table: a header and one line a row, up to the class analysis.
    const std::string table = run.out.substr(0, run.out.find("\n\n") + 1);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3) << run.out;
    EXPECT_EQ(run.err.find('\x07'), std::string::npos);
    EXPECT_NE(run.err.find("x\\x07.zip"), std::string::npos) << run.err;
}
