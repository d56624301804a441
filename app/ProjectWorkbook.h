// The per-project score workbook: what the standard expected, what the
// student had, what each value was worth and what the student earned, one
// row per selected standard value, written beside the student's project
// folder. It reads the scores of the last computation; it computes nothing.
#pragma once

#include <string>

class CScoringProject;

// The workbook's path: the student's project folder followed by ".xls"
// (for /exam/张三/frame.prj, /exam/张三.xls).
std::wstring ProjectWorkbookPath(const CScoringProject& student);

// Writes the workbook of student against standard, replacing an older one
// only once the new file is complete. Rows beyond the 65,535 a sheet holds
// under its header are left out. Returns whether the file was written; the
// report command tells the user nothing about single files.
bool WriteProjectWorkbook(const CScoringProject& standard, const CScoringProject& student);
