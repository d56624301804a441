// What tmscore-cli writes: never over what it reads or over a special
// file, through links, with the mode kept; output that stdout loses fails
// the run; an archive that inflates past the bound leaves nothing behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/cli/CliRun.h"
#include "tests/support/TestFiles.h"

namespace {

using tmtest::CCliRun;
using tmtest::Quoted;
using tmtest::RunCli;

const std::string kSamples = TM_SAMPLES_DIR;

// A scratch folder with the sample standard and 张三's archive.
class OutputSafety : public ::testing::Test {
protected:
    OutputSafety()
    {
        m_standard = m_dir.File("标准.xml");
        CCliRun run = RunCli("standard " + Quoted(kSamples + "/standard/frame.prj") + " -o " + Quoted(m_standard));
        EXPECT_EQ(run.status, 0) << run.err;
        m_archive = m_dir.File("张三.zip");
        tmtest::WriteBytes(m_archive, tmtest::ReadBytes(kSamples + "/archives/张三.zip"));
    }

    CCliRun Grade(const std::string& arguments)
    {
        return RunCli("grade --standard " + Quoted(m_standard) + " " + arguments);
    }

    bool Exists(const std::string& path)
    {
        struct stat st;
        return lstat(path.c_str(), &st) == 0;
    }

    tmtest::CTempDir m_dir;
    std::string m_standard;
    std::string m_archive;
};

}  // namespace

TEST_F(OutputSafety, AnOutputThatIsAnInputOrASpecialFileIsRefusedBeforeAnythingIsDone)
{
    // The standard's own model file, under another spelling.
    tmtest::CTempDir copy;
    ASSERT_EQ(tmtest::Run("cp -r " + Quoted(kSamples + "/standard") + " " + Quoted(copy.File("st"))), 0);
    const std::string prj = tmtest::ReadBytes(copy.File("st/frame.prj"));
    CCliRun run = RunCli("standard st/frame.prj -o st/../st/frame.prj", copy.Path());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("which this run reads"), std::string::npos) << run.err;
    EXPECT_EQ(tmtest::ReadBytes(copy.File("st/frame.prj")), prj);

    const std::string archive = tmtest::ReadBytes(m_archive);
    ASSERT_EQ(mkfifo(m_dir.File("pipe.xls").c_str(), 0644), 0);
    ASSERT_EQ(mkdir(m_dir.File("folder.xlsx").c_str(), 0755), 0);
    for (const std::string& output :
         {"--summary " + Quoted(m_archive), "--details " + Quoted(m_standard), "--summary " + Quoted(m_dir.File("pipe.xls")),
          "--details " + Quoted(m_dir.File("folder.xlsx")), std::string("--summary /dev/./null")}) {
        run = Grade(output + " " + Quoted(m_archive));
        EXPECT_EQ(run.status, 1) << output;
        EXPECT_NE(run.err.find("it is not replaced"), std::string::npos) << run.err;
    }
    EXPECT_EQ(tmtest::ReadBytes(m_archive), archive);
    EXPECT_FALSE(Exists(m_dir.File("张三")));  // refused before unpacking
    struct stat st;
    ASSERT_EQ(lstat(m_dir.File("pipe.xls").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(OutputSafety, ALinkIsWrittenThroughAndTheReplacedFileKeepsItsMode)
{
    mkdir(m_dir.File("kept").c_str(), 0755);
    const std::string target = m_dir.File("kept/汇总.xls");
    tmtest::WriteBytes(target, "old");
    chmod(target.c_str(), 0444);
    ASSERT_EQ(symlink(target.c_str(), m_dir.File("link.xls").c_str()), 0);
    CCliRun run = Grade("--summary " + Quoted(m_dir.File("link.xls")) + " " + Quoted(m_archive));
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat st;
    ASSERT_EQ(lstat(m_dir.File("link.xls").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(tmtest::ReadBytes(target).substr(0, 4), "\xD0\xCF\x11\xE0");  // a compound document now
}

TEST_F(OutputSafety, OutputThatStdoutLosesFailsTheRun)
{
    CCliRun run = Grade(Quoted(m_archive) + " >/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("tmscore-cli grade: 无法写出结果：No space left on device"), std::string::npos)
        << run.err;
    run = Grade("--json --overwrite " + Quoted(m_archive) + " >&-");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("无法写出结果"), std::string::npos) << run.err;
    run = RunCli("values " + Quoted(kSamples + "/standard/frame.prj") + " >/dev/full");
    EXPECT_EQ(run.status, 1);
}

TEST_F(OutputSafety, AnArchiveInflatingPastTheBoundIsRefusedAndLeavesNothing)
{
    // 8 MB of zeros deflate to some KB: far beyond 100 times the archive.
    const std::string bomb = m_dir.File("李四.zip");
    ASSERT_EQ(tmtest::Run("/usr/bin/python3 -c \"import zipfile; z = zipfile.ZipFile('" + bomb +
                          "', 'w', zipfile.ZIP_DEFLATED); z.writestr('zeros.bin', bytes(8 << 20))\""),
              0);
    CCliRun run = Grade("--max-unpack 1M " + Quoted(bomb));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("李四.zip: 压缩包过大：解压后超过 1 MiB 或多于 65535 个文件，未解压"), std::string::npos)
        << run.err;
    // No folder, no scratch folder, nothing else.
    EXPECT_EQ(tmtest::RunOutput("LC_ALL=C ls -A " + Quoted(m_dir.Path())), "张三.zip\n李四.zip\n标准.xml\n");
    // Under the default 2 GiB it unpacks (and holds no project).
    run = Grade(Quoted(bomb));
    EXPECT_NE(run.err.find("李四.zip: 没有找到 .prj 工程文件"), std::string::npos) << run.err;
    for (const char* bad : {"0", "1X", "-5", "G"}) {
        run = Grade(std::string("--max-unpack ") + bad + " " + Quoted(bomb));
        EXPECT_EQ(run.status, 2) << bad;
    }
}
