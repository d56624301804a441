// The floor tables of a project: what the model reader finds about the
// storeys in the .prj file, before it is turned into per-storey values.
//
// Storeys are numbered from 1. Most tables are run tables: each run gives one
// value to every storey up to its top storey (tops ascending). The tables are
// created with their defaults for N storeys when the model reader has read N
// (Reset), filled as the reader walks on, and emptied with the project
// (Clear). The slanted-column, steel-tube, storey-group and optimisation
// tables are kept but no value is made from them.
#pragma once

#include <cstdint>
#include <vector>

// One run of a run table: storeys up to m_top hold m_value.
template <typename T>
struct CFloorRun {
    int32_t m_top;
    T m_value;
};

// One run of the "斜柱" table.
struct CSlantedColumnRun {
    int32_t m_top;
    float m_value1;
    float m_value2;
};

// One run of the "钢管" table.
struct CSteelTubeRun {
    int32_t m_top;
    float m_value1;
    float m_value2;
    int32_t m_value3;
};

// The "优化信息" section, in the order the file gives it.
struct COptimizationParams {
    float m_leading[7];      // default 0.9, 0, 0.8, 0, 0.7, 0, 5.0
    int32_t m_flags[2];      // default 1, 1
    int32_t m_storeyCount;   // default N
    std::vector<int32_t> m_storeys;  // at most N entries; default 1 to N
    float m_ratios[2];       // default 2.5, 2.5
    int32_t m_options[3];    // default 1, 1, 1
    float m_limits[3];       // default 2.0, 0.08, 2.0
    int32_t m_tail[3];       // default 3, 0, 0 (not in the file)
};

class CFloorTables {
public:
    CFloorTables();

    // Every table with its default for floorCount storeys (N < 1: the lists
    // hold no storey, the runs get top N all the same).
    void Reset(int32_t floorCount);
    // Every table empty, the per-storey mode flag true (a new project).
    void Clear();

    // N, the storey count the tables were created for (0 when empty).
    int32_t m_floorCount;

    // Standard storeys: the top structural storey of each standard storey
    // (M entries; default M = N, entry i = i + 1).
    std::vector<int32_t> m_standardStoreyTops;

    std::vector<CFloorRun<float>> m_heightRuns;               // default (N, 3.0)
    std::vector<CFloorRun<int8_t>> m_wallColumnGradeRuns;     // default (N, 25)
    std::vector<CFloorRun<int8_t>> m_beamGradeRuns;           // default (N, 20)
    std::vector<CFloorRun<int8_t>> m_slabGradeRuns;           // default (N, 20)
    std::vector<CFloorRun<float>> m_mortarGradeRuns;          // default (N, 5.0)
    std::vector<CFloorRun<float>> m_blockGradeRuns;           // default (N, 7.5)
    std::vector<CSlantedColumnRun> m_slantedColumnRuns;       // default (N, 25, 0)
    std::vector<CSteelTubeRun> m_steelTubeRuns;               // default (N, 25, 0, 1)

    // Per-storey tables of the "VESKO" block. When m_perStoreyMode is true
    // they, not the runs, give each storey's lower storey and height.
    bool m_perStoreyMode;                  // default true
    std::vector<int32_t> m_lowerStoreys;   // N entries; default entry i = i
    std::vector<float> m_storeyHeights;    // N entries; default 3.0
    std::vector<int32_t> m_storeyGroups;   // default one entry, N

    COptimizationParams m_optimization;
};
