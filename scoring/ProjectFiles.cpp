// File suffixes and the byte hash of the project's files.
#include "scoring/ProjectFiles.h"

#include <cstring>

const wchar_t* GetProjectFileSuffix(int file)
{
    static const wchar_t* const kSuffixes[TM_PROJECT_FILE_COUNT] = {
        L".prj", L"_结构信息.txt", L"_周期和地震作用.txt", L"_水平力效应验算.txt", L"_结构位移.txt"};
    return file >= 0 && file < TM_PROJECT_FILE_COUNT ? kSuffixes[file] : L"";
}

namespace {

uint64_t Rotl(uint64_t x, int r)
{
    return (x << r) | (x >> (64 - r));
}

// The last mix of a 64-bit hash: every input bit reaches every output bit.
uint64_t Avalanche(uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

}  // namespace

// Eight bytes a step in four independent lanes: the hash of every hand-in
// file is taken while loading, so it must cost far less than reading the
// file. Only compared within one run, never stored.
CFileFingerprint CFileFingerprint::Of(const void* bytes, size_t size)
{
    const uint64_t kMul1 = 0x9E3779B185EBCA87ULL;
    const uint64_t kMul2 = 0xC2B2AE3D27D4EB4FULL;
    uint64_t lanes[4] = {kMul1, kMul2, ~kMul1, ~kMul2};
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    size_t left = size;
    for (; left >= 32; left -= 32, p += 32) {
        for (int k = 0; k < 4; ++k) {
            uint64_t word;
            memcpy(&word, p + 8 * k, 8);
            lanes[k] = Rotl(lanes[k] ^ (word * kMul1), 31) * kMul2;
        }
    }
    uint64_t hash = lanes[0] ^ Rotl(lanes[1], 17) ^ Rotl(lanes[2], 29) ^ Rotl(lanes[3], 43);
    for (; left > 0; --left, ++p)
        hash = Rotl(hash ^ (*p * kMul1), 23) * kMul2;
    hash = Avalanche(hash ^ size);
    CFileFingerprint fingerprint;
    fingerprint.m_read = true;
    fingerprint.m_size = size;
    fingerprint.m_hash = hash;
    return fingerprint;
}
