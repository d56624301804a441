// CWorkspace: its state, start-up, shutdown and command dispatch.
#include "app/Workspace.h"

#include <limits.h>
#include <unistd.h>

#include "app/AppWindowLayer.h"
#include "app/WorkspaceLocation.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {
const wchar_t kDefaultStandardPath[] = L"c:\\tmcad\\exam\\frame.prj";
}  // namespace

CWorkspace::CWorkspace(CAppWindowLayer& window)
    : m_window(window),
      m_standardPrjPath(kDefaultStandardPath),
      m_standardLoaded(false),
      m_selectedIndex(-1),
      m_loadJobs(1)
{
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        m_categoryScores[k] = GetDefaultFullScore(k);
}

CWorkspace::~CWorkspace() {}

std::wstring CWorkspace::RunningProgramFolder()
{
    char buffer[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n <= 0)
        return std::wstring();
    std::wstring path, folder;
    TMTOOLS::String::EncodeUnicode(0, std::string(buffer, (size_t)n), path);
    TMTOOLS::OS::GetFolderPath(path, folder);
    return folder;
}

void CWorkspace::SetProgramFolder(const std::wstring& folder)
{
    const CWorkspaceLocation location = CWorkspaceLocation::Find(folder);
    m_programFolder = folder;
    m_workspaceFolder = location.m_writeFolder;
    m_configPath = location.m_readFolder + L"/config.xml";
    m_projectListPath = location.m_readFolder + L"/projectlist.txt";
}

void CWorkspace::Startup()
{
    SetupGrids();
    if (m_programFolder.empty())
        SetProgramFolder(RunningProgramFolder());
    ReadScoringStandard(m_configPath);
    AnnounceStandardProblem();
    ReadProjectList();
    m_configPath = m_workspaceFolder + L"/config.xml";
    m_projectListPath = m_workspaceFolder + L"/projectlist.txt";
    RebuildStudentProjects();
}

void CWorkspace::Shutdown()
{
    CWorkspaceLocation location;
    location.m_writeFolder = m_workspaceFolder;
    location.MakeWriteFolder();
    WriteScoringStandard(m_configPath);
    WriteProjectList();
    m_standardProject.reset();
    m_standardLoaded = false;
    m_studentProjects.clear();
    m_studentLoaded.clear();
    m_sheet = CScoreSheet();
}

float CWorkspace::GetCategoryScore(int category) const
{
    return category >= 0 && category < TM_CATEGORY_COUNT ? m_categoryScores[category] : 0.0f;
}

void CWorkspace::SetCategoryScore(int category, float score)
{
    if (category >= 0 && category < TM_CATEGORY_COUNT)
        m_categoryScores[category] = score;
}

bool CWorkspace::RunCommand(int command)
{
    switch (command) {
    case TM_CMD_SCORING_SETTINGS: OpenScoringSettings(); return true;
    case TM_CMD_IMPORT_STANDARD: ImportScoringStandard(); return true;
    case TM_CMD_EXPORT_STANDARD: ExportScoringStandard(); return true;
    case TM_CMD_ADD_STUDENTS: ImportStudentProjects(); return true;
    case TM_CMD_REMOVE_STUDENTS: RemoveStudentProjects(); return true;
    case TM_CMD_COMPUTE: ComputeAndShow(); return true;
    case TM_CMD_EXPORT_SUMMARY: ExportSummaryWorkbook(); return true;
    case TM_CMD_REPORT: GenerateReports(); return true;
    case TM_CMD_EXPORT_DETAILS: ExportDetailsWorkbook(); return true;
    default: return false;
    }
}

bool CWorkspace::LoadProject(CScoringProject& project)
{
    return project.Load();
}
