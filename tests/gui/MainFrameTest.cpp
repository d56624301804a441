// The main window over the sample class: start-up, the project list,
// choosing a student, computing, dropping archives, shutdown. The
// workspace's own rules are tested headless; these prove the wiring.
#include <QDockWidget>
#include <QHeaderView>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/Workspace.h"
#include "gui/ProjGridCtrl.h"
#include "gui/TmScoreView.h"
#include "tests/gui/GuiTest.h"
#include "tests/gui/SampleWorkspace.h"

using namespace tmtest;

namespace {

QString Q(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

void Press(QTableWidget& grid, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.visualItemRect(grid.item(row, 0)).center());
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CSampleWorkspace> m_class;
    std::unique_ptr<CTestFrame> m_frame;

    CTestFrame& StartedFrame()
    {
        m_frame = StartFrame(*m_class);
        return *m_frame;
    }

private slots:
    void init() { m_class.reset(new CSampleWorkspace); }
    void cleanup()
    {
        m_frame.reset();
        m_class.reset();
    }

    void StartupListsTheStudentsOfTheWorkspaceFolder()
    {
        CTestFrame& frame = StartedFrame();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Tesmo评分系统"));
        QCOMPARE(frame.findChild<QDockWidget*>()->windowTitle(), QStringLiteral("工程列表"));
        CProjGridCtrl& list = frame.ProjectList();
        QCOMPARE(list.rowCount(), 5);
        QCOMPARE(list.columnCount(), 3);
        QCOMPARE(list.horizontalHeaderItem(0)->text(), QStringLiteral("工程"));
        QCOMPARE(list.horizontalHeaderItem(2)->text(), QStringLiteral("总分"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(list.verticalHeaderItem(i)->text(), QString::number(i + 1));
            QCOMPARE(Cell(list, i, 0), Q(m_class->StudentProject(i)));
            QCOMPARE(Cell(list, i, 1), i == 4 ? QStringLiteral("读总信息失败") : QStringLiteral("读入成功"));
            QCOMPARE(Cell(list, i, 2), QString());
            // 赵六 handed in no result files: loaded, and the tool tip says so.
            QCOMPARE(list.item(i, 1)->toolTip().startsWith(QStringLiteral("缺少结果文件：frame_结构信息.txt、")), i == 3);
        }
        QVERIFY(list.item(0, 2)->textAlignment() & Qt::AlignRight);
        QVERIFY(!(list.item(0, 0)->flags() & Qt::ItemIsEditable));
        // The damaged model's warning came from a loading thread and was
        // shown on the GUI thread.
        QCOMPARE(frame.m_messages.size(), 1);
        QCOMPARE(frame.m_messages[0].m_caption, QStringLiteral("警告"));
        QVERIFY(frame.m_messages[0].m_text.contains(QStringLiteral("钱七")));
        QVERIFY(frame.m_messages[0].m_onGuiThread);
    }

    void PressingARowShowsThatStudentsValuesAndTheHeaderChangesNothing()
    {
        CTestFrame& frame = StartedFrame();
        CTmScoreView& view = frame.ScoreView();
        Press(frame.ProjectList(), 1);  // 李四 handed in no rebar quantities
        QVERIFY(view.rowCount() > 100);
        QCOMPARE(view.horizontalHeaderItem(2)->text(), QStringLiteral("学生答案"));
        const int row = RowOf(view, QStringLiteral("钢筋算量接口"));
        QVERIFY(row >= 0);
        QCOMPARE(Cell(view, row, 1), QStringLiteral("完成"));
        QCOMPARE(Cell(view, row, 2), QStringLiteral("未做"));

        const QString before = Cell(view, row, 2);
        QTest::mouseClick(frame.ProjectList().horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(20, 5));
        QTest::mouseClick(frame.ProjectList().viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(20, frame.ProjectList().viewport()->height() - 3));
        QCOMPARE(Cell(view, row, 2), before);
        QCOMPARE(frame.m_messages.size(), 1);  // the start-up's warning only

        // Down moves to 王五 (no drawings) and shows his values.
        QTest::keyClick(&frame.ProjectList(), Qt::Key_Down);
        QCOMPARE(frame.ProjectList().currentRow(), 2);
        QCOMPARE(Cell(view, RowOf(view, QStringLiteral("施工图")), 2), QStringLiteral("未做"));
    }

    void ComputingFillsTheTotalsAndAFailedStudentHasNoAnswers()
    {
        CTestFrame& frame = StartedFrame();
        Press(frame.ProjectList(), 4);  // 钱七, whose model did not load
        QVERIFY(frame.RunCommand(TM_CMD_COMPUTE));
        QVERIFY(frame.WaitIdle());
        QCOMPARE(frame.m_messages.last().m_text, QStringLiteral("计算完毕!"));
        QCOMPARE(frame.m_messages.last().m_caption, QStringLiteral("提示"));
        const QStringList totals = {"100.00", "100.00", "54.40", "60.80", "0.00"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Cell(frame.ProjectList(), i, 2), totals[i]);

        QCOMPARE(frame.StatusMessage(), QStringLiteral("已读入 4 个工程，平均总分 78.80"));

        CTmScoreView& view = frame.ScoreView();
        QVERIFY(view.rowCount() > 100);
        for (int r = 0; r < view.rowCount(); ++r) {
            QCOMPARE(Cell(view, r, 2), QString());
            QCOMPARE(Cell(view, r, 4), QString());
        }
        // 钱七 earned nothing; 王五 earned some values' shares and not others.
        QCOMPARE(view.RowMark(0), CTmScoreView::TM_MARK_NOTHING);
        Press(frame.ProjectList(), 2);
        const int full = RowOf(view, QStringLiteral("结构计算总层数"));
        const int nothing = RowOf(view, QStringLiteral("地震设防烈度"));
        QCOMPARE(view.RowMark(full), CTmScoreView::TM_MARK_FULL);
        QCOMPARE(view.RowMark(nothing), CTmScoreView::TM_MARK_NOTHING);
        QVERIFY(!view.item(nothing, 4)->icon().isNull());
        QCOMPARE(view.item(nothing, 4)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("0.00，未得分"));
    }

    void CancellingTheLoadLeavesTheRestUnreadUntilComputing()
    {
        m_class.reset(new CSampleWorkspace(true, true));
        m_frame.reset(new CTestFrame(m_class->Folder()));
        CTestFrame& frame = *m_frame;
        frame.Workspace().SetLoadJobs(1);
        // While 钱七's warning is up, the load waits: the progress dialog
        // names him, and its "取消" is pressed.
        QString label;
        frame.m_whileShown = [&]() {
            QProgressDialog* progress = nullptr;
            QVERIFY(QTest::qWaitFor(
                [&]() { return (progress = frame.findChild<QProgressDialog*>()) && progress->isVisible(); }));
            label = progress->labelText();
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            frame.m_whileShown = nullptr;
        };
        frame.show();
        frame.Start();
        QVERIFY(frame.WaitIdle());
        QVERIFY(label.contains(QStringLiteral("读入学生工程")));
        QVERIFY(label.contains(QStringLiteral("钱七/frame.prj")));
        QCOMPARE(Cell(frame.ProjectList(), 0, 1), QStringLiteral("读总信息失败"));
        for (int i = 1; i < 5; ++i) {
            QCOMPARE(Cell(frame.ProjectList(), i, 1), QStringLiteral("未读入"));
            QCOMPARE(Cell(frame.ProjectList(), i, 2), QString());
        }

        QVERIFY(frame.RunCommand(TM_CMD_COMPUTE));
        QVERIFY(frame.WaitIdle());
        QCOMPARE(Cell(frame.ProjectList(), 1, 1), QStringLiteral("读入成功"));
        QCOMPARE(Cell(frame.ProjectList(), 1, 2), QStringLiteral("100.00"));
        QCOMPARE(frame.m_messages.last().m_text, QStringLiteral("计算完毕!"));
    }

    void DroppedFilesGoThroughTheImportAndTheRestAreNamed()
    {
        CSampleWorkspace empty(false);
        m_class.reset();
        CTestFrame frame(empty.Folder());
        frame.show();
        frame.Start();
        QVERIFY(frame.WaitIdle());
        QCOMPARE(frame.ProjectList().rowCount(), 0);

        const QString first = empty.CopyArchive(0);
        const QString second = empty.CopyArchive(1);
        const QString notes = QString::fromStdString(empty.FilePath("notes.txt"));
        WriteBytes(notes.toStdString(), "n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(notes), QUrl::fromLocalFile(second)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        QVERIFY(QTest::qWaitFor([&]() { return frame.ProjectList().rowCount() == 2 && !frame.IsBusy(); }, 60000));

        QCOMPARE(Cell(frame.ProjectList(), 0, 0), QFileInfo(first).path() + QStringLiteral("/张三/frame.prj"));
        QCOMPARE(Cell(frame.ProjectList(), 1, 1), QStringLiteral("读入成功"));
        // What gave no project is named, with its reason, in the final message.
        QCOMPARE(frame.m_messages.size(), 1);
        QCOMPARE(frame.m_messages[0].m_text,
                 QStringLiteral("导入完成!\n其中 1 个文件没有导入工程：\n") + notes +
                     QStringLiteral("：不是学生工程压缩包或 .prj 文件"));
    }

    void ClosingWritesTheStandardAndTheProjectList()
    {
        StartedFrame();
        const std::string config = m_class->FilePath("config.xml");
        const std::string list = m_class->FilePath("projectlist.txt");
        const std::string listBefore = ReadBytes(list);
        std::remove(config.c_str());
        std::remove(list.c_str());
        m_frame->close();
        m_frame.reset();
        QCOMPARE(QString::fromStdString(ReadBytes(list)), QString::fromStdString(listBefore));
        const std::string xml = ReadBytes(config);
        QVERIFY(xml.find("<标准工程信息 标准工程路径=\"" TM_SAMPLES_DIR "/standard/frame.prj\"") != std::string::npos);
    }
};

#include "MainFrameTest.moc"
static int g_registered = tmtest::RegisterGuiTest<MainFrameTest>();
