// Scoring item of the category "施工图".
#include "scoring/ScoringWorkDrawingItem.h"

#include "scoring/ScoringCategory.h"

CScoringWorkDrawingItem::CScoringWorkDrawingItem()
    : CScoringItem(GetDefaultFullScore(TM_CATEGORY_WORK_DRAWING))
{
}

CScoringWorkDrawingItem::~CScoringWorkDrawingItem() = default;

bool CScoringWorkDrawingItem::AddValue(CTmData* value)
{
    return AddValueTo(m_values, value, L"施工图字段 %s 重名,请另外命名一个名字!");
}

void CScoringWorkDrawingItem::Score(const CScoringItem& standard, float valueScore)
{
    ScoreValues(m_values, standard, valueScore);
}

float CScoringWorkDrawingItem::GetValueScore() const
{
    return ValueScoreOf(m_values, m_fullScore);
}

void CScoringWorkDrawingItem::ClearValues()
{
    m_values.clear();
}

CTmData* CScoringWorkDrawingItem::FindValue(const std::wstring& name) const
{
    return FindValueIn(m_values, name);
}

const CTmDataList& CScoringWorkDrawingItem::GetValues() const
{
    return m_values;
}

int CScoringWorkDrawingItem::GetCategory() const
{
    return TM_CATEGORY_WORK_DRAWING;
}
