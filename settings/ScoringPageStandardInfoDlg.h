// The standard page ("评分标准") of the scoring settings dialog: the path of
// the standard project with "浏览(&R)...", the group "分值设置" with the six
// category scores, and "导入评分标准" / "导出评分标准". The logic is
// CStandardInfoPage's; the page moves texts between it and the edits.
#pragma once

#include <QWidget>

#include "scoring/ScoringCategory.h"

class QLineEdit;
class CScoringSettingDlg;
class CStandardInfoPage;

class CScoringPageStandardInfoDlg : public QWidget {
    Q_OBJECT
public:
    CScoringPageStandardInfoDlg(CScoringSettingDlg& owner, CStandardInfoPage& page, QWidget* parent = nullptr);

    // The logic's texts into the edits, and back.
    void ShowTexts();
    void TakeTexts();

    QLineEdit& PathEdit() { return *m_path; }
    QLineEdit& ScoreEdit(int category) { return *m_scores[category]; }

private:
    void OnBrowse();

    CScoringSettingDlg& m_owner;
    CStandardInfoPage& m_page;
    QLineEdit* m_path;
    QLineEdit* m_scores[TM_CATEGORY_COUNT];
};
