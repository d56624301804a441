// A 32-bit image of the tools library: what the picture loaders return and
// the drawing surface the picture functions draw on (the library's bitmap
// and device context alike).
//
// Pixels are 0xAARRGGBB, rows top to bottom. Pixel reads outside the image
// give 0 and writes there are ignored.
#pragma once

#include <cstdint>
#include <memory>

#include "TmColorRef.h"
#include "TmToolsApi.h"

class TMTOOLS_API CTmBitmap {
public:
    // Images larger than this many pixels are not made.
    static const std::int64_t kMaxPixels = std::int64_t(1) << 26;

    // An empty (null) image.
    CTmBitmap();
    CTmBitmap(const CTmBitmap& other);
    CTmBitmap& operator=(const CTmBitmap& other);
    ~CTmBitmap();

    // Makes a width x height image filled with argb; false (and null) for a
    // size below 1 x 1, above kMaxPixels or without memory.
    bool Create(int width, int height, std::uint32_t argb = 0xFF000000u);
    void Release();

    bool IsNull() const { return !m_pixels; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t argb);
    void Fill(std::uint32_t argb);
    // Row y (width pixels), or null outside the image.
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;

    // Opaque 0xFFRRGGBB of a COLORREF, and back.
    static std::uint32_t FromColorRef(COLORREF rgb);
    static COLORREF ToColorRef(std::uint32_t argb);

private:
    int m_width;
    int m_height;
    std::unique_ptr<std::uint32_t[]> m_pixels;
};
