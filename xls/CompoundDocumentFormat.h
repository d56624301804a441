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

inline uint64_t SectorOffset(uint32_t sector)
{
    return (uint64_t)(sector + 1) * kSectorSize;
}

}  // namespace CompoundFormat
