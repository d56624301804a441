// Scoring item of the category "各层信息".
#include "scoring/ScoringLayerInfoItem.h"

#include "scoring/ScoringCategory.h"

CScoringLayerInfoItem::CScoringLayerInfoItem()
    : CScoringItem(GetDefaultFullScore(TM_CATEGORY_LAYER_INFO))
{
}

CScoringLayerInfoItem::~CScoringLayerInfoItem() = default;

bool CScoringLayerInfoItem::AddValue(CTmData* value)
{
    return AddValueTo(m_values, value, L"各层信息字段 %s 重名,请另外命名一个名字!");
}

void CScoringLayerInfoItem::Score(const CScoringItem& standard, float valueScore)
{
    ScoreValues(m_values, standard, valueScore);
}

float CScoringLayerInfoItem::GetValueScore() const
{
    return ValueScoreOf(m_values, m_fullScore);
}

void CScoringLayerInfoItem::ClearValues()
{
    m_values.clear();
}

CTmData* CScoringLayerInfoItem::FindValue(const std::wstring& name) const
{
    return FindValueIn(m_values, name);
}

const CTmDataList& CScoringLayerInfoItem::GetValues() const
{
    return m_values;
}

int CScoringLayerInfoItem::GetCategory() const
{
    return TM_CATEGORY_LAYER_INFO;
}
