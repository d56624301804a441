// Filling and saving the summary workbook.
#include "app/SummaryWorkbook.h"

#include "scoring/ScoreSheet.h"
#include "tools/TmOS.h"
#include "xls/XlsWorkbook.h"

bool WriteSummaryWorkbook(const CScoreSheet& sheet, const std::wstring& path)
{
    XlsWorkbook workbook;
    workbook.CreateNew();
    XlsWorksheet* worksheet = workbook.FindSheet("Sheet1");
    if (!worksheet)
        return false;
    // The headers of the project list's columns 1 and 3.
    worksheet->CellAt(0, 0)->SetText(L"工程");
    worksheet->CellAt(0, 1)->SetText(L"总分");
    uint32_t row = 1;
    // The project list's rows: inputs that gave no project are not among
    // them.
    for (const CScoreSheetEntry& entry : sheet.m_entries) {
        if (row >= XlsWorksheet::kMaxRows || !entry.m_hasProject)
            break;
        worksheet->CellAt(row, 0)->SetText(entry.m_folderName);
        worksheet->CellAt(row, 1)->SetText(entry.TotalText());
        ++row;
    }
    return workbook.WriteToFile(TMTOOLS::OS::NativePath(path));
}
