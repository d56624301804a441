// The archive file: positioned reads of a disk file, and the little-endian
// field access the zip structures need.
//
// Reads never move a shared file position, so the central-directory walk
// and an entry's data can be read in any order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline uint16_t ZipLe16(const unsigned char* p)
{
    return (uint16_t)(p[0] | p[1] << 8);
}

inline uint32_t ZipLe32(const unsigned char* p)
{
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

class CZipFile {
public:
    CZipFile();
    ~CZipFile();
    CZipFile(const CZipFile&) = delete;
    CZipFile& operator=(const CZipFile&) = delete;

    // Opens an existing regular file for reading. A FIFO, a device or a
    // folder is refused, without blocking on it.
    bool Open(const std::string& nativePath);
    bool IsOpen() const { return m_fd >= 0; }
    // True for a regular (disk) file: only those have an end record to find.
    bool IsSeekable() const { return m_seekable; }
    uint64_t Size() const { return m_size; }
    // Reads exactly size bytes at position; false (and the read-error flag
    // set) on a short read or any failure.
    bool ReadAt(uint64_t position, void* buffer, size_t size);
    bool HadReadError() const { return m_readError; }

private:
    int m_fd;
    bool m_seekable;
    bool m_readError;
    uint64_t m_size;
};
