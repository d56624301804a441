// SystemErrorSuffix: strerror's text, made wide.
#include "app/SystemError.h"

#include <cstring>

#include "tools/TmString.h"

std::wstring SystemErrorSuffix(int error)
{
    if (error == 0)
        return std::wstring();
    // strerror's text is in the C locale's language unless the program set
    // another, and ASCII then; decoded as UTF-8 all the same.
    std::wstring text;
    TMTOOLS::String::EncodeUnicode(0, strerror(error), text);
    return L"：" + text;
}
