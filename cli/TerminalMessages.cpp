// CTerminalMessages: "caption: text" lines on stderr.
#include "cli/TerminalMessages.h"

#include <cstdio>

#include "tools/TmMessage.h"
#include "tools/TmString.h"

namespace {

void Present(const wchar_t* text, const wchar_t* caption, void*)
{
    std::string line = CTerminalMessages::Format(text, caption);
    line += '\n';
    fwrite(line.data(), 1, line.size(), stderr);
    fflush(stderr);
}

}  // namespace

void CTerminalMessages::Install()
{
    TMTOOLS::OS::SetMessagePresenter(&Present, nullptr);
}

std::string CTerminalMessages::Format(const wchar_t* text, const wchar_t* caption)
{
    std::wstring line = caption ? caption : L"";
    line += L": ";
    std::wstring body = text ? text : L"";
    body = TMTOOLS::String::ReplaceAll(body, L"\r\n", L"\\n");
    body = TMTOOLS::String::ReplaceAll(body, L"\n", L"\\n");
    body = TMTOOLS::String::ReplaceAll(body, L"\r", L"\\n");
    line += body;
    std::string utf8;
    TMTOOLS::String::DecodeUnicode(0, line, utf8);
    return utf8;
}
