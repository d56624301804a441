#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/tools/TestImages.h"
#include "tools/TmPicture.h"
#include "tools/TmWindow.h"

using namespace TMTOOLS::OS;

namespace {

const std::uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu;
const std::uint32_t kOrange = 0xFFFF8000u, kGrey = 0xFF808080u;

void AddResource(CTmResourceModule& module, unsigned id, const wchar_t* type, const std::string& bytes)
{
    module.AddResource(id, type, bytes.data(), bytes.size());
}

// Each channel within tolerance (JPEG rounds).
void ExpectNearColour(std::uint32_t actual, std::uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8) {
        int a = int((actual >> shift) & 0xFF), e = int((expected >> shift) & 0xFF);
        EXPECT_LE(std::abs(a - e), tolerance) << std::hex << "pixel " << actual << ", expected " << expected;
    }
}

// A 2 x 2 source: orange (the transparent colour) and red on top, green
// and orange below.
CTmBitmap MakeSource()
{
    CTmBitmap source;
    source.Create(2, 2);
    source.SetPixel(0, 0, kOrange);
    source.SetPixel(1, 0, kRed);
    source.SetPixel(0, 1, kGreen);
    source.SetPixel(1, 1, kOrange & 0x80FFFFFFu);  // alpha plays no part in the match
    return source;
}

// The destination as rows of letters: '.' background, R G B colours.
void ExpectPixels(const CTmBitmap& bitmap, const std::vector<std::string>& rows)
{
    ASSERT_EQ(bitmap.Height(), int(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y) {
        ASSERT_EQ(bitmap.Width(), int(rows[y].size()));
        for (int x = 0; x < bitmap.Width(); ++x) {
            char c = rows[y][x];
            std::uint32_t expected = c == 'R' ? kRed : c == 'G' ? kGreen : c == 'B' ? kBlue : kGrey;
            EXPECT_EQ(bitmap.Pixel(x, y), expected) << "pixel (" << x << ", " << y << ")";
        }
    }
}

}  // namespace

TEST(TmPicture, LoadGIFDecodesTheRegisteredPicture)
{
    CTmResourceModule module;
    AddResource(module, 101, L"GIF",
                tmtest::MakeGif(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {0, 1, 2, 3, 2, 1}));
    std::unique_ptr<CTmBitmap> picture = LoadGIFFromID(101, &module);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->Width(), 3);
    ASSERT_EQ(picture->Height(), 2);
    EXPECT_EQ(picture->Pixel(0, 0), kRed);
    EXPECT_EQ(picture->Pixel(1, 0), kGreen);
    EXPECT_EQ(picture->Pixel(2, 0), kBlue);
    EXPECT_EQ(picture->Pixel(0, 1), 0xFFFFFFFFu);
    EXPECT_EQ(picture->Pixel(1, 1), kBlue);
    EXPECT_EQ(picture->Pixel(2, 1), kGreen);
    EXPECT_EQ(CTmBitmap::ToColorRef(picture->Pixel(0, 0)), TMTOOLS::TmRGB(255, 0, 0));
}

TEST(TmPicture, LoadJPGDecodesTheRegisteredPicture)
{
    CTmResourceModule module;
    AddResource(module, 7, L"jpg", tmtest::MakeJpeg({0xFF0000, 0x0000FF, 0x808080}));
    std::unique_ptr<CTmBitmap> picture = LoadJPGFromID(7, &module);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->Width(), 24);
    ASSERT_EQ(picture->Height(), 8);
    ExpectNearColour(picture->Pixel(3, 4), kRed, 6);
    ExpectNearColour(picture->Pixel(12, 1), kBlue, 6);
    ExpectNearColour(picture->Pixel(20, 7), kGrey, 6);
}

TEST(TmPicture, MissingOrUnreadableResourceGivesNoPicture)
{
    CTmResourceModule module;
    std::string gif = tmtest::MakeGif(1, 1, {0xFF0000, 0, 0, 0}, {0});
    AddResource(module, 1, L"GIF", gif);
    AddResource(module, 2, L"GIF", "GIF89a but not a picture");
    AddResource(module, 3, L"GIF", "");
    EXPECT_FALSE(LoadGIFFromID(9, &module));      // no such identifier
    EXPECT_FALSE(LoadJPGFromID(1, &module));      // no such type under it
    EXPECT_FALSE(LoadGIFFromID(2, &module));      // not decodable
    EXPECT_FALSE(LoadGIFFromID(3, &module));      // empty
    EXPECT_FALSE(LoadGIFFromID(1, nullptr));      // no module
    EXPECT_TRUE(LoadGIFFromID(1, &module));

    EXPECT_TRUE(module.RemoveResource(1, L"gif"));
    EXPECT_FALSE(LoadGIFFromID(1, &module));
    EXPECT_FALSE(module.RemoveResource(1, L"GIF"));
}

TEST(TmPicture, TransparentBltStretchesAndLeavesTransparentPixels)
{
    CTmBitmap destination;
    ASSERT_TRUE(destination.Create(6, 6, kGrey));
    ASSERT_TRUE(TransparentBltU(destination, 1, 1, 4, 4, MakeSource(), 0, 0, 2, 2, TMTOOLS::TmRGB(255, 128, 0)));
    ExpectPixels(destination, {"......",
                               "...RR.",
                               "...RR.",
                               ".GG...",
                               ".GG...",
                               "......"});
}

TEST(TmPicture, TransparentBltClipsToTheDestinationAndTheSource)
{
    CTmBitmap destination;
    ASSERT_TRUE(destination.Create(3, 3, kGrey));
    // Half off the destination's top-left corner.
    ASSERT_TRUE(TransparentBltU(destination, -1, -1, 4, 4, MakeSource(), 0, 0, 2, 2, TMTOOLS::TmRGB(255, 128, 0)));
    ExpectPixels(destination, {".RR", "G..", "G.."});

    // A source rectangle reaching past the source image: nothing to draw
    // there. Its left column is the source's right one (red, orange).
    destination.Fill(kGrey);
    ASSERT_TRUE(TransparentBltU(destination, 0, 0, 3, 3, MakeSource(), 1, 0, 3, 3, TMTOOLS::TmRGB(255, 128, 0)));
    ExpectPixels(destination, {"R..", "...", "..."});
}

TEST(TmPicture, TransparentBltShrinksByNearestNeighbour)
{
    CTmBitmap source;
    ASSERT_TRUE(source.Create(4, 4, kBlue));
    source.SetPixel(1, 1, kRed);
    source.SetPixel(3, 3, kOrange);
    source.SetPixel(0, 0, kGreen);  // never sampled
    CTmBitmap destination;
    ASSERT_TRUE(destination.Create(2, 2, kGrey));
    ASSERT_TRUE(TransparentBltU(destination, 0, 0, 2, 2, source, 0, 0, 4, 4, TMTOOLS::TmRGB(255, 128, 0)));
    ExpectPixels(destination, {"RB", "B."});
}

TEST(TmPicture, TransparentBltRefusesEmptyAndHugeRectangles)
{
    CTmBitmap destination;
    ASSERT_TRUE(destination.Create(2, 2, kGrey));
    const CTmBitmap source = MakeSource();
    const COLORREF key = TMTOOLS::TmRGB(255, 128, 0);
    EXPECT_FALSE(TransparentBltU(destination, 0, 0, 0, 2, source, 0, 0, 2, 2, key));
    EXPECT_FALSE(TransparentBltU(destination, 0, 0, 2, -1, source, 0, 0, 2, 2, key));
    EXPECT_FALSE(TransparentBltU(destination, 0, 0, 2, 2, source, 0, 0, 0, 2, key));
    EXPECT_FALSE(TransparentBltU(destination, 0, 0, 1 << 20, 1 << 20, source, 0, 0, 2, 2, key));
    EXPECT_FALSE(TransparentBltU(destination, 0, 0, 2, 2, source, 0, 0, 1 << 20, 1 << 20, key));
    CTmBitmap none;
    EXPECT_FALSE(TransparentBltU(none, 0, 0, 2, 2, source, 0, 0, 2, 2, key));
    EXPECT_FALSE(TransparentBltU(destination, 0, 0, 2, 2, none, 0, 0, 2, 2, key));
    ExpectPixels(destination, {"..", ".."});
    // Far-off coordinates draw nothing and overflow nothing.
    EXPECT_TRUE(TransparentBltU(destination, 2147483600, 2147483600, 40, 40, source, 2147483640, -2147483647, 2, 2,
                                key));
    ExpectPixels(destination, {"..", ".."});
}

TEST(TmBitmap, PixelsOutsideAreZeroAndWritesThereIgnored)
{
    CTmBitmap bitmap;
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_FALSE(bitmap.Create(0, 5));
    EXPECT_FALSE(bitmap.Create(1 << 14, 1 << 14));  // over the pixel limit
    ASSERT_TRUE(bitmap.Create(2, 1, kRed));
    bitmap.SetPixel(2, 0, kBlue);
    bitmap.SetPixel(-1, 0, kBlue);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0u);
    EXPECT_EQ(bitmap.Pixel(0, -1), 0u);
    EXPECT_EQ(bitmap.Row(1), nullptr);
    CTmBitmap copy(bitmap);
    bitmap.SetPixel(0, 0, kBlue);
    EXPECT_EQ(copy.Pixel(0, 0), kRed);
    EXPECT_EQ(CTmBitmap::FromColorRef(TMTOOLS::TmRGB(1, 2, 3)), 0xFF010203u);
}

namespace {

class CFakeWindow : public CTmWindow {
public:
    CFakeWindow(bool onScreen, bool* deleted, int* destroyed)
        : m_onScreen(onScreen), m_deleted(deleted), m_destroyed(destroyed)
    {
    }
    ~CFakeWindow() override { *m_deleted = true; }
    bool IsWindow() const override { return m_onScreen; }
    void DestroyWindow() override
    {
        ++*m_destroyed;
        m_onScreen = false;
    }

private:
    bool m_onScreen;
    bool* m_deleted;
    int* m_destroyed;
};

}  // namespace

TEST(TmWindow, DestroysAndDeletesOnlyAWindowOnScreen)
{
    bool deleted = false;
    int destroyed = 0;
    CTmWindow* window = new CFakeWindow(true, &deleted, &destroyed);
    DestoryAndDeleteWindows(window);
    EXPECT_EQ(window, nullptr);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(destroyed, 1);

    CTmWindow* none = nullptr;
    DestoryAndDeleteWindows(none);
    EXPECT_EQ(none, nullptr);

    deleted = false;
    CTmWindow* hidden = new CFakeWindow(false, &deleted, &destroyed);
    DestoryAndDeleteWindows(hidden);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(deleted);
    EXPECT_EQ(destroyed, 1);
    delete hidden;
}
