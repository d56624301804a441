// The number-token scanner.
#include "tools/NumberTokens.h"

namespace TMTOOLS {
namespace String {

namespace {

// Room for the longest token any caller asks for, and its terminator.
const int kTokenCapacity = 64;

bool MakesUpNumber(wchar_t ch, bool reals)
{
    if ((ch >= L'0' && ch <= L'9') || ch == L'+' || ch == L'-')
        return true;
    return reals && (ch == L'.' || ch == L'e' || ch == L'E');
}

}  // namespace

TmTokenScanEnd ScanNumberTokens(const wchar_t* text, int start, int wanted, const CNumberTokenRules& rules,
                                TmTakeToken take, void* context, int& taken, int& at)
{
    const int maxLength = rules.maxLength < kTokenCapacity - 1 ? rules.maxLength : kTokenCapacity - 1;
    wchar_t token[kTokenCapacity];
    int length = 0;
    taken = 0;
    at = start;
    for (int i = start; text[i]; ++i) {
        const wchar_t ch = text[i];
        if (MakesUpNumber(ch, rules.reals)) {
            if (length == maxLength) {
                at = i;
                return TM_TOKENS_TOO_LONG;
            }
            token[length++] = ch;
            continue;
        }
        const bool slash = rules.separatorsOnly && ch == L'/';
        if (rules.separatorsOnly && !slash && ch != L' ' && ch != L',' && ch != L'\t' && ch != L'\n') {
            at = i;
            return TM_TOKENS_UNRECOGNISED;
        }
        if (length > 0) {
            token[length] = 0;
            take(context, taken++, token);
            length = 0;
            if (taken == wanted)
                return TM_TOKENS_ALL_TAKEN;
        }
        if (slash)
            return TM_TOKENS_SLASH;
    }
    return TM_TOKENS_LINE_END;
}

}  // namespace String
}  // namespace TMTOOLS
