// Reads written workbooks back through independent readers (xlrd for the
// cells, olefile for the container), run by the Debian python.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tmtest {

struct CReadCell {
    bool isText = false;
    std::wstring text;
    double number = 0;
};

struct CReadSheet {
    std::wstring name;
    int rows = 0;
    int columns = 0;
    std::map<std::pair<int, int>, CReadCell> cells;
};

struct CReadStream {
    std::wstring path;
    uint32_t size = 0;
    std::string content;
};

struct CReadDocument {
    std::vector<CReadStream> streams;
    std::vector<std::wstring> storages;
    const CReadStream* Find(const std::wstring& path) const;
};

// Empty error when xlrd read the file; otherwise what the reader said.
std::string ReadCellsBack(const std::string& path, std::vector<CReadSheet>& sheets);
std::string ReadStreamsBack(const std::string& path, CReadDocument& document);

// The file's bytes, and little-endian fields of them.
std::string FileBytes(const std::string& path);
uint32_t Le32(const std::string& bytes, size_t offset);
uint16_t Le16(const std::string& bytes, size_t offset);

}  // namespace tmtest

namespace tmtest {

// One BIFF record of a stream as written: where it starts, its type, its
// data (CONTINUE records are separate entries).
struct CStreamRecord {
    size_t position;
    uint16_t type;
    std::string data;
};

std::vector<CStreamRecord> SplitRecords(const std::string& stream);

}  // namespace tmtest
