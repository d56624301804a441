// Finding files by names that may differ in letter case, as on Windows.
//
// Students make their projects on Windows, whose file names ignore letter
// case: a model file renamed Frame.prj still finds frame_结构信息.txt there,
// and a standard file or project list written on Windows may spell a path
// in another case than the disk does. Here names are exact, so wherever
// the program derives a file's name from another it asks this class.
//
// The exact name is tried first. When it is missing, the folder is listed
// (once per lookup object, however many names are looked up in it) and an
// entry whose name differs only in ASCII letter case is taken; of several,
// the first by name in byte order. When a folder holds several names that
// differ only in case, the choice made is noted, so that the teacher can
// see which file was read. Folders on the way are found the same way.
//
// A lookup object lives for one load: files made after it listed a folder
// are not seen by it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/TmToolsApi.h"

namespace TMTOOLS {
namespace OS {

class TMTOOLS_API CFileNameLookup {
public:
    CFileNameLookup();
    ~CFileNameLookup();

    // The path of the file that path names where case is ignored; path
    // itself when it exists or when nothing matches (the caller then finds
    // no file there). path is absolute or relative, "/" separated.
    std::wstring Find(const std::wstring& path);

    // Notes on names chosen among several that differ only in case, in the
    // order met, each once.
    const std::vector<std::wstring>& Notes() const { return m_notes; }
    // How many folders were listed.
    int ListingCount() const { return (int)m_listings.size(); }

private:
    // The entry of folder named like name; empty when none. Adds a note
    // when several are.
    std::wstring Match(const std::wstring& folder, const std::wstring& name);
    // The names in folder, sorted by their bytes; listed on first use.
    const std::vector<std::wstring>& Listing(const std::wstring& folder);
    void Note(const std::wstring& text);

    std::map<std::wstring, std::vector<std::wstring>> m_listings;
    std::vector<std::wstring> m_notes;
};

}  // namespace OS
}  // namespace TMTOOLS
