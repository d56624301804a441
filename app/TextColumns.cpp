// Display columns of a text (the East Asian wide ranges).
#include "app/TextColumns.h"

int DisplayColumns(const std::wstring& text)
{
    int width = 0;
    for (wchar_t c : text)
        width += (c >= 0x1100 && (c <= 0x115f || (c >= 0x2e80 && c <= 0xa4cf) || (c >= 0xac00 && c <= 0xd7a3) ||
                                  (c >= 0xf900 && c <= 0xfaff) || (c >= 0xfe30 && c <= 0xfe4f) ||
                                  (c >= 0xff00 && c <= 0xff60) || (c >= 0xffe0 && c <= 0xffe6) || c >= 0x20000))
                     ? 2
                     : 1;
    return width;
}
