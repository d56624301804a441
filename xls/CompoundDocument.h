// Writer of compound documents (structured storage, version 3, 512-byte
// sectors), the container that holds the "Workbook" stream of an .xls file.
//
// It makes new files only: it creates the file, creates streams and
// storages in it and stores a stream's whole content. It does not open or
// read existing documents. The file's bytes are laid out in memory and
// written in one piece at the end of every operation, so after each one
// the header, the sector allocation tables and the directory on disk
// describe the data written so far. The file itself stays compact: sectors
// a stream gives up are cut out of the file and every sector number stored
// after them is renumbered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CompoundDocument {
public:
    // Result of every operation.
    enum {
        kSuccess = 1,
        kBadName = -1,        // empty or unusable name or path; no open document; file not creatable
        kWriteFailed = -2,    // the file could not be written, or the content is too large for the format
        kNoSuchStream = -4,   // no stream (or storage on the path) of that name
        kNameTooLong = -5,    // more than 31 UTF-16 code units
        kAlreadyExists = -6,  // the storage already holds an entry of that name (case ignored)
    };

    // Below this size a stream lives in 64-byte mini sectors.
    static const uint32_t kMiniStreamCutoff = 4096;

    CompoundDocument();
    ~CompoundDocument();
    CompoundDocument(const CompoundDocument&) = delete;
    CompoundDocument& operator=(const CompoundDocument&) = delete;

    // Closes any open document, then creates fileName anew (an existing file
    // is truncated) holding an empty root storage. The name is stored on
    // disk in its UTF-8 form; a name that has none (a lone surrogate) is
    // refused rather than silently replaced.
    int Create(const std::wstring& fileName);
    // Paths name entries below the root, components separated by "/".
    int CreateStream(const std::wstring& path);
    int CreateStorage(const std::wstring& path);
    // Replaces the stream's content with length bytes of data.
    int WriteStream(const std::wstring& path, const void* data, size_t length);
    // Closes the file; kWriteFailed when buffered data could not be flushed.
    // Closing a closed document succeeds.
    int Close();

    bool IsOpen() const { return m_file >= 0; }

private:
    struct CDirEntry {
        std::u16string name;
        uint8_t type = 0;  // 1 storage, 2 stream, 5 root
        uint8_t colour = 1;
        uint32_t left = 0xFFFFFFFF;
        uint32_t right = 0xFFFFFFFF;
        uint32_t child = 0xFFFFFFFF;
        uint32_t start = 0xFFFFFFFE;
        uint32_t size = 0;
        uint32_t parent = 0xFFFFFFFF;  // kept in memory only, for the child trees
    };

    int CreateEntry(const std::wstring& path, uint8_t type);
    int ResolvePath(const std::wstring& path, uint32_t& storage, std::u16string& name) const;
    uint32_t FindChild(uint32_t storage, const std::u16string& name) const;
    void RebuildChildTree(uint32_t storage);
    uint32_t BuildTree(std::vector<uint32_t>& sorted, size_t first, size_t last, int depth, int blackDepth);

    bool WriteBigStream(CDirEntry& entry, const uint8_t* data, uint32_t length);
    bool WriteMiniStream(CDirEntry& entry, const uint8_t* data, uint32_t length);
    void ReleaseMiniChain(uint32_t start);

    uint32_t AllocateSector();
    void AddFatSector();
    uint32_t AllocateMiniSector();
    void AppendToChain(std::vector<uint32_t>& chain, uint32_t sector);
    std::vector<uint32_t> Chain(uint32_t start) const;
    std::vector<uint32_t> MiniChain(uint32_t start) const;
    bool RemoveSectors(std::vector<uint32_t> sectors);

    void WriteAt(uint64_t offset, const void* data, size_t size);
    void WriteSectors(const std::vector<uint32_t>& sectors, const uint8_t* data, uint32_t length);
    bool Save();

    int m_file;                   // descriptor, -1 when closed
    uint64_t m_fileSize;          // bytes the file holds
    std::vector<uint8_t> m_image;  // the file's bytes as they are to be
    uint32_t m_sectorCount;  // sectors in the file after the header
    std::vector<uint32_t> m_fat;
    std::vector<uint32_t> m_miniFat;
    std::vector<uint32_t> m_fatSectors;        // in order: the header's slots, then the extra index sectors
    std::vector<uint32_t> m_fatIndexSectors;   // extra FAT-index sectors
    std::vector<uint32_t> m_miniFatSectors;    // chain of the mini FAT
    std::vector<uint32_t> m_directorySectors;  // chain of the directory
    std::vector<uint32_t> m_miniContainer;     // chain of the mini stream's container
    std::vector<CDirEntry> m_entries;          // entry 0 is the root
    uint32_t m_freeHint;                       // no free FAT entry lies below it
};
