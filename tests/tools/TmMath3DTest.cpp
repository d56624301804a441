#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tools/TmMath.h"

using namespace TMTOOLS::Math;

namespace {

const float kSqrt3Half = 0.8660254f;
const CTm3DPoint kOrigin(0, 0, 0);
const CTm3DPoint kUp(0, 0, 1);

void ExpectPoint(const CTm3DPoint& p, float x, float y, float z, float tolerance = 1e-5f)
{
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

void ExpectMatrix(const CTm2DMatrix& m, std::initializer_list<std::initializer_list<double>> rows)
{
    ASSERT_EQ(m.RowCount(), rows.size());
    unsigned i = 0;
    for (const auto& row : rows) {
        ASSERT_EQ(m.ColCount(), row.size());
        unsigned j = 0;
        for (double v : row) {
            EXPECT_NEAR(m(i, j), v, 1e-12) << "element (" << i << ", " << j << ")";
            ++j;
        }
        ++i;
    }
}

double Dot(const CTmVect3D& a, const CTmVect3D& b)
{
    return double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z;
}

}  // namespace

TEST(TmMathLocalToGlob, AxisAlongZKeepsTheGlobalAxes)
{
    CTm2DMatrix m;
    ASSERT_TRUE(LocalToGlobMatrix(1, 2, 3, 1, 2, 10, 0, m));
    ExpectMatrix(m, {{1, 0, 0, 1}, {0, 1, 0, 2}, {0, 0, 1, 3}, {0, 0, 0, 1}});
    // Turned by 90 degrees: local x is global y.
    ASSERT_TRUE(LocalToGlobMatrix(CTm3DPoint(0, 0, 0), CTm3DPoint(0, 0, 2), 90, m));
    ExpectMatrix(m, {{0, -1, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
}

TEST(TmMathLocalToGlob, AxisAlongXTakesItsXFromGlobalZ)
{
    CTm2DMatrix m;
    ASSERT_TRUE(LocalToGlobMatrix(0, 0, 0, 5, 0, 0, 0, m));
    ExpectMatrix(m, {{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 1}});
}

TEST(TmMathLocalToGlob, CoincidentPointsLeaveTheMatrix)
{
    CTm2DMatrix m(2, 2, 7.0);
    EXPECT_FALSE(LocalToGlobMatrix(1, 1, 1, 1, 1, 1.000001, 30, m));
    EXPECT_EQ(m.RowCount(), 2u);
    EXPECT_EQ(m(1, 1), 7.0);
}

TEST(TmMathLocalToGlob, RandomFramesAreRotationsCarryingLocalZToPointTwo)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> coord(-100, 100);
    std::uniform_real_distribution<double> angle(-360, 360);
    for (int trial = 0; trial < 500; ++trial) {
        double p[6];
        for (double& v : p)
            v = coord(random);
        CTm2DMatrix m;
        ASSERT_TRUE(LocalToGlobMatrix(p[0], p[1], p[2], p[3], p[4], p[5], angle(random), m));
        CTm2DMatrix rt;
        rt.Transport(m);
        CTm2DMatrix r(m);
        r(0, 3) = r(1, 3) = r(2, 3) = 0;
        rt(3, 0) = rt(3, 1) = rt(3, 2) = 0;
        CTm2DMatrix product = rt * r;
        for (unsigned i = 0; i < 4; ++i)
            for (unsigned j = 0; j < 4; ++j)
                EXPECT_NEAR(product(i, j), i == j ? 1.0 : 0.0, 1e-12) << trial;
        // Right-handed: x cross y is z.
        EXPECT_NEAR(m(0, 0) * m(1, 1) - m(1, 0) * m(0, 1), m(2, 2), 1e-12) << trial;
        double length = std::sqrt((p[3] - p[0]) * (p[3] - p[0]) + (p[4] - p[1]) * (p[4] - p[1]) +
                                  (p[5] - p[2]) * (p[5] - p[2]));
        CTm2DMatrix local(4, 1);
        local(2, 0) = length;
        local(3, 0) = 1;
        CTm2DMatrix global = m * local;
        for (unsigned i = 0; i < 3; ++i)
            EXPECT_NEAR(global(i, 0), p[3 + i], 1e-9) << trial;
        // The matrix inverts back to global-to-local.
        CTm2DMatrix inverse(m);
        ASSERT_TRUE(inverse.Inverse());
        CTm2DMatrix back = inverse * global;
        EXPECT_NEAR(back(2, 0), length, 1e-9) << trial;
    }
}

TEST(TmMath3DLineCircle, CircleOnTheXYPlaneMatchesThe2DForm)
{
    std::vector<CTm3DPoint> points;
    ASSERT_TRUE(Intersection_3DLineCircle(CTm3DPoint(-2, 0.5f, 0), CTm3DPoint(2, 0.5f, 0), kOrigin, 1, kOrigin, kUp,
                                          points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], -kSqrt3Half, 0.5f, 0);
    ExpectPoint(points[1], kSqrt3Half, 0.5f, 0);
    // Angles are measured from global x there: 0..90 keeps the 30 degrees.
    points.clear();
    ASSERT_TRUE(Intersection_3DLineArc(CTm3DPoint(-2, 0.5f, 0), CTm3DPoint(2, 0.5f, 0), kOrigin, 1, 0, 90, kOrigin,
                                       kUp, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], kSqrt3Half, 0.5f, 0);
}

// A circle on the plane x = 2 (axis along global x): its local x is global
// y and its local y global z.
TEST(TmMath3DLineCircle, CircleOnAnotherPlaneInAndAcrossIt)
{
    const CTm3DPoint centre(2, 0, 0), axis1(0, 0, 0), axis2(1, 0, 0);
    std::vector<CTm3DPoint> points;
    ASSERT_TRUE(Intersection_3DLineCircle(CTm3DPoint(2, -2, 0), CTm3DPoint(2, 2, 0), centre, 1, axis1, axis2,
                                          points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], 2, -1, 0);
    ExpectPoint(points[1], 2, 1, 0);
    points.clear();
    ASSERT_TRUE(Intersection_3DLineArc(CTm3DPoint(2, -2, 0), CTm3DPoint(2, 2, 0), centre, 1, 0, 90, axis1, axis2,
                                       points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 2, 1, 0);
    points.clear();
    ASSERT_TRUE(Intersection_3DLineArc(CTm3DPoint(2, 0, -3), CTm3DPoint(2, 0, 3), centre, 1, 45, 135, axis1, axis2,
                                       points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 2, 0, 1);

    // Crossing the plane on the circle, inside it, and beside the segment.
    ASSERT_TRUE(Intersection_3DLineCircle(CTm3DPoint(0, 1, 0), CTm3DPoint(4, 1, 0), centre, 1, axis1, axis2,
                                          points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 2, 1, 0);
    EXPECT_FALSE(Intersection_3DLineCircle(CTm3DPoint(0, 0.5f, 0), CTm3DPoint(4, 0.5f, 0), centre, 1, axis1, axis2,
                                           points));
    EXPECT_FALSE(Intersection_3DLineCircle(CTm3DPoint(0, 1, 0), CTm3DPoint(1, 1, 0), centre, 1, axis1, axis2,
                                           points));
    // Parallel to the plane and off it.
    EXPECT_FALSE(Intersection_3DLineCircle(CTm3DPoint(3, -2, 0), CTm3DPoint(3, 2, 0), centre, 1, axis1, axis2,
                                           points));
    EXPECT_TRUE(points.empty());
    // No axis.
    EXPECT_FALSE(Intersection_3DLineCircle(CTm3DPoint(2, -2, 0), CTm3DPoint(2, 2, 0), centre, 1, axis1, axis1,
                                           points));
}

TEST(TmMath3DCircleCircle, CirclesInOnePlane)
{
    std::vector<CTm3DPoint> points;
    ASSERT_TRUE(Intersection_3DCircleCircleInPlane(CTm3DPoint(0, 0, 5), 1, CTm3DPoint(1, 0, 5), 1, kOrigin, kUp,
                                                   points));
    ASSERT_EQ(points.size(), 2u);
    ExpectPoint(points[0], 0.5f, kSqrt3Half, 5);
    ExpectPoint(points[1], 0.5f, -kSqrt3Half, 5);
    EXPECT_FALSE(Intersection_3DCircleCircleInPlane(CTm3DPoint(0, 0, 5), 1, CTm3DPoint(1, 0, 6), 1, kOrigin, kUp,
                                                    points));

    // On the plane y = 0 with the axis along y, local x is global -x (the
    // global z axis crossed with y) and local y is global z. The circles
    // about the origin and about (0, 0, 1) cross at local (+-0.87, 0.5).
    const CTm3DPoint axis2(0, 1, 0);
    points.clear();
    ASSERT_TRUE(Intersection_3DArcArcInPlane(kOrigin, 1, 0, 90, CTm3DPoint(0, 0, 1), 1, 180, 360, kOrigin, axis2,
                                             points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], -kSqrt3Half, 0, 0.5f);
    points.clear();
    EXPECT_FALSE(Intersection_3DArcArcInPlane(kOrigin, 1, 0, 90, CTm3DPoint(0, 0, 1), 1, 0, 180, kOrigin, axis2,
                                              points));
}

TEST(TmMath3DTangency, TangencyPointsInTheCirclesPlane)
{
    const CTm3DPoint axis2(0, 1, 0);  // plane y = 0
    std::vector<CTm3DPoint> points;
    ASSERT_TRUE(GetTangencyPoints(CTm3DPoint(2, 0, 0), kOrigin, 1, kOrigin, axis2, points));
    ASSERT_EQ(points.size(), 2u);
    for (const CTm3DPoint& t : points) {
        EXPECT_NEAR(t.x, 0.5f, 1e-5);
        EXPECT_NEAR(t.y, 0.0f, 1e-5);
        EXPECT_NEAR(std::fabs(t.z), kSqrt3Half, 1e-5);
        EXPECT_NEAR(Dot(t - kOrigin, CTm3DPoint(2, 0, 0) - t), 0.0, 1e-5);
    }
    EXPECT_FALSE(GetTangencyPoints(CTm3DPoint(2, 1, 0), kOrigin, 1, kOrigin, axis2, points));
    EXPECT_TRUE(points.empty());
    // Seen from the centre in local coordinates (x = global -x, y = global
    // z), the point is at 180 degrees and the tangency points at 120 and
    // 240: the arc 90..180 holds the first.
    ASSERT_TRUE(GetTangencyPoints(CTm3DPoint(2, 0, 0), kOrigin, 1, 90, 180, kOrigin, axis2, points));
    ASSERT_EQ(points.size(), 1u);
    ExpectPoint(points[0], 0.5f, 0, kSqrt3Half);
}

TEST(TmMathClosestPoint, LineBesideAFullCircleAndAnArc)
{
    CTm3DPoint onLine, onArc;
    float distance = 0;
    ASSERT_TRUE(GetLineArcClosestPoint_Ext(CTm3DPoint(3, 0, -1), CTm3DPoint(3, 0, 1), kOrigin, 1, 0, 360, kOrigin,
                                           kUp, onLine, onArc, distance));
    ExpectPoint(onArc, 1, 0, 0);
    ExpectPoint(onLine, 3, 0, 0);
    EXPECT_NEAR(distance, 2.0f, 1e-5);
    // The arc 90..180 is nearest the line at its start (0, 1).
    ASSERT_TRUE(GetLineArcClosestPoint_Ext(CTm3DPoint(3, 0, -1), CTm3DPoint(3, 0, 1), kOrigin, 1, 90, 180, kOrigin,
                                           kUp, onLine, onArc, distance));
    ExpectPoint(onArc, 0, 1, 0);
    EXPECT_NEAR(distance, std::sqrt(10.0f), 1e-5);
    // A line through the arc.
    ASSERT_TRUE(GetLineArcClosestPoint_Ext(CTm3DPoint(-1, 2, -1), CTm3DPoint(1, 0, 1), kOrigin, 1, 0, 180, kOrigin,
                                           kUp, onLine, onArc, distance));
    EXPECT_NEAR(distance, 0.0f, 1e-5);
    ExpectPoint(onArc, 0, 1, 0, 1e-4f);
    ExpectPoint(onLine, 0, 1, 0, 1e-4f);

    EXPECT_FALSE(GetLineArcClosestPoint_Ext(kOrigin, kOrigin, kOrigin, 1, 0, 90, kOrigin, kUp, onLine, onArc,
                                            distance));
    EXPECT_FALSE(GetLineArcClosestPoint_Ext(kOrigin, kUp, kOrigin, 1, 0, 90, kOrigin, kOrigin, onLine, onArc,
                                            distance));
}

// Against a brute-force search along the arc: the result is as close as
// the best of 20000 arc points, lies on the arc and on the line.
TEST(TmMathClosestPoint, RandomLinesAndArcsMatchABruteForceSearch)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<float> coord(-10, 10);
    std::uniform_real_distribution<float> angle(0, 360);
    std::uniform_real_distribution<float> size(0.5f, 8);
    for (int trial = 0; trial < 300; ++trial) {
        CTm3DPoint l1(coord(random), coord(random), coord(random)), l2(coord(random), coord(random), coord(random));
        CTm3DPoint c(coord(random), coord(random), coord(random));
        CTm3DPoint a1(coord(random), coord(random), coord(random)), a2(coord(random), coord(random), coord(random));
        float r = size(random), s = angle(random), e = angle(random);
        CTm3DPoint onLine, onArc;
        float distance = -1;
        ASSERT_TRUE(GetLineArcClosestPoint_Ext(l1, l2, c, r, s, e, a1, a2, onLine, onArc, distance)) << trial;

        // The arc's frame, as the matrix of its axis gives it.
        CTm2DMatrix m;
        ASSERT_TRUE(LocalToGlobMatrix(a1, a2, 0, m));
        CTmVect3D x(float(m(0, 0)), float(m(1, 0)), float(m(2, 0)));
        CTmVect3D y(float(m(0, 1)), float(m(1, 1)), float(m(2, 1)));
        CTmVect3D u = l2 - l1;
        u.Normalize();
        double sweep = std::fmod(double(e) - s + 360.0, 360.0);
        double best = 1e30;
        for (int i = 0; i <= 20000; ++i) {
            double t = (s + sweep * i / 20000.0) * M_PI / 180.0;
            CTm3DPoint q = c + x * float(r * std::cos(t)) + y * float(r * std::sin(t));
            CTmVect3D w = q - l1;
            CTmVect3D perpendicular = w - u * float(Dot(w, u));
            best = std::min(best, double(perpendicular.Length()));
        }
        EXPECT_LE(distance, best + 1e-4) << trial;
        EXPECT_GE(distance, best - 2e-3) << trial;
        EXPECT_NEAR(onArc.DistanceTo(c), r, 1e-4) << trial;
        CTmVect3D normal = a2 - a1;
        normal.Normalize();
        EXPECT_NEAR(Dot(onArc - c, normal), 0.0, 1e-4) << trial;
        EXPECT_NEAR(Dot((onLine - l1).Cross(u), (onLine - l1).Cross(u)), 0.0, 1e-6) << trial;
        EXPECT_NEAR(onArc.DistanceTo(onLine), distance, 1e-5) << trial;
    }
}

TEST(TmMathMousePick, LinePickedWithinToleranceAndTheModesPart)
{
    const CTmVect3D down(0, 0, -1);
    const CTm3DPoint a(0, 0, 0), b(2, 0, 0);
    EXPECT_TRUE(MousePointOnLine(0.1f, CTm3DPoint(1, 0.05f, 10), down, a, b, kPickSegment));
    EXPECT_FALSE(MousePointOnLine(0.1f, CTm3DPoint(1, 0.2f, 10), down, a, b, kPickLine));

    // Beyond the end.
    const CTm3DPoint beyond(3, 0, 10);
    EXPECT_FALSE(MousePointOnLine(0.1f, beyond, down, a, b, kPickSegment));
    EXPECT_FALSE(MousePointOnLine(0.1f, beyond, down, a, b, kPickToEnd));
    EXPECT_TRUE(MousePointOnLine(0.1f, beyond, down, a, b, kPickFromStart));
    EXPECT_TRUE(MousePointOnLine(0.1f, beyond, down, a, b, kPickLine));
    EXPECT_TRUE(MousePointOnLine(0.1f, beyond, down, a, b, 17));
    // Before the start.
    const CTm3DPoint before(-1, 0, 10);
    EXPECT_FALSE(MousePointOnLine(0.1f, before, down, a, b, kPickSegment));
    EXPECT_TRUE(MousePointOnLine(0.1f, before, down, a, b, kPickToEnd));
    EXPECT_FALSE(MousePointOnLine(0.1f, before, down, a, b, kPickFromStart));

    // A slanted view still measures the distance between the two lines.
    EXPECT_TRUE(MousePointOnLine(0.1f, CTm3DPoint(1, -5, 5.05f), CTmVect3D(0, 1, -1), a, b, kPickSegment));
    EXPECT_FALSE(MousePointOnLine(0.1f, CTm3DPoint(1, -5, 5.2f), CTmVect3D(0, 1, -1), a, b, kPickSegment));
    // Looking along the segment, and without a view direction.
    EXPECT_TRUE(MousePointOnLine(0.1f, CTm3DPoint(-5, 0.05f, 0), CTmVect3D(1, 0, 0), a, b, kPickSegment));
    EXPECT_TRUE(MousePointOnLine(0.1f, CTm3DPoint(1, 0.05f, 0), CTmVect3D(0, 0, 0), a, b, kPickSegment));
    EXPECT_FALSE(MousePointOnLine(0.1f, CTm3DPoint(1, 0.05f, 1), CTmVect3D(0, 0, 0), a, b, kPickSegment));
}

TEST(TmMathMousePick, ArcPickedOnTheArcOrItsCircle)
{
    const CTmVect3D down(0, 0, -1);
    EXPECT_TRUE(MousePointOnArc(0.1f, CTm3DPoint(0.7071f, 0.7071f, 10), down, kOrigin, 1, 0, 90, kOrigin, kUp,
                                kPickSegment));
    EXPECT_TRUE(MousePointOnArc(0.1f, CTm3DPoint(0.75f, 0.75f, 10), down, kOrigin, 1, 0, 90, kOrigin, kUp,
                                kPickSegment));
    EXPECT_FALSE(MousePointOnArc(0.1f, CTm3DPoint(0.8f, 0.8f, 10), down, kOrigin, 1, 0, 90, kOrigin, kUp,
                                 kPickSegment));
    // On the circle, off the arc.
    EXPECT_FALSE(MousePointOnArc(0.1f, CTm3DPoint(-1, 0, 10), down, kOrigin, 1, 0, 90, kOrigin, kUp, kPickSegment));
    EXPECT_TRUE(MousePointOnArc(0.1f, CTm3DPoint(-1, 0, 10), down, kOrigin, 1, 0, 90, kOrigin, kUp, kPickLine));
    EXPECT_FALSE(MousePointOnArc(0.1f, CTm3DPoint(0, 0, 10), down, kOrigin, 1, 0, 360, kOrigin, kUp, kPickLine));
    // Seen edge-on from the side.
    EXPECT_TRUE(MousePointOnArc(0.1f, CTm3DPoint(0.5f, -10, 0.05f), CTmVect3D(0, 1, 0), kOrigin, 1, 0, 90, kOrigin,
                                kUp, kPickSegment));
    EXPECT_FALSE(MousePointOnArc(0.1f, CTm3DPoint(0.5f, -10, 0.05f), CTmVect3D(0, 1, 0), kOrigin, 1, 180, 270,
                                 kOrigin, kUp, kPickSegment));
}
