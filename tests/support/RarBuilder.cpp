#include "tests/support/RarBuilder.h"

#include <zlib.h>

#include <cstdint>

namespace tmtest {

namespace {

const unsigned char kMarkHead[] = {'R', 'a', 'r', '!', 0x1A, 0x07, 0x00};
const unsigned kHostWindows = 2;
const unsigned kHostUnix = 3;
const unsigned kStored = 0x30;
const unsigned kLongBlock = 0x8000;     // a data size follows the header
const unsigned kFolderFlags = 0x00E0;   // dictionary bits all set
const uint32_t kDosTime = 0x5A210000;   // 2025-01-01 00:00:00

void Put(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += (char)(value >> (8 * i) & 0xFF);
}

uint32_t Crc(const std::string& bytes)
{
    return (uint32_t)crc32(0, (const Bytef*)bytes.data(), (uInt)bytes.size());
}

// A header: CRC, type, flags, size, then body; data follows it.
std::string Block(unsigned type, unsigned flags, const std::string& body)
{
    std::string head;
    Put(head, type, 1);
    Put(head, flags, 2);
    Put(head, 7 + (uint32_t)body.size(), 2);
    head += body;
    std::string out;
    Put(out, Crc(head) & 0xFFFF, 2);
    return out + head;
}

}  // namespace

std::string BuildRar(const std::vector<CRarEntry>& entries)
{
    std::string out((const char*)kMarkHead, sizeof kMarkHead);
    out += Block(0x73, 0, std::string(6, '\0'));
    for (const CRarEntry& entry : entries) {
        std::string body;
        Put(body, (uint32_t)entry.data.size(), 4);  // packed size
        Put(body, (uint32_t)entry.data.size(), 4);  // unpacked size
        Put(body, entry.unixMode ? kHostUnix : kHostWindows, 1);
        Put(body, Crc(entry.data), 4);
        Put(body, kDosTime, 4);
        Put(body, 20, 1);  // version 2.0 to unpack
        Put(body, kStored, 1);
        Put(body, (uint32_t)entry.name.size(), 2);
        Put(body, entry.unixMode ? entry.unixMode : (entry.folder ? 0x10 : 0x20), 4);
        body += entry.name;
        out += Block(0x74, kLongBlock | (entry.folder ? kFolderFlags : 0), body) + entry.data;
    }
    return out + Block(0x7B, 0x4000, std::string());
}

}  // namespace tmtest
