// The scoring settings dialog without its widgets: its ten pages in tab
// order, what OK does, and the two standard-file commands of its first
// page. The dialog works on the workspace's standard project in place;
// there is no copy of the standard to fall back on, so Cancel is simply
// not applying the pages (what "导入评分标准" did stays).
#pragma once

#include <memory>

#include "settings/ItemPageKind.h"
#include "settings/ItemSelectionPage.h"
#include "settings/StandardInfoPage.h"

class CAppWindowLayer;
class CWorkspace;

class CScoringSettings {
public:
    CScoringSettings(CWorkspace& workspace, CAppWindowLayer& window);

    CStandardInfoPage& StandardPage() { return m_standardPage; }
    // page: TM_PAGE_... (the tabs after the first, in order).
    CItemSelectionPage& ItemPage(int page) { return *m_itemPages[page]; }

    // Every page shows the standard project again, in tab order.
    void ReloadPages();

    // OK: ApplyPage of the ten pages in tab order; false at the first that
    // refuses (the dialog stays open; only the standard page refuses).
    // Then, if the class had been computed, its totals are computed again
    // against the standard as it now stands (so that no total, row or mark
    // of the old standard is shown as current), the score view is
    // refreshed, and pages whose checks could not be applied to a new
    // standard are named in one closing note. True: end the dialog.
    bool OnOK();

    // "导入评分标准": command 183, then every page reloads when a standard
    // was read. "导出评分标准": command 184.
    void ImportStandard();
    void ExportStandard();

private:
    CWorkspace& m_workspace;
    CAppWindowLayer& m_window;
    CStandardInfoPage m_standardPage;
    std::unique_ptr<CItemSelectionPage> m_itemPages[TM_ITEM_PAGE_COUNT];
};
