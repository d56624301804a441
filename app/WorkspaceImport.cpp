// "添加学生工程" and "删除学生工程": unpacking student archives beside
// themselves and adding their projects; deleting the projects' folders.
#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "app/AppWindowLayer.h"
#include "app/FolderTree.h"
#include "app/Workspace.h"
#include "archive/ZipArchive.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const int kImportNameBuffer = 130000;

// The name ends in ".prj" (any case) after at least one character.
bool HasProjectExtension(const std::wstring& name)
{
    return name.size() > 4 && TMTOOLS::String::StringCompareNoCase(name.c_str() + name.size() - 4, L".prj") == 0;
}

bool IsRegularFile(const std::wstring& path)
{
    struct stat st;
    return lstat(TMTOOLS::OS::NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Where an archive lying in folder unpacks: folder, "/" unless it ends in
// one, and the archive's file name without its extension. Empty when that
// name is empty (no "." at all, or a name like ".zip"): such an archive
// would unpack into the folder itself, over whatever lies there.
std::wstring DestinationIn(const std::wstring& folder, const std::wstring& archivePath)
{
    std::wstring name;
    TMTOOLS::OS::GetShortFilePath(archivePath, name);
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos || dot == 0)
        return std::wstring();
    std::wstring destination = folder;
    if (destination.empty() || destination.back() != L'/')
        destination += L'/';
    return destination + name.substr(0, dot);
}

}  // namespace

std::wstring CWorkspace::ArchiveDestination(const std::wstring& archivePath)
{
    if (archivePath.find(L'/') == std::wstring::npos)
        return std::wstring();
    std::wstring folder;
    TMTOOLS::OS::GetFolderPath(archivePath, folder);
    return DestinationIn(folder, archivePath);
}

std::wstring CWorkspace::FindProjectFile(const std::wstring& folder)
{
    if (folder.empty())
        return std::wstring();
    std::vector<std::wstring> entries;
    TMTOOLS::OS::SearchFiles(folder, L"*", entries, false, false);
    for (const std::wstring& entry : entries) {
        std::wstring name;
        TMTOOLS::OS::GetShortFilePath(entry, name);
        if (HasProjectExtension(name) && IsRegularFile(entry))
            return entry;
    }
    return std::wstring();
}

bool CWorkspace::ExtractProjectArchive(const std::wstring& folder, const std::wstring& archivePath)
{
    const std::wstring destination = DestinationIn(folder, archivePath);
    if (!TMTOOLS::OS::FileExist(archivePath.c_str())) {
        TMTOOLS::OS::TmShowMessage(stringFormat(L"压缩文件 %s 不存在", archivePath.c_str()).c_str(), L"提示");
        return false;
    }
    if (destination.empty())
        return false;
    if (TMTOOLS::OS::FolderExist(destination.c_str())) {
        std::wstring question = stringFormat(L"工程 %s 已存在，要覆盖吗？", destination.c_str());
        if (m_window.ShowMessageBox(question.c_str(), L"提示", CWindowLayer::TM_MB_YESNO) != CWindowLayer::TM_ID_YES)
            return false;
    }
    TMTOOLS::OS::mkdir_r(destination.c_str());

    // Entry names come from whoever made the archive: the archive library
    // places each entry below the destination and refuses names that would
    // leave it, so no path is built from a name here except to find a file
    // that was written. Refused names are told, so that nobody takes the
    // project for complete.
    std::vector<std::wstring> refused;
    ZipHandle archive = ZipOpenFile(archivePath.c_str());
    ZipEntry entry;
    for (int index = 0;; ++index) {
        const ZipResult described = ZipGetEntry(archive, index, &entry);
        if (described == ZipResult::BadName) {
            // Too long, or with a zero byte: its name cannot be shown, but
            // it does not stop the entries after it.
            refused.push_back(stringFormat(L"(第 %d 项，名称过长或无效)", index + 1));
            continue;
        }
        if (described != ZipResult::Ok)
            break;
        // Extracted files come out writable for their owner (the read-only
        // attribute is cleared by the extraction itself, which never
        // follows a link on the way).
        if (ZipExtractEntryUnder(archive, index, destination.c_str()) == ZipResult::BadName &&
            !ZipIsSafeEntryName(entry.m_name))
            refused.push_back(entry.m_name);
    }
    ZipClose(archive);
    if (!refused.empty()) {
        std::wstring names;
        for (const std::wstring& name : refused)
            names += L"\n" + name;
        TMTOOLS::OS::TmShowWarnMessage(
            stringFormat(L"压缩文件 %s 中有 %d 个文件的名称不安全，未解压：%s", archivePath.c_str(), (int)refused.size(),
                         names.c_str())
                .c_str());
    }
    return true;
}

int CWorkspace::AddArchives(const std::vector<std::wstring>& paths, bool projectFiles,
                            const std::function<void(size_t)>& noProject)
{
    int added = 0;
    const int total = (int)paths.size();
    const wchar_t* what = L"解压学生工程";
    for (int i = 0; i < total; ++i) {
        const std::wstring& path = paths[i];
        // Stopped: what was added stays, the rest is not unpacked.
        if (!m_window.ShowProgress(what, i, total, path.c_str()))
            break;
        if (projectFiles && HasProjectExtension(path)) {
            m_studentPaths.push_back(path);
            ++added;
        } else if (path.find(L'/') != std::wstring::npos) {
            std::wstring folder;
            TMTOOLS::OS::GetFolderPath(path, folder);
            ExtractProjectArchive(folder, path);
            // Whatever the extraction did: a destination left from an
            // earlier import still gives its project.
            std::wstring project = FindProjectFile(ArchiveDestination(path));
            if (!project.empty()) {
                m_studentPaths.push_back(project);
                ++added;
            } else if (noProject) {
                noProject((size_t)i);
            }
        }
    }
    m_window.ShowProgress(what, total, total);
    return added;
}

void CWorkspace::ImportStudentProjects()
{
    CFileDialogRequest request;
    request.m_filter = L"*.zip|*.zip||";
    request.m_title = L"请选择要导入的学生工程（可多选）";
    request.m_bufferSize = kImportNameBuffer;
    request.m_multiple = true;
    std::vector<std::wstring> chosen;
    if (!m_window.ShowOpenFileDialog(request, chosen))
        return;
    // Every chosen file is taken for an archive, as it always was.
    ImportChosenFiles(chosen, false);
}

void CWorkspace::ImportStudentFiles(const std::vector<std::wstring>& paths)
{
    ImportChosenFiles(paths, true);
}

void CWorkspace::ImportChosenFiles(const std::vector<std::wstring>& paths, bool projectFiles)
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
    AddArchives(taken, projectFiles);
    RebuildStudentProjects();
    m_window.EndWaitCursor();
    // A stopped import says nothing: the list shows what it left unread.
    for (const std::unique_ptr<CScoringProject>& student : m_studentProjects)
        if (student->m_loadStatus == TM_LOAD_UNREAD)
            return;
    TMTOOLS::OS::TmShowMessage(L"导入完成!", TM_PROGRAM_TITLE);
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
