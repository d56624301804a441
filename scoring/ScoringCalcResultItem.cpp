// Scoring item of the category "计算结果".
#include "scoring/ScoringCalcResultItem.h"

#include "scoring/ScoringCategory.h"

CScoringCalcResultItem::CScoringCalcResultItem()
    : CScoringItem(GetDefaultFullScore(TM_CATEGORY_CALC_RESULT))
{
}

CScoringCalcResultItem::~CScoringCalcResultItem() = default;

bool CScoringCalcResultItem::AddValue(CTmData* value)
{
    return AddValueTo(m_values, value, L"计算结果字段 %s 重名,请另外命名一个名字!");
}

void CScoringCalcResultItem::Score(const CScoringItem& standard, float valueScore)
{
    ScoreValues(m_values, standard, valueScore);
}

float CScoringCalcResultItem::GetValueScore() const
{
    return ValueScoreOf(m_values, m_fullScore);
}

void CScoringCalcResultItem::ClearValues()
{
    m_values.clear();
}

CTmData* CScoringCalcResultItem::FindValue(const std::wstring& name) const
{
    return FindValueIn(m_values, name);
}

const CTmDataList& CScoringCalcResultItem::GetValues() const
{
    return m_values;
}

int CScoringCalcResultItem::GetCategory() const
{
    return TM_CATEGORY_CALC_RESULT;
}
