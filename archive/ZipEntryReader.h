// Reading one entry's data: stored bytes copied, deflated bytes inflated,
// CRC-32 kept on the way. Exists only while one entry is extracted.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <vector>

class CZipCentralRecord;
class CZipFile;

class CZipEntryReader {
public:
    static const unsigned kChunk = 16384;

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
