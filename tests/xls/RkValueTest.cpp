// RK encoding: integers, the two-decimals test and the exact bit pattern.
#include "xls/RkValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace BiffXls;

namespace {

uint32_t UpperBits(double x)
{
    uint64_t bits;
    memcpy(&bits, &x, sizeof bits);
    return (uint32_t)(bits >> 32);
}

TEST(RkValueTest, IntegersShiftLeftByTwoWithTheIntegerBit)
{
    uint32_t rk = 0;
    ASSERT_TRUE(EncodeRkInteger(5, rk));
    EXPECT_EQ(0x16u, rk);
    ASSERT_TRUE(EncodeRkInteger(-1, rk));
    EXPECT_EQ(0xFFFFFFFEu, rk);
    ASSERT_TRUE(EncodeRkInteger(kRkIntegerMax, rk));
    EXPECT_EQ(kRkIntegerMax, DecodeRk(rk));
    ASSERT_TRUE(EncodeRkInteger(kRkIntegerMin, rk));
    EXPECT_EQ(kRkIntegerMin, DecodeRk(rk));
    EXPECT_FALSE(EncodeRkInteger(kRkIntegerMax + 1, rk));
    EXPECT_FALSE(EncodeRkInteger(kRkIntegerMin - 1, rk));
}

TEST(RkValueTest, TwoDecimalValuesAreStoredAsHundredfoldWithTheDivideBit)
{
    uint32_t rk = 0;
    ASSERT_TRUE(EncodeRkDouble(85.5, rk));
    EXPECT_EQ(UpperBits(8550.0) | 1u, rk);
    EXPECT_EQ(85.5, DecodeRk(rk));

    ASSERT_TRUE(EncodeRkDouble(0.5, rk));
    EXPECT_EQ(UpperBits(50.0) | 1u, rk);
    EXPECT_EQ(0x40490001u, rk);
    EXPECT_EQ(0.5, DecodeRk(rk));
}

TEST(RkValueTest, WholeValuesAreStoredAsTheDoubleItself)
{
    uint32_t rk = 0;
    ASSERT_TRUE(EncodeRkDouble(10.0, rk));
    EXPECT_EQ(UpperBits(10.0), rk);
    EXPECT_EQ(0u, rk & 3u);
    ASSERT_TRUE(EncodeRkDouble(-3.0, rk));
    EXPECT_EQ(0xC0080000u, rk);
    EXPECT_EQ(-3.0, DecodeRk(rk));
    ASSERT_TRUE(EncodeRkDouble(0.0, rk));
    EXPECT_EQ(0u, rk);
}

TEST(RkValueTest, ValuesWithMoreThanTwoDecimalsNeedANumberRecord)
{
    uint32_t rk = 0;
    EXPECT_FALSE(EncodeRkDouble(2.345, rk));
    EXPECT_FALSE(EncodeRkDouble((double)7.2f, rk)) << "7.2 widened from single precision";
    EXPECT_FALSE(EncodeRkDouble(1.0 / 3.0, rk));
    // Two decimals, but 0.07 * 100 is not exactly 7: the bit pattern fails.
    EXPECT_FALSE(EncodeRkDouble(0.07, rk));
}

TEST(RkValueTest, ValuesOutsideTheTruncationRangeOrNotFiniteNeedANumberRecord)
{
    uint32_t rk = 0;
    EXPECT_FALSE(EncodeRkDouble(1.0e6, rk));
    EXPECT_FALSE(EncodeRkDouble(-3.0e9, rk));
    EXPECT_FALSE(EncodeRkDouble(std::numeric_limits<double>::quiet_NaN(), rk));
    EXPECT_FALSE(EncodeRkDouble(std::numeric_limits<double>::infinity(), rk));
}

TEST(RkValueTest, EveryRkValueReadsBackAsTheVeryDouble)
{
    // The double just above 0.35 passes the two-decimals test and times
    // 100 rounds to exactly 35, but 35 / 100 reads back as 0.35, not as the
    // value written: it must not become an RK.
    double neighbour = std::nextafter(0.35, 1.0);
    ASSERT_EQ(35.0, neighbour * 100.0);
    uint32_t rk = 0;
    EXPECT_FALSE(EncodeRkDouble(neighbour, rk));
    ASSERT_TRUE(EncodeRkDouble(0.35, rk));
    EXPECT_EQ(0.35, DecodeRk(rk));

    int checked = 0;
    for (int hundredths = -100000; hundredths <= 100000; hundredths += 7) {
        double value = hundredths / 100.0;
        float single = (float)value;
        for (double v : {value, (double)single}) {
            if (EncodeRkDouble(v, rk)) {
                ASSERT_EQ(v, DecodeRk(rk)) << v;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

}  // namespace
