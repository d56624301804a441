// Scoring item of the category "总信息".
#include "scoring/ScoringGenInfoItem.h"

CScoringGenInfoItem::CScoringGenInfoItem()
    : CScoringCategoryItem(TM_CATEGORY_GEN_INFO), m_floorCount(0), m_basementFloorCount(0), m_resultOption(0)
{
}

CScoringGenInfoItem::~CScoringGenInfoItem() = default;
