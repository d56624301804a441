// Reading a project into its record.
//
// Placeholder until the model and result readers are in: it empties the
// items, reports a missing .prj file and otherwise adds only the completion
// values, marking the record as not read.
#include "scoring/ScoringProject.h"

#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

bool CScoringProject::Load()
{
    ClearAllValues();
    if (!TMTOOLS::OS::FileExist(m_prjPath.c_str())) {
        std::wstring text = TMTOOLS::String::stringFormat(L"工程 %s 不存在.", m_prjPath.c_str());
        TMTOOLS::OS::TmShowMessage(text.c_str(), L"Tesmo评分系统");
        m_loadStatus = TM_LOAD_FAILED;
        return false;
    }
    m_loadStatus = TM_LOAD_FAILED;
    return false;
}
