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
// Sheet "逐项分析": the class analysis's items in the standard's order
// (category, value, standard, matched, compared, the share matched as a
// percentage, the most common wrong answer and how many gave it), with a
// filter so that the teacher can sort. Sheet "雷同检查": the suspected
// pairs, strongest first (the two projects, the reason, the evidence, the
// shared and differing counts, the identical files, the first shared
// wrong values), with a filter.
//
// Written with libxlsxwriter. It renders the score sheet and its analysis;
// it computes nothing.
#pragma once

#include <string>

class CClassAnalysis;
class CScoreSheet;

// Writes the workbook of sheet and its analysis to path, replacing an
// older file only once the new one is complete. True when saved.
bool WriteDetailsWorkbook(const CScoreSheet& sheet, const CClassAnalysis& analysis, const std::wstring& path);
