// Paths whose bytes are not UTF-8 in the workspace files.
//
// A folder copied from a Windows USB stick may carry a GBK name. Inside,
// its path holds the bytes as escapes (TmString.h, code page 0); the
// workspace files cannot: projectlist.txt is GBK text and config.xml UTF-8.
// So such a path is stored as its bytes:
//   - projectlist.txt: the line is the path's bytes as the file system has
//     them. Reading tries the line as GBK first (every other line), then
//     as those bytes, and takes the one that names an existing file.
//   - config.xml: the path attribute keeps its readable form (a U+FFFD per
//     unreadable byte) and a second attribute carries the bytes, with
//     every byte that is not printable ASCII, and "%", written as %XX.
//     Reading takes the bytes when the readable form still matches.
// Paths without such bytes are stored exactly as before.
#pragma once

#include <string>

namespace TMTOOLS {
namespace OS {
class CFileNameLookup;
}
}  // namespace TMTOOLS

// path carries bytes that are not UTF-8 (escapes U+DC80..U+DCFF).
bool HasByteEscapes(const std::wstring& path);

// The projectlist.txt line of path (no line end), and the path of a line.
std::string ProjectListLine(const std::wstring& path);
// The line read as GBK when that names an existing file, else as file-
// system bytes when those do; failing both, the same two readings with
// names that differ only in letter case found through names (a list
// written on Windows); empty when none does.
std::wstring ProjectListPath(const std::string& line, TMTOOLS::OS::CFileNameLookup& names);

// The bytes of path with %XX escapes, and back (false for a malformed
// text).
std::string PercentEncodedBytes(const std::wstring& path);
bool PercentDecodedPath(const std::string& text, std::wstring& path);
