// What every scoring item has: its scores and its category's name.
#include "scoring/ScoringItem.h"

#include "scoring/ScoringCategory.h"

CScoringItem::CScoringItem(float fullScore) : m_fullScore(fullScore), m_score(0.0f) {}

CScoringItem::~CScoringItem() = default;

const wchar_t* CScoringItem::GetCategoryName() const
{
    return ::GetCategoryName(GetCategory());
}
