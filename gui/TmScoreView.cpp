// CTmScoreView: the score grid.
#include "gui/TmScoreView.h"

CTmScoreView::CTmScoreView(QWidget* parent) : CTmGridCtrl(parent)
{
    setObjectName(QStringLiteral("ScoreView"));
    setAccessibleName(QStringLiteral("评分结果"));
}
