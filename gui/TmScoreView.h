// The score view: the selected student's value-by-value result, the
// window's central widget.
//
// Once scores are computed, each row's "实际得分" cell carries a mark: a
// tick in a green circle when the value earned its full share, a cross in
// a red square when it earned nothing. Shape and colour both tell them
// apart (for colour-blind users too), the white rims keep them visible in
// the dark look, and screen readers hear "得满分" or "未得分" with the score.
#pragma once

#include <QIcon>
#include <vector>

#include "gui/TmGridCtrl.h"

class CTmScoreView : public CTmGridCtrl {
    Q_OBJECT
public:
    enum Mark {
        TM_MARK_NONE = 0,
        TM_MARK_FULL = 1,     // earned its full share
        TM_MARK_NOTHING = 2,  // earned nothing
    };

    explicit CTmScoreView(QWidget* parent = nullptr);

    // GUI thread: marks[i] for body row i (the first value is row 0); rows
    // beyond marks get none. Kept until set again, also across redraws.
    void SetRowMarks(const std::vector<Mark>& marks);
    Mark RowMark(int row) const;

protected:
    void CellsShown() override;

private:
    std::vector<Mark> m_marks;
    QIcon m_fullIcon;
    QIcon m_nothingIcon;
};
