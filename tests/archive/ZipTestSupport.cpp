#include "tests/archive/ZipTestSupport.h"

#include <stdlib.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/TestFiles.h"

#ifndef TM_TEST_PYTHON
#define TM_TEST_PYTHON "/usr/bin/python3"
#endif

namespace ziptest {

std::string Quote(const std::string& text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

int RunPython(const std::string& folder, const std::string& script)
{
    std::string path = folder + "/make_archive.py";
    tmtest::WriteBytes(path, script);
    return tmtest::Run("cd " + Quote(folder) + " && " + TM_TEST_PYTHON + " " + Quote(path));
}

std::wstring W(const std::string& utf8)
{
    return tmtest::Wide(utf8);
}

std::string U(const std::wstring& wide)
{
    return tmtest::Utf8(wide);
}

std::vector<ZipEntry> ListEntries(const std::string& archive, ZipResult* stop)
{
    std::vector<ZipEntry> entries;
    ZipHandle handle = ZipOpenFile(W(archive).c_str());
    ZipEntry entry;
    ZipResult result;
    for (int i = 0; (result = ZipGetEntry(handle, i, &entry)) == ZipResult::Ok; ++i)
        entries.push_back(entry);
    if (stop)
        *stop = result;
    ZipClose(handle);
    return entries;
}

std::vector<ZipResult> ExtractAll(const std::string& archive, const std::string& folder)
{
    std::vector<ZipResult> results;
    ZipHandle handle = ZipOpenFile(W(archive).c_str());
    ZipEntry entry;
    if (ZipGetEntry(handle, -1, &entry) != ZipResult::Ok) {
        ZipClose(handle);
        return results;
    }
    for (int i = 0; i < entry.m_index; ++i)
        results.push_back(ZipExtractEntryUnder(handle, i, W(folder).c_str()));
    ZipClose(handle);
    return results;
}

std::map<std::string, std::string> ReadTree(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> tree;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        std::string relative = fs::relative(it->path(), folder, ec).string();
        if (it->is_symlink(ec))
            tree[relative] = "->" + fs::read_symlink(it->path(), ec).string();
        else if (it->is_directory(ec))
            tree[relative + "/"] = "";
        else
            tree[relative] = tmtest::ReadBytes(it->path().string());
    }
    return tree;
}

struct stat StatOf(const std::string& path)
{
    struct stat st = {};
    lstat(path.c_str(), &st);
    return st;
}

bool IsSymlink(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

long long UnixSeconds(uint64_t fileTime)
{
    return (long long)(fileTime / 10000000ULL) - 11644473600LL;
}

CTimeZone::CTimeZone(const char* zone)
{
    const char* old = getenv("TZ");
    m_had = old != nullptr;
    if (old)
        m_old = old;
    setenv("TZ", zone, 1);
    tzset();
}

CTimeZone::~CTimeZone()
{
    if (m_had)
        setenv("TZ", m_old.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

}  // namespace ziptest
