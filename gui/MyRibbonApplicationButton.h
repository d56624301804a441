// The application button at the top left of the ribbon: 45 × 45 pixels,
// the program's mark. It opens no menu.
#pragma once

#include <QToolButton>

class CMyRibbonApplicationButton : public QToolButton {
    Q_OBJECT
public:
    static const int kSize = 45;

    explicit CMyRibbonApplicationButton(QWidget* parent = nullptr);
};
