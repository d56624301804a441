// "添加学生工程" and "删除学生工程": adding student projects from archives,
// project files and folders (the work is CStudentImport's); deleting the
// projects' folders.
#include <algorithm>
#include <set>

#include "app/AppWindowLayer.h"
#include "app/FolderTree.h"
#include "app/StudentImport.h"
#include "app/Workspace.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const int kImportNameBuffer = 130000;

}  // namespace

int CWorkspace::AddStudentInputs(const std::vector<std::wstring>& inputs)
{
    m_importFailures.clear();
    CStudentImport import(m_window, m_standardProject && !m_standardProject->m_prjPath.empty()
                                        ? m_standardProject->m_prjPath
                                        : m_standardPrjPath);
    import.SetMaxUnpackBytes(m_maxUnpackBytes);
    import.SetJobs(m_loadJobs);
    // Taking the inputs asks the questions; the unpacking after it shows
    // progress and hears a stop between two inputs.
    for (const std::wstring& input : inputs)
        import.Add(input);
    std::vector<CImportOutcome> outcomes;
    import.Unpack(outcomes);
    int added = 0;
    for (const CImportOutcome& outcome : outcomes) {
        if (outcome.m_prjPath.empty()) {
            m_importFailures.push_back(outcome);
            continue;
        }
        m_studentPaths.push_back(outcome.m_prjPath);
        m_studentInputs[outcome.m_prjPath] = outcome.m_input;
        ++added;
    }
    m_importLocks.push_back(import.TakeLocks());
    return added;
}

void CWorkspace::ReleaseImportLocks()
{
    m_importLocks.clear();
}

void CWorkspace::ImportStudentProjects()
{
    CFileDialogRequest request;
    request.m_filter = L"*.zip;*.rar;*.7z|*.zip;*.rar;*.7z||";
    request.m_title = L"请选择要导入的学生工程（可多选）";
    request.m_bufferSize = kImportNameBuffer;
    request.m_multiple = true;
    std::vector<std::wstring> chosen;
    if (!m_window.ShowOpenFileDialog(request, chosen))
        return;
    ImportStudentFiles(chosen);
}

void CWorkspace::ImportStudentFiles(const std::vector<std::wstring>& paths)
{
    std::vector<std::wstring> taken;
    for (const std::wstring& path : paths) {
        if ((int)taken.size() + 1 > TM_MAX_IMPORT_ARCHIVES) {
            TMTOOLS::OS::TmShowMessage(stringFormat(L"最多只能同时选%d个文件", TM_MAX_IMPORT_ARCHIVES).c_str(),
                                       L"警告");
            break;
        }
        taken.push_back(path);
    }
    if (taken.empty()) {
        TMTOOLS::OS::TmShowMessage(L"没有选中工程压缩文件!", TM_PROGRAM_TITLE);
        return;
    }

    m_window.BeginWaitCursor();
    AddStudentInputs(taken);
    RebuildStudentProjects();
    ReleaseImportLocks();
    m_window.EndWaitCursor();
    // Stopped by the user: what was added is listed (unread where the
    // loading was stopped too), and only failures met so far are told.
    const bool stopped = m_window.CancelRequested();
    if (stopped && m_importFailures.empty())
        return;
    std::wstring done = stopped ? L"导入已停止!" : L"导入完成!";
    if (!m_importFailures.empty()) {
        done += stringFormat(L"\n其中 %d 个文件没有导入工程：", (int)m_importFailures.size());
        for (const CImportOutcome& failure : m_importFailures)
            done += L"\n" + failure.m_input + L"：" + failure.m_status;
    }
    TMTOOLS::OS::TmShowMessage(done.c_str(), TM_PROGRAM_TITLE);
}

void CWorkspace::RemoveStudentProjects()
{
    std::vector<CGridCell> cells;
    m_window.GetProjectGrid().GetSelectedCells(cells);
    std::set<int> indices;
    for (const CGridCell& cell : cells) {
        const int index = cell.m_row - 1;
        if (index >= 0 && index < (int)m_studentProjects.size())
            indices.insert(index);
    }
    if (indices.empty()) {
        TMTOOLS::OS::TmShowMessage(L"请先选择要删除的工程", TM_PROGRAM_TITLE);
        return;
    }
    if (m_window.ShowMessageBox(L"你确定要删除选中的工程吗?", L"警告", CWindowLayer::TM_MB_YESNO) !=
        CWindowLayer::TM_ID_YES)
        return;

    for (int index : indices) {
        const CScoringProject& project = *m_studentProjects[index];
        // Only a folder an import unpacked is deleted; a project added by
        // hand (a .prj in the teacher's own folder) just leaves the list.
        if (IsImportedProjectFolder(project.m_folder))
            DeleteFolderTree(project.m_folder);
        // Exact comparison: on this file system two paths that differ in
        // letter case are two projects.
        auto match = std::find_if(m_studentPaths.begin(), m_studentPaths.end(), [&](const std::wstring& path) {
            return path == project.m_prjPath;
        });
        if (match != m_studentPaths.end())
            m_studentPaths.erase(match);
    }
    RebuildStudentProjects();
}
