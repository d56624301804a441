// Replacing a file so that readers see either the old or the new content.
//
// The workspace files (config.xml, projectlist.txt) and exported standards
// are written to a temporary file beside the target, flushed to disk, then
// renamed over it: a crash, a full disk or a write error mid-way leaves the
// previous file as it was.
#pragma once

#include <string>

// Writes bytes to path atomically; false (and the old file untouched) when
// any step fails. A path that names a folder or a dangling parent fails.
bool ReplaceFileAtomically(const std::wstring& path, const std::string& bytes);
