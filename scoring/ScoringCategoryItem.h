// The scoring item of one category with the behaviour all six share: it
// owns the values the readers found for the category, refuses a second
// value of a name, shares the full score among the selected values and
// scores a student item against the standard item.
//
// The six categories differ only in their name, which also words the
// duplicate-name message; "总信息" adds model facts of its own
// (CScoringGenInfoItem). The five others are this class under the name of
// their category, as distinct types.
#pragma once

#include "scoring/ScoringCategory.h"
#include "scoring/ScoringItem.h"

class CScoringCategoryItem : public CScoringItem {
public:
    // An empty item of category (TM_CATEGORY_...) with its default full
    // score.
    explicit CScoringCategoryItem(int category);
    ~CScoringCategoryItem() override;

    // Takes value, or refuses a second value of its name with
    // "<category name>字段 %s 重名,请另外命名一个名字!" (caption "警告") and
    // deletes it. Null is ignored. Returns whether value was kept.
    bool AddValue(CTmData* value);

    void Score(const CScoringItem& standard, float valueScore) override;
    float GetValueScore() const override;
    void ClearValues() override;
    CTmData* FindValue(const std::wstring& name) const override;
    const CTmDataList& GetValues() const override;
    int GetCategory() const override;

    CTmDataList m_values;

private:
    int m_category;
};

template <int Category>
class CScoringItemOf : public CScoringCategoryItem {
public:
    CScoringItemOf() : CScoringCategoryItem(Category) {}
};

typedef CScoringItemOf<TM_CATEGORY_LAYER_INFO> CScoringLayerInfoItem;      // "各层信息"
typedef CScoringItemOf<TM_CATEGORY_GOUJIAN> CScoringGoujianItem;           // "结构模型与荷载"
typedef CScoringItemOf<TM_CATEGORY_CALC_RESULT> CScoringCalcResultItem;    // "计算结果"
typedef CScoringItemOf<TM_CATEGORY_WORK_DRAWING> CScoringWorkDrawingItem;  // "施工图"
typedef CScoringItemOf<TM_CATEGORY_TMQI> CScoringTmQIItem;                 // "钢筋算量接口"
