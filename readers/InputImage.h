// CInputImage: a project or result file read whole into memory, with a
// stream over those bytes for the line reader and the fingerprint of them.
//
// The file is read once: the readers parse the copy (seeking and reading
// it again as often as they like) and the fingerprint is taken from the
// same bytes, so comparing hand-ins later needs no second read. The open
// has the checks and warnings of TMTOOLS::OS::OpenInputFile (a FIFO, a
// device or a file over the bound is refused, saying so; a missing file
// is silent).
#pragma once

#include <cstdio>
#include <string>

#include "scoring/ProjectFiles.h"

class CInputImage {
public:
    CInputImage();
    ~CInputImage();
    CInputImage(const CInputImage&) = delete;
    CInputImage& operator=(const CInputImage&) = delete;

    // Reads path; false, with no stream, when it cannot be read.
    bool Open(const std::wstring& path);
    void Close();

    // The stream over the bytes, from the start after Open; null when none
    // is open. Owned here.
    FILE* File() const { return m_file; }
    // Of the bytes read; not read when Open failed.
    const CFileFingerprint& Fingerprint() const { return m_fingerprint; }

private:
    std::string m_bytes;
    FILE* m_file;
    CFileFingerprint m_fingerprint;
};
