// Who is working on a student's folder: an advisory lock held while the
// folder is imported and its project loaded, and the scratch entries an
// import makes beside the folder.
//
// Two grading runs over one class must not read a folder the other is
// unpacking or replacing. Each run locks a student's folder before it
// touches it and keeps the lock until the project is loaded; a run that
// finds the lock taken reports the student and goes on, it never waits.
//
// Beside folder /exam/张三 an import uses, in /exam:
//   .张三.tmscore-lock         the lock file (flock), removed on release
//   .张三.tmscore-new-PID-N    the archive is unpacked here, then renamed
//   .张三.tmscore-old-PID-N    the replaced folder, on its way out
// A run that was killed leaves them behind; the next run over that folder
// removes them once it holds their student's lock, which no live process
// then has.
#pragma once

#include <memory>
#include <set>
#include <string>

class CDestinationLock {
public:
    enum Result { kLocked, kBusy, kFailed };

    // Takes the lock of folder (which need not exist; its parent must be
    // writable). Null with kBusy when another process holds it, kFailed
    // when the lock file cannot be made.
    static std::unique_ptr<CDestinationLock> Acquire(const std::wstring& folder, Result& result);
    // Removes the lock file, then lets go.
    ~CDestinationLock();
    CDestinationLock(const CDestinationLock&) = delete;
    CDestinationLock& operator=(const CDestinationLock&) = delete;

    const std::wstring& Folder() const { return m_folder; }

    // A new scratch path beside folder: kind "new" or "old".
    static std::wstring ScratchBeside(const std::wstring& folder, const char* kind);

    // Removes what killed runs left in parent: scratch entries of every
    // student whose lock can be taken now. Students named in held (folder
    // names in parent) are locked by the caller, who has no scratch entry
    // of theirs at the moment: theirs go without locking.
    static void RemoveLeftovers(const std::wstring& parent, const std::set<std::wstring>& held);

private:
    CDestinationLock(const std::wstring& folder, const std::string& path, int fd)
        : m_folder(folder), m_path(path), m_fd(fd)
    {
    }

    std::wstring m_folder;
    std::string m_path;  // native path of the lock file
    int m_fd;
};
