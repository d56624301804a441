// CProjectGroupPane: a dock widget around the project list grid.
#include "gui/ProjectGroupPane.h"

#include "gui/ProjGridCtrl.h"

CProjectGroupPane::CProjectGroupPane(QWidget* parent)
    : QDockWidget(QStringLiteral("工程列表"), parent), m_grid(new CProjGridCtrl(this))
{
    // The name keys the pane in the saved dock state.
    setObjectName(QStringLiteral("ProjectGroupPane"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setWidget(m_grid);
}
