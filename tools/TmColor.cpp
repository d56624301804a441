// CTmColor: component access and the COLORREF and text conversions.
#include "tools/TmColor.h"

#include <cmath>
#include <cwchar>

#include "tools/TmString.h"

namespace {

// trunc(component x 255) modulo 256, kept in range for any float (a cast of
// a huge or non-finite value to an integer would be undefined).
unsigned ComponentByte(float component)
{
    double v = std::trunc(double(component) * 255.0);
    if (!std::isfinite(v))
        return 0;
    v = std::fmod(v, 256.0);
    if (v < 0)
        v += 256.0;
    return unsigned(v) & 0xFFu;
}

}  // namespace

CTmColor::CTmColor() : m_red(1.0f), m_green(1.0f), m_blue(1.0f), m_alpha(1.0f) {}

CTmColor::CTmColor(float red, float green, float blue, float alpha)
    : m_red(red), m_green(green), m_blue(blue), m_alpha(alpha)
{
}

CTmColor::CTmColor(const CTmColor& other) = default;
CTmColor& CTmColor::operator=(const CTmColor& other) = default;

void CTmColor::Set(float red, float green, float blue, float alpha)
{
    m_red = red;
    m_green = green;
    m_blue = blue;
    m_alpha = alpha;
}

void CTmColor::Set(COLORREF rgb, float alpha)
{
    SetRGB(rgb);
    m_alpha = alpha;
}

void CTmColor::Set(const float rgba[4])
{
    Set(rgba[0], rgba[1], rgba[2], rgba[3]);
}

void CTmColor::SetAlpha(float alpha)
{
    m_alpha = alpha;
}

void CTmColor::SetRGB(COLORREF rgb)
{
    m_red = float(TMTOOLS::TmGetRValue(rgb)) / 255.0f;
    m_green = float(TMTOOLS::TmGetGValue(rgb)) / 255.0f;
    m_blue = float(TMTOOLS::TmGetBValue(rgb)) / 255.0f;
}

COLORREF CTmColor::GetRGB() const
{
    return TMTOOLS::TmRGB(ComponentByte(m_red), ComponentByte(m_green), ComponentByte(m_blue));
}

void CTmColor::Get(std::wstring& text) const
{
    text = TMTOOLS::String::stringFormat(L"%.7f,%.7f,%.7f,%.7f", double(m_red), double(m_green),
                                         double(m_blue), double(m_alpha));
}

bool CTmColor::Set(const std::wstring& text)
{
    float values[4];
    const wchar_t* p = text.c_str();
    for (int i = 0; i < 4; ++i) {
        wchar_t* end = nullptr;
        double v = std::wcstod(p, &end);
        if (end == p)
            return false;
        values[i] = float(v);
        p = end;
        while (*p == L' ')
            ++p;
        if (i < 3) {
            if (*p != L',')
                return false;
            ++p;
        }
    }
    if (*p != L'\0')
        return false;
    Set(values);
    return true;
}
