// Constants of the compound document format shared by the writer's source
// files (not part of the writer's interface).
#pragma once

#include <cstddef>
#include <cstdint>

namespace CompoundFormat {

const uint32_t kFree = 0xFFFFFFFF;        // free sector; also "no entry" in the directory
const uint32_t kEndOfChain = 0xFFFFFFFE;
const uint32_t kFatSector = 0xFFFFFFFD;
const uint32_t kFatIndexSector = 0xFFFFFFFC;
const uint32_t kLastRegular = 0xFFFFFFFA;  // sector numbers at or above it are marks

const uint32_t kSectorSize = 512;
const uint32_t kMiniSectorSize = 64;
const uint32_t kEntriesPerSector = kSectorSize / 4;
const uint32_t kHeaderFatSlots = 109;
const uint32_t kIndexSlotsPerSector = kEntriesPerSector - 1;  // the last slot links the next index sector
const uint32_t kDirEntrySize = 128;
const size_t kMaxNameUnits = 31;

const uint8_t kTypeStorage = 1;
const uint8_t kTypeStream = 2;
const uint8_t kTypeRoot = 5;
const uint8_t kBlack = 1;
const uint8_t kRed = 0;

// Fields of the header sector, by byte offset.
namespace HeaderField {
const uint32_t kSignature = 0;  // 8 bytes
const uint32_t kMinorVersion = 24;
const uint32_t kMajorVersion = 26;
const uint32_t kByteOrder = 28;
const uint32_t kSectorShift = 30;      // log2 of kSectorSize
const uint32_t kMiniSectorShift = 32;  // log2 of kMiniSectorSize
const uint32_t kDirectorySectorCount = 40;  // 0 in the 512-byte version
const uint32_t kFatSectorCount = 44;
const uint32_t kFirstDirectorySector = 48;
const uint32_t kTransactionSignature = 52;
const uint32_t kMiniStreamCutoff = 56;
const uint32_t kFirstMiniFatSector = 60;
const uint32_t kMiniFatSectorCount = 64;
const uint32_t kFirstFatIndexSector = 68;
const uint32_t kFatIndexSectorCount = 72;
const uint32_t kFatSlots = 76;  // kHeaderFatSlots sector numbers
}  // namespace HeaderField
static_assert(HeaderField::kFatSlots + 4 * kHeaderFatSlots == kSectorSize, "the FAT slots end the header sector");

// Fields of a directory entry, by byte offset within it.
namespace EntryField {
const uint32_t kName = 0;  // UTF-16LE, zero-terminated
const uint32_t kNameSize = 64;  // bytes, terminator included
const uint32_t kType = 66;
const uint32_t kColour = 67;
const uint32_t kLeft = 68;
const uint32_t kRight = 72;
const uint32_t kChild = 76;
const uint32_t kStart = 116;
const uint32_t kSize = 120;
}  // namespace EntryField
static_assert(EntryField::kName + 2 * (kMaxNameUnits + 1) == EntryField::kNameSize, "a full name fills its field");
static_assert(EntryField::kSize + 8 == kDirEntrySize, "the size field ends the entry");

inline uint64_t SectorOffset(uint32_t sector)
{
    return (uint64_t)(sector + 1) * kSectorSize;
}

}  // namespace CompoundFormat
