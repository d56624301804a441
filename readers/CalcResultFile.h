// CCalcResultFile: one analysis-result text file open for reading, with the
// few ways the result reader walks such a file (find a heading, skip lines,
// take the next line bare or trimmed, split a row into numbers).
//
// The files are GBK with CR LF line ends, or UTF-8 when a student saved
// one again in a modern editor (with or without a byte-order mark); the
// tools library's line reader tells them apart and decodes them, so no
// process locale is involved. A file that is missing or
// cannot be opened is not an error: the caller simply records nothing. The
// file is opened for reading only (the analysis program's files may be
// read-only; nothing is ever written to them).
//
// The reading steps walk one file several times from its first line. Each
// line is decoded once: the lines read so far are kept, and a walk after a
// rewind replays them (with the line numbers and end flag the reader had)
// before it reads on. A file is never read further than a walk asks, so
// the reader warns exactly where and when a plain reread would. Past
// kMaxKeptChars kept characters the file is read as a stream again.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "readers/InputImage.h"
#include "tools/ReadALine.h"

// Up to kMaxNumbers numbers of one table row, split at spaces: every word
// counts as one number, a word that is not a number as 0.
struct CResultRow {
    static constexpr int kMaxNumbers = 15;

    // Splits text; words beyond the fifteenth are dropped.
    explicit CResultRow(const std::wstring& text);

    // The k-th number, counted from 1; 0 when the row has fewer numbers
    // (a short row reads as zeros rather than as stale or missing data).
    float At(int k) const { return k >= 1 && k <= m_count ? m_values[k - 1] : 0.0f; }

    float m_values[kMaxNumbers];
    int m_count;
};

class CCalcResultFile {
public:
    CCalcResultFile();
    ~CCalcResultFile();
    CCalcResultFile(const CCalcResultFile&) = delete;
    CCalcResultFile& operator=(const CCalcResultFile&) = delete;

    // Opens path for reading and names it on the line reader; false when the
    // file does not exist or cannot be opened (a FIFO, a device or a file
    // over the input bound is refused with a warning).
    bool Open(const std::wstring& path);
    // Reads the open file again from its first line; false when none is
    // open.
    bool Rewind();
    void Close();

    // Reads lines until one contains text (that line is consumed); false at
    // the end of the file.
    bool Find(const wchar_t* text);
    // Find, n times over: the n-th line containing text.
    bool FindNth(const wchar_t* text, int n);
    // Find, keeping the whole line found (line feed included).
    bool FindLine(const wchar_t* text, std::wstring& line);
    void Skip(int lines);
    // The next line without its line end; empty at the end of the file.
    std::wstring ReadLine();
    // The next line without leading and trailing white space.
    std::wstring ReadTrimmed();
    // True once a read has met the end of the file.
    bool AtEnd() const { return m_reader.m_isEnd; }
    // Whether any Find or FindLine since the open has found its text: a
    // file in which none did holds nothing this reader recognises.
    bool FoundAny() const { return m_foundAny; }

    CReadALine& Reader() { return m_reader; }
    // Of the bytes opened; not read when the open failed.
    const CFileFingerprint& Fingerprint() const { return m_image.Fingerprint(); }

    static std::wstring TrimLeft(const std::wstring& text);
    static std::wstring TrimRight(const std::wstring& text);
    static std::wstring StripLineEnd(const std::wstring& text);

    static const size_t kMaxKeptChars = 16u << 20;

private:
    struct CKeptLine {
        std::wstring m_text;
        long m_lineNumber;
        bool m_isEnd;
    };

    // The next line as the reader's ReadAString gives it.
    const std::wstring& Next();
    const std::wstring* FindText(const wchar_t* text);

    CInputImage m_image;
    FILE* m_file;  // m_image's stream
    std::wstring m_path;
    bool m_foundAny;
    CReadALine m_reader;
    std::vector<CKeptLine> m_kept;
    size_t m_next;        // index of the next kept line to replay
    size_t m_keptChars;
    bool m_streaming;     // over the bound: nothing kept, rewinds seek
    std::wstring m_streamed;
};
