// The message presenter of the command line: every message box the
// libraries show becomes "caption: text" on stderr. Line breaks inside the
// text are written as the two characters \n, so that one message is one
// line for the scripts that read stderr, except on a terminal, where they
// are real line breaks. Other control characters never reach the output:
// a folder name holding ESC or a newline could otherwise move the cursor,
// send escape sequences or break a table's rows.
#pragma once

#include <string>

class CTerminalMessages {
public:
    // Installs the presenter for the rest of the process.
    static void Install();
    // The UTF-8 text (without line end) that presents text with caption;
    // lineBreaks: the text's line breaks as such, else as \n.
    static std::string Format(const wchar_t* text, const wchar_t* caption, bool lineBreaks = false);
    // True when stderr is a terminal: messages keep their line breaks.
    static bool LineBreaksOnStderr();

    // text as UTF-8 with its control characters escaped: \n, \r and \t as
    // such, the other C0 controls and DEL as \xHH, C1 controls as \uHHHH,
    // and file-name bytes that are not UTF-8 in the C1 range as \xHH.
    static std::string Escaped(const std::wstring& text);
    static std::wstring EscapedWide(const std::wstring& text);
    // The same for UTF-8 (or file-system) bytes, such as a command-line
    // argument.
    static std::string Escaped(const std::string& bytes);
};
