// Builds zip archives byte by byte from a description, for the cases no
// zip tool writes on purpose: wrong headers, odd names, chosen attributes,
// extra fields and times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ziptest {

struct CBuilderEntry {
    std::string name;  // bytes as stored
    std::string data;  // uncompressed content
    uint16_t method = 8;  // 0 stored, 8 deflated; any other: data stored as is
    uint16_t flags = 0;
    uint16_t versionMadeBy = 20;  // host 0 (FAT), as Windows tools write
    uint32_t external = 0x20;     // archive bit only
    uint32_t dosDateTime = 0x58653A8F;  // 2024-03-05 07:20:30
    std::string localExtra;
    std::string centralExtra;
    bool descriptor = false;  // flag bit 3: CRC and sizes after the data
    // Data bytes as stored, instead of data compressed by method.
    bool overrideStored = false;
    std::string stored;

    // Declared values (local and central) that differ from the true ones.
    bool overrideCrc = false;
    uint32_t crc = 0;
    bool overrideSize = false;
    uint32_t uncompressedSize = 0;
};

class CZipBuilder {
public:
    void Add(const CBuilderEntry& entry) { m_entries.push_back(entry); }
    // The archive: prefix bytes, local entries, central directory, end
    // record with comment.
    std::string Build(const std::string& prefix = "", const std::string& comment = "") const;
    // Offset of the central directory in the last Build (after the prefix).
    size_t DirectoryOffset() const { return m_directoryOffset; }

private:
    std::vector<CBuilderEntry> m_entries;
    mutable size_t m_directoryOffset = 0;
};

// Raw deflate (no zlib header), as zip stores it.
std::string Deflate(const std::string& data);
uint32_t Crc32(const std::string& data);
// DOS date and time packed as in the archive (date in the upper half).
uint32_t DosDateTime(int year, int month, int day, int hour, int minute, int second);
// A "UT" extra block with the given flags and times (as many as given).
std::string ExtendedTimestamp(uint8_t flags, const std::vector<uint32_t>& times);

}  // namespace ziptest
