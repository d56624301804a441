// The message presenter of the command line: every message box the
// libraries show becomes one line "caption: text" on stderr, with the line
// breaks inside the text written as the two characters \n so that one
// message is always one line.
#pragma once

#include <string>

class CTerminalMessages {
public:
    // Installs the presenter for the rest of the process.
    static void Install();
    // The UTF-8 line (without line end) that presents text with caption.
    static std::string Format(const wchar_t* text, const wchar_t* caption);
};
