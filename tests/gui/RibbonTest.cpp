// The ribbon: its buttons, prompts and keys.
#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>

#include "app/Workspace.h"
#include "gui/MyRibbonApplicationButton.h"
#include "gui/MyRobbonBar.h"
#include "tests/gui/GuiTest.h"
#include "tests/gui/SampleWorkspace.h"

using namespace tmtest;

class RibbonTest : public QObject {
    Q_OBJECT

private slots:
    void ButtonsShowTheCommandTableAndRunByTheirKeys()
    {
        CSampleWorkspace workspace;
        CTestFrame frame(workspace.Folder());
        frame.show();
        frame.Start();
        QVERIFY(frame.WaitIdle());
        CMyRobbonBar& ribbon = frame.Ribbon();
        QCOMPARE(ribbon.Tabs().count(), 1);
        QCOMPARE(ribbon.Tabs().tabText(0), QStringLiteral("菜单"));
        QCOMPARE(ribbon.ApplicationButton()->size(), QSize(45, 45));

        const QStringList texts = {"评分设置",     "添加学生工程", "删除学生工程", "计算得分",
                                   "导出评分结果", "生成评分报告", "导出评分明细", "班级分析"};
        QCOMPARE(ribbon.PanelButtons().size(), texts.size());
        for (int i = 0; i < texts.size(); ++i) {
            QToolButton* button = ribbon.PanelButtons()[i];
            QCOMPARE(button->text(), texts[i]);
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            // The SVG icons need Qt's SVG support at run time.
            QVERIFY(!button->icon().pixmap(32, 32).isNull());
        }
        QAction* summary = frame.CommandAction(TM_CMD_EXPORT_SUMMARY);
        QCOMPARE(summary->statusTip(), QStringLiteral("导出评分结果"));
        QVERIFY(summary->toolTip().startsWith(QStringLiteral("导出 (")));

        // Holding Alt shows the letters; Alt+C computes.
        QTest::keyPress(&frame, Qt::Key_Alt, Qt::AltModifier);
        int shown = 0;
        for (QLabel* tip : ribbon.findChildren<QLabel*>(QStringLiteral("KeyTip")))
            shown += tip->isVisible() ? 1 : 0;
        QCOMPARE(shown, 9);
        QTest::keyRelease(&frame, Qt::Key_Alt, Qt::NoModifier);
        QTest::keyClick(&frame, Qt::Key_C, Qt::AltModifier);
        QVERIFY(frame.WaitIdle());
        QCOMPARE(frame.m_messages.last().m_text, QStringLiteral("计算完毕!"));
        QAction* details = frame.CommandAction(TM_CMD_EXPORT_DETAILS);
        QCOMPARE(details->statusTip(), QStringLiteral("导出班级评分明细工作簿（.xlsx）"));
        QVERIFY(details->toolTip().startsWith(QStringLiteral("导出评分明细 (")));

        const QList<QLabel*> labels = frame.statusBar()->findChildren<QLabel*>();
        QStringList paneTexts;
        for (QLabel* label : labels)
            paneTexts.append(label->text());
        QVERIFY(paneTexts.contains(QStringLiteral("窗格 1")) && paneTexts.contains(QStringLiteral("窗格 2")));
    }
};

#include "RibbonTest.moc"
static int g_registered = tmtest::RegisterGuiTest<RibbonTest>();
