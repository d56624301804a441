// Who is working on a student's folder: advisory locks held while folders
// are imported and their projects loaded, and the scratch entries an
// import makes beside a folder.
//
// Two grading runs over one class must not read a folder the other is
// unpacking or replacing. Each run locks a student's folder before it
// touches it and keeps the lock until the project is loaded: exclusively
// to unpack or replace it, shared to read what is there. A run that finds
// the lock taken against it reports the student and goes on, it never
// waits; runs that only read do not stop each other.
//
// The locks of one class folder live in one file, /exam/.tmscore-lock, one
// byte per student at an offset taken from the folder name (open file
// description locks, F_OFD_SETLK): a run holds one descriptor per class
// folder however many students it locks. The last run to let go removes
// the file. Beside folder /exam/张三 an import also uses
//   .张三.tmscore-new-PID-N    the archive is unpacked here, then renamed
//   .张三.tmscore-old-PID-N    the replaced folder, on its way out
// and, while the report writes it, .张三.xls.XXXXXXXX (the workbook before
// it is renamed into place). A run that was killed leaves them behind; the
// next run over that folder removes them once it can lock their student
// exclusively, which no live run then prevents.
#pragma once

#include <sys/types.h>

#include <map>
#include <memory>
#include <set>
#include <string>

class CDestinationLocks {
public:
    enum Result { kLocked, kBusy, kFailed };

    CDestinationLocks();
    // Lets go of every lock.
    ~CDestinationLocks();
    CDestinationLocks(const CDestinationLocks&) = delete;
    CDestinationLocks& operator=(const CDestinationLocks&) = delete;

    // Locks folder (which need not exist; its parent must be writable),
    // exclusive or shared. kBusy when another run holds it against us,
    // kFailed when the lock file cannot be made. A folder this set holds
    // already counts as locked.
    Result Lock(const std::wstring& folder, bool exclusive);
    bool Holds(const std::wstring& folder) const { return m_held.count(folder) != 0; }
    // The folders held, for RemoveLeftovers.
    std::set<std::wstring> HeldIn(const std::wstring& parent) const;

    // A new scratch path beside folder: kind "new" or "old".
    static std::wstring ScratchBeside(const std::wstring& folder, const char* kind);

    // Removes what killed runs left in parent: the scratch entries of every
    // student that can be locked exclusively now. Students named in held
    // (folder names in parent) are locked by the caller, who has no scratch
    // entry of theirs at the moment: theirs go without locking.
    static void RemoveLeftovers(const std::wstring& parent, const std::set<std::wstring>& held);

private:
    class CLockFile;

    std::map<std::wstring, std::unique_ptr<CLockFile>> m_files;  // by parent folder
    std::map<std::wstring, off_t> m_held;                        // folder -> its byte
};
