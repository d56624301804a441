// An entry's data going to an open file: every byte written, interrupted
// writes resumed. Used by the zip extraction and the libarchive unpacking.
#pragma once

#include <unistd.h>

#include <cerrno>

#include "archive/ZipDataSink.h"

class CZipFileSink : public CZipDataSink {
public:
    explicit CZipFileSink(int fd) : m_fd(fd) {}
    bool Write(const char* data, size_t size) override
    {
        while (size > 0) {
            ssize_t n = write(m_fd, data, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            data += n;
            size -= (size_t)n;
        }
        return true;
    }

private:
    int m_fd;
};
