// RK values: the 32-bit number form of BIFF8 cells. Bit 0 says "divide by
// 100", bit 1 says "integer"; the upper 30 bits are either a signed integer
// or the upper 30 bits of an IEEE 754 double.
#pragma once

#include <cstdint>

namespace BiffXls {

const int32_t kRkIntegerMin = -(1 << 29);
const int32_t kRkIntegerMax = (1 << 29) - 1;

// (n << 2) | 2; false when n lies outside kRkIntegerMin..kRkIntegerMax.
bool EncodeRkInteger(int32_t n, uint32_t& rk);

// The RK form of a double with at most two decimals whose value (or
// hundredfold value) fits the RK's 30 bits exactly; false for every other
// double, which then needs a NUMBER record.
bool EncodeRkDouble(double value, uint32_t& rk);

// The number an RK value stands for, as a reader computes it.
double DecodeRk(uint32_t rk);

}  // namespace BiffXls
