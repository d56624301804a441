// One cell of an editable worksheet: nothing, an integer, a double, an
// 8-bit text or a wide text. Undefined cells are not written.
#pragma once

#include <cstdint>
#include <string>

enum class XlsCellType {
    Undefined = 0,
    Int = 1,
    Double = 2,
    String = 3,
    WString = 4,
};

class XlsCell {
public:
    XlsCell() : m_type(XlsCellType::Undefined), m_int(0), m_double(0) {}

    // An empty text empties the cell.
    void SetText(const std::wstring& text);
    void SetNumber(double value);
    void SetInteger(int32_t value);
    // 8-bit text; readers take each byte as one of the first 256 Unicode
    // characters (Latin-1). An empty text empties the cell.
    void SetNarrowText(const std::string& text);
    // Empties the cell and frees its texts' storage.
    void Clear();
    // Empties the cell, keeping its texts' storage for the next value.
    void Reset();

    XlsCellType Type() const { return m_type; }
    int32_t Integer() const { return m_int; }
    double Number() const { return m_double; }
    const std::string& NarrowText() const { return m_string; }
    const std::wstring& Text() const { return m_wstring; }

private:
    XlsCellType m_type;
    int32_t m_int;
    double m_double;
    std::string m_string;
    std::wstring m_wstring;
};
