// tmscore-cli grade's class analysis over the sample projects with planted
// copies: what the JSON and the summary say of them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/cli/CliRun.h"
#include "tests/support/TestFiles.h"

namespace {

using tmtest::CCliRun;
using tmtest::Quoted;
using tmtest::RunCli;
using tmtest::RunPython;

const std::string kSamples = TM_SAMPLES_DIR;

class GradeClassAnalysis : public ::testing::Test {
protected:
    GradeClassAnalysis() : m_class(m_dir.File("class"))
    {
        mkdir(m_class.c_str(), 0755);
        m_standard = m_dir.File("标准.xml");
        CCliRun run = RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " -o " + Quoted(m_standard));
        EXPECT_EQ(run.status, 0) << run.err;
    }

    // Copies folder (of the samples) into the class as name; returns its
    // .prj path as an operand.
    std::string Plant(const std::string& folder, const std::string& name)
    {
        EXPECT_EQ(tmtest::Run("cp -r " + Quoted(kSamples + "/" + folder) + " " + Quoted(m_class + "/" + name)), 0);
        return " " + Quoted(m_class + "/" + name + "/frame.prj");
    }

    tmtest::CTempDir m_dir;
    std::string m_class;
    std::string m_standard;
};

}  // namespace

TEST_F(GradeClassAnalysis, CopiesOfFilesTheStandardHandedInAndEditedCopiesAreFlaggedAndItemsAddUpToTheTotals)
{
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
