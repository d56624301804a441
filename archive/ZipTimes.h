// Entry times: DOS date and time, the "UT" extra field, FILETIME values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

namespace ZipTimes {

// 100-ns units between 1601-01-01 and 1970-01-01.
const uint64_t kUnixEpochFileTime = 116444736000000000ULL;

// DOS date (upper half) and time (lower half) as zip tools write them: the
// local time of the machine that made the archive, read here as local time
// (as Info-ZIP unzip does). 0 for a date or time that does not exist.
uint64_t DosToFileTime(uint32_t dosDateTime);

uint64_t UnixToFileTime(uint32_t seconds);

// False for 0 (unknown) and for times before 1970.
bool FileTimeToTimespec(uint64_t fileTime, struct timespec& out);

// Scans a local extra field for the first "UT" block and takes from it the
// times its flags announce and its size holds: modification (bit 0),
// access (bit 1), creation (bit 2), in that order. Times it does not hold
// are left as they are.
void ApplyExtendedTimestamp(const unsigned char* extra, size_t length, uint64_t& modification, uint64_t& access,
                            uint64_t& creation);

}  // namespace ZipTimes
