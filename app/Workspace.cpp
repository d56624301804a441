// CWorkspace: its state, start-up, shutdown and command dispatch.
#include "app/Workspace.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

#include "app/AppWindowLayer.h"
#include "app/ListedLines.h"
#include "app/WorkspaceLocation.h"
#include "archive/ArchiveUnpack.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {
const wchar_t kDefaultStandardPath[] = L"c:\\tmcad\\exam\\frame.prj";
}  // namespace

CWorkspace::CWorkspace(CAppWindowLayer& window)
    : m_window(window),
      m_standardPrjPath(kDefaultStandardPath),
      m_standardLoaded(false),
      m_selectedIndex(-1),
      m_loadJobs(1),
      m_maxUnpackBytes(TM_DEFAULT_UNPACK_BYTES),
      m_keepConfig(false)
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
    if (!ReadScoringStandard(m_configPath))
        KeepUnreadableConfig();
    AnnounceStandardProblem();
    ReadProjectList();
    AnnounceDroppedProjects();
    // From here on the paths are where Shutdown writes: an unreadable
    // config.xml left in place is kept only when it would be written over.
    const std::wstring readConfig = m_configPath;
    m_configPath = m_workspaceFolder + L"/config.xml";
    m_projectListPath = m_workspaceFolder + L"/projectlist.txt";
    if (m_configPath != readConfig)
        m_keepConfig = false;
    RebuildStudentProjects();
}

void CWorkspace::KeepUnreadableConfig()
{
    // Only a file (or a link to one) is kept: a missing config.xml is a
    // first start, and a FIFO or a device is never written over anyway.
    struct stat st;
    const std::string native = TMTOOLS::OS::NativePath(m_configPath);
    if (lstat(native.c_str(), &st) != 0 || stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    char stamp[32];
    const time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::wstring wideStamp;
    TMTOOLS::String::EncodeUnicode(0, stamp, wideStamp);
    // config-20261208-081530.xml, or config-20261208-081530-2.xml when a
    // second one is kept within the same second.
    std::wstring folder, kept;
    TMTOOLS::OS::GetFolderPath(m_configPath, folder);
    for (int n = 1; n < 100 && kept.empty(); ++n) {
        const std::wstring name =
            folder + L"/config-" + wideStamp + (n > 1 ? L"-" + std::to_wstring(n) : L"") + L".xml";
        if (lstat(TMTOOLS::OS::NativePath(name).c_str(), &st) != 0)
            kept = name;
    }
    // rename replaces what it finds: a name already taken is never used.
    if (kept.empty() || rename(native.c_str(), TMTOOLS::OS::NativePath(kept).c_str()) != 0) {
        // It cannot be moved: then it is not written over either.
        m_keepConfig = true;
        TMTOOLS::OS::TmShowWarnMessage(
            stringFormat(L"配置文件 %s 无法读取，也无法改名保存；评分设置按默认值使用，退出时不覆盖该文件。",
                         m_configPath.c_str())
                .c_str());
        return;
    }
    TMTOOLS::OS::TmShowWarnMessage(
        stringFormat(L"配置文件 %s 无法读取，已改名保存为 %s；评分设置按默认值使用，退出时写入新的配置文件。",
                     m_configPath.c_str(), kept.c_str())
            .c_str());
}

void CWorkspace::AnnounceDroppedProjects()
{
    if (m_droppedProjects.empty())
        return;
    TMTOOLS::OS::TmShowMessage(
        stringFormat(L"工程列表 %s 中有 %d 个工程已不存在（文件夹被删除、移走，或 U 盘未插上），已从列表中去掉：%s",
                     m_projectListPath.c_str(), (int)m_droppedProjects.size(), ListedLines(m_droppedProjects).c_str())
            .c_str(),
        L"提示");
}

void CWorkspace::Shutdown()
{
    CWorkspaceLocation location;
    location.m_writeFolder = m_workspaceFolder;
    location.MakeWriteFolder();
    if (!m_keepConfig)
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
