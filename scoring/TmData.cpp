// Typed data values: comparison and text forms.
#include "scoring/TmData.h"

#include <charconv>
#include <cmath>

#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

// printf's "%.7g" of the value widened to double; to_chars gives the same
// characters (it is defined as printf in the C locale) without the cost of
// a wide printf.
std::wstring FloatText(float value)
{
    char text[48];
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::general, 7);
    return std::wstring(text, end.ptr);
}

// Every element but the last followed by ",", no spaces; empty for none.
template <typename T, typename F>
std::wstring JoinTexts(const std::vector<T>& values, F text)
{
    std::wstring out;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += L',';
        out += text(values[i]);
    }
    return out;
}

}  // namespace

bool TmFloatsMatch(float s, float t, bool relative, double tolerance)
{
    // Each step is rounded to 32 bits, as the scores were always computed:
    // whether a difference right at the tolerance passes depends on it.
    float d = std::fabs(s - t);
    if (relative) {
        if (s == 0.0f)
            return t == 0.0f;  // 0/0 passes; anything else over 0 does not
        d = d / std::fabs(s);
    }
    return static_cast<double>(d) <= tolerance;
}

// ---------------------------------------------------------------------------

CTmData::CTmData(const std::wstring& name, const int& group, int32_t type)
    : m_name(name), m_selected(false), m_type(type), m_group(group), m_score(0.0f)
{
}

CTmData::~CTmData() = default;

bool CTmData::SameKind(const CTmData& other) const
{
    return other.m_type == m_type && other.m_name == m_name;
}

template <class T, class Field>
bool CTmData::SameField(const CTmData& other, Field T::*field) const
{
    if (&other == this)
        return true;
    const T* o = SameKind(other) ? dynamic_cast<const T*>(&other) : nullptr;
    return o && o->m_group == m_group && o->*field == static_cast<const T*>(this)->*field;
}

// ---------------------------------------------------------------------------

CTmCharData::CTmCharData(const std::wstring& name, const int& group, int8_t value)
    : CTmData(name, group, TM_DATA_CHAR), m_value(value)
{
}

bool CTmCharData::IsEqual(const CTmData& other) const
{
    return SameField(other, &CTmCharData::m_value);
}

std::wstring CTmCharData::GetValueText() const
{
    return stringFormat(L"%d", static_cast<int>(m_value));
}

CTmInt16Data::CTmInt16Data(const std::wstring& name, const int& group, int16_t value)
    : CTmData(name, group, TM_DATA_INT16), m_value(value)
{
}

bool CTmInt16Data::IsEqual(const CTmData& other) const
{
    return SameField(other, &CTmInt16Data::m_value);
}

std::wstring CTmInt16Data::GetValueText() const
{
    return stringFormat(L"%d", static_cast<int>(m_value));
}

CTmIntData::CTmIntData(const std::wstring& name, const int& group, int32_t value)
    : CTmData(name, group, TM_DATA_INT), m_value(value)
{
}

bool CTmIntData::IsEqual(const CTmData& other) const
{
    return SameField(other, &CTmIntData::m_value);
}

std::wstring CTmIntData::GetValueText() const
{
    return stringFormat(L"%d", static_cast<int>(m_value));
}

// ---------------------------------------------------------------------------

namespace {

// A float and an inverse value share type code 3 and compare with each other;
// the other value's own number is all that is read of it.
bool FloatOf(const CTmData& other, float& value)
{
    if (const CTmFloatData* f = dynamic_cast<const CTmFloatData*>(&other)) {
        value = f->m_value;
        return true;
    }
    if (const CTmFloatInverseData* f = dynamic_cast<const CTmFloatInverseData*>(&other)) {
        value = f->m_value;
        return true;
    }
    return false;
}

}  // namespace

bool CTmData::SameFloat(const CTmData& other, float value, bool relative, double tolerance) const
{
    if (&other == this)
        return true;
    float t = 0.0f;
    if (!SameKind(other) || !FloatOf(other, t))
        return false;
    return TmFloatsMatch(value, t, relative, tolerance) && other.m_group == m_group;
}

CTmFloatData::CTmFloatData(const std::wstring& name, const int& group, float value, bool relative,
                           double tolerance)
    : CTmData(name, group, TM_DATA_FLOAT), m_tolerance(tolerance), m_relative(relative), m_value(value)
{
}

bool CTmFloatData::IsEqual(const CTmData& other) const
{
    return SameFloat(other, m_value, m_relative, m_tolerance);
}

std::wstring CTmFloatData::GetValueText() const
{
    return FloatText(m_value);
}

CTmFloatInverseData::CTmFloatInverseData(const std::wstring& name, const int& group, float value,
                                         bool relative, double tolerance)
    : CTmData(name, group, TM_DATA_FLOAT), m_tolerance(tolerance), m_relative(relative), m_value(value)
{
}

bool CTmFloatInverseData::IsEqual(const CTmData& other) const
{
    return SameFloat(other, m_value, m_relative, m_tolerance);
}

std::wstring CTmFloatInverseData::GetValueText() const
{
    return L"1/" + FloatText(m_value);
}

// ---------------------------------------------------------------------------

CTmStringData::CTmStringData(const std::wstring& name, const int& group, const std::wstring& value)
    : CTmData(name, group, TM_DATA_STRING), m_value(value)
{
}

bool CTmStringData::IsEqual(const CTmData& other) const
{
    return SameField(other, &CTmStringData::m_value);
}

std::wstring CTmStringData::GetValueText() const
{
    return m_value;
}

CTmIntArrayData::CTmIntArrayData(const std::wstring& name, const int& group,
                                 const std::vector<int32_t>& values)
    : CTmData(name, group, TM_DATA_INT_ARRAY), m_values(values)
{
}

bool CTmIntArrayData::IsEqual(const CTmData& other) const
{
    return SameField(other, &CTmIntArrayData::m_values);
}

std::wstring CTmIntArrayData::GetValueText() const
{
    return JoinTexts(m_values, [](int32_t v) { return stringFormat(L"%d", static_cast<int>(v)); });
}

CTmFloatArrayData::CTmFloatArrayData(const std::wstring& name, const int& group,
                                     const std::vector<float>& values, double tolerance)
    : CTmData(name, group, TM_DATA_FLOAT_ARRAY), m_tolerance(tolerance), m_relative(false),
      m_values(values)
{
}

bool CTmFloatArrayData::IsEqual(const CTmData& other) const
{
    if (&other == this)
        return true;
    const CTmFloatArrayData* o = SameKind(other) ? dynamic_cast<const CTmFloatArrayData*>(&other) : nullptr;
    if (!o || o->m_group != m_group || o->m_values.size() != m_values.size())
        return false;
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (!TmFloatsMatch(m_values[i], o->m_values[i], m_relative, m_tolerance))
            return false;
    }
    return true;
}

std::wstring CTmFloatArrayData::GetValueText() const
{
    return JoinTexts(m_values, FloatText);
}

CTmStringArrayData::CTmStringArrayData(const int& group, const std::vector<std::wstring>& values)
    : CTmData(L"计算时程分析采用的地震波", group, TM_DATA_STRING_ARRAY), m_values(values)
{
}

bool CTmStringArrayData::IsEqual(const CTmData& other) const
{
    return SameField(other, &CTmStringArrayData::m_values);
}

std::wstring CTmStringArrayData::GetValueText() const
{
    return JoinTexts(m_values, [](const std::wstring& v) { return v; });
}
