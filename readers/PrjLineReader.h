// The kinds of line the .prj file is made of, read through one CReadALine.
//
// The model file is positional: a line's meaning is given by its place, and
// the reader only needs to say what kind of line comes next (a line of
// reals, of integers, a title, an optional keyword line, a line skipped).
// This class reads one line of the asked kind, keeps the numbers it found
// and converts them the way the analysis program's own reader did. It does
// not know the sections; ProjectModelReader and its helpers walk them.
//
// Reading at the end of the file is not an error: a line read there holds
// no number, and AtEnd() tells the loops that take a count from the file to
// stop, so that no count drives a loop past the end of the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CReadALine;

class CPrjLineReader {
public:
    CPrjLineReader(FILE* file, CReadALine& reader);
    CPrjLineReader(const CPrjLineReader&) = delete;
    CPrjLineReader& operator=(const CPrjLineReader&) = delete;

    // A line of at most limit reals (ReadFloats). False after the parser's
    // warning; at the end of the file true with no value.
    bool RealLine(int limit);
    // A line of at most limit integers (the tools reader's ReadIntegers).
    bool IntegerLine(int limit);
    // The list line of a count read earlier: when count is positive, an
    // integer line of at most limit numbers into list; otherwise no line is
    // read and list stays empty. False when that line fails.
    bool OptionalIntegerList(int count, int limit, std::vector<int32_t>& list);
    // A line read and discarded (ReadInteger with a count of 0). False only
    // for a line too long for the buffer.
    bool SkipLine();
    // A line read whole, line feed included; empty at the end of the file.
    std::wstring TextLine();
    // A text line with its trailing line feed removed.
    std::wstring TextLineWithoutLineFeed();
    // A title line: true when the line read contains title.
    bool TitleLine(const wchar_t* title);
    // An optional keyword line: true (and consumed) when the next line, line
    // feed included, equals keyword without regard to case; otherwise the
    // file and the reader are put back as they were before the line.
    bool KeywordLine(const wchar_t* keyword);
    // Whether the next line contains text; the line is not consumed.
    bool NextLineContains(const wchar_t* text);

    // Whether a read has met the end of the file.
    bool AtEnd() const;

    // Numbers of the last RealLine / IntegerLine and how many were found.
    int Count() const { return m_count; }
    bool Has(int index) const { return index >= 0 && index < m_count; }
    // #index of the last real line, or fallback when the line held no such
    // value.
    float Real(int index, float fallback = 0.0f) const;
    // #index of the last integer line, or fallback.
    int32_t Integer(int index, int32_t fallback = 0) const;
    // All integers of the last integer line.
    std::vector<int32_t> Integers() const;
    // The conversions of a real field to an integer (see PrjConversions.h),
    // or fallback when the line held no such value.
    int32_t Int(int index, int32_t fallback = 0) const;
    int32_t IntPrime(int index, int32_t fallback = 0) const;
    int32_t IntSigned(int index, int32_t fallback = 0) const;

private:
    // Room for limit numbers; a line cannot hold more numbers than half its
    // buffer, so a larger limit asks for nothing more than the line has.
    int Room(int limit);
    struct CPosition {
        long m_offset;
        long m_lineNumber;
        bool m_isEnd;
    };
    CPosition Remember() const;
    void GoBack(const CPosition& position);

    FILE* m_file;
    CReadALine& m_reader;
    std::vector<float> m_reals;
    std::vector<int> m_integers;
    int m_count;
};
