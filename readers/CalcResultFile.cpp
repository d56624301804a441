// CCalcResultFile: opening, heading search and row splitting for the
// result reader.
#include "readers/CalcResultFile.h"

#include <cwchar>

#include "readers/NumericScan.h"

namespace {

bool IsBlank(wchar_t ch)
{
    return ch == L' ' || ch == L'\t' || ch == L'\r' || ch == L'\n' || ch == L'\f' || ch == L'\v';
}

}  // namespace

CResultRow::CResultRow(const std::wstring& text) : m_count(0)
{
    for (float& value : m_values)
        value = 0.0f;
    SplitFloats(text, L" ", m_values, m_count);
}

namespace {

// text contains key (of keyLength characters). The search runs on the
// key's first character that is not a space: headings and row labels start
// with spaces, which every line is full of.
bool Contains(const std::wstring& text, const wchar_t* key, size_t keyLength)
{
    if (keyLength == 0)
        return true;
    if (text.size() < keyLength)
        return false;
    size_t anchor = 0;
    while (anchor + 1 < keyLength && key[anchor] == L' ')
        ++anchor;
    const wchar_t* data = text.data();
    const wchar_t* last = data + text.size() - keyLength + anchor;  // last place the anchor can be
    for (const wchar_t* p = data + anchor; p <= last;) {
        p = wmemchr(p, key[anchor], (size_t)(last - p) + 1);
        if (!p)
            return false;
        if (wmemcmp(p - anchor, key, keyLength) == 0)
            return true;
        ++p;
    }
    return false;
}

}  // namespace

CCalcResultFile::CCalcResultFile()
    : m_file(nullptr), m_foundAny(false), m_reader(nullptr), m_next(0), m_keptChars(0), m_streaming(false)
{
}

CCalcResultFile::~CCalcResultFile()
{
    Close();
}

bool CCalcResultFile::Open(const std::wstring& path)
{
    Close();
    m_path = path;
    // Bytes as they are: the line reader folds CR LF itself, and ftell
    // positions stay byte offsets. A FIFO or a device would hang the load
    // and a file far larger than any result stall it: the open refuses
    // them, saying so.
    if (!m_image.Open(path))
        return false;
    m_file = m_image.File();
    // Also starts the line count afresh and clears the end flag.
    m_reader.SetFileName(path.c_str());
    m_reader.DetectEncoding(m_file);
    m_foundAny = false;
    return true;
}

const std::wstring& CCalcResultFile::Next()
{
    if (m_streaming) {
        m_streamed = m_reader.ReadAString(m_file, 0, -1);
        return m_streamed;
    }
    if (m_next < m_kept.size()) {
        const CKeptLine& line = m_kept[m_next];
        // At the end every further read is the end again: it stays there.
        if (!line.m_isEnd || m_next + 1 < m_kept.size())
            ++m_next;
        else
            m_next = m_kept.size() - 1;
        m_reader.m_lineNumber = line.m_lineNumber;
        m_reader.m_isEnd = line.m_isEnd;
        return line.m_text;
    }
    const wchar_t* text = m_reader.ReadAString(m_file, 0, -1);
    const size_t length = wcslen(text);
    if (m_keptChars + length > kMaxKeptChars) {
        // Forget what was kept; the file goes on from here as a stream.
        m_streaming = true;
        std::vector<CKeptLine>().swap(m_kept);
        m_streamed = text;
        return m_streamed;
    }
    m_keptChars += length;
    m_kept.push_back(CKeptLine{std::wstring(text, length), m_reader.m_lineNumber, m_reader.m_isEnd});
    m_next = m_reader.m_isEnd ? m_kept.size() - 1 : m_kept.size();
    return m_kept.back().m_text;
}

bool CCalcResultFile::Rewind()
{
    if (!m_file)
        return false;
    if (m_streaming) {
        if (fseek(m_file, 0, SEEK_SET) != 0)
            return false;
        clearerr(m_file);
    }
    m_next = 0;
    // The same name again: the line count starts afresh, the end flag is
    // cleared, and a too-long line already reported is not reported again.
    m_reader.SetFileName(m_path.c_str());
    return true;
}

void CCalcResultFile::Close()
{
    m_image.Close();
    m_file = nullptr;
    std::vector<CKeptLine>().swap(m_kept);
    m_next = 0;
    m_keptChars = 0;
    m_streaming = false;
}

bool CCalcResultFile::Find(const wchar_t* text)
{
    if (!FindText(text))
        return false;
    m_foundAny = true;
    return true;
}

// The line reader's FindString over the kept lines: reads until a line
// contains text (the end of the file and a too-long line read as the empty
// text); null once at the end.
const std::wstring* CCalcResultFile::FindText(const wchar_t* text)
{
    if (!m_file || m_reader.m_isEnd)
        return nullptr;
    const wchar_t* key = text ? text : L"";
    const size_t keyLength = wcslen(key);
    for (;;) {
        const std::wstring& line = Next();
        if (Contains(line, key, keyLength))
            return &line;
        if (m_reader.m_isEnd)
            return nullptr;
    }
}

bool CCalcResultFile::FindNth(const wchar_t* text, int n)
{
    for (int i = 0; i < n; ++i) {
        if (!Find(text))
            return false;
    }
    return true;
}

bool CCalcResultFile::FindLine(const wchar_t* text, std::wstring& line)
{
    // As FindLineContaining: the end of the file holds nothing, not even
    // the empty text.
    const std::wstring* found = FindText(text);
    if (!found || m_reader.m_isEnd)
        return false;
    line = *found;
    m_foundAny = true;
    return true;
}

void CCalcResultFile::Skip(int lines)
{
    for (int i = 0; i < lines && m_file; ++i)
        Next();
}

std::wstring CCalcResultFile::ReadLine()
{
    if (!m_file)
        return std::wstring();
    return StripLineEnd(Next());
}

std::wstring CCalcResultFile::ReadTrimmed()
{
    return TrimLeft(TrimRight(ReadLine()));
}

std::wstring CCalcResultFile::TrimLeft(const std::wstring& text)
{
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return text.substr(start);
}

std::wstring CCalcResultFile::TrimRight(const std::wstring& text)
{
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::wstring CCalcResultFile::StripLineEnd(const std::wstring& text)
{
    size_t end = text.size();
    if (end > 0 && text[end - 1] == L'\n')
        --end;
    // A lone carriage return left by a damaged line end.
    if (end > 0 && text[end - 1] == L'\r')
        --end;
    return text.substr(0, end);
}
