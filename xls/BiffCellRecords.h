// The BIFF8 cell records the writer produces: LABELSST (text through the
// shared string table), RK (a number in 32 bits), MULRK (a run of RK
// numbers in one row) and NUMBER (a full double).
#pragma once

#include <cstdint>
#include <vector>

#include "xls/BiffRecord.h"

namespace BiffXls {

class LabelSST final : public Record {
public:
    LabelSST(uint16_t row = 0, uint16_t column = 0, uint32_t stringIndex = 0)
        : Record(RecordType::kLabelSST), m_row(row), m_column(column), m_xfIndex(0), m_stringIndex(stringIndex)
    {
    }
    uint32_t DataSize() const override { return 10; }

    uint16_t m_row;
    uint16_t m_column;
    uint16_t m_xfIndex;
    uint32_t m_stringIndex;

protected:
    void WriteData(RecordWriter& out) const override;
};

class RK final : public Record {
public:
    RK(uint16_t row = 0, uint16_t column = 0, uint32_t rk = 0)
        : Record(RecordType::kRK), m_row(row), m_column(column), m_xfIndex(0), m_rk(rk)
    {
    }
    uint32_t DataSize() const override { return 10; }

    uint16_t m_row;
    uint16_t m_column;
    uint16_t m_xfIndex;
    uint32_t m_rk;

protected:
    void WriteData(RecordWriter& out) const override;
};

class MulRK final : public Record {
public:
    struct CXfRk {
        uint16_t xfIndex;
        uint32_t rk;
    };

    MulRK(uint16_t row = 0, uint16_t firstColumn = 0) : Record(RecordType::kMulRK), m_row(row), m_firstColumn(firstColumn) {}
    uint32_t DataSize() const override { return 6 + 6 * (uint32_t)m_values.size(); }
    uint16_t LastColumn() const { return (uint16_t)(m_firstColumn + m_values.size() - 1); }

    uint16_t m_row;
    uint16_t m_firstColumn;
    std::vector<CXfRk> m_values;  // one per column from the first on

protected:
    void WriteData(RecordWriter& out) const override;
};

class Number final : public Record {
public:
    Number(uint16_t row = 0, uint16_t column = 0, double value = 0)
        : Record(RecordType::kNumber), m_row(row), m_column(column), m_xfIndex(0), m_value(value)
    {
    }
    uint32_t DataSize() const override { return 14; }

    uint16_t m_row;
    uint16_t m_column;
    uint16_t m_xfIndex;
    double m_value;

protected:
    void WriteData(RecordWriter& out) const override;
};

}  // namespace BiffXls
