// Sign and rounding, line-line and line-plane intersections and the foot of
// a perpendicular.
#include "tools/TmMath.h"

#include <cmath>

#include "tools/TmLocalFrame.h"
#include "tools/TmMathArc.h"

namespace TMTOOLS {
namespace Math {

int __sign(double x)
{
    if (std::fabs(x) < 1e-6)
        return 0;
    return x > 0 ? 1 : -1;
}

double RoundDecimal(double x, int n)
{
    double scale = std::pow(10.0, n);
    double i = std::trunc(x);
    double f = (x - i) * scale;
    if (std::fabs(f) < 1e-5)
        return i;
    if (f > 0)
        return std::trunc(f + 0.5) / scale + i;
    return std::trunc(f - 0.5) / scale + i;
}

namespace {

// Whether the point (px, py) on the line through a segment lies off that
// segment: it is on it when within 1e-5 (squared distance) of an end, or
// when its parameter along the segment is in [0, 1]. The parameter stands
// for "same direction from the first end and not farther than the second",
// without reading the sign of a coordinate difference that rounding leaves
// at +-1e-7 for a point on an axis-parallel segment.
bool IsOffSegment(double px, double py, double xa, double ya, double xb, double yb, double t)
{
    double da = (px - xa) * (px - xa) + (py - ya) * (py - ya);
    double db = (px - xb) * (px - xb) + (py - yb) * (py - yb);
    if (da < kGeomTolerance || db < kGeomTolerance)
        return false;
    return !(t >= 0.0 && t <= 1.0);
}

}  // namespace

bool Intersection_2DLineLine_Ext(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                                 bool& offSegment1, bool& offSegment2, float& x, float& y)
{
    double dx1 = double(x2) - x1, dy1 = double(y2) - y1;
    double dx2 = double(x4) - x3, dy2 = double(y4) - y3;
    double denom = dy2 * dx1 - dx2 * dy1;
    if (std::fabs(denom) < kGeomTolerance)
        return false;
    double ex = double(x1) - x3, ey = double(y1) - y3;
    double t1 = (dx2 * ey - dy2 * ex) / denom;
    double t2 = (dx1 * ey - dy1 * ex) / denom;
    double px = x1 + t1 * dx1;
    double py = y1 + t1 * dy1;
    x = float(px);
    y = float(py);
    offSegment1 = IsOffSegment(px, py, x1, y1, x2, y2, t1);
    offSegment2 = IsOffSegment(px, py, x3, y3, x4, y4, t2);
    return true;
}

bool Intersection_2DLineLine_Ext(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                                 float& x, float& y)
{
    bool off1, off2;
    return Intersection_2DLineLine_Ext(x1, y1, x2, y2, x3, y3, x4, y4, off1, off2, x, y);
}

bool Intersection_2DLineLine(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                             float& x, float& y)
{
    bool off1, off2;
    if (!Intersection_2DLineLine_Ext(x1, y1, x2, y2, x3, y3, x4, y4, off1, off2, x, y))
        return false;
    return !off1 && !off2;
}

bool Intersection_3DLineLine(const CTm3DPoint& p1, const CTm3DPoint& p2, const CTm3DPoint& p3,
                             const CTm3DPoint& p4, CTm3DPoint& point)
{
    CTmVec3d a(p1), c(p3);
    CTmVec3d u = CTmVec3d(p2) - a;
    CTmVec3d v = CTmVec3d(p4) - c;
    double lu = u.Length(), lv = v.Length();
    if (lu < kGeomTolerance || lv < kGeomTolerance)
        return false;
    u = u * (1.0 / lu);
    v = v * (1.0 / lv);
    double b = u.Dot(v);
    double denom = 1.0 - b * b;
    if (denom < kGeomTolerance * kGeomTolerance)
        return false;  // parallel
    CTmVec3d w = a - c;
    double d = u.Dot(w), e = v.Dot(w);
    double s = (b * e - d) / denom;  // along the first line
    double t = e + s * b;            // along the second
    CTmVec3d q1 = a + u * s;
    CTmVec3d q2 = c + v * t;
    if ((q1 - q2).Length() > kGeomTolerance)
        return false;  // skew lines
    point = ((q1 + q2) * 0.5).ToPoint();
    return true;
}

namespace {

bool MeetPlane(const CTm3DPoint& linePoint, const CTmVect3D& direction, const CTm3DPoint& planePoint,
               const CTmVect3D& normal, bool ray, CTm3DPoint& point)
{
    CTmVec3d p(linePoint), dir(direction), n(normal);
    double d = dir.Dot(n);
    if (std::fabs(d) >= kGeomTolerance) {
        double t = (CTmVec3d(planePoint) - p).Dot(n) / d;
        if (!ray || t >= 0) {
            point = (p + dir * t).ToPoint();
            return true;
        }
    }
    point = (p + dir * 1e20).ToPoint();
    return false;
}

}  // namespace

bool Intersection_LinePlane(const CTm3DPoint& linePoint, const CTmVect3D& direction, const CTm3DPoint& planePoint,
                            const CTmVect3D& normal, CTm3DPoint& point)
{
    return MeetPlane(linePoint, direction, planePoint, normal, false, point);
}

bool Intersection_RayPlane(const CTm3DPoint& origin, const CTmVect3D& direction, const CTm3DPoint& planePoint,
                           const CTmVect3D& normal, CTm3DPoint& point)
{
    return MeetPlane(origin, direction, planePoint, normal, true, point);
}

bool GetPerpendicularPoint(const CTm3DPoint& point, const CTm3DPoint& start, const CTmVect3D& vector,
                           CTm3DPoint& foot)
{
    CTmVec3d v(vector);
    double len = v.Length();
    if (len < kGeomTolerance)
        return false;
    double t = (CTmVec3d(point) - CTmVec3d(start)).Dot(v) / len;
    if (t < -kGeomTolerance || t > len + kGeomTolerance)
        return false;
    foot = (CTmVec3d(start) + v * (t / len)).ToPoint();
    return true;
}

}  // namespace Math
}  // namespace TMTOOLS
