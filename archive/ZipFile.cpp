// Positioned reads of the archive file.
#include "archive/ZipFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CZipFile::CZipFile() : m_fd(-1), m_seekable(false), m_readError(false), m_size(0) {}

CZipFile::~CZipFile()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool CZipFile::Open(const std::string& nativePath)
{
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer. It changes nothing for a regular file.
    m_fd = open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0)
        return false;
    struct stat st;
    if (fstat(m_fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(m_fd);
        m_fd = -1;
        return false;
    }
    m_seekable = S_ISREG(st.st_mode);
    m_size = m_seekable ? (uint64_t)st.st_size : 0;
    return true;
}

bool CZipFile::ReadAt(uint64_t position, void* buffer, size_t size)
{
    if (!m_seekable || position > m_size || size > m_size - position) {
        m_readError = true;
        return false;
    }
    char* out = (char*)buffer;
    while (size > 0) {
        ssize_t n = pread(m_fd, out, size, (off_t)position);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_readError = true;
            return false;
        }
        out += n;
        size -= (size_t)n;
        position += (uint64_t)n;
    }
    return true;
}
