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
// What is said to the user about a refusal is the caller's: a missing
// result file is silent, a missing project is not.
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
// at most maxBytes bytes; otherwise null, with status saying why.
TMTOOLS_API FILE* OpenInputFile(const wchar_t* path, long long maxBytes, TmInputStatus& status);
// The same as a descriptor for positioned reads, from a native (UTF-8)
// path; -1 when refused. A negative maxBytes sets no bound.
TMTOOLS_API int OpenInputDescriptor(const char* nativePath, long long maxBytes, TmInputStatus& status);

// The warning for a file refused as a FIFO, device or socket, or as too
// large (naming the bound); empty for every other status.
TMTOOLS_API std::wstring InputRefusalText(const wchar_t* path, TmInputStatus status, long long maxBytes);

}  // namespace OS
}  // namespace TMTOOLS
