// File-system helpers and CTmBuffer.
#include "tools/TmOS.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "tools/CodePage.h"

namespace TMTOOLS {
namespace OS {

std::string NativePath(const std::wstring& path)
{
    return CodePage::EncodeUtf8(path, true);
}

bool FileExist(const wchar_t* path)
{
    if (!path || !*path)
        return false;
    struct stat st;
    return stat(NativePath(path).c_str(), &st) == 0;
}

bool FolderExist(const wchar_t* path)
{
    if (!path || !*path)
        return false;
    size_t len = wcslen(path);
    if (path[len - 1] == L'/')
        return false;  // as a directory search for "x/" finds nothing
    struct stat st;
    return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int mkdir_r(const wchar_t* path)
{
    if (!path || !*path)
        return -1;
    std::wstring copy(path);
    size_t start = 0;
    if (copy.compare(0, 1, L"/") == 0)
        start = 1;
    else if (copy.compare(0, 2, L"./") == 0)
        start = 2;
    for (size_t i = start; i < copy.size(); ++i) {
        if (copy[i] == L'/' && i > 0)
            mkdir(NativePath(copy.substr(0, i)).c_str(), 0777);
    }
    if (copy.back() != L'/')
        mkdir(NativePath(copy).c_str(), 0777);
    return 0;
}

void SearchFiles(const std::wstring& folder, const std::wstring& pattern, std::vector<std::wstring>& entries,
                 bool nameOnly, bool recursive)
{
    entries.clear();
    DIR* dir = opendir(NativePath(folder).c_str());
    if (!dir)
        return;
    // "*.*" matches every name on Windows, dotted or not.
    std::string glob = pattern == L"*.*" ? std::string("*") : NativePath(pattern);
    std::vector<std::string> names;
    while (struct dirent* entry = readdir(dir)) {
        if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0)
            continue;
        if (fnmatch(glob.c_str(), entry->d_name, FNM_CASEFOLD) == 0)
            names.push_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::wstring wideName = CodePage::DecodeUtf8(name.data(), name.size(), true);
        std::wstring full = folder + L"/" + wideName;
        struct stat st;
        bool isDir = lstat(NativePath(full).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        if (isDir && recursive) {
            std::vector<std::wstring> sub;
            SearchFiles(full, pattern, sub, nameOnly, recursive);
            entries.insert(entries.end(), sub.begin(), sub.end());
        } else {
            entries.push_back(nameOnly ? wideName : full);
        }
    }
}

void GetShortFilePath(const std::wstring& path, std::wstring& name)
{
    size_t slash = path.rfind(L'/');
    name = slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void GetFolderPath(const std::wstring& path, std::wstring& folder)
{
    size_t slash = path.rfind(L'/');
    folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

void GetFileName(const std::wstring& path, std::wstring& name)
{
    GetShortFilePath(path, name);
    size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
}

CTmBuffer::CTmBuffer() : m_size(0), m_capacity(0), m_data(nullptr) {}

CTmBuffer::CTmBuffer(unsigned int size) : m_size(size), m_capacity(0), m_data(nullptr) {}

CTmBuffer::~CTmBuffer()
{
    delete[] m_data;
}

CTmBuffer::CTmBuffer(const CTmBuffer& other) : m_size(other.m_size), m_capacity(0), m_data(nullptr)
{
    if (other.m_data) {
        m_data = new unsigned char[other.m_capacity];
        memcpy(m_data, other.m_data, other.m_capacity);
        m_capacity = other.m_capacity;
    }
}

CTmBuffer& CTmBuffer::operator=(const CTmBuffer& other)
{
    if (this != &other) {
        CTmBuffer copy(other);
        std::swap(m_size, copy.m_size);
        std::swap(m_capacity, copy.m_capacity);
        std::swap(m_data, copy.m_data);
    }
    return *this;
}

void* CTmBuffer::CreateBuffer(unsigned int& size)
{
    if (!m_data || m_capacity < size) {
        delete[] m_data;
        m_data = new unsigned char[size ? size : 1];
        m_capacity = size;
    }
    // A reused block is as big as this request says, not as the last one
    // said: the size is what callers read and what is zeroed.
    m_size = size;
    memset(m_data, 0, m_size);
    return m_data;
}

}  // namespace OS
}  // namespace TMTOOLS
