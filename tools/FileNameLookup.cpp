// CFileNameLookup: exact names first, then one folder listing for the rest.
#include "tools/FileNameLookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "tools/CodePage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace TMTOOLS {
namespace OS {

namespace {

bool Exists(const std::wstring& path)
{
    struct stat st;
    return lstat(NativePath(path).c_str(), &st) == 0;
}

bool IsByteEscape(wchar_t c)
{
    return c >= CodePage::kFirstByteEscape && c <= CodePage::kLastByteEscape;
}

// Whether bytes end in a GBK lead byte still waiting for its trail byte.
bool EndsInGbkLead(const std::string& bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        if (!CodePage::IsGbkLead((unsigned char)bytes[i])) {
            ++i;
            continue;
        }
        if (i + 1 == bytes.size())
            return true;
        i += 2;
    }
    return false;
}

// The name with each stretch of bytes that are not UTF-8 read as GBK: a name
// made on Windows and copied byte for byte holds its characters as GBK. A
// stretch is a run of characters above ASCII, with the ASCII trail bytes of
// its GBK pairs; a stretch with no escaped byte stays as it is, so a name
// that joins such a stem to a UTF-8 suffix reads as the stem's characters
// and the suffix. Names without escaped bytes come back unchanged.
std::wstring GbkReading(const std::wstring& name)
{
    if (std::none_of(name.begin(), name.end(), IsByteEscape))
        return name;
    std::wstring out;
    size_t i = 0;
    while (i < name.size()) {
        if (name[i] < 0x80) {
            out += name[i++];
            continue;
        }
        std::string bytes;
        bool escaped = false;
        size_t j = i;
        while (j < name.size()) {
            const wchar_t c = name[j];
            if (c < 0x80 && !(c >= 0x40 && c != 0x7F && EndsInGbkLead(bytes)))
                break;
            escaped = escaped || IsByteEscape(c);
            bytes += CodePage::EncodeUtf8(std::wstring(1, c), true);
            ++j;
        }
        if (escaped)
            out += CodePage::DecodeGbk(bytes.data(), bytes.size());
        else
            out.append(name, i, j - i);
        i = j;
    }
    return out;
}

}  // namespace

CFileNameLookup::CFileNameLookup() {}

CFileNameLookup::~CFileNameLookup() {}

std::wstring CFileNameLookup::Find(const std::wstring& path)
{
    if (path.empty())
        return path;
    // The last name is always compared with its folder's listing, so that
    // a twin differing only in case is noted even beside the exact name.
    const size_t slash = path.rfind(L'/');
    std::wstring folder = slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
    const std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    if (name.empty())
        return path;
    if (!folder.empty() && folder != L"." && !Exists(folder)) {
        const std::wstring found = Find(folder);
        if (found == folder)
            return path;
        folder = found;
    }
    const std::wstring match = Match(folder.empty() ? std::wstring(L"/") : folder, name);
    if (match.empty())
        return path;
    if (slash == std::wstring::npos)
        return match;
    return folder + L"/" + match;
}

std::wstring CFileNameLookup::Match(const std::wstring& folder, const std::wstring& name)
{
    const std::vector<std::wstring>& names = Listing(folder);
    std::vector<std::wstring> alike;
    for (const std::wstring& entry : names) {
        if (String::EqualAsciiNoCase(entry, name))
            alike.push_back(entry);
    }
    if (alike.empty()) {
        // A name copied from Windows byte for byte, asked for by its
        // characters, or the other way round.
        const std::wstring reading = GbkReading(name);
        for (const std::wstring& entry : names) {
            if (String::EqualAsciiNoCase(GbkReading(entry), reading))
                alike.push_back(entry);
        }
    }
    if (alike.empty())
        return std::wstring();
    // The exact name wins; else the first in byte order (the listing's).
    std::wstring chosen = std::find(alike.begin(), alike.end(), name) != alike.end() ? name : alike.front();
    if (alike.size() > 1)
        Note(String::stringFormat(L"%s 有 %d 个仅大小写不同的文件，读取的是 %s", name.c_str(), (int)alike.size(),
                                  chosen.c_str()));
    return chosen;
}

const std::vector<std::wstring>& CFileNameLookup::Listing(const std::wstring& folder)
{
    auto found = m_listings.find(folder);
    if (found != m_listings.end())
        return found->second;
    std::vector<std::string> bytes;
    if (DIR* dir = opendir(NativePath(folder).c_str())) {
        while (struct dirent* entry = readdir(dir)) {
            if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
                bytes.push_back(entry->d_name);
        }
        closedir(dir);
    }
    std::sort(bytes.begin(), bytes.end());
    std::vector<std::wstring> names;
    names.reserve(bytes.size());
    for (const std::string& name : bytes)
        names.push_back(CodePage::DecodeUtf8(name.data(), name.size(), true));
    return m_listings.emplace(folder, std::move(names)).first->second;
}

void CFileNameLookup::Note(const std::wstring& text)
{
    if (std::find(m_notes.begin(), m_notes.end(), text) == m_notes.end())
        m_notes.push_back(text);
}

}  // namespace OS
}  // namespace TMTOOLS
