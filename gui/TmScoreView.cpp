// CTmScoreView: the score grid and its marks.
#include "gui/TmScoreView.h"

namespace {

const int kEarnedColumn = 4;  // "实际得分" among the body columns

}  // namespace

CTmScoreView::CTmScoreView(QWidget* parent)
    : CTmGridCtrl(parent), m_fullIcon(QStringLiteral(":/icons/full.svg")), m_nothingIcon(QStringLiteral(":/icons/none.svg"))
{
    setObjectName(QStringLiteral("ScoreView"));
    setAccessibleName(QStringLiteral("评分结果"));
    setIconSize(QSize(14, 14));
}

void CTmScoreView::SetRowMarks(const std::vector<Mark>& marks)
{
    m_marks = marks;
    CellsShown();
}

CTmScoreView::Mark CTmScoreView::RowMark(int row) const
{
    return row >= 0 && row < (int)m_marks.size() ? m_marks[row] : TM_MARK_NONE;
}

void CTmScoreView::CellsShown()
{
    for (int r = 0; r < rowCount(); ++r) {
        QTableWidgetItem* cell = item(r, kEarnedColumn);
        if (!cell)
            continue;
        const Mark mark = RowMark(r);
        const QString spoken = mark == TM_MARK_FULL ? QStringLiteral("得满分")
                             : mark == TM_MARK_NOTHING ? QStringLiteral("未得分")
                                                       : QString();
        cell->setIcon(mark == TM_MARK_FULL ? m_fullIcon : mark == TM_MARK_NOTHING ? m_nothingIcon : QIcon());
        cell->setToolTip(spoken);
        cell->setData(Qt::AccessibleTextRole, spoken.isEmpty() ? QVariant() : QVariant(cell->text() + QStringLiteral("，") + spoken));
    }
}
