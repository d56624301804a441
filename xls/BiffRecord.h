// Base of the BIFF8 records of an .xls "Workbook" stream.
//
// A record is a 16-bit type, a 16-bit data length and the data. Data longer
// than 8,224 bytes continues in CONTINUE records; where the cuts fall is the
// record's list of split points (empty: every 8,224 bytes). Record kinds
// derive from Record, keep their fields as members and serialise them in
// WriteData; a plain Record carries its data as raw bytes, which is also
// what Read fills.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace BiffXls {

const uint32_t kMaxRecordData = 8224;
const uint16_t kContinueType = 0x003C;
const uint32_t kRecordHeaderSize = 4;

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
    virtual void WriteData(uint8_t* out) const;

private:
    std::vector<uint32_t> Cuts() const;
};

}  // namespace BiffXls
