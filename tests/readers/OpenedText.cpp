#include "tests/readers/OpenedText.h"

namespace tmtest {

COpenedText::COpenedText(int bufSize) : m_path(m_dir.File("text.prj")), m_file(nullptr), m_reader(nullptr, bufSize)
{
}

COpenedText::COpenedText(const std::wstring& text, int bufSize) : COpenedText(bufSize)
{
    WriteGbkFile(m_path, text);
    Open();
}

std::unique_ptr<COpenedText> COpenedText::FromBytes(const std::string& bytes, int bufSize)
{
    std::unique_ptr<COpenedText> opened(new COpenedText(bufSize));
    WriteBytes(opened->m_path, bytes);
    opened->Open();
    return opened;
}

void COpenedText::Open()
{
    m_file = fopen(m_path.c_str(), "rb");
    m_reader.SetFileName(L"text.prj");
}

COpenedText::~COpenedText()
{
    if (m_file)
        fclose(m_file);
}

}  // namespace tmtest
