// CMyRobbonBar: layout, painting and the Alt key tips.
#include "gui/MyRobbonBar.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>

#include "gui/MyRibbonApplicationButton.h"

namespace {
const int kLargeIcon = 32;
const int kLargeButtonWidth = 84;
}  // namespace

CMyRobbonBar::CMyRobbonBar(QWidget* parent)
    : QWidget(parent),
      m_applicationButton(nullptr),
      m_tabRow(new QHBoxLayout),
      m_tabs(new QTabBar(this)),
      m_panels(new QStackedWidget(this)),
      m_keyTipsShown(false)
{
    setObjectName(QStringLiteral("Ribbon"));
    setAccessibleName(QStringLiteral("功能区"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setAccessibleName(QStringLiteral("功能区选项卡"));
    connect(m_tabs, &QTabBar::currentChanged, m_panels, &QStackedWidget::setCurrentIndex);

    m_tabRow->setContentsMargins(0, 0, 4, 0);
    m_tabRow->setSpacing(2);
    m_tabRow->addWidget(m_tabs, 0, Qt::AlignBottom);
    m_tabRow->addStretch(1);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->setSpacing(0);
    layout->addLayout(m_tabRow);
    layout->addWidget(m_panels);

    qApp->installEventFilter(this);
}

void CMyRobbonBar::SetApplicationButton(CMyRibbonApplicationButton* button)
{
    m_applicationButton = button;
    button->setParent(this);
    m_tabRow->insertWidget(0, button, 0, Qt::AlignVCenter);
}

int CMyRobbonBar::AddCategory(const QString& name)
{
    QWidget* panel = new QWidget(m_panels);
    QHBoxLayout* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);
    row->addStretch(1);
    m_panels->addWidget(panel);
    return m_tabs->addTab(name);
}

QToolButton* CMyRobbonBar::AddPanelButton(int category, QAction* action)
{
    QWidget* panel = m_panels->widget(category);
    QToolButton* button = new QToolButton(panel);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(kLargeIcon, kLargeIcon));
    button->setAutoRaise(true);
    button->setMinimumWidth(kLargeButtonWidth);
    button->setFocusPolicy(Qt::StrongFocus);
    QHBoxLayout* row = static_cast<QHBoxLayout*>(panel->layout());
    row->insertWidget(row->count() - 1, button);
    m_panelButtons.append(button);
    return button;
}

void CMyRobbonBar::AddTabRowButton(QToolButton* button)
{
    button->setParent(this);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    m_tabRow->addWidget(button, 0, Qt::AlignVCenter);
}

void CMyRobbonBar::SetKeyTip(QWidget* button, const QString& key)
{
    QLabel* tip = new QLabel(key, this);
    tip->setObjectName(QStringLiteral("KeyTip"));
    tip->setAlignment(Qt::AlignCenter);
    tip->setAutoFillBackground(true);
    tip->setFrameShape(QFrame::Box);
    tip->setPalette(QToolTip::palette());
    tip->hide();
    m_keyTips.append(qMakePair(button, tip));
}

void CMyRobbonBar::ShowKeyTips(bool shown)
{
    if (shown == m_keyTipsShown)
        return;
    m_keyTipsShown = shown;
    for (const auto& entry : m_keyTips) {
        QLabel* tip = entry.second;
        if (!shown || !entry.first->isVisible()) {
            tip->hide();
            continue;
        }
        tip->adjustSize();
        const QSize size(std::max(tip->width(), tip->height()), tip->height());
        tip->resize(size);
        // A large button: a badge on the icon's lower right, clear of the
        // text below it.
        const QRect button(entry.first->mapTo(this, QPoint(0, 0)), entry.first->size());
        const QToolButton* tool = qobject_cast<const QToolButton*>(entry.first);
        const QSize icon = tool ? tool->iconSize() : QSize(16, 16);
        if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
            const QPoint corner(button.center().x() + icon.width() / 2, button.top() + 4 + icon.height());
            tip->move(corner.x() - size.width() / 2, corner.y() - size.height() + 2);
        } else {
            // A small button: below its icon, the text beside it stays clear.
            tip->move(button.left() + 4 + icon.width() / 2 - size.width() / 2, button.bottom() - 3);
        }
        tip->raise();
        tip->show();
    }
}

bool CMyRobbonBar::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        QWidget* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != window())
            break;
        const QKeyEvent* key = static_cast<QKeyEvent*>(event);
        // Platforms differ on whether Alt's own press carries AltModifier.
        const bool altAlone = key->key() == Qt::Key_Alt && (key->modifiers() & ~Qt::AltModifier) == 0;
        ShowKeyTips(event->type() == QEvent::KeyPress && altAlone);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate:
    case QEvent::ApplicationDeactivate:
        ShowKeyTips(false);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CMyRobbonBar::paintEvent(QPaintEvent*)
{
    // The tab row on the window colour, the panel a little lighter, a line
    // below: drawn from the palette, so every look colours the ribbon.
    QPainter painter(this);
    const QPalette& colours = palette();
    const int panelTop = m_panels->geometry().top();
    painter.fillRect(QRect(0, 0, width(), panelTop), colours.color(QPalette::Window));
    QLinearGradient panel(0, panelTop, 0, height());
    panel.setColorAt(0, colours.color(QPalette::Window).lighter(112));
    panel.setColorAt(1, colours.color(QPalette::Window));
    painter.fillRect(QRect(0, panelTop, width(), height() - panelTop), panel);
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(0, panelTop, width(), panelTop);
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
