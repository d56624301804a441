// Circles and arcs in space, local-to-global matrices, closest points of a
// line and an arc, and picking lines and arcs with the mouse.
//
// A 3D circle or arc is handled in its own plane: a frame with its origin at
// the centre and its z axis along axis1 -> axis2, in which the figure is the
// 2D one; results are carried back to global coordinates.
#include <algorithm>
#include <cmath>

#include "tools/TmLocalFrame.h"
#include "tools/TmMath.h"
#include "tools/TmMathArc.h"

namespace TMTOOLS {
namespace Math {

namespace {

const double kPi = 3.14159265358979323846;

bool MakeCircleFrame(const CTm3DPoint& centre, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                     CTmLocalFrame& frame)
{
    return frame.Make(CTmVec3d(centre), CTmVec3d(axis2) - CTmVec3d(axis1), 0.0);
}

CTm2DPoint InPlane(const CTmVec3d& local)
{
    return CTm2DPoint(float(local.x), float(local.y));
}

CTm3DPoint FromPlane(const CTmLocalFrame& frame, const CTm2DPoint& q)
{
    return frame.ToGlobal(CTmVec3d(q.x, q.y, 0.0)).ToPoint();
}

void AppendFromPlane(const CTmLocalFrame& frame, const std::vector<CTm2DPoint>& local,
                     std::vector<CTm3DPoint>& points)
{
    for (const CTm2DPoint& q : local)
        points.push_back(FromPlane(frame, q));
}

// Solves a problem posed in the plane of a circle: other is taken into the
// circle's frame and refused when it lies off that plane; solve works in 2D
// with the centre at the origin; its points are carried back.
template <typename Solve>
bool SolveInCirclePlane(const CTm3DPoint& centre, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                        const CTm3DPoint& other, std::vector<CTm3DPoint>& points, Solve solve)
{
    points.clear();
    CTmLocalFrame frame;
    if (!MakeCircleFrame(centre, axis1, axis2, frame))
        return false;
    CTmVec3d local = frame.ToLocal(CTmVec3d(other));
    if (std::fabs(local.z) > kGeomTolerance)
        return false;
    std::vector<CTm2DPoint> found;
    bool met = solve(InPlane(local), found);
    AppendFromPlane(frame, found, points);
    return met;
}

// A point of the circle of the frame, at angle theta (radians).
CTmVec3d PointAt(const CTmLocalFrame& frame, double radius, double theta)
{
    return frame.ToGlobal(CTmVec3d(radius * std::cos(theta), radius * std::sin(theta), 0.0));
}

// Squared distance of q from the line through linePoint along the unit
// vector direction, or from linePoint itself when there is no direction.
double SquaredDistance(const CTmVec3d& q, const CTmVec3d& linePoint, const CTmVec3d* direction)
{
    CTmVec3d w = q - linePoint;
    if (direction)
        w = w - *direction * w.Dot(*direction);
    return w.Dot(w);
}

// The angle (radians) of the point of the arc from startAngle over sweep
// degrees closest to the line (or point). The squared distance is a
// trigonometric polynomial of degree 2 in the angle, so it has at most two
// minima a turn: sampling every degree finds the right one, and a golden-
// section search between the neighbouring samples pins it down.
double ClosestAngleOnArc(const CTmLocalFrame& frame, double radius, double startAngle, double sweep,
                         const CTmVec3d& linePoint, const CTmVec3d* direction)
{
    auto f = [&](double theta) { return SquaredDistance(PointAt(frame, radius, theta), linePoint, direction); };
    const double start = startAngle * kPi / 180.0;
    const double span = sweep * kPi / 180.0;
    const int samples = std::max(8, int(std::ceil(sweep)));
    int best = 0;
    double bestValue = f(start);
    for (int i = 1; i <= samples; ++i) {
        double value = f(start + span * i / samples);
        if (value < bestValue) {
            bestValue = value;
            best = i;
        }
    }
    double lo = start + span * std::max(best - 1, 0) / samples;
    double hi = start + span * std::min(best + 1, samples) / samples;
    const double kGolden = 0.61803398874989484820;
    double a = hi - kGolden * (hi - lo), b = lo + kGolden * (hi - lo);
    double fa = f(a), fb = f(b);
    for (int i = 0; i < 100 && hi - lo > 1e-12; ++i) {
        if (fa < fb) {
            hi = b;
            b = a;
            fb = fa;
            a = hi - kGolden * (hi - lo);
            fa = f(a);
        } else {
            lo = a;
            a = b;
            fa = fb;
            b = lo + kGolden * (hi - lo);
            fb = f(b);
        }
    }
    double refined = 0.5 * (lo + hi);
    return f(refined) < bestValue ? refined : start + span * best / samples;
}

}  // namespace

bool LocalToGlobMatrix(double x1, double y1, double z1, double x2, double y2, double z2, double angle,
                       CTm2DMatrix& matrix)
{
    CTmLocalFrame frame;
    if (!frame.Make(CTmVec3d(x1, y1, z1), CTmVec3d(x2 - x1, y2 - y1, z2 - z1), angle))
        return false;
    matrix.Realloc(4, 4);
    if (matrix.RowCount() != 4 || matrix.ColCount() != 4)
        return false;
    const CTmVec3d* columns[4] = {&frame.m_x, &frame.m_y, &frame.m_z, &frame.m_origin};
    for (unsigned int c = 0; c < 4; ++c) {
        matrix(0, c) = columns[c]->x;
        matrix(1, c) = columns[c]->y;
        matrix(2, c) = columns[c]->z;
        matrix(3, c) = c == 3 ? 1.0 : 0.0;
    }
    return true;
}

bool LocalToGlobMatrix(const CTm3DPoint& point1, const CTm3DPoint& point2, double angle, CTm2DMatrix& matrix)
{
    return LocalToGlobMatrix(double(point1.x), double(point1.y), double(point1.z), double(point2.x),
                             double(point2.y), double(point2.z), angle, matrix);
}

bool Intersection_3DLineCircle(const CTm3DPoint& p1, const CTm3DPoint& p2, const CTm3DPoint& centre, float radius,
                               const CTm3DPoint& axis1, const CTm3DPoint& axis2, std::vector<CTm3DPoint>& points)
{
    points.clear();
    CTmLocalFrame frame;
    if (!MakeCircleFrame(centre, axis1, axis2, frame))
        return false;
    CTmVec3d l1 = frame.ToLocal(CTmVec3d(p1));
    CTmVec3d l2 = frame.ToLocal(CTmVec3d(p2));
    if (std::fabs(l1.z) <= kGeomTolerance && std::fabs(l2.z) <= kGeomTolerance) {
        std::vector<CTm2DPoint> local;
        bool met = Intersection_2DLineCircle(InPlane(l1), InPlane(l2), CTm2DPoint(0, 0), radius, local);
        AppendFromPlane(frame, local, points);
        return met;
    }
    // Crossing the plane: the crossing point is the only candidate.
    double dz = l1.z - l2.z;
    double length = (l2 - l1).Length();
    if (std::fabs(dz) < 1e-12 || radius < 0)
        return false;
    double t = l1.z / dz;
    if (t * length < -kGeomTolerance || t * length > length + kGeomTolerance)
        return false;
    CTmVec3d x = l1 + (l2 - l1) * t;
    if (std::fabs(std::hypot(x.x, x.y) - radius) > kGeomTolerance)
        return false;
    points.push_back(frame.ToGlobal(CTmVec3d(x.x, x.y, 0.0)).ToPoint());
    return true;
}

bool Intersection_3DLineArc(const CTm3DPoint& p1, const CTm3DPoint& p2, const CTm3DPoint& centre, float radius,
                            float startAngle, float endAngle, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                            std::vector<CTm3DPoint>& points)
{
    std::vector<CTm3DPoint> onCircle;
    if (!Intersection_3DLineCircle(p1, p2, centre, radius, axis1, axis2, onCircle))
        return false;
    CTmLocalFrame frame;
    MakeCircleFrame(centre, axis1, axis2, frame);
    for (const CTm3DPoint& p : onCircle) {
        float angle = PolarAngle(CTm2DPoint(0, 0), InPlane(frame.ToLocal(CTmVec3d(p))));
        if (IsAngleInArc(angle, startAngle, endAngle))
            points.push_back(p);
    }
    return !points.empty();
}

bool Intersection_3DCircleCircleInPlane(const CTm3DPoint& centre1, float radius1, const CTm3DPoint& centre2,
                                        float radius2, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                                        std::vector<CTm3DPoint>& points)
{
    return SolveInCirclePlane(centre1, axis1, axis2, centre2, points,
                              [&](const CTm2DPoint& c2, std::vector<CTm2DPoint>& local) {
                                  return Intersection_2DCircleCircle(CTm2DPoint(0, 0), radius1, c2, radius2, local);
                              });
}

bool Intersection_3DArcArcInPlane(const CTm3DPoint& centre1, float radius1, float startAngle1, float endAngle1,
                                  const CTm3DPoint& centre2, float radius2, float startAngle2, float endAngle2,
                                  const CTm3DPoint& axis1, const CTm3DPoint& axis2, std::vector<CTm3DPoint>& points)
{
    // Both arcs measure their angles from the same local x axis.
    return SolveInCirclePlane(centre1, axis1, axis2, centre2, points,
                              [&](const CTm2DPoint& c2, std::vector<CTm2DPoint>& local) {
                                  return Intersection_2DArcArc(CTm2DPoint(0, 0), radius1, startAngle1, endAngle1, c2,
                                                               radius2, startAngle2, endAngle2, local);
                              });
}

bool GetTangencyPoints(const CTm3DPoint& point, const CTm3DPoint& centre, float radius, const CTm3DPoint& axis1,
                       const CTm3DPoint& axis2, std::vector<CTm3DPoint>& points)
{
    return SolveInCirclePlane(centre, axis1, axis2, point, points,
                              [&](const CTm2DPoint& p, std::vector<CTm2DPoint>& local) {
                                  return GetTangencyPoints(p, CTm2DPoint(0, 0), radius, local);
                              });
}

bool GetTangencyPoints(const CTm3DPoint& point, const CTm3DPoint& centre, float radius, float startAngle,
                       float endAngle, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                       std::vector<CTm3DPoint>& points)
{
    return SolveInCirclePlane(centre, axis1, axis2, point, points,
                              [&](const CTm2DPoint& p, std::vector<CTm2DPoint>& local) {
                                  return GetTangencyPoints(p, CTm2DPoint(0, 0), radius, startAngle, endAngle, local);
                              });
}

bool GetLineArcClosestPoint_Ext(const CTm3DPoint& linePoint1, const CTm3DPoint& linePoint2,
                                const CTm3DPoint& centre, float radius, float startAngle, float endAngle,
                                const CTm3DPoint& axis1, const CTm3DPoint& axis2, CTm3DPoint& onLine,
                                CTm3DPoint& onArc, float& distance)
{
    if (radius < 0)
        return false;
    CTmLocalFrame frame;
    if (!MakeCircleFrame(centre, axis1, axis2, frame))
        return false;
    CTmVec3d a(linePoint1);
    CTmVec3d u = CTmVec3d(linePoint2) - a;
    double length = u.Length();
    if (length < kGeomTolerance)
        return false;
    u = u * (1.0 / length);
    double theta = ClosestAngleOnArc(frame, radius, startAngle, ArcSweep(startAngle, endAngle), a, &u);
    CTmVec3d q = PointAt(frame, radius, theta);
    CTmVec3d foot = a + u * (q - a).Dot(u);
    onArc = q.ToPoint();
    onLine = foot.ToPoint();
    distance = float((q - foot).Length());
    return true;
}

bool MousePointOnLine(float tolerance, const CTm3DPoint& pickPoint, const CTmVect3D& viewDirection,
                      const CTm3DPoint& start, const CTm3DPoint& end, int mode)
{
    CTmVec3d a(start), p(pickPoint);
    CTmVec3d u = CTmVec3d(end) - a;
    double length = u.Length();
    if (length > kGeomTolerance)
        u = u * (1.0 / length);
    CTmVec3d v(viewDirection);
    double viewLength = v.Length();
    const CTmVec3d* view = nullptr;
    if (viewLength > kGeomTolerance) {
        v = v * (1.0 / viewLength);
        view = &v;
    }

    // Closest approach of the view line (p, v) and the line (a, u): t is the
    // distance of the closest point from a along u.
    double t = 0.0;
    double dist;
    if (length <= kGeomTolerance) {
        // A segment shrunk to a point: its distance from the view line.
        dist = std::sqrt(SquaredDistance(a, p, view));
    } else if (!view) {
        // No view direction: the pick point itself against the line.
        t = (p - a).Dot(u);
        dist = std::sqrt(SquaredDistance(p, a, &u));
    } else {
        double b = u.Dot(v);
        double denom = 1.0 - b * b;
        if (denom < 1e-12) {
            // Looking along the line: all of it is equally near; its start
            // stands for it.
            dist = std::sqrt(SquaredDistance(a, p, view));
        } else {
            CTmVec3d w = a - p;
            double d = u.Dot(w), e = v.Dot(w);
            t = (b * e - d) / denom;
            double s = e + t * b;
            dist = (w + u * t - v * s).Length();
        }
    }
    if (dist >= tolerance + kGeomTolerance)
        return false;
    switch (mode) {
    case kPickSegment:
        return t >= -kGeomTolerance && t <= length + kGeomTolerance;
    case kPickToEnd:
        return t <= length + kGeomTolerance;
    case kPickFromStart:
        return t >= -kGeomTolerance;
    default:
        return true;
    }
}

bool MousePointOnArc(float tolerance, const CTm3DPoint& pickPoint, const CTmVect3D& viewDirection,
                     const CTm3DPoint& centre, float radius, float startAngle, float endAngle,
                     const CTm3DPoint& axis1, const CTm3DPoint& axis2, int mode)
{
    if (radius < 0)
        return false;
    CTmLocalFrame frame;
    if (!MakeCircleFrame(centre, axis1, axis2, frame))
        return false;
    double start = mode == kPickSegment ? startAngle : 0.0;
    double sweep = mode == kPickSegment ? ArcSweep(startAngle, endAngle) : 360.0;
    CTmVec3d p(pickPoint);
    CTmVec3d v(viewDirection);
    double viewLength = v.Length();
    const CTmVec3d* direction = nullptr;
    if (viewLength > kGeomTolerance) {
        v = v * (1.0 / viewLength);
        direction = &v;
    }
    double theta = ClosestAngleOnArc(frame, radius, start, sweep, p, direction);
    double dist = std::sqrt(SquaredDistance(PointAt(frame, radius, theta), p, direction));
    return dist < tolerance + kGeomTolerance;
}

}  // namespace Math
}  // namespace TMTOOLS
