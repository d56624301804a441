// The scoring item of one category: the interface the computation, the
// views and the workbooks use.
//
// An item owns the values the readers found for its category, carries the
// category's full score and the score earned in the last computation. The
// behaviour the six categories share is CScoringCategoryItem's
// (scoring/ScoringCategoryItem.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "scoring/TmData.h"

// Owning, ordered list of values (order of insertion: the reader's order).
typedef std::vector<std::unique_ptr<CTmData>> CTmDataList;

class CScoringItem {
public:
    explicit CScoringItem(float fullScore);
    virtual ~CScoringItem();
    CScoringItem(const CScoringItem&) = delete;
    CScoringItem& operator=(const CScoringItem&) = delete;

    // Scores this (student) item against the standard project's item of the
    // same category: every selected standard value matched by the student's
    // namesake earns valueScore; everything else earns 0.
    virtual void Score(const CScoringItem& standard, float valueScore) = 0;
    // What one matched value is worth in this (standard) item: the full
    // score shared among the selected values, 0 when none is selected.
    virtual float GetValueScore() const = 0;
    // Deletes every value (model facts of the general item stay).
    virtual void ClearValues() = 0;
    // First value named exactly name (case-sensitive), or null.
    virtual CTmData* FindValue(const std::wstring& name) const = 0;

    // The values in order. The list is the item's; the values in it may be
    // changed (m_selected, m_score) but not removed or replaced.
    virtual const CTmDataList& GetValues() const = 0;
    // The category of this item (TM_CATEGORY_...) and its name.
    virtual int GetCategory() const = 0;
    const wchar_t* GetCategoryName() const;

    float m_fullScore;
    float m_score;
};
