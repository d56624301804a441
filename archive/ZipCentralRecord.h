// One central-directory file header, and the check of the local header it
// points to.
#pragma once

#include <cstdint>
#include <string>

class CZipFile;

class CZipCentralRecord {
public:
    static const unsigned kFixedSize = 46;
    // Names this long or longer are not read (the entry name field holds
    // 259 characters and the terminator).
    static const unsigned kMaxNameBytes = 259;

    CZipCentralRecord();

    // Reads the record at file position; false when it cannot be read or
    // does not carry the central-header signature. A name too long to read
    // leaves the record usable for stepping, with m_nameTooLong set.
    bool Read(CZipFile& file, uint64_t position);
    // Size of the whole record: where the next one starts.
    uint64_t RecordSize() const
    {
        return (uint64_t)kFixedSize + m_nameLength + m_extraLength + m_commentLength;
    }

    bool HasDataDescriptor() const { return (m_flags & 0x0008) != 0; }
    bool HasUtf8Name() const { return (m_flags & 0x0800) != 0; }
    // The host system of "version made by" (0 FAT, 3 Unix, 10 NTFS, 19 macOS).
    int HostSystem() const { return m_versionMadeBy >> 8; }

    // Reads the entry's local header at its offset plus prefixLength and
    // checks it against this record: signature, method (stored or deflated
    // only, and the same), CRC and sizes unless a data descriptor holds
    // them, name length. On success gives the local extra field's position
    // and length, and where the entry's data starts.
    bool CheckLocalHeader(CZipFile& file, uint64_t prefixLength, uint64_t& extraPosition, uint16_t& extraLength,
                          uint64_t& dataPosition) const;

    uint16_t m_versionMadeBy;
    uint16_t m_flags;
    uint16_t m_method;
    uint32_t m_dosDateTime;  // time in the low half
    uint32_t m_crc;
    uint32_t m_compressedSize;
    uint32_t m_uncompressedSize;
    uint16_t m_nameLength;
    uint16_t m_extraLength;
    uint16_t m_commentLength;
    uint32_t m_externalAttributes;
    uint32_t m_localHeaderOffset;
    std::string m_name;  // the stored bytes; empty when m_nameTooLong
    bool m_nameTooLong;
};
