// Typed data values: one named, scorable quantity of a project each.
//
// A value carries its display name (the key that pairs a student value with
// the standard value), its value in one of nine types, the comparison rule of
// that type and its scoring state (selected for scoring, score earned).
// Readers create values with new and hand them to a category item, which
// owns them from then on. Comparing and rendering live here; matching values
// by name and awarding shares lives in the scoring items.
//
// The nine classes are small and always used together, so they share this
// header and TmData.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Value-type codes (m_type). 4, 6, 7 and 10 are not used.
enum {
    TM_DATA_CHAR = 0,
    TM_DATA_INT16 = 1,
    TM_DATA_INT = 2,
    TM_DATA_FLOAT = 3,  // CTmFloatData and CTmFloatInverseData alike
    TM_DATA_STRING = 5,
    TM_DATA_INT_ARRAY = 8,
    TM_DATA_FLOAT_ARRAY = 9,
    TM_DATA_STRING_ARRAY = 11,
};

// Source groups (m_group); the group decides on which settings page a value
// is listed and takes part in equality.
enum {
    TM_GROUP_GENERAL = 0,     // .prj "总信息"
    TM_GROUP_EARTHQUAKE = 1,  // .prj "地震信息"
    TM_GROUP_WIND = 2,        // .prj "风信息"
    TM_GROUP_ADJUSTMENT = 3,  // .prj "调整信息" and "组合系数"
    TM_GROUP_MATERIAL = 4,    // .prj "材料信息"
    TM_GROUP_FOUNDATION = 5,  // .prj "基础信息"
    TM_GROUP_TIME_HISTORY = 6,  // .prj "时程信息"
    TM_GROUP_FLOOR = 7,       // per-storey values
    TM_GROUP_RESULT = 8,      // calculation results and the two completion values
    TM_GROUP_COUNT = 9,
};

// Tolerance of every float read from the .prj file (absolute).
const double TM_PRJ_FLOAT_TOLERANCE = 0.01;
// Tolerance of the calculation results (relative): the 32-bit float nearest
// to 0.1, widened. With the double 0.1 a difference of exactly 10% would fail,
// because the quotient rounded to float is 0.1f, slightly above 0.1.
const double TM_RESULT_FLOAT_TOLERANCE = 0.1f;

class CTmData {
public:
    virtual ~CTmData();

    // Called on the standard value with the student value of the same name;
    // the standard value's tolerance and relative flag decide.
    virtual bool IsEqual(const CTmData& other) const = 0;
    // The value as text: "%d", "%.7g", "1/%.7g", lists joined by ",".
    virtual std::wstring GetValueText() const = 0;

    std::wstring m_name;
    bool m_selected;
    int32_t m_type;
    int32_t m_group;
    float m_score;

protected:
    CTmData(const std::wstring& name, const int& group, int32_t type);
    CTmData(const CTmData&) = default;
    CTmData& operator=(const CTmData&) = default;

    // The type and name tests that open every IsEqual.
    bool SameKind(const CTmData& other) const;
    // The IsEqual of the classes compared exactly: other is this, or it is
    // of the same kind, of class T, in the same group and holds the same
    // field (m_value or m_values) as this, which is a T.
    template <class T, class Field>
    bool SameField(const CTmData& other, Field T::*field) const;
    // The IsEqual of the float and inverse classes: other is this, or a float
    // or inverse value of the same name and group whose number value matches
    // by TmFloatsMatch with relative and tolerance.
    bool SameFloat(const CTmData& other, float value, bool relative, double tolerance) const;
};

class CTmCharData : public CTmData {
public:
    CTmCharData(const std::wstring& name, const int& group, int8_t value);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    int8_t m_value;
};

class CTmInt16Data : public CTmData {
public:
    CTmInt16Data(const std::wstring& name, const int& group, int16_t value);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    int16_t m_value;
};

class CTmIntData : public CTmData {
public:
    CTmIntData(const std::wstring& name, const int& group, int32_t value);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    int32_t m_value;
};

class CTmFloatData : public CTmData {
public:
    // The defaults are those of the .prj floats: 0.01, absolute.
    CTmFloatData(const std::wstring& name, const int& group, float value,
                 bool relative = false, double tolerance = TM_PRJ_FLOAT_TOLERANCE);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    double m_tolerance;
    bool m_relative;
    float m_value;
};

// A ratio 1/x held by its denominator x (drift angles). Shares the type code
// of CTmFloatData and compares by the same rule.
class CTmFloatInverseData : public CTmData {
public:
    CTmFloatInverseData(const std::wstring& name, const int& group, float value,
                        bool relative = false, double tolerance = TM_PRJ_FLOAT_TOLERANCE);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    double m_tolerance;
    bool m_relative;
    float m_value;
};

class CTmStringData : public CTmData {
public:
    CTmStringData(const std::wstring& name, const int& group, const std::wstring& value);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    std::wstring m_value;
};

class CTmIntArrayData : public CTmData {
public:
    CTmIntArrayData(const std::wstring& name, const int& group, const std::vector<int32_t>& values);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    std::vector<int32_t> m_values;
};

class CTmFloatArrayData : public CTmData {
public:
    // m_relative starts false; every element compares by the float rule.
    CTmFloatArrayData(const std::wstring& name, const int& group, const std::vector<float>& values,
                      double tolerance = TM_PRJ_FLOAT_TOLERANCE);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    double m_tolerance;
    bool m_relative;
    std::vector<float> m_values;
};

// The only list of texts the program reads: the earthquake waves of the
// time-history analysis, always named "计算时程分析采用的地震波".
class CTmStringArrayData : public CTmData {
public:
    CTmStringArrayData(const int& group, const std::vector<std::wstring>& values);
    bool IsEqual(const CTmData& other) const override;
    std::wstring GetValueText() const override;

    std::vector<std::wstring> m_values;
};

// The float rule of IsEqual, s being the standard value (whose tolerance and
// relative flag are given) and t the student value: |s - t| in float, divided
// by |s| in float under the relative rule, passes when <= tolerance; 0 against
// 0 under the relative rule passes.
bool TmFloatsMatch(float s, float t, bool relative, double tolerance);
