// CRunInputs: inputs by identity, outputs checked against them.
#include "cli/RunInputs.h"

#include <sys/stat.h>

#include <cwchar>

#include "app/StudentImport.h"
#include "tools/TmOS.h"
#include "tools/TmOutputFile.h"
#include "tools/TmString.h"

namespace {

std::string Utf8(const std::wstring& text)
{
    std::string narrow;
    TMTOOLS::String::DecodeUnicode(0, text, narrow);
    return narrow;
}

bool IsProjectName(const std::wstring& path)
{
    return path.size() > 4 && TMTOOLS::String::StringCompareNoCase(path.c_str() + path.size() - 4, L".prj") == 0;
}

}  // namespace

void CRunInputs::AddFile(const std::wstring& path)
{
    struct stat st;
    if (stat(TMTOOLS::OS::NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode))
        m_files.push_back({st.st_dev, st.st_ino, path});
}

void CRunInputs::AddInput(const std::wstring& path)
{
    struct stat st;
    if (stat(TMTOOLS::OS::NativePath(path).c_str(), &st) != 0)
        return;
    if (!S_ISDIR(st.st_mode)) {
        if (IsProjectName(path))
            AddProject(path);
        else
            AddFile(path);
        return;
    }
    std::vector<std::wstring> entries;
    TMTOOLS::OS::SearchFiles(path, L"*", entries, false, false);
    for (const std::wstring& entry : entries) {
        if (IsProjectName(entry))
            AddProject(entry);
        else if (CStudentImport::IsArchiveName(entry))
            AddFile(entry);
    }
}

void CRunInputs::AddProject(const std::wstring& prjPath)
{
    AddFile(prjPath);
    std::wstring folder, name;
    TMTOOLS::OS::GetFolderPath(prjPath, folder);
    TMTOOLS::OS::GetShortFilePath(prjPath, name);
    const std::wstring base = name.substr(0, name.rfind(L'.'));
    if (folder.empty() || base.empty())
        return;
    std::vector<std::wstring> entries;
    TMTOOLS::OS::SearchFiles(folder, L"*", entries, false, false);
    for (const std::wstring& entry : entries) {
        std::wstring entryName;
        TMTOOLS::OS::GetShortFilePath(entry, entryName);
        // Result files are found whatever the case of their names.
        if (entryName.size() >= base.size() && wcsncasecmp(entryName.c_str(), base.c_str(), base.size()) == 0)
            AddFile(entry);
    }
}

std::string CRunInputs::Refusal(const std::wstring& output) const
{
    std::string target;
    bool exists = false;
    mode_t mode = 0;
    if (!TMTOOLS::OS::ResolveOutputPath(TMTOOLS::OS::NativePath(output), target, exists, mode))
        return Utf8(output) + " is not a regular file (a folder, a FIFO, a device or a link to none); it is not replaced";
    struct stat st;
    if (!exists || stat(target.c_str(), &st) != 0)
        return std::string();
    for (const CFile& file : m_files) {
        if (file.m_device == st.st_dev && file.m_inode == st.st_ino)
            return Utf8(output) + " is " + Utf8(file.m_path) + ", which this run reads; it is not replaced";
    }
    return std::string();
}
