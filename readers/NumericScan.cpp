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

// A number is collected into 30 code units with its terminator: 29 at most.
const int kTokenSize = 30;
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

bool ReadCountedFloats(CReadALine& reader, FILE* file, float* values, int& count)
{
    const wchar_t* line = reader.ReadAString(file, 0, -1);
    if (line != reader.m_buffer) {
        // Not the buffer: either the end of the file (the reader has set its
        // end flag and line number 0) or a line too long for the buffer,
        // which the reader has already reported.
        if (reader.m_lineNumber == 0) {
            reader.m_isEnd = true;
            count = 0;
            return true;
        }
        return false;
    }
    if (count <= 0) {
        // A negative count would store every number of the line.
        count = 0;
        return true;
    }
    const int len = (int)wcslen(line);
    int firstNonSpace = 0;
    while (firstNonSpace < len && line[firstNonSpace] == L' ')
        ++firstNonSpace;
    if (firstNonSpace == len) {
        reader.m_isEnd = true;
        reader.m_lineNumber = 0;
        count = 0;
        return true;
    }

    wchar_t token[kTokenSize];
    int tokenLen = 0;
    int n = 0;
    for (int k = 0; k < len; ++k) {
        const wchar_t ch = line[k];
        if (IsNumberChar(ch)) {
            token[tokenLen++] = ch;
            if (tokenLen == kTokenSize) {
                TMTOOLS::OS::TmShowWarnMessage(
                    stringFormat(L"在文件 %s 中\n第 %d 行第 %d 字符处的字串太长,超出了浮点数的表示范围。",
                                 FileNameOf(reader), (int)reader.m_lineNumber, k)
                        .c_str());
                return false;
            }
            continue;
        }
        const bool slash = ch == L'/';
        if (ch == L' ' || ch == L',' || ch == L'\t' || ch == L'\n' || slash) {
            if (tokenLen > 0) {
                token[tokenLen] = 0;
                values[n++] = (float)WideToDouble(token);
                tokenLen = 0;
                if (n == count)
                    return true;
            }
            if (slash) {
                count = n;
                return true;
            }
            continue;
        }
        TMTOOLS::OS::TmShowWarnMessage(
            stringFormat(L"在文件 %szNumber 中\n第 %d 行 第 %d 字符处有不可识别的双精度浮点数", FileNameOf(reader),
                         (int)reader.m_lineNumber, k)
                .c_str());
        return false;
    }
    count = n;
    return true;
}

}  // namespace

bool ReadFloats(CReadALine& reader, FILE* file, float* values, int& count)
{
    return ReadCountedFloats(reader, file, values, count);
}

bool ReadFloats(CReadALine& reader, FILE* file, float* values, int&& count)
{
    int wanted = count;
    return ReadCountedFloats(reader, file, values, wanted);
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
    wchar_t token[kTokenSize];
    int tokenLen = 0;
    int n = 0;
    for (size_t k = marker + wcslen(kTotalMarker); k < text.size(); ++k) {
        const wchar_t ch = text[k];
        if (IsNumberChar(ch)) {
            token[tokenLen++] = ch;
            if (tokenLen == kTokenSize) {
                TMTOOLS::OS::TmShowWarnMessage(
                    stringFormat(L"在文件 %s 中\n第 %d 行第 %d 字符处的字串太长,超出了浮点数的表示范围。",
                                 FileNameOf(reader), (int)reader.m_lineNumber, (int)k)
                        .c_str());
                return false;
            }
            continue;
        }
        if (tokenLen > 0) {
            token[tokenLen] = 0;
            values[n++] = (float)WideToDouble(token);
            tokenLen = 0;
            if (n == count)
                return true;
        }
    }
    count = n;
    return true;
}

int FindLineContaining(CReadALine& reader, FILE* file, const wchar_t* text, std::wstring& line)
{
    const wchar_t* key = text ? text : L"";
    while (!reader.m_isEnd) {
        const wchar_t* read = reader.ReadAString(file, 0, -1);
        if (read != reader.m_buffer && reader.m_lineNumber == 0)
            return 0;  // the end of the file holds nothing, not even ""
        if (wcsstr(read, key)) {
            line = read;
            return 1;
        }
    }
    return 0;
}
