// File suffixes and the byte hash of the project's files.
#include "scoring/ProjectFiles.h"

const wchar_t* GetProjectFileSuffix(int file)
{
    static const wchar_t* const kSuffixes[TM_PROJECT_FILE_COUNT] = {
        L".prj", L"_结构信息.txt", L"_周期和地震作用.txt", L"_水平力效应验算.txt", L"_结构位移.txt"};
    return file >= 0 && file < TM_PROJECT_FILE_COUNT ? kSuffixes[file] : L"";
}

CFileFingerprint CFileFingerprint::Of(const void* bytes, size_t size)
{
    uint64_t hash = 14695981039346656037ULL;
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i) {
        hash ^= p[i];
        hash *= 1099511628211ULL;
    }
    CFileFingerprint fingerprint;
    fingerprint.m_read = true;
    fingerprint.m_size = size;
    fingerprint.m_hash = hash;
    return fingerprint;
}
