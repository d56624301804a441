// Extracting entries to files.
#include "archive/ZipExtractor.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "archive/ZipFileSink.h"
#include "archive/ZipFolderWalk.h"
#include "archive/ZipNames.h"
#include "archive/ZipReader.h"
#include "archive/ZipTimes.h"

namespace {

const mode_t kFolderMode = 0755;

// Permissions of a written file or folder: the Unix bits when the archive
// carries them, else the usual ones; the owner can always read and write
// (and enter a folder), so nothing extracted needs fixing before use.
mode_t ModeOf(uint32_t external, bool folder)
{
    mode_t unixMode = (external >> 16) & 0777;
    mode_t mode = (external >> 16) != 0 ? unixMode : (folder ? kFolderMode : 0644);
    return mode | (folder ? 0700 : 0600);
}

bool HasParentComponent(const std::wstring& path)
{
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(L'/', start);
        if (end == std::wstring::npos)
            end = path.size();
        if (path.compare(start, end - start, L"..") == 0)
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::wstring CZipExtractor::Absolute(const std::wstring& path) const
{
    if (!path.empty() && path[0] == L'/')
        return path;
    return m_reader.BaseFolder().empty() ? std::wstring() : m_reader.BaseFolder() + path;
}

ZipResult CZipExtractor::ExtractTo(int index, const std::wstring& destPath)
{
    ZipEntry entry;
    uint32_t external = 0;
    ZipResult described = m_reader.Describe(index, entry, &external);
    if (described != ZipResult::Ok)
        return described;
    bool folder = (entry.m_attributes & kZipAttrDirectory) != 0;
    if (destPath.empty() || (!folder && destPath.back() == L'/'))
        return ZipResult::CannotOpenFile;
    if (HasParentComponent(destPath))
        return ZipResult::BadName;

    std::wstring name = entry.m_name;
    bool relative = destPath[0] != L'/';
    std::wstring full = Absolute(destPath);
    if (relative)
        return WriteAt(index, entry, external, m_reader.BaseFolder(), ZipNames::Components(destPath), true);

    // A destination made of a folder and the entry's name: the name is
    // vetted and walked link-safe from that folder.
    std::wstring suffix = L"/" + name;
    if (!name.empty() && full.size() > suffix.size() &&
        full.compare(full.size() - suffix.size(), suffix.size(), suffix) == 0) {
        if (!ZipNames::IsSafe(name))
            return ZipResult::BadName;
        std::wstring root = full.substr(0, full.size() - suffix.size());
        return WriteAt(index, entry, external, root.empty() ? L"/" : root, ZipNames::Components(name), false);
    }
    // Any other destination: its folder must exist; only the last
    // component is opened link-safe.
    std::wstring trimmed = full;
    while (trimmed.size() > 1 && trimmed.back() == L'/')
        trimmed.pop_back();
    size_t slash = trimmed.rfind(L'/');
    std::wstring leaf = trimmed.substr(slash + 1);
    if (leaf.empty() || leaf == L".")
        return ZipResult::CannotOpenFile;
    std::wstring root = slash == 0 ? std::wstring(L"/") : trimmed.substr(0, slash);
    return WriteAt(index, entry, external, root, std::vector<std::wstring>(1, leaf), false);
}

ZipResult CZipExtractor::ExtractUnder(int index, const std::wstring& folder)
{
    ZipEntry entry;
    uint32_t external = 0;
    ZipResult described = m_reader.Describe(index, entry, &external);
    if (described != ZipResult::Ok)
        return described;
    std::wstring name = entry.m_name;
    if (!ZipNames::IsSafe(name))
        return ZipResult::BadName;
    if (folder.empty() || HasParentComponent(folder))
        return ZipResult::BadName;
    return WriteAt(index, entry, external, Absolute(folder), ZipNames::Components(name), true);
}

ZipResult CZipExtractor::WriteAt(int index, const ZipEntry& entry, uint32_t external, const std::wstring& root,
                                 const std::vector<std::wstring>& parts, bool createParents)
{
    bool folder = (entry.m_attributes & kZipAttrDirectory) != 0;
    if (parts.empty())
        return folder ? ZipResult::Ok : ZipResult::BadName;  // "./" names the destination itself
    CZipFolderWalk walk;
    if (!walk.OpenRoot(root))
        return ZipResult::CannotOpenFile;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        if (!walk.Descend(parts[i], createParents || folder, kFolderMode))
            return ZipResult::CannotOpenFile;
    }
    if (folder)
        return walk.Descend(parts.back(), true, ModeOf(external, true)) ? ZipResult::Ok : ZipResult::CannotOpenFile;

    int fd = walk.CreateFile(parts.back(), ModeOf(external, false));
    if (fd < 0)
        return ZipResult::CannotOpenFile;
    CZipFileSink sink(fd);
    ZipResult copied = m_reader.CopyData(index, sink);
    if (copied == ZipResult::Ok) {
        struct timespec times[2];
        if (!ZipTimes::FileTimeToTimespec(entry.m_accessTime, times[0]))
            times[0].tv_nsec = UTIME_OMIT;
        if (!ZipTimes::FileTimeToTimespec(entry.m_modificationTime, times[1]))
            times[1].tv_nsec = UTIME_OMIT;
        futimens(fd, times);
    }
    if (close(fd) != 0 && copied == ZipResult::Ok)
        copied = ZipResult::WriteFailed;
    return copied;
}
