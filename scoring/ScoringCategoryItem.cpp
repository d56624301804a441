// The behaviour the six category items share.
#include "scoring/ScoringCategoryItem.h"

#include "scoring/ValueLookup.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

CScoringCategoryItem::CScoringCategoryItem(int category)
    : CScoringItem(GetDefaultFullScore(category)), m_category(category)
{
}

CScoringCategoryItem::~CScoringCategoryItem() = default;

bool CScoringCategoryItem::AddValue(CTmData* value)
{
    std::unique_ptr<CTmData> owned(value);
    if (!owned)
        return false;
    if (FindValue(owned->m_name)) {
        // The first value of a name stays; the newcomer is dropped.
        const std::wstring format = std::wstring(GetCategoryName()) + L"字段 %s 重名,请另外命名一个名字!";
        std::wstring text = TMTOOLS::String::stringFormat(format.c_str(), owned->m_name.c_str());
        TMTOOLS::OS::TmShowMessage(text.c_str(), L"警告");
        return false;
    }
    m_values.push_back(std::move(owned));
    return true;
}

CTmData* CScoringCategoryItem::FindValue(const std::wstring& name) const
{
    for (const std::unique_ptr<CTmData>& value : m_values) {
        if (value->m_name == name)
            return value.get();
    }
    return nullptr;
}

float CScoringCategoryItem::GetValueScore() const
{
    int selected = 0;
    for (const std::unique_ptr<CTmData>& value : m_values) {
        if (value->m_selected)
            ++selected;
    }
    if (selected <= 0)
        return 0.0f;
    // One share, rounded to float: 30 / 7 is 4.2857141.
    float share = m_fullScore / static_cast<float>(selected);
    return share;
}

void CScoringCategoryItem::Score(const CScoringItem& standard, float valueScore)
{
    m_score = 0.0f;
    for (const std::unique_ptr<CTmData>& value : m_values)
        value->m_score = 0.0f;

    const CTmDataList& standardValues = standard.GetValues();
    CValueLookup lookup(m_values);
    for (size_t p = 0; p < standardValues.size(); ++p) {
        const std::unique_ptr<CTmData>& s = standardValues[p];
        if (!s->m_selected)
            continue;
        CTmData* t = lookup.Find(s->m_name, p);
        if (!t)
            continue;
        if (s->IsEqual(*t)) {
            t->m_score = valueScore;
            // Accumulated in float: seven shares of 30 / 7 make 29.999996.
            m_score += valueScore;
        }
    }
}

void CScoringCategoryItem::ClearValues()
{
    m_values.clear();
}

const CTmDataList& CScoringCategoryItem::GetValues() const
{
    return m_values;
}

int CScoringCategoryItem::GetCategory() const
{
    return m_category;
}
