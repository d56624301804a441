// CReadALine: GBK decoding, CR LF folding and the integer scanner.
#include "tools/ReadALine.h"

#include <climits>
#include <cstring>
#include <cwchar>

#include "tools/CodePage.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"
#include "tools/Utf8Check.h"

using TMTOOLS::String::stringFormat;

namespace {

const int kDefaultBufSize = 1000;
thread_local wchar_t t_emptyText[1] = {0};

// The runtime's _wtoi: leading white space, an optional sign, digits up to
// the first code unit that does not continue the number; clamped on overflow.
int WideToInt(const wchar_t* text)
{
    while (*text == L' ' || *text == L'\t')
        ++text;
    bool negative = false;
    if (*text == L'+' || *text == L'-')
        negative = *text++ == L'-';
    long long value = 0;
    while (*text >= L'0' && *text <= L'9') {
        value = value * 10 + (*text++ - L'0');
        if (value > (long long)INT_MAX + 1)
            value = (long long)INT_MAX + 1;
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : -(int)value;
    return value > INT_MAX ? INT_MAX : (int)value;
}

void TakeInteger(void* values, int index, const wchar_t* token)
{
    static_cast<int*>(values)[index] = WideToInt(token);
}

// Eleven code units hold every int with its sign (and a few that overflow,
// which the conversion clamps).
const TMTOOLS::String::CNumberTokenRules kIntegerTokens = {
    false, 11, true, L"在文件 %s 中\n第 %d 行第 %d 字符处的字串太长,超出了整型数的表示范围。",
    L"在文件 %s 中\n第 %d 行 第 %d 字符处有不可识别的整型数"};

}  // namespace

CReadALine::CReadALine(TmWindowHandle owner) : CReadALine(owner, kDefaultBufSize) {}

CReadALine::CReadALine(TmWindowHandle owner, int bufSize)
    : m_bufSize(bufSize < 2 ? 2 : bufSize),
      m_lineNumber(0),
      m_buffer(new wchar_t[m_bufSize]),
      m_fileName(nullptr),
      m_isEnd(false),
      m_hWnd(owner),
      m_tooLongReported(false),
      m_utf8(false)
{
    m_buffer[0] = 0;
}

CReadALine::~CReadALine()
{
    delete[] m_buffer;
    delete[] m_fileName;
}

void CReadALine::SetFileName(const wchar_t* fileName)
{
    if (!fileName || !*fileName)
        return;
    if (!m_fileName || wcscmp(m_fileName, fileName) != 0)
        m_tooLongReported = false;
    size_t len = wcslen(fileName);
    wchar_t* copy = new wchar_t[len + 1];
    wmemcpy(copy, fileName, len + 1);
    delete[] m_fileName;
    m_fileName = copy;
    m_lineNumber = 0;
    m_isEnd = false;
}

bool CReadALine::DetectEncoding(FILE* stream)
{
    m_utf8 = false;
    if (!stream)
        return false;
    const long start = ftell(stream);
    if (start < 0)
        return false;
    TMTOOLS::CodePage::CUtf8Check check;
    unsigned char buffer[1 << 16];
    size_t n;
    bool first = true;
    while ((n = fread(buffer, 1, sizeof buffer, stream)) > 0) {
        if (first && n >= 3 && buffer[0] == 0xEF && buffer[1] == 0xBB && buffer[2] == 0xBF)
            m_utf8 = true;
        first = false;
        if (!m_utf8 && !check.Feed(buffer, n))
            break;
        if (m_utf8)
            break;
    }
    if (!m_utf8)
        m_utf8 = check.Finish() && check.SawNonAscii();
    clearerr(stream);
    fseek(stream, start, SEEK_SET);
    return m_utf8;
}

wchar_t CReadALine::ReadUtf8Char(FILE* stream, int lead)
{
    TMTOOLS::CodePage::CUtf8Check check;
    unsigned char byte = (unsigned char)lead;
    if (!check.Feed(&byte, 1))
        return TMTOOLS::CodePage::kReplacement;
    while (!check.Complete()) {
        const int next = getc_unlocked(stream);
        if (next == EOF)
            return TMTOOLS::CodePage::kReplacement;
        byte = (unsigned char)next;
        if (!check.Feed(&byte, 1)) {
            ungetc(next, stream);
            return TMTOOLS::CodePage::kReplacement;
        }
    }
    return (wchar_t)check.LastCode();
}

void CReadALine::Warn(const std::wstring& text) const
{
    TMTOOLS::OS::TmShowWarnMessage(text.c_str());
}

// Reads at most m_bufSize - 1 code units, up to and including a line feed.
// CR LF becomes LF as in a text-mode stream; a GBK pair (or, in UTF-8, a
// whole sequence; wchar_t holds every code point here) becomes one unit;
// bytes that are not GBK become U+FFFD, and a line feed is never swallowed
// as the second byte of a pair.
CReadALine::ReadState CReadALine::ReadLine(FILE* stream)
{
    const int capacity = m_bufSize - 1;
    int n = 0;
    bool readAny = false;
    while (n < capacity && stream) {
        int c = getc_unlocked(stream);
        if (c == EOF)
            break;
        readAny = true;
        if (c == '\n') {
            m_buffer[n++] = L'\n';
            break;
        }
        if (c == '\r') {
            int next = getc_unlocked(stream);
            if (next == '\n') {
                m_buffer[n++] = L'\n';
                break;
            }
            if (next != EOF)
                ungetc(next, stream);
            m_buffer[n++] = L'\r';
            continue;
        }
        if (c < 0x80) {
            m_buffer[n++] = (wchar_t)c;
            continue;
        }
        if (m_utf8) {
            const wchar_t ch = ReadUtf8Char(stream, c);
            // The byte-order mark is no text of the first line.
            if (!(ch == 0xFEFF && n == 0 && m_lineNumber == 0))
                m_buffer[n++] = ch;
            continue;
        }
        if (TMTOOLS::CodePage::IsGbkLead(c)) {
            int trail = getc_unlocked(stream);
            if (trail != EOF && TMTOOLS::CodePage::IsGbkTrail(trail)) {
                m_buffer[n++] = TMTOOLS::CodePage::GbkPair(c, trail);
                continue;
            }
            if (trail != EOF)
                ungetc(trail, stream);
            m_buffer[n++] = TMTOOLS::CodePage::kReplacement;
            continue;
        }
        m_buffer[n++] = TMTOOLS::CodePage::GbkSingle(c);
    }
    m_buffer[n] = 0;
    if (!readAny) {
        m_lineNumber = 0;
        m_isEnd = true;
        return kEndOfFile;
    }
    ++m_lineNumber;
    if (n == capacity && m_buffer[n - 1] != L'\n') {
        if (!m_tooLongReported)
            Warn(stringFormat(L"在文件 %s 中\n第 %d 行长超过了程序读取范围，请检查该文件是否正常。", FileNameText(),
                              (int)m_lineNumber));
        m_tooLongReported = true;
        return kLineTooLong;
    }
    return kLineRead;
}

wchar_t* CReadALine::ReadAString(FILE* stream, int start, int end)
{
    if (ReadLine(stream) != kLineRead) {
        // Callers tell this text from a line by its address. One per thread,
        // so readers on several threads share nothing.
        t_emptyText[0] = 0;
        return t_emptyText;
    }
    int len = (int)wcslen(m_buffer);
    if (end != -1 && end >= 0 && end < m_bufSize) {
        m_buffer[end] = 0;
        if (end < len)
            len = end;
    }
    // A start past the line's end points at its terminator, not at stale
    // text from an earlier line.
    if (start < 0)
        start = 0;
    if (start > len)
        start = len;
    return m_buffer + start;
}

bool CReadALine::ReadNumbers(FILE* stream, int start, int& count, const TMTOOLS::String::CNumberTokenRules& rules,
                             TMTOOLS::String::TmTakeToken take, void* context)
{
    using namespace TMTOOLS::String;
    ReadState state = ReadLine(stream);
    if (state == kEndOfFile) {
        count = 0;
        return true;
    }
    if (state == kLineTooLong)
        return false;
    if (count <= 0) {
        count = 0;  // a negative count stores nothing rather than everything
        return true;
    }

    const int len = (int)wcslen(m_buffer);
    if (start < 0)
        start = 0;
    bool blank = true;
    for (int i = start; i < len; ++i) {
        if (m_buffer[i] != L' ') {
            blank = false;
            break;
        }
    }
    if (blank) {
        m_isEnd = true;
        SetLineNumber(0);
        count = 0;
        return true;
    }

    int taken = 0;
    int at = 0;
    switch (ScanNumberTokens(m_buffer, start, count, rules, take, context, taken, at)) {
    case TM_TOKENS_ALL_TAKEN:
        return true;
    case TM_TOKENS_LINE_END:
    case TM_TOKENS_SLASH:
        count = taken;
        return true;
    case TM_TOKENS_TOO_LONG:
        Warn(stringFormat(rules.tooLongFormat, FileNameText(), (int)m_lineNumber, at));
        return false;
    case TM_TOKENS_UNRECOGNISED:
        Warn(stringFormat(rules.unrecognisedFormat, FileNameText(), (int)m_lineNumber, at));
        return false;
    }
    return false;
}

bool CReadALine::ReadIntegers(FILE* stream, int start, int& count, int* values)
{
    return ReadNumbers(stream, start, count, kIntegerTokens, TakeInteger, values);
}

bool CReadALine::ReadInteger(FILE* stream, int start, int count, int* values)
{
    int copy = count;
    return ReadIntegers(stream, start, copy, values);
}

const wchar_t* CReadALine::FindLine(FILE* stream, const wchar_t* key)
{
    if (m_isEnd)
        return nullptr;
    for (;;) {
        // The end of the file and a too-long line are looked at as the
        // empty text.
        const wchar_t* text = ReadAString(stream, 0, -1);
        if (wcsstr(text, key ? key : L""))
            return text;
        if (m_isEnd)
            return nullptr;
    }
}

bool CReadALine::FindString(FILE* stream, const wchar_t* key)
{
    return FindLine(stream, key) != nullptr;
}

bool CReadALine::FindString(FILE* stream, const wchar_t* key, std::wstring& line)
{
    const wchar_t* text = FindLine(stream, key);
    if (!text)
        return false;
    line = text;
    return true;
}
