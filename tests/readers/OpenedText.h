// A text laid out as the analysis program writes it (GBK, CR LF), opened
// and ready for a line reader; the file is removed on destruction.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "tests/support/TestFiles.h"
#include "tools/ReadALine.h"

namespace tmtest {

class COpenedText {
public:
    // text with "\n" line ends, written as GBK with CR LF.
    explicit COpenedText(const std::wstring& text, int bufSize = 1000);
    // bytes written as they are.
    static std::unique_ptr<COpenedText> FromBytes(const std::string& bytes, int bufSize = 1000);
    ~COpenedText();
    COpenedText(const COpenedText&) = delete;
    COpenedText& operator=(const COpenedText&) = delete;

    FILE* File() const { return m_file; }
    CReadALine& Reader() { return m_reader; }
    // The byte offset of the stream, for checks that a peek went back.
    long Position() const { return ftell(m_file); }

private:
    COpenedText(int bufSize);
    void Open();

    CTempDir m_dir;
    std::string m_path;
    FILE* m_file;
    CReadALine m_reader;
};

}  // namespace tmtest
