// CCalcResultFiles: the result files of one project, shared by the reading
// steps of one load.
//
// Several steps read the same file. Each file is opened once, and every
// step gets it back from its first line, so a file refused at the open (a
// FIFO, a device, an oversized file) and a too-long line are said once per
// file, not once per step that reads it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "readers/CalcResultFile.h"

class CCalcResultFiles {
public:
    // The file at path, from its first line; null when it cannot be read
    // (asked for again, it is not tried again).
    CCalcResultFile* Open(const std::wstring& path);

private:
    // A null entry: tried and not opened.
    std::map<std::wstring, std::unique_ptr<CCalcResultFile>> m_files;
};
