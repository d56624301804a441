// tmscore-screenshots FOLDER OUT PATH...
//
// Takes the README's pictures of the main window: opens it on the program
// folder FOLDER (config.xml beside it), imports PATH... as if dropped,
// computes, chooses the third student, and saves the window in a light and
// a dark look as OUT/tmscore-light.png and OUT/tmscore-dark.png, then
// opens "评分设置" and saves its standard page and its "地震信息" page (a few
// entries selected) as OUT/tmscore-settings-standard.png and
// OUT/tmscore-settings-items.png, "选项" as OUT/tmscore-options.png, and
// last opens "班级分析" and saves its two tables as
// OUT/tmscore-analysis-items.png and OUT/tmscore-analysis-pairs.png.
// Message boxes are answered at once (Yes to questions) and printed on
// stderr.
// Run it on a display of its own (scripts/screenshots.sh uses Xvfb).
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/Workspace.h"
#include "gui/ClassAnalysisDlg.h"
#include "gui/MainFrame.h"
#include "gui/ProjGridCtrl.h"
#include "gui/RibbonCommands.h"
#include "gui/TmScoreApp.h"
#include "settings/CheckListView.h"
#include "settings/ScoringItemPageDlg.h"
#include "settings/ScoringSettingDlg.h"

namespace {

const int kChosenRow = 3;  // 王五: some values right, some wrong

class CShotFrame : public CMainFrame {
public:
    explicit CShotFrame(const std::wstring& folder) : CMainFrame(folder) {}

protected:
    Answer PresentMessage(const QString& text, const QString& caption, Buttons buttons) override
    {
        fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
        return buttons == TM_MB_YESNO ? TM_ID_YES : TM_ID_OK;
    }
};

// Waits until the window has been idle for a moment (an import follows the
// start-up as a second job).
bool Settle(CMainFrame& frame)
{
    for (int quiet = 0, waited = 0; waited < 120000; waited += 50) {
        QTest::qWait(50);
        quiet = frame.IsBusy() ? 0 : quiet + 50;
        if (quiet >= 500)
            return true;
    }
    return false;
}

bool Save(QWidget& widget, const QString& path)
{
    QTest::qWait(300);
    if (!widget.grab().save(path))
        return false;
    fprintf(stderr, "saved %s\n", path.toUtf8().constData());
    return true;
}

// Opens "评分设置" and saves two of its pages; the dialog is cancelled.
bool SaveSettingsPages(CMainFrame& frame, const QString& out)
{
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        CScoringSettingDlg* dialog = qobject_cast<CScoringSettingDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        saved = Save(*dialog, out + QStringLiteral("/tmscore-settings-standard.png"));
        dialog->Tabs().setCurrentIndex(TM_PAGE_QUAKE_INFO + 1);
        CCheckListView& list = dialog->ItemPage(TM_PAGE_QUAKE_INFO).List();
        list.setFocus();
        list.selectionModel()->select(QItemSelection(list.model()->index(1, 0), list.model()->index(4, 0)),
                                      QItemSelectionModel::ClearAndSelect);
        list.CheckRows({1, 2, 3, 4}, false);
        saved = Save(*dialog, out + QStringLiteral("/tmscore-settings-items.png")) && saved;
        dialog->reject();
    });
    poll.start(50);
    frame.RunCommand(TM_CMD_SCORING_SETTINGS);
    return Settle(frame) && saved;
}

// Opens "选项" and saves it; the dialog is cancelled.
bool SaveOptions(CMainFrame& frame, const QString& out)
{
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QStringLiteral("OptionsDialog"))
            return;
        poll.stop();
        saved = Save(*dialog, out + QStringLiteral("/tmscore-options.png"));
        dialog->reject();
    });
    poll.start(50);
    frame.RunCommand(TM_CMD_APP_OPTIONS);
    return Settle(frame) && saved;
}

// Opens "班级分析" and saves its two tables.
bool SaveClassAnalysis(CMainFrame& frame, const QString& out)
{
    if (!frame.RunCommand(TM_CMD_CLASS_ANALYSIS))
        return false;
    CClassAnalysisDlg* dialog = frame.findChild<CClassAnalysisDlg*>();
    if (!dialog)
        return false;
    QTabWidget* tabs = dialog->findChild<QTabWidget*>();
    bool saved = Save(*dialog, out + QStringLiteral("/tmscore-analysis-items.png"));
    tabs->setCurrentIndex(1);
    saved = Save(*dialog, out + QStringLiteral("/tmscore-analysis-pairs.png")) && saved;
    dialog->close();
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: tmscore-screenshots FOLDER OUT [PATH...]\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString out = QString::fromLocal8Bit(argv[2]);
    QStringList paths;
    for (int i = 3; i < argc; ++i)
        paths.append(QString::fromLocal8Bit(argv[i]));

    CTmScoreApp::SetIdentity();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder + QStringLiteral("/settings"));
    CTmScoreApp::SetUpTexts();

    CShotFrame frame(folder.toStdWString());
    frame.setWindowState(Qt::WindowNoState);
    frame.resize(1440, 860);
    frame.show();
    frame.Start(paths);
    if (!Settle(frame))
        return 1;
    frame.RunCommand(TM_CMD_COMPUTE);
    if (!Settle(frame))
        return 1;
    frame.ProjectList().setFocus();
    frame.ProjectList().selectRow(kChosenRow - 1);
    emit frame.ProjectList().RowChosen(kChosenRow);

    frame.ChooseLook(210);
    const bool light = Save(frame, out + QStringLiteral("/tmscore-light.png"));
    frame.ChooseLook(216);
    const bool dark = Save(frame, out + QStringLiteral("/tmscore-dark.png"));
    frame.ChooseLook(210);
    const bool settings = SaveSettingsPages(frame, out);
    const bool options = SaveOptions(frame, out);
    const bool analysis = SaveClassAnalysis(frame, out);
    return light && dark && settings && options && analysis ? 0 : 1;
}
