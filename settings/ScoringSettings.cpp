// CScoringSettings: the pages in tab order, OK and the two commands.
#include "settings/ScoringSettings.h"

#include "app/AppWindowLayer.h"
#include "app/Workspace.h"

CScoringSettings::CScoringSettings(CWorkspace& workspace, CAppWindowLayer& window)
    : m_workspace(workspace), m_window(window), m_standardPage(workspace, window)
{
    for (int page = 0; page < TM_ITEM_PAGE_COUNT; ++page)
        m_itemPages[page].reset(new CItemSelectionPage(workspace, page));
}

void CScoringSettings::ReloadPages()
{
    m_standardPage.ReloadPage();
    for (const std::unique_ptr<CItemSelectionPage>& page : m_itemPages)
        page->ReloadPage();
}

bool CScoringSettings::OnOK()
{
    if (!m_standardPage.ApplyPage())
        return false;
    std::wstring notApplied;
    for (const std::unique_ptr<CItemSelectionPage>& page : m_itemPages) {
        if (!page->ApplyPage())
            return false;
        if (!page->WasApplied())
            notApplied += (notApplied.empty() ? L"" : L"、") + std::wstring(page->GetTitle());
    }

    bool computed = false;
    for (const CScoreSheetEntry& entry : m_workspace.GetScoreSheet().m_entries)
        computed = computed || entry.m_scored;
    if (computed)
        m_workspace.ComputeAndFillTotals();
    m_workspace.RefreshScoreView();

    if (!notApplied.empty())
        m_window.ShowMessageBox((L"新的标准工程所列的项目与以下页面显示的不同，这些页面的勾选未能应用，"
                                 L"保留了新标准工程读入时的选择：" +
                                 notApplied + L"。请再打开评分设置检查。")
                                    .c_str(),
                                L"提示");
    return true;
}

void CScoringSettings::ImportStandard()
{
    // The import builds a new standard project before it lets the old one
    // go, so a new address means a standard was read; a cancelled dialog
    // leaves the pages as the teacher has edited them.
    const CScoringProject* before = m_workspace.GetStandardProject();
    m_workspace.RunCommand(TM_CMD_IMPORT_STANDARD);
    if (m_workspace.GetStandardProject() != before)
        ReloadPages();
}

void CScoringSettings::ExportStandard()
{
    m_workspace.RunCommand(TM_CMD_EXPORT_STANDARD);
}
