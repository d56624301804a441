// The score view: the selected student's value-by-value result, the
// window's central widget.
#pragma once

#include "gui/TmGridCtrl.h"

class CTmScoreView : public CTmGridCtrl {
    Q_OBJECT
public:
    explicit CTmScoreView(QWidget* parent = nullptr);
};
