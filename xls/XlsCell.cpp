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

// Setting a value keeps the storage the cell's texts already have, so a
// cell set again and again (a workbook reused) does not allocate again.
void XlsCell::SetText(const std::wstring& text)
{
    Reset();
    if (text.empty())
        return;
    m_type = XlsCellType::WString;
    m_wstring = text;
}

void XlsCell::SetNarrowText(const std::string& text)
{
    Reset();
    if (text.empty())
        return;
    m_type = XlsCellType::String;
    m_string = text;
}

void XlsCell::SetNumber(double value)
{
    Reset();
    m_type = XlsCellType::Double;
    m_double = value;
}

void XlsCell::SetInteger(int32_t value)
{
    Reset();
    m_type = XlsCellType::Int;
    m_int = value;
}

void XlsCell::Reset()
{
    m_type = XlsCellType::Undefined;
    m_int = 0;
    m_double = 0;
    m_string.clear();
    m_wstring.clear();
}
