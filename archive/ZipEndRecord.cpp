// Locating and reading the end-of-central-directory record.
#include "archive/ZipEndRecord.h"

#include <algorithm>

#include "archive/ZipFile.h"

namespace {

const uint64_t kSearchLimit = 65535;
const uint64_t kWindow = 1028;
// Windows overlap by the signature's length so that one straddling two
// windows is still seen.
const uint64_t kStep = kWindow - 4;
const unsigned kRecordSize = 22;

}  // namespace

CZipEndRecord::CZipEndRecord()
    : m_position(0), m_entryCount(0), m_directorySize(0), m_directoryOffset(0), m_commentLength(0),
      m_prefixLength(0)
{
}

bool CZipEndRecord::Find(CZipFile& file)
{
    if (!file.IsSeekable())
        return false;
    uint64_t size = file.Size();
    uint64_t limit = std::min(size, kSearchLimit);
    unsigned char window[kWindow];
    uint64_t back = 4;
    while (back < limit) {
        back = std::min(back + kStep, limit);
        uint64_t readPos = size - back;
        size_t readLen = (size_t)std::min(kWindow, size - readPos);
        if (!file.ReadAt(readPos, window, readLen))
            return false;
        for (size_t i = readLen - 4 + 1; i-- > 0;) {
            if (window[i] == 0x50 && window[i + 1] == 0x4B && window[i + 2] == 0x05 && window[i + 3] == 0x06) {
                uint64_t position = readPos + i;
                // Position 0 stands for "not found".
                if (position != 0 && ReadAt(file, position))
                    return true;
            }
        }
    }
    return false;
}

bool CZipEndRecord::ReadAt(CZipFile& file, uint64_t position)
{
    unsigned char record[kRecordSize];
    if (!file.ReadAt(position, record, sizeof record))
        return false;
    uint16_t thisDisk = ZipLe16(record + 4);
    uint16_t directoryDisk = ZipLe16(record + 6);
    uint16_t entriesHere = ZipLe16(record + 8);
    uint16_t entriesTotal = ZipLe16(record + 10);
    uint32_t directorySize = ZipLe32(record + 12);
    uint32_t directoryOffset = ZipLe32(record + 16);
    if (entriesHere != entriesTotal || thisDisk != 0 || directoryDisk != 0)
        return false;  // spanned archives are not read
    uint64_t directoryEnd = (uint64_t)directoryOffset + directorySize;
    if (position < directoryEnd)
        return false;  // the directory would reach past its end record
    m_position = position;
    m_entryCount = entriesTotal;
    m_directorySize = directorySize;
    m_directoryOffset = directoryOffset;
    m_commentLength = ZipLe16(record + 20);
    m_prefixLength = position - directoryEnd;
    return true;
}
