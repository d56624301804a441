// CCalcResultFiles: the result files of one project, shared by the reading
// steps of one load.
//
// Several steps read the same file. Each file is opened once, and every
// step gets it back from its first line, so a file refused at the open (a
// FIFO, a device, an oversized file) and a too-long line are said once per
// file, not once per step that reads it.
//
// A file is asked for by the name derived from the .prj path and found as
// Windows would find it, whatever the case of its name on disk
// (CFileNameLookup).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "readers/CalcResultFile.h"

namespace TMTOOLS {
namespace OS {
class CFileNameLookup;
}
}  // namespace TMTOOLS

// What became of one result file in a load.
enum TmResultFileState {
    TM_RESULT_FILE_UNTRIED,      // no step asked for it
    TM_RESULT_FILE_MISSING,      // not found, or refused at the open
    TM_RESULT_FILE_UNRECOGNISED, // read, but no heading of it found
    TM_RESULT_FILE_READ,
};

class CCalcResultFiles {
public:
    // names: where derived names are looked up; null for a lookup of its
    // own.
    explicit CCalcResultFiles(TMTOOLS::OS::CFileNameLookup* names = nullptr);
    ~CCalcResultFiles();

    // The file named path, from its first line; null when it cannot be
    // read (asked for again, it is not tried again).
    CCalcResultFile* Open(const std::wstring& path);
    // What the steps so far made of the file named path.
    TmResultFileState State(const std::wstring& path) const;

private:
    std::unique_ptr<TMTOOLS::OS::CFileNameLookup> m_ownNames;
    TMTOOLS::OS::CFileNameLookup* m_names;
    // By the derived name; a null entry: tried and not opened.
    std::map<std::wstring, std::unique_ptr<CCalcResultFile>> m_files;
};
