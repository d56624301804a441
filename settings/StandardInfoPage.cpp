// CStandardInfoPage: the standard page's texts, checks and apply.
#include "settings/StandardInfoPage.h"

#include <sys/stat.h>

#include "app/AppWindowLayer.h"
#include "app/Workspace.h"
#include "app/CategoryScores.h"
#include "settings/ScoreText.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

// White space trimmed from the path: ASCII's and the ideographic space a
// Chinese input method types.
const wchar_t kBlanks[] = L" \t\n\v\f\r\u3000";

std::wstring Trimmed(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::wstring::npos)
        return std::wstring();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameFile(const std::wstring& a, const std::wstring& b)
{
    struct stat first, second;
    return stat(TMTOOLS::OS::NativePath(a).c_str(), &first) == 0 &&
           stat(TMTOOLS::OS::NativePath(b).c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

}  // namespace

CStandardInfoPage::CStandardInfoPage(CWorkspace& workspace, CAppWindowLayer& window)
    : m_path(L"c:\\tmcad\\exam\\frame.prj"),
      m_scoreTexts{L"30", L"30", L"20", L"20", L"0", L"0"},
      m_workspace(workspace),
      m_window(window)
{
}

void CStandardInfoPage::ReloadPage()
{
    const CScoringProject* standard = m_workspace.GetStandardProject();
    m_path = standard ? standard->m_prjPath : m_workspace.GetStandardPrjPath();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        const float score = standard ? standard->GetItem(k).m_fullScore : m_workspace.GetCategoryScore(k);
        m_scoreTexts[k] = ScoreShownText(score);
    }
}

bool CStandardInfoPage::Refuse(const wchar_t* message)
{
    m_window.ShowMessageBox(message, L"提示");
    return false;
}

bool CStandardInfoPage::IsStandardAsRead(const std::wstring& path) const
{
    const CScoringProject* standard = m_workspace.GetStandardProject();
    if (!standard || !m_workspace.IsStandardLoaded())
        return false;
    if (path == standard->m_prjPath)
        return true;
    return TMTOOLS::String::StringCompareNoCase(path.c_str(), standard->m_prjPath.c_str()) == 0 &&
           SameFile(path, standard->m_prjPath);
}

bool CStandardInfoPage::ApplyPage()
{
    m_path = Trimmed(m_path);
    if (m_path.empty())
        return Refuse(L"标准工程不能为空!");
    if (!TMTOOLS::OS::FileExist(m_path.c_str()))
        return Refuse(L"标准工程不存在！请设置合法工程");
    float scores[TM_CATEGORY_COUNT];
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        scores[k] = ScoreFromText(m_scoreTexts[k]);
    const int refused = FindRefusedCategoryScore(scores);
    if (refused >= 0)
        return Refuse(RefusedCategoryScoreMessage(refused));

    const bool same = IsStandardAsRead(m_path);
    m_workspace.SetStandard(m_path, scores);
    if (same)
        return true;
    m_window.BeginWaitCursor();
    const bool loaded = m_workspace.LoadStandardProject();
    m_window.EndWaitCursor();
    if (!loaded)
        return Refuse(L"标准工程数据错误，读取失败!");
    return true;
}

bool CStandardInfoPage::Browse()
{
    CFileDialogRequest request;
    request.m_filter = L"*.prj|*.prj|All Files (*.*)|*.*||";
    request.m_title = L"请选择标准工程";
    request.m_initialName = m_path;
    std::vector<std::wstring> chosen;
    if (!m_window.ShowOpenFileDialog(request, chosen) || chosen.empty())
        return false;
    m_path = chosen[0];
    return true;
}
