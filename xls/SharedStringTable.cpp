// Shared string table: dictionaries, UTF-16 storage and CONTINUE layout.
#include "xls/SharedStringTable.h"

#include <algorithm>
#include <cstring>

#include "xls/ByteOrder.h"
#include "xls/Utf16.h"

namespace BiffXls {

namespace {

const uint32_t kStringHeader = 3;   // character count (16) and flags (8)
const uint32_t kMinRoomToCut = 12;  // below this a string moves to the next record whole
const uint8_t kFlagsNarrow = 0x00;
const uint8_t kFlagsWide = 0x01;

}  // namespace

SharedStringTable::SharedStringTable() : Record(RecordType::kSST), m_total(0)
{
}

void SharedStringTable::Clear()
{
    m_total = 0;
    m_strings.clear();
    m_characters.clear();
    m_slots.clear();
    m_data.clear();
    m_splits.clear();
}

uint32_t SharedStringTable::AddWide(const std::wstring& text)
{
    const size_t room = std::min<size_t>(text.size() * 4, kMaxTextUnits * 2);
    if (m_scratch.size() < room)
        m_scratch.resize(room);
    uint8_t* out = m_scratch.data();
    size_t units = 0;
    for (wchar_t ch : text) {
        const uint32_t c = (uint32_t)ch;
        if (c < 0xD800 || (c >= 0xE000 && c < 0x10000)) {
            // One unit: most text.
            if (units + 1 > kMaxTextUnits)
                break;
            XlsBytes::Put16(out + 2 * units++, (uint16_t)c);
            continue;
        }
        char16_t pair[2];
        int n = XlsUtf16::Units((uint32_t)ch, pair);
        if (n == 0)
            n = XlsUtf16::Units(0xFFFD, pair);  // what UTF-16 cannot carry
        if (units + n > kMaxTextUnits)
            break;  // never half a pair
        for (int i = 0; i < n; ++i)
            XlsBytes::Put16(out + 2 * units++, (uint16_t)pair[i]);
    }
    return Intern(m_scratch.data(), (uint32_t)(units * 2), true);
}

uint32_t SharedStringTable::AddNarrow(const std::string& text)
{
    uint32_t bytes = (uint32_t)std::min<size_t>(text.size(), kMaxTextUnits);
    return Intern((const uint8_t*)text.data(), bytes, false);
}

uint32_t SharedStringTable::Intern(const uint8_t* characters, uint32_t bytes, bool wide)
{
    ++m_total;
    // A multiplicative hash over the stored bytes, eight at a time, the
    // width mixed in.
    uint64_t mixed = wide ? 0xCBF29CE484222325ull ^ 0x5A5A5A5Aull : 0xCBF29CE484222325ull;
    uint32_t i = 0;
    for (; i + 8 <= bytes; i += 8) {
        uint64_t word;
        memcpy(&word, characters + i, 8);
        mixed = (mixed ^ word) * 0x100000001B3ull;
        mixed ^= mixed >> 29;
    }
    for (; i < bytes; ++i)
        mixed = (mixed ^ characters[i]) * 0x100000001B3ull;
    const uint32_t hash = (uint32_t)(mixed ^ (mixed >> 32));
    if (m_strings.size() * 2 >= m_slots.size())
        GrowSlots();
    const size_t mask = m_slots.size() - 1;
    size_t slot = hash & mask;
    while (m_slots[slot] != 0) {
        const CString& s = m_strings[m_slots[slot] - 1];
        if (s.hash == hash && s.wide == wide && s.bytes == bytes &&
            (bytes == 0 || memcmp(m_characters.data() + s.offset, characters, bytes) == 0))
            return m_slots[slot] - 1;
        slot = (slot + 1) & mask;
    }
    CString entry;
    entry.offset = m_characters.size();
    entry.bytes = bytes;
    entry.hash = hash;
    entry.wide = wide;
    m_characters.insert(m_characters.end(), characters, characters + bytes);
    m_strings.push_back(entry);
    m_slots[slot] = (uint32_t)m_strings.size();
    return (uint32_t)m_strings.size() - 1;
}

void SharedStringTable::GrowSlots()
{
    size_t size = m_slots.empty() ? 1024 : m_slots.size() * 2;
    m_slots.assign(size, 0);
    const size_t mask = size - 1;
    for (size_t i = 0; i < m_strings.size(); ++i) {
        size_t slot = m_strings[i].hash & mask;
        while (m_slots[slot] != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = (uint32_t)i + 1;
    }
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
