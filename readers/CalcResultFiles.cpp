// CCalcResultFiles: one open per result file and load.
#include "readers/CalcResultFiles.h"

CCalcResultFile* CCalcResultFiles::Open(const std::wstring& path)
{
    auto found = m_files.find(path);
    if (found != m_files.end()) {
        CCalcResultFile* file = found->second.get();
        return file && file->Rewind() ? file : nullptr;
    }
    std::unique_ptr<CCalcResultFile> file(new CCalcResultFile);
    if (!file->Open(path))
        file.reset();
    return m_files.emplace(path, std::move(file)).first->second.get();
}
