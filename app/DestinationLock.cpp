// CDestinationLocks: one byte per student in the class folder's lock file.
#include "app/DestinationLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "app/FolderTree.h"
#include "tools/TmOS.h"

namespace {

const wchar_t kMark[] = L".tmscore-";
const char kLockFileName[] = "/.tmscore-lock";
// A lock file that changed under us (another run let go and removed it
// between our open and our lock) is opened again, a few times at most.
const int kOpenTries = 3;

std::atomic<unsigned> g_scratchCount(0);

std::wstring ParentOf(const std::wstring& folder)
{
    std::wstring parent;
    TMTOOLS::OS::GetFolderPath(folder, parent);
    return parent;
}

// The student's byte: FNV-1a of the folder name's bytes, kept well inside
// off_t. Two names on one byte would only make one run wait for nothing.
off_t ByteOf(const std::wstring& folder)
{
    std::wstring name;
    TMTOOLS::OS::GetShortFilePath(folder, name);
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char ch : TMTOOLS::OS::NativePath(name)) {
        hash ^= ch;
        hash *= 1099511628211ull;
    }
    return (off_t)(hash >> 2);
}

bool SetLock(int fd, short type, off_t start, off_t length)
{
    struct flock lock;
    memset(&lock, 0, sizeof lock);
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = start;
    lock.l_len = length;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Whether name is what an import or a report leaves beside student's
// folder while at work: ".STUDENT.tmscore-..." (scratch), or
// ".STUDENT.xls.XXXXXXXX", the student's workbook before it is renamed
// into place.
bool LeftoverOf(const std::wstring& name, std::wstring& student)
{
    if (name.size() < 2 || name[0] != L'.')
        return false;
    const size_t mark = name.rfind(kMark);
    if (mark != std::wstring::npos && mark >= 2) {
        student = name.substr(1, mark - 1);
        return true;
    }
    const size_t workbook = name.rfind(L".xls.");
    if (workbook == std::wstring::npos || workbook < 2 || name.size() != workbook + 5 + 8)
        return false;
    for (size_t i = workbook + 5; i < name.size(); ++i) {
        if (!iswxdigit(name[i]))
            return false;
    }
    student = name.substr(1, workbook - 1);
    return true;
}

}  // namespace

// The lock file of one class folder, open for as long as a lock of this
// set lies in it.
class CDestinationLocks::CLockFile {
public:
    // Opens (creating) the lock file of parent; null with errno set when it
    // cannot be made.
    static std::unique_ptr<CLockFile> Open(const std::wstring& parent)
    {
        const std::string path = TMTOOLS::OS::NativePath(parent) + kLockFileName;
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return nullptr;
        return std::unique_ptr<CLockFile>(new CLockFile(path, fd));
    }
    // Lets go of everything; when no other run holds a byte, removes the
    // file while holding all of it, so that whoever opened it meanwhile
    // finds, once locked, that the path no longer names it.
    ~CLockFile()
    {
        if (SetLock(m_fd, F_WRLCK, 0, 0))
            unlink(m_path.c_str());
        close(m_fd);
    }
    CLockFile(const CLockFile&) = delete;
    CLockFile& operator=(const CLockFile&) = delete;

    // The path still names the file we hold open.
    bool IsCurrent() const
    {
        struct stat opened, named;
        return fstat(m_fd, &opened) == 0 && lstat(m_path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
               opened.st_ino == named.st_ino;
    }
    int Fd() const { return m_fd; }

private:
    CLockFile(const std::string& path, int fd) : m_path(path), m_fd(fd) {}

    std::string m_path;
    int m_fd;
};

CDestinationLocks::CDestinationLocks() {}

CDestinationLocks::~CDestinationLocks()
{
    m_held.clear();
    m_files.clear();
}

CDestinationLocks::Result CDestinationLocks::Lock(const std::wstring& folder, bool exclusive)
{
    if (Holds(folder))
        return kLocked;
    const std::wstring parent = ParentOf(folder);
    if (parent.empty())
        return kFailed;
    const off_t byte = ByteOf(folder);
    for (int attempt = 0; attempt < kOpenTries; ++attempt) {
        std::unique_ptr<CLockFile>& file = m_files[parent];
        if (!file) {
            file = CLockFile::Open(parent);
            if (!file) {
                m_files.erase(parent);
                return kFailed;
            }
        }
        if (!SetLock(file->Fd(), exclusive ? F_WRLCK : F_RDLCK, byte, 1))
            return errno == EAGAIN || errno == EACCES ? kBusy : kFailed;
        if (file->IsCurrent()) {
            m_held[folder] = byte;
            return kLocked;
        }
        // Removed by a run that let go: what we hold guards nothing. Only a
        // file with none of our locks in it yet can be dropped.
        SetLock(file->Fd(), F_UNLCK, byte, 1);
        if (!HeldIn(parent).empty())
            return kBusy;
        m_files.erase(parent);
    }
    return kBusy;
}

std::set<std::wstring> CDestinationLocks::HeldIn(const std::wstring& parent) const
{
    std::set<std::wstring> names;
    for (const auto& held : m_held) {
        if (ParentOf(held.first) == parent)
            names.insert(held.first.substr(parent.size() + 1));
    }
    return names;
}

std::wstring CDestinationLocks::ScratchBeside(const std::wstring& folder, const char* kind)
{
    std::wstring name;
    TMTOOLS::OS::GetShortFilePath(folder, name);
    return ParentOf(folder) + L"/." + name + kMark + std::wstring(kind, kind + strlen(kind)) + L"-" +
           std::to_wstring(getpid()) + L"-" + std::to_wstring(++g_scratchCount);
}

void CDestinationLocks::RemoveLeftovers(const std::wstring& parent, const std::set<std::wstring>& held)
{
    std::vector<std::wstring> names;
    TMTOOLS::OS::SearchFiles(parent, L".*", names, true, false);
    // Student folder name -> its leftovers.
    std::map<std::wstring, std::vector<std::wstring>> leftovers;
    for (const std::wstring& name : names) {
        std::wstring student;
        if (!LeftoverOf(name, student))
            continue;
        // A workbook's leftover only beside a student's folder: others
        // (the summary's) are not tied to a student's lock.
        if (name.find(kMark) == std::wstring::npos && !TMTOOLS::OS::FolderExist((parent + L"/" + student).c_str()))
            continue;
        leftovers[student].push_back(parent + L"/" + name);
    }
    // A set of its own: its locks meet those of every other set, ours too.
    CDestinationLocks probe;
    for (const auto& student : leftovers) {
        if (!held.count(student.first) && probe.Lock(parent + L"/" + student.first, true) != kLocked)
            continue;  // a live run is at work there
        for (const std::wstring& entry : student.second) {
            struct stat st;
            const std::string native = TMTOOLS::OS::NativePath(entry);
            if (lstat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                DeleteFolderTree(entry);
            else
                unlink(native.c_str());
        }
    }
}
