// Parsing central-directory records and checking local headers.
#include "archive/ZipCentralRecord.h"

#include "archive/ZipFile.h"

namespace {

const uint32_t kCentralSignature = 0x02014B50;
const uint32_t kLocalSignature = 0x04034B50;
const unsigned kLocalFixedSize = 30;

}  // namespace

CZipCentralRecord::CZipCentralRecord()
    : m_versionMadeBy(0), m_flags(0), m_method(0), m_dosDateTime(0), m_crc(0), m_compressedSize(0),
      m_uncompressedSize(0), m_nameLength(0), m_extraLength(0), m_commentLength(0), m_externalAttributes(0),
      m_localHeaderOffset(0), m_nameTooLong(false)
{
}

bool CZipCentralRecord::Read(CZipFile& file, uint64_t position)
{
    // Fixed part and a name that fits, in one read where the file allows.
    unsigned char buffer[kFixedSize + kMaxNameBytes];
    if (!file.ReadAt(position, buffer, kFixedSize))
        return false;
    if (ZipLe32(buffer) != kCentralSignature)
        return false;
    m_versionMadeBy = ZipLe16(buffer + 4);
    m_flags = ZipLe16(buffer + 8);
    m_method = ZipLe16(buffer + 10);
    m_dosDateTime = ZipLe32(buffer + 12);
    m_crc = ZipLe32(buffer + 16);
    m_compressedSize = ZipLe32(buffer + 20);
    m_uncompressedSize = ZipLe32(buffer + 24);
    m_nameLength = ZipLe16(buffer + 28);
    m_extraLength = ZipLe16(buffer + 30);
    m_commentLength = ZipLe16(buffer + 32);
    m_externalAttributes = ZipLe32(buffer + 38);
    m_localHeaderOffset = ZipLe32(buffer + 42);
    m_name.clear();
    m_nameTooLong = m_nameLength > kMaxNameBytes;
    if (!m_nameTooLong && m_nameLength > 0) {
        if (!file.ReadAt(position + kFixedSize, buffer + kFixedSize, m_nameLength))
            return false;
        m_name.assign((const char*)buffer + kFixedSize, m_nameLength);
    }
    return true;
}

bool CZipCentralRecord::CheckLocalHeader(CZipFile& file, uint64_t prefixLength, uint64_t& extraPosition,
                                         uint16_t& extraLength, uint64_t& dataPosition) const
{
    uint64_t position = prefixLength + m_localHeaderOffset;
    unsigned char header[kLocalFixedSize];
    if (!file.ReadAt(position, header, sizeof header))
        return false;
    if (ZipLe32(header) != kLocalSignature)
        return false;
    uint16_t flags = ZipLe16(header + 6);
    uint16_t method = ZipLe16(header + 8);
    if (method != m_method || (method != 0 && method != 8))
        return false;
    // With a data descriptor (flag bit 3 of the local header) CRC and sizes
    // follow the data; the central record's are the ones that count.
    if (!(flags & 0x0008)) {
        if (ZipLe32(header + 14) != m_crc || ZipLe32(header + 18) != m_compressedSize ||
            ZipLe32(header + 22) != m_uncompressedSize)
            return false;
    }
    if (ZipLe16(header + 26) != m_nameLength)
        return false;
    extraLength = ZipLe16(header + 28);
    extraPosition = position + kLocalFixedSize + m_nameLength;
    dataPosition = extraPosition + extraLength;
    return true;
}
