// Extracting entries: bytes and times against unzip, the destination
// rules, permissions, damaged data.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "archive/ZipArchive.h"
#include "tests/archive/ZipBuilder.h"
#include "tests/archive/ZipTestSupport.h"
#include "tests/support/TestFiles.h"
#include "tools/TmString.h"

using namespace ziptest;

namespace {

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = (char)(random() & 0xFF);
    return bytes;
}

// Text that compresses like an analysis-result file.
std::string ResultText(size_t lines, unsigned seed)
{
    std::mt19937 random(seed);
    std::string text;
    for (size_t i = 0; i < lines; ++i)
        text += "  Floor " + std::to_string(i % 30 + 1) + "  Tower 1  Vx = " + std::to_string(random() % 100000) +
                ".5  Vy = " + std::to_string(random() % 100000) + ".25\r\n";
    return text;
}

class ZipExtract : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = m_dir.File(name);
        tmtest::WriteBytes(path, bytes);
        return path;
    }
    std::string Folder(const std::string& name)
    {
        std::string path = m_dir.File(name);
        mkdir(path.c_str(), 0755);
        return path;
    }
    // Extracts with the library and with unzip; both trees must hold the
    // same files, bytes and modification times.
    void ExpectSameAsUnzip(const std::string& archive)
    {
        std::string ours = Folder("ours");
        std::string theirs = Folder("theirs");
        std::vector<ZipResult> results = ExtractAll(archive, ours);
        ASSERT_FALSE(results.empty());
        for (size_t i = 0; i < results.size(); ++i)
            EXPECT_EQ(results[i], ZipResult::Ok) << "entry " << i;
        ASSERT_EQ(tmtest::Run("unzip -q -o " + Quote(archive) + " -d " + Quote(theirs)), 0);
        std::map<std::string, std::string> a = ReadTree(ours), b = ReadTree(theirs);
        EXPECT_EQ(a.size(), b.size());
        for (const auto& item : b) {
            auto found = a.find(item.first);
            ASSERT_NE(found, a.end()) << item.first;
            EXPECT_EQ(found->second, item.second) << item.first;
            if (item.first.back() != '/') {
                EXPECT_EQ(StatOf(ours + "/" + item.first).st_mtime, StatOf(theirs + "/" + item.first).st_mtime)
                    << item.first;
            }
        }
    }

    tmtest::CTempDir m_dir;
};

}  // namespace

TEST_F(ZipExtract, ProjectZippedByInfoZipComesOutAsUnzipWritesIt)
{
    std::string src = Folder("src");
    mkdir((src + "/计算结果").c_str(), 0755);
    mkdir((src + "/a").c_str(), 0755);
    mkdir((src + "/a/b").c_str(), 0755);
    tmtest::WriteBytes(src + "/frame.prj", ResultText(2000, 1));
    tmtest::WriteGbkFile(src + "/frame_结构信息.txt", L"总信息\n层号  塔号\n");
    tmtest::WriteBytes(src + "/计算结果/drawing.pfd", RandomBytes(70000, 2));
    tmtest::WriteBytes(src + "/a/b/empty.tsm", "");
    tmtest::WriteBytes(src + "/a/b/stored.bin", RandomBytes(40000, 3));
    // .bin stored, the rest deflated; "UT" times come along.
    ASSERT_EQ(tmtest::Run("cd " + Quote(src) + " && touch -d '2023-06-01 08:09:10' frame.prj && zip -q -r -n .bin "
                          "../project.zip ."),
              0);
    ExpectSameAsUnzip(m_dir.File("project.zip"));
    EXPECT_EQ(tmtest::ReadBytes(m_dir.File("ours/a/b/stored.bin")), RandomBytes(40000, 3));
    EXPECT_EQ(tmtest::ReadBytes(m_dir.File("ours/frame.prj")), ResultText(2000, 1));
}

TEST_F(ZipExtract, StreamedInfoZipArchiveWithDataDescriptorsExtracts)
{
    std::string src = Folder("src");
    tmtest::WriteBytes(src + "/frame.prj", ResultText(500, 4));
    tmtest::WriteBytes(src + "/raw.bin", RandomBytes(20000, 5));
    // Written to a pipe, zip cannot seek back: sizes follow the data.
    ASSERT_EQ(tmtest::Run("cd " + Quote(src) + " && zip -q -r - . | cat > ../stream.zip"), 0);
    ExpectSameAsUnzip(m_dir.File("stream.zip"));
}

TEST_F(ZipExtract, PythonArchiveComesOutAsUnzipWritesItInAnyTimeZone)
{
    // No "UT" field: the DOS time is local time, to unzip and to us.
    CTimeZone zone("CST-8");
    ASSERT_EQ(RunPython(m_dir.Path(), R"PY(
import io, random, zipfile
random.seed(7)
blob = bytes(random.getrandbits(8) for _ in range(50000))
text = ''.join('line %d value %d\r\n' % (i, i * 37 % 1000) for i in range(3000)).encode()

class Pipe(io.RawIOBase):
    def __init__(self): self.data = bytearray()
    def writable(self): return True
    def write(self, b): self.data += b; return len(b)

def fill(z):
    z.comment = b'student archive'
    d = zipfile.ZipInfo('model/', (2023, 5, 6, 7, 8, 10))
    z.writestr(d, b'')
    for name, data, method in [('model/frame.prj', text, zipfile.ZIP_DEFLATED),
                               ('model/blob.pfd', blob, zipfile.ZIP_STORED),
                               ('top.txt', b'top level', zipfile.ZIP_DEFLATED),
                               ('model/empty.tsm', b'', zipfile.ZIP_DEFLATED)]:
        info = zipfile.ZipInfo(name, (2024, 1, 31, 23, 59, 58))
        info.compress_type = method
        z.writestr(info, data)

with zipfile.ZipFile('py.zip', 'w') as z:
    fill(z)
pipe = Pipe()
with zipfile.ZipFile(pipe, 'w') as z:
    fill(z)
open('descriptor.zip', 'wb').write(pipe.data)
assert zipfile.ZipFile('descriptor.zip').infolist()[1].flag_bits & 8
)PY"),
              0);
    ExpectSameAsUnzip(m_dir.File("py.zip"));
    tmtest::Run("rm -rf " + Quote(m_dir.File("ours")) + " " + Quote(m_dir.File("theirs")));
    ExpectSameAsUnzip(m_dir.File("descriptor.zip"));
}

TEST_F(ZipExtract, StoredAndDeflatedEntriesCrossingChunkBordersKeepEveryByte)
{
    CZipBuilder builder;
    CBuilderEntry stored;
    stored.name = "stored.bin";
    stored.method = 0;
    stored.data = RandomBytes(16384 * 3 + 17, 8);
    CBuilderEntry deflated;
    deflated.name = "deflated.txt";
    deflated.data = ResultText(20000, 9) + RandomBytes(33000, 10);
    builder.Add(stored);
    builder.Add(deflated);
    std::string out = Folder("out");
    std::vector<ZipResult> results = ExtractAll(Write("a.zip", builder.Build()), out);
    ASSERT_EQ(results, std::vector<ZipResult>({ZipResult::Ok, ZipResult::Ok}));
    EXPECT_EQ(tmtest::ReadBytes(out + "/stored.bin"), stored.data);
    EXPECT_EQ(tmtest::ReadBytes(out + "/deflated.txt"), deflated.data);
}

TEST_F(ZipExtract, ExtractEntryWritesTheGivenPathWithTheEntryTimes)
{
    CZipBuilder builder;
    CBuilderEntry e;
    e.name = "inside/name.txt";
    e.data = "content";
    e.localExtra = ExtendedTimestamp(3, {1500000000, 1600000000});
    builder.Add(e);
    ZipHandle handle = ZipOpenFile(W(Write("a.zip", builder.Build())).c_str());
    std::string target = m_dir.File("renamed.txt");
    ASSERT_EQ(ZipExtractEntry(handle, 0, W(target).c_str()), ZipResult::Ok);
    EXPECT_EQ(StatOf(target).st_mtime, 1500000000);
    EXPECT_EQ(StatOf(target).st_atime, 1600000000);
    EXPECT_EQ(tmtest::ReadBytes(target), "content");
    // The import's way: destination folder, "/", entry name.
    Folder("dest");
    Folder("dest/inside");
    ASSERT_EQ(ZipExtractEntry(handle, 0, W(m_dir.File("dest/inside/name.txt")).c_str()), ZipResult::Ok);
    EXPECT_EQ(tmtest::ReadBytes(m_dir.File("dest/inside/name.txt")), "content");
    ZipClose(handle);
}

TEST_F(ZipExtract, AbsoluteDestinationInAMissingFolderFailsAndMakesNoFolder)
{
    CZipBuilder builder;
    CBuilderEntry e;
    e.name = "x.txt";
    e.data = "x";
    builder.Add(e);
    ZipHandle handle = ZipOpenFile(W(Write("a.zip", builder.Build())).c_str());
    EXPECT_EQ(ZipExtractEntry(handle, 0, W(m_dir.File("missing/deeper/x.txt")).c_str()), ZipResult::CannotOpenFile);
    EXPECT_EQ(ZipExtractEntry(handle, 0, W(m_dir.File("missing/x.txt")).c_str()), ZipResult::CannotOpenFile);
    EXPECT_NE(tmtest::Run("test -e " + Quote(m_dir.File("missing"))), 0);
    // A destination ending in "/" names no file.
    EXPECT_EQ(ZipExtractEntry(handle, 0, W(m_dir.Path() + "/").c_str()), ZipResult::CannotOpenFile);
    ZipClose(handle);
}

TEST_F(ZipExtract, RelativeDestinationIsTakenFromTheFolderCurrentAtOpening)
{
    CZipBuilder builder;
    CBuilderEntry e;
    e.name = "x.txt";
    e.data = "relative";
    builder.Add(e);
    std::string archive = Write("a.zip", builder.Build());
    std::string first = Folder("first");
    std::string second = Folder("second");
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(first.c_str()), 0);
    ZipHandle handle = ZipOpenFile(W(archive).c_str());
    ASSERT_EQ(chdir(second.c_str()), 0);
    EXPECT_EQ(ZipExtractEntry(handle, 0, L"made/on/the/way.txt"), ZipResult::Ok);
    EXPECT_EQ(ZipExtractEntryUnder(handle, 0, L"."), ZipResult::Ok);
    ZipClose(handle);
    ASSERT_EQ(chdir(old), 0);
    EXPECT_EQ(tmtest::ReadBytes(first + "/made/on/the/way.txt"), "relative");
    EXPECT_EQ(tmtest::ReadBytes(first + "/x.txt"), "relative");
    EXPECT_TRUE(ReadTree(second).empty());
}

TEST_F(ZipExtract, DirectoryEntriesBecomeFolders)
{
    CZipBuilder builder;
    CBuilderEntry folder;
    folder.name = "outer/inner/";
    folder.data = "";
    folder.external = 0x10;
    builder.Add(folder);
    ZipHandle handle = ZipOpenFile(W(Write("a.zip", builder.Build())).c_str());
    std::string under = Folder("under");
    EXPECT_EQ(ZipExtractEntryUnder(handle, 0, W(under).c_str()), ZipResult::Ok);
    EXPECT_TRUE(S_ISDIR(StatOf(under + "/outer/inner").st_mode));
    std::string at = m_dir.File("at");
    EXPECT_EQ(ZipExtractEntry(handle, 0, W(at).c_str()), ZipResult::Ok);
    EXPECT_TRUE(S_ISDIR(StatOf(at).st_mode));
    ZipClose(handle);
}

TEST_F(ZipExtract, FilesComeOutWritableForTheirOwnerWhateverTheArchiveSays)
{
    CZipBuilder builder;
    CBuilderEntry windowsReadOnly;
    windowsReadOnly.name = "windows.prj";
    windowsReadOnly.external = 0x21;
    CBuilderEntry unixReadOnly;
    unixReadOnly.name = "unix.prj";
    unixReadOnly.versionMadeBy = 0x031E;
    unixReadOnly.external = 0100444u << 16;
    CBuilderEntry script;
    script.name = "run.sh";
    script.versionMadeBy = 0x031E;
    script.external = 0100755u << 16;
    CBuilderEntry locked;
    locked.name = "locked/";
    locked.data = "";
    locked.versionMadeBy = 0x031E;
    locked.external = 040000u << 16 | 0x10;
    CBuilderEntry inLocked;
    inLocked.name = "locked/file.txt";
    for (CBuilderEntry* e : {&windowsReadOnly, &unixReadOnly, &script, &locked, &inLocked}) {
        if (e->data.empty() && e->name.back() != '/')
            e->data = "data";
        builder.Add(*e);
    }
    std::string out = Folder("out");
    std::vector<ZipResult> results = ExtractAll(Write("a.zip", builder.Build()), out);
    EXPECT_EQ(results, std::vector<ZipResult>(5, ZipResult::Ok));
    EXPECT_TRUE(StatOf(out + "/windows.prj").st_mode & S_IWUSR);
    mode_t unixMode = StatOf(out + "/unix.prj").st_mode;
    EXPECT_TRUE(unixMode & S_IWUSR);
    EXPECT_FALSE(unixMode & (S_IWGRP | S_IWOTH));
    EXPECT_TRUE(StatOf(out + "/run.sh").st_mode & S_IXUSR);
    EXPECT_EQ(StatOf(out + "/locked").st_mode & S_IRWXU, (mode_t)S_IRWXU);
    EXPECT_EQ(tmtest::ReadBytes(out + "/locked/file.txt"), "data");
    EXPECT_FALSE(StatOf(out + "/windows.prj").st_mode & (S_ISUID | S_ISGID));
}

TEST_F(ZipExtract, ExistingFileOfTheSameNameIsReplaced)
{
    std::string out = Folder("out");
    tmtest::WriteBytes(out + "/a.txt", std::string(10000, 'o'));
    chmod((out + "/a.txt").c_str(), 0444);
    CZipBuilder builder;
    CBuilderEntry e;
    e.name = "a.txt";
    e.data = "new";
    builder.Add(e);
    EXPECT_EQ(ExtractAll(Write("a.zip", builder.Build()), out), std::vector<ZipResult>({ZipResult::Ok}));
    EXPECT_EQ(tmtest::ReadBytes(out + "/a.txt"), "new");
    // A folder of that name stays and the file cannot be made.
    mkdir((out + "/d.txt").c_str(), 0755);
    CZipBuilder other;
    e.name = "d.txt";
    other.Add(e);
    EXPECT_EQ(ExtractAll(Write("b.zip", other.Build()), out), std::vector<ZipResult>({ZipResult::CannotOpenFile}));
}

TEST_F(ZipExtract, DataFailingItsCrcIsReportedAndKept)
{
    CZipBuilder builder;
    CBuilderEntry e;
    e.name = "bad.txt";
    e.data = ResultText(100, 11);
    e.overrideCrc = true;
    e.crc = Crc32(e.data) ^ 1;
    builder.Add(e);
    std::string out = Folder("out");
    EXPECT_EQ(ExtractAll(Write("a.zip", builder.Build()), out), std::vector<ZipResult>({ZipResult::BadData}));
    EXPECT_EQ(tmtest::ReadBytes(out + "/bad.txt"), e.data);
}

TEST_F(ZipExtract, AnEntryNeverYieldsMoreThanItsDeclaredSize)
{
    CZipBuilder builder;
    CBuilderEntry bomb;
    bomb.name = "bomb.txt";
    bomb.data = std::string(4 << 20, '\0');
    bomb.overrideSize = true;
    bomb.uncompressedSize = 1000;
    CBuilderEntry stored = bomb;
    stored.name = "stored.txt";
    stored.method = 0;
    stored.data = std::string(100, 's');
    stored.uncompressedSize = 10;
    builder.Add(bomb);
    builder.Add(stored);
    std::string out = Folder("out");
    std::vector<ZipResult> results = ExtractAll(Write("a.zip", builder.Build()), out);
    EXPECT_EQ(results, std::vector<ZipResult>({ZipResult::BadData, ZipResult::BadData}));
    EXPECT_EQ(StatOf(out + "/bomb.txt").st_size, 1000);
    EXPECT_EQ(tmtest::ReadBytes(out + "/stored.txt"), std::string(10, 's'));
}

TEST_F(ZipExtract, DataEndingEarlyOrNotInflatingIsBadDataNotAHang)
{
    std::string text = ResultText(3000, 12);
    CZipBuilder builder;
    CBuilderEntry shortStored;
    shortStored.name = "short-stored.txt";
    shortStored.method = 0;
    shortStored.data = text;
    shortStored.overrideStored = true;
    shortStored.stored = text.substr(0, 1000);
    CBuilderEntry shortDeflate;
    shortDeflate.name = "short-deflate.txt";
    shortDeflate.data = text;
    shortDeflate.overrideStored = true;
    shortDeflate.stored = Deflate(text).substr(0, 2000);
    CBuilderEntry garbage;
    garbage.name = "garbage.txt";
    garbage.data = text;
    garbage.overrideStored = true;
    garbage.stored = RandomBytes(5000, 13);
    builder.Add(shortStored);
    builder.Add(shortDeflate);
    builder.Add(garbage);
    std::string out = Folder("out");
    std::vector<ZipResult> results = ExtractAll(Write("a.zip", builder.Build()), out);
    EXPECT_EQ(results, std::vector<ZipResult>(3, ZipResult::BadData));
    EXPECT_EQ(tmtest::ReadBytes(out + "/short-stored.txt"), text.substr(0, 1000));
    std::string partial = tmtest::ReadBytes(out + "/short-deflate.txt");
    EXPECT_LT(partial.size(), text.size());
    EXPECT_EQ(partial, text.substr(0, partial.size()));
}

TEST_F(ZipExtract, ArchiveShrinkingUnderneathGivesWriteFailed)
{
    CZipBuilder builder;
    CBuilderEntry e;
    e.name = "big.bin";
    e.method = 0;
    e.data = RandomBytes(100000, 14);
    builder.Add(e);
    std::string archive = Write("a.zip", builder.Build());
    ZipHandle handle = ZipOpenFile(W(archive).c_str());
    ZipEntry entry;
    ASSERT_EQ(ZipGetEntry(handle, 0, &entry), ZipResult::Ok);
    ASSERT_EQ(truncate(archive.c_str(), 50000), 0);
    std::string out = Folder("out");
    EXPECT_EQ(ZipExtractEntryUnder(handle, 0, W(out).c_str()), ZipResult::WriteFailed);
    ZipClose(handle);
}

TEST_F(ZipExtract, GbkAndUtf8NamesBecomeUtf8FileNames)
{
    CZipBuilder builder;
    CBuilderEntry gbk;
    TMTOOLS::String::DecodeUnicode(936, L"张三\\结构信息.prj", gbk.name);
    gbk.data = "gbk";
    CBuilderEntry utf8;
    utf8.name = "李四/周期.txt";
    utf8.flags = 0x0800;
    utf8.data = "utf8";
    builder.Add(gbk);
    builder.Add(utf8);
    std::string out = Folder("out");
    EXPECT_EQ(ExtractAll(Write("a.zip", builder.Build()), out), std::vector<ZipResult>(2, ZipResult::Ok));
    EXPECT_EQ(tmtest::ReadBytes(out + "/张三/结构信息.prj"), "gbk");
    EXPECT_EQ(tmtest::ReadBytes(out + "/李四/周期.txt"), "utf8");
}
