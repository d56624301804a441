// The packed colour value of the tools library: 0x00BBGGRR, red in the low
// byte, as the colour functions and the picture functions take it.
#pragma once

#include <cstdint>

typedef std::uint32_t COLORREF;

namespace TMTOOLS {

inline constexpr COLORREF TmRGB(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
inline constexpr unsigned TmGetRValue(COLORREF c) { return c & 0xFFu; }
inline constexpr unsigned TmGetGValue(COLORREF c) { return (c >> 8) & 0xFFu; }
inline constexpr unsigned TmGetBValue(COLORREF c) { return (c >> 16) & 0xFFu; }

}  // namespace TMTOOLS
