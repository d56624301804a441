// The workbook model and its saved files, read back cell by cell with xlrd
// and container by container with olefile.
#include "xls/XlsWorkbook.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "tests/support/TestFiles.h"
#include "tests/xls/XlsReadBack.h"

namespace {

using tmtest::CReadCell;
using tmtest::CReadSheet;

const uint16_t kBoundSheet = 0x0085, kSst = 0x00FC, kContinue = 0x003C, kBof = 0x0809, kWindow2 = 0x023E;

// Fills cells and remembers what a reader should find in them.
class CSheetWriter {
public:
    explicit CSheetWriter(XlsWorksheet* sheet) : m_sheet(sheet) {}

    void Text(uint32_t row, uint32_t column, const std::wstring& text)
    {
        m_sheet->CellAt(row, column)->SetText(text);
        CReadCell cell;
        cell.isText = true;
        cell.text = text;
        m_expected[{(int)row, (int)column}] = cell;
    }

    void Number(uint32_t row, uint32_t column, double value)
    {
        m_sheet->CellAt(row, column)->SetNumber(value);
        CReadCell cell;
        cell.number = value;
        m_expected[{(int)row, (int)column}] = cell;
    }

    void ExpectRead(const CReadSheet& read) const
    {
        EXPECT_EQ(m_expected.size(), read.cells.size());
        for (const auto& entry : m_expected) {
            auto found = read.cells.find(entry.first);
            if (found == read.cells.end()) {
                ADD_FAILURE() << "no cell at " << entry.first.first << "," << entry.first.second;
                continue;
            }
            EXPECT_EQ(entry.second.isText, found->second.isText);
            if (entry.second.isText)
                EXPECT_EQ(entry.second.text, found->second.text) << entry.first.first << "," << entry.first.second;
            else
                EXPECT_EQ(entry.second.number, found->second.number) << entry.first.first << "," << entry.first.second;
        }
    }

private:
    XlsWorksheet* m_sheet;
    std::map<std::pair<int, int>, CReadCell> m_expected;
};

class XlsWorkbookTest : public ::testing::Test {
protected:
    XlsWorkbookTest()
    {
        m_book.CreateNew();
        m_sheet = m_book.FindSheet("Sheet1");
    }

    std::vector<CReadSheet> SaveAndRead(const std::string& name = "book.xls")
    {
        std::string path = m_dir.File(name);
        EXPECT_TRUE(m_book.WriteToFile(path));
        std::vector<CReadSheet> sheets;
        EXPECT_EQ("", tmtest::ReadCellsBack(path, sheets));
        return sheets;
    }

    std::string WorkbookStream(const std::string& path)
    {
        tmtest::CReadDocument document;
        EXPECT_EQ("", tmtest::ReadStreamsBack(path, document));
        EXPECT_EQ(1u, document.streams.size());
        const tmtest::CReadStream* stream = document.Find(L"Workbook");
        return stream ? stream->content : std::string();
    }

    // Names in the folder, the dot files of temporary saves included.
    std::string Listing()
    {
        return tmtest::RunOutput("ls -A '" + m_dir.Path() + "'");
    }

    tmtest::CTempDir m_dir;
    XlsWorkbook m_book;
    XlsWorksheet* m_sheet;
};

TEST_F(XlsWorkbookTest, UntouchedSheetSavesAsSheet1WithoutCells)
{
    ASSERT_NE(nullptr, m_sheet);
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(L"Sheet1", sheets[0].name);
    EXPECT_EQ(0, sheets[0].rows);
    EXPECT_TRUE(sheets[0].cells.empty());
    std::string stream = WorkbookStream(m_dir.File("book.xls"));
    EXPECT_LT(stream.size(), 4096u);
    EXPECT_EQ("book.xls\n", Listing());
}

TEST_F(XlsWorkbookTest, TextInCell10x3GrowsTheGridAndLeavesTheRestEmpty)
{
    m_sheet->CellAt(10, 3)->SetText(L"只有一个");
    EXPECT_EQ(11u, m_sheet->RowCount());
    EXPECT_EQ(4u, m_sheet->ColumnCount());
    EXPECT_EQ(XlsCellType::Undefined, m_sheet->CellAt(5, 2)->Type());
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(1u, sheets.size());
    ASSERT_EQ(1u, sheets[0].cells.size());
    EXPECT_EQ(L"只有一个", sheets[0].cells[std::make_pair(10, 3)].text);
}

TEST_F(XlsWorkbookTest, EmptyTextEmptiesACellThatHeldText)
{
    XlsCell* cell = m_sheet->CellAt(0, 0);
    cell->SetText(L"旧");
    cell->SetText(L"");
    EXPECT_EQ(XlsCellType::Undefined, cell->Type());
    EXPECT_TRUE(cell->Text().empty());
    m_sheet->CellAt(0, 1)->SetNumber(1);
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(1u, sheets[0].cells.size());
    EXPECT_EQ(0u, sheets[0].cells.count({0, 0}));
}

TEST_F(XlsWorkbookTest, CellsBeyondTheSheetLimitsAreRefusedWithoutGrowing)
{
    m_sheet->CellAt(2, 2);
    EXPECT_EQ(nullptr, m_sheet->CellAt(0, 256));
    EXPECT_EQ(nullptr, m_sheet->CellAt(65536, 0));
    EXPECT_EQ(3u, m_sheet->RowCount());
    EXPECT_EQ(3u, m_sheet->ColumnCount());
    EXPECT_NE(nullptr, m_sheet->CellAt(0, 255));
    EXPECT_EQ(256u, m_sheet->ColumnCount());
}

TEST_F(XlsWorkbookTest, FindSheetMatchesNarrowNamesExactly)
{
    EXPECT_EQ(nullptr, m_book.FindSheet("sheet1"));
    EXPECT_EQ(m_sheet, m_book.FindSheet("Sheet1"));
    XlsWorksheet* wide = m_book.AddSheet(std::wstring(L"Wide"));
    ASSERT_NE(nullptr, wide);
    EXPECT_EQ(nullptr, m_book.FindSheet("Wide")) << "names stored wide are not matched";
    XlsWorksheet* data = m_book.AddSheet(std::string("Data"));
    EXPECT_EQ(data, m_book.FindSheet("Data"));
    EXPECT_EQ(nullptr, m_book.AddSheet(std::string("SHEET1")));
    EXPECT_EQ(nullptr, m_book.AddSheet(std::wstring(L"data")));
    EXPECT_EQ(nullptr, m_book.AddSheet(std::string("a/b")));
    EXPECT_EQ(nullptr, m_book.AddSheet(std::string(32, 'x')));
    EXPECT_EQ(3u, m_book.SheetCount());

    XlsWorkbook empty;
    EXPECT_EQ(nullptr, empty.FindSheet("Sheet1"));
    EXPECT_FALSE(empty.WriteToFile(m_dir.File("empty.xls")));
    m_book.CreateNew();
    EXPECT_EQ(1u, m_book.SheetCount());
}

TEST_F(XlsWorkbookTest, EveryKindOfCellReadsBackThroughXlrd)
{
    CSheetWriter w(m_sheet);
    w.Text(0, 0, L"评分内容");
    w.Text(0, 1, L"标准答案");
    w.Text(0, 2, L"Tab\there");
    w.Number(1, 0, 85.5);
    w.Number(1, 1, 10);
    w.Number(1, 2, 0.5);
    w.Number(1, 3, -3);
    w.Number(1, 4, 2.345);
    w.Number(1, 5, (double)7.2f);
    w.Number(1, 6, 1.0e20);
    w.Number(1, 7, -0.07);
    for (uint32_t r = 2; r < 40; ++r) {
        w.Text(r, 0, L"第" + std::to_wstring(r) + L"项");
        w.Number(r, 1, r * 1.5);   // RK run with the next two
        w.Number(r, 2, r + 0.25);
        w.Number(r, 3, -(double)r);
        w.Number(r, 4, (double)(r / 3.0f));
        if (r % 5 == 0)
            w.Text(r, 6, L"评分内容");
    }
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(40, sheets[0].rows);
    w.ExpectRead(sheets[0]);
}

TEST_F(XlsWorkbookTest, LargeStringTableIsContinuedAndReadsBack)
{
    // Three hundred distinct 30-character texts: 63 bytes each, so the SST
    // record ends with a text cut after 11 characters.
    CSheetWriter w(m_sheet);
    for (uint32_t i = 0; i < 300; ++i) {
        std::wstring text;
        for (int c = 0; c < 30; ++c)
            text += (wchar_t)(0x4E00 + (i * 31 + c) % 20000);
        w.Text(i, 0, text);
        w.Text(i, 1, text);  // the same text twice: one SST entry
    }
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(1u, sheets.size());
    w.ExpectRead(sheets[0]);

    std::vector<tmtest::CStreamRecord> records = tmtest::SplitRecords(WorkbookStream(m_dir.File("book.xls")));
    size_t sst = 0;
    while (sst < records.size() && records[sst].type != kSst)
        ++sst;
    ASSERT_LT(sst + 1, records.size());
    EXPECT_EQ(600u, tmtest::Le32(records[sst].data, 0));
    EXPECT_EQ(300u, tmtest::Le32(records[sst].data, 4));
    EXPECT_EQ(8223u, records[sst].data.size());
    ASSERT_EQ(kContinue, records[sst + 1].type);
    EXPECT_EQ('\x01', records[sst + 1].data[0]);
}

TEST_F(XlsWorkbookTest, SmallExactAndLargeStreamsAllReadBack)
{
    // A short stream lives in the mini stream.
    {
        CSheetWriter w(m_sheet);
        w.Text(0, 0, L"小");
        w.Number(0, 1, 1);
        std::vector<CReadSheet> sheets = SaveAndRead("small.xls");
        ASSERT_EQ(1u, sheets.size());
        w.ExpectRead(sheets[0]);
        EXPECT_LT(WorkbookStream(m_dir.File("small.xls")).size(), 4096u);
        EXPECT_NE(0xFFFFFFFEu, tmtest::Le32(tmtest::FileBytes(m_dir.File("small.xls")), 60));
    }
    // Exactly 4,096 bytes: an empty workbook is 832 bytes, one text cell
    // adds its 51 bytes of records and the text's characters.
    {
        m_book.CreateNew();
        std::string narrow = "\xE9" + std::string(3212, 'a');
        m_book.FindSheet("Sheet1")->CellAt(0, 0)->SetNarrowText(narrow);
        std::vector<CReadSheet> sheets = SaveAndRead("exact.xls");
        ASSERT_EQ(1u, sheets.size());
        EXPECT_EQ(L"é" + std::wstring(3212, L'a'), sheets[0].cells[std::make_pair(0, 0)].text);
        EXPECT_EQ(4096u, WorkbookStream(m_dir.File("exact.xls")).size());
        EXPECT_EQ(0xFFFFFFFEu, tmtest::Le32(tmtest::FileBytes(m_dir.File("exact.xls")), 60)) << "no mini FAT";
    }
    // Over 70,000 bytes: the FAT needs a second sector.
    {
        m_book.CreateNew();
        CSheetWriter w(m_book.FindSheet("Sheet1"));
        for (uint32_t r = 0; r < 800; ++r) {
            w.Text(r, 0, L"学生" + std::to_wstring(r));
            w.Number(r, 1, r * 0.01);
            w.Number(r, 2, r / 7.0);
            w.Number(r, 3, r);
            w.Text(r, 4, L"是");
        }
        std::vector<CReadSheet> sheets = SaveAndRead("large.xls");
        ASSERT_EQ(1u, sheets.size());
        w.ExpectRead(sheets[0]);
        size_t size = WorkbookStream(m_dir.File("large.xls")).size();
        EXPECT_GT(size, 70000u);
        EXPECT_LT(size, 120000u);
        EXPECT_EQ(2u, tmtest::Le32(tmtest::FileBytes(m_dir.File("large.xls")), 44));
    }
}

TEST_F(XlsWorkbookTest, SecondSheetIsUnselectedAndBoundSheetsPointAtTheirBof)
{
    CSheetWriter first(m_sheet);
    first.Text(0, 0, L"一");
    XlsWorksheet* second = m_book.AddSheet(std::wstring(L"第二页"));
    ASSERT_NE(nullptr, second);
    CSheetWriter w(second);
    w.Number(3, 3, 4.5);
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(2u, sheets.size());
    EXPECT_EQ(L"Sheet1", sheets[0].name);
    EXPECT_EQ(L"第二页", sheets[1].name);
    first.ExpectRead(sheets[0]);
    w.ExpectRead(sheets[1]);

    std::vector<tmtest::CStreamRecord> records = tmtest::SplitRecords(WorkbookStream(m_dir.File("book.xls")));
    std::vector<uint16_t> windows;
    std::vector<size_t> bofs;
    std::vector<uint32_t> bound;
    for (const tmtest::CStreamRecord& r : records) {
        if (r.type == kWindow2)
            windows.push_back(tmtest::Le16(r.data, 0));
        if (r.type == kBof && r.position > 0)
            bofs.push_back(r.position);
        if (r.type == kBoundSheet)
            bound.push_back(tmtest::Le32(r.data, 0));
    }
    EXPECT_EQ((std::vector<uint16_t>{0x06B6, 0x04B6}), windows);
    ASSERT_EQ(2u, bofs.size());
    EXPECT_EQ(bofs[0], bound[0]);
    EXPECT_EQ(bofs[1], bound[1]);
}

TEST_F(XlsWorkbookTest, TheLastRowOfASheetCanBeWritten)
{
    CSheetWriter w(m_sheet);
    w.Text(0, 0, L"首行");
    w.Number(65535, 2, 65535);
    std::vector<CReadSheet> sheets = SaveAndRead();
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(65536, sheets[0].rows);
    w.ExpectRead(sheets[0]);
}

TEST_F(XlsWorkbookTest, PathsThatAreNotUtf8AreWrittenUnderTheirOwnBytes)
{
    m_sheet->CellAt(0, 0)->SetText(L"x");
    // The byte 0xFF names no character; the file still gets exactly that
    // name, not "\xEF\xBF\xBD.xls".
    EXPECT_TRUE(m_book.WriteToFile(m_dir.Path() + "/\xFF.xls"));
    EXPECT_FALSE(m_book.WriteToFile(""));
    EXPECT_FALSE(m_book.WriteToFile(m_dir.Path() + "/missing/book.xls"));
    EXPECT_EQ("\xFF.xls\n", Listing());
}

TEST_F(XlsWorkbookTest, SavingAgainReplacesTheFile)
{
    std::string path = m_dir.File("张三.xls");
    m_sheet->CellAt(0, 0)->SetText(L"第一次");
    ASSERT_TRUE(m_book.WriteToFile(path));
    m_sheet->CellAt(0, 0)->SetText(L"第二次");
    ASSERT_TRUE(m_book.WriteToFile(path));
    std::vector<CReadSheet> sheets;
    ASSERT_EQ("", tmtest::ReadCellsBack(path, sheets));
    ASSERT_EQ(1u, sheets.size());
    EXPECT_EQ(L"第二次", sheets[0].cells[std::make_pair(0, 0)].text);
    EXPECT_EQ("张三.xls\n", Listing());
}

TEST_F(XlsWorkbookTest, AWorkbookMadeAgainWritesWhatANewOneWrites)
{
    // A larger workbook first: more rows, more columns, a second sheet.
    for (uint32_t r = 0; r < 70; ++r)
        for (uint32_t c = 0; c < 7; ++c)
            m_sheet->CellAt(r, c)->SetText(L"旧" + std::to_wstring(r * 7 + c));
    m_book.AddSheet(std::wstring(L"第二页"))->CellAt(3, 3)->SetNumber(1);
    ASSERT_TRUE(m_book.WriteToFile(m_dir.File("before.xls")));

    auto fill = [](XlsWorkbook& book) {
        XlsWorksheet* sheet = book.FindSheet("Sheet1");
        ASSERT_NE(nullptr, sheet);
        sheet->CellAt(0, 1)->SetText(L"新");
        sheet->CellAt(5, 0)->SetNumber(2.5);
        sheet->CellAt(2, 3)->SetText(L"後");
    };
    m_book.CreateNew();
    fill(m_book);
    ASSERT_TRUE(m_book.WriteToFile(m_dir.File("again.xls")));
    XlsWorkbook fresh;
    fresh.CreateNew();
    fill(fresh);
    ASSERT_TRUE(fresh.WriteToFile(m_dir.File("fresh.xls")));
    EXPECT_TRUE(tmtest::ReadBytes(m_dir.File("again.xls")) == tmtest::ReadBytes(m_dir.File("fresh.xls")));
    EXPECT_EQ(1u, m_book.SheetCount());
}

TEST_F(XlsWorkbookTest, FailedSaveLeavesTheEarlierFileIntact)
{
    std::string path = m_dir.File("kept.xls");
    m_sheet->CellAt(0, 0)->SetText(L"好的");
    ASSERT_TRUE(m_book.WriteToFile(path));
    std::string good = tmtest::FileBytes(path);

    for (uint32_t r = 0; r < 3000; ++r)
        m_sheet->CellAt(r, 1)->SetText(L"很长的文字" + std::to_wstring(r));
    // Files may not grow past 20,000 bytes: the save fails part-way.
    struct rlimit saved;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    struct rlimit limited = saved;
    limited.rlim_cur = 20000;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &limited));
    bool written = m_book.WriteToFile(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);

    EXPECT_FALSE(written);
    EXPECT_TRUE(tmtest::FileBytes(path) == good);
    EXPECT_EQ("kept.xls\n", Listing());
    // A path naming a folder cannot be replaced either.
    ASSERT_EQ(0, tmtest::Run("mkdir '" + m_dir.File("folder.xls") + "'"));
    EXPECT_FALSE(m_book.WriteToFile(m_dir.File("folder.xls")));
    EXPECT_EQ("folder.xls\nkept.xls\n", Listing());
}

TEST_F(XlsWorkbookTest, LibreOfficeOpensAFullHeightSheet)
{
    TM_REQUIRE_SOFFICE();
    CSheetWriter w(m_sheet);
    w.Text(0, 0, L"评分内容");
    w.Number(0, 1, 85.5);
    w.Number(65535, 0, 2.345);
    std::string path = m_dir.File("full.xls");
    ASSERT_TRUE(m_book.WriteToFile(path));
    std::string command = "cd '" + m_dir.Path() + "' && HOME='" + m_dir.Path() +
                          "' soffice -env:UserInstallation=file://" + m_dir.Path() +
                          "/profile --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' --outdir '" +
                          m_dir.Path() + "/csv' full.xls >/dev/null 2>&1";
    ASSERT_EQ(0, tmtest::Run(command));
    std::string csv = tmtest::FileBytes(m_dir.File("csv/full.csv"));
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(0u, csv.find("评分内容,85.5"));
    size_t lines = 0;
    for (char c : csv)
        lines += c == '\n';
    EXPECT_EQ(65536u, lines);
    EXPECT_NE(std::string::npos, csv.rfind("2.345"));
}

}  // namespace
