// Scoring item of the category "总信息".
#include "scoring/ScoringGenInfoItem.h"

#include "scoring/ScoringCategory.h"

CScoringGenInfoItem::CScoringGenInfoItem()
    : CScoringItem(GetDefaultFullScore(TM_CATEGORY_GEN_INFO)),
      m_floorCount(0),
      m_basementFloorCount(0),
      m_resultOption(0)
{
}

CScoringGenInfoItem::~CScoringGenInfoItem() = default;

bool CScoringGenInfoItem::AddValue(CTmData* value)
{
    return AddValueTo(m_values, value, L"总信息字段 %s 重名,请另外命名一个名字!");
}

void CScoringGenInfoItem::Score(const CScoringItem& standard, float valueScore)
{
    ScoreValues(m_values, standard, valueScore);
}

float CScoringGenInfoItem::GetValueScore() const
{
    return ValueScoreOf(m_values, m_fullScore);
}

void CScoringGenInfoItem::ClearValues()
{
    m_values.clear();
}

CTmData* CScoringGenInfoItem::FindValue(const std::wstring& name) const
{
    return FindValueIn(m_values, name);
}

const CTmDataList& CScoringGenInfoItem::GetValues() const
{
    return m_values;
}

int CScoringGenInfoItem::GetCategory() const
{
    return TM_CATEGORY_GEN_INFO;
}
