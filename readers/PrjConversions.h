// The conversions of a real read from the .prj file to the integer values of
// the model, as the analysis program's reader made them.
//
// A count or code is written as a real in the file; it is truncated toward
// zero after a small nudge (0.0001, or 0.001 for the fields read so in the
// later versions), so that 2.9999999 is read as 3. Values far outside the
// integer range (a damaged file) saturate instead of being undefined.
#pragma once

#include <cstdint>

// Truncation toward zero, saturated to the 32-bit range; NaN gives 0.
int32_t TruncateToInt(double value);
// int: truncation of v + 0.0001.
int32_t PrjInt(float value);
// int′: truncation of v + 0.001.
int32_t PrjIntPrime(float value);
// int±: v + 0.0001 when v > 0, v − 0.0001 otherwise, truncated.
int32_t PrjIntSigned(float value);
// The low 8 and 16 bits of an integer, as the signed char and short values
// keep them (300 gives 44, -1 stays -1).
int8_t LowByte(int32_t value);
int16_t LowWord(int32_t value);
