// CItemSelectionPage: entries, checks and the apply by position.
#include "settings/ItemSelectionPage.h"

#include <algorithm>
#include <cwctype>

#include "app/Workspace.h"
#include "settings/ItemPageKind.h"

namespace {

std::wstring Folded(const std::wstring& text)
{
    std::wstring folded = text;
    for (wchar_t& c : folded)
        c = (wchar_t)std::towlower((wint_t)c);
    return folded;
}

}  // namespace

CItemSelectionPage::CItemSelectionPage(CWorkspace& workspace, int page)
    : m_workspace(workspace), m_page(page), m_applied(true)
{
}

const wchar_t* CItemSelectionPage::GetTitle() const
{
    return GetItemPageKind(m_page).m_title;
}

void CItemSelectionPage::ReloadPage()
{
    m_names.clear();
    m_checks.clear();
    for (const CTmData* value : WalkPageValues(m_workspace.GetStandardProject(), m_page)) {
        m_names.push_back(value->m_name);
        m_checks.push_back(value->m_selected ? 1 : 0);
    }
}

bool CItemSelectionPage::ApplyPage()
{
    const std::vector<CTmData*> values = WalkPageValues(m_workspace.GetStandardProject(), m_page);
    m_applied = values.size() == m_names.size();
    for (size_t k = 0; m_applied && k < values.size(); ++k)
        m_applied = values[k]->m_name == m_names[k];
    if (!m_applied)
        return true;
    for (size_t k = 0; k < values.size(); ++k)
        values[k]->m_selected = m_checks[k] != 0;
    return true;
}

void CItemSelectionPage::SetChecked(int entry, bool checked)
{
    if (entry >= 0 && entry < GetCount())
        m_checks[entry] = checked ? 1 : 0;
}

int CItemSelectionPage::GetCheckedCount() const
{
    return (int)std::count(m_checks.begin(), m_checks.end(), 1);
}

void CItemSelectionPage::CheckEntries(const std::vector<int>& entries, bool checked)
{
    for (int entry : entries)
        SetChecked(entry, checked);
}

std::vector<int> CItemSelectionPage::Matching(const std::wstring& filter) const
{
    const std::wstring wanted = Folded(filter);
    std::vector<int> entries;
    for (int k = 0; k < GetCount(); ++k) {
        if (wanted.empty() || Folded(m_names[k]).find(wanted) != std::wstring::npos)
            entries.push_back(k);
    }
    return entries;
}
