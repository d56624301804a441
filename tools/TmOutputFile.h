// Where a file written "at a path" really goes.
//
// The program writes its files (workbooks, scoring standards, the
// workspace files) to a temporary file beside the target and renames it
// over the target. Renamed blindly, that would replace whatever sits at the
// path: a device node (as root, /dev/full itself), a FIFO another program
// reads, a symbolic link the user keeps pointing elsewhere. So before
// writing:
//   - nothing at the path: the file is made there;
//   - a regular file: it is replaced, and the new file keeps its mode
//     (a file the teacher made read-only stays read-only);
//   - a symbolic link that ends at a regular file: that file is replaced,
//     with its mode, and the link stays as it is;
//   - anything else (a folder, a FIFO, a device, a socket, a link to one
//     of those or to nothing): refused, nothing written.
#pragma once

#include <sys/types.h>

#include <string>

#include "tools/TmToolsApi.h"

namespace TMTOOLS {
namespace OS {

// For nativePath, the path to write (target) and whether a file is there
// (exists) with its permission bits (mode); false, with errno saying why,
// when refused.
TMTOOLS_API bool ResolveOutputPath(const std::string& nativePath, std::string& target, bool& exists, mode_t& mode);

}  // namespace OS
}  // namespace TMTOOLS
