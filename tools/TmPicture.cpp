// Picture loading (decoded by tools/PictureDecoder.cpp) and transparent
// drawing.
#include "tools/TmPicture.h"

#include <climits>
#include <cstring>

#include "tools/PictureDecoder.h"

namespace TMTOOLS {
namespace OS {

namespace {

const std::uint32_t kMaskWhite = 0xFFFFFFFFu;
const std::uint32_t kMaskBlack = 0x00000000u;

std::unique_ptr<CTmBitmap> LoadPictureResource(unsigned int id, const CTmResourceModule* module,
                                               const wchar_t* type)
{
    if (!module)
        return nullptr;
    const std::vector<unsigned char>* bytes = module->FindResource(id, type);
    if (!bytes || bytes->empty() || bytes->size() > std::size_t(INT_MAX))
        return nullptr;
    return Picture::Decode(bytes->data(), bytes->size());
}

// Index of the source pixel that the destination pixel i of count samples
// when from pixels are stretched to count (COLORONCOLOR: nearest neighbour,
// the source pixel under the destination pixel's centre).
int NearestSource(int i, int count, int from)
{
    return int(((2 * std::int64_t(i) + 1) * from) / (2 * std::int64_t(count)));
}

}  // namespace

std::unique_ptr<CTmBitmap> LoadGIFFromID(unsigned int id, const CTmResourceModule* module)
{
    return LoadPictureResource(id, module, L"GIF");
}

std::unique_ptr<CTmBitmap> LoadJPGFromID(unsigned int id, const CTmResourceModule* module)
{
    return LoadPictureResource(id, module, L"JPG");
}

bool TransparentBltU(CTmBitmap& destination, int x, int y, int width, int height, const CTmBitmap& source,
                     int xSrc, int ySrc, int widthSrc, int heightSrc, COLORREF transparent)
{
    if (width < 1 || height < 1 || widthSrc < 1 || heightSrc < 1)
        return false;
    if (destination.IsNull() || source.IsNull())
        return false;

    // 1. A copy of the source rectangle, and its mask: white where the copy
    // has the transparent colour, black elsewhere. What lies outside the
    // source image has nothing to draw and counts as transparent.
    CTmBitmap copy, mask;
    if (!copy.Create(widthSrc, heightSrc) || !mask.Create(widthSrc, heightSrc, kMaskBlack))
        return false;
    const std::uint32_t key = CTmBitmap::FromColorRef(transparent) & 0x00FFFFFFu;
    for (int j = 0; j < heightSrc; ++j) {
        for (int i = 0; i < widthSrc; ++i) {
            std::int64_t sx = std::int64_t(xSrc) + i, sy = std::int64_t(ySrc) + j;
            bool inside = sx >= 0 && sy >= 0 && sx < source.Width() && sy < source.Height();
            std::uint32_t pixel = inside ? source.Pixel(int(sx), int(sy)) : 0;
            copy.SetPixel(i, j, pixel);
            if (!inside || (pixel & 0x00FFFFFFu) == key)
                mask.SetPixel(i, j, kMaskWhite);
        }
    }
    // 2. Black out the transparent pixels of the copy (AND with the
    // inverted mask), so that OR-ing it later leaves them unpainted.
    for (int j = 0; j < heightSrc; ++j)
        for (int i = 0; i < widthSrc; ++i)
            copy.SetPixel(i, j, copy.Pixel(i, j) & ~mask.Pixel(i, j));

    // 3. Stretch both to the destination size, the same pixels sampled in
    // each, so that mask and copy stay in register.
    CTmBitmap stretchedMask, stretchedCopy;
    if (!stretchedMask.Create(width, height) || !stretchedCopy.Create(width, height))
        return false;
    for (int j = 0; j < height; ++j) {
        int sj = NearestSource(j, height, heightSrc);
        for (int i = 0; i < width; ++i) {
            int si = NearestSource(i, width, widthSrc);
            stretchedMask.SetPixel(i, j, mask.Pixel(si, sj));
            stretchedCopy.SetPixel(i, j, copy.Pixel(si, sj));
        }
    }

    // 4. AND the mask into the destination (clearing what will be painted),
    // then OR the copy in. Pixels off the destination are clipped.
    for (int j = 0; j < height; ++j) {
        std::int64_t dy = std::int64_t(y) + j;
        if (dy < 0 || dy >= destination.Height())
            continue;
        for (int i = 0; i < width; ++i) {
            std::int64_t dx = std::int64_t(x) + i;
            if (dx < 0 || dx >= destination.Width())
                continue;
            std::uint32_t pixel = destination.Pixel(int(dx), int(dy));
            pixel &= stretchedMask.Pixel(i, j);
            pixel |= stretchedCopy.Pixel(i, j);
            destination.SetPixel(int(dx), int(dy), pixel);
        }
    }
    return true;
}

}  // namespace OS
}  // namespace TMTOOLS
