// CJsonWriter: indentation, separators and string escapes.
#include "cli/JsonWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/TmString.h"

CJsonWriter::CJsonWriter() : m_afterKey(false) {}

void CJsonWriter::NewLine()
{
    m_text += '\n';
    m_text.append(m_hasMember.size() * 2, ' ');
}

void CJsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasMember.empty())
        return;
    if (m_hasMember.back())
        m_text += ',';
    m_hasMember.back() = true;
    NewLine();
}

void CJsonWriter::BeginObject()
{
    BeforeValue();
    m_text += '{';
    m_hasMember.push_back(false);
}

void CJsonWriter::EndObject()
{
    bool any = m_hasMember.back();
    m_hasMember.pop_back();
    if (any)
        NewLine();
    m_text += '}';
}

void CJsonWriter::BeginArray()
{
    BeforeValue();
    m_text += '[';
    m_hasMember.push_back(false);
}

void CJsonWriter::EndArray()
{
    EndObject();
    m_text.back() = ']';
}

void CJsonWriter::Key(const char* key)
{
    BeforeValue();
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, key, wide);
    m_text += Quote(wide);
    m_text += ": ";
    m_afterKey = true;
}

void CJsonWriter::String(const std::wstring& value)
{
    BeforeValue();
    m_text += Quote(value);
}

void CJsonWriter::Int(long long value)
{
    BeforeValue();
    m_text += std::to_string(value);
}

void CJsonWriter::Float(float value)
{
    BeforeValue();
    // JSON has no infinities or NaN.
    if (!std::isfinite(value)) {
        m_text += "null";
        return;
    }
    char text[48];
    // Whole numbers as such ("30", not "3e+01").
    if (value == std::trunc(value) && std::fabs(value) < 1e15f) {
        snprintf(text, sizeof text, "%.0f", (double)value);
        m_text += text;
        return;
    }
    for (int digits = 1; digits <= 9; ++digits) {
        snprintf(text, sizeof text, "%.*g", digits, (double)value);
        if (strtof(text, nullptr) == value)
            break;
    }
    m_text += text;
}

void CJsonWriter::Bool(bool value)
{
    BeforeValue();
    m_text += value ? "true" : "false";
}

std::string CJsonWriter::Quote(const std::wstring& value)
{
    std::wstring escaped = L"\"";
    for (wchar_t ch : value) {
        switch (ch) {
        case L'"': escaped += L"\\\""; break;
        case L'\\': escaped += L"\\\\"; break;
        case L'\n': escaped += L"\\n"; break;
        case L'\r': escaped += L"\\r"; break;
        case L'\t': escaped += L"\\t"; break;
        default:
            // A file-name byte that is not UTF-8 is carried as a lone
            // surrogate (U+DC80..U+DCFF), which UTF-8 cannot hold: JSON's
            // escape keeps the output valid and the byte recoverable.
            if (ch < 0x20 || (ch >= 0xD800 && ch <= 0xDFFF))
                escaped += TMTOOLS::String::stringFormat(L"\\u%04x", (unsigned)ch);
            else
                escaped += ch;
        }
    }
    escaped += L'"';
    std::string utf8;
    TMTOOLS::String::DecodeUnicode(0, escaped, utf8);
    return utf8;
}
