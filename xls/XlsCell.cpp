// Cell kinds and their values.
#include "xls/XlsCell.h"

void XlsCell::Clear()
{
    m_type = XlsCellType::Undefined;
    m_int = 0;
    m_double = 0;
    std::string().swap(m_string);
    std::wstring().swap(m_wstring);
}

void XlsCell::SetText(const std::wstring& text)
{
    Clear();
    if (text.empty())
        return;
    m_type = XlsCellType::WString;
    m_wstring = text;
}

void XlsCell::SetNarrowText(const std::string& text)
{
    Clear();
    if (text.empty())
        return;
    m_type = XlsCellType::String;
    m_string = text;
}

void XlsCell::SetNumber(double value)
{
    Clear();
    m_type = XlsCellType::Double;
    m_double = value;
}

void XlsCell::SetInteger(int32_t value)
{
    Clear();
    m_type = XlsCellType::Int;
    m_int = value;
}
