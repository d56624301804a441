// CTerminalMessages: "caption: text" on stderr, control characters escaped.
#include "cli/TerminalMessages.h"

#include <unistd.h>

#include <cstdio>

#include "tools/TmMessage.h"
#include "tools/TmString.h"

namespace {

void Present(const wchar_t* text, const wchar_t* caption, void*)
{
    std::string line = CTerminalMessages::Format(text, caption, CTerminalMessages::LineBreaksOnStderr());
    line += '\n';
    fwrite(line.data(), 1, line.size(), stderr);
    fflush(stderr);
}

// Appends ch, escaped when it is a control character.
void AppendEscaped(std::wstring& out, wchar_t ch)
{
    wchar_t code[8];
    if (ch == L'\n') {
        out += L"\\n";
    } else if (ch == L'\r') {
        out += L"\\r";
    } else if (ch == L'\t') {
        out += L"\\t";
    } else if ((unsigned)ch < 0x20 || ch == 0x7f) {
        swprintf(code, 8, L"\\x%02x", (unsigned)ch);
        out += code;
    } else if (ch >= 0x80 && ch <= 0x9f) {
        swprintf(code, 8, L"\\u%04x", (unsigned)ch);
        out += code;
    } else if (ch >= 0xdc80 && ch <= 0xdc9f) {
        // A raw byte 0x80..0x9f kept from a file name: a C1 control to a
        // terminal that is not in UTF-8.
        swprintf(code, 8, L"\\x%02x", (unsigned)(ch - 0xdc00));
        out += code;
    } else {
        out += ch;
    }
}

std::string Utf8(const std::wstring& text)
{
    std::string utf8;
    TMTOOLS::String::DecodeUnicode(0, text, utf8);
    return utf8;
}

}  // namespace

void CTerminalMessages::Install()
{
    TMTOOLS::OS::SetMessagePresenter(&Present, nullptr);
}

bool CTerminalMessages::LineBreaksOnStderr()
{
    static const bool terminal = isatty(STDERR_FILENO) != 0;
    return terminal;
}

std::wstring CTerminalMessages::EscapedWide(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t ch : text)
        AppendEscaped(out, ch);
    return out;
}

std::string CTerminalMessages::Escaped(const std::wstring& text)
{
    return Utf8(EscapedWide(text));
}

std::string CTerminalMessages::Escaped(const std::string& bytes)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, bytes, wide);
    return Escaped(wide);
}

std::string CTerminalMessages::Format(const wchar_t* text, const wchar_t* caption, bool lineBreaks)
{
    std::wstring out;
    for (const wchar_t* p = caption ? caption : L""; *p; ++p)
        AppendEscaped(out, *p);
    out += L": ";
    for (const wchar_t* p = text ? text : L""; *p; ++p) {
        if (*p == L'\r' || *p == L'\n') {
            // CR LF, LF and a lone CR are one line break each.
            if (p[0] == L'\r' && p[1] == L'\n')
                ++p;
            out += lineBreaks ? L"\n" : L"\\n";
        } else {
            AppendEscaped(out, *p);
        }
    }
    return Utf8(out);
}
