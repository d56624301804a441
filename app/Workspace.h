// The workspace: the scoring standard, the student projects and the
// commands that work on them.
//
// The main window owns one workspace; the command line builds one per run.
// It talks to the user only through its window layer (dialogs, questions,
// grids, wait cursor) and the tools library's message presenter (messages
// with an OK button). Its files: "config.xml" (the scoring standard) and
// "projectlist.txt" (the student projects, GBK, CR LF), beside the program
// or in the user's configuration folder (app/WorkspaceLocation.h).
//
// What grading found is kept in a score sheet (scoring/ScoreSheet.h): the
// project list, the score view, the workbooks and the command line render
// it. Loading and computing do not need the grids: the command line loads
// (CreateStudentProjects, LoadStudentProjects), computes (ComputeTotals)
// and writes without laying them out.
//
// Its implementation is split by concern: Workspace.cpp (state, start-up,
// shutdown), WorkspaceStandard.cpp (the scoring-standard file),
// WorkspaceProjectList.cpp (the student list and its loading),
// WorkspaceViews.cpp (the two grids), WorkspaceImport.cpp (import and
// removal) and WorkspaceCommands.cpp (the command handlers).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/ClassAnalysis.h"
#include "app/StudentImport.h"
#include "scoring/ScoreSheet.h"
#include "scoring/ScoringCategory.h"
#include "scoring/ScoringProject.h"

class CAppWindowLayer;

// Command identifiers of the ribbon and the settings dialog.
enum {
    TM_CMD_SCORING_SETTINGS = 182,  // "评分设置"
    TM_CMD_IMPORT_STANDARD = 183,   // "导入评分设置"
    TM_CMD_EXPORT_STANDARD = 184,   // "导出评分设置"
    TM_CMD_ADD_STUDENTS = 185,      // "添加学生工程"
    TM_CMD_REMOVE_STUDENTS = 186,   // "删除学生工程"
    TM_CMD_COMPUTE = 187,           // "计算得分"
    TM_CMD_EXPORT_SUMMARY = 188,    // "导出评分结果"
    TM_CMD_REPORT = 189,            // "生成评分报告"
    TM_CMD_EXPORT_DETAILS = 190,    // "导出评分明细": the class workbook (.xlsx)
    // "班级分析": the window's dialog over AnalyseClass; not a workspace
    // command (RunCommand answers false).
    TM_CMD_CLASS_ANALYSIS = 191,
};

// Whether grading can run against the standard as it stands, and if not,
// the first reason found (in this order).
enum TmStandardState {
    TM_STANDARD_USABLE = 0,
    TM_STANDARD_NONE,          // no standard record yet
    TM_STANDARD_BAD_PATH,      // not a usable .prj path (no message when read)
    TM_STANDARD_BAD_SCORE,     // a category score the settings dialog refuses
    TM_STANDARD_NOT_LOADED,    // missing, or its model did not read
    TM_STANDARD_LACKS_RESULTS, // a selected value's result file is missing or unrecognised
    TM_STANDARD_NO_SELECTION,  // no selected value in a category worth points
};

// At most this many archives are taken from one "添加学生工程".
const int TM_MAX_IMPORT_ARCHIVES = 500;

class CWorkspace {
public:
    explicit CWorkspace(CAppWindowLayer& window);
    virtual ~CWorkspace();
    CWorkspace(const CWorkspace&) = delete;
    CWorkspace& operator=(const CWorkspace&) = delete;

    // --- state and lifecycle (Workspace.cpp)

    // The folder of the running executable (from /proc/self/exe).
    static std::wstring RunningProgramFolder();
    // Sets the program folder, and the two file paths to where start-up
    // reads them (CWorkspaceLocation: beside the program, or in the user's
    // configuration folder when the program's is not writable).
    void SetProgramFolder(const std::wstring& folder);
    // Lays out the two grids, then: the program folder if none was set,
    // ReadScoringStandard(config) (and AnnounceStandardProblem),
    // ReadProjectList, RebuildStudentProjects; from then on the two file
    // paths name where Shutdown writes them. A config.xml that is there
    // but cannot be read is kept under a dated name (config-YYYYMMDD-
    // HHMMSS.xml, beside it) before the defaults replace it at exit, and
    // the projects the list named but that are gone are listed; each of
    // the two is said once, in one message.
    void Startup();
    // WriteScoringStandard(config) (unless an unreadable config.xml could
    // not be moved aside), WriteProjectList (the folder made when
    // missing), then deletes every project record.
    void Shutdown();

    // Dispatches a command identifier to its handler; false for an unknown
    // identifier.
    bool RunCommand(int command);

    // --- what the command line, the window and the settings dialog read
    //     and set

    const std::wstring& GetProgramFolder() const { return m_programFolder; }
    const std::wstring& GetConfigPath() const { return m_configPath; }
    const std::wstring& GetProjectListPath() const { return m_projectListPath; }

    // The standard project's path and the six category full scores as the
    // workspace holds them: read from and written to the scoring-standard
    // file; RebuildStandardProject and CreateStudentProjects build records
    // from them. Setting them changes no record.
    const std::wstring& GetStandardPrjPath() const { return m_standardPrjPath; }
    void SetStandardPrjPath(const std::wstring& path) { m_standardPrjPath = path; }
    // category 0 to 5 (TM_CATEGORY_...); others read 0 and are ignored.
    float GetCategoryScore(int category) const;
    void SetCategoryScore(int category, float score);

    // The standard project: null until the first RebuildStandardProject,
    // then always there, loaded or not. The settings dialog edits its full
    // scores, selections and path in place.
    CScoringProject* GetStandardProject() { return m_standardProject.get(); }
    const CScoringProject* GetStandardProject() const { return m_standardProject.get(); }
    bool IsStandardLoaded() const { return m_standardLoaded; }
    // Loads the standard record in place, as it stands (the settings dialog,
    // after it gave the record a new path); no message of its own. A path
    // SetProjectPath refuses reads nothing and empties the values. True
    // when it loaded.
    bool LoadStandardProject();

    // Whether grading can run against the standard project as it stands
    // now (the settings dialog may have changed it since it was read). With
    // message, the text that says why not (empty when usable): it names the
    // standard project's path, or it is the settings dialog's message for a
    // refused category score. Every student would score 0, or a total no
    // one can use, so the commands that compute or write workbooks (187,
    // 188, 189, 190) refuse with this message, and the command line does not
    // grade.
    TmStandardState CheckStandard(std::wstring* message = nullptr) const;
    // Shows CheckStandard's message (caption "提示") when the standard is not
    // usable; true then, and the caller stops.
    bool RefuseUnusableStandard();

    // The student project paths (what projectlist.txt holds); setting them
    // changes no record until CreateStudentProjects or a rebuild.
    const std::vector<std::wstring>& GetStudentPaths() const { return m_studentPaths; }
    void SetStudentPaths(const std::vector<std::wstring>& paths) { m_studentPaths = paths; }
    // The student records, in list order, and whether each loaded (1).
    const CScoringProjectList& GetStudentProjects() const { return m_studentProjects; }
    const std::vector<char>& GetStudentLoaded() const { return m_studentLoaded; }

    // What the views show (scoring/ScoreSheet.h).
    const CScoreSheet& GetScoreSheet() const { return m_sheet; }
    // The class analysis of the score sheet as it stands (every student's
    // rows are taken by the computation), with the options set here.
    CClassAnalysis AnalyseClass() const { return CClassAnalysis(m_sheet, m_analysisOptions); }
    const CClassAnalysisOptions& GetAnalysisOptions() const { return m_analysisOptions; }
    void SetAnalysisOptions(const CClassAnalysisOptions& options) { m_analysisOptions = options; }
    // The student shown in the score view; -1 for none. It may name no
    // student after a rebuild shortened the list.
    int GetSelectedIndex() const { return m_selectedIndex; }

    // Threads that load the student projects; 1 (the default) loads them
    // in order. Values below 1 count as 1.
    int GetLoadJobs() const { return m_loadJobs; }
    void SetLoadJobs(int jobs) { m_loadJobs = jobs; }

    // The least total one archive may unpack to in an import (100 times
    // the archive's size when that is more); TM_DEFAULT_UNPACK_BYTES until
    // set (grade --max-unpack, the window's setting).
    uint64_t GetMaxUnpackBytes() const { return m_maxUnpackBytes; }
    void SetMaxUnpackBytes(uint64_t bytes) { m_maxUnpackBytes = bytes; }

    // --- the scoring standard (WorkspaceStandard.cpp)

    // Reads a scoring-standard file and rebuilds the standard project (a
    // file that cannot be read leaves the workspace values and still
    // rebuilds). True when the file was read. A relative project path is
    // taken in the file's folder. What a hand edit left that the file's
    // rules cannot use (an attribute naming no value of the standard, a
    // selection flag or a score that is no number, a score with text after
    // its number) is named with its line in one warning; grading goes on
    // by the rules. Six scores that do not add up to 100 give a note,
    // except in config.xml (the dialog wrote them, as the teacher meant).
    // A refused score is kept, so that CheckStandard refuses the standard.
    bool ReadScoringStandard(const std::wstring& path);
    // Writes the scoring standard (taken over from the standard project)
    // to path, replacing it atomically. True when written.
    bool WriteScoringStandard(const std::wstring& path);
    // Replaces the standard project by a new record for the standard path
    // and the six scores and loads it; "标准工程读取失败，..." when the path
    // is usable but loading fails. True when it loaded.
    bool RebuildStandardProject();
    // The settings dialog's standard page: puts path and the six scores on
    // the standard project (a record is made when there is none; what
    // SetProjectPath answers is not looked at) and on the workspace, which
    // then names what the standard project carries.
    void SetStandard(const std::wstring& path, const float (&scores)[TM_CATEGORY_COUNT]);
    // After the standard was read: shows CheckStandard's message once,
    // unless reading has already said it (a failed load has its own
    // message) or the path is one that is silently unusable (the built-in
    // default before any standard was set). Start-up and 183 call it.
    void AnnounceStandardProblem();

    // --- the student list (WorkspaceProjectList.cpp)

    // -1 when the file does not exist, the open error when it cannot be
    // opened, 0 when read (lines naming missing files are dropped, and
    // kept in GetDroppedProjects).
    int ReadProjectList();
    // The paths of the lines the last ReadProjectList dropped, as read.
    const std::vector<std::wstring>& GetDroppedProjects() const { return m_droppedProjects; }
    // Writes the project list atomically. True when written.
    bool WriteProjectList();
    // CreateStudentProjects, then FillProjectList (which loads them).
    void RebuildStudentProjects();
    // Replaces the student records by new, unloaded ones for every student
    // path; the score sheet is empty until they are loaded.
    void CreateStudentProjects();
    // Loads every student record (GetLoadJobs threads, progress shown) and
    // lists them in the score sheet with their load status, unscored. When
    // the window layer asks to cancel, the records not yet taken up keep
    // the status "未读入" and no total.
    void LoadStudentProjects();
    // Loads the records a stop left "未读入" and shows the list again; the
    // computation and the report call it first, so that no unread student
    // scores 0. True when none is left unread (it was not stopped again).
    bool LoadUnreadStudents();

    // --- the two grids (WorkspaceViews.cpp)

    // Headers, widths and fixed cells of both grids.
    void SetupGrids();
    // Loads every student project (LoadStudentProjects) and fills the
    // project list grid from the score sheet.
    void FillProjectList();
    // Writes every student's row of the project list from the score sheet.
    void ShowProjectRows();
    // Takes the selected student's rows into the score sheet and shows them
    // in the score view.
    void RefreshScoreView();
    // A click on row of the project list: selects student row - 1 when it
    // exists and refreshes the score view.
    void OnProjectListClicked(int row);

    // --- import and removal (WorkspaceImport.cpp)

    void ImportStudentProjects();      // 185
    void RemoveStudentProjects();      // 186
    // "添加学生工程" after its dialog, and files dropped on the window: at
    // most 500 paths (a warning for more), AddStudentInputs, the list rebuilt
    // and loaded, the locks released, then "导入完成!" naming every input
    // that gave no project and why. Stopped by the user (CancelRequested),
    // it says nothing, or "导入已停止!" with the failures met before the stop.
    void ImportStudentFiles(const std::vector<std::wstring>& paths);
    // Adds student projects from inputs, in order (app/StudentImport.h):
    // an archive (.zip, .rar, .7z) is unpacked beside itself and the .prj
    // file at the top of its folder added, a .prj file is added as it is,
    // a folder gives the archives and .prj files directly in it. Every
    // input that gives no project is kept with its reason
    // (GetImportFailures) and listed in the score sheet after the students
    // until the next import. The folders of the projects added stay locked
    // until ReleaseImportLocks. Archives are unpacked on GetLoadJobs
    // threads, with the results of one. Stops between inputs when the
    // window layer asks to cancel. Does not rebuild. Returns how many were
    // added.
    int AddStudentInputs(const std::vector<std::wstring>& inputs);
    // The inputs of the last AddStudentInputs that gave no project.
    const std::vector<CImportOutcome>& GetImportFailures() const { return m_importFailures; }
    // Lets other grading runs at the folders imported since the last call
    // (call it once the projects are loaded).
    void ReleaseImportLocks();

    // --- commands (WorkspaceCommands.cpp)

    void OpenScoringSettings();  // 182
    void ImportScoringStandard();  // 183
    void ExportScoringStandard();  // 184
    void ComputeAndShow();  // 187
    // 188 and 189 also tell whether they wrote (the command line needs it).
    bool ExportSummaryWorkbook();  // 188 (refuses an unusable standard)
    // 189. False when the scores could not be computed or any student's
    // workbook could not be written (the final message then says how many
    // and which). Each workbook goes beside its student's project folder,
    // or, with outputFolder, into that folder (made when missing) under the
    // project folder's name, made unique there, letter case ignored, by
    // " (2)", " (3)", ...; names of taken (full paths, e.g. the summary's)
    // are avoided too.
    bool GenerateReports(const std::wstring& outputFolder = std::wstring(),
                         const std::vector<std::wstring>& taken = std::vector<std::wstring>());
    // 190: asks where to save the class workbook ("评分明细.xlsx"), computes
    // as 187 does (the list shows the totals the workbook holds) and writes
    // it (ExportDetailsWorkbookTo). True when written.
    bool ExportDetailsWorkbook();
    // 190 after its dialog, without computing: writes the class workbook of
    // the score sheet and its analysis (AnalyseClass) to chosenPath (".xlsx" added when it holds no "."),
    // then "导出 %s 成功"; a failure says "无法写入 %s". True when written.
    bool ExportDetailsWorkbookTo(const std::wstring& chosenPath);
    // Runs ComputeScores and takes the totals and every student's rows
    // into the score sheet; no grid. An unusable standard is refused first (RefuseUnusableStandard);
    // otherwise no message of its own. True when computed.
    bool ComputeTotals();
    // ComputeTotals, then shows the totals in the project list. When the
    // standard is refused, the totals shown before are cleared from the
    // sheet and the list, so that no total outlives its standard.
    bool ComputeAndFillTotals();
    // 188 after its dialog: writes the summary workbook of the score sheet
    // to chosenPath (".xls" added when it holds no "."), then "导出 %s 成功".
    // True when saved; a failure says nothing.
    bool ExportSummaryWorkbookTo(const std::wstring& chosenPath);

protected:
    // Loads one project record. Tests put their own values in here.
    virtual bool LoadProject(CScoringProject& project);

private:
    // Start-up's two messages (Startup).
    void KeepUnreadableConfig();
    void AnnounceDroppedProjects();
    // Loads the records at indices (GetLoadJobs threads, progress shown);
    // when the window layer asks to cancel, those not yet taken up are left
    // "未读入". True when all were loaded (whatever each load's result).
    bool LoadRecords(const std::vector<size_t>& indices);
    // Lists the students (with their load results so far) and then the
    // import failures in the score sheet.
    void ListInSheet();
    // Writes the score sheet's totals into the project list's "总分".
    void FillProjectTotals();
    // Forgets what every student's values earned (the records' and the
    // score view's): they came from a standard no longer in force.
    void ForgetEarnedScores();

    CAppWindowLayer& m_window;
    std::wstring m_programFolder;
    std::wstring m_configPath;
    std::wstring m_projectListPath;
    // Where Shutdown writes the two files.
    std::wstring m_workspaceFolder;
    std::wstring m_standardPrjPath;
    float m_categoryScores[TM_CATEGORY_COUNT];
    std::vector<std::wstring> m_studentPaths;
    std::unique_ptr<CScoringProject> m_standardProject;
    bool m_standardLoaded;
    CScoringProjectList m_studentProjects;
    // Load result of each student project, in list order (1: loaded).
    std::vector<char> m_studentLoaded;
    CScoreSheet m_sheet;
    CClassAnalysisOptions m_analysisOptions;
    // The inputs of the last import that gave no project, and the input
    // each imported project came from (by .prj path).
    std::vector<CImportOutcome> m_importFailures;
    std::map<std::wstring, std::wstring> m_studentInputs;
    // Held from the import until the projects are loaded.
    std::vector<std::unique_ptr<CDestinationLocks>> m_importLocks;
    int m_selectedIndex;
    int m_loadJobs;
    uint64_t m_maxUnpackBytes;
    std::vector<std::wstring> m_droppedProjects;
    // An unreadable config.xml that could not be moved aside: not written
    // over at exit.
    bool m_keepConfig;
};
