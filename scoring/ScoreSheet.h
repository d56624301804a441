// The score sheet: the results of grading as every view shows them.
//
// Computing scores writes into the project records; the sheet takes from
// them, once, what is shown: per student the load status, the six category
// scores and the total, and one row per selected standard value. The
// project list, the score view, the per-project and summary workbooks, the
// class workbook, the command line's table and JSON, and the desktop
// window's grids and status bar all render the sheet. None of them reads another view's text or goes
// back to the records for a fact the sheet holds.
//
// The sheet is filled in steps, each at the moment the views change:
//
//   ListStudents  after the students were loaded: one entry per student,
//                 in list order, with its path and load status; nothing
//                 scored, no rows (the project list shows no total).
//   AddWithoutProject  then, one entry per input of the last import that
//                 gave no project, after the students, with the reason.
//   TakeTotals    after "计算得分" computed: the standard's value scores and
//                 every student's category scores and total (the "总分"
//                 the project list, the summary and the command line show).
//   TakeAllRows   right after "计算得分", every student's rows: the class
//                 analysis (app/ClassAnalysis.h) reads them.
//   TakeRows      one student's rows as the standard and the record stand
//                 now: for the score view when it is refreshed (the
//                 settings may have changed the selection since the last
//                 computation) and for every student when the report
//                 writes the workbooks right after its own computation.
//
// The report computes again without touching the totals: the project list
// keeps showing the totals of the last "计算得分", and so does the sheet.
//
// It holds texts and numbers only, no pointer into the records, so it stays
// valid after the records are rebuilt (until it is listed again).
#pragma once

#include <string>
#include <vector>

#include "scoring/ScoringCategory.h"
#include "scoring/ScoringProject.h"

// One selected value of the standard project, with the student's answer.
struct CScoreSheetRow {
    int m_category;               // TM_CATEGORY_...
    std::wstring m_name;          // the standard value's name
    std::wstring m_standardText;  // the standard value as text
    // The student's value of the same name as text; empty when the student
    // has none (m_answered false).
    std::wstring m_studentText;
    // What the value is worth: its category's full score divided by the
    // number of selected values in it.
    float m_valueScore;
    bool m_answered;
    // What the student's value earned in the last computation (0 before
    // any); 0 when not answered.
    float m_earned;
    // The standard value accepts the student's as the rows are taken (what
    // earns the share, whatever the share is worth).
    bool m_matched;
    // The student's value was not read: its result file is missing or
    // could not be read, so the value is the reader's initial one.
    bool m_unread;
};

// One student: a row of the project list and, with its rows, the score
// view and the student's workbook.
struct CScoreSheetEntry {
    CScoreSheetEntry();

    std::wstring m_prjPath;  // full path of the student's .prj file
    // The record's folder (the .prj path before its last "/"); empty when
    // the path was unusable. The student's workbook is this + ".xls".
    std::wstring m_folder;
    // The name of the project's folder (张三 for /exam/张三/frame.prj), as
    // the summary workbook and the command line list the student.
    std::wstring m_folderName;
    bool m_loaded;           // the load succeeded
    std::wstring m_status;   // "读入成功" or "读总信息失败"
    // The result files the load did not find or could not recognise, by
    // the names derived from the .prj file, and the record's note saying
    // so (GetLoadNoteText): shown beside the status, which a project that
    // lacks them keeps. Empty when nothing was amiss.
    std::vector<std::wstring> m_missing;
    std::wstring m_note;
    // The input the student came from, as the user gave it: the archive or
    // the .prj file; the .prj path for a student listed otherwise
    // (projectlist.txt).
    std::wstring m_input;
    // False for an input that gave no project (a damaged archive, one
    // without a .prj file, ...): m_prjPath and m_input are the input,
    // m_folderName its file name and m_status the reason; nothing was
    // loaded or scored (m_loaded and m_scored false, every score 0). Such
    // entries follow the students and have no project record.
    bool m_hasProject;

    // Set by TakeTotals: the total has been computed and the numbers below
    // hold the last computation.
    bool m_scored;
    float m_categoryScores[TM_CATEGORY_COUNT];  // category order
    float m_total;  // the six added in double, rounded once to float

    // One per selected standard value, categories in order and, within a
    // category, in the standard item's order. Empty until TakeRows.
    std::vector<CScoreSheetRow> m_rows;

    // What loading read of the project's five files (TM_FILE_...).
    CFileFingerprint m_files[TM_PROJECT_FILE_COUNT];

    // The total as shown: "%.2f" once scored, empty before.
    std::wstring TotalText() const;
};

// The rows every student's sheet shares, laid out once from the standard:
// which values, their names, standard texts and shares. Rows are then
// taken from it for any number of students.
class CScoreSheetLayout {
public:
    // One selected standard value: its place in its item and its row, the
    // student's part still empty.
    struct CRowLayout {
        const CTmData* m_standard;
        size_t m_position;
        CScoreSheetRow m_row;
    };

    explicit CScoreSheetLayout(const CScoringProject& standard);
    const std::vector<CRowLayout>& Rows() const { return m_rows; }

private:
    std::vector<CRowLayout> m_rows;
};

class CScoreSheet {
public:
    CScoreSheet();

    // One entry per student record, in order, with its path and status;
    // loaded[i] tells whether record i loaded (missing entries: not), and
    // inputs[i] where it came from (missing or empty: its .prj path).
    // Clears the value scores.
    void ListStudents(const CScoringProjectList& students, const std::vector<char>& loaded,
                      const std::vector<std::wstring>& inputs = std::vector<std::wstring>());
    // Appends an entry for an input that gave no project, status saying why.
    void AddWithoutProject(const std::wstring& input, const std::wstring& status);
    // After ComputeScores: the value scores of standard and, for each listed
    // entry, the category scores and total of the record at its index.
    void TakeTotals(const CScoringProject& standard, const CScoringProjectList& students);
    // Forgets every computed total and the value scores: the standard they
    // came from is no longer the one in force.
    void ClearTotals();
    // Rebuilds the rows of entry index from standard and its record;
    // an index outside the list is ignored.
    void TakeRows(const CScoringProject& standard, const CScoringProject& student, size_t index);
    // The same from a layout of the standard: entries may be filled from
    // several threads at once, each entry by one.
    void TakeRows(const CScoreSheetLayout& layout, const CScoringProject& student, size_t index);
    // TakeRows for every student with a record.
    void TakeAllRows(const CScoringProject& standard, const CScoringProjectList& students);

    // The share of one value in each category at the last TakeTotals (all 0
    // before): what the standard shows.
    float m_valueScores[TM_CATEGORY_COUNT];
    // The standard project's five files at the last TakeTotals.
    CFileFingerprint m_standardFiles[TM_PROJECT_FILE_COUNT];
    // The students, in list order; then the inputs without a project.
    std::vector<CScoreSheetEntry> m_entries;

    // A score as every view shows it: "%.2f".
    static std::wstring ScoreText(float score);
};
