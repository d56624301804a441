// ListedLines: the first lines of a list and a count of the rest.
#include "app/ListedLines.h"

#include "tools/TmString.h"

std::wstring ListedLines(const std::vector<std::wstring>& lines)
{
    std::wstring text;
    for (size_t i = 0; i < lines.size() && i < TM_LISTED_LINES; ++i)
        text += L"\n" + lines[i];
    if (lines.size() > TM_LISTED_LINES)
        text += TMTOOLS::String::stringFormat(L"\n……另有 %d 处未列出", (int)(lines.size() - TM_LISTED_LINES));
    return text;
}
