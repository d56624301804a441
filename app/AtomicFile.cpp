// Atomic replacement: temporary file beside the target, fsync, rename.
#include "app/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "tools/TmOS.h"
#include "tools/TmOutputFile.h"

namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += (size_t)n;
    }
    return true;
}

// The folder part of a native path, for syncing the rename.
std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

}  // namespace

bool ReplaceFileByWriting(const std::wstring& path, const std::function<bool(const std::string& temporary)>& write)
{
    if (path.empty())
        return false;
    // A link is written through, a special file never replaced.
    std::string target;
    bool exists = false;
    mode_t mode = 0;
    if (!TMTOOLS::OS::ResolveOutputPath(TMTOOLS::OS::NativePath(path), target, exists, mode))
        return false;

    std::string temp = target + ".tmp-XXXXXX";
    int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return false;
    // mkstemp makes the file private; keep the replaced file's mode, or
    // give a new file the usual one.
    fchmod(fd, exists ? mode : 0644);
    close(fd);

    bool ok = write(temp);
    // Whoever wrote it, the bytes reach the disk before the rename.
    fd = ok ? open(temp.c_str(), O_RDONLY) : -1;
    ok = fd >= 0 && fsync(fd) == 0;
    if (fd >= 0)
        ok = close(fd) == 0 && ok;
    if (ok)
        ok = rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        // errno says why the step failed, for the caller's message.
        const int error = errno;
        unlink(temp.c_str());
        errno = error;
        return false;
    }
    int dirFd = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

bool ReplaceFileAtomically(const std::wstring& path, const std::string& bytes)
{
    return ReplaceFileByWriting(path, [&bytes](const std::string& temporary) {
        int fd = open(temporary.c_str(), O_WRONLY | O_TRUNC);
        if (fd < 0)
            return false;
        bool ok = WriteAll(fd, bytes);
        return close(fd) == 0 && ok;
    });
}
