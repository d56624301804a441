// Choosing the reader by the archive's first bytes, and unpacking a zip
// archive entry by entry through the zip calls.
#include "archive/ArchiveUnpack.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "archive/LibArchiveUnpack.h"
#include "archive/ZipArchive.h"
#include "archive/ZipDataSink.h"
#include "archive/ZipHandleData.h"
#include "archive/ZipNames.h"
#include "tools/TmOS.h"

namespace {

const uint16_t kZipEncrypted = 0x0001;  // general-purpose flag bit 0

class CDiscardSink : public CZipDataSink {
public:
    bool Write(const char*, size_t) override { return true; }
};

// The first bytes of the file; empty when it cannot be read. errorNumber
// gets errno of a failed open.
std::string Leading(const std::wstring& path, size_t count, int& errorNumber)
{
    errorNumber = 0;
    int fd = open(TMTOOLS::OS::NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        errorNumber = errno;
        return std::string();
    }
    std::string bytes(count, '\0');
    ssize_t n = read(fd, &bytes[0], count);
    close(fd);
    bytes.resize(n > 0 ? (size_t)n : 0);
    return bytes;
}

bool StartsWith(const std::string& bytes, const char* magic, size_t size)
{
    return bytes.size() >= size && memcmp(bytes.data(), magic, size) == 0;
}

// An entry that failed on the way out: if its data reads whole, the fault
// lies with the folder, otherwise with the archive.
ArchiveUnpackStatus BlameOfFailedEntry(CZipReader& reader, int index)
{
    CDiscardSink discard;
    return reader.CopyData(index, discard) == ZipResult::Ok ? ArchiveUnpackStatus::CannotWrite
                                                              : ArchiveUnpackStatus::Damaged;
}

// An entry that cannot be described: an unknown method or encryption is
// not damage.
ArchiveUnpackStatus BlameOfUnreadableEntry(CZipReader& reader, int index)
{
    uint16_t method = 0, flags = 0;
    if (!reader.EntryStorage(index, method, flags))
        return ArchiveUnpackStatus::Damaged;
    if (flags & kZipEncrypted)
        return ArchiveUnpackStatus::Encrypted;
    if (method != 0 && method != 8)
        return ArchiveUnpackStatus::Unsupported;
    return ArchiveUnpackStatus::Damaged;
}

void UnpackZipEntries(ZipHandle archive, const std::wstring& folder, const CArchiveLimits& limits,
                      CArchiveUnpackResult& result)
{
    CZipReader& reader = *archive->m_reader;
    const int count = reader.EntryCount();
    if ((uint32_t)count > limits.m_maxEntries) {
        result.m_status = ArchiveUnpackStatus::TooLarge;
        return;
    }
    uint64_t total = 0;
    for (int index = 0; index < count; ++index) {
        ZipEntry entry;
        const ZipResult described = ZipGetEntry(archive, index, &entry);
        if (described == ZipResult::BadName) {
            // Too long, or with a zero byte: it cannot be named, but it
            // does not stop the entries after it.
            result.m_refused.push_back({index, std::wstring()});
            continue;
        }
        if (described != ZipResult::Ok) {
            result.m_status = BlameOfUnreadableEntry(reader, index);
            return;
        }
        if (ZipNames::IsDesktopLitter(entry.m_name))
            continue;
        uint16_t method = 0, flags = 0;
        if (reader.EntryStorage(index, method, flags) && (flags & kZipEncrypted)) {
            result.m_status = ArchiveUnpackStatus::Encrypted;
            return;
        }
        total += entry.m_uncompressedSize;
        if (entry.m_uncompressedSize > limits.m_maxEntryBytes || total > limits.m_maxTotalBytes) {
            result.m_status = ArchiveUnpackStatus::TooLarge;
            return;
        }
        switch (ZipExtractEntryUnder(archive, index, folder.c_str())) {
        case ZipResult::Ok: break;
        case ZipResult::BadName: result.m_refused.push_back({index, entry.m_name}); break;
        case ZipResult::CannotOpenFile:
        case ZipResult::WriteFailed: result.m_status = BlameOfFailedEntry(reader, index); return;
        default: result.m_status = ArchiveUnpackStatus::Damaged; return;
        }
    }
}

}  // namespace

CArchiveUnpackResult UnpackArchive(const std::wstring& archivePath, const std::wstring& folder,
                                   const CArchiveLimits& limits)
{
    CArchiveUnpackResult result;
    int openError = 0;
    const std::string leading = Leading(archivePath, 8, openError);
    if (openError != 0) {
        result.m_status = ArchiveUnpackStatus::CannotRead;
        return result;
    }
    if (StartsWith(leading, "Rar!\x1A\x07", 6) || StartsWith(leading, "7z\xBC\xAF\x27\x1C", 6)) {
        UnpackWithLibArchive(archivePath, folder, limits, result);
        return result;
    }

    ZipHandle archive = ZipOpenFile(archivePath.c_str());
    if (!archive) {
        // A file that begins like a zip archive but has no readable end
        // record was cut short; one that is only an end record is an empty
        // archive (our reader does not open it); anything else is no
        // archive at all.
        if (StartsWith(leading, "PK\x05\x06", 4))
            return result;
        result.m_status = StartsWith(leading, "PK\x03\x04", 4) ? ArchiveUnpackStatus::Damaged
                                                                : ArchiveUnpackStatus::NotAnArchive;
        return result;
    }
    UnpackZipEntries(archive, folder, limits, result);
    ZipClose(archive);
    return result;
}
