// The class workbook ("评分明细.xlsx"), beside the two .xls workbooks: what
// a teacher sorts, filters, sums and charts.
//
// Sheet "评分明细": one row per entry of the score sheet, in its order
// (every graded student and every input that gave no project), with the
// project folder's name, the status, the six category scores and the
// total as numbers shown with two decimals (an entry that was not scored
// has no numbers); the header row is frozen and carries a filter, and the
// columns are as wide as their texts. Sheet "统计": the mean, median,
// minimum and maximum of each category and of the total over the scored
// students, the totals counted in bands of 10 points and a column chart of
// those bands.
//
// Written with libxlsxwriter. It renders the score sheet; it computes
// nothing.
#pragma once

#include <string>

class CScoreSheet;

// Writes the workbook of sheet to path, replacing an older file only once
// the new one is complete. True when saved.
bool WriteDetailsWorkbook(const CScoreSheet& sheet, const std::wstring& path);
