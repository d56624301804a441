// The nine item-selection pages of the scoring settings dialog.
//
// Every page is built alike: the group box "选择要参与评分的项目：" around a
// filter field, the check list of the page's entries with "已选 n / m", the
// buttons "全选" and "全清", and the hint below. The pages differ only in
// the entries they list (settings/ItemPageKind.h); the nine classes below
// name them. The logic is CItemSelectionPage's.
#pragma once

#include <QWidget>

#include "settings/ItemPageKind.h"

class QLabel;
class QLineEdit;
class QPushButton;
class CCheckListView;
class CItemListModel;
class CItemSelectionPage;

class CScoringItemPageDlg : public QWidget {
    Q_OBJECT
public:
    CScoringItemPageDlg(CItemSelectionPage& page, QWidget* parent = nullptr);

    // The entries as the page's logic now holds them (after its reload).
    void ShowEntries();

    CCheckListView& List() { return *m_list; }
    QLineEdit& Filter() { return *m_filter; }

private:
    // "全选" (true) and "全清" (false): the visible entries.
    void CheckVisible(bool checked);
    void ApplyFilter();
    void ShowCount();

    CItemSelectionPage& m_page;
    CItemListModel* m_model;
    CCheckListView* m_list;
    QLineEdit* m_filter;
    QLabel* m_count;
};

// The nine pages by name, in tab order: each lists its own kind of page.
template <int Page>
class CScoringItemPageOf : public CScoringItemPageDlg {
public:
    static const int kPage = Page;
    using CScoringItemPageDlg::CScoringItemPageDlg;
};
using CScoringPageGenInfoDlg = CScoringItemPageOf<TM_PAGE_GEN_INFO>;
using CScoringPageQuakeInfoDlg = CScoringItemPageOf<TM_PAGE_QUAKE_INFO>;
using CScoringPageWindInfoInfoDlg = CScoringItemPageOf<TM_PAGE_WIND_INFO>;
using CScoringPageModifyInfoDlg = CScoringItemPageOf<TM_PAGE_MODIFY_INFO>;
using CScoringPageMaterialInfoDlg = CScoringItemPageOf<TM_PAGE_MATERIAL_INFO>;
using CScoringPageBaseRoomInfoDlg = CScoringItemPageOf<TM_PAGE_BASE_ROOM_INFO>;
using CScoringPageEqWaveInfoDlg = CScoringItemPageOf<TM_PAGE_EQ_WAVE_INFO>;
using CScoringPageLayerInfoDlg = CScoringItemPageOf<TM_PAGE_LAYER_INFO>;
using CScoringPageGoujianInfoDlg = CScoringItemPageOf<TM_PAGE_GOUJIAN_INFO>;
