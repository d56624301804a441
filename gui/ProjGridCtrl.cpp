// CProjGridCtrl: presses and keyboard moves turned into chosen rows.
#include "gui/ProjGridCtrl.h"

#include <QHeaderView>
#include <QMouseEvent>

CProjGridCtrl::CProjGridCtrl(QWidget* parent) : CTmGridCtrl(parent)
{
    setObjectName(QStringLiteral("ProjectList"));
    setAccessibleName(QStringLiteral("工程列表"));
    // A press on a row number chooses that student, as a press on its cells.
    connect(verticalHeader(), &QHeaderView::sectionPressed, this, [this](int section) {
        emit RowChosen(section + 1);
    });
}

void CProjGridCtrl::mousePressEvent(QMouseEvent* event)
{
    // The row is chosen first, then the widget's own selection proceeds.
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            emit RowChosen(index.row() + 1);
    }
    CTmGridCtrl::mousePressEvent(event);
}

void CProjGridCtrl::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    CTmGridCtrl::keyPressEvent(event);
    const int after = currentRow();
    if (after >= 0 && after != before)
        emit RowChosen(after + 1);
}
