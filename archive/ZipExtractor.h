// Writing one entry out: choosing the folder, creating the file, copying
// the data, applying the times.
#pragma once

#include <string>
#include <vector>

#include "archive/ZipArchive.h"

class CZipReader;

class CZipExtractor {
public:
    explicit CZipExtractor(CZipReader& reader) : m_reader(reader) {}

    // Entry index to the file (or folder) destPath, as ZipExtractEntry.
    ZipResult ExtractTo(int index, const std::wstring& destPath);
    // Entry index below folder at the path its name gives, as
    // ZipExtractEntryUnder.
    ZipResult ExtractUnder(int index, const std::wstring& folder);

private:
    // Descends from root through parts, the last one being the entry
    // itself, and writes it. Folders on the way are made when createParents
    // is set; a directory entry's own folder always is.
    ZipResult WriteAt(int index, const ZipEntry& entry, uint32_t external, const std::wstring& root,
                      const std::vector<std::wstring>& parts, bool createParents);
    std::wstring Absolute(const std::wstring& path) const;

    CZipReader& m_reader;
};
