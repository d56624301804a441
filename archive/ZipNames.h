// Entry names: from stored bytes to wide text, and whether a name stays
// inside the folder it is extracted to.
#pragma once

#include <string>
#include <vector>

namespace ZipNames {

// Stored name bytes to wide text. The name of an Info-ZIP Unicode path
// field (0x7075) in extra, when its CRC is that of the stored name (a tool
// that renamed the entry without knowing the field leaves a stale one);
// otherwise UTF-8 when general-purpose bit 11 says so or when the bytes
// look like UTF-8 (Mac "Compress" and Linux zip store UTF-8 names without
// the flag; why the guess is safe: LooksLikeUtf8 in TmString.h); otherwise
// GBK, what Chinese Windows zip tools write. Backslashes become "/" after
// decoding, so a GBK trail byte 0x5C is never taken for one.
std::wstring Decode(const std::string& stored, bool utf8Flag, const unsigned char* extra = nullptr,
                    size_t extraLength = 0);

// Bytes as a name: UTF-8 when they look like it, else GBK; "\" as "/".
std::wstring DecodeUnflagged(const std::string& bytes);

// What desktops leave beside a student's files and no project needs: the
// __MACOSX folder and AppleDouble "._" files of Mac archives, .DS_Store,
// Thumbs.db and desktop.ini (those two in any case). Such entries are
// never unpacked.
bool IsDesktopLitter(const std::wstring& name);

// Not empty, not absolute, no drive letter, no ".." component; "/" and "\"
// both separate components.
bool IsSafe(const std::wstring& name);

// The components of a path, "/" separated, without empty and "." ones.
std::vector<std::wstring> Components(const std::wstring& path);

}  // namespace ZipNames
