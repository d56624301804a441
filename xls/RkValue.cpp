// RK encoding with the two-decimals test and the exact bit-pattern test.
#include "xls/RkValue.h"

#include <cmath>
#include <cstring>

namespace BiffXls {

bool EncodeRkInteger(int32_t n, uint32_t& rk)
{
    if (n < kRkIntegerMin || n > kRkIntegerMax)
        return false;
    rk = (uint32_t)n << 2 | 0x2;
    return true;
}

bool EncodeRkDouble(double value, uint32_t& rk)
{
    if (!std::isfinite(value))
        return false;
    double hundredfold = value * 100.0;
    double tenThousandfold = value * 10000.0;
    // The two-decimals test truncates to 32-bit integers; beyond their
    // range the conversion means nothing, and such values take a NUMBER.
    if (!(std::fabs(tenThousandfold) < 2147483648.0))
        return false;
    int32_t a = (int32_t)hundredfold;
    int32_t b = (int32_t)tenThousandfold;
    if ((int64_t)a * 100 != b)
        return false;
    bool whole = (int64_t)(int32_t)value * 100 == a;
    double x = whole ? value : hundredfold;
    uint64_t bits;
    memcpy(&bits, &x, sizeof bits);
    // Only the upper 30 bits survive: the rest of the pattern must be zero.
    if ((bits & 0x3FFFFFFFFull) != 0)
        return false;
    // v * 100 may round to a whole number that, divided by 100 again, is a
    // neighbour of v rather than v: keep such values exact in a NUMBER.
    if (!whole && x / 100.0 != value)
        return false;
    rk = (uint32_t)(bits >> 32) | (whole ? 0u : 1u);
    return true;
}

double DecodeRk(uint32_t rk)
{
    double value;
    if (rk & 0x2) {
        value = (double)((int32_t)rk >> 2);
    } else {
        uint64_t bits = (uint64_t)(rk & 0xFFFFFFFCu) << 32;
        memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x1) ? value / 100.0 : value;
}

}  // namespace BiffXls
