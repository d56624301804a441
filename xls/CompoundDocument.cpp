// Compound document writer: sector allocation, the mini stream, the
// directory tree and the compaction of released sectors.
#include "xls/CompoundDocument.h"

#include <sys/types.h>
#include <unistd.h>

#include <algorithm>

#include "tools/TmString.h"
#include "xls/ByteOrder.h"

namespace {

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

uint64_t SectorOffset(uint32_t sector)
{
    return (uint64_t)(sector + 1) * kSectorSize;
}

// UTF-16 form of a name; false when it holds a character UTF-16 cannot
// carry or that the format forbids in names.
bool ToUtf16Name(const std::wstring& text, std::u16string& name)
{
    name.clear();
    for (wchar_t ch : text) {
        uint32_t c = (uint32_t)ch;
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || c == '\\' || c == ':' || c == '!')
            return false;
        if (c >= 0x10000) {
            c -= 0x10000;
            name += (char16_t)(0xD800 + (c >> 10));
            name += (char16_t)(0xDC00 + (c & 0x3FF));
        } else {
            name += (char16_t)c;
        }
    }
    return !name.empty();
}

char16_t UpperAscii(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? (char16_t)(c - u'a' + u'A') : c;
}

// Order of siblings in a storage's tree: shorter names first, then by code
// unit with ASCII letters compared as capitals.
int TreeOrder(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = UpperAscii(a[i]);
        char16_t y = UpperAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// Order of the directory list: shorter names first, then by code unit.
bool ListBefore(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

}  // namespace

CompoundDocument::CompoundDocument() : m_file(nullptr), m_sectorCount(0), m_freeHint(0)
{
}

CompoundDocument::~CompoundDocument()
{
    Close();
}

int CompoundDocument::Create(const std::wstring& fileName)
{
    Close();
    for (wchar_t ch : fileName) {
        uint32_t c = (uint32_t)ch;
        if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return kBadName;
    }
    if (fileName.empty())
        return kBadName;
    std::string native;
    TMTOOLS::String::DecodeUnicode(0, fileName, native);
    m_file = fopen(native.c_str(), "w+b");
    if (!m_file)
        return kBadName;

    // Sector 0 holds the FAT, sector 1 the directory.
    m_fat.assign(kEntriesPerSector, kFree);
    m_fat[0] = kFatSector;
    m_fat[1] = kEndOfChain;
    m_fatSectors = {0};
    m_directorySectors = {1};
    m_sectorCount = 2;
    m_freeHint = 2;
    CDirEntry root;
    root.name = u"Root Entry";
    root.type = kTypeRoot;
    m_entries.push_back(root);
    if (!Save()) {
        Close();
        return kWriteFailed;
    }
    return kSuccess;
}

int CompoundDocument::Close()
{
    int result = kSuccess;
    if (m_file && fclose(m_file) != 0)
        result = kWriteFailed;
    m_file = nullptr;
    m_sectorCount = 0;
    m_fat.clear();
    m_miniFat.clear();
    m_fatSectors.clear();
    m_fatIndexSectors.clear();
    m_miniFatSectors.clear();
    m_directorySectors.clear();
    m_miniContainer.clear();
    m_entries.clear();
    m_freeHint = 0;
    return result;
}

int CompoundDocument::CreateStream(const std::wstring& path)
{
    return CreateEntry(path, kTypeStream);
}

int CompoundDocument::CreateStorage(const std::wstring& path)
{
    return CreateEntry(path, kTypeStorage);
}

int CompoundDocument::ResolvePath(const std::wstring& path, uint32_t& storage, std::u16string& name) const
{
    if (!m_file || path.empty())
        return kBadName;
    std::vector<std::u16string> parts;
    size_t begin = 0;
    while (true) {
        size_t slash = path.find(L'/', begin);
        std::wstring part = path.substr(begin, slash == std::wstring::npos ? std::wstring::npos : slash - begin);
        parts.emplace_back();
        if (!ToUtf16Name(part, parts.back()))
            return kBadName;
        if (slash == std::wstring::npos)
            break;
        begin = slash + 1;
    }
    storage = 0;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        uint32_t child = FindChild(storage, parts[i]);
        if (child == kFree || m_entries[child].type != kTypeStorage)
            return kNoSuchStream;
        storage = child;
    }
    name = parts.back();
    return kSuccess;
}

uint32_t CompoundDocument::FindChild(uint32_t storage, const std::u16string& name) const
{
    for (uint32_t i = 1; i < m_entries.size(); ++i) {
        if (m_entries[i].parent == storage && TreeOrder(m_entries[i].name, name) == 0)
            return i;
    }
    return kFree;
}

int CompoundDocument::CreateEntry(const std::wstring& path, uint8_t type)
{
    uint32_t storage;
    std::u16string name;
    int resolved = ResolvePath(path, storage, name);
    if (resolved != kSuccess)
        return resolved;
    if (name.size() > kMaxNameUnits)
        return kNameTooLong;
    if (FindChild(storage, name) != kFree)
        return kAlreadyExists;

    // The list stays sorted; entries from the insertion point move up by
    // one, and so does every reference to them.
    uint32_t position = (uint32_t)m_entries.size();
    for (uint32_t i = 1; i < m_entries.size(); ++i) {
        if (ListBefore(name, m_entries[i].name)) {
            position = i;
            break;
        }
    }
    auto renumber = [position](uint32_t& ref) {
        if (ref != kFree && ref >= position)
            ++ref;
    };
    for (CDirEntry& e : m_entries) {
        renumber(e.left);
        renumber(e.right);
        renumber(e.child);
        renumber(e.parent);
    }
    renumber(storage);
    CDirEntry entry;
    entry.name = name;
    entry.type = type;
    entry.parent = storage;
    m_entries.insert(m_entries.begin() + position, entry);
    RebuildChildTree(storage);

    uint32_t needed = ((uint32_t)m_entries.size() + 3) / 4;
    while (m_directorySectors.size() < needed)
        AppendToChain(m_directorySectors, AllocateSector());
    return Save() ? kSuccess : kWriteFailed;
}

// Lays the storage's children out as a balanced search tree: every level
// but the last is full, so with the last level red and all others black
// each path holds the same number of black nodes, as a red-black tree must.
void CompoundDocument::RebuildChildTree(uint32_t storage)
{
    std::vector<uint32_t> children;
    for (uint32_t i = 1; i < m_entries.size(); ++i) {
        if (m_entries[i].parent == storage)
            children.push_back(i);
    }
    std::sort(children.begin(), children.end(), [this](uint32_t a, uint32_t b) {
        return TreeOrder(m_entries[a].name, m_entries[b].name) < 0;
    });
    int fullLevels = 0;
    while (((size_t)2 << fullLevels) - 1 <= children.size())
        ++fullLevels;
    m_entries[storage].child = BuildTree(children, 0, children.size(), 0, fullLevels);
}

uint32_t CompoundDocument::BuildTree(std::vector<uint32_t>& sorted, size_t first, size_t last, int depth,
                                     int blackDepth)
{
    if (first >= last)
        return kFree;
    size_t middle = first + (last - first) / 2;
    uint32_t node = sorted[middle];
    CDirEntry& entry = m_entries[node];
    entry.colour = depth < blackDepth ? kBlack : kRed;
    entry.left = BuildTree(sorted, first, middle, depth + 1, blackDepth);
    entry.right = BuildTree(sorted, middle + 1, last, depth + 1, blackDepth);
    return node;
}

int CompoundDocument::WriteStream(const std::wstring& path, const void* data, size_t length)
{
    uint32_t storage;
    std::u16string name;
    int resolved = ResolvePath(path, storage, name);
    if (resolved != kSuccess)
        return resolved;
    uint32_t index = FindChild(storage, name);
    if (index == kFree || m_entries[index].type != kTypeStream)
        return kNoSuchStream;
    // Version 3 documents hold streams below 2 GB.
    if (length >= 0x80000000u || (length > 0 && !data))
        return kWriteFailed;

    CDirEntry& entry = m_entries[index];
    bool wasBig = entry.size >= kMiniStreamCutoff;
    bool big = length >= kMiniStreamCutoff;
    if (entry.start != kEndOfChain && wasBig != big) {
        // The stream changes class: give its old sectors back first.
        uint32_t start = entry.start;
        entry.start = kEndOfChain;
        entry.size = 0;
        if (wasBig) {
            if (!RemoveSectors(Chain(start)))
                return kWriteFailed;
        } else {
            ReleaseMiniChain(start);
        }
    }
    bool written = big ? WriteBigStream(m_entries[index], (const uint8_t*)data, (uint32_t)length)
                       : WriteMiniStream(m_entries[index], (const uint8_t*)data, (uint32_t)length);
    if (!written)
        return kWriteFailed;
    return Save() ? kSuccess : kWriteFailed;
}

bool CompoundDocument::WriteBigStream(CDirEntry& entry, const uint8_t* data, uint32_t length)
{
    uint32_t needed = (length + kSectorSize - 1) / kSectorSize;
    std::vector<uint32_t> chain;
    if (entry.start != kEndOfChain)
        chain = Chain(entry.start);
    entry.size = length;
    while (chain.size() < needed) {
        uint32_t sector = AllocateSector();
        if (chain.empty())
            entry.start = sector;
        else
            m_fat[chain.back()] = sector;
        chain.push_back(sector);
    }
    std::vector<uint32_t> surplus;
    if (chain.size() > needed) {
        surplus.assign(chain.begin() + needed, chain.end());
        chain.resize(needed);
        m_fat[chain.back()] = kEndOfChain;
        for (uint32_t sector : surplus)
            m_fat[sector] = kFree;
    }
    // The data goes in before the surplus is cut out, so that the
    // compaction carries it along.
    if (!WriteSectors(chain, data, length))
        return false;
    return RemoveSectors(surplus);
}

bool CompoundDocument::WriteMiniStream(CDirEntry& entry, const uint8_t* data, uint32_t length)
{
    if (length == 0) {
        if (entry.start != kEndOfChain)
            ReleaseMiniChain(entry.start);
        entry.start = kEndOfChain;
        entry.size = 0;
        return true;
    }
    if (m_miniContainer.empty())
        AppendToChain(m_miniContainer, AllocateSector());
    uint32_t needed = (length + kMiniSectorSize - 1) / kMiniSectorSize;
    std::vector<uint32_t> chain;
    if (entry.start != kEndOfChain)
        chain = MiniChain(entry.start);
    while (chain.size() < needed) {
        uint32_t mini = AllocateMiniSector();
        if (chain.empty())
            entry.start = mini;
        else
            m_miniFat[chain.back()] = mini;
        chain.push_back(mini);
    }
    if (chain.size() > needed) {
        for (size_t i = needed; i < chain.size(); ++i)
            m_miniFat[chain[i]] = kFree;
        chain.resize(needed);
        m_miniFat[chain.back()] = kEndOfChain;
    }
    entry.size = length;

    uint8_t block[kMiniSectorSize];
    for (uint32_t i = 0; i < needed; ++i) {
        uint32_t offset = i * kMiniSectorSize;
        uint32_t count = std::min(kMiniSectorSize, length - offset);
        memcpy(block, data + offset, count);
        memset(block + count, 0, kMiniSectorSize - count);
        uint32_t mini = chain[i];
        uint32_t sector = m_miniContainer[mini / (kSectorSize / kMiniSectorSize)];
        uint64_t at = SectorOffset(sector) + (uint64_t)(mini % (kSectorSize / kMiniSectorSize)) * kMiniSectorSize;
        if (!WriteAt(at, block, kMiniSectorSize))
            return false;
    }
    return true;
}

void CompoundDocument::ReleaseMiniChain(uint32_t start)
{
    for (uint32_t mini : MiniChain(start))
        m_miniFat[mini] = kFree;
}

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

    // Move the kept sectors down, in runs, lowest first.
    std::vector<uint8_t> buffer;
    const uint32_t runLimit = 128;
    for (uint32_t s = sectors.front() + 1; s < m_sectorCount;) {
        if (renumbered[s] == kFree) {
            ++s;
            continue;
        }
        uint32_t count = 1;
        while (s + count < m_sectorCount && count < runLimit && renumbered[s + count] != kFree)
            ++count;
        buffer.assign((size_t)count * kSectorSize, 0);
        if (fseeko(m_file, (off_t)SectorOffset(s), SEEK_SET) != 0)
            return false;
        fread(buffer.data(), 1, buffer.size(), m_file);  // a short read leaves zeros: never-written sectors
        if (ferror(m_file))
            return false;
        if (!WriteAt(SectorOffset(renumbered[s]), buffer.data(), buffer.size()))
            return false;
        s += count;
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

bool CompoundDocument::WriteAt(uint64_t offset, const void* data, size_t size)
{
    if (fseeko(m_file, (off_t)offset, SEEK_SET) != 0)
        return false;
    return fwrite(data, 1, size, m_file) == size;
}

// Writes length bytes into the chain's sectors, runs of consecutive
// sectors at a time; the last sector is padded with zeros.
bool CompoundDocument::WriteSectors(const std::vector<uint32_t>& sectors, const uint8_t* data, uint32_t length)
{
    size_t i = 0;
    while (i < sectors.size()) {
        size_t run = 1;
        while (i + run < sectors.size() && sectors[i + run] == sectors[i] + run)
            ++run;
        uint64_t offset = (uint64_t)i * kSectorSize;
        uint64_t bytes = std::min<uint64_t>(run * kSectorSize, length - offset);
        if (!WriteAt(SectorOffset(sectors[i]), data + offset, (size_t)bytes))
            return false;
        uint64_t padding = run * kSectorSize - bytes;
        if (padding > 0) {
            static const uint8_t zeros[kSectorSize] = {};
            if (fwrite(zeros, 1, (size_t)padding, m_file) != padding)
                return false;
        }
        i += run;
    }
    return true;
}

// Writes the header, FAT, FAT-index, mini-FAT and directory sectors and
// sets the file's length to its sectors.
bool CompoundDocument::Save()
{
    using namespace XlsBytes;
    uint8_t sector[kSectorSize];

    memset(sector, 0, sizeof sector);
    static const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    memcpy(sector, signature, sizeof signature);
    Put16(sector + 24, 0x003B);
    Put16(sector + 26, 3);
    Put16(sector + 28, 0xFFFE);
    Put16(sector + 30, 9);
    Put16(sector + 32, 6);
    Put32(sector + 40, 0);
    Put32(sector + 44, (uint32_t)m_fatSectors.size());
    Put32(sector + 48, m_directorySectors.front());
    Put32(sector + 52, 0);
    Put32(sector + 56, kMiniStreamCutoff);
    Put32(sector + 60, m_miniFatSectors.empty() ? kEndOfChain : m_miniFatSectors.front());
    Put32(sector + 64, (uint32_t)m_miniFatSectors.size());
    Put32(sector + 68, m_fatIndexSectors.empty() ? kEndOfChain : m_fatIndexSectors.front());
    Put32(sector + 72, (uint32_t)m_fatIndexSectors.size());
    for (uint32_t i = 0; i < kHeaderFatSlots; ++i)
        Put32(sector + 76 + 4 * i, i < m_fatSectors.size() ? m_fatSectors[i] : kFree);
    if (!WriteAt(0, sector, sizeof sector))
        return false;

    for (size_t k = 0; k < m_fatSectors.size(); ++k) {
        for (uint32_t i = 0; i < kEntriesPerSector; ++i)
            Put32(sector + 4 * i, m_fat[k * kEntriesPerSector + i]);
        if (!WriteAt(SectorOffset(m_fatSectors[k]), sector, sizeof sector))
            return false;
    }
    for (size_t k = 0; k < m_fatIndexSectors.size(); ++k) {
        for (uint32_t i = 0; i < kIndexSlotsPerSector; ++i) {
            size_t slot = kHeaderFatSlots + k * kIndexSlotsPerSector + i;
            Put32(sector + 4 * i, slot < m_fatSectors.size() ? m_fatSectors[slot] : kFree);
        }
        Put32(sector + 4 * kIndexSlotsPerSector,
              k + 1 < m_fatIndexSectors.size() ? m_fatIndexSectors[k + 1] : kEndOfChain);
        if (!WriteAt(SectorOffset(m_fatIndexSectors[k]), sector, sizeof sector))
            return false;
    }
    for (size_t k = 0; k < m_miniFatSectors.size(); ++k) {
        for (uint32_t i = 0; i < kEntriesPerSector; ++i)
            Put32(sector + 4 * i, m_miniFat[k * kEntriesPerSector + i]);
        if (!WriteAt(SectorOffset(m_miniFatSectors[k]), sector, sizeof sector))
            return false;
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
                Put32(p + 68, kFree);
                Put32(p + 72, kFree);
                Put32(p + 76, kFree);
                continue;
            }
            const CDirEntry& e = m_entries[index];
            for (size_t c = 0; c < e.name.size(); ++c)
                Put16(p + 2 * c, e.name[c]);
            Put16(p + 64, (uint16_t)((e.name.size() + 1) * 2));
            Put8(p + 66, e.type);
            Put8(p + 67, e.colour);
            Put32(p + 68, e.left);
            Put32(p + 72, e.right);
            Put32(p + 76, e.child);
            Put32(p + 116, e.start);
            Put32(p + 120, e.size);
        }
        if (!WriteAt(SectorOffset(m_directorySectors[k]), sector, sizeof sector))
            return false;
    }
    if (fflush(m_file) != 0)
        return false;
    return ftruncate(fileno(m_file), (off_t)SectorOffset(m_sectorCount)) == 0;
}
