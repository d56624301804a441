// A category full score as the standard page's edit holds it: reading the
// text the teacher typed, and showing a score. Which scores a standard may
// carry, and the messages that refuse one, are app/CategoryScores.h's.
#pragma once

#include <string>

// A score text as the score it sets, by the wide-text-to-double rule:
// leading white space, then the longest decimal number ("-12.5", "3e2",
// ".5"), rounded to a 32-bit float; text that does not begin with one
// counts as 0, and what follows the number is ignored. Hexadecimal, "inf"
// and "nan" are not numbers here. A number beyond the float range reads as
// an infinity, which the score check refuses.
float ScoreFromText(const std::wstring& text);

// A full score as the standard page shows it: "%.7g" (30, 12.5).
std::wstring ScoreShownText(float score);
