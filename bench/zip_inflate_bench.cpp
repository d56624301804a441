// Inflate speed: every deflated entry of the zip archives in a folder
// inflated by zlib's streaming inflate (16 KB output chunks, the way the
// extraction streams) and by libdeflate's whole-buffer inflate into a buffer
// of the declared size, both with the CRC-32, from memory so that only the
// inflating is timed. Both outputs are checked byte for byte.
//
//   zip_inflate_bench <folder of .zip archives> [rounds]
//
// Reports MB/s of uncompressed data for each side, best of the rounds.
#include <dirent.h>
#include <libdeflate.h>
#include <time.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "archive/ZipCentralRecord.h"
#include "archive/ZipEndRecord.h"
#include "archive/ZipFile.h"

namespace {

struct Entry {
    std::vector<unsigned char> compressed;
    uint32_t size;
    uint32_t crc;
};

double Now()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

// The deflated entries of one archive, their compressed bytes in memory.
void Collect(const std::string& path, std::vector<Entry>& entries)
{
    CZipFile file;
    CZipEndRecord end;
    if (!file.Open(path) || !end.Find(file))
        return;
    uint64_t position = end.m_directoryOffset + end.m_prefixLength;
    for (unsigned i = 0; i < end.m_entryCount; ++i) {
        CZipCentralRecord record;
        if (!record.Read(file, position))
            break;
        position += record.RecordSize();
        uint64_t extraPosition, dataPosition;
        uint16_t extraLength;
        if (record.m_method != 8 || record.m_uncompressedSize == 0 ||
            !record.CheckLocalHeader(file, end.m_prefixLength, extraPosition, extraLength, dataPosition))
            continue;
        Entry entry;
        entry.compressed.resize(record.m_compressedSize);
        if (!file.ReadAt(dataPosition, entry.compressed.data(), entry.compressed.size()))
            continue;
        entry.size = record.m_uncompressedSize;
        entry.crc = record.m_crc;
        entries.push_back(std::move(entry));
    }
}

// Streaming inflate of one entry into out, 16 KB of output at a time.
bool ZlibInflate(const Entry& entry, std::vector<unsigned char>& out)
{
    const unsigned kChunk = 16384;
    z_stream stream;
    memset(&stream, 0, sizeof stream);
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    out.resize(entry.size);
    stream.next_in = const_cast<unsigned char*>(entry.compressed.data());
    stream.avail_in = (uInt)entry.compressed.size();
    uint32_t crc = (uint32_t)crc32(0L, Z_NULL, 0);
    size_t produced = 0;
    int status = Z_OK;
    while (produced < entry.size && status == Z_OK) {
        unsigned room = (unsigned)std::min<size_t>(kChunk, entry.size - produced);
        stream.next_out = out.data() + produced;
        stream.avail_out = room;
        status = inflate(&stream, Z_SYNC_FLUSH);
        unsigned made = room - stream.avail_out;
        crc = (uint32_t)crc32(crc, out.data() + produced, made);
        produced += made;
    }
    inflateEnd(&stream);
    return produced == entry.size && crc == entry.crc;
}

bool LibdeflateInflate(libdeflate_decompressor* d, const Entry& entry, std::vector<unsigned char>& out)
{
    out.resize(entry.size);
    if (libdeflate_deflate_decompress(d, entry.compressed.data(), entry.compressed.size(), out.data(), out.size(),
                                      nullptr) != LIBDEFLATE_SUCCESS)
        return false;
    return (uint32_t)crc32(crc32(0L, Z_NULL, 0), out.data(), (uInt)out.size()) == entry.crc;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s <folder of .zip archives> [rounds]\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    std::vector<std::string> paths;
    if (DIR* dir = opendir(folder.c_str())) {
        while (struct dirent* e = readdir(dir)) {
            std::string name = e->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".zip") == 0)
                paths.push_back(folder + "/" + name);
        }
        closedir(dir);
    }
    std::sort(paths.begin(), paths.end());
    std::vector<Entry> entries;
    for (const std::string& path : paths)
        Collect(path, entries);
    double total = 0, compressed = 0;
    for (const Entry& e : entries) {
        total += e.size;
        compressed += (double)e.compressed.size();
    }
    printf("%zu archives, %zu deflated entries, %.1f MB inflated from %.1f MB\n", paths.size(), entries.size(),
           total / 1e6, compressed / 1e6);
    if (entries.empty())
        return 1;

    // Identical bytes first.
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    std::vector<unsigned char> a, b;
    for (const Entry& e : entries) {
        if (!ZlibInflate(e, a) || !LibdeflateInflate(d, e, b) || a != b) {
            fprintf(stderr, "the two inflates differ on an entry of %u bytes\n", e.size);
            return 1;
        }
    }
    double bestZlib = 1e30, bestLibdeflate = 1e30;
    for (int round = 0; round < rounds; ++round) {
        double start = Now();
        for (const Entry& e : entries)
            ZlibInflate(e, a);
        bestZlib = std::min(bestZlib, Now() - start);
        start = Now();
        for (const Entry& e : entries)
            LibdeflateInflate(d, e, b);
        bestLibdeflate = std::min(bestLibdeflate, Now() - start);
    }
    libdeflate_free_decompressor(d);
    printf("zlib streaming inflate:      %8.1f MB/s (%.3f s)\n", total / 1e6 / bestZlib, bestZlib);
    printf("libdeflate whole-buffer:     %8.1f MB/s (%.3f s)\n", total / 1e6 / bestLibdeflate, bestLibdeflate);
    printf("libdeflate / zlib speed:     %8.2f x\n", bestZlib / bestLibdeflate);
    return 0;
}
