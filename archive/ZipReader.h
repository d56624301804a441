// One open archive: the end record, the walk over the central directory,
// the one-entry cache, and copying an entry's data to a sink.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "archive/ZipArchive.h"
#include "archive/ZipCentralRecord.h"
#include "archive/ZipEndRecord.h"
#include "archive/ZipFile.h"

class CZipDataSink;

class CZipReader {
public:
    // Opens and indexes the archive; null when it is not a readable one.
    static std::unique_ptr<CZipReader> Open(const std::wstring& path);

    int EntryCount() const { return m_end.m_entryCount; }
    // The current folder at opening time with "/" appended; relative
    // destinations are taken from it.
    const std::wstring& BaseFolder() const { return m_baseFolder; }

    // Describes entry index (index -1: the number of entries). Also gives
    // the entry's external attributes, where the Unix permission bits live.
    ZipResult Describe(int index, ZipEntry& entry, uint32_t* externalAttributes = nullptr);

    // Moves the walk to entry index (0 .. count - 1); Corrupt when a record
    // on the way cannot be read.
    ZipResult MoveTo(int index);

    // Sends the data of entry index to sink: WriteFailed when the archive
    // cannot be read or the sink refuses, BadData when the data is short or
    // fails its CRC, Corrupt when the entry cannot be reached.
    ZipResult CopyData(int index, CZipDataSink& sink);

    // The compression method and general-purpose flags of entry index as
    // its central record gives them; false when the record cannot be
    // reached. Tells an unsupported method or encryption from damage.
    bool EntryStorage(int index, uint16_t& method, uint16_t& flags);

private:
    CZipReader();
    void ParseCurrent();
    void Restart();

    CZipFile m_file;
    CZipEndRecord m_end;
    std::wstring m_baseFolder;

    int m_currentIndex;
    uint64_t m_currentPosition;  // relative to the archive proper
    CZipCentralRecord m_current;
    bool m_currentValid;

    ZipEntry m_cached;
    uint32_t m_cachedAttributes;
    int m_cachedIndex;  // -1: nothing cached
};
