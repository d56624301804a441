// Scoring item of the category "总信息".
//
// Besides its values it keeps three model facts that the model reader finds
// in the .prj header and "总信息" section and that later readers need; they
// are not scored.
#pragma once

#include <cstdint>

#include "scoring/ScoringCategoryItem.h"

class CScoringGenInfoItem : public CScoringCategoryItem {
public:
    CScoringGenInfoItem();
    ~CScoringGenInfoItem() override;

    // Number of computed storeys ("结构计算总层数"); the per-storey values are
    // created for this many storeys.
    int32_t m_floorCount;
    // Basement storeys with lateral restraint ("有侧约束的地下室层数").
    int32_t m_basementFloorCount;
    // Value #19 of the "总信息" data line: a storey number handed on to the
    // result reader (0 when the line is shorter).
    int32_t m_resultOption;
};
