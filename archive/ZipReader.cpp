// Opening an archive, walking its central directory, describing entries.
#include "archive/ZipReader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "archive/ZipDataSink.h"
#include "archive/ZipEntryReader.h"
#include "archive/ZipNames.h"
#include "archive/ZipTimes.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

const uint32_t kUnixTypeMask = 0xF0000000;
const uint32_t kUnixDirectory = 0x40000000;  // S_IFDIR in the upper half
const uint32_t kUnixOwnerWrite = 0x00800000;

// Windows attribute bits from the external attributes: the DOS half, or the
// Unix half when the archive was made where permissions exist.
uint32_t AttributesOf(uint32_t external, const std::wstring& name)
{
    uint32_t attributes = kZipAttrNormal;
    bool unixHalf = (external >> 16) != 0;
    if ((external & kUnixTypeMask) == kUnixDirectory || (external & kZipAttrDirectory) ||
        (!name.empty() && name.back() == L'/'))
        attributes = kZipAttrNormal | kZipAttrDirectory;
    attributes |= external & (kZipAttrArchive | kZipAttrHidden | kZipAttrSystem);
    // Read-only is the DOS bit, or a Unix owner without write permission;
    // an archive from Windows leaves the Unix half zero and says nothing.
    if ((external & kZipAttrReadOnly) || (unixHalf && !(external & kUnixOwnerWrite)))
        attributes |= kZipAttrReadOnly;
    return attributes;
}

std::wstring CurrentFolder()
{
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE || buffer.size() > (1u << 20))
            return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
    std::wstring folder;
    TMTOOLS::String::EncodeUnicode(0, std::string(buffer.data()), folder);
    if (folder.empty() || folder.back() != L'/')
        folder += L'/';
    return folder;
}

}  // namespace

CZipReader::CZipReader()
    : m_currentIndex(0), m_currentPosition(0), m_currentValid(false), m_cachedAttributes(0), m_cachedIndex(-1)
{
    memset(&m_cached, 0, sizeof m_cached);
}

std::unique_ptr<CZipReader> CZipReader::Open(const std::wstring& path)
{
    std::unique_ptr<CZipReader> reader(new CZipReader());
    if (!reader->m_file.Open(TMTOOLS::OS::NativePath(path)))
        return nullptr;
    reader->m_baseFolder = CurrentFolder();
    if (!reader->m_end.Find(reader->m_file))
        return nullptr;
    // The handle is given even when the first record cannot be read; that
    // entry then counts as unreadable.
    reader->Restart();
    return reader;
}

void CZipReader::Restart()
{
    m_currentIndex = 0;
    m_currentPosition = m_end.m_directoryOffset;
    ParseCurrent();
}

void CZipReader::ParseCurrent()
{
    m_currentValid = m_current.Read(m_file, m_currentPosition + m_end.m_prefixLength);
}

ZipResult CZipReader::MoveTo(int index)
{
    if (index < 0 || index >= EntryCount())
        return ZipResult::BadArgument;
    if (index < m_currentIndex)
        Restart();
    // Each step moves forward by a whole record, so the walk ends; a record
    // that cannot be read ends it early.
    while (m_currentValid && m_currentIndex < index) {
        m_currentPosition += m_current.RecordSize();
        ++m_currentIndex;
        ParseCurrent();
    }
    return m_currentValid && m_currentIndex == index ? ZipResult::Ok : ZipResult::Corrupt;
}

ZipResult CZipReader::Describe(int index, ZipEntry& entry, uint32_t* externalAttributes)
{
    if (index < -1 || index >= EntryCount())
        return ZipResult::BadArgument;
    if (index == -1) {
        memset(&entry, 0, sizeof entry);
        entry.m_index = EntryCount();
        return ZipResult::Ok;
    }
    if (index == m_cachedIndex) {
        entry = m_cached;
        if (externalAttributes)
            *externalAttributes = m_cachedAttributes;
        return ZipResult::Ok;
    }
    ZipResult moved = MoveTo(index);
    if (moved != ZipResult::Ok)
        return moved;
    const CZipCentralRecord& record = m_current;
    if (record.m_nameTooLong || record.m_name.find('\0') != std::string::npos)
        return ZipResult::BadName;

    uint64_t extraPosition, dataPosition;
    uint16_t extraLength;
    if (!record.CheckLocalHeader(m_file, m_end.m_prefixLength, extraPosition, extraLength, dataPosition))
        return ZipResult::Corrupt;
    std::vector<unsigned char> extra(extraLength);
    if (extraLength > 0 && !m_file.ReadAt(extraPosition, extra.data(), extraLength))
        return ZipResult::ReadFailed;

    ZipEntry described;
    memset(&described, 0, sizeof described);
    described.m_index = index;
    std::wstring name = ZipNames::Decode(record.m_name, record.HasUtf8Name(), extra.data(), extra.size());
    // At most 259 bytes were stored and each gives at most one character.
    size_t length = std::min<size_t>(name.size(), kZipMaxName - 1);
    wmemcpy(described.m_name, name.data(), length);
    described.m_name[length] = L'\0';
    described.m_attributes = AttributesOf(record.m_externalAttributes, name);
    uint64_t dosTime = ZipTimes::DosToFileTime(record.m_dosDateTime);
    described.m_accessTime = described.m_creationTime = described.m_modificationTime = dosTime;
    ZipTimes::ApplyExtendedTimestamp(extra.data(), extra.size(), described.m_modificationTime,
                                     described.m_accessTime, described.m_creationTime);
    described.m_compressedSize = record.m_compressedSize;
    described.m_uncompressedSize = record.m_uncompressedSize;

    m_cached = described;
    m_cachedAttributes = record.m_externalAttributes;
    m_cachedIndex = index;
    entry = described;
    if (externalAttributes)
        *externalAttributes = record.m_externalAttributes;
    return ZipResult::Ok;
}

ZipResult CZipReader::CopyData(int index, CZipDataSink& sink)
{
    ZipResult moved = MoveTo(index);
    if (moved != ZipResult::Ok)
        return moved;
    CZipEntryReader reader;
    if (!reader.Open(m_file, m_current, m_end.m_prefixLength))
        return ZipResult::WriteFailed;
    std::unique_ptr<char[]> whole;
    size_t wholeSize = 0;
    if (reader.InflateWhole(whole, wholeSize)) {
        if (wholeSize > 0 && !sink.Write(whole.get(), wholeSize))
            return ZipResult::WriteFailed;
        return reader.CrcMatches() ? ZipResult::Ok : ZipResult::BadData;
    }
    std::vector<char> buffer(CZipEntryReader::kChunk);
    for (;;) {
        int n = reader.Read(buffer.data(), (unsigned)buffer.size());
        if (n < 0)
            return ZipResult::WriteFailed;
        if (n == 0)
            break;
        if (!sink.Write(buffer.data(), (size_t)n))
            return ZipResult::WriteFailed;
    }
    return reader.CrcMatches() ? ZipResult::Ok : ZipResult::BadData;
}

bool CZipReader::EntryStorage(int index, uint16_t& method, uint16_t& flags)
{
    if (MoveTo(index) != ZipResult::Ok)
        return false;
    method = m_current.m_method;
    flags = m_current.m_flags;
    return true;
}
