// Helpers of the archive tests: running the zip tools, listing and
// extracting through the library, reading extracted trees back.
#pragma once

#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"

namespace ziptest {

// Runs a Python 3 script (the Debian python, which has zipfile with bzip2)
// in folder; returns its exit status.
int RunPython(const std::string& folder, const std::string& script);
// Quotes text for the shell.
std::string Quote(const std::string& text);

std::wstring W(const std::string& utf8);
std::string U(const std::wstring& wide);

// Every entry ZipGetEntry gives, from index 0 until the first non-Ok
// result (stored in stop when given).
std::vector<ZipEntry> ListEntries(const std::string& archive, ZipResult* stop = nullptr);

// What the student-project import does with an archive: every entry, in
// index order, through ZipExtractEntryUnder into folder. Returns the
// results, one per index of the archive.
std::vector<ZipResult> ExtractAll(const std::string& archive, const std::string& folder);

// Relative path -> content for files, relative path + "/" -> "" for
// folders; links show as "->" and their target.
std::map<std::string, std::string> ReadTree(const std::string& folder);

struct stat StatOf(const std::string& path);
bool IsSymlink(const std::string& path);

// Seconds since 1970 of a FILETIME.
long long UnixSeconds(uint64_t fileTime);

// Sets TZ for the lifetime of the object.
class CTimeZone {
public:
    explicit CTimeZone(const char* zone);
    ~CTimeZone();

private:
    std::string m_old;
    bool m_had;
};

}  // namespace ziptest
