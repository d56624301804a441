// ReadFloats, SplitFloats, ReadFloatsAfterTotal, FindLineContaining and the
// locale-free text-to-double conversion behind them.
#include "readers/NumericScan.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <system_error>

#include "tools/ReadALine.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const wchar_t kTotalMarker[] = L"合计:";

bool IsNumberChar(wchar_t ch)
{
    return (ch >= L'0' && ch <= L'9') || ch == L'.' || ch == L'+' || ch == L'-' || ch == L'e' || ch == L'E';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

const wchar_t* FileNameOf(const CReadALine& reader)
{
    return reader.m_fileName ? reader.m_fileName : L"";
}

// Decimal exponent of the leading digit of an unsigned number text such as
// "000.0012e-5" (here -8); decides between overflow and underflow when the
// exact conversion is out of range. Saturates far beyond any double.
long LeadingExponent(const char* text, size_t len)
{
    long position = 0;  // exponent of the next digit before the point
    bool beforePoint = true;
    bool seenDigit = false;
    long lead = 0;
    size_t i = 0;
    for (; i < len && (IsDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            beforePoint = false;
            continue;
        }
        if (!beforePoint)
            --position;
        if (!seenDigit && text[i] != '0') {
            seenDigit = true;
            lead = position;
        }
        if (beforePoint && seenDigit)
            ++lead;
    }
    if (i < len && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < len && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        long exponent = 0;
        for (; i < len && IsDigit(text[i]); ++i) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        lead += negative ? -exponent : exponent;
    }
    return lead;
}

double ConvertUnsigned(const char* text, size_t len)
{
    double value = 0;
    std::from_chars_result result = std::from_chars(text, text + len, value, std::chars_format::general);
    if (result.ec == std::errc())
        return value;
    if (result.ec == std::errc::result_out_of_range)
        return LeadingExponent(text, len) > 0 ? HUGE_VAL : 0.0;
    return 0.0;
}

}  // namespace

double WideToDouble(const wchar_t* text)
{
    if (!text)
        return 0.0;
    while (*text == L' ' || (*text >= L'\t' && *text <= L'\r'))
        ++text;
    bool negative = false;
    if (*text == L'+' || *text == L'-')
        negative = *text++ == L'-';
    // Only the characters that can continue a decimal number matter; the
    // rest of the text is ignored as the runtime's conversion ignores it.
    size_t len = 0;
    while (IsNumberChar(text[len]))
        ++len;
    if (len == 0 || text[0] == L'+' || text[0] == L'-')
        return 0.0;
    char small[64];
    std::string large;
    char* narrow = small;
    if (len >= sizeof small) {
        large.resize(len);
        narrow = &large[0];
    }
    for (size_t i = 0; i < len; ++i)
        narrow[i] = (char)text[i];
    double value = ConvertUnsigned(narrow, len);
    return negative ? -value : value;
}

namespace {

void TakeFloat(void* values, int index, const wchar_t* token)
{
    static_cast<float*>(values)[index] = (float)WideToDouble(token);
}

// A number is collected into 30 code units with its terminator: 29 at most.
const TMTOOLS::String::CNumberTokenRules kRealTokens = {
    true, 29, true, L"在文件 %s 中\n第 %d 行第 %d 字符处的字串太长,超出了浮点数的表示范围。",
    L"在文件 %szNumber 中\n第 %d 行 第 %d 字符处有不可识别的双精度浮点数"};

// The sum lines are read differently: any character that is not part of a
// number ends one, and none is unrecognised.
const TMTOOLS::String::CNumberTokenRules kTotalTokens = {true, 29, false, kRealTokens.tooLongFormat, nullptr};

}  // namespace

bool ReadFloats(CReadALine& reader, FILE* file, float* values, int& count)
{
    return reader.ReadNumbers(file, 0, count, kRealTokens, TakeFloat, values);
}

bool ReadFloats(CReadALine& reader, FILE* file, float* values, int&& count)
{
    int wanted = count;
    return reader.ReadNumbers(file, 0, wanted, kRealTokens, TakeFloat, values);
}

void SplitFloats(std::wstring text, std::wstring separator, float* values, int capacity, int& count)
{
    count = 0;
    if (separator.empty())
        return;  // nothing to split at; searching for "" would never end
    size_t start = text.find_first_not_of(separator);
    if (start == std::wstring::npos)
        start = text.size();
    if (text.size() - start <= separator.size())
        return;
    if (text.size() < separator.size() ||
        text.compare(text.size() - separator.size(), separator.size(), separator) != 0)
        text += separator;
    for (;;) {
        const size_t found = text.find(separator, start);
        if (found == std::wstring::npos)
            break;
        if (count < capacity)
            values[count++] = (float)WideToDouble(text.substr(start, found - start).c_str());
        start = text.find_first_not_of(separator, found);
        if (start == std::wstring::npos)
            break;
    }
}

bool ReadFloatsAfterTotal(CReadALine& reader, float* values, int& count, const wchar_t* line)
{
    std::wstring text = line ? line : L"";
    if (text.empty() || count <= 0) {
        count = 0;
        return true;
    }
    if (text.back() != L'\n')
        text += L'\n';
    const size_t marker = text.find(kTotalMarker);
    if (marker == std::wstring::npos) {
        count = 0;
        return true;
    }
    int taken = 0;
    int at = 0;
    const int start = (int)(marker + wcslen(kTotalMarker));
    if (TMTOOLS::String::ScanNumberTokens(text.c_str(), start, count, kTotalTokens, TakeFloat, values, taken, at) ==
        TMTOOLS::String::TM_TOKENS_TOO_LONG) {
        TMTOOLS::OS::TmShowWarnMessage(
            stringFormat(kTotalTokens.tooLongFormat, FileNameOf(reader), (int)reader.m_lineNumber, at).c_str());
        return false;
    }
    count = taken;
    return true;
}

int FindLineContaining(CReadALine& reader, FILE* file, const wchar_t* text, std::wstring& line)
{
    std::wstring found;
    // The line reader takes the end of the file for an empty line, which an
    // empty text would find; here the end of the file holds nothing.
    if (!reader.FindString(file, text, found) || reader.m_isEnd)
        return 0;
    line.swap(found);
    return 1;
}
