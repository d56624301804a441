// The five files of a project that grading reads, and what loading saw of
// each: whether it was read whole, its size and a hash of its bytes.
//
// The hash is taken from the bytes the readers parse, in the same read, so
// comparing two projects' files never opens them again. It is a 64-bit
// FNV-1a: good enough to tell hand-ins apart (a match says "look at these
// two", the teacher judges), not a defence against a crafted collision.
#pragma once

#include <cstddef>
#include <cstdint>

// File indices: the model, then the four result files in reading order.
enum {
    TM_FILE_PRJ = 0,
    TM_FILE_STRUCTURE,     // <base>_结构信息.txt
    TM_FILE_PERIOD,        // <base>_周期和地震作用.txt
    TM_FILE_HORIZONTAL,    // <base>_水平力效应验算.txt
    TM_FILE_DISPLACEMENT,  // <base>_结构位移.txt
    TM_PROJECT_FILE_COUNT
};

// What follows the base path in the file's name: ".prj", "_结构信息.txt", ...
const wchar_t* GetProjectFileSuffix(int file);

struct CFileFingerprint {
    bool m_read = false;  // the file was there and read whole
    uint64_t m_size = 0;
    uint64_t m_hash = 0;

    // Of bytes read whole.
    static CFileFingerprint Of(const void* bytes, size_t size);
    // Both read, with the same bytes (as far as the hash tells).
    bool SameAs(const CFileFingerprint& other) const
    {
        return m_read && other.m_read && m_size == other.m_size && m_hash == other.m_hash;
    }
};
