// The project list grid: the students, their load status and total.
//
// It tells which student a user chose: a left press on a body cell or on a
// row number, or a keyboard move (arrows, Page Up/Down, Home/End) to
// another row. The header row and the empty area below the rows choose
// nothing. What choosing does is the workspace's business.
#pragma once

#include "gui/TmGridCtrl.h"

class CProjGridCtrl : public CTmGridCtrl {
    Q_OBJECT
public:
    explicit CProjGridCtrl(QWidget* parent = nullptr);

signals:
    // row counts as the workspace's grid does: 1 is the first student.
    void RowChosen(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
