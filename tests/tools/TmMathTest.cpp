#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tools/TmMath.h"

using namespace TMTOOLS::Math;

TEST(TmMathSign, ZeroWithinAMillionth)
{
    EXPECT_EQ(__sign(5e-7), 0);
    EXPECT_EQ(__sign(-5e-7), 0);
    EXPECT_EQ(__sign(0.0), 0);
    EXPECT_EQ(__sign(1e-6), 1);
    EXPECT_EQ(__sign(-2e-6), -1);
    EXPECT_EQ(__sign(1e300), 1);
}

TEST(TmMathRoundDecimal, HalvesMoveAwayFromZero)
{
    EXPECT_DOUBLE_EQ(RoundDecimal(2.25, 1), 2.3);
    EXPECT_DOUBLE_EQ(RoundDecimal(-2.25, 1), -2.3);
    EXPECT_DOUBLE_EQ(RoundDecimal(2.0000001, 3), 2.0);
    EXPECT_DOUBLE_EQ(RoundDecimal(-2.0000001, 3), -2.0);
    EXPECT_DOUBLE_EQ(RoundDecimal(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(RoundDecimal(-2.5, 0), -3.0);
    EXPECT_DOUBLE_EQ(RoundDecimal(1.234, 2), 1.23);
    EXPECT_DOUBLE_EQ(RoundDecimal(-1.236, 2), -1.24);
    EXPECT_DOUBLE_EQ(RoundDecimal(7.0, 4), 7.0);
}

TEST(TmMathLineLine, CrossingSegmentsMeet)
{
    float x = 0, y = 0;
    ASSERT_TRUE(Intersection_2DLineLine(0, 0, 2, 2, 0, 2, 2, 0, x, y));
    EXPECT_FLOAT_EQ(x, 1.0f);
    EXPECT_FLOAT_EQ(y, 1.0f);
    // Touching at an end counts.
    ASSERT_TRUE(Intersection_2DLineLine(0, 0, 2, 0, 1, 0, 1, 5, x, y));
    EXPECT_FLOAT_EQ(x, 1.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);
}

TEST(TmMathLineLine, LinesCrossingBeyondASegmentEndDoNotMeet)
{
    float x = 0, y = 0;
    bool off1 = false, off2 = false;
    EXPECT_FALSE(Intersection_2DLineLine(0, 0, 1, 0, 2, -1, 2, 1, x, y));
    ASSERT_TRUE(Intersection_2DLineLine_Ext(0, 0, 1, 0, 2, -1, 2, 1, off1, off2, x, y));
    EXPECT_FLOAT_EQ(x, 2.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);
    EXPECT_TRUE(off1);
    EXPECT_FALSE(off2);

    // Behind the first segment's start, and off both.
    ASSERT_TRUE(Intersection_2DLineLine_Ext(0, 0, 1, 0, -1, -1, -1, 1, off1, off2, x, y));
    EXPECT_TRUE(off1);
    EXPECT_FALSE(off2);
    ASSERT_TRUE(Intersection_2DLineLine_Ext(0, 0, 1, 0, -1, 1, -1, 2, off1, off2, x, y));
    EXPECT_FLOAT_EQ(x, -1.0f);
    EXPECT_TRUE(off1);
    EXPECT_TRUE(off2);
    // The flags belong to their own segments when the roles swap.
    ASSERT_TRUE(Intersection_2DLineLine_Ext(2, -1, 2, 1, 0, 0, 1, 0, off1, off2, x, y));
    EXPECT_FALSE(off1);
    EXPECT_TRUE(off2);

    EXPECT_TRUE(Intersection_2DLineLine_Ext(0, 0, 1, 0, 2, -1, 2, 1, x, y));
}

TEST(TmMathLineLine, EndsReachOutBySquaredDistance1e5)
{
    float x = 0, y = 0;
    // 0.002 past the end is 4e-6 squared: still on the segment.
    EXPECT_TRUE(Intersection_2DLineLine(0, 0, 1, 0, 1.002f, -1, 1.002f, 1, x, y));
    // 0.004 past is 1.6e-5 squared: off it.
    EXPECT_FALSE(Intersection_2DLineLine(0, 0, 1, 0, 1.004f, -1, 1.004f, 1, x, y));
}

TEST(TmMathLineLine, ParallelLinesHaveNoCrossing)
{
    float x = 7, y = 7;
    bool off1, off2;
    EXPECT_FALSE(Intersection_2DLineLine_Ext(0, 0, 1, 1, 0, 1, 1, 2, off1, off2, x, y));
    EXPECT_FALSE(Intersection_2DLineLine(0, 0, 1, 0, 0, 0, 2, 0, x, y));  // collinear
    EXPECT_FALSE(Intersection_2DLineLine(0, 0, 0, 0, 0, 1, 1, 0, x, y));  // a point
}

// A slanted segment crossing an axis-parallel one: the crossing point,
// reckoned along the slanted line, is off the other one's coordinate by
// rounding in about one case in sixteen; it must still count as on it.
TEST(TmMathLineLine, CrossingsOnAxisParallelSegmentsAreFound)
{
    std::mt19937 random(9);
    std::uniform_real_distribution<float> coord(-100, 100);
    std::uniform_real_distribution<float> reach(0.5f, 100);
    for (int trial = 0; trial < 2000; ++trial) {
        float level = coord(random), below = level - reach(random), above = level + reach(random);
        float a = coord(random), b = coord(random);
        float x = 0, y = 0;
        EXPECT_TRUE(Intersection_2DLineLine(a, below, b, above, -1000, level, 1000, level, x, y)) << trial;
        EXPECT_TRUE(Intersection_2DLineLine(-1000, level, 1000, level, a, below, b, above, x, y)) << trial;
        EXPECT_TRUE(Intersection_2DLineLine(below, a, above, b, level, -1000, level, 1000, x, y)) << trial;
        EXPECT_TRUE(Intersection_2DLineLine(level, -1000, level, 1000, below, a, above, b, x, y)) << trial;
    }
}

TEST(TmMathLineLine, RandomCrossingPointsLieOnBothSegments)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coord(-100, 100);
    int met = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        float p[8];
        for (float& v : p)
            v = coord(random);
        float x, y;
        if (!Intersection_2DLineLine(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], x, y))
            continue;
        ++met;
        for (int s = 0; s < 2; ++s) {
            double ax = p[4 * s], ay = p[4 * s + 1], bx = p[4 * s + 2], by = p[4 * s + 3];
            double len = std::hypot(bx - ax, by - ay);
            double cross = ((bx - ax) * (y - ay) - (by - ay) * (x - ax)) / len;
            double t = ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / (len * len);
            EXPECT_NEAR(cross, 0.0, 1e-3) << trial;
            EXPECT_GE(t, -1e-4) << trial;
            EXPECT_LE(t, 1 + 1e-4) << trial;
        }
    }
    EXPECT_GT(met, 200);
}

TEST(TmMathLineLine, SpaceLinesMeetOnlyWhenTheyCross)
{
    CTm3DPoint point;
    ASSERT_TRUE(Intersection_3DLineLine(CTm3DPoint(0, 0, 0), CTm3DPoint(1, 1, 1), CTm3DPoint(1, 0, 0),
                                        CTm3DPoint(0, 1, 1), point));
    EXPECT_NEAR(point.x, 0.5f, 1e-6);
    EXPECT_NEAR(point.y, 0.5f, 1e-6);
    EXPECT_NEAR(point.z, 0.5f, 1e-6);
    // Beyond the given points, as lines do.
    ASSERT_TRUE(Intersection_3DLineLine(CTm3DPoint(0, 0, 2), CTm3DPoint(1, 0, 2), CTm3DPoint(5, -1, 2),
                                        CTm3DPoint(5, 1, 2), point));
    EXPECT_NEAR(point.x, 5.0f, 1e-5);
    // Skew, parallel, degenerate.
    EXPECT_FALSE(Intersection_3DLineLine(CTm3DPoint(0, 0, 0), CTm3DPoint(1, 0, 0), CTm3DPoint(0, 1, 1),
                                         CTm3DPoint(0, 1, 2), point));
    EXPECT_FALSE(Intersection_3DLineLine(CTm3DPoint(0, 0, 0), CTm3DPoint(1, 0, 0), CTm3DPoint(0, 1, 0),
                                         CTm3DPoint(1, 1, 0), point));
    EXPECT_FALSE(Intersection_3DLineLine(CTm3DPoint(0, 0, 0), CTm3DPoint(0, 0, 0), CTm3DPoint(0, 1, 0),
                                         CTm3DPoint(1, 1, 0), point));
}

TEST(TmMathPlane, LineMeetsPlaneAndRayMissesAPlaneBehindIt)
{
    CTm3DPoint point;
    ASSERT_TRUE(Intersection_LinePlane(CTm3DPoint(1, 2, 5), CTmVect3D(0, 0, 1), CTm3DPoint(0, 0, 0),
                                       CTmVect3D(0, 0, 2), point));
    EXPECT_EQ(point, CTm3DPoint(1, 2, 0));
    ASSERT_TRUE(Intersection_RayPlane(CTm3DPoint(1, 2, 5), CTmVect3D(0, 0, -1), CTm3DPoint(0, 0, 0),
                                      CTmVect3D(0, 0, 1), point));
    EXPECT_EQ(point, CTm3DPoint(1, 2, 0));

    // The plane is behind the ray's origin.
    EXPECT_FALSE(Intersection_RayPlane(CTm3DPoint(1, 2, 5), CTmVect3D(0, 0, 1), CTm3DPoint(0, 0, 0),
                                       CTmVect3D(0, 0, 1), point));
    EXPECT_FLOAT_EQ(point.z, 1e20f);
    // Parallel.
    EXPECT_FALSE(Intersection_LinePlane(CTm3DPoint(0, 0, 1), CTmVect3D(1, 0, 0), CTm3DPoint(0, 0, 0),
                                        CTmVect3D(0, 0, 1), point));
    EXPECT_FLOAT_EQ(point.x, 1e20f);
    // A slanted plane through (1,1,1) with normal (1,1,1), met along x.
    ASSERT_TRUE(Intersection_LinePlane(CTm3DPoint(0, 0, 0), CTmVect3D(1, 0, 0), CTm3DPoint(1, 1, 1),
                                       CTmVect3D(1, 1, 1), point));
    EXPECT_NEAR(point.x, 3.0f, 1e-6);
}

TEST(TmMathPerpendicular, FootOnTheSegmentOnly)
{
    CTm3DPoint foot;
    ASSERT_TRUE(GetPerpendicularPoint(CTm3DPoint(1, 1, 0), CTm3DPoint(0, 0, 0), CTmVect3D(2, 0, 0), foot));
    EXPECT_EQ(foot, CTm3DPoint(1, 0, 0));
    ASSERT_TRUE(GetPerpendicularPoint(CTm3DPoint(2, 3, 4), CTm3DPoint(0, 0, 0), CTmVect3D(2, 0, 0), foot));
    EXPECT_EQ(foot, CTm3DPoint(2, 0, 0));
    ASSERT_TRUE(GetPerpendicularPoint(CTm3DPoint(0, 2, 0), CTm3DPoint(0, 0, 0), CTmVect3D(2, 2, 0), foot));
    EXPECT_NEAR(foot.x, 1.0f, 1e-6);
    EXPECT_NEAR(foot.y, 1.0f, 1e-6);
    EXPECT_FALSE(GetPerpendicularPoint(CTm3DPoint(3, 1, 0), CTm3DPoint(0, 0, 0), CTmVect3D(2, 0, 0), foot));
    EXPECT_FALSE(GetPerpendicularPoint(CTm3DPoint(-0.1f, 1, 0), CTm3DPoint(0, 0, 0), CTmVect3D(2, 0, 0), foot));
    EXPECT_FALSE(GetPerpendicularPoint(CTm3DPoint(1, 1, 0), CTm3DPoint(0, 0, 0), CTmVect3D(0, 0, 0), foot));
}
