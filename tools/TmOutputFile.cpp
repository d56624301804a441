// ResolveOutputPath: write through links, never over a special file.
#include "tools/TmOutputFile.h"

#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>

namespace TMTOOLS {
namespace OS {

bool ResolveOutputPath(const std::string& nativePath, std::string& target, bool& exists, mode_t& mode)
{
    target = nativePath;
    exists = false;
    mode = 0;
    if (nativePath.empty()) {
        errno = EINVAL;
        return false;
    }
    struct stat st;
    if (lstat(nativePath.c_str(), &st) != 0)
        return true;  // nothing there (a missing folder fails at the write)
    if (S_ISLNK(st.st_mode)) {
        // A link to nothing is refused too: writing would make a file
        // wherever it points.
        char* real = realpath(nativePath.c_str(), nullptr);
        if (!real)
            return false;  // realpath has set errno
        target = real;
        free(real);
        if (stat(target.c_str(), &st) != 0)
            return false;
    }
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    exists = true;
    mode = st.st_mode & 07777;
    return true;
}

}  // namespace OS
}  // namespace TMTOOLS
