// The end-of-central-directory record: where it is and what it says.
#pragma once

#include <cstdint>

class CZipFile;

class CZipEndRecord {
public:
    CZipEndRecord();

    // Searches the last 65,535 bytes of the file for the record, from the
    // end backwards, and reads it. A candidate at file offset 0, or one
    // whose fields cannot describe a single-volume archive, does not count
    // and the search goes on (a comment may hold the signature).
    bool Find(CZipFile& file);

    uint64_t m_position;      // file offset of the record
    uint16_t m_entryCount;
    uint32_t m_directorySize;
    uint32_t m_directoryOffset;  // relative to the start of the archive proper
    uint16_t m_commentLength;
    // Bytes in front of the archive proper (a stub program), added to every
    // offset the archive holds.
    uint64_t m_prefixLength;

private:
    bool ReadAt(CZipFile& file, uint64_t position);
};
