// Line kinds of the .prj file.
#include "readers/PrjLineReader.h"

#include <cwchar>

#include "readers/NumericScan.h"
#include "readers/PrjConversions.h"
#include "tools/ReadALine.h"
#include "tools/TmString.h"

CPrjLineReader::CPrjLineReader(FILE* file, CReadALine& reader) : m_file(file), m_reader(reader), m_count(0) {}

int CPrjLineReader::Room(int limit)
{
    int room = limit < 0 ? 0 : limit;
    if (room > m_reader.m_bufSize)
        room = m_reader.m_bufSize;
    if ((int)m_reals.size() < room)
        m_reals.resize(room);
    if ((int)m_integers.size() < room)
        m_integers.resize(room);
    return room;
}

bool CPrjLineReader::RealLine(int limit)
{
    m_count = Room(limit);
    if (!ReadFloats(m_reader, m_file, m_reals.data(), m_count)) {
        m_count = 0;
        return false;
    }
    return true;
}

bool CPrjLineReader::IntegerLine(int limit)
{
    m_count = Room(limit);
    if (!m_reader.ReadIntegers(m_file, 0, m_count, m_integers.data())) {
        m_count = 0;
        return false;
    }
    return true;
}

bool CPrjLineReader::OptionalIntegerList(int count, int limit, std::vector<int32_t>& list)
{
    list.clear();
    if (count <= 0)
        return true;
    if (!IntegerLine(limit))
        return false;
    list = Integers();
    return true;
}

bool CPrjLineReader::SkipLine()
{
    int unused = 0;
    return m_reader.ReadInteger(m_file, 0, 0, &unused);
}

std::wstring CPrjLineReader::TextLine()
{
    return m_reader.ReadAString(m_file, 0, -1);
}

std::wstring CPrjLineReader::TextLineWithoutLineFeed()
{
    std::wstring text = TextLine();
    if (!text.empty() && text.back() == L'\n')
        text.pop_back();
    return text;
}

bool CPrjLineReader::TitleLine(const wchar_t* title)
{
    return wcsstr(m_reader.ReadAString(m_file, 0, -1), title) != nullptr;
}

bool CPrjLineReader::KeywordLine(const wchar_t* keyword)
{
    const CPosition before = Remember();
    const wchar_t* text = m_reader.ReadAString(m_file, 0, -1);
    if (text == m_reader.m_buffer && TMTOOLS::String::StringCompareNoCase(text, keyword) == 0)
        return true;
    GoBack(before);
    return false;
}

bool CPrjLineReader::NextLineContains(const wchar_t* text)
{
    const CPosition before = Remember();
    const bool found = wcsstr(m_reader.ReadAString(m_file, 0, -1), text) != nullptr;
    GoBack(before);
    return found;
}

bool CPrjLineReader::AtEnd() const
{
    return m_reader.m_isEnd;
}

CPrjLineReader::CPosition CPrjLineReader::Remember() const
{
    return CPosition{ftell(m_file), m_reader.m_lineNumber, m_reader.m_isEnd};
}

// The line is read again by what follows, so the reader's line count and
// end flag go back too: messages then name the line where it really is.
void CPrjLineReader::GoBack(const CPosition& position)
{
    if (position.m_offset >= 0)
        fseek(m_file, position.m_offset, SEEK_SET);
    m_reader.m_lineNumber = position.m_lineNumber;
    m_reader.m_isEnd = position.m_isEnd;
}

float CPrjLineReader::Real(int index, float fallback) const
{
    return Has(index) ? m_reals[index] : fallback;
}

int32_t CPrjLineReader::Integer(int index, int32_t fallback) const
{
    return Has(index) ? m_integers[index] : fallback;
}

std::vector<int32_t> CPrjLineReader::Integers() const
{
    return std::vector<int32_t>(m_integers.begin(), m_integers.begin() + m_count);
}

int32_t CPrjLineReader::Int(int index, int32_t fallback) const
{
    return Has(index) ? PrjInt(m_reals[index]) : fallback;
}

int32_t CPrjLineReader::IntPrime(int index, int32_t fallback) const
{
    return Has(index) ? PrjIntPrime(m_reals[index]) : fallback;
}

int32_t CPrjLineReader::IntSigned(int index, int32_t fallback) const
{
    return Has(index) ? PrjIntSigned(m_reals[index]) : fallback;
}
