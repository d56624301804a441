// Descending from a destination folder to where an entry goes, one folder
// at a time, without following links: every folder below the starting one
// is opened with O_NOFOLLOW, so a link planted in the destination (by an
// earlier archive or anyone else) is refused instead of followed.
#pragma once

#include <sys/types.h>

#include <string>

class CZipFolderWalk {
public:
    CZipFolderWalk();
    ~CZipFolderWalk();
    CZipFolderWalk(const CZipFolderWalk&) = delete;
    CZipFolderWalk& operator=(const CZipFolderWalk&) = delete;

    // Opens the starting folder; it is the caller's, so a link to it is
    // followed.
    bool OpenRoot(const std::wstring& root);
    // Steps into folder name of the current folder, making it (with mode)
    // when missing and create is set. False when name is a link, not a
    // folder, or missing.
    bool Descend(const std::wstring& name, bool create, mode_t mode);
    // Creates file name in the current folder anew for writing: an
    // existing file or link of that name is removed first, so nothing is
    // written through a link. The descriptor, or -1.
    int CreateFile(const std::wstring& name, mode_t mode);

private:
    int m_fd;
};
