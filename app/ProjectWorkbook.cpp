// Filling and saving the per-project score workbook.
#include "scoring/ProjectWorkbook.h"

#include "scoring/ScoringProject.h"
#include "tools/TmString.h"
#include "xls/XlsWorkbook.h"

namespace {

const wchar_t* const kHeader[] = {L"评分内容", L"标准答案", L"学生答案", L"标准分值", L"实际得分"};
const uint32_t kLastRow = XlsWorksheet::kMaxRows - 1;

}  // namespace

std::wstring ProjectWorkbookPath(const CScoringProject& student)
{
    return student.m_folder + L".xls";
}

bool WriteProjectWorkbook(const CScoringProject& standard, const CScoringProject& student)
{
    // A record whose path was never set has no folder: there is no place
    // for its workbook (".xls" alone would land in the working folder).
    if (student.m_folder.empty())
        return false;
    std::wstring path = ProjectWorkbookPath(student);
    std::string nativePath;
    TMTOOLS::String::DecodeUnicode(0, path, nativePath);

    XlsWorkbook book;
    book.CreateNew();
    XlsWorksheet* sheet = book.FindSheet("Sheet1");
    if (!sheet)
        return false;
    for (uint32_t column = 0; column < 5; ++column)
        sheet->CellAt(0, column)->SetText(kHeader[column]);

    uint32_t row = 1;
    for (int category = 0; category < TM_CATEGORY_COUNT && row <= kLastRow; ++category) {
        const CScoringItem& standardItem = standard.GetItem(category);
        const CScoringItem& studentItem = student.GetItem(category);
        // The share is a float; the cell takes it widened to double.
        const float valueScore = standardItem.GetValueScore();
        for (const std::unique_ptr<CTmData>& value : standardItem.GetValues()) {
            if (!value->m_selected)
                continue;
            if (row > kLastRow)
                break;
            const CTmData* answer = studentItem.FindValue(value->m_name);
            sheet->CellAt(row, 0)->SetText(value->m_name);
            sheet->CellAt(row, 1)->SetText(value->GetValueText());
            sheet->CellAt(row, 2)->SetText(answer ? answer->GetValueText() : std::wstring());
            sheet->CellAt(row, 3)->SetNumber((double)valueScore);
            sheet->CellAt(row, 4)->SetNumber(answer ? (double)answer->m_score : 0.0);
            ++row;
        }
    }
    // A path that does not survive the conversion is refused by the save.
    return book.WriteToFile(nativePath);
}
