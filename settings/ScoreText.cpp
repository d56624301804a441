// Reading and showing score texts.
#include "settings/ScoreText.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "tools/TmString.h"

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// The decimal number at the start of text, as ASCII; empty when none.
std::string DecimalPrefix(const std::wstring& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r')))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        number += (char)text[i++];
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits)
        number += (char)text[i];
    if (i < text.size() && text[i] == L'.') {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits)
            number += (char)text[i];
    }
    if (digits == 0)
        return std::string();
    // An exponent counts only when digits follow it: "2e" is 2.
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-'))
            exponent += (char)text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j)
                exponent += (char)text[j];
            number += exponent;
        }
    }
    return number;
}

// The double rounded to the nearest float; from this magnitude on (half
// an ulp above FLT_MAX) the nearest is an infinity, as IEEE conversion
// gives, spelt out because C++ leaves such a conversion undefined.
float ToFloat(double value)
{
    static const double kOverflow = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (std::fabs(value) >= kOverflow)
        return std::signbit(value) ? -HUGE_VALF : HUGE_VALF;
    return (float)value;
}

}  // namespace

float ScoreFromText(const std::wstring& text)
{
    const std::string number = DecimalPrefix(text);
    if (number.empty())
        return 0.0f;
    // The decimal point is "." whatever locale the window has set.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", (locale_t)0);
    return ToFloat(strtod_l(number.c_str(), nullptr, cLocale));
}

std::wstring ScoreShownText(float score)
{
    return TMTOOLS::String::stringFormat(L"%.7g", (double)score);
}
