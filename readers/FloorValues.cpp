// The per-storey values of "各层信息", made from the floor tables once the
// model file has been read.
//
// Eight quantities per storey, each looked up in its table: the standard
// storey, the storey below, the height and five material grades. The values
// are created pass by pass (all standard storeys, then all lower storeys,
// ...), which is the order the score table lists them in.
#include <vector>

#include "readers/ProjectModelReader.h"
#include "scoring/ScoringProject.h"
#include "scoring/TmData.h"
#include "tools/TmString.h"

namespace {

// The standard storey of storey g: the first (1-based) whose top storey is
// at least g, 1 when none is.
int StandardStoreyOf(const std::vector<int32_t>& tops, int g)
{
    for (size_t i = 0; i < tops.size(); ++i) {
        if (tops[i] >= g)
            return (int)i + 1;
    }
    return 1;
}

// Index of the first run whose top is at least g, or -1.
template <typename Run>
int FirstRunReaching(const std::vector<Run>& runs, int g)
{
    for (size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].m_top >= g)
            return (int)i;
    }
    return -1;
}

// A storey above every run takes the first run's height but the last run's
// grade: so the analysis program reads its tables, and the standard project
// was made by it.
float HeightOf(const std::vector<CFloorRun<float>>& runs, int g, float fallback)
{
    if (runs.empty())
        return fallback;
    const int i = FirstRunReaching(runs, g);
    return runs[i < 0 ? 0 : i].m_value;
}

template <typename T>
float GradeOf(const std::vector<CFloorRun<T>>& runs, int g, float fallback)
{
    if (runs.empty())
        return fallback;
    const int i = FirstRunReaching(runs, g);
    return (float)runs[i < 0 ? runs.size() - 1 : i].m_value;
}

struct CStorey {
    int m_standard;
    int m_lower;
    float m_height;
    float m_grades[5];
};

const wchar_t* const kGradeNames[5] = {
    L"结构层%d的墙柱砼等级", L"结构层%d的梁砼等级", L"结构层%d的板砼等级",
    L"结构层%d的砂浆等级",   L"结构层%d的砌块等级",
};
// Grades a table without runs (never the case after a read) falls back to:
// the defaults of the tables.
const float kGradeDefaults[5] = {25.0f, 20.0f, 20.0f, 5.0f, 7.5f};
const float kDefaultHeight = 3.0f;

}  // namespace

void CreateFloorValues(CScoringProject& project, int floorCount)
{
    if (floorCount < 1)
        return;
    if (floorCount > kMaxPrjFloorCount)
        floorCount = kMaxPrjFloorCount;
    const CFloorTables& tables = project.m_floorTables;
    std::vector<CStorey> storeys(floorCount);
    for (int g = 1; g <= floorCount; ++g) {
        CStorey& storey = storeys[g - 1];
        storey.m_standard = StandardStoreyOf(tables.m_standardStoreyTops, g);
        const size_t at = (size_t)(g - 1);
        if (tables.m_perStoreyMode) {
            storey.m_lower = at < tables.m_lowerStoreys.size() ? tables.m_lowerStoreys[at] : g - 1;
            storey.m_height = at < tables.m_storeyHeights.size() ? tables.m_storeyHeights[at] : kDefaultHeight;
        } else {
            storey.m_lower = g - 1;
            storey.m_height = HeightOf(tables.m_heightRuns, g, kDefaultHeight);
        }
        storey.m_grades[0] = GradeOf(tables.m_wallColumnGradeRuns, g, kGradeDefaults[0]);
        storey.m_grades[1] = GradeOf(tables.m_beamGradeRuns, g, kGradeDefaults[1]);
        storey.m_grades[2] = GradeOf(tables.m_slabGradeRuns, g, kGradeDefaults[2]);
        storey.m_grades[3] = GradeOf(tables.m_mortarGradeRuns, g, kGradeDefaults[3]);
        storey.m_grades[4] = GradeOf(tables.m_blockGradeRuns, g, kGradeDefaults[4]);
    }

    using TMTOOLS::String::stringFormat;
    CScoringLayerInfoItem& item = project.m_layerInfoItem;
    for (int g = 1; g <= floorCount; ++g)
        item.AddValue(new CTmIntData(stringFormat(L"结构层%d的标准层号", g), TM_GROUP_FLOOR, storeys[g - 1].m_standard));
    for (int g = 1; g <= floorCount; ++g)
        item.AddValue(new CTmIntData(stringFormat(L"结构层%d的下端层号", g), TM_GROUP_FLOOR, storeys[g - 1].m_lower));
    for (int g = 1; g <= floorCount; ++g)
        item.AddValue(new CTmFloatData(stringFormat(L"结构层%d的层高", g), TM_GROUP_FLOOR, storeys[g - 1].m_height));
    for (int k = 0; k < 5; ++k) {
        for (int g = 1; g <= floorCount; ++g)
            item.AddValue(new CTmFloatData(stringFormat(kGradeNames[k], g), TM_GROUP_FLOOR, storeys[g - 1].m_grades[k]));
    }
}
