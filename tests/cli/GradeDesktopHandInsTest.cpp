// tmscore-cli grade over one sample student's files packed the ways
// Windows, Mac and Linux desktops pack them: names in another case, Mac
// archives, names without the UTF-8 flag, "\" separators, files saved
// again as UTF-8. Each is worth what the plain archive is; only files that
// are really missing cost points, and the row says which.
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

// Packs the sample student 张三 into archives in sys.argv[1], one per
// way of packing, each archive name saying the way. Entry names are
// stored as the given bytes without the UTF-8 flag (as Mac, Linux and old
// Windows tools store them) unless the entry is written with a str name.
const char kPack[] = R"(
import os, zipfile
source, out = sys.argv[2], sys.argv[1]
files = {n: open(os.path.join(source, n), 'rb').read() for n in sorted(os.listdir(source))}

class Raw(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.raw, self.flag_bits

def pack(name, entries, host=0):
    with zipfile.ZipFile(os.path.join(out, name), 'w', zipfile.ZIP_DEFLATED) as z:
        for entry, data in entries:
            info = Raw(entry.decode('latin-1'))
            info.raw, info.create_system, info.compress_type = entry, host, zipfile.ZIP_DEFLATED
            z.writestr(info, data)

def renamed(changes):
    return [(('张三/' + changes.get(n, n)).encode('gbk'), d) for n, d in files.items()]

def utf8(name, data, bom):
    if not name.endswith(('.prj', '.txt')):
        return data
    return (b'\xef\xbb\xbf' if bom else b'') + data.decode('gbk').encode('utf-8')

pack('plain.zip', renamed({}))
pack('case-model.zip', renamed({'frame.prj': 'Frame.prj'}))
pack('case-results.zip', renamed({'frame_结构信息.txt': 'FRAME_结构信息.TXT', 'frame.pfd': 'frame.PFD',
                                  'frame.tsm': 'frame.TSM'}))
mac = []
for n, d in files.items():
    mac.append((('张三/' + n).encode(), d))
    mac.append((('__MACOSX/张三/._' + n).encode(), b'\0\5\26\7' + b'\0' * 60))
mac += [(n.encode(), b'\0\0\0\1Bud1') for n in ('.DS_Store', '张三/.DS_Store', '张三/Thumbs.db', '张三/desktop.ini')]
pack('mac.zip', mac, host=3)
pack('utf8-names.zip', [(('张三/' + n).encode(), d) for n, d in files.items()], host=0)
pack('backslash.zip', [(('张三\\' + n).encode('gbk'), d) for n, d in files.items()])
pack('utf8.zip', [(('张三/' + n).encode('gbk'), utf8(n, d, False)) for n, d in files.items()])
pack('utf8-bom.zip', [(('张三/' + n).encode('gbk'), utf8(n, d, True)) for n, d in files.items()])
pack('missing.zip', [(n, d) for n, d in renamed({}) if '结构位移'.encode('gbk') not in n and
                     '周期'.encode('gbk') not in n])
)";

class GradeDesktopHandIns : public ::testing::Test {
protected:
    GradeDesktopHandIns() : m_class(m_dir.File("class"))
    {
        mkdir(m_class.c_str(), 0755);
        EXPECT_EQ(RunPython(kPack, {m_class, kSamples + "/students/张三"}), "");
    }

    // Writes a scoring standard (every value selected) for the project
    // prjPath to the file name.
    std::string Standard(const std::string& prjPath, const std::string& name)
    {
        const std::string path = m_dir.File(name);
        CCliRun run = RunCli("standard " + Quoted(prjPath) + " -o " + Quoted(path));
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }

    tmtest::CTempDir m_dir;
    std::string m_class;
};

}  // namespace

TEST_F(GradeDesktopHandIns, EveryWayOfPackingScoresLikeThePlainArchive)
{
    const std::string standard = Standard(kSamples + "/standard/frame.prj", "标准.xml");
    CCliRun run = RunCli("grade --json --standard " + Quoted(standard) + " " + Quoted(m_class));
    ASSERT_EQ(run.status, 0) << run.err;
    tmtest::WriteBytes(m_dir.File("out.json"), run.out);
    EXPECT_EQ(RunPython("for s in json.load(open(sys.argv[1], encoding='utf-8'))['students']:\n"
                        "    print(s['input'].split('/')[-1], s['totalText'], s['status'], s['missing'])\n",
                        {m_dir.File("out.json")}),
              "backslash.zip 100.00 读入成功 []\n"
              "case-model.zip 100.00 读入成功 []\n"
              "case-results.zip 100.00 读入成功 []\n"
              "mac.zip 100.00 读入成功 []\n"
              "missing.zip 86.40 读入成功 ['frame_周期和地震作用.txt', 'frame_结构位移.txt']\n"
              "plain.zip 100.00 读入成功 []\n"
              "utf8-bom.zip 100.00 读入成功 []\n"
              "utf8-names.zip 100.00 读入成功 []\n"
              "utf8.zip 100.00 读入成功 []\n");
    // What a Mac or Windows desktop adds is not unpacked, and the student's
    // folder was taken as the project although __MACOSX held .prj names.
    EXPECT_EQ(tmtest::RunOutput("ls -A " + Quoted(m_class + "/mac")),
              "frame.pfd\nframe.prj\nframe.tsm\nframe_周期和地震作用.txt\nframe_水平力效应验算.txt\n"
              "frame_结构位移.txt\nframe_结构信息.txt\n");
}

TEST_F(GradeDesktopHandIns, MissingResultFilesAreNamedAfterTheTotalInTheTable)
{
    const std::string standard = Standard(kSamples + "/standard/frame.prj", "标准.xml");
    CCliRun run = RunCli("grade --standard " + Quoted(standard) + " " + Quoted(m_class + "/missing.zip"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("读入成功         86.40  缺少结果文件：frame_周期和地震作用.txt、frame_结构位移.txt\n"),
              std::string::npos)
        << run.out;
}

TEST_F(GradeDesktopHandIns, AStandardWithoutAResultFileOfASelectedValueIsRefused)
{
    const std::string folder = m_dir.File("标准");
    ASSERT_EQ(tmtest::Run("cp -r " + Quoted(kSamples + "/standard") + " " + Quoted(folder) + " && rm " +
                          Quoted(folder + "/frame_结构位移.txt")),
              0);
    const std::string standard = Standard(folder + "/frame.prj", "标准.xml");
    CCliRun run = RunCli("grade --standard " + Quoted(standard) + " " + Quoted(m_class + "/plain.zip"));
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("缺少结果文件：frame_结构位移.txt，选中的评分项 地震位移比_X向"), std::string::npos)
        << run.err;
}
