// Line-by-line reader of GBK text files with CR LF line ends.
//
// Reads through one fixed-size wide buffer, counts lines, finds keyword
// lines and splits lines into integers. Problems in a file are shown at once
// in a warning box naming the file, the line and the zero-based column; the
// operation then fails and the reader stays usable.
//
// The reader never owns the stream: the caller opens and closes it. Bytes
// are read one at a time through stdio, so ftell/fseek positions taken
// between reads are exact byte offsets of line starts.
#pragma once

#include <cstdio>
#include <string>

#include "tools/TmToolsApi.h"

typedef void* TmWindowHandle;

class TMTOOLS_API CReadALine {
public:
    explicit CReadALine(TmWindowHandle owner);
    CReadALine(TmWindowHandle owner, int bufSize);
    ~CReadALine();
    CReadALine(const CReadALine&) = delete;
    CReadALine& operator=(const CReadALine&) = delete;

    void SetFileName(const wchar_t* fileName);

    // Reads one line; returns its text from start, cut at end unless end is
    // -1. Returns an empty text at the end of the file or after a too-long
    // line. Valid until the next read.
    wchar_t* ReadAString(FILE* stream, int start, int end);
    // Reads one line and parses up to count integers from start; count holds
    // the number stored when the line ran out first.
    bool ReadIntegers(FILE* stream, int start, int& count, int* values);
    bool ReadInteger(FILE* stream, int start, int count, int* values);
    // Reads lines until one contains key.
    bool FindString(FILE* stream, const wchar_t* key);
    bool FindString(FILE* stream, const wchar_t* key, std::wstring& line);

    long GetLineNumber() const { return m_lineNumber; }
    bool IsEnd() const { return m_isEnd; }

    int m_bufSize;
    long m_lineNumber;
    wchar_t* m_buffer;
    wchar_t* m_fileName;
    bool m_isEnd;
    TmWindowHandle m_hWnd;

private:
    enum ReadState { kLineRead, kEndOfFile, kLineTooLong };

    TMTOOLS_LOCAL ReadState ReadLine(FILE* stream);
    void SetLineNumber(long lineNumber) { m_lineNumber = lineNumber; }
    TMTOOLS_LOCAL void Warn(const std::wstring& text) const;
    const wchar_t* FileNameText() const { return m_fileName ? m_fileName : L""; }
};
