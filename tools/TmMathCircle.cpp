// Intersections of lines, circles and arcs in the plane, and tangency
// points from a point to a circle or arc.
#include <cmath>

#include "tools/TmMath.h"
#include "tools/TmMathArc.h"

namespace TMTOOLS {
namespace Math {

namespace {

const double kPi = 3.14159265358979323846;

// Meeting points of the line through p1, p2 and a circle: those on the
// segment when onSegmentOnly, else all.
bool LineCircle(const CTm2DPoint& p1, const CTm2DPoint& p2, const CTm2DPoint& centre, float radius,
                bool onSegmentOnly, std::vector<CTm2DPoint>& points)
{
    points.clear();
    if (radius < 0)
        return false;
    if (p1.IsEqual(p2, float(kGeomTolerance))) {
        double d = std::hypot(double(p1.x) - centre.x, double(p1.y) - centre.y);
        if (std::fabs(d - radius) > kGeomTolerance)
            return false;
        points.push_back(p1);
        return true;
    }
    // The centre in the segment's frame: origin p1, x along p1-p2.
    double dx = double(p2.x) - p1.x, dy = double(p2.y) - p1.y;
    double length = std::hypot(dx, dy);
    double ux = dx / length, uy = dy / length;
    double qx = double(centre.x) - p1.x, qy = double(centre.y) - p1.y;
    double cx = qx * ux + qy * uy;
    double cy = qy * ux - qx * uy;
    if (std::fabs(cy) > radius + kGeomTolerance)
        return false;
    double h2 = double(radius) * radius - cy * cy;
    double h = h2 > 0 ? std::sqrt(h2) : 0.0;
    double candidates[2] = {cx - h, cx + h};
    // A tangent line touches once: its two candidates are one point.
    int count = 2 * h > kGeomTolerance ? 2 : 1;
    if (count == 1)
        candidates[0] = cx;
    for (int i = 0; i < count; ++i) {
        double x = candidates[i];
        if (onSegmentOnly && !(x > -kGeomTolerance && x < length + kGeomTolerance))
            continue;
        points.push_back(CTm2DPoint(float(p1.x + ux * x), float(p1.y + uy * x)));
    }
    return true;
}

// Appends the points that lie on the arc (angles taken from centre).
void KeepOnArc(const std::vector<CTm2DPoint>& candidates, const CTm2DPoint& centre, float startAngle,
               float endAngle, std::vector<CTm2DPoint>& points)
{
    for (const CTm2DPoint& p : candidates)
        if (IsAngleInArc(PolarAngle(centre, p), startAngle, endAngle))
            points.push_back(p);
}

}  // namespace

float PolarAngle(const CTm2DPoint& centre, const CTm2DPoint& q)
{
    float dx = q.x - centre.x;
    float dy = q.y - centre.y;
    float r = std::sqrt(dx * dx + dy * dy);
    if (r <= dx)
        return 0.0f;
    if (-r >= dx)
        return 180.0f;
    float angle = std::acos(dx / r) * (180.0f / float(kPi));
    if (dy < 0)
        angle = 360.0f - angle;
    return angle >= 360.0f ? 0.0f : angle;
}

double ArcSweep(double startAngle, double endAngle)
{
    double sweep = endAngle - startAngle;
    if (sweep < 0)
        sweep = std::fmod(sweep, 360.0) + 360.0;
    return sweep > 360.0 ? 360.0 : sweep;
}

bool IsAngleInArc(double angle, double startAngle, double endAngle)
{
    double sweep = ArcSweep(startAngle, endAngle);
    double d = std::fmod(angle - startAngle, 360.0);
    if (d < 0)
        d += 360.0;
    return d < sweep + kGeomTolerance || d > 360.0 - kGeomTolerance;
}

bool Intersection_2DLineCircle(const CTm2DPoint& p1, const CTm2DPoint& p2, const CTm2DPoint& centre, float radius,
                               std::vector<CTm2DPoint>& points)
{
    return LineCircle(p1, p2, centre, radius, true, points);
}

bool Intersection_2DLineCircle_Ext(const CTm2DPoint& p1, const CTm2DPoint& p2, const CTm2DPoint& centre,
                                   float radius, std::vector<CTm2DPoint>& points)
{
    return LineCircle(p1, p2, centre, radius, false, points);
}

bool Intersection_2DLineArc(const CTm2DPoint& p1, const CTm2DPoint& p2, const CTm2DPoint& centre, float radius,
                            float startAngle, float endAngle, std::vector<CTm2DPoint>& points)
{
    std::vector<CTm2DPoint> onCircle;
    if (!Intersection_2DLineCircle(p1, p2, centre, radius, onCircle))
        return false;
    KeepOnArc(onCircle, centre, startAngle, endAngle, points);
    return !points.empty();
}

bool Intersection_2DCircleCircle(const CTm2DPoint& centre1, float radius1, const CTm2DPoint& centre2,
                                 float radius2, std::vector<CTm2DPoint>& points)
{
    points.clear();
    if (radius1 < 0 || radius2 < 0)
        return false;
    double dx = double(centre2.x) - centre1.x, dy = double(centre2.y) - centre1.y;
    if (std::fabs(dx) < kGeomTolerance && std::fabs(dy) < kGeomTolerance)
        return false;  // concentric
    double d = std::hypot(dx, dy);
    double r1 = radius1, r2 = radius2;
    if (d > r1 + r2 + kGeomTolerance || std::fabs(r1 - r2) > d + kGeomTolerance)
        return false;  // apart, or one inside the other
    double ux = dx / d, uy = dy / d;
    if (std::fabs(d - (r1 + r2)) < kGeomTolerance) {
        points.push_back(CTm2DPoint(float(centre1.x + r1 * ux), float(centre1.y + r1 * uy)));
        return true;
    }
    if (std::fabs(d - std::fabs(r1 - r2)) < kGeomTolerance) {
        for (double sign : {1.0, -1.0}) {
            double x = centre1.x + sign * r1 * ux, y = centre1.y + sign * r1 * uy;
            if (std::fabs(std::hypot(x - centre2.x, y - centre2.y) - r2) <= kGeomTolerance) {
                points.push_back(CTm2DPoint(float(x), float(y)));
                return true;
            }
        }
        return false;
    }
    // The chord's foot on the line of centres, and half the chord: the
    // point left of centre1 -> centre2 first.
    double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
    double h2 = r1 * r1 - a * a;
    double h = h2 > 0 ? std::sqrt(h2) : 0.0;
    double bx = centre1.x + a * ux, by = centre1.y + a * uy;
    points.push_back(CTm2DPoint(float(bx - h * uy), float(by + h * ux)));
    points.push_back(CTm2DPoint(float(bx + h * uy), float(by - h * ux)));
    return true;
}

bool Intersection_2DArcArc(const CTm2DPoint& centre1, float radius1, float startAngle1, float endAngle1,
                           const CTm2DPoint& centre2, float radius2, float startAngle2, float endAngle2,
                           std::vector<CTm2DPoint>& points)
{
    std::vector<CTm2DPoint> onCircles;
    if (!Intersection_2DCircleCircle(centre1, radius1, centre2, radius2, onCircles))
        return false;
    // A crossing point of two arcs lies on both of them.
    std::vector<CTm2DPoint> onArc1;
    KeepOnArc(onCircles, centre1, startAngle1, endAngle1, onArc1);
    KeepOnArc(onArc1, centre2, startAngle2, endAngle2, points);
    return !points.empty();
}

bool GetTangencyPoints(const CTm2DPoint& point, const CTm2DPoint& centre, float radius,
                       std::vector<CTm2DPoint>& points)
{
    points.clear();
    if (radius < kGeomTolerance)
        return false;
    double dx = double(point.x) - centre.x, dy = double(point.y) - centre.y;
    double d = std::hypot(dx, dy);
    if (d < radius - kGeomTolerance)
        return false;  // inside: no tangent passes through the point
    if (d <= radius + kGeomTolerance) {
        points.push_back(point);
        return true;
    }
    // The tangency points are seen from the centre at +-acos(r / d) from
    // the direction of the point.
    double phi = std::atan2(dy, dx);
    double alpha = std::acos(radius / d);
    for (double angle : {phi + alpha, phi - alpha})
        points.push_back(CTm2DPoint(float(centre.x + radius * std::cos(angle)),
                                    float(centre.y + radius * std::sin(angle))));
    return true;
}

bool GetTangencyPoints(const CTm2DPoint& point, const CTm2DPoint& centre, float radius, float startAngle,
                       float endAngle, std::vector<CTm2DPoint>& points)
{
    std::vector<CTm2DPoint> onCircle;
    points.clear();
    if (!GetTangencyPoints(point, centre, radius, onCircle))
        return false;
    KeepOnArc(onCircle, centre, startAngle, endAngle, points);
    return !points.empty();
}

}  // namespace Math
}  // namespace TMTOOLS
