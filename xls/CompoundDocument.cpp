// Compound document writer: creating the document, the directory and its
// trees, and writing a stream's content into its sectors or mini sectors.
// Sector allocation, compaction and saving are in CompoundDocumentSectors.cpp.
#include "xls/CompoundDocument.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "tools/TmString.h"
#include "xls/CompoundDocumentFormat.h"
#include "xls/Utf16.h"

using namespace CompoundFormat;

namespace {

// UTF-16 form of a name; false when it holds a character UTF-16 cannot
// carry or that the format forbids in names.
bool ToUtf16Name(const std::wstring& text, std::u16string& name)
{
    if (text.find_first_of(std::wstring(L"\\:!\0", 4)) != std::wstring::npos)
        return false;
    return XlsUtf16::FromWide(text, name) && !name.empty();
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

CompoundDocument::CompoundDocument() : m_file(-1), m_fileSize(0), m_sectorCount(0), m_freeHint(0)
{
}

CompoundDocument::~CompoundDocument()
{
    Close();
}

int CompoundDocument::Create(const std::wstring& fileName)
{
    Close();
    if (fileName.empty() || fileName.find(L'\0') != std::wstring::npos)
        return kBadName;
    // The name must come back from the file system as it went in; bytes
    // that are not UTF-8, held as escapes, do.
    std::string native;
    TMTOOLS::String::DecodeUnicode(0, fileName, native);
    std::wstring back;
    TMTOOLS::String::EncodeUnicode(0, native, back);
    if (back != fileName)
        return kBadName;
    // An existing file is emptied; an empty one is left alone, as a
    // truncation marks the file for writing back at close on some file
    // systems (ext4), which costs more than the whole save.
    m_file = open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_file < 0)
        return kBadName;
    struct stat st;
    if (fstat(m_file, &st) != 0 || (st.st_size > 0 && ftruncate(m_file, 0) != 0)) {
        Close();
        return kBadName;
    }
    m_fileSize = 0;
    m_image.clear();

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
    if (m_file >= 0 && close(m_file) != 0)
        result = kWriteFailed;
    m_file = -1;
    m_fileSize = 0;
    m_image.clear();  // the capacity stays for the next document
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
    if (m_file < 0 || path.empty())
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
    WriteSectors(chain, data, length);
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
        WriteAt(at, block, kMiniSectorSize);
    }
    return true;
}

void CompoundDocument::ReleaseMiniChain(uint32_t start)
{
    for (uint32_t mini : MiniChain(start))
        m_miniFat[mini] = kFree;
}
