// tmscore-cli grade over hand-ins as a class delivers them: rar and 7z
// archives in a folder, names from a Windows USB stick, a folder the
// grader may not write, and a run stopped with Ctrl-C.
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
