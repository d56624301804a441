// OpenInputFile and OpenInputDescriptor: regular files only, within a bound.
#include "tools/TmInputFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace TMTOOLS {
namespace OS {

namespace {

void WarnRefusal(const wchar_t* path, TmInputStatus status, long long maxBytes)
{
    if (status == TM_INPUT_NOT_REGULAR)
        TmShowWarnMessage(String::stringFormat(L"文件 %s 不是普通文件（管道、设备或套接字），未读取。", path).c_str());
    else if (status == TM_INPUT_TOO_LARGE)
        TmShowWarnMessage(String::stringFormat(L"文件 %s 大于 %d MB，未读取。", path, (int)(maxBytes >> 20)).c_str());
}

}  // namespace

int OpenInputDescriptor(const char* nativePath, long long maxBytes, TmInputStatus& status)
{
    status = TM_INPUT_MISSING;
    if (!nativePath || !*nativePath)
        return -1;
    int fd = open(nativePath, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        status = errno == ENOENT || errno == ENOTDIR ? TM_INPUT_MISSING : TM_INPUT_UNREADABLE;
        return -1;
    }
    struct stat st;
    if (fstat(fd, &st) != 0)
        status = TM_INPUT_UNREADABLE;
    else if (S_ISDIR(st.st_mode))
        status = TM_INPUT_FOLDER;
    else if (!S_ISREG(st.st_mode))
        status = TM_INPUT_NOT_REGULAR;
    else if (maxBytes >= 0 && (long long)st.st_size > maxBytes)
        status = TM_INPUT_TOO_LARGE;
    else
        status = TM_INPUT_OK;
    // Reads of a regular file never wait anyway; blocking mode is restored
    // so that stdio sees no EAGAIN on file systems that would give one.
    const int flags = status == TM_INPUT_OK ? fcntl(fd, F_GETFL) : -1;
    if (status == TM_INPUT_OK && (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0))
        status = TM_INPUT_UNREADABLE;
    if (status != TM_INPUT_OK) {
        close(fd);
        return -1;
    }
    return fd;
}

FILE* OpenInputFile(const wchar_t* path, long long maxBytes, TmInputStatus& status)
{
    status = TM_INPUT_MISSING;
    if (!path || !*path)
        return nullptr;
    int fd = OpenInputDescriptor(NativePath(path).c_str(), maxBytes, status);
    if (fd < 0) {
        WarnRefusal(path, status, maxBytes);
        return nullptr;
    }
    FILE* file = fdopen(fd, "rb");
    if (!file) {
        close(fd);
        status = TM_INPUT_UNREADABLE;
    }
    return file;
}

bool ReadInputFile(const wchar_t* path, long long maxBytes, std::string& bytes, TmInputStatus& status)
{
    bytes.clear();
    FILE* file = OpenInputFile(path, maxBytes, status);
    if (!file)
        return false;
    char buffer[1 << 16];
    size_t n;
    while (status == TM_INPUT_OK && (n = fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, n);
        if ((long long)bytes.size() > maxBytes) {
            status = TM_INPUT_TOO_LARGE;
            WarnRefusal(path, status, maxBytes);
        }
    }
    if (status == TM_INPUT_OK && ferror(file))
        status = TM_INPUT_UNREADABLE;
    fclose(file);
    if (status != TM_INPUT_OK)
        bytes.clear();
    return status == TM_INPUT_OK;
}

}  // namespace OS
}  // namespace TMTOOLS
