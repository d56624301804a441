// Reading one entry's data: stored bytes copied, deflated bytes inflated,
// CRC-32 kept on the way. Exists only while one entry is extracted.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <memory>
#include <vector>

class CZipCentralRecord;
class CZipFile;

class CZipEntryReader {
public:
    static const unsigned kChunk = 16384;
    // Deflated entries declared smaller than this, with compressed data no
    // larger, are inflated whole (libdeflate); larger ones are streamed.
    static const uint32_t kWholeLimit = 8u << 20;

    CZipEntryReader();
    ~CZipEntryReader();
    CZipEntryReader(const CZipEntryReader&) = delete;
    CZipEntryReader& operator=(const CZipEntryReader&) = delete;

    // Checks the entry's local header and prepares to read its data; false
    // when the header disagrees with the record (nothing can be read then).
    bool Open(CZipFile& file, const CZipCentralRecord& record, uint64_t prefixLength);

    // Fills buffer with up to size bytes of entry data; never more than the
    // entry's declared size in all. Returns the count, 0 at the end of the
    // data (or when the data is damaged and nothing more comes), -1 when the
    // archive cannot be read or no entry is open.
    int Read(char* buffer, unsigned size);

    // Inflates a small deflated entry in one go, before any Read: its
    // compressed data read whole (it must lie inside the archive) and
    // inflated into data, at most the declared size. True when that is the
    // entry's output: every declared byte, or fewer when the deflate stream
    // ends early (Complete() then says so); the CRC is kept as Read keeps
    // it and Read gives nothing more. False, with nothing consumed, for any
    // other entry and whenever the data is damaged in a way only the
    // streaming inflate reproduces byte for byte: Read then streams it.
    bool InflateWhole(std::unique_ptr<char[]>& data, size_t& size);

    // All declared bytes were produced.
    bool Complete() const { return m_open && m_remainingOut == 0; }
    // Complete and the running CRC-32 equals the stored one.
    bool CrcMatches() const { return Complete() && m_crc == m_storedCrc; }

private:
    bool Refill();

    CZipFile* m_file;
    bool m_open;
    bool m_inflating;  // a zlib stream is initialised
    bool m_stopped;    // the deflate stream ended or failed
    uint16_t m_method;
    std::vector<unsigned char> m_input;
    size_t m_inputOffset;
    size_t m_inputAvailable;
    uint64_t m_nextPosition;  // file position of the next compressed byte
    uint32_t m_remainingIn;
    uint32_t m_remainingOut;
    uint32_t m_crc;
    uint32_t m_storedCrc;
    z_stream m_stream;
};
