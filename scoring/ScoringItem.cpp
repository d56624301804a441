// The behaviour the six category items share.
#include "scoring/ScoringItem.h"

#include "scoring/ScoringCategory.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

CScoringItem::CScoringItem(float fullScore) : m_fullScore(fullScore), m_score(0.0f) {}

CScoringItem::~CScoringItem() = default;

const wchar_t* CScoringItem::GetCategoryName() const
{
    return ::GetCategoryName(GetCategory());
}

bool CScoringItem::AddValueTo(CTmDataList& values, CTmData* value, const wchar_t* duplicateFormat)
{
    std::unique_ptr<CTmData> owned(value);
    if (!owned)
        return false;
    if (FindValueIn(values, owned->m_name)) {
        // The first value of a name stays; the newcomer is dropped.
        std::wstring text = TMTOOLS::String::stringFormat(duplicateFormat, owned->m_name.c_str());
        TMTOOLS::OS::TmShowMessage(text.c_str(), L"警告");
        return false;
    }
    values.push_back(std::move(owned));
    return true;
}

CTmData* CScoringItem::FindValueIn(const CTmDataList& values, const std::wstring& name)
{
    for (const std::unique_ptr<CTmData>& value : values) {
        if (value->m_name == name)
            return value.get();
    }
    return nullptr;
}

float CScoringItem::ValueScoreOf(const CTmDataList& values, float fullScore)
{
    int selected = 0;
    for (const std::unique_ptr<CTmData>& value : values) {
        if (value->m_selected)
            ++selected;
    }
    if (selected <= 0)
        return 0.0f;
    // One share, rounded to float: 30 / 7 is 4.2857141.
    float share = fullScore / static_cast<float>(selected);
    return share;
}

void CScoringItem::ScoreValues(const CTmDataList& values, const CScoringItem& standard,
                               float valueScore)
{
    m_score = 0.0f;
    for (const std::unique_ptr<CTmData>& value : values)
        value->m_score = 0.0f;

    for (const std::unique_ptr<CTmData>& s : standard.GetValues()) {
        CTmData* t = FindValueIn(values, s->m_name);
        if (!t || !s->m_selected)
            continue;
        if (s->IsEqual(*t)) {
            t->m_score = valueScore;
            // Accumulated in float: seven shares of 30 / 7 make 29.999996.
            m_score += valueScore;
        }
    }
}
