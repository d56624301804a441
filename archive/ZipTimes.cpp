// Conversions between the archive's time forms and FILETIME.
#include "archive/ZipTimes.h"

#include <mutex>

#include "archive/ZipFile.h"

namespace {

std::mutex g_timeZoneMutex;

}  // namespace

namespace ZipTimes {

uint64_t DosToFileTime(uint32_t dosDateTime)
{
    unsigned date = dosDateTime >> 16;
    unsigned time = dosDateTime & 0xFFFF;
    struct tm parts = {};
    parts.tm_year = 80 + (int)(date >> 9);
    parts.tm_mon = (int)((date >> 5) & 15) - 1;
    parts.tm_mday = (int)(date & 31);
    parts.tm_hour = (int)(time >> 11);
    parts.tm_min = (int)((time >> 5) & 63);
    parts.tm_sec = (int)(time & 31) * 2;
    if (parts.tm_mon < 0 || parts.tm_mon > 11 || parts.tm_mday < 1 || parts.tm_hour > 23 || parts.tm_min > 59 ||
        parts.tm_sec > 59)
        return 0;
    parts.tm_isdst = -1;
    time_t seconds;
    {
        // Archives are unpacked on several threads. mktime is safe there,
        // but it reloads the time zone under a lock of the C library that
        // thread checkers cannot see; this one they can.
        std::lock_guard<std::mutex> lock(g_timeZoneMutex);
        seconds = mktime(&parts);
    }
    if (seconds < 0)
        return 0;
    return kUnixEpochFileTime + (uint64_t)seconds * 10000000ULL;
}

uint64_t UnixToFileTime(uint32_t seconds)
{
    return kUnixEpochFileTime + (uint64_t)seconds * 10000000ULL;
}

bool FileTimeToTimespec(uint64_t fileTime, struct timespec& out)
{
    if (fileTime < kUnixEpochFileTime)
        return false;
    uint64_t since = fileTime - kUnixEpochFileTime;
    out.tv_sec = (time_t)(since / 10000000ULL);
    out.tv_nsec = (long)(since % 10000000ULL) * 100;
    return true;
}

void ApplyExtendedTimestamp(const unsigned char* extra, size_t length, uint64_t& modification, uint64_t& access,
                            uint64_t& creation)
{
    size_t p = 0;
    while (p + 4 < length) {
        unsigned id = ZipLe16(extra + p);
        size_t size = ZipLe16(extra + p + 2);
        if (id != 0x5455) {  // "UT"
            p += 4 + size;
            continue;
        }
        // The block ends where its size says, or where the field ends.
        size_t end = p + 4 + size;
        if (end > length)
            end = length;
        unsigned flags = extra[p + 4];
        size_t q = p + 5;
        uint64_t* targets[3] = {&modification, &access, &creation};
        for (int bit = 0; bit < 3; ++bit) {
            if (!(flags & (1u << bit)))
                continue;
            if (q + 4 > end)
                break;
            *targets[bit] = UnixToFileTime(ZipLe32(extra + q));
            q += 4;
        }
        return;
    }
}

}  // namespace ZipTimes
