// An RGBA colour with float components in 0..1, as the drawing code keeps
// it, with conversions to and from the packed COLORREF and a text form.
#pragma once

#include <string>

#include "TmColorRef.h"
#include "TmToolsApi.h"

class TMTOOLS_API CTmColor {
public:
    // Opaque white.
    CTmColor();
    CTmColor(float red, float green, float blue, float alpha);
    CTmColor(const CTmColor& other);
    CTmColor& operator=(const CTmColor& other);

    float Red() const { return m_red; }
    float Green() const { return m_green; }
    float Blue() const { return m_blue; }
    float Alpha() const { return m_alpha; }
    float GetAlpha() const { return m_alpha; }

    void Set(float red, float green, float blue, float alpha);
    void Set(COLORREF rgb, float alpha);
    // Red, green, blue, alpha.
    void Set(const float rgba[4]);
    void SetAlpha(float alpha);
    // Red, green and blue from rgb; alpha stays.
    void SetRGB(COLORREF rgb);
    // Each component times 255, truncated, modulo 256.
    COLORREF GetRGB() const;

    // "%.7f,%.7f,%.7f,%.7f" of red, green, blue, alpha.
    void Get(std::wstring& text) const;
    // Reads the form Get writes; false (colour unchanged) unless the text
    // holds exactly four comma-separated numbers.
    bool Set(const std::wstring& text);

private:
    float m_red;
    float m_green;
    float m_blue;
    float m_alpha;
};
