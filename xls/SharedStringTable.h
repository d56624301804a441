// The shared string table (SST) of the workbook globals: every distinct
// cell text once, in order of first use, and the count of text cells.
//
// 8-bit texts and wide texts have a dictionary each and are never merged.
// Layout() lays the strings into the record's data and decides where
// CONTINUE records begin: a string header is never cut, a record with
// fewer than 12 bytes left ends before the next string, and a string cut
// at a record end resumes after a repeated flags byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xls/BiffRecord.h"

namespace BiffXls {

class SharedStringTable : public Record {
public:
    // Longest text kept, in UTF-16 code units (Excel's limit for a cell).
    static const uint32_t kMaxTextUnits = 32767;

    SharedStringTable();

    void Clear();
    // Counts one text cell and returns the index of its text, adding the
    // text when it is new. A wide text becomes UTF-16 (characters UTF-16
    // cannot carry become U+FFFD); a narrow one keeps its bytes, which
    // readers take as the first 256 Unicode characters. Longer texts are
    // cut to kMaxTextUnits.
    uint32_t AddWide(const std::wstring& text);
    uint32_t AddNarrow(const std::string& text);

    uint32_t TotalCount() const { return m_total; }
    uint32_t UniqueCount() const { return (uint32_t)m_strings.size(); }

    // Builds m_data and m_splits from the strings; DataSize and Write then
    // describe the laid-out record.
    void Layout();

private:
    struct CString {
        size_t offset;   // into m_characters
        uint32_t bytes;  // character bytes
        uint32_t hash;
        bool wide;
    };

    // Index of the text, entered first when new.
    uint32_t Intern(const uint8_t* characters, uint32_t bytes, bool wide);
    void GrowSlots();

    uint32_t m_total;
    std::vector<CString> m_strings;
    std::vector<uint8_t> m_characters;  // all strings' characters, as stored
    // The dictionary: open addressing over the strings, index + 1 per slot
    // (0 = empty); one table serves both widths, the width being part of
    // the key.
    std::vector<uint32_t> m_slots;
    std::vector<uint8_t> m_scratch;  // the UTF-16 form of the text being added
};

}  // namespace BiffXls
