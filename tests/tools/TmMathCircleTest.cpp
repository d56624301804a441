#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tools/TmMath.h"

using namespace TMTOOLS::Math;

namespace {

const float kSqrt3Half = 0.8660254f;

void ExpectPoint(const CTm2DPoint& p, float x, float y, float tolerance = 1e-5f)
{
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
}

double AngleOf(const CTm2DPoint& centre, const CTm2DPoint& p)
{
    double a = std::atan2(double(p.y) - centre.y, double(p.x) - centre.x) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

// Whether angle lies on the arc start..end (counter-clockwise, start and
// end in [0, 360)), in degrees, with a margin.
bool OnArc(double angle, double start, double end, double margin)
{
    double sweep = std::fmod(end - start + 720.0, 360.0);
    double d = std::fmod(angle - start + 720.0, 360.0);
    return d <= sweep + margin || d >= 360.0 - margin;
}

double Distance(const CTm2DPoint& a, const CTm2DPoint& b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

}  // namespace

TEST(TmMathLineCircle, SegmentThroughTheCircleMeetsItTwiceInOrder)
{
    std::vector<CTm2DPoint> points(3);  // emptied first
    ASSERT_TRUE(Intersection_2DLineCircle(CTm2DPoint(-2, 0), CTm2DPoint(2, 0), CTm2DPoint(0, 0), 1, points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], -1, 0);
    ExpectPoint(points[1], 1, 0);

    // From the other end the order turns round.
    ASSERT_TRUE(Intersection_2DLineCircle(CTm2DPoint(0, 5), CTm2DPoint(0, -5), CTm2DPoint(0, 1), 2, points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], 0, 3);
    ExpectPoint(points[1], 0, -1);
}

TEST(TmMathLineCircle, OnlyMeetingPointsOnTheSegmentAreListed)
{
    std::vector<CTm2DPoint> points;
    ASSERT_TRUE(Intersection_2DLineCircle(CTm2DPoint(0, 0), CTm2DPoint(2, 0), CTm2DPoint(0, 0), 1, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 1, 0);
    // The line meets the circle, the segment does not: true, no points.
    EXPECT_TRUE(Intersection_2DLineCircle(CTm2DPoint(2, 0), CTm2DPoint(3, 0), CTm2DPoint(0, 0), 1, points));
    EXPECT_TRUE(points.empty());
    // The infinite line has both.
    ASSERT_TRUE(Intersection_2DLineCircle_Ext(CTm2DPoint(2, 0), CTm2DPoint(3, 0), CTm2DPoint(0, 0), 1, points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], -1, 0);
    ExpectPoint(points[1], 1, 0);
    // Too far away.
    EXPECT_FALSE(Intersection_2DLineCircle(CTm2DPoint(-2, 1.1f), CTm2DPoint(2, 1.1f), CTm2DPoint(0, 0), 1, points));
    EXPECT_FALSE(Intersection_2DLineCircle_Ext(CTm2DPoint(-2, 2), CTm2DPoint(2, 2), CTm2DPoint(0, 0), 1, points));
}

TEST(TmMathLineCircle, TangentSegmentTouchesOnce)
{
    std::vector<CTm2DPoint> points;
    ASSERT_TRUE(Intersection_2DLineCircle(CTm2DPoint(3, 4), CTm2DPoint(3, -6), CTm2DPoint(1, 1), 2, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 3, 1);
}

TEST(TmMathLineCircle, SegmentOfOnePointMeetsTheCircleOnlyIfOnIt)
{
    std::vector<CTm2DPoint> points;
    ASSERT_TRUE(Intersection_2DLineCircle(CTm2DPoint(0, 2), CTm2DPoint(0, 2), CTm2DPoint(0, 0), 2, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 0, 2);
    EXPECT_FALSE(Intersection_2DLineCircle(CTm2DPoint(0, 1), CTm2DPoint(0, 1), CTm2DPoint(0, 0), 2, points));
    EXPECT_TRUE(points.empty());
}

TEST(TmMathLineArc, KeepsPointsInTheArcsAngleRangeAndAppends)
{
    std::vector<CTm2DPoint> points;
    // Circle points at 150 and 30 degrees; the arc 0..90 holds 30.
    ASSERT_TRUE(Intersection_2DLineArc(CTm2DPoint(-2, 0.5f), CTm2DPoint(2, 0.5f), CTm2DPoint(0, 0), 1, 0, 90,
                                       points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], kSqrt3Half, 0.5f);

    // An arc through 0 degrees (270..90) holds 300 and 60; the list keeps
    // what it had.
    ASSERT_TRUE(Intersection_2DLineArc(CTm2DPoint(0.5f, -2), CTm2DPoint(0.5f, 2), CTm2DPoint(0, 0), 1, 270, 90,
                                       points));
    ASSERT_EQ(points.size(), 3u);
    ExpectPoint(points[1], 0.5f, -kSqrt3Half);
    ExpectPoint(points[2], 0.5f, kSqrt3Half);

    std::vector<CTm2DPoint> none;
    EXPECT_FALSE(Intersection_2DLineArc(CTm2DPoint(0.5f, -2), CTm2DPoint(0.5f, 2), CTm2DPoint(0, 0), 1, 90, 270,
                                        none));
    EXPECT_FALSE(Intersection_2DLineArc(CTm2DPoint(5, -2), CTm2DPoint(5, 2), CTm2DPoint(0, 0), 1, 0, 360, none));
    EXPECT_TRUE(none.empty());
}

TEST(TmMathLineArc, ArcEndsIncludeTheirEndPoints)
{
    std::vector<CTm2DPoint> points;
    // The end point at 90 degrees of the arc 0..90.
    EXPECT_TRUE(Intersection_2DLineArc(CTm2DPoint(-1, 1), CTm2DPoint(1, 1), CTm2DPoint(0, 0), 1, 0, 90, points));
    // An arc that ends at 360 holds its end point at angle 0, and one given
    // as -30..30 holds the points below the x axis.
    points.clear();
    EXPECT_TRUE(Intersection_2DLineArc(CTm2DPoint(0, 0), CTm2DPoint(2, 0), CTm2DPoint(0, 0), 1, 270, 360, points));
    points.clear();
    ASSERT_TRUE(Intersection_2DLineArc(CTm2DPoint(0.9f, -2), CTm2DPoint(0.9f, 2), CTm2DPoint(0, 0), 1, -30, 30,
                                       points));
    EXPECT_EQ(points.size(), 2u);
}

TEST(TmMathCircleCircle, CrossingTouchingAndMissingCircles)
{
    std::vector<CTm2DPoint> points;
    ASSERT_TRUE(Intersection_2DCircleCircle(CTm2DPoint(0, 0), 1, CTm2DPoint(1, 0), 1, points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], 0.5f, kSqrt3Half);  // left of the line of centres first
    ExpectPoint(points[1], 0.5f, -kSqrt3Half);

    ASSERT_TRUE(Intersection_2DCircleCircle(CTm2DPoint(0, 0), 1, CTm2DPoint(2, 0), 1, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 1, 0);
    // Touching from inside, on the far side from the second centre too.
    ASSERT_TRUE(Intersection_2DCircleCircle(CTm2DPoint(0, 0), 2, CTm2DPoint(1, 0), 1, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 2, 0);
    ASSERT_TRUE(Intersection_2DCircleCircle(CTm2DPoint(1, 0), 1, CTm2DPoint(0, 0), 2, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 2, 0);

    EXPECT_FALSE(Intersection_2DCircleCircle(CTm2DPoint(0, 0), 1, CTm2DPoint(0, 0), 1, points));  // concentric
    EXPECT_FALSE(Intersection_2DCircleCircle(CTm2DPoint(0, 0), 1, CTm2DPoint(3, 0), 1, points));  // apart
    EXPECT_FALSE(Intersection_2DCircleCircle(CTm2DPoint(0, 0), 3, CTm2DPoint(1, 0), 1, points));  // nested
    EXPECT_TRUE(points.empty());
}

TEST(TmMathArcArc, CrossingPointsLieOnBothArcs)
{
    std::vector<CTm2DPoint> points;
    // Upper half of circle 1, lower half of circle 2: (0.5, +-0.87) lie on
    // one arc each, on neither both.
    EXPECT_FALSE(Intersection_2DArcArc(CTm2DPoint(0, 0), 1, 0, 180, CTm2DPoint(1, 0), 1, 180, 360, points));
    EXPECT_TRUE(points.empty());
    ASSERT_TRUE(Intersection_2DArcArc(CTm2DPoint(0, 0), 1, 0, 180, CTm2DPoint(1, 0), 1, 0, 180, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 0.5f, kSqrt3Half);
    // Through 0 degrees on the first arc.
    ASSERT_TRUE(Intersection_2DArcArc(CTm2DPoint(0, 0), 1, 290, 70, CTm2DPoint(1, 0), 1, 90, 270, points));
    EXPECT_EQ(points.size(), 3u);
}

TEST(TmMathTangency, TwoTangentsFromOutsideOneOnTheCircleNoneInside)
{
    std::vector<CTm2DPoint> points;
    ASSERT_TRUE(GetTangencyPoints(CTm2DPoint(2, 0), CTm2DPoint(0, 0), 1, points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], 0.5f, kSqrt3Half);
    ExpectPoint(points[1], 0.5f, -kSqrt3Half);

    ASSERT_TRUE(GetTangencyPoints(CTm2DPoint(0, 1), CTm2DPoint(0, 0), 1, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 0, 1);
    EXPECT_FALSE(GetTangencyPoints(CTm2DPoint(0.5f, 0), CTm2DPoint(0, 0), 1, points));
    EXPECT_TRUE(points.empty());

    // On the arc 0..90 only the upper one.
    ASSERT_TRUE(GetTangencyPoints(CTm2DPoint(2, 0), CTm2DPoint(0, 0), 1, 0, 90, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 0.5f, kSqrt3Half);
    EXPECT_FALSE(GetTangencyPoints(CTm2DPoint(2, 0), CTm2DPoint(0, 0), 1, 120, 240, points));
}

TEST(TmMathCircleProperties, RandomMeetingPointsLieOnBothFigures)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<float> coord(-50, 50);
    std::uniform_real_distribution<float> size(0.5f, 40);
    std::uniform_real_distribution<float> angle(0, 360);
    int lineHits = 0, circleHits = 0, arcHits = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        CTm2DPoint p1(coord(random), coord(random)), p2(coord(random), coord(random));
        CTm2DPoint c1(coord(random), coord(random)), c2(coord(random), coord(random));
        float r1 = size(random), r2 = size(random);
        float s1 = angle(random), e1 = angle(random), s2 = angle(random), e2 = angle(random);
        double scale = 1e-5 * (100 + r1 + r2);

        std::vector<CTm2DPoint> points;
        Intersection_2DLineCircle(p1, p2, c1, r1, points);
        for (const CTm2DPoint& p : points) {
            ++lineHits;
            EXPECT_NEAR(Distance(p, c1), r1, scale) << trial;
            EXPECT_NEAR(Distance(p, p1) + Distance(p, p2), Distance(p1, p2), 10 * scale) << trial;
        }
        points.clear();
        Intersection_2DLineArc(p1, p2, c1, r1, s1, e1, points);
        for (const CTm2DPoint& p : points)
            EXPECT_TRUE(OnArc(AngleOf(c1, p), s1, e1, 1e-2)) << trial;

        Intersection_2DCircleCircle(c1, r1, c2, r2, points);
        for (const CTm2DPoint& p : points) {
            ++circleHits;
            EXPECT_NEAR(Distance(p, c1), r1, scale) << trial;
            EXPECT_NEAR(Distance(p, c2), r2, scale) << trial;
        }
        points.clear();
        Intersection_2DArcArc(c1, r1, s1, e1, c2, r2, s2, e2, points);
        for (const CTm2DPoint& p : points) {
            ++arcHits;
            EXPECT_TRUE(OnArc(AngleOf(c1, p), s1, e1, 1e-2)) << trial;
            EXPECT_TRUE(OnArc(AngleOf(c2, p), s2, e2, 1e-2)) << trial;
        }
    }
    EXPECT_GT(lineHits, 300);
    EXPECT_GT(circleHits, 300);
    EXPECT_GT(arcHits, 50);
}

TEST(TmMathCircleProperties, TangencyLinesArePerpendicularToTheRadius)
{
    std::mt19937 random(12);
    std::uniform_real_distribution<float> coord(-50, 50);
    std::uniform_real_distribution<float> size(0.5f, 40);
    int found = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        CTm2DPoint p(coord(random), coord(random)), c(coord(random), coord(random));
        float r = size(random);
        std::vector<CTm2DPoint> points;
        bool hasPoints = GetTangencyPoints(p, c, r, points);
        if (Distance(p, c) > r + 1e-3) {
            EXPECT_TRUE(hasPoints && points.size() == 2) << trial;
        } else if (Distance(p, c) < r - 1e-3) {
            EXPECT_FALSE(hasPoints) << trial;
        }
        for (const CTm2DPoint& t : points) {
            ++found;
            EXPECT_NEAR(Distance(t, c), r, 1e-5 * (100 + r)) << trial;
            // Unit radius direction . unit tangent direction.
            double rx = double(t.x) - c.x, ry = double(t.y) - c.y;
            double tx = double(p.x) - t.x, ty = double(p.y) - t.y;
            double cosine = (rx * tx + ry * ty) / (std::hypot(rx, ry) * std::hypot(tx, ty));
            EXPECT_NEAR(cosine, 0.0, 1e-4) << trial;
        }
    }
    EXPECT_GT(found, 1000);
}
