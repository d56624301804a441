// Typed values from positional fields.
#include "readers/PrjField.h"

#include "readers/PrjConversions.h"
#include "readers/PrjLineReader.h"
#include "scoring/ScoringGenInfoItem.h"
#include "scoring/TmData.h"

int PrjFieldInteger(const CPrjLineReader& line, const CPrjField& field)
{
    if (!line.Has(field.m_index))
        return TruncateToInt(field.m_default);
    switch (field.m_conversion) {
    case kPrjToIntPrime:
        return line.IntPrime(field.m_index);
    case kPrjToIntSigned:
        return line.IntSigned(field.m_index);
    case kPrjToInt:
        return line.Int(field.m_index);
    case kPrjReal:
        break;
    }
    return TruncateToInt(line.Real(field.m_index));
}

void AddPrjFieldValues(CScoringGenInfoItem& item, int group, const CPrjLineReader& line, const CPrjField* fields,
                       size_t fieldCount)
{
    for (size_t i = 0; i < fieldCount; ++i) {
        const CPrjField& field = fields[i];
        switch (field.m_class) {
        case kPrjFloat:
            item.AddValue(new CTmFloatData(field.m_name, group, line.Real(field.m_index, field.m_default)));
            break;
        case kPrjChar:
            item.AddValue(new CTmCharData(field.m_name, group, LowByte(PrjFieldInteger(line, field))));
            break;
        case kPrjInt16:
            item.AddValue(new CTmInt16Data(field.m_name, group, LowWord(PrjFieldInteger(line, field))));
            break;
        case kPrjInt:
            item.AddValue(new CTmIntData(field.m_name, group, PrjFieldInteger(line, field)));
            break;
        }
    }
}
