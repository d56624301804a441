#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tools/TmColor.h"

using TMTOOLS::TmRGB;

TEST(TmColor, DefaultIsOpaqueWhiteAndItsTextHasSevenDecimals)
{
    CTmColor color;
    std::wstring text;
    color.Get(text);
    EXPECT_EQ(text, L"1.0000000,1.0000000,1.0000000,1.0000000");
    EXPECT_EQ(color.GetRGB(), TmRGB(255, 255, 255));
}

TEST(TmColor, SetRGBTakesTheLowByteAsRedAndKeepsAlpha)
{
    CTmColor color(0.1f, 0.2f, 0.3f, 0.25f);
    color.SetRGB(TmRGB(255, 0, 128));
    EXPECT_FLOAT_EQ(color.Red(), 1.0f);
    EXPECT_FLOAT_EQ(color.Green(), 0.0f);
    EXPECT_FLOAT_EQ(color.Blue(), 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(color.Alpha(), 0.25f);

    color.Set(TmRGB(0, 51, 255), 0.5f);
    EXPECT_FLOAT_EQ(color.Red(), 0.0f);
    EXPECT_FLOAT_EQ(color.Green(), 0.2f);
    EXPECT_FLOAT_EQ(color.Blue(), 1.0f);
    EXPECT_FLOAT_EQ(color.GetAlpha(), 0.5f);
}

TEST(TmColor, GetRGBTruncatesEachComponent)
{
    CTmColor color(0.5f, 0.0f, 1.0f, 1.0f);
    COLORREF rgb = color.GetRGB();
    EXPECT_EQ(rgb & 0xFF, 127u);  // 127.5 truncated
    EXPECT_EQ((rgb >> 8) & 0xFF, 0u);
    EXPECT_EQ((rgb >> 16) & 0xFF, 255u);
    EXPECT_EQ(rgb >> 24, 0u);

    // Every byte survives the round trip through the float components.
    for (unsigned v = 0; v < 256; ++v) {
        color.SetRGB(TmRGB(v, 255 - v, v / 2));
        EXPECT_EQ(color.GetRGB(), TmRGB(v, 255 - v, v / 2)) << v;
    }
}

TEST(TmColor, GetRGBOfComponentsOutOfRangeWrapsModulo256)
{
    CTmColor color(2.0f, -0.5f, std::numeric_limits<float>::quiet_NaN(), 1.0f);
    COLORREF rgb = color.GetRGB();
    EXPECT_EQ(rgb & 0xFF, 254u);         // 510 mod 256
    EXPECT_EQ((rgb >> 8) & 0xFF, 129u);  // -127 mod 256
    EXPECT_EQ((rgb >> 16) & 0xFF, 0u);   // not a number: 0
    color.Set(1e30f, 0, 0, 1);
    EXPECT_LE(color.GetRGB() & 0xFF, 255u);
}

TEST(TmColor, TextRoundTripsAndMalformedTextChangesNothing)
{
    CTmColor color(0.25f, 0.5f, 0.75f, 0.125f);
    std::wstring text;
    color.Get(text);
    EXPECT_EQ(text, L"0.2500000,0.5000000,0.7500000,0.1250000");

    CTmColor read;
    ASSERT_TRUE(read.Set(text));
    EXPECT_FLOAT_EQ(read.Red(), 0.25f);
    EXPECT_FLOAT_EQ(read.Green(), 0.5f);
    EXPECT_FLOAT_EQ(read.Blue(), 0.75f);
    EXPECT_FLOAT_EQ(read.Alpha(), 0.125f);

    for (const wchar_t* bad : {L"", L"0.1,0.2,0.3", L"0.1,0.2,0.3,0.4,0.5", L"a,b,c,d", L"0.1;0.2;0.3;0.4",
                               L"0.1,0.2,,0.4", L"0.1,0.2,0.3,0.4x"}) {
        CTmColor kept(0.25f, 0.5f, 0.75f, 0.125f);
        EXPECT_FALSE(kept.Set(std::wstring(bad))) << bad;
        EXPECT_FLOAT_EQ(kept.Red(), 0.25f) << bad;
        EXPECT_FLOAT_EQ(kept.Alpha(), 0.125f) << bad;
    }
    EXPECT_TRUE(read.Set(std::wstring(L"1, 0 ,0.5,1")));
    EXPECT_FLOAT_EQ(read.Blue(), 0.5f);
}

TEST(TmColor, SetFromArrayAndCopies)
{
    const float rgba[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    CTmColor color;
    color.Set(rgba);
    CTmColor copy(color);
    CTmColor assigned;
    assigned = copy;
    color.SetAlpha(0.9f);
    EXPECT_FLOAT_EQ(assigned.Red(), 0.1f);
    EXPECT_FLOAT_EQ(assigned.Blue(), 0.3f);
    EXPECT_FLOAT_EQ(assigned.Alpha(), 0.4f);
    EXPECT_FLOAT_EQ(color.Alpha(), 0.9f);
}
