// CWorkspaceLocation: the folder rule of the workspace files.
#include "app/WorkspaceLocation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

std::wstring AbsoluteVariable(const char* name)
{
    const char* value = getenv(name);
    if (!value || value[0] != '/')
        return std::wstring();
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, value, wide);
    while (wide.size() > 1 && wide.back() == L'/')
        wide.pop_back();
    return wide;
}

bool HoldsWorkspaceFile(const std::wstring& folder)
{
    return TMTOOLS::OS::FileExist((folder + L"/config.xml").c_str()) ||
           TMTOOLS::OS::FileExist((folder + L"/projectlist.txt").c_str());
}

}  // namespace

CWorkspaceLocation CWorkspaceLocation::Find(const std::wstring& programFolder)
{
    const std::string native = TMTOOLS::OS::NativePath(programFolder);
    // access() asks with the real user's rights, which are the ones that
    // count: the program is not set-user-ID.
    const bool writable = access(native.c_str(), W_OK) == 0;
    return Choose(programFolder, writable, writable ? std::wstring() : UserFolder());
}

CWorkspaceLocation CWorkspaceLocation::Choose(const std::wstring& programFolder, bool programFolderWritable,
                                              const std::wstring& userFolder)
{
    CWorkspaceLocation location;
    if (programFolderWritable || userFolder.empty()) {
        location.m_readFolder = location.m_writeFolder = programFolder;
        return location;
    }
    location.m_writeFolder = userFolder;
    location.m_readFolder = HoldsWorkspaceFile(userFolder) ? userFolder : programFolder;
    return location;
}

std::wstring CWorkspaceLocation::UserFolder()
{
    std::wstring base = AbsoluteVariable("XDG_CONFIG_HOME");
    if (base.empty()) {
        std::wstring home = AbsoluteVariable("HOME");
        if (home.empty())
            return std::wstring();
        base = (home == L"/" ? std::wstring() : home) + L"/.config";
    }
    return (base == L"/" ? std::wstring() : base) + L"/tmscore";
}

std::wstring CWorkspaceLocation::Describe(const std::wstring& programFolder) const
{
    std::wstring text = L"工作区文件（评分标准 config.xml、学生工程列表 projectlist.txt）保存在 " + m_writeFolder + L"。";
    if (m_writeFolder != programFolder)
        text += L"\n程序所在的文件夹 " + programFolder +
                L" 不可写，因此保存在用户的配置文件夹（$XDG_CONFIG_HOME/tmscore，默认为 ~/.config/tmscore）。";
    if (m_readFolder != m_writeFolder)
        text += L"\n那里还没有这两个文件：启动时读取 " + m_readFolder + L" 中的。";
    return text;
}

bool CWorkspaceLocation::MakeWriteFolder() const
{
    if (TMTOOLS::OS::FolderExist(m_writeFolder.c_str()))
        return true;
    std::wstring parent;
    TMTOOLS::OS::GetFolderPath(m_writeFolder, parent);
    if (!parent.empty())
        TMTOOLS::OS::mkdir_r(parent.c_str());
    mkdir(TMTOOLS::OS::NativePath(m_writeFolder).c_str(), 0700);
    return TMTOOLS::OS::FolderExist(m_writeFolder.c_str());
}
