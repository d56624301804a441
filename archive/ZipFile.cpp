// Positioned reads of the archive file.
#include "archive/ZipFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tools/TmInputFile.h"

CZipFile::CZipFile() : m_fd(-1), m_seekable(false), m_readError(false), m_size(0) {}

CZipFile::~CZipFile()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool CZipFile::Open(const std::string& nativePath)
{
    // Regular files only: a FIFO or a device is refused without waiting
    // for a writer. Archives have their own bounds, so none on the size.
    TMTOOLS::OS::TmInputStatus status;
    m_fd = TMTOOLS::OS::OpenInputDescriptor(nativePath.c_str(), -1, status);
    if (m_fd < 0)
        return false;
    struct stat st;
    if (fstat(m_fd, &st) != 0) {
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
