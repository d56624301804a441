// DeleteFolderTree over directory descriptors (openat/unlinkat with
// O_NOFOLLOW), so that a link swapped in mid-way cannot lead it elsewhere.
#include "app/FolderTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <pwd.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "tools/TmOS.h"

namespace {

std::string RealPath(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::string();
    std::string result(resolved);
    free(resolved);
    return result;
}

// a is b, or a folder above b.
bool IsSelfOrAbove(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    if (a == "/" || a == b)
        return true;
    return b.size() > a.size() && b.compare(0, a.size(), a) == 0 && b[a.size()] == '/';
}

bool IsProtected(const std::string& real)
{
    if (real.empty() || real == "/")
        return true;
    std::vector<std::string> homes;
    if (const char* home = getenv("HOME"))
        homes.push_back(RealPath(home));
    // getpwuid_r: archives are unpacked, and their leftovers deleted, on
    // several threads at once.
    struct passwd entry;
    struct passwd* pw = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &pw) == 0 && pw && pw->pw_dir)
        homes.push_back(RealPath(pw->pw_dir));
    for (const std::string& home : homes)
        if (IsSelfOrAbove(real, home))
            return true;
    return false;
}

// Deletes everything inside the open folder dirFd.
void DeleteContents(int dirFd)
{
    int listFd = dup(dirFd);
    if (listFd < 0)
        return;
    DIR* dir = fdopendir(listFd);
    if (!dir) {
        close(listFd);
        return;
    }
    std::vector<std::string> names;
    while (struct dirent* entry = readdir(dir)) {
        if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
            names.push_back(entry->d_name);
    }
    closedir(dir);

    for (const std::string& name : names) {
        struct stat st;
        if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            int sub = openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                // A read-only folder keeps its entries; make it ours first.
                fchmod(sub, (st.st_mode & 07777) | S_IRWXU);
                DeleteContents(sub);
                close(sub);
            }
            unlinkat(dirFd, name.c_str(), AT_REMOVEDIR);
        } else {
            // Files, and links as links.
            unlinkat(dirFd, name.c_str(), 0);
        }
    }
}

}  // namespace

bool DeleteFolderTree(const std::wstring& folder)
{
    if (folder.empty())
        return false;
    const std::string path = TMTOOLS::OS::NativePath(folder);
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    if (IsProtected(RealPath(path)))
        return false;

    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    fchmod(fd, (st.st_mode & 07777) | S_IRWXU);
    DeleteContents(fd);
    close(fd);
    return rmdir(path.c_str()) == 0;
}

namespace {

// parent holds a regular file named name + "." + an archive extension
// ("zip", "rar", "7z") in any case.
bool HasArchiveBeside(const std::string& parent, const std::string& name)
{
    DIR* dir = opendir(parent.empty() ? "/" : parent.c_str());
    if (!dir)
        return false;
    bool found = false;
    while (struct dirent* entry = readdir(dir)) {
        const char* entryName = entry->d_name;
        size_t len = strlen(entryName);
        if (len <= name.size() + 1 || name.compare(0, name.size(), entryName, name.size()) != 0 ||
            entryName[name.size()] != '.')
            continue;
        const char* extension = entryName + name.size() + 1;
        if (strcasecmp(extension, "zip") != 0 && strcasecmp(extension, "rar") != 0 && strcasecmp(extension, "7z") != 0)
            continue;
        struct stat st;
        std::string full = parent + "/" + entryName;
        if (lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

}  // namespace

bool IsImportedProjectFolder(const std::wstring& folder)
{
    // Resolved, so that ".." or a link in the path cannot make a folder
    // look as if it lay inside an imported one.
    std::string path = RealPath(TMTOOLS::OS::NativePath(folder));
    while (!path.empty()) {
        size_t slash = path.rfind('/');
        if (slash == std::string::npos)
            return false;
        std::string parent = path.substr(0, slash);
        std::string name = path.substr(slash + 1);
        if (!name.empty() && name != "." && name != ".." && HasArchiveBeside(parent, name))
            return true;
        path = parent;
    }
    return false;
}
