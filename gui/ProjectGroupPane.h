// The docked pane "工程列表": holds the project list grid.
#pragma once

#include <QDockWidget>

class CProjGridCtrl;

class CProjectGroupPane : public QDockWidget {
    Q_OBJECT
public:
    explicit CProjectGroupPane(QWidget* parent = nullptr);

    CProjGridCtrl& Grid() { return *m_grid; }

    // The pane's size when first created (later the saved dock state).
    static const int kInitialWidth = 630;
    static const int kInitialHeight = 200;

    QSize sizeHint() const override { return QSize(kInitialWidth, kInitialHeight); }

private:
    CProjGridCtrl* m_grid;  // owned through the widget tree
};
