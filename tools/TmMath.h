// Geometry functions for drawing and picking in a CAD-like view: sign and
// rounding, intersections of lines, rays, planes, circles and arcs, feet of
// perpendiculars, tangency points, local-to-global matrices and picking of
// lines and arcs with the mouse.
//
// Conventions: float coordinates; tolerance 1e-5; arc angles in degrees,
// counter-clockwise from the start angle to the end angle (an end angle
// below the start angle passes through 0). A "segment" is the part of a
// line between its two given points. Functions that find nothing return
// false.
//
// 3D circles and arcs lie in the plane through their centre perpendicular
// to the axis through two axis points. Their angles are measured in that
// plane from the local x axis of LocalToGlobMatrix for that axis (angle 0);
// for the axis (0,0,0)-(0,0,1) that is the global x axis, so such arcs read
// as the 2D ones.
#pragma once

#include <vector>

#include "Tm2DMatrix.h"
#include "TmPoint.h"
#include "TmToolsApi.h"

namespace TMTOOLS {
namespace Math {

// 0 when abs(x) < 1e-6, 1 when x > 0, else -1.
TMTOOLS_API int __sign(double x);
// x rounded to n decimals, halves away from zero.
TMTOOLS_API double RoundDecimal(double x, int n);

// Crossing point of the infinite lines (x1,y1)-(x2,y2) and (x3,y3)-(x4,y4);
// false when they are parallel. offSegment1/2 tell whether the point lies
// off the first/second segment (ends included, within 1e-5 squared).
TMTOOLS_API bool Intersection_2DLineLine_Ext(float x1, float y1, float x2, float y2, float x3, float y3,
                                             float x4, float y4, bool& offSegment1, bool& offSegment2,
                                             float& x, float& y);
TMTOOLS_API bool Intersection_2DLineLine_Ext(float x1, float y1, float x2, float y2, float x3, float y3,
                                             float x4, float y4, float& x, float& y);
// True only when the two segments cross (ends included).
TMTOOLS_API bool Intersection_2DLineLine(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                         float y4, float& x, float& y);
// Crossing point of the lines p1-p2 and p3-p4; false when they are
// parallel or pass each other more than 1e-5 apart.
TMTOOLS_API bool Intersection_3DLineLine(const CTm3DPoint& p1, const CTm3DPoint& p2, const CTm3DPoint& p3,
                                         const CTm3DPoint& p4, CTm3DPoint& point);

// Meeting point of a line and a plane; when they are parallel, point is far
// along the line (1e20 x direction) and the result false.
TMTOOLS_API bool Intersection_LinePlane(const CTm3DPoint& linePoint, const CTmVect3D& direction,
                                        const CTm3DPoint& planePoint, const CTmVect3D& normal,
                                        CTm3DPoint& point);
// The same for a ray, which also misses a plane behind its origin.
TMTOOLS_API bool Intersection_RayPlane(const CTm3DPoint& origin, const CTmVect3D& direction,
                                       const CTm3DPoint& planePoint, const CTmVect3D& normal, CTm3DPoint& point);

// Meeting points of segment p1-p2 and a circle; points is emptied first. A
// tangent segment gives its touching point once. True when the infinite
// line meets the circle, even if no meeting point lies on the segment.
TMTOOLS_API bool Intersection_2DLineCircle(const CTm2DPoint& p1, const CTm2DPoint& p2, const CTm2DPoint& centre,
                                           float radius, std::vector<CTm2DPoint>& points);
// Meeting points of the infinite line through p1, p2 and a circle.
TMTOOLS_API bool Intersection_2DLineCircle_Ext(const CTm2DPoint& p1, const CTm2DPoint& p2,
                                               const CTm2DPoint& centre, float radius,
                                               std::vector<CTm2DPoint>& points);
// Meeting points of a segment and an arc, appended to points (not emptied);
// true when points is not empty.
TMTOOLS_API bool Intersection_2DLineArc(const CTm2DPoint& p1, const CTm2DPoint& p2, const CTm2DPoint& centre,
                                        float radius, float startAngle, float endAngle,
                                        std::vector<CTm2DPoint>& points);
// Crossing points of two circles; points is emptied first. Concentric,
// apart or nested circles: false. Touching circles give one point.
TMTOOLS_API bool Intersection_2DCircleCircle(const CTm2DPoint& centre1, float radius1, const CTm2DPoint& centre2,
                                             float radius2, std::vector<CTm2DPoint>& points);
// Crossing points of two arcs (on both arcs), appended to points; true
// when points is not empty.
TMTOOLS_API bool Intersection_2DArcArc(const CTm2DPoint& centre1, float radius1, float startAngle1,
                                       float endAngle1, const CTm2DPoint& centre2, float radius2,
                                       float startAngle2, float endAngle2, std::vector<CTm2DPoint>& points);

// 3D segment and a circle or arc in its own plane. A segment in that plane
// behaves as in 2D; one crossing the plane meets the figure at most at its
// crossing point. The circle form empties points and is true as the 2D one;
// the arc form appends and is true when points is not empty.
TMTOOLS_API bool Intersection_3DLineCircle(const CTm3DPoint& p1, const CTm3DPoint& p2, const CTm3DPoint& centre,
                                           float radius, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                                           std::vector<CTm3DPoint>& points);
TMTOOLS_API bool Intersection_3DLineArc(const CTm3DPoint& p1, const CTm3DPoint& p2, const CTm3DPoint& centre,
                                        float radius, float startAngle, float endAngle, const CTm3DPoint& axis1,
                                        const CTm3DPoint& axis2, std::vector<CTm3DPoint>& points);
// Two circles or arcs in the plane of the first centre perpendicular to
// axis1-axis2; false when the second centre is off that plane.
TMTOOLS_API bool Intersection_3DCircleCircleInPlane(const CTm3DPoint& centre1, float radius1,
                                                    const CTm3DPoint& centre2, float radius2,
                                                    const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                                                    std::vector<CTm3DPoint>& points);
TMTOOLS_API bool Intersection_3DArcArcInPlane(const CTm3DPoint& centre1, float radius1, float startAngle1,
                                              float endAngle1, const CTm3DPoint& centre2, float radius2,
                                              float startAngle2, float endAngle2, const CTm3DPoint& axis1,
                                              const CTm3DPoint& axis2, std::vector<CTm3DPoint>& points);

// Foot of the perpendicular from point onto the segment start..start+vector;
// false when the segment is shorter than 1e-5 or the foot lies off it.
TMTOOLS_API bool GetPerpendicularPoint(const CTm3DPoint& point, const CTm3DPoint& start, const CTmVect3D& vector,
                                       CTm3DPoint& foot);

// Points where lines from point touch the circle or arc; points is emptied
// first. A point on the circle is its own (single) tangency point; a point
// inside, or a figure off the point's plane (3D), gives false.
TMTOOLS_API bool GetTangencyPoints(const CTm2DPoint& point, const CTm2DPoint& centre, float radius,
                                   std::vector<CTm2DPoint>& points);
TMTOOLS_API bool GetTangencyPoints(const CTm2DPoint& point, const CTm2DPoint& centre, float radius,
                                   float startAngle, float endAngle, std::vector<CTm2DPoint>& points);
TMTOOLS_API bool GetTangencyPoints(const CTm3DPoint& point, const CTm3DPoint& centre, float radius,
                                   const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                                   std::vector<CTm3DPoint>& points);
TMTOOLS_API bool GetTangencyPoints(const CTm3DPoint& point, const CTm3DPoint& centre, float radius,
                                   float startAngle, float endAngle, const CTm3DPoint& axis1,
                                   const CTm3DPoint& axis2, std::vector<CTm3DPoint>& points);

// Closest points between the infinite line through linePoint1, linePoint2
// and an arc: onLine, onArc and their distance. False for a line of two
// coinciding points, a negative radius or a degenerate axis.
TMTOOLS_API bool GetLineArcClosestPoint_Ext(const CTm3DPoint& linePoint1, const CTm3DPoint& linePoint2,
                                            const CTm3DPoint& centre, float radius, float startAngle,
                                            float endAngle, const CTm3DPoint& axis1, const CTm3DPoint& axis2,
                                            CTm3DPoint& onLine, CTm3DPoint& onArc, float& distance);

// The 4 x 4 homogeneous matrix taking local coordinates to global ones
// (global = matrix x (x, y, z, 1)): origin at point 1, local z towards
// point 2, local x perpendicular to it (the global x axis for a local z
// along global z; else chosen by the arbitrary-axis rule: the global y axis,
// or the global z axis, crossed with local z), then turned by angle degrees
// about local z. False (matrix unchanged) when the points are within 1e-5.
TMTOOLS_API bool LocalToGlobMatrix(double x1, double y1, double z1, double x2, double y2, double z2, double angle,
                                   CTm2DMatrix& matrix);
TMTOOLS_API bool LocalToGlobMatrix(const CTm3DPoint& point1, const CTm3DPoint& point2, double angle,
                                   CTm2DMatrix& matrix);

// Picking modes of MousePointOnLine.
enum EMousePickMode {
    kPickSegment = 0,    // between the two ends
    kPickToEnd = 1,      // the line up to the end point
    kPickFromStart = 2,  // the line from the start point on
    kPickLine = 3,       // the infinite line (so does any other value)
};

// True when the view line through pickPoint along viewDirection passes the
// segment start-end closer than tolerance (+1e-5), within the part the
// mode names.
TMTOOLS_API bool MousePointOnLine(float tolerance, const CTm3DPoint& pickPoint, const CTmVect3D& viewDirection,
                                  const CTm3DPoint& start, const CTm3DPoint& end, int mode);
// The same for an arc: mode kPickSegment takes the arc, any other mode its
// full circle.
TMTOOLS_API bool MousePointOnArc(float tolerance, const CTm3DPoint& pickPoint, const CTmVect3D& viewDirection,
                                 const CTm3DPoint& centre, float radius, float startAngle, float endAngle,
                                 const CTm3DPoint& axis1, const CTm3DPoint& axis2, int mode);

}  // namespace Math
}  // namespace TMTOOLS
