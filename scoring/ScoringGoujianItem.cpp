// Scoring item of the category "结构模型与荷载".
#include "scoring/ScoringGoujianItem.h"

#include "scoring/ScoringCategory.h"

CScoringGoujianItem::CScoringGoujianItem()
    : CScoringItem(GetDefaultFullScore(TM_CATEGORY_GOUJIAN))
{
}

CScoringGoujianItem::~CScoringGoujianItem() = default;

bool CScoringGoujianItem::AddValue(CTmData* value)
{
    return AddValueTo(m_values, value, L"结构模型与荷载字段 %s 重名,请另外命名一个名字!");
}

void CScoringGoujianItem::Score(const CScoringItem& standard, float valueScore)
{
    ScoreValues(m_values, standard, valueScore);
}

float CScoringGoujianItem::GetValueScore() const
{
    return ValueScoreOf(m_values, m_fullScore);
}

void CScoringGoujianItem::ClearValues()
{
    m_values.clear();
}

CTmData* CScoringGoujianItem::FindValue(const std::wstring& name) const
{
    return FindValueIn(m_values, name);
}

const CTmDataList& CScoringGoujianItem::GetValues() const
{
    return m_values;
}

int CScoringGoujianItem::GetCategory() const
{
    return TM_CATEGORY_GOUJIAN;
}
