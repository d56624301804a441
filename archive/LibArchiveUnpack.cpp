// The libarchive reading loop: names decoded, kinds vetted, data copied
// with bounds, errors told apart.
#include "archive/LibArchiveUnpack.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "archive/ZipFileSink.h"
#include "archive/ZipFolderWalk.h"
#include "archive/ZipNames.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

const size_t kChunk = 65536;

// libarchive converts names to the thread's locale: under C.UTF-8 it hands
// them over as UTF-8, whatever locale the program runs in.
class CUtf8Locale {
public:
    CUtf8Locale() : m_locale(newlocale(LC_CTYPE_MASK, "C.UTF-8", (locale_t)0)), m_previous((locale_t)0)
    {
        if (m_locale)
            m_previous = uselocale(m_locale);
    }
    ~CUtf8Locale()
    {
        if (m_locale) {
            uselocale(m_previous);
            freelocale(m_locale);
        }
    }
    CUtf8Locale(const CUtf8Locale&) = delete;
    CUtf8Locale& operator=(const CUtf8Locale&) = delete;

private:
    locale_t m_locale;
    locale_t m_previous;
};

// UTF-8 when libarchive could give it (7z names are UTF-16, rar names
// either flagged Unicode or, by the option set below, GBK); otherwise the
// stored bytes, as UTF-8 if they look like it, else as GBK.
std::wstring EntryName(archive_entry* entry)
{
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return ZipNames::Decode(utf8, true);
    if (const char* raw = archive_entry_pathname(entry))
        return ZipNames::DecodeUnflagged(raw);
    return std::wstring();
}

// What a failed libarchive call means for the user.
ArchiveUnpackStatus StatusOfError(archive* reader)
{
    const char* text = archive_error_string(reader);
    const std::string message = text ? text : "";
    for (const char* word : {"ncrypt", "assword"}) {
        if (message.find(word) != std::string::npos)
            return ArchiveUnpackStatus::Encrypted;
    }
    for (const char* word : {"nsupported", "not supported"}) {
        if (message.find(word) != std::string::npos)
            return ArchiveUnpackStatus::Unsupported;
    }
    return ArchiveUnpackStatus::Damaged;
}

class CLibArchiveUnpacker {
public:
    CLibArchiveUnpacker(const std::wstring& folder, const CArchiveLimits& limits, CArchiveUnpackResult& result)
        : m_folder(folder), m_limits(limits), m_result(result), m_reader(archive_read_new()), m_total(0)
    {
    }
    ~CLibArchiveUnpacker() { archive_read_free(m_reader); }
    CLibArchiveUnpacker(const CLibArchiveUnpacker&) = delete;
    CLibArchiveUnpacker& operator=(const CLibArchiveUnpacker&) = delete;

    void Run(const std::wstring& archivePath)
    {
        archive_read_support_format_rar(m_reader);
        archive_read_support_format_rar5(m_reader);
        archive_read_support_format_7zip(m_reader);
        // Names a rar archive does not flag as Unicode are in the code page
        // of the Windows that made it: GBK for our students.
        archive_read_set_format_option(m_reader, "rar", "hdrcharset", "CP936");
        if (archive_read_open_filename(m_reader, TMTOOLS::OS::NativePath(archivePath).c_str(), kChunk) !=
            ARCHIVE_OK) {
            const int error = archive_errno(m_reader);
            m_result.m_status = error == ENOENT || error == EACCES ? ArchiveUnpackStatus::CannotRead
                                                                   : StatusOfError(m_reader);
            return;
        }
        archive_entry* entry = nullptr;
        for (int index = 0;; ++index) {
            const int next = archive_read_next_header(m_reader, &entry);
            if (next == ARCHIVE_EOF)
                return;
            if (next != ARCHIVE_OK && next != ARCHIVE_WARN) {
                m_result.m_status = StatusOfError(m_reader);
                return;
            }
            if ((uint32_t)index >= m_limits.m_maxEntries) {
                m_result.m_status = ArchiveUnpackStatus::TooLarge;
                return;
            }
            if (archive_entry_is_encrypted(entry)) {
                m_result.m_status = ArchiveUnpackStatus::Encrypted;
                return;
            }
            m_result.m_status = WriteEntry(index, entry);
            if (m_result.m_status != ArchiveUnpackStatus::Ok)
                return;
        }
    }

private:
    ArchiveUnpackStatus WriteEntry(int index, archive_entry* entry)
    {
        const std::wstring name = EntryName(entry);
        if (ZipNames::IsDesktopLitter(name))
            return ArchiveUnpackStatus::Ok;
        const mode_t type = archive_entry_filetype(entry);
        const bool folder = type == AE_IFDIR;
        // Links (hard ones too), devices and pipes are never made.
        if (name.empty() || !ZipNames::IsSafe(name) || archive_entry_hardlink(entry) ||
            (type != AE_IFREG && !folder)) {
            m_result.m_refused.push_back({index, name});
            return ArchiveUnpackStatus::Ok;
        }
        const std::vector<std::wstring> parts = ZipNames::Components(name);
        if (parts.empty())
            return ArchiveUnpackStatus::Ok;  // "./": the folder itself
        // The owner may always read and write what was unpacked.
        const mode_t mode = (archive_entry_perm(entry) & 0777) | (folder ? 0700 : 0600);

        CZipFolderWalk walk;
        if (!walk.OpenRoot(m_folder))
            return ArchiveUnpackStatus::CannotWrite;
        for (size_t i = 0; i + 1 < parts.size(); ++i) {
            if (!walk.Descend(parts[i], true, 0755))
                return ArchiveUnpackStatus::CannotWrite;
        }
        if (folder)
            return walk.Descend(parts.back(), true, mode) ? ArchiveUnpackStatus::Ok : ArchiveUnpackStatus::CannotWrite;
        if (archive_entry_size_is_set(entry) && (uint64_t)archive_entry_size(entry) > m_limits.m_maxEntryBytes)
            return ArchiveUnpackStatus::TooLarge;

        const int fd = walk.CreateFile(parts.back(), mode);
        if (fd < 0)
            return ArchiveUnpackStatus::CannotWrite;
        ArchiveUnpackStatus status = CopyData(fd);
        if (status == ArchiveUnpackStatus::Ok && archive_entry_mtime_is_set(entry)) {
            struct timespec times[2];
            times[0].tv_nsec = UTIME_OMIT;
            times[1].tv_sec = archive_entry_mtime(entry);
            times[1].tv_nsec = archive_entry_mtime_nsec(entry);
            futimens(fd, times);
        }
        if (close(fd) != 0 && status == ArchiveUnpackStatus::Ok)
            status = ArchiveUnpackStatus::CannotWrite;
        return status;
    }

    // The declared size is not trusted: the bounds count what comes out.
    ArchiveUnpackStatus CopyData(int fd)
    {
        CZipFileSink file(fd);
        std::vector<char> buffer(kChunk);
        uint64_t written = 0;
        for (;;) {
            const la_ssize_t n = archive_read_data(m_reader, buffer.data(), buffer.size());
            if (n == 0)
                return ArchiveUnpackStatus::Ok;
            if (n < 0)
                return StatusOfError(m_reader);
            written += (uint64_t)n;
            m_total += (uint64_t)n;
            if (written > m_limits.m_maxEntryBytes || m_total > m_limits.m_maxTotalBytes)
                return ArchiveUnpackStatus::TooLarge;
            if (!file.Write(buffer.data(), (size_t)n))
                return ArchiveUnpackStatus::CannotWrite;
        }
    }

    const std::wstring& m_folder;
    const CArchiveLimits& m_limits;
    CArchiveUnpackResult& m_result;
    archive* m_reader;
    uint64_t m_total;
};

}  // namespace

void UnpackWithLibArchive(const std::wstring& archivePath, const std::wstring& folder, const CArchiveLimits& limits,
                          CArchiveUnpackResult& result)
{
    CUtf8Locale utf8;
    CLibArchiveUnpacker(folder, limits, result).Run(archivePath);
}
