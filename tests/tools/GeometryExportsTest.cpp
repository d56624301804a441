// The geometry kit and the picture functions are exported by name from
// libtmtools.so: read its dynamic symbol table with nm.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/TestFiles.h"
#include "tools/TmMath.h"

namespace {

// The libtmtools.so this test program has loaded.
std::string LoadedToolsLibrary()
{
#ifdef TMTOOLS_LIBRARY_FILE
    return TMTOOLS_LIBRARY_FILE;
#else
    std::ifstream maps("/proc/self/maps");
    std::string line;
    const std::string name = "/libtmtools.so";
    while (std::getline(maps, line)) {
        size_t slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        std::string path = line.substr(slash);
        if (path.size() >= name.size() && path.compare(path.size() - name.size(), name.size(), name) == 0)
            return path;
    }
    return std::string();
#endif
}

}  // namespace

TEST(GeometryExports, NamesAreInTheDynamicSymbolTable)
{
    // Keeps the library loaded through a call into the geometry kit.
    ASSERT_EQ(TMTOOLS::Math::__sign(1.0), 1);
    std::string library = LoadedToolsLibrary();
    ASSERT_FALSE(library.empty());
    int status = -1;
    std::string symbols = tmtest::RunOutput("nm -D --defined-only '" + library + "' | c++filt", &status);
    ASSERT_EQ(status, 0);

    const char* exported[] = {
        "CTm2DMatrix::Inverse()",
        "CTm2DMatrix::Transport(CTm2DMatrix const&)",
        "CTm2DMatrix::operator*(CTm2DMatrix const&) const",
        "CTm2DMatrix::operator+=(CTm2DMatrix const&)",
        "CTm2DMatrix::Realloc(unsigned int, unsigned int)",
        "CTmColor::SetRGB(unsigned int)",
        "CTmColor::GetRGB() const",
        "CTmColor::Get(std::",
        "CTmColor::Set(std::",
        "CTmColor::Set(unsigned int, float)",
        "CTmPlane::kXYPlane",
        "CTmPlane::kYZPlane",
        "CTmPlane::kZXPlane",
        "COSnapManager::IsSnapped(float) const",
        "COSnapManager::CalcSnapRange(float)",
        "COSnapManager::GetState(EOSnapType) const",
        "TMTOOLS::Math::CBase2DPoint<float>::CBase2DPoint(float, float)",
        "TMTOOLS::Math::CBase3DPoint<float>::CBase3DPoint(float, float, float)",
        "TMTOOLS::Math::CVectBase3D<float>::Cross(",
        "TMTOOLS::Math::__sign(double)",
        "TMTOOLS::Math::RoundDecimal(double, int)",
        "TMTOOLS::Math::Intersection_2DLineLine_Ext(float, float, float, float, float, float, float, float, bool&",
        "TMTOOLS::Math::Intersection_2DLineLine_Ext(float, float, float, float, float, float, float, float, float&",
        "TMTOOLS::Math::Intersection_2DLineLine(",
        "TMTOOLS::Math::Intersection_3DLineLine(",
        "TMTOOLS::Math::Intersection_LinePlane(",
        "TMTOOLS::Math::Intersection_RayPlane(",
        "TMTOOLS::Math::Intersection_2DLineCircle(",
        "TMTOOLS::Math::Intersection_2DLineCircle_Ext(",
        "TMTOOLS::Math::Intersection_2DLineArc(",
        "TMTOOLS::Math::Intersection_3DLineCircle(",
        "TMTOOLS::Math::Intersection_3DLineArc(",
        "TMTOOLS::Math::Intersection_2DCircleCircle(",
        "TMTOOLS::Math::Intersection_2DArcArc(",
        "TMTOOLS::Math::Intersection_3DCircleCircleInPlane(",
        "TMTOOLS::Math::Intersection_3DArcArcInPlane(",
        "TMTOOLS::Math::GetPerpendicularPoint(",
        "TMTOOLS::Math::GetTangencyPoints(TMTOOLS::Math::CBase2DPoint<float> const&, "
        "TMTOOLS::Math::CBase2DPoint<float> const&, float, std::",
        "TMTOOLS::Math::GetTangencyPoints(TMTOOLS::Math::CBase2DPoint<float> const&, "
        "TMTOOLS::Math::CBase2DPoint<float> const&, float, float, float, std::",
        "TMTOOLS::Math::GetTangencyPoints(TMTOOLS::Math::CBase3DPoint<float> const&, "
        "TMTOOLS::Math::CBase3DPoint<float> const&, float, TMTOOLS::",
        "TMTOOLS::Math::GetTangencyPoints(TMTOOLS::Math::CBase3DPoint<float> const&, "
        "TMTOOLS::Math::CBase3DPoint<float> const&, float, float, float, TMTOOLS::",
        "TMTOOLS::Math::GetLineArcClosestPoint_Ext(",
        "TMTOOLS::Math::LocalToGlobMatrix(double, double, double, double, double, double, double, CTm2DMatrix&)",
        "TMTOOLS::Math::LocalToGlobMatrix(TMTOOLS::Math::CBase3DPoint<float> const&",
        "TMTOOLS::Math::MousePointOnLine(",
        "TMTOOLS::Math::MousePointOnArc(",
        "TMTOOLS::OS::LoadGIFFromID(unsigned int, CTmResourceModule const*)",
        "TMTOOLS::OS::LoadJPGFromID(unsigned int, CTmResourceModule const*)",
        "TMTOOLS::OS::TransparentBltU(CTmBitmap&, int, int, int, int, CTmBitmap const&, int, int, int, int, "
        "unsigned int)",
        "TMTOOLS::OS::DestoryAndDeleteWindows(CTmWindow*&)",
        "CTmBitmap::Create(int, int, unsigned int)",
        "CTmResourceModule::AddResource(",
        "typeinfo for CTmWindow",
    };
    for (const char* name : exported)
        EXPECT_NE(symbols.find(name), std::string::npos) << "not exported: " << name;

    // Helpers stay inside, and so does the picture decoder.
    for (const char* name : {"CTmLocalFrame", "PolarAngle", "IsAngleInArc", "ArcSweep", "QImage"})
        EXPECT_EQ(symbols.find(name), std::string::npos) << "exported: " << name;
}
