// CInputImage: one read of a file, a memory stream and a fingerprint.
#include "readers/InputImage.h"

#include "tools/TmInputFile.h"

CInputImage::CInputImage() : m_file(nullptr) {}

CInputImage::~CInputImage()
{
    Close();
}

bool CInputImage::Open(const std::wstring& path)
{
    Close();
    TMTOOLS::OS::TmInputStatus status;
    if (!TMTOOLS::OS::ReadInputFile(path.c_str(), TMTOOLS::OS::TM_MAX_INPUT_FILE_BYTES, m_bytes, status))
        return false;
    // An empty file gives a stream at its end (glibc 2.22 and later).
    m_file = fmemopen(&m_bytes[0], m_bytes.size(), "r");
    if (!m_file) {
        m_bytes.clear();
        return false;
    }
    m_fingerprint = CFileFingerprint::Of(m_bytes.data(), m_bytes.size());
    return true;
}

void CInputImage::Close()
{
    if (m_file) {
        fclose(m_file);
        m_file = nullptr;
    }
    m_bytes.clear();
    m_fingerprint = CFileFingerprint();
}
