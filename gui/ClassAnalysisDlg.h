// The dialog of "班级分析": the class analysis of the last computation in
// two tables, the values (the share matched lowest first) and the
// suspected copies (strongest first), with the two bars of the shared
// wrong answers rule, which the window keeps in its settings.
//
// It shows what CWorkspace::AnalyseClass returns and nothing more; the
// analysis itself is tested without a display. A double-click on a pair
// asks the window to show its first student.
#pragma once

#include <QDialog>

#include "app/ClassAnalysis.h"

class QDoubleSpinBox;
class QSpinBox;
class QTableWidget;
class CWorkspace;

class CClassAnalysisDlg : public QDialog {
    Q_OBJECT
public:
    CClassAnalysisDlg(CWorkspace& workspace, QWidget* parent);

    // The window's stored bars onto the workspace (at start-up).
    static void ApplyStoredOptions(CWorkspace& workspace);

    QTableWidget& Items() { return *m_items; }
    QTableWidget& Pairs() { return *m_pairs; }
    QDoubleSpinBox& EvidenceBar() { return *m_evidence; }
    QSpinBox& ShareBar() { return *m_share; }

signals:
    // The score-sheet index of the student to show.
    void StudentChosen(int index);

private:
    void OnBarsChanged();
    void ShowAnalysis();

    CWorkspace& m_workspace;
    CClassAnalysis m_analysis;
    QTableWidget* m_items;
    QTableWidget* m_pairs;
    QDoubleSpinBox* m_evidence;
    QSpinBox* m_share;
};
