// Scoring item of the category "钢筋算量接口".
#include "scoring/ScoringTmQIItem.h"

#include "scoring/ScoringCategory.h"

CScoringTmQIItem::CScoringTmQIItem()
    : CScoringItem(GetDefaultFullScore(TM_CATEGORY_TMQI))
{
}

CScoringTmQIItem::~CScoringTmQIItem() = default;

bool CScoringTmQIItem::AddValue(CTmData* value)
{
    return AddValueTo(m_values, value, L"钢筋算量接口字段 %s 重名,请另外命名一个名字!");
}

void CScoringTmQIItem::Score(const CScoringItem& standard, float valueScore)
{
    ScoreValues(m_values, standard, valueScore);
}

float CScoringTmQIItem::GetValueScore() const
{
    return ValueScoreOf(m_values, m_fullScore);
}

void CScoringTmQIItem::ClearValues()
{
    m_values.clear();
}

CTmData* CScoringTmQIItem::FindValue(const std::wstring& name) const
{
    return FindValueIn(m_values, name);
}

const CTmDataList& CScoringTmQIItem::GetValues() const
{
    return m_values;
}

int CScoringTmQIItem::GetCategory() const
{
    return TM_CATEGORY_TMQI;
}
