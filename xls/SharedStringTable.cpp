// Shared string table: dictionaries, UTF-16 storage and CONTINUE layout.
#include "xls/SharedStringTable.h"

#include <algorithm>

#include "xls/ByteOrder.h"

namespace BiffXls {

namespace {

const uint32_t kStringHeader = 3;   // character count (16) and flags (8)
const uint32_t kMinRoomToCut = 12;  // below this a string moves to the next record whole
const uint8_t kFlagsNarrow = 0x00;
const uint8_t kFlagsWide = 0x01;

void AppendUtf16(std::vector<uint8_t>& out, uint32_t unit)
{
    out.push_back((uint8_t)unit);
    out.push_back((uint8_t)(unit >> 8));
}

}  // namespace

SharedStringTable::SharedStringTable() : Record(0x00FC), m_total(0)
{
}

void SharedStringTable::Clear()
{
    m_total = 0;
    m_strings.clear();
    m_characters.clear();
    m_narrowIndex.clear();
    m_wideIndex.clear();
    m_data.clear();
    m_splits.clear();
}

uint32_t SharedStringTable::AddWide(const std::wstring& text)
{
    ++m_total;
    auto found = m_wideIndex.find(text);
    if (found != m_wideIndex.end())
        return found->second;

    std::vector<uint8_t> utf16;
    utf16.reserve(text.size() * 2);
    for (wchar_t ch : text) {
        uint32_t c = (uint32_t)ch;
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        uint32_t units = c >= 0x10000 ? 2 : 1;
        if (utf16.size() / 2 + units > kMaxTextUnits)
            break;
        if (units == 2) {
            c -= 0x10000;
            AppendUtf16(utf16, 0xD800 + (c >> 10));
            AppendUtf16(utf16, 0xDC00 + (c & 0x3FF));
        } else {
            AppendUtf16(utf16, c);
        }
    }
    uint32_t index = AddString(utf16.data(), (uint32_t)utf16.size(), true);
    m_wideIndex.emplace(text, index);
    return index;
}

uint32_t SharedStringTable::AddNarrow(const std::string& text)
{
    ++m_total;
    auto found = m_narrowIndex.find(text);
    if (found != m_narrowIndex.end())
        return found->second;
    uint32_t bytes = (uint32_t)std::min<size_t>(text.size(), kMaxTextUnits);
    uint32_t index = AddString((const uint8_t*)text.data(), bytes, false);
    m_narrowIndex.emplace(text, index);
    return index;
}

uint32_t SharedStringTable::AddString(const uint8_t* characters, uint32_t bytes, bool wide)
{
    CString entry;
    entry.offset = m_characters.size();
    entry.bytes = bytes;
    entry.wide = wide;
    m_characters.insert(m_characters.end(), characters, characters + bytes);
    m_strings.push_back(entry);
    return (uint32_t)m_strings.size() - 1;
}

void SharedStringTable::Layout()
{
    m_data.clear();
    m_splits.clear();
    m_data.reserve(8 + m_characters.size() + m_strings.size() * kStringHeader + m_characters.size() / 1000 + 16);
    m_data.resize(8);
    XlsBytes::Put32(m_data.data(), m_total);
    XlsBytes::Put32(m_data.data() + 4, UniqueCount());

    size_t recordStart = 0;
    auto room = [&]() { return (uint32_t)(kMaxRecordData - (m_data.size() - recordStart)); };
    auto startRecord = [&]() {
        recordStart = m_data.size();
        m_splits.push_back((uint32_t)recordStart);
    };

    for (const CString& s : m_strings) {
        const uint8_t* characters = m_characters.data() + s.offset;
        uint8_t flags = s.wide ? kFlagsWide : kFlagsNarrow;
        if (kStringHeader + s.bytes > room() && room() < kMinRoomToCut)
            startRecord();
        uint32_t units = s.wide ? s.bytes / 2 : s.bytes;
        m_data.push_back((uint8_t)units);
        m_data.push_back((uint8_t)(units >> 8));
        m_data.push_back(flags);
        uint32_t done = 0;
        while (true) {
            uint32_t take = std::min(room(), s.bytes - done);
            if (s.wide && done + take < s.bytes)
                take &= ~1u;  // a wide string is cut between characters
            m_data.insert(m_data.end(), characters + done, characters + done + take);
            done += take;
            if (done == s.bytes)
                break;
            startRecord();
            m_data.push_back(flags);
        }
    }
}

}  // namespace BiffXls
