// Unpacking a student's hand-in into a folder: a zip archive through our
// own reader (ZipArchive.h), a rar or 7z archive through libarchive. The
// kind is taken from the file's first bytes, not from its name.
//
// The same rules hold for every kind: each entry is written below the
// folder at the path its name gives and never through a link; names that
// are absolute, carry a drive letter or climb with ".." are refused, and so
// are links, devices and other entries that are neither files nor folders;
// entry count and sizes are bounded (CArchiveLimits). Names are decoded as
// the archive says (UTF-8, UTF-16), otherwise as UTF-8 when they look like
// it, else as GBK, what Chinese Windows tools write; "\" separates folders.
// What desktops leave beside the files (__MACOSX, "._" files, .DS_Store,
// Thumbs.db, desktop.ini) is skipped without a word.
//
// What it does not do: choose the folder, look for a project, or talk to
// the user. The status says what went wrong; the caller words it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ArchiveUnpackStatus {
    Ok,            // every entry written, refused ones aside
    CannotRead,    // the archive file cannot be opened
    NotAnArchive,  // neither a zip, a rar nor a 7z archive
    Damaged,       // cannot be read to its end: truncated, corrupt, bad CRC
    Unsupported,   // a compression method the readers do not handle
    Encrypted,     // entries protected by a password
    TooLarge,      // more entries or bytes than the limits allow
    CannotWrite,   // the folder does not take the files (permission, full disk)
};

// How much one archive may unpack to. The defaults are those a zip archive
// without its 64-bit extension can declare at most.
struct CArchiveLimits {
    uint32_t m_maxEntries = 65535;
    uint64_t m_maxEntryBytes = 0xFFFFFFFFull;
    uint64_t m_maxTotalBytes = 16ull << 30;
};

// An entry left out because of its name or its kind.
struct CRefusedEntry {
    int m_index;          // 0-based position in the archive
    std::wstring m_name;  // empty when the name itself could not be read
};

struct CArchiveUnpackResult {
    ArchiveUnpackStatus m_status = ArchiveUnpackStatus::Ok;
    std::vector<CRefusedEntry> m_refused;
};

// Unpacks the archive at archivePath into folder, which must exist. On a
// status other than Ok the folder holds whatever was written before the
// failure: unpack into a folder of your own and throw it away.
CArchiveUnpackResult UnpackArchive(const std::wstring& archivePath, const std::wstring& folder,
                                   const CArchiveLimits& limits = CArchiveLimits());
