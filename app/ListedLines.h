// A list of names inside one message, kept short: the first twenty are
// listed, one per line, and the rest counted. A hostile input can hold
// tens of thousands of entries; a message of that many lines helps nobody.
#pragma once

#include <string>
#include <vector>

const size_t TM_LISTED_LINES = 20;

// "\nfirst\nsecond..." and, past TM_LISTED_LINES, "\n……另有 %d 处未列出".
std::wstring ListedLines(const std::vector<std::wstring>& lines);
