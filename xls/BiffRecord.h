// Base of the BIFF8 records of an .xls "Workbook" stream.
//
// A record is a 16-bit type, a 16-bit data length and the data. Data longer
// than 8,224 bytes continues in CONTINUE records; where the cuts fall is the
// record's list of split points (empty: every 8,224 bytes). Record kinds
// derive from Record, keep their fields as members and serialise them in
// WriteData; a plain Record carries its data as raw bytes, which is also
// what Read fills.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "xls/ByteOrder.h"

namespace BiffXls {

const uint32_t kMaxRecordData = 8224;
const uint32_t kRecordHeaderSize = 4;

// Types of the records the writer produces.
namespace RecordType {
const uint16_t kEOF = 0x000A;
const uint16_t kFont = 0x0031;
const uint16_t kContinue = 0x003C;
const uint16_t kWindow1 = 0x003D;
const uint16_t kBoundSheet = 0x0085;
const uint16_t kMulRK = 0x00BD;
const uint16_t kDBCell = 0x00D7;
const uint16_t kXF = 0x00E0;
const uint16_t kSST = 0x00FC;
const uint16_t kLabelSST = 0x00FD;
const uint16_t kDimensions = 0x0200;
const uint16_t kNumber = 0x0203;
const uint16_t kRow = 0x0208;
const uint16_t kIndex = 0x020B;
const uint16_t kWindow2 = 0x023E;
const uint16_t kRK = 0x027E;
const uint16_t kStyle = 0x0293;
const uint16_t kBOF = 0x0809;
}  // namespace RecordType

// Lays a record's data fields out one after another, little-endian, and
// counts them, so that Record::Write can check the bytes written against
// the size the record declares (DataSize). The checks are debug
// assertions: a record that writes past its size, or short of it, stops a
// debug build at the record that does it.
class RecordWriter {
public:
    RecordWriter(uint8_t* out, uint32_t size) : m_start(out), m_at(out), m_end(out + size) {}

    void Put8(uint8_t v) { XlsBytes::Put8(Take(1), v); }
    void Put16(uint16_t v) { XlsBytes::Put16(Take(2), v); }
    void Put32(uint32_t v) { XlsBytes::Put32(Take(4), v); }
    void PutDouble(double v) { XlsBytes::PutDouble(Take(8), v); }
    void PutBytes(const uint8_t* bytes, size_t count)
    {
        if (count > 0)
            memcpy(Take(count), bytes, count);
    }

    uint32_t Written() const { return (uint32_t)(m_at - m_start); }

private:
    uint8_t* Take(size_t count)
    {
        assert((size_t)(m_end - m_at) >= count && "a record wrote past its DataSize");
        uint8_t* at = m_at;
        m_at += count;
        return at;
    }

    uint8_t* m_start;
    uint8_t* m_at;
    uint8_t* m_end;
};

class Record {
public:
    explicit Record(uint16_t type = 0);
    virtual ~Record();
    Record(const Record&) = default;
    Record(Record&&) noexcept = default;
    Record& operator=(const Record&) = default;
    Record& operator=(Record&&) noexcept = default;

    // Parses one record and the CONTINUE records right after it from size
    // bytes: the type, the joined data in m_data and the split points.
    // Returns the bytes taken, 0 when they do not hold a whole record.
    virtual size_t Read(const uint8_t* bytes, size_t size);
    // Writes RecordSize() bytes: header and data, cut into CONTINUE
    // records where needed. Returns the bytes written.
    virtual size_t Write(uint8_t* out) const;
    virtual uint32_t DataSize() const;
    // Size in the stream, with the headers of all CONTINUE records.
    virtual uint32_t RecordSize() const;

    uint16_t m_type;
    std::vector<uint8_t> m_data;
    std::vector<uint32_t> m_splits;  // positions in the data where a CONTINUE begins

protected:
    // Writes DataSize() data bytes (the raw m_data unless overridden).
    virtual void WriteData(RecordWriter& out) const;

private:
    std::vector<uint32_t> Cuts() const;
    void WriteChecked(uint8_t* out, uint32_t size) const;
};

}  // namespace BiffXls
