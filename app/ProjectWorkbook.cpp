// Filling and saving the per-project score workbook.
#include "app/ProjectWorkbook.h"

#include "scoring/ScoreSheet.h"
#include "tools/TmOS.h"
#include "xls/XlsWorkbook.h"

namespace {

const wchar_t* const kHeader[] = {L"评分内容", L"标准答案", L"学生答案", L"标准分值", L"实际得分"};
const uint32_t kLastRow = XlsWorksheet::kMaxRows - 1;

}  // namespace

std::wstring ProjectWorkbookPath(const CScoreSheetEntry& student)
{
    // A record whose path was never usable has no folder: there is no place
    // for its workbook (".xls" alone would land in the working folder).
    return student.m_folder.empty() ? std::wstring() : student.m_folder + L".xls";
}

bool WriteProjectWorkbook(const CScoreSheetEntry& student)
{
    return WriteProjectWorkbook(student, ProjectWorkbookPath(student));
}

bool WriteProjectWorkbook(const CScoreSheetEntry& student, const std::wstring& path)
{
    if (path.empty())
        return false;
    // One workbook per thread, made again for each student: it keeps its
    // storage from one to the next.
    static thread_local XlsWorkbook book;
    book.CreateNew();
    XlsWorksheet* sheet = book.FindSheet("Sheet1");
    if (!sheet)
        return false;
    for (uint32_t column = 0; column < 5; ++column)
        sheet->CellAt(0, column)->SetText(kHeader[column]);

    uint32_t row = 1;
    for (const CScoreSheetRow& line : student.m_rows) {
        if (row > kLastRow)
            break;
        sheet->CellAt(row, 0)->SetText(line.m_name);
        sheet->CellAt(row, 1)->SetText(line.m_standardText);
        sheet->CellAt(row, 2)->SetText(line.m_studentText);
        // The scores are floats; the cells take them widened to double.
        sheet->CellAt(row, 3)->SetNumber((double)line.m_valueScore);
        sheet->CellAt(row, 4)->SetNumber(line.m_answered ? (double)line.m_earned : 0.0);
        ++row;
    }
    // A path that does not survive the conversion is refused by the save.
    return book.WriteToFile(TMTOOLS::OS::NativePath(path));
}
