#include <gtest/gtest.h>

#include "tools/OSnapManager.h"
#include "tools/TmPlane.h"

TEST(OSnapManager, NineKindsStartOnAndOthersAreOffAndIgnored)
{
    COSnapManager snap;
    for (int kind = 0; kind < 9; ++kind)
        EXPECT_TRUE(snap.GetState(EOSnapType(kind))) << kind;
    EXPECT_FALSE(snap.GetState(EOSnapType(9)));
    EXPECT_FALSE(snap.GetState(EOSnapType(-1)));
    snap.SetState(EOSnapType(9), true);
    EXPECT_FALSE(snap.GetState(EOSnapType(9)));

    snap.SetState(kOSnapTangent, false);
    EXPECT_FALSE(snap.GetState(kOSnapTangent));
    EXPECT_TRUE(snap.GetState(kOSnapNearest));
    COSnapManager copy(snap);
    snap.SetState(kOSnapTangent, true);
    EXPECT_FALSE(copy.GetState(kOSnapTangent));
}

TEST(OSnapManager, IsSnappedWithinTheScaledScreenRange)
{
    COSnapManager snap;
    EXPECT_EQ(snap.GetScreenSnapRange(), 15);
    EXPECT_EQ(snap.GetSnapRange(), 0.0f);
    EXPECT_TRUE(snap.IsSnapped(0.0f));
    EXPECT_FALSE(snap.IsSnapped(0.001f));

    snap.CalcSnapRange(0.1f);
    EXPECT_FLOAT_EQ(snap.GetSnapRange(), 1.5f);
    EXPECT_TRUE(snap.IsSnapped(1.5f));
    EXPECT_TRUE(snap.IsSnapped(-1.5f));
    EXPECT_FALSE(snap.IsSnapped(1.501f));

    snap.SetScreenSnapRange(4);
    EXPECT_FLOAT_EQ(snap.GetSnapRange(), 1.5f);  // until recalculated
    snap.CalcSnapRange(2.0f);
    EXPECT_TRUE(snap.IsSnapped(8.0f));
    EXPECT_FALSE(snap.IsSnapped(8.01f));
}

TEST(TmPlane, CoordinatePlanesAndAnUnnormalisedNormal)
{
    EXPECT_EQ(CTmPlane::kXYPlane.GetNormal(), TMTOOLS::Math::CTmVect3D(0, 0, 1));
    EXPECT_EQ(CTmPlane::kYZPlane.GetNormal(), TMTOOLS::Math::CTmVect3D(1, 0, 0));
    EXPECT_EQ(CTmPlane::kZXPlane.GetNormal(), TMTOOLS::Math::CTmVect3D(0, 1, 0));
    EXPECT_EQ(CTmPlane::kZXPlane.GetPoint(), TMTOOLS::Math::CTm3DPoint(0, 0, 0));

    CTmPlane plane;
    EXPECT_EQ(plane.GetNormal(), TMTOOLS::Math::CTmVect3D(0, 0, 0));
    plane.Set(TMTOOLS::Math::CTm3DPoint(1, 2, 3), TMTOOLS::Math::CTmVect3D(0, 0, 5));
    CTmPlane copy = plane;
    EXPECT_EQ(copy.GetPoint(), TMTOOLS::Math::CTm3DPoint(1, 2, 3));
    EXPECT_EQ(copy.GetNormal(), TMTOOLS::Math::CTmVect3D(0, 0, 5));
}
