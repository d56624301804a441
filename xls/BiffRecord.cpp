// Record framing and CONTINUE cutting shared by all BIFF8 records.
#include "xls/BiffRecord.h"

#include <cassert>
#include <cstring>

#include "xls/ByteOrder.h"

namespace BiffXls {

Record::Record(uint16_t type) : m_type(type)
{
}

Record::~Record() = default;

size_t Record::Read(const uint8_t* bytes, size_t size)
{
    if (!bytes || size < kRecordHeaderSize)
        return 0;
    uint32_t length = XlsBytes::Get16(bytes + 2);
    if (size < kRecordHeaderSize + length)
        return 0;
    m_type = XlsBytes::Get16(bytes);
    m_data.assign(bytes + kRecordHeaderSize, bytes + kRecordHeaderSize + length);
    m_splits.clear();
    size_t taken = kRecordHeaderSize + length;
    while (size - taken >= kRecordHeaderSize && XlsBytes::Get16(bytes + taken) == RecordType::kContinue) {
        uint32_t more = XlsBytes::Get16(bytes + taken + 2);
        if (size - taken - kRecordHeaderSize < more)
            break;
        m_splits.push_back((uint32_t)m_data.size());
        const uint8_t* data = bytes + taken + kRecordHeaderSize;
        m_data.insert(m_data.end(), data, data + more);
        taken += kRecordHeaderSize + more;
    }
    return taken;
}

uint32_t Record::DataSize() const
{
    return (uint32_t)m_data.size();
}

void Record::WriteData(RecordWriter& out) const
{
    out.PutBytes(m_data.data(), m_data.size());
}

// Declared size against bytes written: see RecordWriter.
void Record::WriteChecked(uint8_t* out, uint32_t size) const
{
    RecordWriter writer(out, size);
    WriteData(writer);
    assert(writer.Written() == size && "a record wrote other than its DataSize");
    (void)writer;
}

std::vector<uint32_t> Record::Cuts() const
{
    if (!m_splits.empty())
        return m_splits;
    std::vector<uint32_t> cuts;
    uint32_t size = DataSize();
    for (uint32_t at = kMaxRecordData; at < size; at += kMaxRecordData)
        cuts.push_back(at);
    return cuts;
}

uint32_t Record::RecordSize() const
{
    uint32_t size = DataSize();
    uint32_t continues = !m_splits.empty() ? (uint32_t)m_splits.size()
                                           : (size > kMaxRecordData ? (size - 1) / kMaxRecordData : 0);
    return size + kRecordHeaderSize * (1 + continues);
}

size_t Record::Write(uint8_t* out) const
{
    uint32_t size = DataSize();
    if (size <= kMaxRecordData && m_splits.empty()) {
        XlsBytes::Put16(out, m_type);
        XlsBytes::Put16(out + 2, (uint16_t)size);
        WriteChecked(out + kRecordHeaderSize, size);
        return kRecordHeaderSize + size;
    }
    // Long data: lay it out whole, then frame each piece.
    std::vector<uint8_t> data(size);
    WriteChecked(data.data(), size);
    std::vector<uint32_t> cuts = Cuts();
    cuts.push_back(size);
    uint8_t* p = out;
    uint32_t begin = 0;
    for (size_t i = 0; i < cuts.size(); ++i) {
        uint32_t length = cuts[i] - begin;
        XlsBytes::Put16(p, i == 0 ? m_type : RecordType::kContinue);
        XlsBytes::Put16(p + 2, (uint16_t)length);
        if (length > 0)
            memcpy(p + kRecordHeaderSize, data.data() + begin, length);
        p += kRecordHeaderSize + length;
        begin = cuts[i];
    }
    return (size_t)(p - out);
}

}  // namespace BiffXls
