// The ribbon: a row of category tabs under the application button, with
// small buttons at the right end of the row, and for the current category
// a panel of large buttons, icon above text.
//
// Buttons are real QToolButtons bound to QActions, so screen readers speak
// their texts, Tab reaches them and their accelerators work from anywhere
// in the window. While Alt is held, each button's letter is shown on it.
// CMyRibbonConstructor fills the bar from the command table.
#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QTabBar;
class QToolButton;
class CMyRibbonApplicationButton;

class CMyRobbonBar : public QWidget {
    Q_OBJECT
public:
    explicit CMyRobbonBar(QWidget* parent = nullptr);

    // The bar takes button and shows it at the left end of the tab row.
    void SetApplicationButton(CMyRibbonApplicationButton* button);
    CMyRibbonApplicationButton* ApplicationButton() const { return m_applicationButton; }
    // Adds a category tab with an empty panel; returns its index.
    int AddCategory(const QString& name);
    // Adds a large button for action to the panel of category.
    QToolButton* AddPanelButton(int category, QAction* action);
    // Adds a small button at the right end of the tab row.
    void AddTabRowButton(QToolButton* button);
    // Shows key on button while Alt is held.
    void SetKeyTip(QWidget* button, const QString& key);

    // The large buttons, in order.
    const QList<QToolButton*>& PanelButtons() const { return m_panelButtons; }
    QTabBar& Tabs() { return *m_tabs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowKeyTips(bool shown);

    CMyRibbonApplicationButton* m_applicationButton;
    QHBoxLayout* m_tabRow;
    QTabBar* m_tabs;
    QStackedWidget* m_panels;
    QList<QToolButton*> m_panelButtons;
    QList<QPair<QWidget*, QLabel*>> m_keyTips;
    bool m_keyTipsShown;
};
