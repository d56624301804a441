// Scanning reals out of the analysis program's text files, and finding lines
// by their content.
//
// The tools library's line reader converts integers only; the project
// readers need reals as well. ReadFloats reads the next line through the
// reader's number scanner (tools/NumberTokens.h) with the integer reader's
// rules and reals' characters and warnings; ReadFloatsAfterTotal scans a sum
// line already read with the same scanner; SplitFloats splits a table row
// at its spaces; FindLineContaining skips to a line through the reader.
//
// Every real comes out as a 32-bit float, whatever the precision of its text.
// Nothing here keeps state of its own: readers on several threads only share
// the message presenter of the tools library.
#pragma once

#include <cstdio>
#include <cstddef>
#include <string>
#include <utility>

class CReadALine;

// Reads the next line of file into reader's buffer and parses up to count
// reals from it into values. On return count holds the number found (count
// is left as it was when the line held count values or more). At the end of
// the file the end flag is set, the line number returns to 0, count becomes 0
// and the result is true. A line too long for the buffer, a number of 30
// characters or more and a character that is neither part of a number nor a
// separator (space, comma, tab, line feed) show a warning and give false. A
// slash ends the numbers of a line; a number still pending at the end of a
// line without a line feed is not stored.
bool ReadFloats(CReadALine& reader, FILE* file, float* values, int& count);
// The same when the caller does not need the number found: entries beyond
// those filled keep their contents. The count is taken as a temporary (a
// constant such as 5, or +n), so that a variable always picks the form
// above and gets the number found.
bool ReadFloats(CReadALine& reader, FILE* file, float* values, int&& count);

// Splits text at separator and converts every piece to a real (a piece that
// is not a number gives 0). Runs of separator characters count as one
// separator and leading ones are dropped; a text not longer than the
// separator gives nothing, and so does an empty separator. count receives
// the number stored: at most capacity, pieces beyond it are dropped, so a
// table row with more words than its array cannot write past the array.
void SplitFloats(std::wstring text, std::wstring separator, float* values, int capacity, int& count);
// The same into an array whose size is the capacity.
template <size_t N>
inline void SplitFloats(std::wstring text, std::wstring separator, float (&values)[N], int& count)
{
    SplitFloats(std::move(text), std::move(separator), values, (int)N, count);
}

// Parses the reals that follow "合计:" in line into values, at most count of
// them; count receives the number stored (0 when the line has no marker).
// A number of 30 characters or more shows a warning naming reader's file and
// line and gives false.
bool ReadFloatsAfterTotal(CReadALine& reader, float* values, int& count, const wchar_t* line);

// Reads lines with reader until one contains text; copies that line (line
// feed included) into line and returns 1. Returns 0, leaving line as it was,
// once the end of the file has been met.
int FindLineContaining(CReadALine& reader, FILE* file, const wchar_t* text, std::wstring& line);

// The runtime's wide text-to-double conversion, free of any locale: leading
// white space, an optional sign, the longest prefix that forms a decimal
// number ("1.5e" gives 1.5, "3-4" gives 3); 0 when there is none.
double WideToDouble(const wchar_t* text);
