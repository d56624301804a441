// CMyRibbonApplicationButton: a fixed-size tool button with the mark.
#include "gui/MyRibbonApplicationButton.h"

CMyRibbonApplicationButton::CMyRibbonApplicationButton(QWidget* parent) : QToolButton(parent)
{
    setObjectName(QStringLiteral("ApplicationButton"));
    setFixedSize(kSize, kSize);
    setIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setIconSize(QSize(kSize - 9, kSize - 9));
    setAutoRaise(true);
    setToolTip(QStringLiteral("Tesmo评分系统"));
    setAccessibleName(QStringLiteral("Tesmo评分系统"));
    setFocusPolicy(Qt::NoFocus);  // it does nothing a keyboard user needs
}
