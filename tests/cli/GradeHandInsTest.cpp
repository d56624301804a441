// tmscore-cli grade over hand-ins as a class delivers them: rar and 7z
// archives in a folder, names from a Windows USB stick, a folder the
// grader may not write, a run stopped with Ctrl-C, and copied hand-ins
// found by the class analysis.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/cli/CliRun.h"
#include "tests/support/RarBuilder.h"
#include "tests/support/TestFiles.h"
#include "tools/TmString.h"

namespace {

using tmtest::CCliRun;
using tmtest::Quoted;
using tmtest::RunCli;
using tmtest::RunPython;

const std::string kSamples = TM_SAMPLES_DIR;

// A scratch folder with the sample standard (every value selected) and a
// class folder for the hand-ins.
class GradeHandIns : public ::testing::Test {
protected:
    GradeHandIns() : m_class(m_dir.File("class"))
    {
        mkdir(m_class.c_str(), 0755);
        m_standard = m_dir.File("标准.xml");
        CCliRun run = RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " -o " + Quoted(m_standard));
        EXPECT_EQ(run.status, 0) << run.err;
    }

    CCliRun Grade(const std::string& arguments)
    {
        return RunCli("grade --standard " + Quoted(m_standard) + " " + arguments);
    }

    // "name total status" per student of a JSON run.
    std::string Totals(const CCliRun& run)
    {
        tmtest::WriteBytes(m_dir.File("out.json"), run.out);
        return RunPython("for s in json.load(open(sys.argv[1], encoding='utf-8'))['students']:\n"
                         "    print(s['project'].split('/')[-2], s['totalText'], s['status'])\n",
                         {m_dir.File("out.json")});
    }

    tmtest::CTempDir m_dir;
    std::string m_class;
    std::string m_standard;
};

}  // namespace

TEST_F(GradeHandIns, RarAnd7zArchivesInAFolderAreGradedLikeZip)
{
    // 7z by bsdtar, of the project folder itself (unpacked without it);
    // rar as a Chinese Windows writes it, names in GBK with "\".
    ASSERT_EQ(tmtest::Run("cd " + Quoted(kSamples + "/students") + " && bsdtar --format 7zip -cf " +
                          Quoted(m_class + "/张三.7z") + " 张三"),
              0);
    std::vector<tmtest::CRarEntry> rar;
    for (const char* name : {"frame.prj", "frame.pfd", "frame.tsm", "frame_结构信息.txt", "frame_周期和地震作用.txt",
                             "frame_水平力效应验算.txt", "frame_结构位移.txt"}) {
        std::string gbk;
        TMTOOLS::String::DecodeUnicode(936, tmtest::Wide(std::string("工程\\") + name), gbk);
        rar.push_back({gbk, tmtest::ReadBytes(kSamples + "/students/李四/" + name)});
    }
    tmtest::WriteBytes(m_class + "/李四.rar", tmtest::BuildRar(rar));
    tmtest::WriteBytes(m_class + "/王五.zip", tmtest::ReadBytes(kSamples + "/archives/王五.zip"));
    tmtest::WriteBytes(m_class + "/readme.txt", "not a hand-in");

    CCliRun run = Grade("--json " + Quoted(m_class));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Totals(run), "张三 100.00 读入成功\n李四 100.00 读入成功\n王五 54.40 读入成功\n");
}

TEST_F(GradeHandIns, FileNamesThatAreNotUtf8KeepTheirBytes)
{
    // 班 and 张三 in GBK, as a folder and an archive from a Windows USB
    // stick are named.
    const std::string folder = m_class + "/\xb0\xe0";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    tmtest::WriteBytes(folder + "/\xd5\xc5\xc8\xfd.zip", tmtest::ReadBytes(kSamples + "/archives/张三.zip"));
    CCliRun run = Grade("--report --json " + Quoted(folder + "/\xd5\xc5\xc8\xfd.zip"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(tmtest::ReadBytes(folder + "/\xd5\xc5\xc8\xfd/frame.prj"),
              tmtest::ReadBytes(kSamples + "/students/张三/frame.prj"));
    struct stat st;
    EXPECT_EQ(stat((folder + "/\xd5\xc5\xc8\xfd.xls").c_str(), &st), 0) << "the workbook beside the folder";
    tmtest::WriteBytes(m_dir.File("out.json"), run.out);
    EXPECT_EQ(RunPython("s = json.load(open(sys.argv[1], encoding='utf-8'))['students'][0]\n"
                        "print(s['project'].encode('utf-8', 'surrogateescape') == sys.argv[2].encode('utf-8', "
                        "'surrogateescape'), s['totalText'])\n",
                        {m_dir.File("out.json"), folder + "/\xd5\xc5\xc8\xfd/frame.prj"}),
              "True 100.00\n");
}

TEST_F(GradeHandIns, AFolderTheGraderCannotWriteIsARowAndFailsTheRun)
{
    tmtest::WriteBytes(m_class + "/张三.zip", tmtest::ReadBytes(kSamples + "/archives/张三.zip"));
    chmod(m_dir.Path().c_str(), 0755);
    chmod(m_class.c_str(), 0555);
    // Permission bits stop nothing for root (as in CI): run as nobody then.
    const std::string runner = geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
    CCliRun run = RunCli("grade --standard " + Quoted(m_standard) + " " + Quoted(m_class + "/张三.zip"), "", runner);
    chmod(m_class.c_str(), 0755);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("   1  张三.zip  无法写入文件夹"), std::string::npos) << run.out << run.err;
    EXPECT_EQ(tmtest::RunOutput("ls -A " + Quoted(m_class)), "张三.zip\n");
}

TEST_F(GradeHandIns, CtrlCStopsBetweenProjectsAndLeavesNothingHalfDone)
{
    const std::string zipped = tmtest::ReadBytes(kSamples + "/archives/张三.zip");
    for (int i = 0; i < 300; ++i) {
        char name[32];
        snprintf(name, sizeof name, "/%03d.zip", i);
        tmtest::WriteBytes(m_class + name, zipped);
    }
    // Job control (set -m), so that the background run does not start
    // with Ctrl-C ignored; the signal goes once the first folder is there.
    const std::string script = "set -m; " + std::string(TM_CLI_PROGRAM) + " grade --standard " + Quoted(m_standard) +
                               " " + Quoted(m_class) + " >/dev/null 2>&1 & pid=$!; " + "while [ ! -e " +
                               Quoted(m_class + "/000") + " ]; do sleep 0.01; done; kill -INT $pid; wait $pid; echo $?";
    EXPECT_EQ(tmtest::RunOutput("bash -c " + Quoted(script)), "130\n");
    // Every folder there is whole, none is scratch, no lock is left.
    const std::string left = tmtest::RunOutput("cd " + Quoted(m_class) +
                                               " && ls -A | grep -c -v zip; ls -A | grep -c tmscore; "
                                               "for f in $(ls | grep -v zip); do cmp -s $f/frame.prj " +
                                               Quoted(kSamples + "/students/张三/frame.prj") + " || echo $f; done");
    const int folders = std::stoi(left);
    EXPECT_GE(folders, 1);
    EXPECT_LT(folders, 300);
    EXPECT_EQ(left.substr(left.find('\n') + 1), "0\n");
}

TEST_F(GradeHandIns, CopiesOfFilesTheStandardHandedInAndEditedCopiesAreFlaggedAndItemsAddUpToTheTotals)
{
    // Copies a folder of the samples into the class as name; its .prj path
    // as an operand.
    auto Plant = [this](const std::string& folder, const std::string& name) {
        EXPECT_EQ(tmtest::Run("cp -r " + Quoted(kSamples + "/" + folder) + " " + Quoted(m_class + "/" + name)), 0);
        return " " + Quoted(m_class + "/" + name + "/frame.prj");
    };
    std::string operands;
    for (const char* student : {"张三", "李四", "王五", "赵六", "钱七"})
        operands += Plant(std::string("students/") + student, student);
    operands += Plant("students/王五", "王五抄");
    operands += Plant("standard", "孙九");
    // Two exactly right, handed in with the same files (not the standard's).
    operands += Plant("students/张三", "吴一");
    operands += Plant("students/张三", "郑二");
    // A copy of 王五 with its first period edited.
    operands += Plant("students/王五", "周八");
    ASSERT_EQ(tmtest::Run("sed -i 's/     1     1.1039/     1     1.3039/' " +
                          Quoted(m_class + "/周八/frame_周期和地震作用.txt")),
              0);

    CCliRun run = RunCli("grade --json --standard " + Quoted(m_standard) + operands);
    ASSERT_EQ(run.status, 0) << run.err;
    tmtest::WriteBytes(m_dir.File("out.json"), run.out);
    // The values the edit changed, from the values command.
    for (const char* name : {"王五", "周八"}) {
        CCliRun values = RunCli("values " + Quoted(m_class + "/" + name + "/frame.prj"));
        tmtest::WriteBytes(m_dir.File(std::string(name) + ".json"), values.out);
    }
    const std::string report = RunPython(
        "out = json.load(open(sys.argv[1], encoding='utf-8'))\n"
        "def folder(p): return p.split('/')[-2]\n"
        "for s in out['similar']:\n"
        "    print(s['reason'], folder(s['a']), folder(s['b']) if 'b' in s else '-', ','.join(s['identicalFiles']))\n"
        "texts = [{v['name']: v['text'] for c in json.load(open(p, encoding='utf-8'))['categories'] for v in c['values']}\n"
        "         for p in sys.argv[2:4]]\n"
        "edited = sum(1 for n in texts[0] if texts[0][n] != texts[1][n])\n"
        "pair = [s for s in out['similar'] if folder(s.get('b', '-/-')) == '周八'][0]\n"
        "print('edited', edited, 'unshared', pair['differing'] - pair['sharedWrong'], 'shared', pair['sharedWrong'] > 20)\n"
        "print('examples', len(pair['examples']), pair['examples'][0]['givers'])\n"
        // Every matched share adds up to the totals of the loaded students.
        "shares = out['standard']['valueScores']\n"
        "names = ['总信息', '各层信息', '结构模型与荷载', '计算结果', '施工图', '钢筋算量接口']\n"
        "matched = sum(i['matched'] * shares[names.index(i['category'])] for i in out['items'])\n"
        "totals = sum(s['total'] for s in out['students'] if s['loaded'])\n"
        "print('sums', round(matched, 2) == round(totals, 2), len(out['items']) > 100,\n"
        "      {i['loaded'] for i in out['items']})\n"
        // 赵六 handed in no result files: where only he is wrong, the
        // answer is that nothing was read, not the reader's 0.
        "print('unread', any(i['commonWrong'] == '(未读出)' and i['category'] == '计算结果' for i in out['items']),\n"
        "      any(i['commonWrong'] == '0' and i['category'] == '计算结果' for i in out['items']))\n"
        "weak = [i for i in out['items'] if i['name'] == '第一周期_s'][0]\n"
        "print('period', weak['matched'], weak['commonWrong'], weak['commonWrongCount'])\n",
        {m_dir.File("out.json"), m_dir.File("王五.json"), m_dir.File("周八.json")});
    EXPECT_EQ(report,
              "文件完全相同 王五 王五抄 .prj,_结构信息.txt,_周期和地震作用.txt,_水平力效应验算.txt,_结构位移.txt\n"
              "与标准工程相同 孙九 - .prj,_结构信息.txt,_周期和地震作用.txt,_水平力效应验算.txt,_结构位移.txt\n"
              "错误答案相同 王五 周八 .prj,_结构信息.txt,_水平力效应验算.txt,_结构位移.txt\n"
              "错误答案相同 王五抄 周八 .prj,_结构信息.txt,_水平力效应验算.txt,_结构位移.txt\n"
              "edited 1 unshared 1 shared True\n"
              "examples 5 3\n"
              "sums True True {9}\n"
              "unread True False\n"
              "period 5 1.1039 2\n");

    // Without --json: the values matched least and the pairs, each with
    // --similar.
    run = RunCli("grade --similar --standard " + Quoted(m_standard) + operands);
    EXPECT_NE(run.out.find("答对最少的评分项："), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("疑似雷同：4 处\n  文件完全相同  王五  王五抄\n"), std::string::npos) << run.out;
    run = RunCli("grade --similar-share 101 --standard " + Quoted(m_standard) + operands);
    EXPECT_EQ(run.status, 2);
}
