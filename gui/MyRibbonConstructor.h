// Builds the ribbon from the command table: the application button, the
// category "菜单" with its panel of large buttons, their actions with
// texts, icons, tool tips, status-bar prompts and keys.
#pragma once

#include <QMap>

class QAction;
class QObject;
class CMyRobbonBar;

class CMyRibbonConstructor {
public:
    // Fills bar; the actions are children of owner and keyed by command.
    static QMap<int, QAction*> Construct(CMyRobbonBar& bar, QObject* owner);
};
