// The six scoring categories: names and default full scores.
#include "scoring/ScoringCategory.h"

namespace {

const wchar_t* const kCategoryNames[TM_CATEGORY_COUNT] = {
    L"总信息", L"各层信息", L"结构模型与荷载", L"计算结果", L"施工图", L"钢筋算量接口",
};

const float kDefaultFullScores[TM_CATEGORY_COUNT] = {30.0f, 30.0f, 20.0f, 20.0f, 0.0f, 0.0f};

}  // namespace

const wchar_t* GetCategoryName(int category)
{
    if (category < 0 || category >= TM_CATEGORY_COUNT)
        return L"";
    return kCategoryNames[category];
}

float GetDefaultFullScore(int category)
{
    if (category < 0 || category >= TM_CATEGORY_COUNT)
        return 0.0f;
    return kDefaultFullScores[category];
}
