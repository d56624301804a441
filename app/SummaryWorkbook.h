// The summary workbook ("评分汇总.xls"): one row per student of the score
// sheet with the name of its project folder and its total as the project
// list shows it (empty before any computation), under the headers "工程"
// and "总分". Every cell is text.
#pragma once

#include <string>

class CScoreSheet;

// Writes the summary of sheet to path (replacing an older file only once
// the new one is complete); rows beyond what a sheet holds are left out.
// True when saved.
bool WriteSummaryWorkbook(const CScoreSheet& sheet, const std::wstring& path);
