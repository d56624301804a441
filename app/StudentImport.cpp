// CStudentImport: inputs to projects, through scratch folders and locks.
#include "app/StudentImport.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cwctype>

#include "app/AppWindowLayer.h"
#include "app/FolderTree.h"
#include "app/ListedLines.h"
#include "app/ParallelJobs.h"
#include "archive/ArchiveUnpack.h"
#include "archive/ZipNames.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const wchar_t kNoProject[] = L"没有找到 .prj 工程文件";
const wchar_t kCannotWrite[] = L"无法写入文件夹";
const wchar_t* const kArchiveExtensions[] = {L".zip", L".rar", L".7z"};

bool EndsWithNoCase(const std::wstring& text, const wchar_t* ending)
{
    const size_t length = wcslen(ending);
    return text.size() > length && TMTOOLS::String::StringCompareNoCase(text.c_str() + text.size() - length, ending) == 0;
}

// The name ends in ".prj" (any case) after at least one character.
bool HasProjectExtension(const std::wstring& name)
{
    return EndsWithNoCase(name, L".prj");
}

std::string Native(const std::wstring& path)
{
    return TMTOOLS::OS::NativePath(path);
}

bool StatOf(const std::wstring& path, struct stat& st, bool follow = true)
{
    return (follow ? stat(Native(path).c_str(), &st) : lstat(Native(path).c_str(), &st)) == 0;
}

// The path with links, "." and ".." resolved; as it is when it does not
// exist.
std::wstring Resolved(const std::wstring& path)
{
    char* real = realpath(Native(path).c_str(), nullptr);
    if (!real)
        return path;
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, real, wide);
    free(real);
    return wide;
}

// path's folder resolved, its last name kept: where an entry of that name
// is or would be, however the folder was spelt.
std::wstring ResolvedEntry(const std::wstring& path)
{
    std::wstring folder, name;
    TMTOOLS::OS::GetFolderPath(path, folder);
    TMTOOLS::OS::GetShortFilePath(path, name);
    if (name.empty() || name == L"." || name == L"..")
        return Resolved(path);
    const std::wstring real = Resolved(folder.empty() ? std::wstring(L"/") : folder);
    return (real == L"/" ? std::wstring() : real) + L"/" + name;
}

// An input path with "." or ".." components (../class/张三.zip) is used
// resolved: folder names are cut from it and must be real ones.
std::wstring Cleaned(std::wstring path)
{
    while (path.size() > 1 && path.back() == L'/')
        path.pop_back();  // a folder named as "class/"
    const std::wstring wrapped = L"/" + path + L"/";
    if (wrapped.find(L"/./") == std::wstring::npos && wrapped.find(L"/../") == std::wstring::npos)
        return path;
    return ResolvedEntry(path);
}

std::wstring ParentOf(const std::wstring& path)
{
    std::wstring folder;
    TMTOOLS::OS::GetFolderPath(path, folder);
    return folder.empty() ? std::wstring(L"/") : folder;
}

// Removes path whatever it is: a folder by the safe removal rule, anything
// else (a file, a link) as itself.
void RemoveEntry(const std::wstring& path)
{
    struct stat st;
    if (!StatOf(path, st, false))
        return;
    if (S_ISDIR(st.st_mode))
        DeleteFolderTree(path);
    else
        unlink(Native(path).c_str());
}

// A byte count as the user reads it: "2 GiB", "1.5 GiB", "300 MiB".
std::wstring ByteText(uint64_t bytes)
{
    const double gib = (double)bytes / (1ull << 30);
    if (gib >= 1.0)
        return stringFormat(L"%.4g GiB", gib);
    return stringFormat(L"%.4g MiB", (double)bytes / (1ull << 20));
}

std::wstring StatusText(ArchiveUnpackStatus status, const std::wstring& archivePath, const CArchiveLimits& limits)
{
    switch (status) {
    case ArchiveUnpackStatus::Ok: return std::wstring();
    case ArchiveUnpackStatus::CannotRead: return L"无法读取压缩包";
    case ArchiveUnpackStatus::NotAnArchive: {
        std::wstring kind = archivePath.substr(archivePath.rfind(L'.') + 1);
        for (wchar_t& ch : kind)
            ch = towlower(ch);
        return stringFormat(L"不是 %s 压缩包", kind.c_str());
    }
    case ArchiveUnpackStatus::Damaged: return L"压缩包已损坏";
    case ArchiveUnpackStatus::Unsupported: return L"压缩方法不支持";
    case ArchiveUnpackStatus::Encrypted: return L"压缩包有密码";
    case ArchiveUnpackStatus::TooLarge:
        return stringFormat(L"压缩包过大：解压后超过 %s 或多于 %u 个文件，未解压", ByteText(limits.m_maxTotalBytes).c_str(),
                            (unsigned)limits.m_maxEntries);
    case ArchiveUnpackStatus::CannotWrite: return kCannotWrite;
    }
    return L"压缩包已损坏";
}

// The one-folder rule: a folder with no project at its top but exactly one
// subfolder that has one gets that subfolder's contents at its top (on a
// clash the subfolder's entry wins). candidates is the number of such
// subfolders. True when the folder has its project at the top now.
bool HoistSingleProjectFolder(const std::wstring& folder, int& candidates)
{
    candidates = 0;
    if (!CStudentImport::FindProjectFile(folder).empty())
        return true;
    std::vector<std::wstring> names;
    TMTOOLS::OS::SearchFiles(folder, L"*", names, true, false);
    std::wstring chosen;
    for (const std::wstring& name : names) {
        struct stat st;
        if (ZipNames::IsDesktopLitter(name))
            continue;  // __MACOSX, unpacked by some other tool
        if (StatOf(folder + L"/" + name, st, false) && S_ISDIR(st.st_mode) &&
            !CStudentImport::FindProjectFile(folder + L"/" + name).empty()) {
            ++candidates;
            chosen = name;
        }
    }
    if (candidates != 1)
        return false;
    // Moved aside first: it may hold an entry of its own name.
    const std::wstring staging = folder + L"/.tmscore-hoist-" + std::to_wstring(getpid());
    if (rename(Native(folder + L"/" + chosen).c_str(), Native(staging).c_str()) != 0)
        return false;
    std::vector<std::wstring> inner;
    TMTOOLS::OS::SearchFiles(staging, L"*", inner, true, false);
    for (const std::wstring& name : inner) {
        const std::wstring target = folder + L"/" + name;
        RemoveEntry(target);
        rename(Native(staging + L"/" + name).c_str(), Native(target).c_str());
    }
    rmdir(Native(staging).c_str());
    return !CStudentImport::FindProjectFile(folder).empty();
}

}  // namespace

CStudentImport::CStudentImport(CAppWindowLayer& window, const std::wstring& standardPrjPath)
    : m_window(window),
      m_locks(new CDestinationLocks),
      m_maxUnpackBytes(TM_DEFAULT_UNPACK_BYTES),
      m_jobs(1),
      m_stopped(false)
{
    std::wstring folder;
    TMTOOLS::OS::GetFolderPath(standardPrjPath, folder);
    if (!folder.empty())
        m_standardFolder = Resolved(folder);
}

CStudentImport::~CStudentImport() {}

std::unique_ptr<CDestinationLocks> CStudentImport::TakeLocks()
{
    std::unique_ptr<CDestinationLocks> locks(new CDestinationLocks);
    m_locks.swap(locks);
    return locks;
}

std::wstring CStudentImport::ArchiveDestination(const std::wstring& archivePath)
{
    if (archivePath.find(L'/') == std::wstring::npos)
        return std::wstring();
    std::wstring folder, name;
    TMTOOLS::OS::GetFolderPath(archivePath, folder);
    TMTOOLS::OS::GetShortFilePath(archivePath, name);
    // No name before the extension (".zip"): it would unpack into the
    // folder itself, over whatever lies there.
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos || dot == 0)
        return std::wstring();
    return folder + L"/" + name.substr(0, dot);
}

std::wstring CStudentImport::FindProjectFile(const std::wstring& folder)
{
    if (folder.empty())
        return std::wstring();
    std::vector<std::wstring> entries;
    TMTOOLS::OS::SearchFiles(folder, L"*", entries, false, false);
    for (const std::wstring& entry : entries) {
        std::wstring name;
        TMTOOLS::OS::GetShortFilePath(entry, name);
        struct stat st;
        // "._frame.prj", a Mac's resource file, sorts before frame.prj.
        if (HasProjectExtension(name) && !ZipNames::IsDesktopLitter(name) && StatOf(entry, st, false) &&
            S_ISREG(st.st_mode))
            return entry;
    }
    return std::wstring();
}

bool CStudentImport::IsArchiveName(const std::wstring& path)
{
    for (const wchar_t* extension : kArchiveExtensions) {
        if (EndsWithNoCase(path, extension))
            return true;
    }
    return false;
}

void CStudentImport::Add(const std::wstring& input)
{
    if (m_stopped)
        return;
    // Only a full path: a relative one would be taken in whatever folder
    // the program happens to run in.
    if (input.empty() || input[0] != L'/') {
        Fail(input, L"路径不完整");
        return;
    }
    const std::wstring path = Cleaned(input);
    if (!AwaitQueuedNear(path) || !AwaitQueuedNear(ResolvedEntry(path)))
        return;
    struct stat st;
    if (!StatOf(path, st)) {
        if (IsArchiveName(path))
            AddArchive(input, path);  // an earlier destination may still count
        else
            Fail(input, L"文件不存在");
    } else if (S_ISDIR(st.st_mode)) {
        AddFolder(input, path);
    } else if (S_ISREG(st.st_mode) && HasProjectExtension(path)) {
        AddProjectFile(input, path);
    } else if (S_ISREG(st.st_mode) && IsArchiveName(path)) {
        AddArchive(input, path);
    } else {
        Fail(input, L"不是学生工程压缩包或 .prj 文件");
    }
}

void CStudentImport::Fail(const std::wstring& input, const std::wstring& status)
{
    CQueued queued;
    queued.m_outcome = {input, std::wstring(), status};
    m_queued.push_back(std::move(queued));
}

void CStudentImport::AddFolder(const std::wstring& input, const std::wstring& folder)
{
    std::vector<std::wstring> entries;
    TMTOOLS::OS::SearchFiles(folder, L"*", entries, false, false);
    int taken = 0;
    for (const std::wstring& entry : entries) {
        struct stat st;
        if (!StatOf(entry, st) || !S_ISREG(st.st_mode) || !(HasProjectExtension(entry) || IsArchiveName(entry)))
            continue;
        std::wstring name;
        TMTOOLS::OS::GetShortFilePath(entry, name);
        if (ZipNames::IsDesktopLitter(name))
            continue;
        ++taken;
        if (HasProjectExtension(entry))
            AddProjectFile(entry, entry);
        else
            AddArchive(entry, entry);
        if (m_stopped)
            return;
    }
    if (taken == 0)
        Fail(input, L"文件夹中没有压缩包或 .prj 文件");
}

void CStudentImport::AddProjectFile(const std::wstring& input, const std::wstring& prjPath)
{
    const std::wstring key = Resolved(prjPath);
    const std::wstring folderKey = ParentOf(key);
    auto same = m_projects.find(key);
    if (same != m_projects.end()) {
        Fail(input, stringFormat(L"与 %s 是同一工程", same->second.c_str()));
        return;
    }
    if (m_archiveFolders.count(folderKey)) {
        Fail(input, stringFormat(L"与 %s 使用同一文件夹", m_folders[folderKey].c_str()));
        return;
    }
    m_projects[key] = input;
    m_folders.emplace(folderKey, input);
    // A project in a folder nobody may write to cannot be locked, nor
    // replaced by anyone: it is graded unlocked.
    const std::wstring locked = Lock(folderKey, false, false);
    CQueued queued;
    queued.m_outcome = {input, locked.empty() ? prjPath : std::wstring(), locked};
    m_queued.push_back(std::move(queued));
}

void CStudentImport::AddArchive(const std::wstring& input, const std::wstring& archivePath)
{
    const std::wstring destination = ArchiveDestination(archivePath);
    if (destination.empty()) {
        Fail(input, L"压缩文件名无效");
        return;
    }
    const std::wstring key = ResolvedEntry(destination);
    auto claimed = m_folders.find(key);
    if (claimed != m_folders.end()) {
        Fail(input, stringFormat(L"与 %s 使用同一文件夹", claimed->second.c_str()));
        return;
    }
    // 标准工程.zip beside the standard project would unpack over it, and
    // every later run would grade against that student.
    if (!m_standardFolder.empty() &&
        (m_standardFolder == key || m_standardFolder.compare(0, key.size() + 1, key + L"/") == 0)) {
        Fail(input, L"解压文件夹是标准工程所在的文件夹");
        return;
    }
    if (!AwaitQueuedNear(key))
        return;
    m_folders[key] = input;
    m_archiveFolders.insert(key);

    CQueued queued;
    queued.m_outcome.m_input = input;
    const bool exists = TMTOOLS::OS::FileExist(archivePath.c_str());
    if (!exists)
        queued.m_messages.push_back({stringFormat(L"压缩文件 %s 不存在", archivePath.c_str()), L"提示"});
    // The question comes first: it decides whether the folder is to be
    // changed (an exclusive lock) or only read.
    struct stat st;
    const bool existed = StatOf(destination, st, false);
    const bool unpack = exists && MayUnpackInto(destination);
    queued.m_outcome.m_status = Lock(key, unpack, true);
    if (!queued.m_outcome.m_status.empty()) {
        m_queued.push_back(std::move(queued));
        return;
    }
    const std::wstring parent = ParentOf(key);
    if (m_swept.insert(parent).second)
        CDestinationLocks::RemoveLeftovers(parent, m_locks->HeldIn(parent));

    // Without an archive, or with "覆盖" answered No, a folder left by an
    // earlier import still gives its project.
    queued.m_destination = destination;
    queued.m_noProject = exists ? kNoProject : L"压缩文件不存在";
    if (unpack) {
        queued.m_archivePath = archivePath;
        queued.m_replacing = existed;
        m_queuedFolders.insert(key);
    }
    m_queued.push_back(std::move(queued));
}

bool CStudentImport::AwaitQueuedNear(const std::wstring& path)
{
    // A folder queued below path sorts first among those from path + "/".
    const std::wstring within = path + L"/";
    auto below = m_queuedFolders.lower_bound(within);
    bool near = m_queuedFolders.count(path) != 0 ||
                (below != m_queuedFolders.end() && below->compare(0, within.size(), within) == 0);
    for (size_t slash = path.find(L'/', 1); !near && slash != std::wstring::npos; slash = path.find(L'/', slash + 1))
        near = m_queuedFolders.count(path.substr(0, slash)) != 0;
    if (near)
        RunQueue();
    return !m_stopped;
}

void CStudentImport::Unpack(std::vector<CImportOutcome>& outcomes)
{
    RunQueue();
    for (CImportOutcome& outcome : m_outcomes)
        outcomes.push_back(std::move(outcome));
    m_outcomes.clear();
}

void CStudentImport::RunQueue()
{
    std::vector<CQueued> queue;
    queue.swap(m_queued);
    m_queuedFolders.clear();
    const int count = (int)queue.size();
    if (m_stopped || count == 0)
        return;
    // The messages of taking an input come first, then those of unpacking it.
    const std::vector<char> taken = RunJobsInOrder(
        m_window, L"解压学生工程", count, m_jobs, [&](int k) { return queue[k].m_outcome.m_input.c_str(); },
        [&](int k) {
            for (const TMTOOLS::OS::CCapturedMessage& message : queue[k].m_messages)
                TMTOOLS::OS::TmShowMessage(message.m_text.c_str(), message.m_caption.c_str());
            Finish(queue[k]);
        });
    // Taken in order: those taken are the first ones.
    for (int k = 0; k < count && !m_stopped; ++k) {
        if (taken[k])
            m_outcomes.push_back(std::move(queue[k].m_outcome));
        else
            m_stopped = true;
    }
}

void CStudentImport::Finish(CQueued& queued) const
{
    if (queued.m_destination.empty())
        return;
    if (!queued.m_archivePath.empty()) {
        const std::wstring failed = ExtractProjectArchive(queued.m_archivePath, queued.m_destination,
                                                          queued.m_replacing, queued.m_noProject);
        if (!failed.empty()) {
            queued.m_outcome.m_status = failed;
            return;
        }
    }
    queued.m_outcome.m_prjPath = FindProjectFile(queued.m_destination);
    if (queued.m_outcome.m_prjPath.empty())
        queued.m_outcome.m_status = queued.m_noProject;
}

bool CStudentImport::MayUnpackInto(const std::wstring& destination)
{
    struct stat st;
    if (!StatOf(destination, st, false))
        return true;
    const std::wstring question = stringFormat(L"工程 %s 已存在，要覆盖吗？", destination.c_str());
    return m_window.ShowMessageBox(question.c_str(), L"提示", CWindowLayer::TM_MB_YESNO) == CWindowLayer::TM_ID_YES;
}

std::wstring CStudentImport::ExtractProjectArchive(const std::wstring& archivePath, const std::wstring& destination,
                                                   bool replacing, std::wstring& noProject) const
{
    const std::wstring scratch = CDestinationLocks::ScratchBeside(destination, "new");
    if (mkdir(Native(scratch).c_str(), 0777) != 0)
        return kCannotWrite;
    struct stat archive;
    const CArchiveLimits limits =
        ArchiveLimitsFor(StatOf(archivePath, archive) ? (uint64_t)archive.st_size : 0, m_maxUnpackBytes);
    const CArchiveUnpackResult unpacked = UnpackArchive(archivePath, scratch, limits);
    WarnRefused(archivePath, unpacked);
    if (unpacked.m_status != ArchiveUnpackStatus::Ok) {
        // Nothing of a refused archive stays: what it had written so far
        // goes with its scratch folder.
        DeleteFolderTree(scratch);
        return StatusText(unpacked.m_status, archivePath, limits);
    }
    int candidates = 0;
    if (!HoistSingleProjectFolder(scratch, candidates) && candidates > 1)
        noProject = stringFormat(L"有 %d 个文件夹含 .prj 工程文件", candidates);

    struct stat st;
    if (!StatOf(destination, st, false)) {
        if (rename(Native(scratch).c_str(), Native(destination).c_str()) == 0)
            return std::wstring();
        DeleteFolderTree(scratch);
        return kCannotWrite;
    }
    if (!replacing) {
        // Another run unpacked it between the look and the lock; nobody
        // said "覆盖" to that: its folder is read as it is.
        DeleteFolderTree(scratch);
        return std::wstring();
    }
    // "覆盖": the new folder takes the old one's place in one step, and the
    // old one leaves by the safe removal rule. Where the file system cannot
    // exchange, the old folder is moved aside first.
    if (renameat2(AT_FDCWD, Native(scratch).c_str(), AT_FDCWD, Native(destination).c_str(), RENAME_EXCHANGE) == 0) {
        RemoveEntry(scratch);
        return std::wstring();
    }
    const std::wstring old = CDestinationLocks::ScratchBeside(destination, "old");
    if (rename(Native(destination).c_str(), Native(old).c_str()) != 0) {
        DeleteFolderTree(scratch);
        return kCannotWrite;
    }
    if (rename(Native(scratch).c_str(), Native(destination).c_str()) != 0) {
        rename(Native(old).c_str(), Native(destination).c_str());
        DeleteFolderTree(scratch);
        return kCannotWrite;
    }
    RemoveEntry(old);
    return std::wstring();
}

std::wstring CStudentImport::Lock(const std::wstring& folder, bool exclusive, bool required)
{
    switch (m_locks->Lock(folder, exclusive)) {
    case CDestinationLocks::kLocked: return std::wstring();
    case CDestinationLocks::kBusy: return L"正在被另一个评分进程使用";
    case CDestinationLocks::kFailed: break;
    }
    return required ? kCannotWrite : std::wstring();
}

void CStudentImport::WarnRefused(const std::wstring& archivePath, const CArchiveUnpackResult& unpacked)
{
    if (unpacked.m_refused.empty())
        return;
    // Told, so that nobody takes the project for complete.
    std::vector<std::wstring> names;
    for (const CRefusedEntry& entry : unpacked.m_refused)
        names.push_back(entry.m_name.empty() ? stringFormat(L"(第 %d 项，名称过长或无效)", entry.m_index + 1)
                                             : entry.m_name);
    TMTOOLS::OS::TmShowWarnMessage(stringFormat(L"压缩文件 %s 中有 %d 个文件的名称或类型不安全，未解压：%s",
                                                archivePath.c_str(), (int)unpacked.m_refused.size(),
                                                ListedLines(names).c_str())
                                       .c_str());
}
