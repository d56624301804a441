// Replacing a file so that readers see either the old or the new content.
//
// The workspace files (config.xml, projectlist.txt), exported standards
// and the class workbook are written to a temporary file beside the
// target, flushed to disk, then renamed over it: a crash, a full disk or a
// write error mid-way leaves the previous file as it was. What sits at the
// path is treated as tools/TmOutputFile.h says: a link is written through,
// the mode of a replaced file kept, a FIFO or a device never replaced.
#pragma once

#include <functional>
#include <string>

// Writes bytes to path atomically; false (and the old file untouched) when
// any step fails, with errno saying why. A path that names a folder, a
// special file, a link to nothing or a dangling parent fails.
bool ReplaceFileAtomically(const std::wstring& path, const std::string& bytes);

// The same for a writer that wants a file name of its own (a library that
// opens the file itself): write is handed the native path of an empty
// temporary file beside path, fills it and returns true when it succeeded.
bool ReplaceFileByWriting(const std::wstring& path, const std::function<bool(const std::string& temporary)>& write);
