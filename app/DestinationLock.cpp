// CDestinationLock: flock on a lock file beside the folder.
#include "app/DestinationLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <map>
#include <vector>

#include "app/FolderTree.h"
#include "tools/TmOS.h"

namespace {

const wchar_t kMark[] = L".tmscore-";
// A lock file that changed under us (another run released and removed it
// between our open and our flock) is opened again, a few times at most.
const int kOpenTries = 3;

std::atomic<unsigned> g_scratchCount(0);

std::wstring MarkedBeside(const std::wstring& folder, const std::wstring& suffix)
{
    std::wstring parent, name;
    TMTOOLS::OS::GetFolderPath(folder, parent);
    TMTOOLS::OS::GetShortFilePath(folder, name);
    return parent + L"/." + name + kMark + suffix;
}

}  // namespace

std::unique_ptr<CDestinationLock> CDestinationLock::Acquire(const std::wstring& folder, Result& result)
{
    result = kFailed;
    if (folder.find(L'/') == std::wstring::npos)
        return nullptr;
    const std::string path = TMTOOLS::OS::NativePath(MarkedBeside(folder, L"lock"));
    for (int attempt = 0; attempt < kOpenTries; ++attempt) {
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return nullptr;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            result = errno == EWOULDBLOCK ? kBusy : kFailed;
            close(fd);
            return nullptr;
        }
        // Locked the file we opened; it counts only if it is still the
        // one at that path.
        struct stat opened, named;
        if (fstat(fd, &opened) == 0 && lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino) {
            result = kLocked;
            return std::unique_ptr<CDestinationLock>(new CDestinationLock(folder, path, fd));
        }
        close(fd);
    }
    result = kBusy;
    return nullptr;
}

CDestinationLock::~CDestinationLock()
{
    // Removed while still held: whoever opened it meanwhile finds, once it
    // has the lock, that the path no longer names it, and starts again.
    unlink(m_path.c_str());
    close(m_fd);
}

std::wstring CDestinationLock::ScratchBeside(const std::wstring& folder, const char* kind)
{
    return MarkedBeside(folder, std::wstring(kind, kind + strlen(kind)) + L"-" + std::to_wstring(getpid()) + L"-" +
                                    std::to_wstring(++g_scratchCount));
}

void CDestinationLock::RemoveLeftovers(const std::wstring& parent, const std::set<std::wstring>& held)
{
    std::vector<std::wstring> names;
    TMTOOLS::OS::SearchFiles(parent, L".*", names, true, false);
    // Student folder name -> its scratch entries (the lock file aside).
    std::map<std::wstring, std::vector<std::wstring>> leftovers;
    for (const std::wstring& name : names) {
        const size_t mark = name.rfind(kMark);
        if (name.size() < 2 || name[0] != L'.' || mark == std::wstring::npos || mark < 2)
            continue;
        const std::wstring student = name.substr(1, mark - 1);
        const std::wstring kind = name.substr(mark + wcslen(kMark));
        std::vector<std::wstring>& entries = leftovers[student];
        if (kind != L"lock")
            entries.push_back(parent + L"/" + name);
    }
    for (const auto& student : leftovers) {
        Result result;
        std::unique_ptr<CDestinationLock> lock;
        if (!held.count(student.first)) {
            lock = Acquire(parent + L"/" + student.first, result);
            if (!lock)
                continue;  // a live run is at work there
        }
        for (const std::wstring& entry : student.second) {
            struct stat st;
            const std::string native = TMTOOLS::OS::NativePath(entry);
            if (lstat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                DeleteFolderTree(entry);
            else
                unlink(native.c_str());
        }
        // The lock file goes with the lock.
    }
}
