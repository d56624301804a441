// How wide a text is on a terminal or in a spreadsheet column: CJK and
// full-width characters take two columns, the rest one. The command line's
// table and the class workbook's column widths use it.
#pragma once

#include <string>

int DisplayColumns(const std::wstring& text);
