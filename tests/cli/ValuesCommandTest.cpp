// tmscore-cli values, run as a program on the sample class: the JSON on
// stdout (checked by an independent JSON parser), the messages on stderr and
// the exit status.
#include <gtest/gtest.h>

#include "tests/cli/CliRun.h"
#include "tests/support/TestFiles.h"

namespace {

using tmtest::CCliRun;
using tmtest::Quoted;
using tmtest::RunCli;

const std::string kSamples = TM_SAMPLES_DIR;

// Runs a short Python program on the JSON text (as variable d) and returns
// what it printed; a JSON syntax error shows as a Python traceback.
std::string Python(const std::string& json, const std::string& program)
{
    tmtest::CTempDir scratch;
    tmtest::WriteBytes(scratch.File("values.json"), json);
    return tmtest::RunPython("d = json.load(open(sys.argv[1], encoding='utf-8'))\n" + program,
                             {scratch.File("values.json")});
}

// One line per category: name, full score, value count.
const char kSummary[] =
    "print(d['project'], d['loaded'], d['status'])\n"
    "for c in d['categories']:\n"
    "    print(c['category'], c['fullScore'], len(c['values']))\n";

TEST(ValuesCommand, RunsOnEverySampleProject)
{
    struct {
        const char* folder;
        int status;
        const char* summary;
    } const samples[] = {
        {"standard", 0, "True 读入成功\n总信息 30 132\n各层信息 30 40\n结构模型与荷载 20 1\n计算结果 20 25\n施工图 0 1\n钢筋算量接口 0 1\n"},
        {"students/张三", 0, "True 读入成功\n总信息 30 132\n各层信息 30 40\n结构模型与荷载 20 1\n计算结果 20 25\n施工图 0 1\n钢筋算量接口 0 1\n"},
        {"students/李四", 0, "True 读入成功\n总信息 30 132\n各层信息 30 40\n结构模型与荷载 20 1\n计算结果 20 25\n施工图 0 1\n钢筋算量接口 0 1\n"},
        {"students/王五", 0, "True 读入成功\n总信息 30 132\n各层信息 30 40\n结构模型与荷载 20 1\n计算结果 20 25\n施工图 0 1\n钢筋算量接口 0 1\n"},
        {"students/赵六", 0, "True 读入成功\n总信息 30 132\n各层信息 30 40\n结构模型与荷载 20 1\n计算结果 20 25\n施工图 0 1\n钢筋算量接口 0 1\n"},
        {"students/钱七", 1, "False 读总信息失败\n总信息 30 0\n各层信息 30 0\n结构模型与荷载 20 0\n计算结果 20 0\n施工图 0 0\n钢筋算量接口 0 0\n"},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(sample.folder);
        const std::string prj = kSamples + "/" + sample.folder + "/frame.prj";
        CCliRun run = RunCli("values " + Quoted(prj));
        EXPECT_EQ(run.status, sample.status);
        EXPECT_EQ(Python(run.out, kSummary), prj + " " + sample.summary);
        if (sample.status == 0) {
            EXPECT_EQ(run.err, "");
        }
    }
}

TEST(ValuesCommand, EveryValueCarriesItsClassTypeGroupSelectionAndText)
{
    CCliRun run = RunCli("values " + Quoted(kSamples + "/standard/frame.prj"));
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(Python(run.out,
                     "for c in d['categories']:\n"
                     "    for v in c['values']:\n"
                     "        assert sorted(v) == ['class', 'group', 'name', 'selected', 'text', 'type'], v\n"
                     "        assert v['selected'] is False\n"
                     "r = {v['name']: v for c in d['categories'] for v in c['values']}\n"
                     "for n in ['结构计算总层数', '地震设防烈度', '场地类别', '地震方向角', '结构层1的层高',\n"
                     "          '第一周期_s', '振型参与质量_X向_％', '地震最大层间位移角_X向', '薄弱层_X向', '施工图',\n"
                     "          '计算时程分析采用的地震波']:\n"
                     "    print(n, r[n]['class'], r[n]['type'], r[n]['group'], r[n]['text'])\n"),
              "结构计算总层数 CTmIntData 2 0 5\n"
              "地震设防烈度 CTmFloatData 3 1 7\n"
              "场地类别 CTmCharData 0 1 2\n"
              "地震方向角 CTmFloatArrayData 9 1 \n"
              "结构层1的层高 CTmFloatData 3 7 4.2\n"
              "第一周期_s CTmFloatData 3 8 0.9123\n"
              "振型参与质量_X向_％ CTmFloatData 3 8 95.6\n"
              "地震最大层间位移角_X向 CTmFloatInverseData 3 8 1/687\n"
              "薄弱层_X向 CTmIntArrayData 8 8 1\n"
              "施工图 CTmStringData 5 8 完成\n"
              "计算时程分析采用的地震波 CTmStringArrayData 11 6 TH1TG035,RH2TG035\n");
}

TEST(ValuesCommand, AMissingProjectPrintsTheLoadMessageOnStderrAndFails)
{
    tmtest::CTempDir dir;
    const std::string prj = dir.File("没有/frame.prj");
    CCliRun run = RunCli("values " + Quoted(prj));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Tesmo评分系统: 工程 " + prj + " 不存在.\n");
    EXPECT_EQ(Python(run.out, kSummary),
              prj + " False 读总信息失败\n总信息 30 0\n各层信息 30 0\n结构模型与荷载 20 0\n计算结果 20 0\n施工图 0 0\n钢筋算量接口 0 0\n");
}

TEST(ValuesCommand, LineBreaksInsideAMessageAreWrittenAsBackslashN)
{
    const std::string prj = kSamples + "/students/钱七/frame.prj";
    CCliRun run = RunCli("values " + Quoted(prj));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "警告: 在文件 " + prj + " 中\\n第 2 行 第 1 字符处有不可识别的整型数\n");
}

TEST(ValuesCommand, ARelativePathIsTakenFromTheCurrentFolder)
{
    CCliRun run = RunCli("values frame.prj", kSamples + "/standard");
    EXPECT_EQ(run.status, 0);
    // The folder as the shell gives it to the program.
    std::string here = tmtest::RunOutput("cd " + Quoted(kSamples + "/standard") + " && pwd -P");
    const std::string expected = here.substr(0, here.find('\n')) + "/frame.prj";
    EXPECT_EQ(Python(run.out, "print(d['project'], d['loaded'])"), expected + " True\n");
}

TEST(ValuesCommand, ABadCommandLineIsAUsageError)
{
    for (const char* arguments : {"", "values", "values a.prj b.prj", "values frame.txt", "valuez x.prj", "help x"}) {
        SCOPED_TRACE(arguments);
        CCliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("用法：tmscore-cli"), std::string::npos);
    }
    EXPECT_NE(RunCli("values").err.find("用法：tmscore-cli values PRJ"), std::string::npos);
    EXPECT_NE(RunCli("valuez").err.find("没有这个命令：valuez（命令有 grade、standard、values）"), std::string::npos);
}

TEST(ValuesCommand, EachStudentArchiveUnpacksToTheStudentsProject)
{
    // As the import does: the archive unpacked into a folder named after
    // it, the .prj file at the top of that folder.
    for (const char* name : {"张三", "李四", "王五", "赵六", "钱七"}) {
        SCOPED_TRACE(name);
        tmtest::CTempDir dir;
        const std::string archive = kSamples + "/archives/" + name + ".zip";
        const std::string folder = dir.File(name);
        ASSERT_EQ(tmtest::Run("unzip -q " + Quoted(archive) + " -d " + Quoted(folder)), 0);
        const std::string listing = tmtest::RunOutput("ls " + Quoted(folder));
        EXPECT_NE(listing.find("frame.prj\n"), std::string::npos) << listing;

        CCliRun unpacked = RunCli("values " + Quoted(folder + "/frame.prj"));
        CCliRun original = RunCli("values " + Quoted(kSamples + "/students/" + name + "/frame.prj"));
        EXPECT_EQ(unpacked.status, original.status);
        const char* valuesOnly = "print(json.dumps([d['loaded'], d['status'], d['categories']], ensure_ascii=False))";
        EXPECT_EQ(Python(unpacked.out, valuesOnly), Python(original.out, valuesOnly));
    }
}

}  // namespace
