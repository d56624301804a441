// The fuzz entry function (see ZipFuzzInput.h).
#include "archive/fuzz/ZipFuzzInput.h"

#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "archive/ZipArchive.h"
#include "archive/ZipDataSink.h"
#include "archive/ZipHandleData.h"
#include "tools/TmString.h"

namespace {

// Per entry: at most this much data is read, and entries declaring more
// than kExtractLimit are not written to disk.
const size_t kReadLimit = 1 << 20;
const uint32_t kExtractLimit = 1 << 16;
const int kMaxEntries = 256;

class CCountingSink : public CZipDataSink {
public:
    CCountingSink() : m_count(0) {}
    bool Write(const char* data, size_t size) override
    {
        (void)data;
        m_count += size;
        return m_count <= kReadLimit;
    }

private:
    size_t m_count;
};

std::wstring Wide(const std::string& text)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(65001, text, wide);
    return wide;
}

std::string g_scratch;

void RemoveScratch()
{
    std::error_code ec;
    std::filesystem::remove_all(g_scratch, ec);
}

// A scratch folder for the whole process, under TMPDIR, removed at exit.
const std::string& ScratchFolder()
{
    static bool made = [] {
        const char* base = getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/tmzip-fuzz-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            return false;
        g_scratch = pattern;
        atexit(RemoveScratch);
        return true;
    }();
    (void)made;
    return g_scratch;
}

void EmptyFolder(const std::string& folder)
{
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec); it != std::filesystem::directory_iterator();
         it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow,
                                     ec);
        std::filesystem::remove_all(it->path(), ec);
    }
}

}  // namespace

int ZipFuzzOneInput(const uint8_t* data, size_t size)
{
    // The archive lives in memory but is read as a file on disk.
    int fd = memfd_create("zipfuzz", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    size_t written = 0;
    while (written < size) {
        ssize_t n = write(fd, data + written, size - written);
        if (n <= 0)
            break;
        written += (size_t)n;
    }
    std::wstring path = Wide("/proc/self/fd/" + std::to_string(fd));
    ZipHandle handle = ZipOpenFile(path.c_str());
    close(fd);
    if (!handle)
        return -1;

    ZipEntry entry;
    int count = 0;
    if (ZipGetEntry(handle, -1, &entry) == ZipResult::Ok)
        count = entry.m_index;
    int limit = count < kMaxEntries ? count : kMaxEntries;
    // Out of order first: the last entry, then back to the start.
    ZipGetEntry(handle, count - 1, &entry);
    ZipGetEntry(handle, count, &entry);
    ZipGetEntry(handle, -2, &entry);

    const std::string& scratch = ScratchFolder();
    std::wstring folder = Wide(scratch);
    int complete = 0;
    for (int i = 0; i < limit; ++i) {
        if (ZipGetEntry(handle, i, &entry) != ZipResult::Ok)
            continue;
        ZipIsSafeEntryName(entry.m_name);
        CCountingSink sink;
        if (handle->m_reader->CopyData(i, sink) == ZipResult::Ok)
            ++complete;
        if (!scratch.empty() && entry.m_uncompressedSize <= kExtractLimit) {
            ZipExtractEntryUnder(handle, i, folder.c_str());
            ZipExtractEntry(handle, i, (folder + L"/" + entry.m_name).c_str());
        }
    }
    if (limit > 1)
        ZipGetEntry(handle, limit / 2, &entry);
    ZipClose(handle);
    if (!scratch.empty())
        EmptyFolder(scratch);
    return complete;
}
