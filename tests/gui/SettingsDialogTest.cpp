// The scoring settings dialog opened from the window on the sample class:
// its tabs, the check list's Shift-selection and Space, OK reaching the
// score view and the totals, a refusal keeping it open, and an import that
// Cancel keeps. The rules themselves are tested headless (tests/settings).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/Workspace.h"
#include "gui/ProjGridCtrl.h"
#include "gui/TmScoreView.h"
#include "settings/CheckListView.h"
#include "settings/ScoringItemPageDlg.h"
#include "settings/ScoringPageStandardInfoDlg.h"
#include "settings/ScoringSettingDlg.h"
#include "tests/gui/GuiTest.h"
#include "tests/gui/SampleWorkspace.h"

using namespace tmtest;

namespace {

QPoint TextOf(QListView& list, int row)
{
    return list.visualRect(list.model()->index(row, 0)).center();
}

// Where the item delegate puts the check box of row.
QPoint BoxOf(QListView& list, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = list.visualRect(list.model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    return list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list).center();
}

QPushButton* Button(QWidget& dialog, const char* text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QString::fromUtf8(text))
            return button;
    qFatal("no button %s", text);
    return nullptr;
}

bool IsChecked(QListView& list, int row)
{
    return list.model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CSampleWorkspace> m_class;
    std::unique_ptr<CTestFrame> m_frame;

    CTestFrame& StartedFrame()
    {
        m_frame = StartFrame(*m_class);
        return *m_frame;
    }

    // Runs "评分设置" and, once its dialog is up, work on it; true when the
    // command has ended.
    bool WithDialog(const std::function<void(CScoringSettingDlg&)>& work)
    {
        QTimer poll;
        bool ran = false;
        connect(&poll, &QTimer::timeout, this, [&]() {
            CScoringSettingDlg* dialog = qobject_cast<CScoringSettingDlg*>(QApplication::activeModalWidget());
            if (!dialog || ran)
                return;
            ran = true;
            poll.stop();
            work(*dialog);
            // A check that failed in work left it open: end the command.
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start(20);
        if (!m_frame->RunCommand(TM_CMD_SCORING_SETTINGS))
            return false;
        return m_frame->WaitIdle() && ran;
    }

private slots:
    void init() { m_class.reset(new CSampleWorkspace); }
    void cleanup()
    {
        m_frame.reset();
        m_class.reset();
    }

    void TickingWithShiftSelectionAndOkChangeTheViewAndTheTotal()
    {
        CTestFrame& frame = StartedFrame();
        QVERIFY(frame.RunCommand(TM_CMD_COMPUTE));
        QVERIFY(frame.WaitIdle());
        frame.ProjectList().selectRow(2);
        emit frame.ProjectList().RowChosen(3);  // 王五: 地震设防烈度 wrong
        QCOMPARE(Cell(frame.ProjectList(), 2, 2), QStringLiteral("54.40"));
        QVERIFY(RowOf(frame.ScoreView(), QStringLiteral("地震设防烈度")) >= 0);

        QVERIFY(WithDialog([&](CScoringSettingDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("设置评分标准"));
            QTabWidget& tabs = dialog.Tabs();
            QCOMPARE(tabs.count(), 10);
            QCOMPARE(tabs.tabText(0), QStringLiteral("评分标准"));
            QCOMPARE(tabs.tabText(2), QStringLiteral("地震信息"));
            QCOMPARE(tabs.tabText(9), QStringLiteral("构件信息"));
            QCOMPARE(dialog.ItemPage(TM_PAGE_GOUJIAN_INFO).List().model()->rowCount(), 28);

            tabs.setCurrentIndex(2);
            CScoringItemPageDlg& page = dialog.ItemPage(TM_PAGE_QUAKE_INFO);
            CCheckListView& list = page.List();
            QLabel* count = page.findChild<QLabel*>(QStringLiteral("Count"));
            QCOMPARE(count->text(), QStringLiteral("已选 29 / 29"));
            QCOMPARE(list.model()->index(1, 0).data().toString(), QStringLiteral("地震设防烈度"));
            // Entries 1 to 4 selected; unticking entry 2 unticks all four.
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, TextOf(list, 1));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, TextOf(list, 4));
            QCOMPARE(list.SelectedRows(), QList<int>({1, 2, 3, 4}));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, BoxOf(list, 2));
            for (int row = 0; row < 6; ++row)
                QCOMPARE(IsChecked(list, row), row == 0 || row == 5);
            QCOMPARE(count->text(), QStringLiteral("已选 25 / 29"));
            // A click on the text only selects; Space then toggles.
            QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, TextOf(list, 0));
            QVERIFY(IsChecked(list, 0));
            QTest::keyClick(&list, Qt::Key_Space);
            QVERIFY(!IsChecked(list, 0));
            QCOMPARE(count->text(), QStringLiteral("已选 24 / 29"));

            QTest::mouseClick(Button(dialog, "确定"), Qt::LeftButton);
        }));
        // OK computed the class again and refreshed the view.
        QCOMPARE(RowOf(frame.ScoreView(), QStringLiteral("地震设防烈度")), -1);
        QCOMPARE(RowOf(frame.ScoreView(), QStringLiteral("地震力计算标志")), -1);
        QVERIFY(Cell(frame.ProjectList(), 2, 2) != QStringLiteral("54.40"));
        QCOMPARE(Cell(frame.ProjectList(), 0, 2), QStringLiteral("100.00"));
    }

    void ARefusalKeepsTheDialogOpenAndCancelKeepsAnImport()
    {
        const std::string none = m_class->FilePath("none.xml");
        Run("'" TM_CLI_PROGRAM "' standard '" TM_SAMPLES_DIR "/standard/frame.prj' -o '" + none +
            "' --select none >/dev/null 2>&1");
        CTestFrame& frame = StartedFrame();
        frame.m_messages.clear();
        frame.m_openAnswers = QStringList() << QString::fromStdString(none);
        QVERIFY(WithDialog([&](CScoringSettingDlg& dialog) {
            CScoringPageStandardInfoDlg& page = dialog.StandardPage();
            QCOMPARE(page.PathEdit().text(), QStringLiteral(TM_SAMPLES_DIR "/standard/frame.prj"));
            QCOMPARE(page.ScoreEdit(0).text(), QStringLiteral("30"));
            QVERIFY(page.ScoreEdit(0).alignment() & Qt::AlignRight);
            dialog.Tabs().setCurrentIndex(9);
            page.PathEdit().setText(QStringLiteral("   "));
            QTest::mouseClick(Button(dialog, "确定"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.Tabs().currentIndex(), 0);

            page.PathEdit().setText(QStringLiteral(TM_SAMPLES_DIR "/standard/frame.prj"));
            QTest::mouseClick(Button(dialog, "导入评分标准"), Qt::LeftButton);
            QCOMPARE(dialog.ItemPage(TM_PAGE_QUAKE_INFO).findChild<QLabel*>(QStringLiteral("Count"))->text(),
                     QStringLiteral("已选 0 / 29"));
            QTest::mouseClick(Button(dialog, "取消"), Qt::LeftButton);
        }));
        // (The imported standard selects nothing: the import says so too.)
        QCOMPARE(frame.m_messages.first().m_caption, QStringLiteral("提示"));
        QCOMPARE(frame.m_messages.first().m_text, QStringLiteral("标准工程不能为空!"));
        QCOMPARE(frame.m_messages.last().m_text, QStringLiteral("导入完成!"));
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            for (const std::unique_ptr<CTmData>& value : frame.Workspace().GetStandardProject()->GetItem(k).GetValues())
                QVERIFY(!value->m_selected);
    }
};

#include "SettingsDialogTest.moc"
static int g_registered = tmtest::RegisterGuiTest<SettingsDialogTest>();
