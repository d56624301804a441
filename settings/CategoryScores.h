// The six category full scores as the teacher types them: reading a score
// text, showing a score, and the one check every way of setting a standard
// applies before the scores are taken.
//
// Depends on nothing but the category order, so that any place that takes
// scores (the settings dialog, an imported standard) can share the check
// and its messages.
#pragma once

#include <string>

#include "scoring/ScoringCategory.h"

// A score text as the score it sets, by the wide-text-to-double rule:
// leading white space, then the longest decimal number ("-12.5", "3e2",
// ".5"), rounded to a 32-bit float; text that does not begin with one
// counts as 0, and what follows the number is ignored. Hexadecimal, "inf"
// and "nan" are not numbers here. A number beyond the float range reads as
// an infinity, which the check below refuses.
float ScoreFromText(const std::wstring& text);

// A full score as the standard page shows it: "%.7g" (30, 12.5).
std::wstring ScoreShownText(float score);

// The message for the first unacceptable score in category order, or null
// when all six are acceptable. A score is refused when it is below
// -0.00001, when it is not finite, or when it makes the sum of the scores
// so far not finite as a 32-bit float (every total would then be inf).
// The message names the category: "总体信息分值应>=0!", "各层信息分值应>=0!",
// "结构模型与荷载分值应>=0!", "计算结果分值应>=0!", "施工图分值应>=0!",
// "钢筋算量接口分值应>=0!".
const wchar_t* CategoryScoresFault(const float (&scores)[TM_CATEGORY_COUNT]);
