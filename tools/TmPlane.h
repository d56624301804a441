// A plane given by a point on it and a normal vector, kept as given (the
// normal is not normalised), and the three coordinate planes.
#pragma once

#include "TmPoint.h"
#include "TmToolsApi.h"

class TMTOOLS_API CTmPlane {
public:
    // Zero point, zero normal.
    CTmPlane();
    CTmPlane(const TMTOOLS::Math::CTm3DPoint& point, const TMTOOLS::Math::CTmVect3D& normal);
    CTmPlane(const CTmPlane& other);
    CTmPlane& operator=(const CTmPlane& other);

    void Set(const TMTOOLS::Math::CTm3DPoint& point, const TMTOOLS::Math::CTmVect3D& normal);
    const TMTOOLS::Math::CTm3DPoint& GetPoint() const { return m_point; }
    const TMTOOLS::Math::CTmVect3D& GetNormal() const { return m_normal; }

    // Through the origin, normals +z, +x and +y.
    static const CTmPlane kXYPlane;
    static const CTmPlane kYZPlane;
    static const CTmPlane kZXPlane;

private:
    TMTOOLS::Math::CTm3DPoint m_point;
    TMTOOLS::Math::CTmVect3D m_normal;
};
