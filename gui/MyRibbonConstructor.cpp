// CMyRibbonConstructor: the command table made into actions and buttons.
#include "gui/MyRibbonConstructor.h"

#include <QAction>
#include <QToolButton>

#include "gui/MyRibbonApplicationButton.h"
#include "gui/MyRobbonBar.h"
#include "gui/RibbonCommands.h"

QMap<int, QAction*> CMyRibbonConstructor::Construct(CMyRobbonBar& bar, QObject* owner)
{
    bar.SetApplicationButton(new CMyRibbonApplicationButton);
    const int category = bar.AddCategory(QStringLiteral("菜单"));

    QMap<int, QAction*> actions;
    for (int i = 0; i < kRibbonCommandCount; ++i) {
        const CRibbonCommand& command = kRibbonCommands[i];
        const QStringList prompt = QString::fromUtf8(command.m_prompt).split(QLatin1Char('\n'));
        const QKeySequence key(Qt::ALT | Qt::Key(command.m_key));
        QAction* action = new QAction(QIcon(QString::fromLatin1(command.m_icon)), QString::fromUtf8(command.m_text), owner);
        action->setStatusTip(prompt.value(0));
        action->setToolTip(QStringLiteral("%1 (%2)").arg(prompt.value(1), key.toString(QKeySequence::NativeText)));
        action->setShortcut(key);
        action->setData(command.m_id);
        QToolButton* button = bar.AddPanelButton(category, action);
        bar.SetKeyTip(button, QString(QLatin1Char(command.m_key)));
        actions.insert(command.m_id, action);
    }
    return actions;
}
