// Opening the files the program reads: project models, result files, the
// project list, scoring standards and archives.
//
// Only a regular file is opened, and only one no larger than a bound. A
// FIFO, a device (/dev/zero, /dev/urandom), a socket or a folder is refused
// without ever waiting on it: the open itself does not block (O_NONBLOCK,
// so a FIFO without a writer cannot hold it), the kind and the size are
// checked on the open descriptor (fstat, so a name swapped between a check
// and the open changes nothing), and only then is the descriptor put back
// into blocking mode for the reads. Reading a refused file would wait
// forever or never end; reading an accepted one ends within the bound.
//
// A file refused for what it is (a FIFO, a device, a socket) or for its
// size is said at once in a warning naming it and the bound; a missing,
// unreadable or folder path is left to the caller, since a missing result
// file is silent where a missing project is not.
#pragma once

#include <cstdio>
#include <string>

#include "tools/TmToolsApi.h"

namespace TMTOOLS {
namespace OS {

enum TmInputStatus {
    TM_INPUT_OK = 0,
    TM_INPUT_MISSING,      // no such file, or a link to nothing
    TM_INPUT_UNREADABLE,   // there, but the open fails (permissions, ...)
    TM_INPUT_FOLDER,       // a folder
    TM_INPUT_NOT_REGULAR,  // a FIFO, a device or a socket
    TM_INPUT_TOO_LARGE,    // a regular file over the bound
};

// The bound of project, result and list files: real ones are a few MB.
const long long TM_MAX_INPUT_FILE_BYTES = 256LL << 20;

// Opens the file at path for binary reading when it is a regular file of
// at most maxBytes bytes; otherwise null, with status saying why (and the
// warning above for TM_INPUT_NOT_REGULAR and TM_INPUT_TOO_LARGE).
TMTOOLS_API FILE* OpenInputFile(const wchar_t* path, long long maxBytes, TmInputStatus& status);
// Reads the whole file at path into bytes, with OpenInputFile's checks and
// warning; a file that grows past maxBytes while read is refused as too
// large. False when refused or when reading fails.
TMTOOLS_API bool ReadInputFile(const wchar_t* path, long long maxBytes, std::string& bytes,
                               TmInputStatus& status);
// The same check as a descriptor for positioned reads, from a native
// (UTF-8) path, saying nothing; -1 when refused. A negative maxBytes sets
// no bound.
TMTOOLS_API int OpenInputDescriptor(const char* nativePath, long long maxBytes, TmInputStatus& status);

}  // namespace OS
}  // namespace TMTOOLS
