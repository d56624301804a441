// Line-by-line reader of GBK text files with CR LF line ends, or of the
// same files saved again as UTF-8 (DetectEncoding).
//
// Reads through one fixed-size wide buffer, counts lines, finds keyword
// lines and splits lines into integers. Problems in a file are shown at once
// in a warning box naming the file, the line and the zero-based column; the
// operation then fails and the reader stays usable. A line longer than the
// buffer is the exception: it is reported once per file, though every such
// read fails, since a file of one huge line would otherwise warn for every
// buffer's worth of it.
//
// The reader never owns the stream: the caller opens and closes it. Bytes
// are read one at a time through stdio, so ftell/fseek positions taken
// between reads are exact byte offsets of line starts.
//
// Two rules that callers rely on:
//
// - The empty text is told from a line by its address. ReadAString never
//   returns null: at the end of the file and after a too-long line it
//   returns a constant empty text that is not m_buffer, while every line
//   read is returned inside m_buffer. Its content cannot tell them apart: a
//   line can be empty too (cut at 0, or starting with a NUL byte). So a
//   caller that must know compares the pointer with m_buffer, and then
//   m_lineNumber (0 at the end of the file, the line's number after a
//   too-long line).
//
// - A blank line ends the file for the number readers. When the line that
//   ReadIntegers (or ReadNumbers) reads holds nothing but spaces from its
//   start index, m_isEnd is set and m_lineNumber returns to 0, as at the
//   end of the file. Every line but the last ends in a line feed, which is
//   not a space, so only a last line without one can be blank: trailing
//   spaces after the last line, which carry no data. Taking them for the
//   end lets the callers' "read until IsEnd()" loops stop there, as they
//   would at the end of a file without them, instead of taking a line
//   without numbers for a data line of none.
#pragma once

#include <cstdio>
#include <string>

#include "tools/NumberTokens.h"
#include "tools/TmToolsApi.h"

typedef void* TmWindowHandle;

class TMTOOLS_API CReadALine {
public:
    explicit CReadALine(TmWindowHandle owner);
    CReadALine(TmWindowHandle owner, int bufSize);
    ~CReadALine();
    CReadALine(const CReadALine&) = delete;
    CReadALine& operator=(const CReadALine&) = delete;

    // Also starts the line count afresh. Naming the same file again (to
    // read it once more) keeps its too-long-line warning from repeating.
    void SetFileName(const wchar_t* fileName);
    // Reads the rest of stream once and goes back to where it was: what
    // follows is read as UTF-8 when it starts with a UTF-8 byte-order mark
    // (skipped at the first line) or looks like UTF-8 (LooksLikeUtf8 in
    // TmString.h: valid UTF-8 with a byte above 0x7F), as GBK otherwise.
    // Returns whether it is UTF-8. Without this call the reader reads GBK.
    bool DetectEncoding(FILE* stream);
    bool IsUtf8() const { return m_utf8; }

    // Reads one line; returns its text from start, cut at end unless end is
    // -1. Returns an empty text at the end of the file or after a too-long
    // line. Valid until the next read.
    wchar_t* ReadAString(FILE* stream, int start, int end);
    // Reads one line and parses up to count integers from start; count holds
    // the number stored when the line ran out first.
    bool ReadIntegers(FILE* stream, int start, int& count, int* values);
    bool ReadInteger(FILE* stream, int start, int count, int* values);
    // ReadIntegers for numbers of any kind: reads one line and scans up to
    // count number tokens from start by rules, handing each to take (which
    // converts and stores it). count holds the number taken when the line
    // ran out or a "/" ended it first. The end of the file and a blank line
    // give count 0 and true; a too-long line, a too-long number and an
    // unrecognised character show their warning and give false.
    bool ReadNumbers(FILE* stream, int start, int& count, const TMTOOLS::String::CNumberTokenRules& rules,
                     TMTOOLS::String::TmTakeToken take, void* context);
    // Reads lines until one contains key (case-sensitive). The end of the
    // file is looked at as an empty line before false is returned; once
    // IsEnd() is set, nothing is read and the result is false.
    bool FindString(FILE* stream, const wchar_t* key);
    // The same, copying the line found (line feed included) into line.
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
    // Set once a too-long line of the named file has been reported.
    bool m_tooLongReported;
    bool m_utf8;

    enum ReadState { kLineRead, kEndOfFile, kLineTooLong };

    TMTOOLS_LOCAL ReadState ReadLine(FILE* stream);
    // The character that lead starts in UTF-8, its continuation bytes read
    // from stream; U+FFFD for a broken sequence, whose offending byte is
    // put back.
    TMTOOLS_LOCAL wchar_t ReadUtf8Char(FILE* stream, int lead);
    // The text of the first line read that contains key, or null.
    TMTOOLS_LOCAL const wchar_t* FindLine(FILE* stream, const wchar_t* key);
    void SetLineNumber(long lineNumber) { m_lineNumber = lineNumber; }
    TMTOOLS_LOCAL void Warn(const std::wstring& text) const;
    const wchar_t* FileNameText() const { return m_fileName ? m_fileName : L""; }
};
