// The floor tables of a project: defaults and emptying.
#include "scoring/FloorTables.h"

namespace {

template <typename T>
void OneRun(std::vector<CFloorRun<T>>& runs, int32_t top, T value)
{
    runs.assign(1, CFloorRun<T>{top, value});
}

}  // namespace

CFloorTables::CFloorTables()
{
    Clear();
}

void CFloorTables::Clear()
{
    m_floorCount = 0;
    m_standardStoreyTops.clear();
    m_heightRuns.clear();
    m_wallColumnGradeRuns.clear();
    m_beamGradeRuns.clear();
    m_slabGradeRuns.clear();
    m_mortarGradeRuns.clear();
    m_blockGradeRuns.clear();
    m_slantedColumnRuns.clear();
    m_steelTubeRuns.clear();
    m_perStoreyMode = true;
    m_lowerStoreys.clear();
    m_storeyHeights.clear();
    m_storeyGroups.clear();
    m_optimization = COptimizationParams{{0.9f, 0.0f, 0.8f, 0.0f, 0.7f, 0.0f, 5.0f},
                                         {1, 1},
                                         0,
                                         {},
                                         {2.5f, 2.5f},
                                         {1, 1, 1},
                                         {2.0f, 0.08f, 2.0f},
                                         {3, 0, 0}};
}

void CFloorTables::Reset(int32_t floorCount)
{
    Clear();
    m_floorCount = floorCount;
    const int32_t n = floorCount > 0 ? floorCount : 0;

    for (int32_t i = 0; i < n; ++i)
        m_standardStoreyTops.push_back(i + 1);
    OneRun(m_heightRuns, floorCount, 3.0f);
    OneRun(m_wallColumnGradeRuns, floorCount, static_cast<int8_t>(25));
    OneRun(m_beamGradeRuns, floorCount, static_cast<int8_t>(20));
    OneRun(m_slabGradeRuns, floorCount, static_cast<int8_t>(20));
    OneRun(m_mortarGradeRuns, floorCount, 5.0f);
    OneRun(m_blockGradeRuns, floorCount, 7.5f);
    m_slantedColumnRuns.assign(1, CSlantedColumnRun{floorCount, 25.0f, 0.0f});
    m_steelTubeRuns.assign(1, CSteelTubeRun{floorCount, 25.0f, 0.0f, 1});

    m_perStoreyMode = true;
    for (int32_t i = 0; i < n; ++i)
        m_lowerStoreys.push_back(i);  // storey i + 1 stands on storey i
    m_storeyHeights.assign(n, 3.0f);
    m_storeyGroups.assign(1, floorCount);

    m_optimization.m_storeyCount = floorCount;
    for (int32_t i = 0; i < n; ++i)
        m_optimization.m_storeys.push_back(i + 1);
}
