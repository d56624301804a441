// The compound document writer: result codes, the layout of small and large
// streams, FAT growth, compaction, checked byte by byte and read back with
// olefile in strict mode.
#include "xls/CompoundDocument.h"

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"
#include "tests/xls/XlsReadBack.h"

using tmtest::Le16;
using tmtest::Le32;

namespace {

const uint32_t kFree = 0xFFFFFFFF;
const uint32_t kEnd = 0xFFFFFFFE;
const uint32_t kFatMark = 0xFFFFFFFD;
const uint32_t kIndexMark = 0xFFFFFFFC;

std::string Pattern(size_t length, unsigned seed = 7)
{
    std::string data(length, '\0');
    for (size_t i = 0; i < length; ++i)
        data[i] = (char)((i * 131 + seed + i / 512) & 0xFF);
    return data;
}

size_t SectorAt(uint32_t sector)
{
    return 512 * ((size_t)sector + 1);
}

// FAT entry n, found through the header's FAT sector slots.
uint32_t FatEntry(const std::string& file, uint32_t n)
{
    uint32_t fatSector = Le32(file, 76 + 4 * (n / 128));
    return Le32(file, SectorAt(fatSector) + 4 * (n % 128));
}

size_t DirEntryAt(const std::string& file, uint32_t index)
{
    // The program's documents keep the directory in sector 1 while it has
    // at most four entries.
    return SectorAt(Le32(file, 48)) + 128 * index;
}

class CompoundDocumentTest : public ::testing::Test {
protected:
    std::string Write(const std::string& data)
    {
        std::string path = m_dir.File("doc.xls");
        EXPECT_EQ(CompoundDocument::kSuccess, m_doc.Create(tmtest::Wide(path)));
        EXPECT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Workbook"));
        EXPECT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Workbook", data.data(), data.size()));
        EXPECT_EQ(CompoundDocument::kSuccess, m_doc.Close());
        return path;
    }

    void ExpectReadBack(const std::string& path, const std::wstring& stream, const std::string& data)
    {
        tmtest::CReadDocument document;
        ASSERT_EQ("", tmtest::ReadStreamsBack(path, document));
        const tmtest::CReadStream* found = document.Find(stream);
        ASSERT_NE(nullptr, found);
        EXPECT_EQ(data.size(), found->size);
        EXPECT_TRUE(found->content == data) << "content of the stream differs";
    }

    tmtest::CTempDir m_dir;
    CompoundDocument m_doc;
};

TEST_F(CompoundDocumentTest, NewDocumentHasHeaderFatAndRootDirectory)
{
    std::string path = m_dir.File("empty.xls");
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Create(tmtest::Wide(path)));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Close());
    std::string file = tmtest::FileBytes(path);
    ASSERT_EQ(512u * 3, file.size());
    EXPECT_EQ(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), file.substr(0, 8));
    EXPECT_EQ(0x003B, Le16(file, 24));
    EXPECT_EQ(3, Le16(file, 26));
    EXPECT_EQ(0xFFFE, Le16(file, 28));
    EXPECT_EQ(9, Le16(file, 30));
    EXPECT_EQ(6, Le16(file, 32));
    EXPECT_EQ(1u, Le32(file, 44));
    EXPECT_EQ(1u, Le32(file, 48));
    EXPECT_EQ(4096u, Le32(file, 56));
    EXPECT_EQ(kEnd, Le32(file, 60));
    EXPECT_EQ(kEnd, Le32(file, 68));
    EXPECT_EQ(0u, Le32(file, 76));
    EXPECT_EQ(kFree, Le32(file, 80));
    EXPECT_EQ(kFatMark, FatEntry(file, 0));
    EXPECT_EQ(kEnd, FatEntry(file, 1));
    EXPECT_EQ(kFree, FatEntry(file, 2));
    size_t root = DirEntryAt(file, 0);
    EXPECT_EQ(std::string("R\0o\0o\0t\0 \0E\0n\0t\0r\0y\0\0\0", 22), file.substr(root, 22));
    EXPECT_EQ(22, Le16(file, root + 64));
    EXPECT_EQ(5, (unsigned char)file[root + 66]);
    EXPECT_EQ(kFree, Le32(file, root + 76));
    EXPECT_EQ(kEnd, Le32(file, root + 116));
}

TEST_F(CompoundDocumentTest, StreamBelow4096BytesLivesInMiniSectors)
{
    std::string data = Pattern(3000);
    std::string path = Write(data);
    std::string file = tmtest::FileBytes(path);

    // 47 mini sectors in a container of six sectors, one mini-FAT sector.
    EXPECT_EQ(1u, Le32(file, 64));
    uint32_t miniFat = Le32(file, 60);
    ASSERT_NE(kEnd, miniFat);
    size_t root = DirEntryAt(file, 0);
    uint32_t container = Le32(file, root + 116);
    EXPECT_NE(kEnd, container);
    EXPECT_EQ(512u * 6, Le32(file, root + 120));
    EXPECT_EQ(512u * (1 + 2 + 1 + 6), file.size());
    size_t stream = DirEntryAt(file, 1);
    EXPECT_EQ(3000u, Le32(file, stream + 120));
    uint32_t mini = Le32(file, stream + 116);
    int chained = 1;
    while (chained < 100) {
        uint32_t next = Le32(file, SectorAt(miniFat) + 4 * mini);
        if (next == kEnd)
            break;
        mini = next;
        ++chained;
    }
    EXPECT_EQ(47, chained);
    ExpectReadBack(path, L"Workbook", data);
}

TEST_F(CompoundDocumentTest, StreamOfExactly4096BytesTakesEightChainedSectors)
{
    std::string data = Pattern(4096);
    std::string path = Write(data);
    std::string file = tmtest::FileBytes(path);
    EXPECT_EQ(512u * (1 + 2 + 8), file.size());
    EXPECT_EQ(kEnd, Le32(file, 60));
    EXPECT_EQ(0u, Le32(file, 64));
    size_t stream = DirEntryAt(file, 1);
    EXPECT_EQ(2u, Le32(file, stream + 116));
    EXPECT_EQ(4096u, Le32(file, stream + 120));
    for (uint32_t s = 2; s < 9; ++s)
        EXPECT_EQ(s + 1, FatEntry(file, s));
    EXPECT_EQ(kEnd, FatEntry(file, 9));
    EXPECT_EQ(data, file.substr(SectorAt(2), 4096));
    ExpectReadBack(path, L"Workbook", data);
}

TEST_F(CompoundDocumentTest, StreamOf70000BytesGrowsTheFatIntoASecondSector)
{
    std::string data = Pattern(70000);
    std::string path = Write(data);
    std::string file = tmtest::FileBytes(path);
    EXPECT_EQ(2u, Le32(file, 44));
    EXPECT_EQ(0u, Le32(file, 76));
    EXPECT_EQ(128u, Le32(file, 80));
    EXPECT_EQ(kFree, Le32(file, 84));
    EXPECT_EQ(kFatMark, FatEntry(file, 128));
    // The stream's chain steps over the new FAT sector.
    EXPECT_EQ(129u, FatEntry(file, 127));
    uint32_t sectors = (70000 + 511) / 512;
    EXPECT_EQ(512u * (1 + 3 + sectors), file.size());
    ExpectReadBack(path, L"Workbook", data);
}

TEST_F(CompoundDocumentTest, MoreThan109FatSectorsAreListedInAnIndexSector)
{
    // 109 FAT sectors cover 13,952 sectors; 13,900 data sectors and the
    // FAT itself need a 110th, listed in an index sector.
    std::string data = Pattern((size_t)512 * 13900);
    std::string path = Write(data);
    std::string file = tmtest::FileBytes(path);
    ASSERT_EQ(110u, Le32(file, 44));
    EXPECT_EQ(1u, Le32(file, 72));
    uint32_t index = Le32(file, 68);
    ASSERT_NE(kEnd, index);
    uint32_t lastFat = Le32(file, SectorAt(index));
    EXPECT_EQ(128u * 109, lastFat);
    EXPECT_EQ(kFree, Le32(file, SectorAt(index) + 4));
    EXPECT_EQ(kEnd, Le32(file, SectorAt(index) + 4 * 127));
    EXPECT_EQ(kFatMark, Le32(file, SectorAt(lastFat)));
    EXPECT_EQ(kIndexMark, Le32(file, SectorAt(lastFat) + 4 * (index - lastFat)));
    ExpectReadBack(path, L"Workbook", data);
}

TEST_F(CompoundDocumentTest, ResultCodesForNamesAndMissingStreams)
{
    std::string data = "x";
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.CreateStream(L"Workbook")) << "no document open";
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Create(m_dir.WFile(L"codes.xls")));
    EXPECT_EQ(CompoundDocument::kNameTooLong, m_doc.CreateStream(std::wstring(32, L'a')));
    EXPECT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(std::wstring(31, L'a')));
    EXPECT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Workbook"));
    EXPECT_EQ(CompoundDocument::kAlreadyExists, m_doc.CreateStream(L"Workbook"));
    EXPECT_EQ(CompoundDocument::kAlreadyExists, m_doc.CreateStream(L"WORKBOOK"));
    EXPECT_EQ(CompoundDocument::kAlreadyExists, m_doc.CreateStorage(L"Workbook"));
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.CreateStream(L""));
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.CreateStream(L"a:b"));
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.CreateStream(L"Folder/"));
    EXPECT_EQ(CompoundDocument::kNoSuchStream, m_doc.WriteStream(L"Book", data.data(), data.size()));
    EXPECT_EQ(CompoundDocument::kNoSuchStream, m_doc.CreateStream(L"Missing/Inner"));
    EXPECT_EQ(CompoundDocument::kNoSuchStream, m_doc.CreateStream(L"Workbook/Inner")) << "a stream is no storage";
    EXPECT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"workbook", data.data(), data.size()));
}

TEST_F(CompoundDocumentTest, FilesThatCannotBeCreatedAreRefused)
{
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.Create(m_dir.WFile(L"missing/doc.xls")));
    EXPECT_FALSE(m_doc.IsOpen());
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.Create(L""));
    // A lone surrogate has no UTF-8 form: the file would get another name.
    EXPECT_EQ(CompoundDocument::kBadName, m_doc.Create(m_dir.WFile(std::wstring(L"a") + (wchar_t)0xD800 + L".xls")));
    EXPECT_EQ(0, tmtest::Run("test -z \"$(ls -A '" + m_dir.Path() + "')\""));
}

TEST_F(CompoundDocumentTest, ManyEntriesGrowTheDirectoryAndStayReadable)
{
    std::string path = m_dir.File("many.xls");
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Create(tmtest::Wide(path)));
    const wchar_t* names[] = {L"Workbook", L"b", L"A", L"SummaryInformation", L"ccc", L"中文名", L"Zz", L"aa"};
    for (const wchar_t* name : names)
        ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(name)) << tmtest::Utf8(name);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStorage(L"Folder"));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Folder/Inner"));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Folder/b")) << "names are per storage";
    std::string big = Pattern(9000, 3);
    std::string small = Pattern(100, 5);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Folder/Inner", big.data(), big.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"中文名", small.data(), small.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Close());

    tmtest::CReadDocument document;
    ASSERT_EQ("", tmtest::ReadStreamsBack(path, document));
    EXPECT_EQ(10u, document.streams.size());
    ASSERT_EQ(1u, document.storages.size());
    EXPECT_EQ(L"Folder", document.storages[0]);
    ASSERT_NE(nullptr, document.Find(L"Folder/Inner"));
    EXPECT_TRUE(document.Find(L"Folder/Inner")->content == big);
    ASSERT_NE(nullptr, document.Find(L"中文名"));
    EXPECT_TRUE(document.Find(L"中文名")->content == small);
    ASSERT_NE(nullptr, document.Find(L"SummaryInformation"));
    EXPECT_EQ(0u, document.Find(L"SummaryInformation")->size);

    // The directory list is ordered by name length, then code units.
    std::string file = tmtest::FileBytes(path);
    uint32_t sector = Le32(file, 48);
    std::vector<std::u16string> listed;
    for (int guard = 0; sector != kEnd && guard < 10; ++guard) {
        for (int i = 0; i < 4; ++i) {
            size_t at = SectorAt(sector) + 128 * i;
            uint16_t bytes = Le16(file, at + 64);
            std::u16string name;
            for (size_t c = 0; c + 1 < bytes / 2u; ++c)
                name += (char16_t)Le16(file, at + 2 * c);
            if (bytes)
                listed.push_back(name);
        }
        sector = FatEntry(file, sector);
    }
    ASSERT_EQ(12u, listed.size());
    EXPECT_EQ(u"Root Entry", listed[0]);
    EXPECT_EQ(u"A", listed[1]);
    EXPECT_EQ(u"b", listed[2]);
    EXPECT_EQ(u"b", listed[3]);
    EXPECT_EQ(u"Zz", listed[4]);
    EXPECT_EQ(u"aa", listed[5]);
    EXPECT_EQ(u"SummaryInformation", listed.back());
}

TEST_F(CompoundDocumentTest, ShorterContentCutsSectorsOutAndRenumbersTheRest)
{
    std::string path = m_dir.File("shrink.xls");
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Create(tmtest::Wide(path)));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"First"));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Second"));
    std::string first = Pattern(70000, 1);
    std::string second = Pattern(20000, 2);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"First", first.data(), first.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Second", second.data(), second.size()));
    size_t before = tmtest::FileBytes(path).size();

    std::string shorter = Pattern(5000, 3);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"First", shorter.data(), shorter.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Close());
    std::string file = tmtest::FileBytes(path);
    // 137 sectors became 10: the file lost 127 sectors, the FAT kept its two.
    EXPECT_EQ(before - 512u * 127, file.size());
    EXPECT_EQ(2u, Le32(file, 44));
    ExpectReadBack(path, L"First", shorter);
    ExpectReadBack(path, L"Second", second);
}

TEST_F(CompoundDocumentTest, RewrittenSmallStreamsReuseAndGiveBackMiniSectors)
{
    std::string path = m_dir.File("mini.xls");
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Create(tmtest::Wide(path)));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"A"));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"B"));
    std::string a = Pattern(3000, 1);
    std::string b = Pattern(700, 2);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"A", a.data(), a.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"B", b.data(), b.size()));
    std::string shorter = Pattern(100, 3);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"A", shorter.data(), shorter.size()));
    // B grows into the mini sectors A gave back: the container keeps its size.
    std::string longer = Pattern(3500, 4);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"B", longer.data(), longer.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Close());
    std::string file = tmtest::FileBytes(path);
    EXPECT_EQ(512u * 8, Le32(file, DirEntryAt(file, 0) + 120));
    ExpectReadBack(path, L"A", shorter);
    ExpectReadBack(path, L"B", longer);
}

TEST_F(CompoundDocumentTest, StreamChangingClassGivesUpItsOldSectors)
{
    std::string path = m_dir.File("class.xls");
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Create(tmtest::Wide(path)));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Workbook"));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.CreateStream(L"Other"));
    std::string other = Pattern(6000, 9);
    std::string big = Pattern(10000, 4);
    std::string small = Pattern(1000, 5);
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Workbook", big.data(), big.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Other", other.data(), other.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Workbook", small.data(), small.size()));
    std::string file = tmtest::FileBytes(path);
    // header, FAT, directory, Other's 12 sectors, container of 2, mini FAT.
    EXPECT_EQ(512u * (1 + 2 + 12 + 2 + 1), file.size());
    ExpectReadBack(path, L"Workbook", small);
    ExpectReadBack(path, L"Other", other);

    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.WriteStream(L"Workbook", big.data(), big.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, m_doc.Close());
    ExpectReadBack(path, L"Workbook", big);
    ExpectReadBack(path, L"Other", other);

    tmtest::CTempDir again;
    CompoundDocument doc;
    std::string emptied = again.File("empty.xls");
    ASSERT_EQ(CompoundDocument::kSuccess, doc.Create(tmtest::Wide(emptied)));
    ASSERT_EQ(CompoundDocument::kSuccess, doc.CreateStream(L"Workbook"));
    ASSERT_EQ(CompoundDocument::kSuccess, doc.WriteStream(L"Workbook", big.data(), big.size()));
    ASSERT_EQ(CompoundDocument::kSuccess, doc.WriteStream(L"Workbook", "", 0));
    ASSERT_EQ(CompoundDocument::kSuccess, doc.Close());
    EXPECT_EQ(512u * 3, tmtest::FileBytes(emptied).size());
    ExpectReadBack(emptied, L"Workbook", "");
}

}  // namespace
