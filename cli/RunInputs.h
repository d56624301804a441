// The files a command reads, so that none of its outputs replaces one.
//
// `standard st/frame.prj -o st/frame.prj` would put the scoring standard
// over the very model it was read from, and `grade --summary 张三.zip`
// over a student's hand-in. Files are compared by identity (device and
// inode), so another spelling, a link or a hard link is caught as well.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class CRunInputs {
public:
    // A file as it is; a folder as the archives and .prj files directly in
    // it (what grade takes from it).
    void AddInput(const std::wstring& path);
    // A project: its .prj and the files beside it named after it (its
    // result files, .pfd and .tsm).
    void AddProject(const std::wstring& prjPath);
    // Why output may not be written, for stderr; empty when it may. It may
    // not when it is one of the inputs, or when something other than a
    // regular file (or a link to one) sits at its path.
    std::string Refusal(const std::wstring& output) const;

private:
    void AddFile(const std::wstring& path);

    struct CFile {
        dev_t m_device;
        ino_t m_inode;
        std::wstring m_path;
    };
    std::vector<CFile> m_files;
};
