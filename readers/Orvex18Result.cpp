// CORVEX18Result: the eight reading steps over the four ORVEX18 result files.
//
// Each step reads its file from the first line, so a missing or damaged file
// costs only the quantities of that step; the file itself is opened once per
// load for all its steps (CCalcResultFiles). The headings below are the analysis program's
// own texts, leading spaces and dots included: the shear-capacity heading
// "    0(度)方向......" and the weak-storey heading "  0(度)方向.." differ
// only in those.
#include "readers/Orvex18Result.h"

#include <climits>
#include <cmath>
#include <cwchar>
#include <functional>

#include "readers/CalcResultFiles.h"
#include "readers/NumericScan.h"
#include "scoring/ScoringGenInfoItem.h"
#include "tools/TmString.h"

using TMTOOLS::String::ReplaceAll;
using TMTOOLS::String::stringFormat;

namespace {

const wchar_t kStructureFile[] = L"%s_结构信息.txt";
const wchar_t kPeriodFile[] = L"%s_周期和地震作用.txt";
const wchar_t kHorizontalFile[] = L"%s_水平力效应验算.txt";
const wchar_t kDisplacementFile[] = L"%s_结构位移.txt";

const wchar_t kTableEnd[] = L"--------------";  // 14 dashes end a displacement table
const wchar_t kTotalMark[] = L"合计:";
// Rows of the displacement tables start with storey, tower and node number
// in this many characters; the numbers read come after them.
const size_t kDisplacementKey = 22;

// The integer value of a real: truncation toward zero, kept inside the int
// range so that a damaged number cannot overflow the conversion.
int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= (double)INT_MAX)
        return INT_MAX;
    if (value <= (double)INT_MIN)
        return INT_MIN;
    return (int)value;
}

bool Contains(const std::wstring& text, const wchar_t* part)
{
    return text.find(part) != std::wstring::npos;
}

std::wstring DropPrefix(const std::wstring& text, size_t length)
{
    return text.size() > length ? text.substr(length) : std::wstring();
}

// The denominator n of a summary line such as
// "最大层间位移角:  1/ 850.(第 3层第 1塔)": the text after the first "/" up to
// the next "(", read as an integer the way the runtime's wide text-to-int
// conversion reads it (white space, sign, digits up to the first other
// character, so "850." gives 850). False when the line has no "/" or no
// positive denominator: 1/0 is no drift, and a damaged line must not pass
// for the largest drift of all.
bool ParseDriftDenominator(const std::wstring& line, int& denominator)
{
    size_t slash = line.find(L'/');
    if (slash == std::wstring::npos)
        return false;
    std::wstring text = line.substr(slash + 1);
    size_t open = text.find(L'(');
    if (open != std::wstring::npos)
        text.erase(open);
    long long value = wcstoll(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        value = INT_MAX;
    if (value <= 0)
        return false;
    denominator = (int)value;
    return true;
}

// Where one quantity per direction stands: the section of a result file
// (found at its second mention, the first being in the file's table of
// contents), the headings of its 0° and 90° tables, and the lines between a
// heading and the table's rows.
struct CDirectionTables {
    const wchar_t* fileFormat;
    const wchar_t* section;
    const wchar_t* headingX;
    const wchar_t* headingY;
    int skip;
};

// Reads the 0° table into x and the 90° table into y with readTable, which
// gets the direction (0 for X, 1 for Y) and says whether its table held the
// value; found receives those answers. False when the file, the section or
// a heading is missing: the step then keeps nothing.
bool ReadDirectionTables(CCalcResultFiles& files, const std::wstring& basePath, const CDirectionTables& tables,
                         const std::function<bool(CCalcResultFile&, int, float&)>& readTable, float& x, float& y,
                         bool found[2])
{
    CCalcResultFile* opened = files.Open(stringFormat(tables.fileFormat, basePath.c_str()));
    if (!opened)
        return false;
    CCalcResultFile& file = *opened;
    if (!file.FindNth(tables.section, 2))
        return false;
    const wchar_t* headings[2] = {tables.headingX, tables.headingY};
    float* values[2] = {&x, &y};
    for (int direction = 0; direction < 2; ++direction) {
        if (!file.Find(headings[direction]))
            return false;
        file.Skip(tables.skip);
        found[direction] = readTable(file, direction, *values[direction]);
    }
    return true;
}

}  // namespace

CORVEX18Result::CORVEX18Result() = default;

CORVEX18Result::~CORVEX18Result() = default;

bool CORVEX18Result::SetProjectInfo(const CScoringGenInfoItem& info)
{
    m_basementFloorCount = (int16_t)info.m_basementFloorCount;
    m_resultOption = (int16_t)info.m_resultOption;
    return true;
}

void CORVEX18Result::ReadResults(const std::wstring& prjPath)
{
    // The files are named from the path without ".prj".
    if (prjPath.size() <= 4)
        return;
    const std::wstring basePath = prjPath.substr(0, prjPath.size() - 4);
    CCalcResultFiles files(m_names);
    m_files = &files;

    ReadTotalWeight(basePath);
    // A period file without its mass participation sums is not read on.
    if (ReadModesAndPeriods(basePath)) {
        ReadFirstStoreyForces(basePath, 4, m_baseShearX, m_baseShearY);
        ReadFirstStoreyForces(basePath, 5, m_overturnMomentX, m_overturnMomentY);
    }
    ReadShearWeightRatios(basePath);
    ReadDrifts(basePath);
    ReadEccentricRatios(basePath);
    ReadStiffWeightRatios(basePath);
    ReadShearCapacityRatios(basePath);
    // The corrected table of the high-rise code, when there is one, replaces
    // the lists of the seismic code's table.
    ReadWeakStoreys(basePath, L"侧向刚度比(抗规3.4.3条文说明)");
    ReadWeakStoreys(basePath, L"修正侧向刚度比(高规3.5.2-2)");
    m_files = nullptr;

    const wchar_t* const formats[TM_RESULT_FILE_COUNT] = {kStructureFile, kPeriodFile, kHorizontalFile,
                                                          kDisplacementFile};
    for (int k = 0; k < TM_RESULT_FILE_COUNT; ++k) {
        const std::wstring path = stringFormat(formats[k], basePath.c_str());
        m_resultFileNames[k] = path.substr(path.rfind(L'/') + 1);
        m_resultFileStates[k] = files.State(path);
    }
}

// Step 1: the total weight is the third sum of the weight table.
void CORVEX18Result::ReadTotalWeight(const std::wstring& basePath)
{
    CCalcResultFile* opened = m_files->Open(stringFormat(kStructureFile, basePath.c_str()));
    if (!opened)
        return;
    CCalcResultFile& file = *opened;
    if (!file.Find(L"每层几何信息......"))
        return;
    file.Skip(1);
    while (!file.ReadTrimmed().empty()) {
    }
    if (!file.Find(L"各层的重量、质心和刚度中心"))
        return;
    std::wstring line;
    if (!file.FindLine(kTotalMark, line))
        return;
    float sums[4] = {0, 0, 0, 0};
    int count = 4;
    if (ReadFloatsAfterTotal(file.Reader(), sums, count, line.c_str()) && count >= 3)
        m_totalWeight = sums[2];
}

// Step 2, first pass: mass participation sums and the periods of the first
// three modes, from the last mode table of the file. False when the file,
// the mass table or its sum line is missing: the file's step ends there.
bool CORVEX18Result::ReadModesAndPeriods(const std::wstring& basePath)
{
    CCalcResultFile* opened = m_files->Open(stringFormat(kPeriodFile, basePath.c_str()));
    if (!opened)
        return false;
    CCalcResultFile& file = *opened;
    if (!file.Find(L"折减前振动周期(秒)、振型参与质量"))
        return false;
    std::wstring line;
    if (!file.FindLine(kTotalMark, line))
        return false;
    CResultRow sums(CCalcResultFile::StripLineEnd(line.substr(line.find(kTotalMark) + wcslen(kTotalMark))));
    if (sums.m_count >= 2) {
        // Printed in percent; the record keeps fractions.
        m_massRatioX = sums.At(1) * 0.01f;
        m_massRatioY = sums.At(2) * 0.01f;
    }

    float* periods[3] = {&m_period1, &m_period2, &m_period3};
    const wchar_t kModeTable[] = L"平动系数和扭转系数......";
    bool found = file.Find(kModeTable);
    while (found) {
        file.Skip(2);
        bool complete = true;
        for (int mode = 0; mode < 3; ++mode) {
            std::wstring row = file.ReadLine();
            // A table of fewer than three modes ends at its dashed line; one
            // cut off by the end of the file ends there and sets nothing more.
            if (Contains(row, L"-----") || file.AtEnd()) {
                complete = false;
                break;
            }
            // "1.00 ( 0.00+1.00 )": the parts of the translation factor
            // become words of their own.
            row = ReplaceAll(row, L"(", L" ");
            row = ReplaceAll(row, L"+", L" ");
            row = ReplaceAll(row, L")", L" ");
            *periods[mode] = CResultRow(row).At(2);
        }
        if (complete) {
            file.Find(L"-----");
            file.Skip(1);
        }
        found = file.Find(kModeTable);
    }
    return true;
}

// Step 2, second and third passes: the number in column of the first-storey
// row of the 0° and 90° response-spectrum tables.
void CORVEX18Result::ReadFirstStoreyForces(const std::wstring& basePath, int column, float& valueX,
                                           float& valueY)
{
    static const CDirectionTables kTables = {kPeriodFile, L"地震反应谱分析结果", L"  0.0度方向..", L"  90.0度方向..", 1};
    float x = 0, y = 0;
    bool found[2] = {false, false};
    auto readRow = [&](CCalcResultFile& file, int, float& value) { return ScanFirstStoreyRow(file, column, value); };
    // Without a 90° row nothing is kept; a 0° table without one counts 0.
    if (ReadDirectionTables(*m_files, basePath, kTables, readRow, x, y, found) && found[1]) {
        valueX = x;
        valueY = y;
    }
}

// Reads rows up to an empty line; the first row of exactly six numbers that
// belongs to the first storey gives its column-th number, and the scan stops
// there. Rows of other storeys, or with a different count of numbers (such as
// the tower sums), are passed over.
bool CORVEX18Result::ScanFirstStoreyRow(CCalcResultFile& file, int column, float& value) const
{
    const int firstStorey = m_basementFloorCount + 1;
    for (;;) {
        std::wstring line = file.ReadTrimmed();
        if (line.empty())
            return false;
        CResultRow row(line);
        if (row.m_count == 6 && TruncateToInt(row.At(1)) == firstStorey) {
            value = row.At(column);
            return true;
        }
    }
}

// Step 3: shear-to-weight ratio, the fifth number of the third line of each
// direction's table, printed in percent.
void CORVEX18Result::ReadShearWeightRatios(const std::wstring& basePath)
{
    static const CDirectionTables kTables = {kHorizontalFile, L"地震作用的剪重比", L"  0.00度地震方向..",
                                             L"  90.00度地震方向..", 2};
    float x = 0, y = 0;
    bool found[2] = {false, false};
    auto readRow = [this](CCalcResultFile& file, int, float& value) {
        value = ReadShearWeightRow(file);
        return true;
    };
    if (ReadDirectionTables(*m_files, basePath, kTables, readRow, x, y, found)) {
        m_shearWeightRatioX = x;
        m_shearWeightRatioY = y;
    }
}

float CORVEX18Result::ReadShearWeightRow(CCalcResultFile& file) const
{
    // "2.70 < 3.20": the comparison sign must not join a number.
    std::wstring line = ReplaceAll(file.ReadLine(), L"<", L" ");
    return CResultRow(line).At(5) * 0.01f;
}

// Step 4: the largest drifts under wind (each direction the smaller
// denominator of its two load cases), then the displacement ratios and
// drifts under earthquake.
void CORVEX18Result::ReadDrifts(const std::wstring& basePath)
{
    CCalcResultFile* opened = m_files->Open(stringFormat(kDisplacementFile, basePath.c_str()));
    if (!opened)
        return;
    CCalcResultFile& file = *opened;
    struct {
        const wchar_t* heading;
        float* drift;
    } const winds[] = {
        {L"-- 0度风荷载", &m_windDriftX},
        {L"-- 90度风荷载", &m_windDriftY},
        {L"-- 180度风荷载", &m_windDriftX},
        {L"-- 270度风荷载", &m_windDriftY},
    };
    for (const auto& wind : winds) {
        // A missing load case leaves the reader at the end of the file; the
        // next one is looked for from the start again.
        if (!ReadWindDriftTable(file, wind.heading, *wind.drift) && !file.Rewind())
            return;
    }
    if (!ReadDisplacementTable(file, L"-- 地震方向0度", m_dispRatioX, m_storeyDispRatioX, m_quakeDriftX))
        return;
    ReadDisplacementTable(file, L"-- 地震方向90度", m_dispRatioY, m_storeyDispRatioY, m_quakeDriftY);
}

// Step 5: displacement ratios under earthquake forces with accidental
// eccentricity, +ex then -ex, each field keeping the larger value. They are
// the ones to score only when the +ex tables of both directions are there.
void CORVEX18Result::ReadEccentricRatios(const std::wstring& basePath)
{
    CCalcResultFile* opened = m_files->Open(stringFormat(kDisplacementFile, basePath.c_str()));
    if (!opened)
        return;
    CCalcResultFile& file = *opened;
    file.Skip(1);
    if (!file.FindNth(L"给定CQC地震剪力换算的水平力并考虑偶然偏心下的位移比", 2))
        return;
    // The drift summaries of these tables are read but not kept.
    float drift = kNoDrift;
    if (!ReadDisplacementTable(file, L"-- +ex地震方向0度", m_eccDispRatioX, m_eccStoreyDispRatioX, drift))
        return;
    if (!ReadDisplacementTable(file, L"-- +ex地震方向90度", m_eccDispRatioY, m_eccStoreyDispRatioY, drift))
        return;
    m_hasEccentric = true;
    if (!ReadDisplacementTable(file, L"-- -ex地震方向0度", m_eccDispRatioX, m_eccStoreyDispRatioX, drift))
        return;
    ReadDisplacementTable(file, L"-- -ex地震方向90度", m_eccDispRatioY, m_eccStoreyDispRatioY, drift);
}

bool CORVEX18Result::ReadDisplacementTable(CCalcResultFile& file, const wchar_t* heading, float& ratio,
                                           float& storeyRatio, float& drift)
{
    if (!file.Find(heading))
        return false;
    file.Skip(6);
    std::wstring line = file.ReadLine();
    while (!Contains(line, kTableEnd)) {
        // A table cut off by the end of the file keeps what its rows gave;
        // there is no summary line to take a drift from.
        if (file.AtEnd())
            return true;
        // Two lines per storey: the displacement ratio is the third number
        // after the storey key of the first, the inter-storey ratio that of
        // the second.
        float value = CResultRow(DropPrefix(line, kDisplacementKey)).At(3);
        if (value > ratio)
            ratio = value;
        value = CResultRow(DropPrefix(file.ReadLine(), kDisplacementKey)).At(3);
        if (value > storeyRatio)
            storeyRatio = value;
        line = file.ReadLine();
    }
    ReadTableEnd(file, drift);
    return true;
}

bool CORVEX18Result::ReadWindDriftTable(CCalcResultFile& file, const wchar_t* heading, float& drift)
{
    if (!file.Find(heading))
        return false;
    file.Skip(6);
    std::wstring line = file.ReadLine();
    while (!Contains(line, kTableEnd)) {
        if (file.AtEnd())
            return true;
        // Two lines per storey; the dashed line comes after a pair.
        file.ReadLine();
        line = file.ReadLine();
    }
    ReadTableEnd(file, drift);
    return true;
}

// The summary line after a table's dashed line: a smaller drift denominator
// than the one recorded replaces it.
void CORVEX18Result::ReadTableEnd(CCalcResultFile& file, float& drift) const
{
    int denominator = 0;
    if (ParseDriftDenominator(file.ReadLine(), denominator) && (float)denominator < drift)
        drift = (float)denominator;
}

// Step 6: stiffness-to-weight ratio of the first storey, 0° and 90°.
void CORVEX18Result::ReadStiffWeightRatios(const std::wstring& basePath)
{
    static const CDirectionTables kTables = {kHorizontalFile, L"重力二阶效应及结构稳定", L"  0.00度方向..",
                                             L"  90.00度方向..", 0};
    // A direction without a matching row counts 0.
    float x = 0, y = 0;
    bool found[2] = {false, false};
    auto readTable = [this](CCalcResultFile& file, int direction, float& value) {
        return ReadStiffWeightTable(file, direction == 0, value);
    };
    if (ReadDirectionTables(*m_files, basePath, kTables, readTable, x, y, found)) {
        m_stiffWeightRatioX = x;
        m_stiffWeightRatioY = y;
    }
}

// Only the first 18 characters of a row (20 when the header has the
// bottom-storey column) are split. The analysis program's two tables are
// prepared differently, and leading white space shifts what falls inside
// that key: in the 0° table the rows keep their leading white space up to
// the matching row and lose it after; in the 90° table only the first row
// loses it.
bool CORVEX18Result::ReadStiffWeightTable(CCalcResultFile& file, bool zeroDegreeTable, float& value) const
{
    const size_t keyWidth = Contains(file.ReadLine(), L"底层号 塔号 刚重比") ? 20 : 18;
    auto nextRow = [&file](bool trimLeft) {
        std::wstring row = CCalcResultFile::TrimRight(ReplaceAll(file.ReadLine(), L"<", L" "));
        return trimLeft ? CCalcResultFile::TrimLeft(row) : row;
    };
    const int firstStorey = m_basementFloorCount + 1;

    std::wstring row = nextRow(!zeroDegreeTable);
    for (;;) {
        if (row.empty())
            return false;
        int storey = TruncateToInt(CResultRow(row.substr(0, keyWidth)).At(1) + 0.00001);
        if (storey == firstStorey || storey == m_resultOption + 1)
            break;
        row = nextRow(false);
    }
    value = CResultRow(row.substr(0, keyWidth)).At(3);
    // Further rows of the first storey (other towers) may raise the value.
    for (;;) {
        row = nextRow(zeroDegreeTable);
        if (row.empty())
            break;
        CResultRow key(row.substr(0, keyWidth));
        if (TruncateToInt(key.At(1)) != firstStorey)
            break;
        if (key.At(2) > value)
            value = key.At(2);
    }
    return true;
}

// Step 7: the smallest storey shear-capacity ratio of each direction; kept
// only when both directions have one.
void CORVEX18Result::ReadShearCapacityRatios(const std::wstring& basePath)
{
    static const CDirectionTables kTables = {kHorizontalFile, L"楼层层间抗侧力结构的承载力比值", L"    0(度)方向......",
                                             L"   90(度)方向.........", 1};
    float x = 0, y = 0;
    bool found[2] = {false, false};
    auto readTable = [this](CCalcResultFile& file, int, float& value) { return ReadLowestShearCapacity(file, value); };
    if (ReadDirectionTables(*m_files, basePath, kTables, readTable, x, y, found) && found[0] && found[1]) {
        m_shearCapRatioX = x;
        m_shearCapRatioY = y;
    }
}

// Rows of five numbers carry the ratio fourth, rows of four third (the
// storey number is left out on a tower's continuation row); other rows are
// passed over.
bool CORVEX18Result::ReadLowestShearCapacity(CCalcResultFile& file, float& minimum) const
{
    bool found = false;
    for (;;) {
        std::wstring line = file.ReadTrimmed();
        if (line.empty())
            return found;
        CResultRow row(line);
        float value;
        if (row.m_count == 5)
            value = row.At(4);
        else if (row.m_count == 4)
            value = row.At(3);
        else
            continue;
        if (!found || value < minimum) {
            minimum = value;
            found = true;
        }
    }
}

// Step 8: the storeys whose stiffness ratio (the last number of a row)
// exceeds 1.00001, in the order found, each once.
void CORVEX18Result::ReadWeakStoreys(const std::wstring& basePath, const wchar_t* tableName)
{
    CCalcResultFile* opened = m_files->Open(stringFormat(kStructureFile, basePath.c_str()));
    if (!opened)
        return;
    CCalcResultFile& file = *opened;
    if (!file.Find(tableName))
        return;
    if (!file.Find(L"  0(度)方向.."))
        return;
    file.Skip(1);
    m_weakStoreyCountX = 0;
    ReadWeakStoreyRows(file, false);
    if (!file.Find(L"  90(度)方向.."))
        return;
    file.Skip(1);
    m_weakStoreyCountY = 0;
    ReadWeakStoreyRows(file, true);
}

void CORVEX18Result::ReadWeakStoreyRows(CCalcResultFile& file, bool yDirection)
{
    int storey = 0;
    for (;;) {
        std::wstring line = file.ReadTrimmed();
        if (line.empty())
            return;
        // A row that starts with storey and tower names a new storey; a
        // tower's continuation row keeps the storey of the row before.
        CResultRow key(line.substr(0, 9));
        if (key.m_count >= 2)
            storey = TruncateToInt(key.At(1) + 0.00001);
        line = ReplaceAll(line, L"<", L" ");
        size_t space = line.rfind(L' ');
        std::wstring last = space == std::wstring::npos ? line : line.substr(space + 1);
        if (WideToDouble(last.c_str()) > 1.00001)
            AddWeakStorey(yDirection, (int16_t)storey);
    }
}
