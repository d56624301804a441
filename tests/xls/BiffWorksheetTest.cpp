// Worksheet records built from editable sheets: which cell records, row
// blocks, and the INDEX and DBCELL offsets, checked on the written bytes.
#include "xls/BiffWorksheet.h"

#include <gtest/gtest.h>

#include "xls/BiffWorkbook.h"
#include "xls/ByteOrder.h"
#include "xls/RkValue.h"
#include "xls/SharedStringTable.h"
#include "xls/XlsWorksheet.h"

using namespace BiffXls;
using XlsBytes::Get16;
using XlsBytes::Get32;

namespace {

struct CParsed {
    uint32_t position;  // in the stream
    Record record;
};

class BiffWorksheetTest : public ::testing::Test {
protected:
    BiffWorksheetTest() : m_sheet(nullptr, 0) {}

    // Builds the sheet's records as if its BOF stood at position, writes
    // them and parses them back.
    void Build(uint32_t position = 1000, bool selected = true)
    {
        m_records.clear();
        m_built.Build(m_sheet, m_sst, selected);
        m_built.SetPositions(position);
        std::vector<uint8_t> bytes(m_built.Size());
        ASSERT_EQ(bytes.size(), m_built.Write(bytes.data()));
        size_t at = 0;
        while (at < bytes.size()) {
            CParsed parsed{position + (uint32_t)at, Record()};
            size_t taken = parsed.record.Read(bytes.data() + at, bytes.size() - at);
            ASSERT_GT(taken, 0u);
            m_records.push_back(parsed);
            at += taken;
        }
    }

    std::vector<const CParsed*> OfType(uint16_t type) const
    {
        std::vector<const CParsed*> found;
        for (const CParsed& p : m_records) {
            if (p.record.m_type == type)
                found.push_back(&p);
        }
        return found;
    }

    std::vector<uint16_t> Types() const
    {
        std::vector<uint16_t> types;
        for (const CParsed& p : m_records)
            types.push_back(p.record.m_type);
        return types;
    }

    XlsWorksheet m_sheet;
    SharedStringTable m_sst;
    Worksheet m_built;
    std::vector<CParsed> m_records;
};

const uint16_t kBof = 0x0809, kEof = 0x000A, kIndex = 0x020B, kDimensions = 0x0200, kRow = 0x0208,
               kDbCell = 0x00D7, kWindow2 = 0x023E, kLabelSst = 0x00FD, kRk = 0x027E, kMulRk = 0x00BD,
               kNumber = 0x0203;

TEST_F(BiffWorksheetTest, SheetWithoutCellsHasNoRowBlocks)
{
    Build();
    EXPECT_EQ((std::vector<uint16_t>{kBof, kIndex, kDimensions, kWindow2, kEof}), Types());
    const std::vector<uint8_t>& bof = m_records[0].record.m_data;
    EXPECT_EQ(0x0600, Get16(&bof[0]));
    EXPECT_EQ(0x0010, Get16(&bof[2]));
    const std::vector<uint8_t>& dims = m_records[2].record.m_data;
    ASSERT_EQ(14u, dims.size());
    EXPECT_EQ(0u, Get32(&dims[0]));
    EXPECT_EQ(0u, Get32(&dims[4]));
    EXPECT_EQ(0, Get16(&dims[8]));
    EXPECT_EQ(0, Get16(&dims[10]));
}

TEST_F(BiffWorksheetTest, DoublesSideBySideBecomeOneMulRk)
{
    m_sheet.CellAt(0, 0)->SetNumber(1);
    m_sheet.CellAt(0, 1)->SetNumber(2);
    m_sheet.CellAt(0, 2)->SetNumber(3);
    Build();
    ASSERT_EQ(1u, OfType(kMulRk).size());
    EXPECT_TRUE(OfType(kRk).empty());
    const std::vector<uint8_t>& d = OfType(kMulRk)[0]->record.m_data;
    ASSERT_EQ(6 + 3 * 6u, d.size());
    EXPECT_EQ(0, Get16(&d[0]));
    EXPECT_EQ(0, Get16(&d[2]));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(0, Get16(&d[4 + 6 * i])) << "XF index";
        EXPECT_EQ(i + 1.0, DecodeRk(Get32(&d[6 + 6 * i])));
    }
    EXPECT_EQ(2, Get16(&d[22])) << "last column";
}

TEST_F(BiffWorksheetTest, ANumberBetweenRkValuesBreaksTheRun)
{
    m_sheet.CellAt(0, 0)->SetNumber(1);
    m_sheet.CellAt(0, 1)->SetNumber(2.345);
    m_sheet.CellAt(0, 2)->SetNumber(3);
    m_sheet.CellAt(0, 3)->SetNumber((double)7.2f);
    Build();
    EXPECT_EQ((std::vector<uint16_t>{kBof, kIndex, kDimensions, kRow, kRk, kNumber, kRk, kNumber, kDbCell,
                                     kWindow2, kEof}),
              Types());
    const std::vector<uint8_t>& number = OfType(kNumber)[0]->record.m_data;
    ASSERT_EQ(14u, number.size());
    EXPECT_EQ(1, Get16(&number[2]));
    EXPECT_EQ(2.345, XlsBytes::GetDouble(&number[6]));
    EXPECT_EQ((double)7.2f, XlsBytes::GetDouble(&OfType(kNumber)[1]->record.m_data[6]));
    const std::vector<uint8_t>& rk = OfType(kRk)[1]->record.m_data;
    EXPECT_EQ(2, Get16(&rk[2]));
    EXPECT_EQ(3.0, DecodeRk(Get32(&rk[6])));
}

TEST_F(BiffWorksheetTest, IntegerRunsBecomeMulRkAndOutOfRangeIntegersNumbers)
{
    m_sheet.CellAt(0, 0)->SetInteger(7);
    m_sheet.CellAt(0, 1)->SetInteger(-8);
    m_sheet.CellAt(0, 2)->SetInteger(kRkIntegerMax + 1);
    m_sheet.CellAt(0, 3)->SetInteger(9);
    m_sheet.CellAt(0, 4)->SetNumber(10);  // a double never joins an integer run
    Build();
    ASSERT_EQ(1u, OfType(kMulRk).size());
    const std::vector<uint8_t>& d = OfType(kMulRk)[0]->record.m_data;
    ASSERT_EQ(6 + 2 * 6u, d.size());
    EXPECT_EQ(0x1Eu, Get32(&d[6]));
    EXPECT_EQ(((uint32_t)-8 << 2) | 2u, Get32(&d[12]));
    ASSERT_EQ(1u, OfType(kNumber).size());
    EXPECT_EQ((double)(kRkIntegerMax + 1), XlsBytes::GetDouble(&OfType(kNumber)[0]->record.m_data[6]));
    ASSERT_EQ(2u, OfType(kRk).size());
    EXPECT_EQ(0x26u, Get32(&OfType(kRk)[0]->record.m_data[6]));
}

TEST_F(BiffWorksheetTest, EqualTextsShareAnSstIndex)
{
    m_sheet.CellAt(0, 0)->SetText(L"评分内容");
    m_sheet.CellAt(1, 0)->SetText(L"标准答案");
    m_sheet.CellAt(2, 1)->SetText(L"评分内容");
    Build();
    std::vector<const CParsed*> labels = OfType(kLabelSst);
    ASSERT_EQ(3u, labels.size());
    EXPECT_EQ(0u, Get32(&labels[0]->record.m_data[6]));
    EXPECT_EQ(1u, Get32(&labels[1]->record.m_data[6]));
    EXPECT_EQ(0u, Get32(&labels[2]->record.m_data[6]));
    EXPECT_EQ(1, Get16(&labels[2]->record.m_data[2]));
    EXPECT_EQ(3u, m_sst.TotalCount());
    EXPECT_EQ(2u, m_sst.UniqueCount());
}

TEST_F(BiffWorksheetTest, RowRecordSpansTheWholeGridWhateverItsCells)
{
    m_sheet.CellAt(0, 7);               // widens the grid to 8 columns
    m_sheet.CellAt(3, 5)->SetNumber(1);  // the only defined cell
    Build();
    ASSERT_EQ(1u, OfType(kRow).size());
    const std::vector<uint8_t>& row = OfType(kRow)[0]->record.m_data;
    ASSERT_EQ(16u, row.size());
    EXPECT_EQ(3, Get16(&row[0]));
    EXPECT_EQ(0, Get16(&row[2]));
    EXPECT_EQ(8, Get16(&row[4]));
    EXPECT_EQ(255, Get16(&row[6]));
    EXPECT_EQ(0u, Get32(&row[12]));
    const std::vector<uint8_t>& dims = OfType(kDimensions)[0]->record.m_data;
    EXPECT_EQ(3u, Get32(&dims[0]));
    EXPECT_EQ(4u, Get32(&dims[4]));
    EXPECT_EQ(5, Get16(&dims[8]));
    EXPECT_EQ(8, Get16(&dims[10]));
    const std::vector<uint8_t>& index = OfType(kIndex)[0]->record.m_data;
    EXPECT_EQ(3u, Get32(&index[4]));
    EXPECT_EQ(4u, Get32(&index[8]));
}

// Checks every DBCELL against the records around it.
void ExpectOffsetsAgree(const std::vector<CParsed>& records)
{
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].record.m_type != kDbCell)
            continue;
        const std::vector<uint8_t>& d = records[i].record.m_data;
        if (d.size() == 4) {
            EXPECT_EQ(0u, Get32(&d[0])) << "a block without rows";
            continue;
        }
        // Back from the DBCELL to the block's first ROW.
        uint32_t firstRowPosition = records[i].position - Get32(&d[0]);
        size_t first = 0;
        while (first < records.size() && records[first].position != firstRowPosition)
            ++first;
        ASSERT_LT(first, records.size());
        ASSERT_EQ(kRow, records[first].record.m_type);
        size_t rows = 0;
        while (records[first + rows].record.m_type == kRow)
            ++rows;
        ASSERT_EQ(rows * 2 + 4, d.size());
        // Offsets run from the second ROW to the first cell of the first
        // row, then from each row's first cell to the next row's.
        uint32_t at = records[first].position + 20;
        size_t cell = first + rows;
        for (size_t r = 0; r < rows; ++r) {
            at += Get16(&d[4 + 2 * r]);
            while (cell < i && Get16(&records[cell].record.m_data[0]) != Get16(&records[first + r].record.m_data[0]))
                ++cell;
            ASSERT_LT(cell, i);
            EXPECT_EQ(records[cell].position, at) << "row " << r;
        }
    }
}

TEST_F(BiffWorksheetTest, ThirtyThreeRowsMakeTwoRowBlocksWithMatchingOffsets)
{
    for (uint32_t r = 0; r < 33; ++r) {
        m_sheet.CellAt(r, 0)->SetText(L"行");
        m_sheet.CellAt(r, 1)->SetNumber(r);
        m_sheet.CellAt(r, 2)->SetNumber(r + 0.25);
        if (r % 3 == 0)
            m_sheet.CellAt(r, 3)->SetNumber(2.345);
    }
    Build(777);
    std::vector<const CParsed*> dbCells = OfType(kDbCell);
    ASSERT_EQ(2u, dbCells.size());
    EXPECT_EQ(33u, OfType(kRow).size());
    const std::vector<uint8_t>& index = OfType(kIndex)[0]->record.m_data;
    ASSERT_EQ(16 + 2 * 4u, index.size());
    EXPECT_EQ(0u, Get32(&index[4]));
    EXPECT_EQ(33u, Get32(&index[8]));
    EXPECT_EQ(dbCells[0]->position, Get32(&index[16]));
    EXPECT_EQ(dbCells[1]->position, Get32(&index[20]));
    // The first block's DBCELL has 32 row offsets; the first is 31 ROWs.
    EXPECT_EQ(4 + 32 * 2u, dbCells[0]->record.m_data.size());
    EXPECT_EQ(31 * 20, Get16(&dbCells[0]->record.m_data[4]));
    EXPECT_EQ(0, Get16(&dbCells[1]->record.m_data[4]));
    ExpectOffsetsAgree(m_records);
}

TEST_F(BiffWorksheetTest, BlocksWithoutDefinedRowsStillCloseWithADbCell)
{
    m_sheet.CellAt(40, 2)->SetText(L"only");
    Build();
    std::vector<const CParsed*> dbCells = OfType(kDbCell);
    ASSERT_EQ(2u, dbCells.size());
    EXPECT_EQ(4u, dbCells[0]->record.m_data.size());
    EXPECT_EQ(0u, Get32(&dbCells[0]->record.m_data[0]));
    const std::vector<uint8_t>& index = OfType(kIndex)[0]->record.m_data;
    EXPECT_EQ(40u, Get32(&index[4]));
    EXPECT_EQ(dbCells[0]->position, Get32(&index[16]));
    EXPECT_EQ(dbCells[1]->position, Get32(&index[20]));
    ExpectOffsetsAgree(m_records);
}

TEST_F(BiffWorksheetTest, OnlyTheSelectedSheetKeepsTheSelectedBit)
{
    Build(1000, true);
    const std::vector<uint8_t>& first = OfType(kWindow2)[0]->record.m_data;
    ASSERT_EQ(18u, first.size());
    EXPECT_EQ(0x06B6, Get16(&first[0]));
    EXPECT_EQ(0x0040, Get16(&first[6]));
    Build(1000, false);
    EXPECT_EQ(0x04B6, Get16(&OfType(kWindow2)[0]->record.m_data[0]));
}

TEST(BiffWorkbookTest, GlobalsHoldTheDefaultRecordsInOrder)
{
    Workbook globals;
    BoundSheet sheet;
    sheet.SetNarrowName("Sheet1");
    sheet.m_position = 0x1234;
    globals.m_boundSheets.push_back(sheet);
    globals.m_sst.Layout();
    std::vector<uint8_t> bytes(globals.Size());
    ASSERT_EQ(bytes.size(), globals.Write(bytes.data()));
    std::vector<Record> records;
    size_t at = 0;
    while (at < bytes.size()) {
        records.emplace_back();
        size_t taken = records.back().Read(bytes.data() + at, bytes.size() - at);
        ASSERT_GT(taken, 0u);
        at += taken;
    }
    std::vector<uint16_t> expected = {0x0809, 0x003D};
    expected.insert(expected.end(), 4, 0x0031);
    expected.insert(expected.end(), 21, 0x00E0);
    expected.insert(expected.end(), 6, 0x0293);
    expected.push_back(0x0085);
    expected.push_back(0x00FC);
    expected.push_back(0x000A);
    std::vector<uint16_t> types;
    for (const Record& r : records)
        types.push_back(r.m_type);
    EXPECT_EQ(expected, types);

    EXPECT_EQ(0x0005, Get16(&records[0].m_data[2]));
    EXPECT_EQ(0x0000C0C9u, Get32(&records[0].m_data[8]));
    EXPECT_EQ(600, Get16(&records[1].m_data[16]));
    const std::vector<uint8_t>& font = records[2].m_data;
    ASSERT_EQ(26u, font.size());
    EXPECT_EQ(200, Get16(&font[0]));
    EXPECT_EQ(0x7FFF, Get16(&font[4]));
    EXPECT_EQ(std::vector<uint8_t>({5, 1, 'A', 0, 'r', 0, 'i', 0, 'a', 0, 'l', 0}),
              std::vector<uint8_t>(font.begin() + 14, font.end()));
    const std::vector<uint8_t>& xf = records[6].m_data;
    ASSERT_EQ(20u, xf.size());
    EXPECT_EQ(0xFFF5, Get16(&xf[4]));
    EXPECT_EQ(0x20, xf[6]);
    EXPECT_EQ(0x20C0, Get16(&xf[18]));
    EXPECT_EQ(std::vector<uint8_t>({0x00, 0x80, 0x00, 0xFF}), records[27].m_data);
    const std::vector<uint8_t>& bound = records[33].m_data;
    EXPECT_EQ(std::vector<uint8_t>({0x34, 0x12, 0, 0, 0, 0, 6, 0, 'S', 'h', 'e', 'e', 't', '1'}), bound);
    EXPECT_EQ(std::vector<uint8_t>({0, 0, 0, 0, 0, 0, 0, 0}), records[34].m_data);
}

}  // namespace

namespace {

// A record that declares more data than it writes.
class CShortRecord : public Record {
public:
    CShortRecord() : Record(RecordType::kStyle) {}
    uint32_t DataSize() const override { return 4; }

protected:
    void WriteData(RecordWriter& out) const override { out.Put16(0x8000); }
};

}  // namespace

TEST(BiffRecordTest, ARecordWritingOtherThanItsDeclaredSizeStopsADebugBuild)
{
    uint8_t bytes[16] = {};
    CShortRecord record;
    EXPECT_DEBUG_DEATH(record.Write(bytes), "DataSize");
}
