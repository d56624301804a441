// File-system helpers of the tools library and its small byte buffer.
//
// Paths are wide texts; on disk they are UTF-8. "/" separates folders.
// A name whose bytes are not UTF-8 is carried with its bytes escaped as
// code page 0 does (TmString.h), and NativePath gives the bytes back.
#pragma once

#include <string>
#include <vector>

#include "TmToolsApi.h"

namespace TMTOOLS {
namespace OS {

// True when path names an existing file or folder.
TMTOOLS_API bool FileExist(const wchar_t* path);
// True when path names an existing folder; a path ending in "/" is not found.
TMTOOLS_API bool FolderExist(const wchar_t* path);
// Creates the folder and its missing parents; -1 for a missing or empty
// path, else 0 (creation failures are not reported: check FolderExist).
TMTOOLS_API int mkdir_r(const wchar_t* path);
// Lists the entries of folder matching pattern ("*", "?", any case), sorted
// by name, full paths unless nameOnly, descending into folders if recursive.
TMTOOLS_API void SearchFiles(const std::wstring& folder, const std::wstring& pattern,
                             std::vector<std::wstring>& entries, bool nameOnly, bool recursive);
// Last component without its extension.
TMTOOLS_API void GetFileName(const std::wstring& path, std::wstring& name);
// Last component, extension included.
TMTOOLS_API void GetShortFilePath(const std::wstring& path, std::wstring& name);
// Everything before the last "/" (the folder holding the last component);
// empty when path has no "/".
TMTOOLS_API void GetFolderPath(const std::wstring& path, std::wstring& folder);

// The native (UTF-8) form of a wide path; escaped bytes come out as the
// bytes they stand for.
TMTOOLS_API std::string NativePath(const std::wstring& path);

class TMTOOLS_API CTmBuffer {
public:
    CTmBuffer();
    explicit CTmBuffer(unsigned int size);
    ~CTmBuffer();
    // Assignment copies the block, so two buffers never free one block.
    CTmBuffer(const CTmBuffer& other);
    CTmBuffer& operator=(const CTmBuffer& other);

    // Returns a block of at least size bytes whose first size bytes are
    // zero; a smaller block is replaced, a larger one kept. GetSize() is
    // size afterwards, whether the block is new or reused.
    void* CreateBuffer(unsigned int& size);

    unsigned int GetSize() const { return m_size; }
    void* GetData() const { return m_data; }

private:
    unsigned int m_size;
    unsigned int m_capacity;
    unsigned char* m_data;
};

}  // namespace OS
}  // namespace TMTOOLS
