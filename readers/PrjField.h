// One positional field of a .prj data line and the typed value made from it.
//
// The general sections are lines of reals whose fields become values of
// different classes with different conversions and defaults; describing
// them in tables keeps every name, index and default in one place that
// reads like the file's own layout.
#pragma once

#include <cstddef>

class CPrjLineReader;
class CScoringGenInfoItem;

enum EPrjValueClass {
    kPrjChar,   // CTmCharData, low 8 bits
    kPrjInt16,  // CTmInt16Data, low 16 bits
    kPrjInt,    // CTmIntData
    kPrjFloat,  // CTmFloatData, 0.01 absolute
};

enum EPrjConversion {
    kPrjReal,       // the real itself
    kPrjToInt,      // int: truncation of v + 0.0001
    kPrjToIntPrime, // int′: truncation of v + 0.001
    kPrjToIntSigned // int±: v ± 0.0001 by its sign, truncated
};

struct CPrjField {
    int m_index;  // #index in the line
    const wchar_t* m_name;
    EPrjValueClass m_class;
    EPrjConversion m_conversion;
    float m_default;  // when the line holds no #index
};

// Adds one value per field, made from the last line read by line, to item.
void AddPrjFieldValues(CScoringGenInfoItem& item, int group, const CPrjLineReader& line, const CPrjField* fields,
                       size_t fieldCount);

template <size_t N>
void AddPrjFieldValues(CScoringGenInfoItem& item, int group, const CPrjLineReader& line, const CPrjField (&fields)[N])
{
    AddPrjFieldValues(item, group, line, fields, N);
}

// The integer a field converts to (its default when the line lacks it).
int PrjFieldInteger(const CPrjLineReader& line, const CPrjField& field);
