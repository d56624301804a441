// CTmLocalFrame: the arbitrary-axis rule and the coordinate changes.
#include "tools/TmLocalFrame.h"

#include <cmath>

namespace TMTOOLS {
namespace Math {

double CTmVec3d::Length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

bool CTmLocalFrame::Make(const CTmVec3d& origin, const CTmVec3d& axis, double angle)
{
    double len = axis.Length();
    if (len < 1e-5)
        return false;
    CTmVec3d z = axis * (1.0 / len);
    // Arbitrary-axis rule: an axis close to global z takes its x from global
    // y, any other from global z, so that x never degenerates.
    const double kNearZ = 1.0 / 64.0;
    CTmVec3d reference = (std::fabs(z.x) < kNearZ && std::fabs(z.y) < kNearZ) ? CTmVec3d(0, 1, 0)
                                                                               : CTmVec3d(0, 0, 1);
    CTmVec3d x = reference.Cross(z);
    x = x * (1.0 / x.Length());
    CTmVec3d y = z.Cross(x);
    const double kPi = 3.14159265358979323846;
    double c = std::cos(angle * kPi / 180.0);
    double s = std::sin(angle * kPi / 180.0);
    m_origin = origin;
    m_x = x * c + y * s;
    m_y = y * c - x * s;
    m_z = z;
    return true;
}

CTmVec3d CTmLocalFrame::ToLocal(const CTmVec3d& global) const
{
    CTmVec3d d = global - m_origin;
    return CTmVec3d(d.Dot(m_x), d.Dot(m_y), d.Dot(m_z));
}

CTmVec3d CTmLocalFrame::ToGlobal(const CTmVec3d& local) const
{
    return m_origin + m_x * local.x + m_y * local.y + m_z * local.z;
}

}  // namespace Math
}  // namespace TMTOOLS
