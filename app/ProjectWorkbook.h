// The per-project score workbook: what the standard expected, what the
// student had, what each value was worth and what the student earned, one
// row per selected standard value, written beside the student's project
// folder. It renders a student's entry of the score sheet (its rows, taken
// right after the report's computation); it computes nothing.
#pragma once

#include <string>

struct CScoreSheetEntry;

// The workbook's path: the student's project folder followed by ".xls"
// (for /exam/张三/frame.prj, /exam/张三.xls); empty for a student whose
// path gave no folder.
std::wstring ProjectWorkbookPath(const CScoreSheetEntry& student);

// Writes the workbook of student's rows, replacing an older one only once
// the new file is complete. Rows beyond the 65,535 a sheet holds under its
// header are left out. False when the file was not written (also for a
// student whose path gave no folder).
bool WriteProjectWorkbook(const CScoreSheetEntry& student);
// The same workbook written to path (an output folder of the report);
// false for an empty path.
bool WriteProjectWorkbook(const CScoreSheetEntry& student, const std::wstring& path);
