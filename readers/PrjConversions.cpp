// Real-to-integer conversions of the .prj reader.
#include "readers/PrjConversions.h"

#include <cmath>

int32_t TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// The nudge is added in double, as the analysis program added a double
// constant to the float it had read.
int32_t PrjInt(float value)
{
    return TruncateToInt(static_cast<double>(value) + 0.0001);
}

int32_t PrjIntPrime(float value)
{
    return TruncateToInt(static_cast<double>(value) + 0.001);
}

int32_t PrjIntSigned(float value)
{
    if (value > 0)
        return TruncateToInt(static_cast<double>(value) + 0.0001);
    return TruncateToInt(static_cast<double>(value) - 0.0001);
}

int8_t LowByte(int32_t value)
{
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu));
}

int16_t LowWord(int32_t value)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu));
}
