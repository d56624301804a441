// Reading zip archives from disk and writing their entries out as files.
//
// Read-only towards archives; no encryption, no multi-volume archives, no
// zip64. Nothing here shows a message: results are codes.
//
// Calling order: ZipOpenFile; any number of ZipGetEntry / ZipExtractEntry /
// ZipExtractEntryUnder calls in any index order (ascending is the cheap one:
// the central directory is walked one record at a time); ZipClose. Every
// call accepts a null handle and answers BadArgument, so the result of a
// failed open can be passed on untested.
//
// Unpacking an archive handed in by someone else: list the entries with
// ZipGetEntry from index 0 upward and hand each index, directory entries
// included, to ZipExtractEntryUnder with the destination folder. It refuses
// names that would leave that folder, creates the entry's folders itself,
// never follows a link below the destination folder and never creates one.
// Do not build paths from entry names yourself; if you must, test them with
// ZipIsSafeEntryName first.
#pragma once

#include <cstdint>

enum class ZipResult : uint32_t {
    Ok = 0,
    // The archive file, or the output file of an extraction, cannot be
    // opened or created (also: a link or a non-folder is in the way).
    CannotOpenFile = 0x200,
    // Extraction failed reading the entry data or writing the output.
    WriteFailed = 0x400,
    // The entry's data does not inflate to its declared size or fails its
    // CRC-32 check; what was produced stays in the output file.
    BadData = 0x500,
    // The entry's local header disagrees with its central record, uses a
    // method other than stored or deflated, or the central directory
    // cannot be walked up to the entry.
    Corrupt = 0x700,
    // The entry's local extra field cannot be read.
    ReadFailed = 0x800,
    // The entry's name is 260 bytes or more or holds a zero byte
    // (ZipGetEntry), or the name or destination would leave the destination
    // folder (extraction); nothing is written.
    BadName = 0x900,
    // No handle, or an index out of range.
    BadArgument = 0x10000,
    // The handle is not an archive open for reading.
    WrongHandle = 0x80000,
};

// Windows file-attribute bits of ZipEntry::m_attributes.
const uint32_t kZipAttrReadOnly = 0x01;
const uint32_t kZipAttrHidden = 0x02;
const uint32_t kZipAttrSystem = 0x04;
const uint32_t kZipAttrDirectory = 0x10;
const uint32_t kZipAttrArchive = 0x20;
const uint32_t kZipAttrNormal = 0x80;

const int kZipMaxName = 260;

struct ZipEntry {
    // The entry's index; for a request with index -1, the number of entries.
    int32_t m_index;
    // The stored name decoded to wide text: UTF-8 when the archive says so
    // (general-purpose bit 11, or a Unix-made archive whose name is valid
    // UTF-8), else GBK as Chinese Windows zip tools write it. "\" is turned
    // into "/", so "/" alone separates folders. A directory entry's name
    // ends with "/".
    wchar_t m_name[kZipMaxName];
    uint32_t m_attributes;
    // FILETIME values: 100-ns units since 1601-01-01 UTC; 0 = unknown.
    uint64_t m_accessTime;
    uint64_t m_creationTime;
    uint64_t m_modificationTime;
    uint32_t m_compressedSize;
    uint32_t m_uncompressedSize;
};

struct CZipHandleData;
typedef CZipHandleData* ZipHandle;

// Opens and indexes the archive; null when the file cannot be opened or is
// not a readable archive.
ZipHandle ZipOpenFile(const wchar_t* path);

// Describes entry index; index -1 gives the number of entries in m_index.
ZipResult ZipGetEntry(ZipHandle handle, int index, ZipEntry* entry);

// Writes entry index to the file destPath (a directory entry: creates that
// folder). A relative destPath is taken from the current folder at opening
// time and its missing folders are made; for an absolute one the folder
// must exist. A destPath with a ".." component is refused. When destPath
// is a folder, "/" and the entry's name, the name is vetted and no link
// below that folder is followed.
ZipResult ZipExtractEntry(ZipHandle handle, int index, const wchar_t* destPath);

// Writes entry index below folder, at the path its name gives: creates the
// missing folders (a directory entry: its own folder), refuses names that
// are absolute, carry a drive letter or climb with "..", never follows or
// creates a link below folder. folder itself must exist; a relative one is
// taken from the current folder at opening time, one with a ".." component
// is refused.
ZipResult ZipExtractEntryUnder(ZipHandle handle, int index, const wchar_t* folder);

// True when name (as ZipEntry gives it) stays below the folder it is
// extracted to: not empty, not absolute, no drive letter, no ".." component
// with either separator.
bool ZipIsSafeEntryName(const wchar_t* name);

// Closes the archive and frees the handle.
ZipResult ZipClose(ZipHandle handle);
