// The look chosen in the "视图" menu, kept across a restart.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QSettings>
#include <memory>

#include "gui/AppLook.h"
#include "tests/gui/GuiTest.h"
#include "tests/gui/SampleWorkspace.h"

using namespace tmtest;

namespace {

int CheckedLook(CMainFrame& frame)
{
    QAction* checked = frame.LookActions().checkedAction();
    return checked ? checked->data().toInt() : 0;
}

}  // namespace

class AppLookTest : public QObject {
    Q_OBJECT

private slots:
    void TheChosenLookSurvivesARestart()
    {
        CSampleWorkspace workspace(false);
        {
            CTestFrame first(workspace.Folder());
            QCOMPARE(CheckedLook(first), 210);
            QCOMPARE(first.LookActions().actions().size(), 11);
            QVERIFY(!CAppLook::IsDark());
            first.LookActions().actions()[7]->trigger();  // Office 2007 (黑色样式)
        }
        QCOMPARE(QSettings().value(QStringLiteral("ApplicationLook")).toInt(), 216);
        CTestFrame second(workspace.Folder());
        QCOMPARE(CheckedLook(second), 216);
        QVERIFY(CAppLook::IsDark());
        QVERIFY(QApplication::palette().color(QPalette::Base).lightness() < 80);
        second.ChooseLook(CAppLook::kDefault);
    }

    void AValueThatNamesNoLookGivesTheOffice2007LookUnmarked()
    {
        CSampleWorkspace workspace(false);
        QSettings().setValue(QStringLiteral("ApplicationLook"), 4711);
        CTestFrame frame(workspace.Folder());
        QCOMPARE(CheckedLook(frame), 0);
        QCOMPARE(QApplication::palette().color(QPalette::Window), CAppLook::Find(215)->m_window);
        frame.ChooseLook(CAppLook::kDefault);
    }
};

#include "AppLookTest.moc"
static int g_registered = tmtest::RegisterGuiTest<AppLookTest>();
