// Compound document writer: allocating sectors and mini sectors, growing the
// FAT, cutting released sectors out of the file, and writing the header,
// allocation tables and directory.
#include <errno.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "xls/ByteOrder.h"
#include "xls/CompoundDocument.h"
#include "xls/CompoundDocumentFormat.h"

using namespace CompoundFormat;

// Takes the lowest free FAT entry, growing the FAT by a sector when none is
// left; the new sector ends its chain.
uint32_t CompoundDocument::AllocateSector()
{
    uint32_t sector = m_freeHint;
    while (sector < m_fat.size() && m_fat[sector] != kFree)
        ++sector;
    if (sector >= m_fat.size()) {
        AddFatSector();
        sector = m_freeHint;
        while (m_fat[sector] != kFree)
            ++sector;
    }
    m_fat[sector] = kEndOfChain;
    m_freeHint = sector + 1;
    m_sectorCount = std::max(m_sectorCount, sector + 1);
    return sector;
}

// Called when every FAT entry is in use, so the file ends exactly where the
// FAT ends: the new FAT sector takes the next sector number, and the 128
// entries it brings cover it (and an index sector, when one is needed).
void CompoundDocument::AddFatSector()
{
    uint32_t sector = (uint32_t)m_fat.size();
    m_fat.resize(m_fat.size() + kEntriesPerSector, kFree);
    m_fat[sector] = kFatSector;
    m_fatSectors.push_back(sector);
    m_sectorCount = std::max(m_sectorCount, sector + 1);
    if (m_fatSectors.size() > kHeaderFatSlots + kIndexSlotsPerSector * m_fatIndexSectors.size()) {
        uint32_t index = sector + 1;
        m_fat[index] = kFatIndexSector;
        m_fatIndexSectors.push_back(index);
        m_sectorCount = std::max(m_sectorCount, index + 1);
    }
}

uint32_t CompoundDocument::AllocateMiniSector()
{
    uint32_t mini = 0;
    while (mini < m_miniFat.size() && m_miniFat[mini] != kFree)
        ++mini;
    if (mini >= m_miniFat.size()) {
        AppendToChain(m_miniFatSectors, AllocateSector());
        m_miniFat.resize(m_miniFat.size() + kEntriesPerSector, kFree);
    }
    m_miniFat[mini] = kEndOfChain;
    const uint32_t perSector = kSectorSize / kMiniSectorSize;
    while (m_miniContainer.size() * perSector <= mini)
        AppendToChain(m_miniContainer, AllocateSector());
    return mini;
}

void CompoundDocument::AppendToChain(std::vector<uint32_t>& chain, uint32_t sector)
{
    if (!chain.empty())
        m_fat[chain.back()] = sector;
    m_fat[sector] = kEndOfChain;
    chain.push_back(sector);
}

std::vector<uint32_t> CompoundDocument::Chain(uint32_t start) const
{
    std::vector<uint32_t> chain;
    for (uint32_t s = start; s < m_fat.size() && chain.size() < m_fat.size(); s = m_fat[s])
        chain.push_back(s);
    return chain;
}

std::vector<uint32_t> CompoundDocument::MiniChain(uint32_t start) const
{
    std::vector<uint32_t> chain;
    for (uint32_t s = start; s < m_miniFat.size() && chain.size() < m_miniFat.size(); s = m_miniFat[s])
        chain.push_back(s);
    return chain;
}

// Cuts the given sectors out of the file: the sectors after each one move
// down, and every stored sector number beyond a removed sector drops by the
// number of removed sectors before it. The FAT keeps its length; its freed
// entries collect at the end.
bool CompoundDocument::RemoveSectors(std::vector<uint32_t> sectors)
{
    std::sort(sectors.begin(), sectors.end());
    sectors.erase(std::unique(sectors.begin(), sectors.end()), sectors.end());
    while (!sectors.empty() && sectors.back() >= m_sectorCount)
        sectors.pop_back();
    if (sectors.empty())
        return true;

    std::vector<uint32_t> renumbered(m_sectorCount, kFree);
    uint32_t removedBefore = 0;
    size_t next = 0;
    for (uint32_t s = 0; s < m_sectorCount; ++s) {
        if (next < sectors.size() && sectors[next] == s) {
            ++removedBefore;
            ++next;
        } else {
            renumbered[s] = s - removedBefore;
        }
    }

    // Move the kept sectors down, lowest first; sectors never written read
    // as zeros.
    for (uint32_t s = sectors.front() + 1; s < m_sectorCount; ++s) {
        if (renumbered[s] == kFree)
            continue;
        const uint64_t from = SectorOffset(s);
        const uint64_t to = SectorOffset(renumbered[s]);
        if (from >= m_image.size()) {
            static const uint8_t zeros[kSectorSize] = {};
            WriteAt(to, zeros, kSectorSize);
            continue;
        }
        const size_t have = (size_t)std::min<uint64_t>(kSectorSize, m_image.size() - from);
        memmove(m_image.data() + to, m_image.data() + from, have);
        if (have < kSectorSize)
            memset(m_image.data() + to + have, 0, kSectorSize - have);
    }

    auto renumber = [&renumbered, this](uint32_t& sector) {
        if (sector < kLastRegular && sector < m_sectorCount)
            sector = renumbered[sector];
    };
    std::vector<uint32_t> fat(m_fat.size(), kFree);
    for (uint32_t s = 0; s < m_sectorCount; ++s) {
        if (renumbered[s] == kFree)
            continue;
        uint32_t value = m_fat[s];
        renumber(value);
        fat[renumbered[s]] = value;
    }
    m_fat.swap(fat);
    for (std::vector<uint32_t>* list :
         {&m_fatSectors, &m_fatIndexSectors, &m_miniFatSectors, &m_directorySectors, &m_miniContainer}) {
        for (uint32_t& sector : *list)
            renumber(sector);
    }
    for (CDirEntry& entry : m_entries) {
        if (entry.type == kTypeStream && entry.size >= kMiniStreamCutoff && entry.start != kEndOfChain)
            renumber(entry.start);
    }
    m_sectorCount -= (uint32_t)sectors.size();
    m_freeHint = std::min(m_freeHint, sectors.front());
    return true;
}

// Places bytes in the file's image, which grows (with zeros) to hold them.
void CompoundDocument::WriteAt(uint64_t offset, const void* data, size_t size)
{
    if (m_image.size() < offset + size)
        m_image.resize((size_t)(offset + size), 0);
    if (size > 0)
        memcpy(m_image.data() + offset, data, size);
}

// Writes length bytes into the chain's sectors; the last sector is padded
// with zeros.
void CompoundDocument::WriteSectors(const std::vector<uint32_t>& sectors, const uint8_t* data, uint32_t length)
{
    static const uint8_t zeros[kSectorSize] = {};
    for (size_t i = 0; i < sectors.size(); ++i) {
        const uint64_t offset = (uint64_t)i * kSectorSize;
        const size_t bytes = (size_t)std::min<uint64_t>(kSectorSize, length - offset);
        WriteAt(SectorOffset(sectors[i]), data + offset, bytes);
        if (bytes < kSectorSize)
            WriteAt(SectorOffset(sectors[i]) + bytes, zeros, kSectorSize - bytes);
    }
}

// Lays the header, FAT, FAT-index, mini-FAT and directory sectors into the
// image, cut to its sectors, and writes the image to the file.
bool CompoundDocument::Save()
{
    using namespace XlsBytes;
    uint8_t sector[kSectorSize];

    memset(sector, 0, sizeof sector);
    static const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    memcpy(sector + HeaderField::kSignature, signature, sizeof signature);
    Put16(sector + HeaderField::kMinorVersion, 0x003B);
    Put16(sector + HeaderField::kMajorVersion, 3);
    Put16(sector + HeaderField::kByteOrder, 0xFFFE);  // little-endian
    Put16(sector + HeaderField::kSectorShift, 9);
    Put16(sector + HeaderField::kMiniSectorShift, 6);
    Put32(sector + HeaderField::kDirectorySectorCount, 0);
    Put32(sector + HeaderField::kFatSectorCount, (uint32_t)m_fatSectors.size());
    Put32(sector + HeaderField::kFirstDirectorySector, m_directorySectors.front());
    Put32(sector + HeaderField::kTransactionSignature, 0);
    Put32(sector + HeaderField::kMiniStreamCutoff, kMiniStreamCutoff);
    Put32(sector + HeaderField::kFirstMiniFatSector, m_miniFatSectors.empty() ? kEndOfChain : m_miniFatSectors.front());
    Put32(sector + HeaderField::kMiniFatSectorCount, (uint32_t)m_miniFatSectors.size());
    Put32(sector + HeaderField::kFirstFatIndexSector,
          m_fatIndexSectors.empty() ? kEndOfChain : m_fatIndexSectors.front());
    Put32(sector + HeaderField::kFatIndexSectorCount, (uint32_t)m_fatIndexSectors.size());
    for (uint32_t i = 0; i < kHeaderFatSlots; ++i)
        Put32(sector + HeaderField::kFatSlots + 4 * i, i < m_fatSectors.size() ? m_fatSectors[i] : kFree);
    WriteAt(0, sector, sizeof sector);

    for (size_t k = 0; k < m_fatSectors.size(); ++k) {
        for (uint32_t i = 0; i < kEntriesPerSector; ++i)
            Put32(sector + 4 * i, m_fat[k * kEntriesPerSector + i]);
        WriteAt(SectorOffset(m_fatSectors[k]), sector, sizeof sector);
    }
    for (size_t k = 0; k < m_fatIndexSectors.size(); ++k) {
        for (uint32_t i = 0; i < kIndexSlotsPerSector; ++i) {
            size_t slot = kHeaderFatSlots + k * kIndexSlotsPerSector + i;
            Put32(sector + 4 * i, slot < m_fatSectors.size() ? m_fatSectors[slot] : kFree);
        }
        Put32(sector + 4 * kIndexSlotsPerSector,
              k + 1 < m_fatIndexSectors.size() ? m_fatIndexSectors[k + 1] : kEndOfChain);
        WriteAt(SectorOffset(m_fatIndexSectors[k]), sector, sizeof sector);
    }
    for (size_t k = 0; k < m_miniFatSectors.size(); ++k) {
        for (uint32_t i = 0; i < kEntriesPerSector; ++i)
            Put32(sector + 4 * i, m_miniFat[k * kEntriesPerSector + i]);
        WriteAt(SectorOffset(m_miniFatSectors[k]), sector, sizeof sector);
    }

    // The root names the mini stream's container: its first sector and
    // its whole length.
    m_entries[0].start = m_miniContainer.empty() ? kEndOfChain : m_miniContainer.front();
    m_entries[0].size = (uint32_t)m_miniContainer.size() * kSectorSize;
    const uint32_t perSector = kSectorSize / kDirEntrySize;
    for (size_t k = 0; k < m_directorySectors.size(); ++k) {
        memset(sector, 0, sizeof sector);
        for (uint32_t i = 0; i < perSector; ++i) {
            uint8_t* p = sector + i * kDirEntrySize;
            size_t index = k * perSector + i;
            if (index >= m_entries.size()) {
                Put32(p + EntryField::kLeft, kFree);
                Put32(p + EntryField::kRight, kFree);
                Put32(p + EntryField::kChild, kFree);
                continue;
            }
            const CDirEntry& e = m_entries[index];
            for (size_t c = 0; c < e.name.size(); ++c)
                Put16(p + EntryField::kName + 2 * c, e.name[c]);
            Put16(p + EntryField::kNameSize, (uint16_t)((e.name.size() + 1) * 2));
            Put8(p + EntryField::kType, e.type);
            Put8(p + EntryField::kColour, e.colour);
            Put32(p + EntryField::kLeft, e.left);
            Put32(p + EntryField::kRight, e.right);
            Put32(p + EntryField::kChild, e.child);
            Put32(p + EntryField::kStart, e.start);
            Put32(p + EntryField::kSize, e.size);
        }
        WriteAt(SectorOffset(m_directorySectors[k]), sector, sizeof sector);
    }
    m_image.resize((size_t)SectorOffset(m_sectorCount), 0);

    size_t done = 0;
    while (done < m_image.size()) {
        const ssize_t written = pwrite(m_file, m_image.data() + done, m_image.size() - done, (off_t)done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += (size_t)written;
    }
    if (m_fileSize > m_image.size() && ftruncate(m_file, (off_t)m_image.size()) != 0)
        return false;
    m_fileSize = m_image.size();
    return true;
}
