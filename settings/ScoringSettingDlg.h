// The scoring settings dialog "设置评分标准": ten tabs (the standard page,
// then the nine item pages), "确定" and "取消". It edits the workspace's
// standard project in place through CScoringSettings, which holds every
// rule; the widgets move texts and checks in and out.
//
// Its size is the original's 464 x 254 dialog units at the dialog's font
// (a unit is a quarter of the average character width and an eighth of the
// line height); it can be resized, and the lists grow with it.
#pragma once

#include <QDialog>
#include <memory>

#include "settings/ItemPageKind.h"

class QTabWidget;
class CAppWindowLayer;
class CScoringItemPageDlg;
class CScoringPageStandardInfoDlg;
class CScoringSettings;
class CWorkspace;

class CScoringSettingDlg : public QDialog {
    Q_OBJECT
public:
    // window: the layer the pages' messages and file dialogs go through.
    CScoringSettingDlg(CWorkspace& workspace, CAppWindowLayer& window, QWidget* parent = nullptr);
    ~CScoringSettingDlg() override;

    // Shows the dialog modally over parent; true when closed with OK.
    // Call it on the GUI thread, where nothing else uses the workspace
    // while the dialog is open (see the definition).
    static bool Run(QWidget* parent, CWorkspace& workspace, CAppWindowLayer& window);

    // "导入评分标准" and "导出评分标准" of the standard page.
    void ImportStandard();
    void ExportStandard();

    QTabWidget& Tabs() { return *m_tabs; }
    CScoringPageStandardInfoDlg& StandardPage() { return *m_standardPage; }
    // page: TM_PAGE_... (tab page + 1).
    CScoringItemPageDlg& ItemPage(int page) { return *m_itemPages[page]; }

public slots:
    void accept() override;

private:
    template <class Page>
    void AddItemPage();
    // Every page shows what the logic now holds.
    void ShowPages();

    std::unique_ptr<CScoringSettings> m_settings;
    QTabWidget* m_tabs;
    CScoringPageStandardInfoDlg* m_standardPage;
    CScoringItemPageDlg* m_itemPages[TM_ITEM_PAGE_COUNT];
};
