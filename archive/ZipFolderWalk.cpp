// Link-safe folder descent and file creation.
#include "archive/ZipFolderWalk.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tools/TmOS.h"

CZipFolderWalk::CZipFolderWalk() : m_fd(-1) {}

CZipFolderWalk::~CZipFolderWalk()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool CZipFolderWalk::OpenRoot(const std::wstring& root)
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = root.empty() ? -1 : open(TMTOOLS::OS::NativePath(root).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return m_fd >= 0;
}

bool CZipFolderWalk::Descend(const std::wstring& name, bool create, mode_t mode)
{
    if (m_fd < 0)
        return false;
    std::string native = TMTOOLS::OS::NativePath(name);
    // O_NOFOLLOW with O_DIRECTORY refuses a link whatever it points to.
    int next = openat(m_fd, native.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0 && errno == ENOENT && create) {
        if (mkdirat(m_fd, native.c_str(), mode) != 0 && errno != EEXIST)
            return false;
        next = openat(m_fd, native.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    if (next < 0)
        return false;
    close(m_fd);
    m_fd = next;
    return true;
}

int CZipFolderWalk::CreateFile(const std::wstring& name, mode_t mode)
{
    if (m_fd < 0)
        return -1;
    std::string native = TMTOOLS::OS::NativePath(name);
    // Replacing rather than truncating: a link (symbolic or hard) of that
    // name goes away instead of carrying the data elsewhere, and a FIFO or
    // device cannot block or swallow the write. A folder of that name stays
    // and makes the creation fail.
    unlinkat(m_fd, native.c_str(), 0);
    return openat(m_fd, native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}
