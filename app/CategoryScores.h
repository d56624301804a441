// The six category full scores of a scoring standard: which sets of them a
// standard may carry, and the message that refuses one. The settings
// dialog and the scoring-standard file use the same rule and messages.
#pragma once

#include "scoring/ScoringCategory.h"

// The first category, in category order, whose score refuses the standard;
// -1 when all six are usable. Refused: a score below -0.00001 (a slip such
// as -0.000001 passes, as the dialog has always let it), one that is
// not finite, or one that makes the sum of the scores up to it infinite as
// a 32-bit float (the form of a total). Any of these would give totals
// that mean nothing.
int FindRefusedCategoryScore(const float (&scores)[TM_CATEGORY_COUNT]);

// "总体信息分值应>=0!" and its five siblings, in category order; null outside.
const wchar_t* RefusedCategoryScoreMessage(int category);
