// The rule for the six category full scores and its messages.
#include "app/CategoryScores.h"

#include <cmath>

namespace {

const float kLowestScore = -0.00001f;

// The dialog's labels, not the category names: "总体信息", not "总信息".
const wchar_t* const kMessages[TM_CATEGORY_COUNT] = {
    L"总体信息分值应>=0!",   L"各层信息分值应>=0!", L"结构模型与荷载分值应>=0!",
    L"计算结果分值应>=0!", L"施工图分值应>=0!",   L"钢筋算量接口分值应>=0!",
};

}  // namespace

int FindRefusedCategoryScore(const float (&scores)[TM_CATEGORY_COUNT])
{
    // The sum as a total is formed (added in double, rounded to float), so
    // that 3e38 twice is caught though each is a float.
    double sum = 0.0;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        if (!std::isfinite(scores[k]) || scores[k] < kLowestScore)
            return k;
        sum += scores[k];
        const float rounded = (float)sum;
        if (!std::isfinite(rounded))
            return k;
    }
    return -1;
}

const wchar_t* RefusedCategoryScoreMessage(int category)
{
    return category >= 0 && category < TM_CATEGORY_COUNT ? kMessages[category] : nullptr;
}
