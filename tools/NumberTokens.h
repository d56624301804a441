// Splitting a line of text into number tokens: the one scanner behind the
// line reader's integers (CReadALine::ReadIntegers) and the project
// readers' reals, which differ only in the code units that make up a
// number, the longest number and the words of their messages.
//
// The scanner finds tokens; converting a token is the caller's business,
// so that integers and reals are converted by their own rules.
#pragma once

#include "TmToolsApi.h"

namespace TMTOOLS {
namespace String {

// How the numbers of a line are told apart.
struct CNumberTokenRules {
    // Digits, "+" and "-" make up a number; with reals also ".", "e", "E".
    bool reals;
    // The longest token, in code units; the code unit that would make a
    // token longer stops the scan as too long.
    int maxLength;
    // True: only space, ",", tab and line feed end a number, "/" ends the
    // numbers of the line, and any other code unit stops the scan as
    // unrecognised. False: any code unit that is not part of a number ends
    // one, and nothing is unrecognised.
    bool separatorsOnly;
    // Messages for CReadALine::ReadNumbers, each with the file name, the
    // line number and the zero-based column ("%s", "%d", "%d").
    const wchar_t* tooLongFormat;
    const wchar_t* unrecognisedFormat;
};

// How a scan ended.
enum TmTokenScanEnd {
    TM_TOKENS_LINE_END,     // the text ran out; a token still pending is dropped
    TM_TOKENS_ALL_TAKEN,    // the wanted number of tokens was taken; the rest is not looked at
    TM_TOKENS_SLASH,        // "/" ended the numbers (a token before it was taken)
    TM_TOKENS_TOO_LONG,     // a token grew past maxLength
    TM_TOKENS_UNRECOGNISED  // a code unit that neither makes up nor ends a number
};

// Receives the index-th token of a scan (counted from 0), zero-terminated.
typedef void (*TmTakeToken)(void* context, int index, const wchar_t* token);

// Scans text from index start for up to wanted tokens (wanted >= 1), giving
// each to take. taken receives the number of tokens taken; at receives the
// index of the code unit that ended the scan with an error.
TMTOOLS_API TmTokenScanEnd ScanNumberTokens(const wchar_t* text, int start, int wanted,
                                            const CNumberTokenRules& rules, TmTakeToken take, void* context,
                                            int& taken, int& at);

}  // namespace String
}  // namespace TMTOOLS
