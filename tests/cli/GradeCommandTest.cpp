// tmscore-cli standard and grade, run as programs on the sample class: the
// scoring-standard file, the totals on stdout (JSON checked by Python's
// parser) and the workbooks (read back with xlrd).
#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/CliRun.h"
#include "tests/support/TestFiles.h"

namespace {

using tmtest::CCliRun;
using tmtest::Quoted;
using tmtest::RunCli;
using tmtest::RunPython;

const std::string kSamples = TM_SAMPLES_DIR;

// Every row of Sheet1 as "a|b|...".
const char kSheetRows[] = "s = xlrd.open_workbook(sys.argv[1]).sheet_by_name('Sheet1')\n"
                          "for r in range(s.nrows):\n"
                          "    print('|'.join(str(c.value) for c in s.row(r)))\n";

const char* const kStudents[] = {"张三", "李四", "王五", "赵六", "钱七"};

// A scratch class: the sample archives copied, and the standard written
// from the sample standard project with every value selected.
class CClass {
public:
    CClass()
    {
        for (const char* name : kStudents)
            tmtest::WriteBytes(m_dir.File(std::string(name) + ".zip"),
                               tmtest::ReadBytes(kSamples + "/archives/" + name + ".zip"));
        m_standard = m_dir.File("标准.xml");
        CCliRun run = RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " -o " + Quoted(m_standard));
        EXPECT_EQ(run.status, 0) << run.err;
    }

    std::string Archives() const
    {
        std::string list;
        for (const char* name : kStudents)
            list += " " + Quoted(m_dir.File(std::string(name) + ".zip"));
        return list;
    }

    tmtest::CTempDir m_dir;
    std::string m_standard;
};

}  // namespace

TEST(StandardCommand, WritesTheSampleStandardWithItsScoresAndSelections)
{
    tmtest::CTempDir dir;
    const std::string file = dir.File("std.xml");
    CCliRun run = RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " -o " + Quoted(file) +
                   " --scores 10,20,30,40,0.5,0");
    ASSERT_EQ(run.status, 0) << run.err;
    // The names "..._％" are XML names only since XML 1.0's fifth edition,
    // which expat does not follow, so the file is read with patterns here.
    const char program[] =
        "import re\n"
        "t = open(sys.argv[1], encoding='utf-8').read()\n"
        "root = re.search(r'<(\\S+) ([^>]*)>', t.split('?>', 1)[1])\n"
        "print(root.group(1), re.findall(r'分值=\"([^\"]*)\"', root.group(2)))\n"
        "for tag, attrs in re.findall(r'\\n\\s+<(\\S+)((?: [^ =]+=\"[^\"]*\")*) />', t):\n"
        "    values = re.findall(r'=\"([^\"]*)\"', attrs)\n"
        "    print(tag, len(values) > 0, sorted(set(values)))\n";
    EXPECT_EQ(RunPython(program, {file}),
              "标准工程信息 ['10', '20', '30', '40', '0.5', '0']\n"
              "总信息 True ['1']\n"
              "各层信息 True ['1']\n"
              "结构模型与荷载 True ['1']\n"
              "计算结果 True ['1']\n"
              "施工图 True ['1']\n"
              "钢筋算量接口 True ['1']\n");
    EXPECT_NE(tmtest::ReadBytes(file).find("标准工程路径=\"" + kSamples + "/standard/frame.prj\""), std::string::npos);

    run = RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " --select none -o " + Quoted(file));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = tmtest::ReadBytes(file);
    EXPECT_EQ(text.find("=\"1\""), std::string::npos);
    EXPECT_NE(text.find("=\"0\""), std::string::npos);
}

TEST(StandardCommand, RefusesBadCommandLinesAndAStandardThatDoesNotLoad)
{
    tmtest::CTempDir dir;
    const std::string prj = Quoted(kSamples + "/standard/frame.prj");
    const std::string out = " -o " + Quoted(dir.File("x.xml"));
    for (const std::string& args :
         {std::string(""), prj, prj + out + " " + prj, Quoted(kSamples + "/standard/frame.pfd") + out,
          prj + out + " --scores 1,2,3,4,5", prj + out + " --scores 1,2,3,4,5,x", prj + out + " --scores 1,2,3,4,5,-1",
          prj + out + " --select ,", prj + out + " --bogus", prj + " -o",
          prj + out + " --select all --select-file x"}) {
        CCliRun run = RunCli("standard " + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("用法：tmscore-cli standard"), std::string::npos) << args;
        EXPECT_NE(run.err.find("详见 'tmscore-cli standard --help'。"), std::string::npos) << args;
    }
    CCliRun run = RunCli("standard " + Quoted(kSamples + "/students/钱七/frame.prj") + out);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("标准工程读取失败，请重新设置一个有效的标准工程!"), std::string::npos);
    EXPECT_FALSE(std::ifstream(dir.File("x.xml")).good());
}

TEST(StandardCommand, ListsEveryValueAndSelectsThemByName)
{
    tmtest::CTempDir dir;
    const std::string prj = Quoted(kSamples + "/standard/frame.prj");
    CCliRun all = RunCli("standard " + prj + " --list");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out.substr(0, all.out.find('\n')), "选中\t类别\t设置页\t名称");
    EXPECT_NE(all.out.find("\n1\t计算结果\t构件信息\t第一周期_s\n"), std::string::npos) << all.out;
    EXPECT_EQ(tmtest::RunOutput("printf %s " + Quoted(all.out) + " | awk -F'\\t' 'NF != 4 || $1 != \"1\"' | wc -l"),
              "1\n");  // the header only

    // By name on the command line or from a file: exactly those count.
    tmtest::WriteBytes(dir.File("names.txt"), "\xEF\xBB\xBF第一周期_s\r\n\n  第二周期_s  \n");
    for (const std::string& select : {std::string(" --select 第一周期_s,第二周期_s"),
                                      " --select-file " + Quoted(dir.File("names.txt"))}) {
        CCliRun run = RunCli("standard " + prj + " --list -o " + Quoted(dir.File("std.xml")) + select);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(tmtest::RunOutput("printf %s " + Quoted(run.out) + " | awk -F'\\t' '$1 == 1 { print $4 }'"),
                  "第一周期_s\n第二周期_s\n");
        const std::string file = tmtest::ReadBytes(dir.File("std.xml"));
        EXPECT_NE(file.find("第一周期_s=\"1\""), std::string::npos);
        EXPECT_EQ(RunCli("grade --standard " + Quoted(dir.File("std.xml")) + " " +
                         Quoted(kSamples + "/students/张三/frame.prj"))
                      .status,
                  0);
    }

    // A name the project does not have writes nothing.
    CCliRun unknown = RunCli("standard " + prj + " -o " + Quoted(dir.File("new.xml")) + " --select 第一周期_s,没有");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.err, "tmscore-cli standard: 标准工程中没有这些值：没有\n");
    EXPECT_FALSE(std::ifstream(dir.File("new.xml")).good());
    CCliRun missing = RunCli("standard " + prj + " --list --select-file " + Quoted(dir.File("none.txt")));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "tmscore-cli standard: " + dir.File("none.txt") + ": No such file or directory\n");
}

TEST(GradeCommand, GradesTheSampleClassFromItsArchivesWithReportAndSummary)
{
    CClass sample;
    const std::string summary = sample.m_dir.File("汇总");
    CCliRun run = RunCli("grade --standard " + Quoted(sample.m_standard) + " --report --summary " + Quoted(summary) +
                   " --json" + sample.Archives());
    ASSERT_EQ(run.status, 0) << run.err;

    const char totals[] = "d = json.load(open(sys.argv[1], encoding='utf-8'))\n"
                          "print(d['standard']['loaded'], d['standard']['valueScores'][4:])\n"
                          "for s in d['students']:\n"
                          "    cats = sum(c['score'] for c in s['categories'])\n"
                          "    print(s['project'].split('/')[-2], s['loaded'], s['status'], s['totalText'],\n"
                          "          '%.2f' % s['total'] == s['totalText'], abs(cats - s['total']) < 1e-3)\n";
    tmtest::WriteBytes(sample.m_dir.File("out.json"), run.out);
    // 张三 handed in the standard itself; 李四 is within every tolerance;
    // 赵六 has the model only: the general and storey values (30 + 30) and
    // one result, the empty weak-storey list (20 / 25); 钱七's model does
    // not load. 施工图 and 钢筋算量接口 are worth 0 in the default scores.
    EXPECT_EQ(RunPython(totals, {sample.m_dir.File("out.json")}),
              "True [0, 0]\n"
              "张三 True 读入成功 100.00 True True\n"
              "李四 True 读入成功 100.00 True True\n"
              "王五 True 读入成功 54.40 True True\n"
              "赵六 True 读入成功 60.80 True True\n"
              "钱七 False 读总信息失败 0.00 True True\n");

    // The summary: no "." in the chosen name, so ".xls" was added.
    EXPECT_EQ(RunPython(kSheetRows, {summary + ".xls"}),
              "工程|总分\n张三|100.00\n李四|100.00\n王五|54.40\n赵六|60.80\n钱七|0.00\n");
    EXPECT_NE(run.err.find("提示: 导出 " + summary + ".xls 成功"), std::string::npos);
    EXPECT_NE(run.err.find("提示: 导出完成，导出数据在各个工程所在文件夹"), std::string::npos);

    // Each student's workbook: its earned scores add up to its total.
    const char workbook[] = "s = xlrd.open_workbook(sys.argv[1]).sheet_by_name('Sheet1')\n"
                            "print(s.row_values(0))\n"
                            "print(s.nrows - 1, '%.2f' % sum(s.cell_value(r, 4) for r in range(1, s.nrows)),\n"
                            "      sum(1 for r in range(1, s.nrows) if s.cell_value(r, 2) == ''))\n";
    const char* const expected[] = {"100.00", "100.00", "54.40", "60.80", "0.00"};
    std::string header;
    for (int i = 0; i < 5; ++i) {
        std::string out = RunPython(workbook, {sample.m_dir.File(std::string(kStudents[i]) + ".xls")});
        header = out.substr(0, out.find('\n'));
        EXPECT_EQ(header, "['评分内容', '标准答案', '学生答案', '标准分值', '实际得分']") << kStudents[i];
        std::string rows = out.substr(out.find('\n') + 1);
        std::string count = rows.substr(0, rows.find(' '));
        EXPECT_GT(std::stoi(count), 100) << kStudents[i];
        EXPECT_EQ(rows.substr(rows.find(' ') + 1, std::string(expected[i]).size()), expected[i]) << out;
    }
    // 钱七 loaded nothing: every student answer is empty.
    std::string failed = RunPython(workbook, {sample.m_dir.File("钱七.xls")});
    std::string rows = failed.substr(failed.find('\n') + 1);
    std::string count = rows.substr(0, rows.find(' '));
    EXPECT_EQ(rows, count + " 0.00 " + count + "\n");
}

TEST(GradeCommand, PrintsOneLinePerStudentAndLoadsInParallelWithTheSameResults)
{
    CClass sample;
    CCliRun first = RunCli("grade --standard " + Quoted(sample.m_standard) + sample.Archives());
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("1  张三  读入成功        100.00\n"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("5  钱七  读总信息失败      0.00\n"), std::string::npos) << first.out;
    // A second run finds the folders: without --overwrite the question is
    // answered No and the existing folders still give their projects.
    EXPECT_EQ(first.err.find("要覆盖吗"), std::string::npos);

    CCliRun serial = RunCli("grade --json --jobs 1 --standard " + Quoted(sample.m_standard) + sample.Archives());
    CCliRun parallel = RunCli("grade --json --jobs=4 --standard " + Quoted(sample.m_standard) + sample.Archives());
    ASSERT_EQ(serial.status, 0) << serial.err;
    ASSERT_EQ(parallel.status, 0) << parallel.err;
    EXPECT_EQ(parallel.out, serial.out);
    EXPECT_NE(serial.err.find("提示: 工程 " + sample.m_dir.Path() + "/张三 已存在，要覆盖吗？ [否]"), std::string::npos)
        << serial.err;

    CCliRun overwrite = RunCli("grade --overwrite --json --standard " + Quoted(sample.m_standard) + sample.Archives());
    EXPECT_EQ(overwrite.out, serial.out);
    EXPECT_NE(overwrite.err.find("要覆盖吗？ [是]"), std::string::npos);
}

TEST(GradeCommand, ParallelLoadingSaysTheSameAsSerialInTheSameOrder)
{
    // Whole projects warning late (an overlong line opens the last result
    // file read) between damaged models warning at their second
    // line: threads finish the warnings out of order.
    CClass sample;
    std::string inputs;
    for (int i = 0; i < 16; ++i) {
        const std::string folder = sample.m_dir.File("s" + std::to_string(i));
        tmtest::Run("mkdir -p " + Quoted(folder) + " && cp " + Quoted(kSamples) +
                    (i % 2 ? "/students/钱七/frame.prj " : "/standard/frame* ") + Quoted(folder));
        if (i % 2 == 0)
            tmtest::WriteBytes(folder + "/frame_结构位移.txt",
                               std::string(20000, '9') + "\r\n" + tmtest::ReadBytes(folder + "/frame_结构位移.txt"));
        inputs += " " + Quoted(folder + "/frame.prj");
    }
    // The workbooks too are written on the threads: the same bytes.
    const std::string reports = sample.m_dir.File("reports");
    const std::string report = " --report --output-dir " + Quoted(reports);
    auto workbooks = [&reports]() {
        std::string all;
        for (int i = 0; i < 16; ++i)
            all += tmtest::ReadBytes(reports + "/s" + std::to_string(i) + ".xls") + "|";
        return all;
    };
    CCliRun serial = RunCli("grade --jobs 1 --standard " + Quoted(sample.m_standard) + report + inputs);
    const std::string serialWorkbooks = workbooks();
    EXPECT_GT(serialWorkbooks.size(), 16u * 1000) << serial.err;
    for (const char* jobs : {"2", "4", "2", "4"}) {
        CCliRun parallel = RunCli("grade --jobs " + std::string(jobs) + " --standard " + Quoted(sample.m_standard) +
                                  report + inputs);
        EXPECT_EQ(parallel.err, serial.err) << jobs;
        EXPECT_EQ(parallel.out, serial.out) << jobs;
        EXPECT_TRUE(workbooks() == serialWorkbooks) << jobs;
    }
    EXPECT_LT(serial.err.find("s0/frame_结构位移.txt"), serial.err.find("s1/frame.prj")) << serial.err;
    EXPECT_LT(serial.err.find("s1/frame.prj"), serial.err.find("s14/frame_结构位移.txt")) << serial.err;
}

TEST(GradeCommand, EveryInputIsARowAndOneWithoutAProjectFailsTheRun)
{
    CClass sample;
    tmtest::Run("cd " + Quoted(sample.m_dir.Path()) + " && mkdir -p sub/deep && cp " +
                Quoted(kSamples + "/students/李四/frame.prj") + " sub/deep/ && zip -qr nested.zip sub");
    const std::string zipped = tmtest::ReadBytes(sample.m_dir.File("王五.zip"));
    tmtest::WriteBytes(sample.m_dir.File("cut.zip"), zipped.substr(0, zipped.size() / 2));
    tmtest::WriteBytes(sample.m_dir.File("notes.txt"), "n");
    const std::string inputs = " " + Quoted(kSamples + "/students/张三/frame.prj") + " " +
                               Quoted(sample.m_dir.File("nested.zip")) + " " + Quoted(sample.m_dir.File("cut.zip")) +
                               " " + Quoted(sample.m_dir.File("notes.txt"));
    CCliRun run = RunCli("grade --standard " + Quoted(sample.m_standard) + inputs);
    EXPECT_EQ(run.status, 1) << run.err;
    // The table (the class analysis follows a blank line), its lines'
    // trailing blanks cut: no total where nothing was graded.
    EXPECT_EQ(tmtest::RunOutput("printf '%s' " + Quoted(run.out) + " | sed -e '/^$/,$d' -e 's/ *$//'"),
              "   #  工程        状态                总分\n"
              "   1  张三        读入成功        100.00\n"
              "   2  nested.zip  没有找到 .prj 工程文件\n"
              "   3  cut.zip     压缩包已损坏\n"
              "   4  notes.txt   不是学生工程压缩包或 .prj 文件\n");
    EXPECT_NE(run.err.find("cut.zip: 压缩包已损坏"), std::string::npos) << run.err;

    CCliRun json = RunCli("grade --json --standard " + Quoted(sample.m_standard) + inputs);
    EXPECT_EQ(json.status, 1);
    tmtest::WriteBytes(sample.m_dir.File("out.json"), json.out);
    const char entries[] = "for s in json.load(open(sys.argv[1], encoding='utf-8'))['students']:\n"
                           "    print(s['project'] == s['input'], s['input'].split('/')[-1], s['loaded'], s['status'],\n"
                           "          '%g' % s['total'], repr(s['totalText']), '%.2f' % sum(c['score'] for c in s['categories']))\n";
    EXPECT_EQ(RunPython(entries, {sample.m_dir.File("out.json")}),
              "True frame.prj True 读入成功 100 '100.00' 100.00\n"
              "True nested.zip False 没有找到 .prj 工程文件 0 '' 0.00\n"
              "True cut.zip False 压缩包已损坏 0 '' 0.00\n"
              "True notes.txt False 不是学生工程压缩包或 .prj 文件 0 '' 0.00\n");
}

TEST(GradeCommand, RefusesBadCommandLinesAndUnreadableStandards)
{
    CClass sample;
    const std::string standard = " --standard " + Quoted(sample.m_standard);
    const std::string zip = " " + Quoted(sample.m_dir.File("张三.zip"));
    for (const std::string& args : {std::string(""), standard, zip, standard + zip + " --jobs 0",
                                    standard + zip + " --jobs x", standard + zip + " --bogus",
                                    standard + zip + " --report=yes",
                                    standard + standard + zip}) {
        CCliRun run = RunCli("grade" + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("用法：tmscore-cli grade"), std::string::npos) << args;
    }

    CCliRun missing = RunCli("grade --standard " + Quoted(sample.m_dir.File("none.xml")) + zip);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "tmscore-cli grade: 无法读取评分标准 " + sample.m_dir.File("none.xml") +
                               ": No such file or directory\n");
    CCliRun folder = RunCli("grade --standard " + Quoted(sample.m_dir.Path()) + zip);
    EXPECT_EQ(folder.status, 1);
    tmtest::WriteBytes(sample.m_dir.File("bad.xml"), "no xml here");
    CCliRun bad = RunCli("grade --standard " + Quoted(sample.m_dir.File("bad.xml")) + zip);
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find(" 不是评分标准文件"), std::string::npos);
    EXPECT_EQ(bad.out, "");

    // Grading ran, but the summary could not be written.
    CCliRun summary = RunCli("grade" + standard + " --summary " + Quoted(sample.m_dir.File("no/such/x.xls")) + zip);
    EXPECT_EQ(summary.status, 1);
    EXPECT_NE(summary.err.find("无法写入 " + sample.m_dir.File("no/such/x.xls") + "：No such file or directory"),
              std::string::npos)
        << summary.err;

    // Grading ran, but a student's workbook could not be written.
    tmtest::Run("mkdir " + Quoted(sample.m_dir.File("张三.xls")));
    CCliRun report = RunCli("grade" + standard + " --report" + zip);
    EXPECT_EQ(report.status, 1);
    EXPECT_NE(report.err.find("其中 1 个工程的评分报告未能写入：\\n" + sample.m_dir.Path() +
                              "/张三/frame.prj：Is a directory"),
              std::string::npos)
        << report.err;
}

TEST(GradeCommand, RefusesAStandardThatCannotGradeBeforeUnpackingOrWritingAnything)
{
    CClass sample;
    const std::string written = tmtest::ReadBytes(sample.m_standard);
    const struct {
        std::string from, to, said;
    } cases[] = {
        {kSamples + "/standard/frame.prj", kSamples + "/students/钱七/frame.prj",
         ": 标准工程 " + kSamples + "/students/钱七/frame.prj 读取失败（读总信息失败），不能评分!"},
        {"=\"1\"", "=\"0\"", ": 标准工程 " + kSamples + "/standard/frame.prj 没有选中任何有分值的评分项，不能评分!"},
        // Each score a float, their sum not: no total could be shown.
        {"总信息分值=\"30\" 各层信息分值=\"30\"", "总信息分值=\"3e38\" 各层信息分值=\"3e38\"", ": 各层信息分值应>=0!"},
    };
    for (const auto& c : cases) {
        std::string text = written;
        for (size_t at = text.find(c.from); at != std::string::npos; at = text.find(c.from, at + c.to.size()))
            text.replace(at, c.from.size(), c.to);
        const std::string bad = sample.m_dir.File("bad.xml");
        tmtest::WriteBytes(bad, text);
        CCliRun run = RunCli("grade --json --report --standard " + Quoted(bad) + " --summary " +
                             Quoted(sample.m_dir.File("s.xls")) + " --details " + Quoted(sample.m_dir.File("d.xlsx")) +
                             sample.Archives());
        EXPECT_EQ(run.status, 1) << c.to;
        EXPECT_NE(run.err.find("tmscore-cli grade: " + bad + c.said), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(tmtest::RunOutput("ls " + Quoted(sample.m_dir.Path()) + " | LC_ALL=C sort"),
                  "bad.xml\n张三.zip\n李四.zip\n标准.xml\n王五.zip\n赵六.zip\n钱七.zip\n");
    }
}

TEST(GradeCommand, WritesTheClassWorkbookAndCollectsEveryWorkbookInTheOutputFolder)
{
    TM_REQUIRE_SOFFICE();
    CClass sample;
    // A second 张三, from elsewhere: its workbook must not replace the first.
    tmtest::Run("mkdir -p " + Quoted(sample.m_dir.File("其他")) + " && cp -r " + Quoted(kSamples + "/students/张三") +
                " " + Quoted(sample.m_dir.File("其他/")));
    // An input without a project is a row of the class workbook too.
    tmtest::WriteBytes(sample.m_dir.File("notes.txt"), "n");
    CCliRun run = RunCli("grade --report --output-dir out --summary 汇总 --details 明细.xlsx --standard " +
                             Quoted(sample.m_standard) + sample.Archives() + " 其他/张三/frame.prj notes.txt",
                         sample.m_dir.Path());
    ASSERT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(tmtest::RunOutput("cd " + Quoted(sample.m_dir.File("out")) + " && ls | LC_ALL=C sort"),
              "张三 (2).xls\n张三.xls\n明细.xlsx\n李四.xls\n汇总.xls\n王五.xls\n赵六.xls\n钱七.xls\n");
    EXPECT_EQ(tmtest::RunOutput("cd " + Quoted(sample.m_dir.Path()) + " && ls *.xls 2>/dev/null"), "");

    const std::string sheets = tmtest::SheetsAsCsv(sample.m_dir.File("out/明细.xlsx"));
    EXPECT_EQ(sheets.substr(0, sheets.find("统计\n")),
              "评分明细\n"
              "工程,状态,总信息,各层信息,结构模型与荷载,计算结果,施工图,钢筋算量接口,总分,说明\n"
              "张三,读入成功,30.00,30.00,20.00,20.00,0.00,0.00,100.00,\n"
              "李四,读入成功,30.00,30.00,20.00,20.00,0.00,0.00,100.00,\n"
              "王五,读入成功,29.55,23.25,0.00,1.60,0.00,0.00,54.40,\n"
              "赵六,读入成功,30.00,30.00,0.00,0.80,0.00,0.00,60.80,"
              "缺少结果文件：frame_结构信息.txt、frame_周期和地震作用.txt、frame_水平力效应验算.txt、frame_结构位移.txt\n"
              "钱七,读总信息失败,0.00,0.00,0.00,0.00,0.00,0.00,0.00,\n"
              "张三,读入成功,30.00,30.00,20.00,20.00,0.00,0.00,100.00,\n"
              "notes.txt,不是学生工程压缩包或 .prj 文件,,,,,,,,\n");
    // Six students: mean 69.20, median (60.80 + 100.00) / 2.
    for (const char* line : {"总分,69.20,80.40,0.00,100.00", "统计人数,6,", "0-10,1,", "50-60,1,", "60-70,1,",
                             "80-90,0,", "90-100,3,"})
        EXPECT_NE(sheets.find(line), std::string::npos) << line << "\n" << sheets;
}
