// Turning what the teacher hands over (archives, .prj files, folders of
// them) into student projects, with a reason for every input that gives
// none.
//
// An archive (.zip, .rar, .7z) unpacks into the folder named after it
// beside it (/exam/张三.zip into /exam/张三), and the first .prj file at
// the top of that folder is the student's project. On the way:
//   - it is unpacked into a scratch folder beside the destination and
//     renamed into place only when complete, so an interrupted import
//     leaves no half-filled folder; "覆盖" swaps the new folder in and then
//     deletes the old one, so nothing of an earlier hand-in stays;
//   - an archive holding no .prj at its top but exactly one folder that
//     does is unpacked without that folder (most students zip their
//     project folder): the folder's files win over top-level ones;
//   - the destination is locked (CDestinationLocks) from before it is
//     touched until the workspace has loaded the project; a destination
//     locked by another run is reported, never waited for;
//   - two inputs with one destination (张三.zip and 张三.ZIP, or one
//     archive named twice) are imported once, and a destination that is
//     (or holds) the standard project's folder is refused.
// A .prj file is taken as it is (its folder locked too); a folder gives
// the archives and .prj files directly in it, in name order.
//
// Taking an input (Add) decides, in order, everything that involves other
// inputs or the user: the claims, the questions, the locks. The unpacking
// (Unpack) then runs on several threads, each archive in its own scratch
// folder; outcomes and messages come out in input order, the same with any
// number of threads. An input lying in, or holding, a folder not yet
// unpacked waits for the queue to be unpacked first, as that folder's
// contents decide what it gives.
//
// Questions ("工程 %s 已存在，要覆盖吗？") and warnings go through the window
// layer and the message presenter; everything else is in the outcomes.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/DestinationLock.h"
#include "tools/TmMessage.h"

class CAppWindowLayer;
struct CArchiveUnpackResult;

// What became of one input.
struct CImportOutcome {
    std::wstring m_input;    // as given (a folder's entries: their paths)
    std::wstring m_prjPath;  // the project added; empty when none
    std::wstring m_status;   // why there is none; empty when added
};

class CStudentImport {
public:
    // standardPrjPath: the standard project, whose folder no archive may
    // unpack into.
    CStudentImport(CAppWindowLayer& window, const std::wstring& standardPrjPath);
    ~CStudentImport();
    CStudentImport(const CStudentImport&) = delete;
    CStudentImport& operator=(const CStudentImport&) = delete;

    // The least total one archive may unpack to (ArchiveUnpack.h: 100
    // times the archive's size when that is more); TM_DEFAULT_UNPACK_BYTES
    // until set. An archive over it is refused and nothing of it kept.
    void SetMaxUnpackBytes(uint64_t bytes) { m_maxUnpackBytes = bytes; }
    // The threads Unpack uses; one until set.
    void SetJobs(int jobs) { m_jobs = jobs; }

    // Takes input, a full path: one outcome to come per project or failure
    // (a folder gives one per entry taken). Nothing once Unpack stopped.
    void Add(const std::wstring& input);
    // Unpacks the archives taken, with progress ("解压学生工程"), and appends
    // the outcomes of the inputs taken so far, in their order. Stops between
    // two inputs when the window layer asks to cancel: those not started
    // give no outcome, nor do any taken after.
    void Unpack(std::vector<CImportOutcome>& outcomes);

    // The locks taken so far: the caller keeps them until the projects are
    // loaded.
    std::unique_ptr<CDestinationLocks> TakeLocks();

    // Where archivePath unpacks: its folder, "/" and its name without the
    // extension; empty when that name is empty or the path has no "/".
    static std::wstring ArchiveDestination(const std::wstring& archivePath);
    // The first regular file at the top of folder (names in byte order)
    // whose name is longer than 4 and ends in ".prj" in any case, a Mac's
    // "._" resource file aside; empty when none.
    static std::wstring FindProjectFile(const std::wstring& folder);
    // Whether path names a hand-in archive by its extension.
    static bool IsArchiveName(const std::wstring& path);

private:
    // An input taken and waiting for Unpack.
    struct CQueued {
        CImportOutcome m_outcome;  // final unless there is a folder to read
        std::vector<TMTOOLS::OS::CCapturedMessage> m_messages;  // told on taking it
        std::wstring m_destination;  // the archive's folder to read; empty: none
        std::wstring m_archivePath;  // to unpack into it first; empty: none
        bool m_replacing = false;    // that folder existed ("覆盖" said Yes)
        std::wstring m_noProject;    // the status when the folder has no project
    };

    void AddArchive(const std::wstring& input, const std::wstring& archivePath);
    void AddProjectFile(const std::wstring& input, const std::wstring& prjPath);
    void AddFolder(const std::wstring& input, const std::wstring& folder);
    void Fail(const std::wstring& input, const std::wstring& status);
    // Unpacks the queue first when path is, lies in or holds a folder still
    // to be unpacked; false when that unpacking was stopped.
    bool AwaitQueuedNear(const std::wstring& path);
    // Runs the queue on m_jobs threads into m_outcomes.
    void RunQueue();
    // The unpacking of one input, on any thread: touches only its folders.
    void Finish(CQueued& queued) const;
    // Whether destination may be unpacked into: it does not exist, or
    // "工程 %s 已存在，要覆盖吗？" was answered Yes.
    bool MayUnpackInto(const std::wstring& destination);
    // Unpacks archivePath into destination through a scratch folder that
    // takes its place when complete (when replacing, exchanged with the
    // existing one, which is then deleted); the status of a failure, empty
    // on success. noProject gets the reason when the unpacked archive gives
    // no project.
    std::wstring ExtractProjectArchive(const std::wstring& archivePath, const std::wstring& destination,
                                       bool replacing, std::wstring& noProject) const;
    // Locks folder (exclusively to change it, shared to read it) unless
    // this import holds it already; the failure status, or empty (also
    // when the lock cannot be made and is not required).
    std::wstring Lock(const std::wstring& folder, bool exclusive, bool required);
    // Tells the entries refused for their names, in one warning.
    static void WarnRefused(const std::wstring& archivePath, const CArchiveUnpackResult& unpacked);

    CAppWindowLayer& m_window;
    std::wstring m_standardFolder;  // resolved; empty when unknown
    // Resolved folder -> the input that claimed it (archives' destinations
    // and projects' folders), and resolved .prj path -> its input.
    std::map<std::wstring, std::wstring> m_folders;
    std::map<std::wstring, std::wstring> m_projects;
    std::set<std::wstring> m_archiveFolders;  // resolved folders claimed by archives
    std::unique_ptr<CDestinationLocks> m_locks;  // of resolved folders
    std::set<std::wstring> m_swept;  // parents cleared of leftovers
    uint64_t m_maxUnpackBytes;
    int m_jobs;
    std::vector<CQueued> m_queued;
    std::set<std::wstring> m_queuedFolders;  // resolved folders m_queued unpacks
    std::vector<CImportOutcome> m_outcomes;  // of inputs unpacked, not yet handed over
    bool m_stopped;
};
