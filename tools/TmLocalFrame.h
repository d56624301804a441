// A right-handed orthonormal frame in space, in double precision: the
// local coordinates in which the geometry kit works on 3D circles and arcs
// and from which LocalToGlobMatrix is built. Internal to the library.
#pragma once

#include "tools/TmPoint.h"

namespace TMTOOLS {
namespace Math {

struct CTmVec3d {
    double x;
    double y;
    double z;

    CTmVec3d() : x(0), y(0), z(0) {}
    CTmVec3d(double ax, double ay, double az) : x(ax), y(ay), z(az) {}
    explicit CTmVec3d(const CTm3DPoint& p) : x(p.x), y(p.y), z(p.z) {}
    explicit CTmVec3d(const CTmVect3D& v) : x(v.x), y(v.y), z(v.z) {}

    CTmVec3d operator+(const CTmVec3d& v) const { return CTmVec3d(x + v.x, y + v.y, z + v.z); }
    CTmVec3d operator-(const CTmVec3d& v) const { return CTmVec3d(x - v.x, y - v.y, z - v.z); }
    CTmVec3d operator*(double f) const { return CTmVec3d(x * f, y * f, z * f); }
    double Dot(const CTmVec3d& v) const { return x * v.x + y * v.y + z * v.z; }
    CTmVec3d Cross(const CTmVec3d& v) const
    {
        return CTmVec3d(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
    }
    double Length() const;
    CTm3DPoint ToPoint() const { return CTm3DPoint(float(x), float(y), float(z)); }
};

class CTmLocalFrame {
public:
    // Origin at origin, local z along axis, local x by the arbitrary-axis
    // rule turned by angle degrees about z. False when axis is shorter
    // than 1e-5.
    bool Make(const CTmVec3d& origin, const CTmVec3d& axis, double angle);

    CTmVec3d ToLocal(const CTmVec3d& global) const;
    CTmVec3d ToGlobal(const CTmVec3d& local) const;

    CTmVec3d m_origin;
    CTmVec3d m_x;
    CTmVec3d m_y;
    CTmVec3d m_z;
};

}  // namespace Math
}  // namespace TMTOOLS
