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

CCalcResultFile::CCalcResultFile() : m_file(nullptr), m_foundAny(false), m_reader(nullptr) {}

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

bool CCalcResultFile::Rewind()
{
    if (!m_file || fseek(m_file, 0, SEEK_SET) != 0)
        return false;
    clearerr(m_file);
    // The same name again: the line count starts afresh, the end flag is
    // cleared, and a too-long line already reported is not reported again.
    m_reader.SetFileName(m_path.c_str());
    return true;
}

void CCalcResultFile::Close()
{
    m_image.Close();
    m_file = nullptr;
}

bool CCalcResultFile::Find(const wchar_t* text)
{
    if (!m_file || !m_reader.FindString(m_file, text))
        return false;
    m_foundAny = true;
    return true;
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
    if (!m_file || FindLineContaining(m_reader, m_file, text, line) != 1)
        return false;
    m_foundAny = true;
    return true;
}

void CCalcResultFile::Skip(int lines)
{
    for (int i = 0; i < lines && m_file; ++i)
        m_reader.ReadAString(m_file, 0, -1);
}

std::wstring CCalcResultFile::ReadLine()
{
    if (!m_file)
        return std::wstring();
    return StripLineEnd(m_reader.ReadAString(m_file, 0, -1));
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
