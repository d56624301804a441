// One item-selection page without its widgets: the entries it lists, their
// checks, and how the checks reach the standard project's values.
//
// The entries are the names of the values the page's walk keeps
// (settings/ItemPageKind.h), in that order. Checks live here until
// ApplyPage; a page that is thrown away (Cancel) changes nothing.
//
// ApplyPage sets the k-th kept value's m_selected from entry k. If the
// standard project was replaced since the page was filled (a new standard
// path confirmed in the same OK) and its walk no longer gives the same
// names in the same number, a position would name another value: the page
// then leaves every flag as the new standard was read, and says so
// through WasApplied.
#pragma once

#include <string>
#include <vector>

class CWorkspace;

class CItemSelectionPage {
public:
    // page: TM_PAGE_... (0 to 8).
    CItemSelectionPage(CWorkspace& workspace, int page);

    int GetPage() const { return m_page; }
    const wchar_t* GetTitle() const;

    // Fills the entries from the standard project: one per kept value,
    // checked when it is selected.
    void ReloadPage();
    // Takes the checks into the standard project's values by position (see
    // above). Always true: the page never refuses.
    bool ApplyPage();
    // False when the last ApplyPage found other values than the page lists
    // and left the flags alone.
    bool WasApplied() const { return m_applied; }

    int GetCount() const { return (int)m_names.size(); }
    const std::wstring& GetName(int entry) const { return m_names[entry]; }
    bool IsChecked(int entry) const { return m_checks[entry] != 0; }
    void SetChecked(int entry, bool checked);
    int GetCheckedCount() const;
    // "全选" (true) and "全清" (false): every entry of entries.
    void CheckEntries(const std::vector<int>& entries, bool checked);

    // The entries whose names contain filter, any letter case, in order;
    // every entry for an empty filter. Positions keep their meaning.
    std::vector<int> Matching(const std::wstring& filter) const;

private:
    CWorkspace& m_workspace;
    int m_page;
    std::vector<std::wstring> m_names;
    std::vector<char> m_checks;
    bool m_applied;
};
