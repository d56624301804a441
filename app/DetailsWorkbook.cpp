// Filling and saving the class workbook through libxlsxwriter.
#include "app/DetailsWorkbook.h"

#include <xlsxwriter.h>

#include <algorithm>

#include "app/AtomicFile.h"
#include "app/ClassAnalysis.h"
#include "app/ClassStatistics.h"
#include "app/TextColumns.h"
#include "scoring/ScoreSheet.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const char kDetailsSheet[] = "评分明细";
const char kStatisticsSheet[] = "统计";
const char kItemsSheet[] = "逐项分析";
const char kSimilarSheet[] = "雷同检查";
// Columns of the first sheet: name, status, six categories, total, note.
const int kScoreColumn = 2;
const int kTotalColumn = kScoreColumn + TM_CATEGORY_COUNT;
// What a student's load lacked (missing result files, ...), beside the
// scores it cost.
const int kNoteColumn = kTotalColumn + 1;
const char kNumberFormat[] = "0.00";

std::string Utf8(const std::wstring& text)
{
    std::string narrow;
    TMTOOLS::String::DecodeUnicode(0, text, narrow);
    return narrow;
}

// Widths in characters of the default font: a CJK character is two, and a
// little room is left for the filter's button.
class CColumnWidths {
public:
    void Fit(int column, const std::wstring& text)
    {
        if ((int)m_widths.size() <= column)
            m_widths.resize(column + 1, 0);
        m_widths[column] = std::max(m_widths[column], DisplayColumns(text));
    }
    void Apply(lxw_worksheet* sheet) const
    {
        for (size_t c = 0; c < m_widths.size(); ++c)
            worksheet_set_column(sheet, (lxw_col_t)c, (lxw_col_t)c, m_widths[c] + 3, nullptr);
    }

private:
    std::vector<int> m_widths;
};

struct CFormats {
    lxw_format* m_header;
    lxw_format* m_number;
    lxw_format* m_percent;
};

void WriteText(lxw_worksheet* sheet, int row, int column, const std::wstring& text, lxw_format* format,
               CColumnWidths& widths)
{
    worksheet_write_string(sheet, (lxw_row_t)row, (lxw_col_t)column, Utf8(text).c_str(), format);
    widths.Fit(column, text);
}

// The scores are floats; the cells take them widened to double, and show
// them as the program does (two decimals).
void WriteScore(lxw_worksheet* sheet, int row, int column, double score, const CFormats& formats,
                CColumnWidths& widths)
{
    worksheet_write_number(sheet, (lxw_row_t)row, (lxw_col_t)column, score, formats.m_number);
    widths.Fit(column, CScoreSheet::ScoreText((float)score));
}

// A table's last touches: the widths, a header that stays in view and a
// filter over the rows written (rows counts the header).
void FinishTable(lxw_worksheet* sheet, const CColumnWidths& widths, int rows, int columns)
{
    widths.Apply(sheet);
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_autofilter(sheet, 0, 0, (lxw_row_t)(rows - 1), (lxw_col_t)(columns - 1));
}

void WriteDetails(lxw_worksheet* sheet, const CScoreSheet& scores, const CFormats& formats)
{
    CColumnWidths widths;
    WriteText(sheet, 0, 0, L"工程", formats.m_header, widths);
    WriteText(sheet, 0, 1, L"状态", formats.m_header, widths);
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        WriteText(sheet, 0, kScoreColumn + k, GetCategoryName(k), formats.m_header, widths);
    WriteText(sheet, 0, kTotalColumn, L"总分", formats.m_header, widths);
    WriteText(sheet, 0, kNoteColumn, L"说明", formats.m_header, widths);

    int row = 1;
    for (const CScoreSheetEntry& entry : scores.m_entries) {
        if (row >= LXW_ROW_MAX)
            break;
        WriteText(sheet, row, 0, entry.m_folderName, nullptr, widths);
        WriteText(sheet, row, 1, entry.m_status, nullptr, widths);
        if (entry.m_scored) {
            for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
                WriteScore(sheet, row, kScoreColumn + k, entry.m_categoryScores[k], formats, widths);
            WriteScore(sheet, row, kTotalColumn, entry.m_total, formats, widths);
        }
        if (!entry.m_note.empty())
            WriteText(sheet, row, kNoteColumn, entry.m_note, nullptr, widths);
        ++row;
    }
    FinishTable(sheet, widths, row, kNoteColumn + 1);
}

// The band's label: "0-10", ..., "90-100"; the last of the most bands
// there can be is open ("990以上").
std::wstring BandLabel(const CClassStatistics& statistics, size_t band)
{
    const int low = (int)band * CClassStatistics::kBandWidth;
    if (band + 1 == statistics.m_bands.size() && statistics.m_bands.size() == (size_t)CClassStatistics::kMaxBands)
        return stringFormat(L"%d以上", low);
    return stringFormat(L"%d-%d", low, low + CClassStatistics::kBandWidth);
}

void WriteStatistics(lxw_workbook* workbook, lxw_worksheet* sheet, const CScoreSheet& scores,
                     const CFormats& formats)
{
    const CClassStatistics statistics(scores);
    CColumnWidths widths;
    const wchar_t* const headers[] = {L"项目", L"平均分", L"中位数", L"最低分", L"最高分"};
    for (int c = 0; c < 5; ++c)
        WriteText(sheet, 0, c, headers[c], formats.m_header, widths);
    for (int c = 0; c < CClassStatistics::kColumns; ++c) {
        const int row = 1 + c;
        WriteText(sheet, row, 0, c < TM_CATEGORY_COUNT ? GetCategoryName(c) : L"总分", nullptr, widths);
        if (statistics.m_students == 0)
            continue;
        WriteScore(sheet, row, 1, statistics.m_mean[c], formats, widths);
        WriteScore(sheet, row, 2, statistics.m_median[c], formats, widths);
        WriteScore(sheet, row, 3, statistics.m_minimum[c], formats, widths);
        WriteScore(sheet, row, 4, statistics.m_maximum[c], formats, widths);
    }
    int row = 1 + CClassStatistics::kColumns;
    WriteText(sheet, row, 0, L"统计人数", nullptr, widths);
    worksheet_write_number(sheet, (lxw_row_t)row, 1, statistics.m_students, nullptr);

    row += 2;
    const int bandHeader = row;
    WriteText(sheet, bandHeader, 0, L"总分分段", formats.m_header, widths);
    WriteText(sheet, bandHeader, 1, L"人数", formats.m_header, widths);
    for (size_t band = 0; band < statistics.m_bands.size(); ++band) {
        ++row;
        WriteText(sheet, row, 0, BandLabel(statistics, band), nullptr, widths);
        worksheet_write_number(sheet, (lxw_row_t)row, 1, statistics.m_bands[band], nullptr);
    }
    widths.Apply(sheet);

    lxw_chart* chart = workbook_add_chart(workbook, LXW_CHART_COLUMN);
    if (!chart)
        return;
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    chart_series_set_categories(series, kStatisticsSheet, (lxw_row_t)(bandHeader + 1), 0, (lxw_row_t)row, 0);
    chart_series_set_values(series, kStatisticsSheet, (lxw_row_t)(bandHeader + 1), 1, (lxw_row_t)row, 1);
    chart_title_set_name(chart, "总分分布");
    chart_axis_set_name(chart->x_axis, "总分");
    chart_axis_set_name(chart->y_axis, "人数");
    chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    worksheet_insert_chart(sheet, 1, 6, chart);
}

void WriteHeaders(lxw_worksheet* sheet, const std::vector<const wchar_t*>& headers, const CFormats& formats,
                  CColumnWidths& widths)
{
    for (size_t c = 0; c < headers.size(); ++c)
        WriteText(sheet, 0, (int)c, headers[c], formats.m_header, widths);
}

void WriteCount(lxw_worksheet* sheet, int row, int column, double count, CColumnWidths& widths)
{
    worksheet_write_number(sheet, (lxw_row_t)row, (lxw_col_t)column, count, nullptr);
    widths.Fit(column, stringFormat(L"%g", count));
}

void WriteItems(lxw_worksheet* sheet, const CClassAnalysis& analysis, const CFormats& formats)
{
    CColumnWidths widths;
    const std::vector<const wchar_t*> headers = {L"类别", L"评分项", L"标准答案", L"答对人数", L"参评人数",
                                                 L"答对比例", L"最常见错误答案", L"人数"};
    WriteHeaders(sheet, headers, formats, widths);
    int row = 1;
    for (const CItemAnalysis& item : analysis.m_items) {
        if (row >= LXW_ROW_MAX)
            break;
        WriteText(sheet, row, 0, GetCategoryName(item.m_category), nullptr, widths);
        WriteText(sheet, row, 1, item.m_name, nullptr, widths);
        WriteText(sheet, row, 2, item.m_standardText, nullptr, widths);
        WriteCount(sheet, row, 3, item.m_matched, widths);
        WriteCount(sheet, row, 4, item.m_loaded, widths);
        worksheet_write_number(sheet, (lxw_row_t)row, 5, item.MatchedShare(), formats.m_percent);
        widths.Fit(5, L"100.0%");
        if (item.m_commonWrongCount > 0) {
            WriteText(sheet, row, 6, item.m_commonWrong, nullptr, widths);
            WriteCount(sheet, row, 7, item.m_commonWrongCount, widths);
        }
        ++row;
    }
    FinishTable(sheet, widths, row, (int)headers.size());
}

void WriteSimilar(lxw_worksheet* sheet, const CScoreSheet& scores, const CClassAnalysis& analysis,
                  const CFormats& formats)
{
    CColumnWidths widths;
    const std::vector<const wchar_t*> headers = {L"工程甲", L"工程乙", L"原因", L"证据",   L"相同错误数",
                                                 L"不同于标准数", L"相同文件", L"相同错误示例"};
    WriteHeaders(sheet, headers, formats, widths);
    int row = 1;
    for (const CSimilarPair& pair : analysis.m_similar) {
        if (row >= LXW_ROW_MAX)
            break;
        WriteText(sheet, row, 0, scores.m_entries[pair.m_a].m_prjPath, nullptr, widths);
        if (pair.m_b != CSimilarPair::kNoStudent)
            WriteText(sheet, row, 1, scores.m_entries[pair.m_b].m_prjPath, nullptr, widths);
        WriteText(sheet, row, 2, CClassAnalysis::ReasonText(pair.m_reason), nullptr, widths);
        WriteScore(sheet, row, 3, pair.m_evidence, formats, widths);
        WriteCount(sheet, row, 4, pair.m_sharedWrong, widths);
        WriteCount(sheet, row, 5, pair.m_differing, widths);
        WriteText(sheet, row, 6, CClassAnalysis::IdenticalFilesText(pair), nullptr, widths);
        // The examples are long: the column is not widened for them.
        worksheet_write_string(sheet, (lxw_row_t)row, 7, Utf8(CClassAnalysis::ExamplesText(pair)).c_str(), nullptr);
        ++row;
    }
    FinishTable(sheet, widths, row, (int)headers.size());
}

bool WriteWorkbookFile(const CScoreSheet& scores, const CClassAnalysis& analysis, const std::string& file)
{
    lxw_workbook* workbook = workbook_new(file.c_str());
    if (!workbook)
        return false;
    CFormats formats;
    formats.m_header = workbook_add_format(workbook);
    format_set_bold(formats.m_header);
    formats.m_number = workbook_add_format(workbook);
    format_set_num_format(formats.m_number, kNumberFormat);
    formats.m_percent = workbook_add_format(workbook);
    format_set_num_format(formats.m_percent, "0.0%");

    lxw_worksheet* details = workbook_add_worksheet(workbook, kDetailsSheet);
    lxw_worksheet* statistics = workbook_add_worksheet(workbook, kStatisticsSheet);
    lxw_worksheet* items = workbook_add_worksheet(workbook, kItemsSheet);
    lxw_worksheet* similar = workbook_add_worksheet(workbook, kSimilarSheet);
    const bool made = details && statistics && items && similar;
    if (made) {
        WriteDetails(details, scores, formats);
        WriteStatistics(workbook, statistics, scores, formats);
        WriteItems(items, analysis, formats);
        WriteSimilar(similar, scores, analysis, formats);
    }
    // Closing writes the file and frees the workbook, whatever happened.
    const lxw_error closed = workbook_close(workbook);
    return made && closed == LXW_NO_ERROR;
}

}  // namespace

bool WriteDetailsWorkbook(const CScoreSheet& sheet, const CClassAnalysis& analysis, const std::wstring& path)
{
    return ReplaceFileByWriting(path, [&sheet, &analysis](const std::string& temporary) {
        return WriteWorkbookFile(sheet, analysis, temporary);
    });
}
