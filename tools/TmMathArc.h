// Helpers shared by the geometry functions on arcs: the polar angle of a
// point and the test whether an angle lies in an arc. Internal to the
// library.
#pragma once

#include "tools/TmPoint.h"

namespace TMTOOLS {
namespace Math {

const double kGeomTolerance = 1e-5;

// Angle of q seen from centre in degrees, counter-clockwise from +x, in
// [0, 360); 0 when q is the centre. Single precision throughout, so that
// points on the axes give exactly 0, 90, 180 or 270.
float PolarAngle(const CTm2DPoint& centre, const CTm2DPoint& q);

// True when angle lies in the arc from startAngle counter-clockwise to
// endAngle, within 1e-5 degrees. Angles are taken modulo 360, so an arc may
// also be given as -30..30 or end at 360; an end below the start passes
// through 0.
bool IsAngleInArc(double angle, double startAngle, double endAngle);

// Sweep of the arc in degrees, in [0, 360].
double ArcSweep(double startAngle, double endAngle);

}  // namespace Math
}  // namespace TMTOOLS
