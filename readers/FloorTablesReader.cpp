// Floor tables, slanted columns, steel tubes, optimisation data and load
// cases of the .prj file.
#include "readers/FloorTablesReader.h"

#include <algorithm>

#include "readers/PrjConversions.h"
#include "readers/PrjLineReader.h"
#include "scoring/ScoringProject.h"
#include "tools/TmString.h"

namespace {

const int kLowerStoreysPerLine = 20;
const int kHeightsPerLine = 10;
const int kStandardStoreysPerLine = 35;
// Tables whose lines are read and dropped: three, after the slab grades.
const int kDiscardedTables = 3;
// A steel-tube kind above this is not one the program knows: kind 1.
const int kLargestTubeKind = 5;
const int kDefaultLoadCaseLineValues = 5;

const int8_t kFireLoadCode = 13;
// The fire load goes before the first load case of this code.
const int8_t kFireLoadSuccessorCode = 5;

}  // namespace

CFloorTablesReader::CFloorTablesReader(CPrjLineReader& line, CScoringProject& project, int32_t floorCount)
    : m_line(line), m_project(project), m_room(floorCount > 0 ? floorCount : 0)
{
}

// A count line must parse; when the file has ended (or the line holds no
// number) the count is 0, which leaves the table it belongs to as it was.
bool CFloorTablesReader::CountLine(int32_t& count)
{
    if (!m_line.IntegerLine(1))
        return false;
    count = m_line.Integer(0, 0);
    return true;
}

template <typename Run, typename MakeRun>
bool CFloorTablesReader::ReadRuns(int32_t count, int limit, bool reals, std::vector<Run>& table, MakeRun makeRun)
{
    std::vector<Run> runs;
    for (int32_t i = 0; i < count; ++i) {
        if (!(reals ? m_line.RealLine(limit) : m_line.IntegerLine(limit)))
            return false;
        if (m_line.AtEnd())
            break;
        // Runs beyond N are read to keep the place in the file, not kept.
        if ((int32_t)runs.size() < m_room)
            runs.push_back(makeRun(m_line));
    }
    if (!runs.empty())
        table.swap(runs);
    return true;
}

template <typename T>
bool CFloorTablesReader::ReadPerStoreyLines(std::vector<T>& table, int32_t entries, int perLine, bool reals)
{
    const int32_t fullLines = entries / perLine;
    const int rest = entries % perLine;
    const int32_t lines = fullLines + (rest != 0 ? 1 : 0);
    for (int32_t l = 0; l < lines && !m_line.AtEnd(); ++l) {
        const int limit = l < fullLines ? perLine : rest;
        if (!(reals ? m_line.RealLine(limit) : m_line.IntegerLine(limit)))
            return false;
        for (int j = 0; j < m_line.Count(); ++j) {
            const int64_t at = (int64_t)l * perLine + j;
            if (at < (int64_t)table.size())
                table[at] = reals ? (T)m_line.Real(j) : (T)m_line.Integer(j);
        }
    }
    return true;
}

bool CFloorTablesReader::ReadMasonryBlock()
{
    CFloorTables& tables = m_project.m_floorTables;
    auto makeRun = [](const CPrjLineReader& line) { return CFloorRun<float>{line.Int(0), line.Real(1)}; };
    int32_t count = 0;
    if (!m_line.RealLine(14))
        return false;
    m_line.SkipLine();
    if (!CountLine(count) || !ReadRuns(count, 2, true, tables.m_mortarGradeRuns, makeRun))
        return false;
    m_line.SkipLine();
    return CountLine(count) && ReadRuns(count, 2, true, tables.m_blockGradeRuns, makeRun);
}

bool CFloorTablesReader::ReadStoreyBlock()
{
    CFloorTables& tables = m_project.m_floorTables;
    if (!m_line.IntegerLine(1))
        return false;
    if (m_line.Has(0))
        tables.m_perStoreyMode = m_line.Integer(0) != 0;
    if (!ReadPerStoreyLines(tables.m_lowerStoreys, m_room, kLowerStoreysPerLine, false) ||
        !ReadPerStoreyLines(tables.m_storeyHeights, m_room, kHeightsPerLine, true))
        return false;
    int32_t groups = 0;
    if (!CountLine(groups))
        return false;
    const bool given = m_line.Has(0);
    if (!m_line.IntegerLine(groups))
        return false;
    if (given && !m_line.AtEnd()) {
        std::vector<int32_t> list = m_line.Integers();
        if ((int32_t)list.size() > m_room)
            list.resize(m_room);
        tables.m_storeyGroups.swap(list);
    }
    return true;
}

bool CFloorTablesReader::ReadStandardStoreys()
{
    m_line.SkipLine();
    // The count's parse is not tested: a line without a number leaves the
    // table and reads no storey line.
    m_line.IntegerLine(1);
    if (!m_line.Has(0))
        return true;
    const int32_t count = std::max(m_line.Integer(0), 0);
    std::vector<int32_t> tops(std::min(count, m_room));
    for (size_t i = 0; i < tops.size(); ++i)
        tops[i] = (int32_t)i + 1;
    if (!ReadPerStoreyLines(tops, count, kStandardStoreysPerLine, false))
        return false;
    m_project.m_floorTables.m_standardStoreyTops.swap(tops);
    return true;
}

bool CFloorTablesReader::ReadSlantedColumns()
{
    int32_t count = 0;
    return CountLine(count) &&
           ReadRuns(count, 3, true, m_project.m_floorTables.m_slantedColumnRuns, [](const CPrjLineReader& line) {
               return CSlantedColumnRun{line.Int(0), line.Real(1), line.Real(2)};
           });
}

bool CFloorTablesReader::ReadSteelTubes()
{
    int32_t count = 0;
    return CountLine(count) &&
           ReadRuns(count, 4, true, m_project.m_floorTables.m_steelTubeRuns, [](const CPrjLineReader& line) {
               int32_t kind = line.Int(3);
               if (kind > kLargestTubeKind)
                   kind = 1;
               return CSteelTubeRun{line.Int(0), line.Real(1), line.Real(2), kind};
           });
}

// Fields the lines do not give keep their defaults.
bool CFloorTablesReader::ReadOptimization()
{
    COptimizationParams& params = m_project.m_floorTables.m_optimization;
    if (!m_line.RealLine(9))
        return false;
    for (int i = 0; i < 7; ++i)
        params.m_leading[i] = m_line.Real(i, params.m_leading[i]);
    params.m_flags[0] = m_line.IntPrime(7, params.m_flags[0]);
    params.m_flags[1] = m_line.IntPrime(8, params.m_flags[1]);

    int32_t count = 0;
    if (!CountLine(count))
        return false;
    if (m_line.Has(0))
        params.m_storeyCount = count;
    for (int32_t i = 0; i < count && !m_line.AtEnd(); ++i) {
        if (!m_line.IntegerLine(1))
            return false;
        if (m_line.Has(0) && i < (int32_t)params.m_storeys.size())
            params.m_storeys[i] = m_line.Integer(0);
    }

    if (!m_line.RealLine(5))
        return false;
    params.m_ratios[0] = m_line.Real(0, params.m_ratios[0]);
    params.m_ratios[1] = m_line.Real(1, params.m_ratios[1]);
    for (int i = 0; i < 3; ++i)
        params.m_options[i] = m_line.IntPrime(2 + i, params.m_options[i]);
    if (!m_line.RealLine(3))
        return false;
    for (int i = 0; i < 3; ++i)
        params.m_limits[i] = m_line.Real(i, params.m_limits[i]);
    return true;
}

bool CFloorTablesReader::ReadLoadCases()
{
    int32_t count = 0;
    if (!CountLine(count))
        return false;
    m_project.m_loadCaseNames.clear();
    m_project.m_loadCaseShortNames.clear();
    m_project.m_loadCaseCodes.clear();
    // Three lines a case; a case the file ends within is not added.
    for (int32_t i = 0; i < count; ++i) {
        std::wstring name = m_line.TextLineWithoutLineFeed();
        if (m_line.AtEnd())
            break;
        std::wstring shortName = m_line.TextLineWithoutLineFeed();
        if (m_line.AtEnd())
            break;
        if (!m_line.IntegerLine(1))
            return false;
        if (m_line.AtEnd())
            break;
        m_project.m_loadCaseNames.push_back(name);
        m_project.m_loadCaseShortNames.push_back(shortName);
        m_project.m_loadCaseCodes.push_back(LowByte(m_line.Integer(0, 0)));
    }
    return true;
}

void CFloorTablesReader::EnsureFireLoad()
{
    std::vector<int8_t>& codes = m_project.m_loadCaseCodes;
    if (std::find(codes.begin(), codes.end(), kFireLoadCode) != codes.end())
        return;
    size_t at = std::find(codes.begin(), codes.end(), kFireLoadSuccessorCode) - codes.begin();
    // The three lists are kept parallel; a record whose lists differ in
    // length gets the fire load at a place all three have.
    at = std::min({at, m_project.m_loadCaseNames.size(), m_project.m_loadCaseShortNames.size()});
    m_project.m_loadCaseNames.insert(m_project.m_loadCaseNames.begin() + at, L"消防荷载");
    m_project.m_loadCaseShortNames.insert(m_project.m_loadCaseShortNames.begin() + at, L"消");
    codes.insert(codes.begin() + std::min(at, codes.size()), kFireLoadCode);
}

bool CFloorTablesReader::ReadTablesAndLoadCases(const std::wstring& header, int loadCaseLineValues)
{
    CFloorTables& tables = m_project.m_floorTables;
    if (!ReadStandardStoreys())
        return false;

    int32_t count = 0;
    m_line.SkipLine();
    if (!CountLine(count) || !ReadRuns(count, 2, true, tables.m_heightRuns, [](const CPrjLineReader& line) {
            return CFloorRun<float>{line.Int(0), line.Real(1)};
        }))
        return false;

    auto makeGradeRun = [](const CPrjLineReader& line) {
        return CFloorRun<int8_t>{line.Integer(0), LowByte(line.Integer(1))};
    };
    std::vector<CFloorRun<int8_t>>* grades[] = {&tables.m_wallColumnGradeRuns, &tables.m_beamGradeRuns,
                                                &tables.m_slabGradeRuns};
    for (std::vector<CFloorRun<int8_t>>* grade : grades) {
        m_line.SkipLine();
        if (!CountLine(count) || !ReadRuns(count, 2, false, *grade, makeGradeRun))
            return false;
    }
    for (int t = 0; t < kDiscardedTables; ++t) {
        m_line.SkipLine();
        if (!CountLine(count))
            return false;
        for (int32_t i = 0; i < count && !m_line.AtEnd(); ++i) {
            if (!m_line.IntegerLine(2))
                return false;
        }
    }

    if (m_line.KeywordLine(L"斜柱\n") && !ReadSlantedColumns())
        return false;
    if (m_line.KeywordLine(L"钢管\n") && !ReadSteelTubes())
        return false;

    m_line.SkipLine();
    if (!CountLine(count))
        return false;
    if (!m_line.RealLine(loadCaseLineValues < 1 ? kDefaultLoadCaseLineValues : loadCaseLineValues))
        return false;

    const std::wstring text = m_line.TextLine();
    if (TMTOOLS::String::StringCompareNoCase(text.c_str(), L"优化信息\n") == 0 && !ReadOptimization())
        return false;

    if (header.find(L"Version06.3") != std::wstring::npos && !ReadLoadCases())
        return false;
    EnsureFireLoad();
    return true;
}
