// Entry names: from stored bytes to wide text, and whether a name stays
// inside the folder it is extracted to.
#pragma once

#include <string>
#include <vector>

namespace ZipNames {

// Stored name bytes to wide text. UTF-8 when general-purpose bit 11 says so,
// or when a Unix or macOS zip tool made the entry (they store the file
// system's UTF-8 names without the flag) and the bytes are valid UTF-8;
// otherwise GBK, what Chinese Windows zip tools write. Backslashes become
// "/" after decoding, so a GBK trail byte 0x5C is never taken for one.
std::wstring Decode(const std::string& stored, bool utf8Flag, int hostSystem);

bool IsValidUtf8(const std::string& bytes);

// Not empty, not absolute, no drive letter, no ".." component; "/" and "\"
// both separate components.
bool IsSafe(const std::wstring& name);

// The components of a path, "/" separated, without empty and "." ones.
std::vector<std::wstring> Components(const std::wstring& path);

}  // namespace ZipNames
