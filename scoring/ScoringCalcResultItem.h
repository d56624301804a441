// Scoring item of the category "计算结果".
#pragma once

#include "scoring/ScoringItem.h"

class CScoringCalcResultItem : public CScoringItem {
public:
    CScoringCalcResultItem();
    ~CScoringCalcResultItem() override;

    // Takes value, or refuses a duplicate name with
    // "计算结果字段 %s 重名,请另外命名一个名字!" (caption "警告") and deletes it.
    // Returns whether value was kept.
    bool AddValue(CTmData* value);

    void Score(const CScoringItem& standard, float valueScore) override;
    float GetValueScore() const override;
    void ClearValues() override;
    CTmData* FindValue(const std::wstring& name) const override;
    const CTmDataList& GetValues() const override;
    int GetCategory() const override;

    CTmDataList m_values;
};
