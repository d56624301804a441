// CCalcResultFiles: one open per result file and load.
#include "readers/CalcResultFiles.h"

#include "tools/FileNameLookup.h"

CCalcResultFiles::CCalcResultFiles(TMTOOLS::OS::CFileNameLookup* names) : m_names(names)
{
    if (!m_names) {
        m_ownNames.reset(new TMTOOLS::OS::CFileNameLookup);
        m_names = m_ownNames.get();
    }
}

CCalcResultFiles::~CCalcResultFiles() {}

CCalcResultFile* CCalcResultFiles::Open(const std::wstring& path)
{
    auto found = m_files.find(path);
    if (found != m_files.end()) {
        CCalcResultFile* file = found->second.get();
        return file && file->Rewind() ? file : nullptr;
    }
    std::unique_ptr<CCalcResultFile> file(new CCalcResultFile);
    if (!file->Open(m_names->Find(path)))
        file.reset();
    return m_files.emplace(path, std::move(file)).first->second.get();
}

TmResultFileState CCalcResultFiles::State(const std::wstring& path) const
{
    auto found = m_files.find(path);
    if (found == m_files.end())
        return TM_RESULT_FILE_UNTRIED;
    if (!found->second)
        return TM_RESULT_FILE_MISSING;
    return found->second->FoundAny() ? TM_RESULT_FILE_READ : TM_RESULT_FILE_UNRECOGNISED;
}
