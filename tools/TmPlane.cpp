// CTmPlane and the three coordinate planes.
#include "tools/TmPlane.h"

using TMTOOLS::Math::CTm3DPoint;
using TMTOOLS::Math::CTmVect3D;

const CTmPlane CTmPlane::kXYPlane(CTm3DPoint(0, 0, 0), CTmVect3D(0, 0, 1));
const CTmPlane CTmPlane::kYZPlane(CTm3DPoint(0, 0, 0), CTmVect3D(1, 0, 0));
const CTmPlane CTmPlane::kZXPlane(CTm3DPoint(0, 0, 0), CTmVect3D(0, 1, 0));

CTmPlane::CTmPlane() {}

CTmPlane::CTmPlane(const CTm3DPoint& point, const CTmVect3D& normal) : m_point(point), m_normal(normal) {}

CTmPlane::CTmPlane(const CTmPlane& other) = default;
CTmPlane& CTmPlane::operator=(const CTmPlane& other) = default;

void CTmPlane::Set(const CTm3DPoint& point, const CTmVect3D& normal)
{
    m_point = point;
    m_normal = normal;
}
