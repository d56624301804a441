// Builds RAR 4 archives with stored (uncompressed) entries, byte by byte:
// no tool here writes rar, and the stored form is small enough to spell
// out: a marker, an archive header, one header per entry followed by its
// data, an end header; each header carries the low 16 bits of its CRC-32.
#pragma once

#include <string>
#include <vector>

namespace tmtest {

struct CRarEntry {
    std::string name;     // bytes as stored ("\" separates folders on Windows)
    std::string data;     // the file's bytes, or a link's target
    bool folder = false;
    // Made on Unix with this mode (e.g. 0120777 for a symbolic link);
    // 0: made on Windows, a plain file or folder.
    unsigned unixMode = 0;
};

std::string BuildRar(const std::vector<CRarEntry>& entries);

}  // namespace tmtest
