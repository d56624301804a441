// The workspace: the scoring standard, the student projects and the
// commands that work on them.
//
// The main window owns one workspace; the command line builds one per run.
// It talks to the user only through its window layer (dialogs, questions,
// grids, wait cursor) and the tools library's message presenter (messages
// with an OK button). Files beside the program: "config.xml" (the scoring
// standard) and "projectlist.txt" (the student projects, GBK, CR LF).
//
// Its implementation is split by concern: Workspace.cpp (state, start-up,
// shutdown), WorkspaceStandard.cpp (the scoring-standard file),
// WorkspaceProjectList.cpp, WorkspaceViews.cpp (the two grids and the
// loading behind them), WorkspaceImport.cpp (import and removal) and
// WorkspaceCommands.cpp (the command handlers).
#pragma once

#include <memory>
#include <string>
#include <vector>

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
    // Sets the program folder and the two file paths beside it.
    void SetProgramFolder(const std::wstring& folder);
    // Lays out the two grids, then: the program folder if none was set,
    // ReadScoringStandard(config), ReadProjectList, RebuildStudentProjects.
    void Startup();
    // WriteScoringStandard(config), WriteProjectList, then deletes every
    // project record.
    void Shutdown();

    // Dispatches a command identifier to its handler; false for an unknown
    // identifier.
    bool RunCommand(int command);

    // --- the scoring standard (WorkspaceStandard.cpp)

    // Reads a scoring-standard file and rebuilds the standard project (a
    // file that cannot be read leaves the workspace values and still
    // rebuilds). True when the file was read.
    bool ReadScoringStandard(const std::wstring& path);
    // Writes the scoring standard (taken over from the standard project)
    // to path, replacing it atomically. True when written.
    bool WriteScoringStandard(const std::wstring& path);
    // Replaces the standard project by a new record for m_standardPrjPath
    // and the six scores and loads it; "标准工程读取失败，..." when the path
    // is usable but loading fails. True when it loaded.
    bool RebuildStandardProject();

    // --- the student list (WorkspaceProjectList.cpp)

    // -1 when the file does not exist, the open error when it cannot be
    // opened, 0 when read (lines naming missing files are dropped).
    int ReadProjectList();
    // Writes the project list atomically. True when written.
    bool WriteProjectList();
    // New records for every student path, loaded, and the list refilled.
    void RebuildStudentProjects();

    // --- the two grids (WorkspaceViews.cpp)

    // Headers, widths and fixed cells of both grids.
    void SetupGrids();
    // Loads every student project and fills the project list grid.
    void FillProjectList();
    // Shows the selected student's value-by-value result in the score view.
    void RefreshScoreView();
    // A click on row of the project list: selects student row - 1 when it
    // exists and refreshes the score view.
    void OnProjectListClicked(int row);

    // --- import and removal (WorkspaceImport.cpp)

    void ImportStudentProjects();      // 185
    void RemoveStudentProjects();      // 186
    // Unpacks and adds archives as 185 does after its dialog: for each path
    // (one without "/" is skipped) ExtractProjectArchive, then the first
    // top-level .prj of its destination is appended to the student paths.
    // Does not rebuild. Returns how many projects were added.
    int AddArchives(const std::vector<std::wstring>& archivePaths);
    // Unpacks one archive into the folder named after it beside it; true
    // when it was unpacked.
    bool ExtractProjectArchive(const std::wstring& folder, const std::wstring& archivePath);
    // Where archivePath is unpacked: its folder, "/" (unless the folder
    // ends in one), its name without the extension; empty when that name is
    // empty or the path has no "/". ExtractProjectArchive unpacks there.
    static std::wstring ArchiveDestination(const std::wstring& archivePath);
    // The first regular file of folder (names in byte order) whose name is
    // longer than 4 and ends in ".prj" in any case; empty when none.
    static std::wstring FindProjectFile(const std::wstring& folder);

    // --- commands (WorkspaceCommands.cpp)

    void OpenScoringSettings();  // 182
    void ImportScoringStandard();  // 183
    void ExportScoringStandard();  // 184
    void ComputeAndShow();  // 187
    // 188 and 189 also tell whether they wrote (the command line needs it).
    bool ExportSummaryWorkbook();  // 188
    bool GenerateReports();  // 189
    // Runs ComputeScores and, when it succeeds, writes the totals into the
    // project list; no message of its own. True when computed.
    bool ComputeAndFillTotals();
    // Writes the summary workbook of the project list to path; true when
    // saved.
    bool WriteSummaryWorkbook(const std::wstring& path);

    // --- state

    CAppWindowLayer& m_window;
    std::wstring m_programFolder;
    std::wstring m_configPath;
    std::wstring m_projectListPath;
    std::wstring m_standardPrjPath;
    float m_categoryScores[TM_CATEGORY_COUNT];
    std::vector<std::wstring> m_studentPaths;
    std::unique_ptr<CScoringProject> m_standardProject;
    bool m_standardLoaded;
    CScoringProjectList m_studentProjects;
    // Load result of each student project, in list order (1: loaded).
    std::vector<char> m_studentLoaded;
    // The student shown in the score view; -1 for none.
    int m_selectedIndex;
    // Threads that load the student projects; 1 loads them in order.
    int m_loadJobs;

protected:
    // Loads one project record. Tests put their own values in here.
    virtual bool LoadProject(CScoringProject& project);

private:
    void LoadStudentProjects();
};
