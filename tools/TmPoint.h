// Point and vector templates of the geometry kit: a 2D point, a 3D point and
// a 3D vector, used with float coordinates throughout the kit.
//
// A point minus a point is a vector; a point plus a vector is a point. The
// float instantiations are compiled into the library and exported.
#pragma once

#include <cmath>

#include "TmToolsApi.h"

namespace TMTOOLS {
namespace Math {

template <class T>
class TMTOOLS_API CBase2DPoint {
public:
    T x;
    T y;

    CBase2DPoint() : x(0), y(0) {}
    CBase2DPoint(T ax, T ay) : x(ax), y(ay) {}

    void Set(T ax, T ay)
    {
        x = ax;
        y = ay;
    }
    CBase2DPoint operator+(const CBase2DPoint& p) const { return CBase2DPoint(x + p.x, y + p.y); }
    CBase2DPoint operator-(const CBase2DPoint& p) const { return CBase2DPoint(x - p.x, y - p.y); }
    CBase2DPoint operator*(T f) const { return CBase2DPoint(x * f, y * f); }
    bool operator==(const CBase2DPoint& p) const { return x == p.x && y == p.y; }
    bool operator!=(const CBase2DPoint& p) const { return !(*this == p); }

    T Dot(const CBase2DPoint& p) const { return x * p.x + y * p.y; }
    T Length() const { return std::sqrt(x * x + y * y); }
    T DistanceTo(const CBase2DPoint& p) const { return (*this - p).Length(); }
    // Both coordinates within tolerance of p's.
    bool IsEqual(const CBase2DPoint& p, T tolerance) const
    {
        return std::fabs(x - p.x) <= tolerance && std::fabs(y - p.y) <= tolerance;
    }
};

template <class T>
class TMTOOLS_API CVectBase3D {
public:
    T x;
    T y;
    T z;

    CVectBase3D() : x(0), y(0), z(0) {}
    CVectBase3D(T ax, T ay, T az) : x(ax), y(ay), z(az) {}

    void Set(T ax, T ay, T az)
    {
        x = ax;
        y = ay;
        z = az;
    }
    CVectBase3D operator+(const CVectBase3D& v) const { return CVectBase3D(x + v.x, y + v.y, z + v.z); }
    CVectBase3D operator-(const CVectBase3D& v) const { return CVectBase3D(x - v.x, y - v.y, z - v.z); }
    CVectBase3D operator-() const { return CVectBase3D(-x, -y, -z); }
    CVectBase3D operator*(T f) const { return CVectBase3D(x * f, y * f, z * f); }
    bool operator==(const CVectBase3D& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const CVectBase3D& v) const { return !(*this == v); }

    T Dot(const CVectBase3D& v) const { return x * v.x + y * v.y + z * v.z; }
    CVectBase3D Cross(const CVectBase3D& v) const
    {
        return CVectBase3D(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
    }
    T Length() const { return std::sqrt(x * x + y * y + z * z); }
    // Scales the vector to length 1; false (and unchanged) when it is
    // shorter than 1e-5, as it has no direction then.
    bool Normalize()
    {
        T len = Length();
        if (len < T(1e-5))
            return false;
        x /= len;
        y /= len;
        z /= len;
        return true;
    }
};

template <class T>
class TMTOOLS_API CBase3DPoint {
public:
    T x;
    T y;
    T z;

    CBase3DPoint() : x(0), y(0), z(0) {}
    CBase3DPoint(T ax, T ay, T az) : x(ax), y(ay), z(az) {}

    void Set(T ax, T ay, T az)
    {
        x = ax;
        y = ay;
        z = az;
    }
    CVectBase3D<T> operator-(const CBase3DPoint& p) const { return CVectBase3D<T>(x - p.x, y - p.y, z - p.z); }
    CBase3DPoint operator+(const CVectBase3D<T>& v) const { return CBase3DPoint(x + v.x, y + v.y, z + v.z); }
    CBase3DPoint operator-(const CVectBase3D<T>& v) const { return CBase3DPoint(x - v.x, y - v.y, z - v.z); }
    bool operator==(const CBase3DPoint& p) const { return x == p.x && y == p.y && z == p.z; }
    bool operator!=(const CBase3DPoint& p) const { return !(*this == p); }

    T DistanceTo(const CBase3DPoint& p) const { return (*this - p).Length(); }
    bool IsEqual(const CBase3DPoint& p, T tolerance) const
    {
        return std::fabs(x - p.x) <= tolerance && std::fabs(y - p.y) <= tolerance &&
               std::fabs(z - p.z) <= tolerance;
    }
};

extern template class CBase2DPoint<float>;
extern template class CVectBase3D<float>;
extern template class CBase3DPoint<float>;

typedef CBase2DPoint<float> CTm2DPoint;
typedef CBase3DPoint<float> CTm3DPoint;
typedef CVectBase3D<float> CTmVect3D;

}  // namespace Math
}  // namespace TMTOOLS
