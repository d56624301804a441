// CTmBitmap: storage and pixel access.
#include "tools/TmBitmap.h"

#include <algorithm>
#include <new>

CTmBitmap::CTmBitmap() : m_width(0), m_height(0) {}

CTmBitmap::CTmBitmap(const CTmBitmap& other) : m_width(0), m_height(0)
{
    *this = other;
}

CTmBitmap& CTmBitmap::operator=(const CTmBitmap& other)
{
    if (this == &other)
        return *this;
    if (other.IsNull()) {
        Release();
        return *this;
    }
    if (!Create(other.m_width, other.m_height))
        return *this;
    std::copy(other.m_pixels.get(), other.m_pixels.get() + std::size_t(m_width) * m_height, m_pixels.get());
    return *this;
}

CTmBitmap::~CTmBitmap() {}

bool CTmBitmap::Create(int width, int height, std::uint32_t argb)
{
    Release();
    if (width < 1 || height < 1 || std::int64_t(width) * height > kMaxPixels)
        return false;
    std::size_t count = std::size_t(width) * height;
    m_pixels.reset(new (std::nothrow) std::uint32_t[count]);
    if (!m_pixels)
        return false;
    m_width = width;
    m_height = height;
    Fill(argb);
    return true;
}

void CTmBitmap::Release()
{
    m_pixels.reset();
    m_width = 0;
    m_height = 0;
}

std::uint32_t CTmBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return m_pixels[std::size_t(y) * m_width + x];
}

void CTmBitmap::SetPixel(int x, int y, std::uint32_t argb)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[std::size_t(y) * m_width + x] = argb;
}

void CTmBitmap::Fill(std::uint32_t argb)
{
    std::fill(m_pixels.get(), m_pixels.get() + std::size_t(m_width) * m_height, argb);
}

std::uint32_t* CTmBitmap::Row(int y)
{
    if (y < 0 || y >= m_height)
        return nullptr;
    return m_pixels.get() + std::size_t(y) * m_width;
}

const std::uint32_t* CTmBitmap::Row(int y) const
{
    if (y < 0 || y >= m_height)
        return nullptr;
    return m_pixels.get() + std::size_t(y) * m_width;
}

std::uint32_t CTmBitmap::FromColorRef(COLORREF rgb)
{
    return 0xFF000000u | (TMTOOLS::TmGetRValue(rgb) << 16) | (TMTOOLS::TmGetGValue(rgb) << 8) |
           TMTOOLS::TmGetBValue(rgb);
}

COLORREF CTmBitmap::ToColorRef(std::uint32_t argb)
{
    return TMTOOLS::TmRGB((argb >> 16) & 0xFFu, (argb >> 8) & 0xFFu, argb & 0xFFu);
}
