// A legacy Excel workbook (.xls) built in memory and written in one go:
// editable sheets of cells, turned into BIFF8 records in the "Workbook"
// stream of a compound document. Writing only; workbooks are never read.
//
// Saving goes to a temporary file beside the target, renamed over it only
// once complete, so a failed save never leaves a half-written file where a
// good one stood.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "xls/CompoundDocument.h"
#include "xls/XlsWorksheet.h"

namespace BiffXls {
class BoundSheet;
class Workbook;
class Worksheet;
}  // namespace BiffXls

class XlsWorkbook {
public:
    static const size_t kMaxSheetNameLength = 31;

    // An empty workbook: no sheets until CreateNew.
    XlsWorkbook();
    ~XlsWorkbook();
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    // Discards all content and makes a workbook with one empty sheet
    // named "Sheet1". The storage the content had is kept: a workbook
    // made again and again (one per student) allocates little after the
    // first.
    void CreateNew();
    // The sheet whose name is stored as 8-bit text equal to name (case
    // matters); null when there is none.
    XlsWorksheet* FindSheet(const std::string& name);
    // Appends a sheet, its name stored as 8-bit text or as wide text. Null
    // before CreateNew and for a name that is empty, longer than 31
    // characters, holds one of []:*?/\ or equals another sheet's name with
    // ASCII case ignored.
    XlsWorksheet* AddSheet(const std::string& name);
    XlsWorksheet* AddSheet(const std::wstring& name);
    size_t SheetCount() const { return m_sheets.size(); }
    XlsWorksheet* Sheet(size_t index) { return index < m_sheets.size() ? m_sheets[index].get() : nullptr; }

    // Writes the workbook to path (UTF-8), replacing any file there; true
    // on success, else false with errno saying why. A path whose bytes are
    // not UTF-8 is refused, since the file would be created under another
    // name, and so is a path where a FIFO, a device or a folder sits; a
    // symbolic link is written through and a replaced file keeps its mode.
    // Shows no message.
    bool WriteToFile(const std::string& path);

private:
    XlsWorksheet* AppendSheet(const std::u16string& folded, const BiffXls::BoundSheet& entry);
    bool WriteDocument(const std::wstring& fileName);
    bool BuildStream(std::vector<uint8_t>& stream);

    CompoundDocument m_document;
    std::unique_ptr<BiffXls::Workbook> m_globals;
    std::vector<std::unique_ptr<BiffXls::Worksheet>> m_rawSheets;
    std::vector<std::unique_ptr<XlsWorksheet>> m_sheets;
    std::vector<std::u16string> m_foldedNames;  // sheet names in UTF-16, ASCII capitals
    std::vector<uint8_t> m_stream;              // the "Workbook" stream of the last save
};
