// Building the "Workbook" stream from the editable sheets and saving it
// through a temporary file.
#include "xls/XlsWorkbook.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "tools/TmOutputFile.h"
#include "tools/TmString.h"
#include "xls/BiffWorkbook.h"
#include "xls/BiffWorksheet.h"
#include "xls/Utf16.h"

namespace {

const wchar_t kStreamName[] = L"Workbook";

std::u16string FoldName(const std::u16string& name)
{
    std::u16string folded = name;
    for (char16_t& c : folded) {
        if (c >= u'a' && c <= u'z')
            c = (char16_t)(c - u'a' + u'A');
    }
    return folded;
}

bool IsUsableSheetName(const std::u16string& name)
{
    if (name.empty() || name.size() > XlsWorkbook::kMaxSheetNameLength)
        return false;
    return name.find_first_of(u"[]:*?/\\") == std::u16string::npos;
}

// Creates an empty, new file beside path and returns its name: the save
// is written there and renamed over path once complete.
bool CreateTemporaryBeside(const std::string& path, std::string& temporary)
{
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned int random = 0;
        if (getrandom(&random, sizeof random, 0) != (ssize_t)sizeof random)
            random = (unsigned int)getpid() * 2654435761u + (unsigned int)attempt;
        char suffix[16];
        snprintf(suffix, sizeof suffix, ".%08x", random);
        temporary = folder + "." + name + suffix;
        int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

}  // namespace

XlsWorkbook::XlsWorkbook() = default;

XlsWorkbook::~XlsWorkbook() = default;

void XlsWorkbook::CreateNew()
{
    m_document.Close();
    // What the last content used is kept for the new one: the string
    // table, the first sheet's grid and records, the file's image. The
    // globals' other records keep their defaults: nothing changes them.
    if (!m_globals) {
        m_globals = std::make_unique<BiffXls::Workbook>();
    } else {
        m_globals->m_boundSheets.clear();
        m_globals->m_sst.Clear();
    }
    // Sheets after the first go; the first stays for "Sheet1" (AppendSheet
    // empties it).
    if (m_sheets.size() > 1) {
        m_sheets.resize(1);
        m_rawSheets.resize(1);
    }
    m_foldedNames.clear();
    AddSheet(std::string("Sheet1"));
}

XlsWorksheet* XlsWorkbook::FindSheet(const std::string& name)
{
    if (!m_globals)
        return nullptr;
    for (size_t i = 0; i < m_globals->m_boundSheets.size(); ++i) {
        const BiffXls::BoundSheet& entry = m_globals->m_boundSheets[i];
        if (entry.IsNarrowName() && entry.m_narrowName == name)
            return m_sheets[i].get();
    }
    return nullptr;
}

XlsWorksheet* XlsWorkbook::AddSheet(const std::string& name)
{
    std::u16string asUnicode;
    for (char c : name)
        asUnicode += (char16_t)(uint8_t)c;
    BiffXls::BoundSheet entry;
    entry.SetNarrowName(name);
    return AppendSheet(asUnicode, entry);
}

XlsWorksheet* XlsWorkbook::AddSheet(const std::wstring& name)
{
    std::u16string utf16;
    if (name.find(L'\0') != std::wstring::npos || !XlsUtf16::FromWide(name, utf16))
        return nullptr;
    BiffXls::BoundSheet entry;
    entry.SetWideName(utf16);
    return AppendSheet(utf16, entry);
}

XlsWorksheet* XlsWorkbook::AppendSheet(const std::u16string& name, const BiffXls::BoundSheet& entry)
{
    if (!m_globals || !IsUsableSheetName(name))
        return nullptr;
    std::u16string folded = FoldName(name);
    for (const std::u16string& other : m_foldedNames) {
        if (other == folded)
            return nullptr;
    }
    m_foldedNames.push_back(folded);
    const size_t index = m_globals->m_boundSheets.size();
    m_globals->m_boundSheets.push_back(entry);
    if (index < m_sheets.size()) {
        // A sheet kept by CreateNew: its storage serves the new one.
        m_sheets[index]->Empty();
    } else {
        m_rawSheets.push_back(std::make_unique<BiffXls::Worksheet>());
        m_sheets.push_back(std::make_unique<XlsWorksheet>(this, (uint32_t)index));
    }
    return m_sheets[index].get();
}

bool XlsWorkbook::WriteToFile(const std::string& path)
{
    m_document.Close();
    if (!m_globals || path.empty()) {
        errno = EINVAL;
        return false;
    }
    std::wstring widePath;
    TMTOOLS::String::EncodeUnicode(0, path, widePath);
    std::string roundTrip;
    TMTOOLS::String::DecodeUnicode(0, widePath, roundTrip);
    if (roundTrip != path) {
        errno = EILSEQ;
        return false;
    }

    // A link is written through, a special file never replaced, and the
    // file replaced keeps its mode (tools/TmOutputFile.h).
    std::string target;
    bool exists = false;
    mode_t mode = 0;
    if (!TMTOOLS::OS::ResolveOutputPath(path, target, exists, mode))
        return false;
    std::string temporary;
    if (!CreateTemporaryBeside(target, temporary))
        return false;
    if (exists)
        chmod(temporary.c_str(), mode);
    std::wstring wideTemporary;
    TMTOOLS::String::EncodeUnicode(0, temporary, wideTemporary);
    bool saved = WriteDocument(wideTemporary);
    // Closing flushes the file: only a cleanly closed file may replace the old one.
    if (m_document.Close() != CompoundDocument::kSuccess)
        saved = false;
    if (saved && rename(temporary.c_str(), target.c_str()) != 0)
        saved = false;
    if (!saved) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
    }
    return saved;
}

bool XlsWorkbook::WriteDocument(const std::wstring& fileName)
{
    if (m_document.Create(fileName) != CompoundDocument::kSuccess)
        return false;
    if (m_document.CreateStream(kStreamName) != CompoundDocument::kSuccess)
        return false;
    if (!BuildStream(m_stream))
        return false;
    return m_document.WriteStream(kStreamName, m_stream.data(), m_stream.size()) == CompoundDocument::kSuccess;
}

// Rebuilds the records from the editable sheets, places them in the
// stream and lays globals and sheets into one buffer sized beforehand.
bool XlsWorkbook::BuildStream(std::vector<uint8_t>& stream)
{
    BiffXls::SharedStringTable& strings = m_globals->m_sst;
    strings.Clear();
    for (size_t i = 0; i < m_sheets.size(); ++i)
        m_rawSheets[i]->Build(*m_sheets[i], strings, i == 0);
    strings.Layout();

    uint64_t position = m_globals->Size();
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        if (position > 0x7FFFFFFF)
            return false;
        m_globals->m_boundSheets[i].m_position = (uint32_t)position;
        m_rawSheets[i]->SetPositions((uint32_t)position);
        position += m_rawSheets[i]->Size();
    }
    if (position > 0x7FFFFFFF)
        return false;

    stream.assign((size_t)position, 0);
    size_t written = m_globals->Write(stream.data());
    for (const std::unique_ptr<BiffXls::Worksheet>& sheet : m_rawSheets)
        written += sheet->Write(stream.data() + written);
    return written == stream.size();
}
