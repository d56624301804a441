// CMainFrame: building the window, jobs, commands, drops, looks, closing.
// The window-layer operations are in MainFrameLayer.cpp.
#include "gui/MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QSettings>
#include <QStatusBar>
#include <QThread>
#include <QToolButton>

#include "app/Workspace.h"
#include "gui/AppLook.h"
#include "gui/ClassAnalysisDlg.h"
#include "gui/MyRibbonConstructor.h"
#include "gui/MyRobbonBar.h"
#include "gui/OptionsDialog.h"
#include "gui/ProjGridCtrl.h"
#include "gui/ProjectGroupPane.h"
#include "gui/RibbonCommands.h"
#include "gui/TmScoreView.h"
#include "gui/WorkspaceJob.h"
#include "settings/ScoringSettingDlg.h"
#include "tools/TmMessage.h"

namespace {

const char kGeometryKey[] = "MainFrame/Geometry";
const char kDockStateKey[] = "MainFrame/DockState";
// A job shows its progress dialog after this long, and refreshes it at
// this interval.
const int kProgressDelayMs = 400;
const int kProgressTickMs = 100;

QString ToQString(const std::wstring& text)
{
    return QString::fromWCharArray(text.data(), (qsizetype)text.size());
}

// The mark of a score-view row: only a value worth something can earn its
// full share or nothing.
CTmScoreView::Mark MarkOf(const CScoreSheetRow& row)
{
    if (row.m_valueScore <= 0.0f)
        return CTmScoreView::TM_MARK_NONE;
    if (row.m_answered && row.m_earned >= row.m_valueScore)
        return CTmScoreView::TM_MARK_FULL;
    return row.m_earned == 0.0f ? CTmScoreView::TM_MARK_NOTHING : CTmScoreView::TM_MARK_NONE;
}

// After a computation: how many students were read and their mean total
// (a student whose project could not be read is not counted).
QString ClassSummary(const CScoreSheet& sheet)
{
    int loaded = 0;
    double sum = 0.0;
    for (const CScoreSheetEntry& entry : sheet.m_entries) {
        if (!entry.m_scored || !entry.m_loaded)
            continue;
        ++loaded;
        sum += entry.m_total;
    }
    if (loaded == 0)
        return QString();
    return QStringLiteral("已读入 %1 个工程，平均总分 %2").arg(loaded).arg(sum / loaded, 0, 'f', 2);
}

std::vector<std::wstring> ToWide(const QStringList& paths)
{
    std::vector<std::wstring> wide;
    for (const QString& path : paths)
        wide.push_back(path.toStdWString());
    return wide;
}

}  // namespace

CMainFrame::CMainFrame(const std::wstring& programFolder)
    : m_workspace(new CWorkspace(*this)),
      m_job(new CWorkspaceJob(this)),
      m_ribbon(nullptr),
      m_looks(nullptr),
      m_pane(nullptr),
      m_view(nullptr),
      m_message(nullptr),
      m_waitCursors(0),
      m_started(false),
      m_closeWhenDone(false),
      m_previousPresenter(nullptr),
      m_previousContext(nullptr)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(QStringLiteral("Tesmo评分系统"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setAcceptDrops(true);

    BuildRibbon();
    BuildStatusBar();
    m_pane = new CProjectGroupPane(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_pane);
    m_view = new CTmScoreView(this);
    setCentralWidget(m_view);
    // Tab: the ribbon's tab row and buttons, then the list, then the view.
    setTabOrder(m_ribbon->findChild<QToolButton*>(QStringLiteral("AboutButton")), &m_pane->Grid());
    setTabOrder(&m_pane->Grid(), m_view);
    connect(&m_pane->Grid(), &CProjGridCtrl::RowChosen, this, &CMainFrame::OnRowChosen);

    CAppLook::Apply(CAppLook::Stored());
    for (QAction* look : m_looks->actions())
        look->setChecked(look->data().toInt() == CAppLook::Stored());

    m_settingsDialog = [this](QWidget* parent, CWorkspace& workspace) {
        return CScoringSettingDlg::Run(parent, workspace, *this);
    };

    TMTOOLS::OS::TmMessagePresenter previous = nullptr;
    TMTOOLS::OS::SetMessagePresenter(&CMainFrame::PresentToolsMessage, this, &previous, &m_previousContext);
    m_previousPresenter = reinterpret_cast<void*>(previous);

    if (!programFolder.empty())
        m_workspace->SetProgramFolder(programFolder);
    // Projects load on as many threads as the machine offers, as the
    // command line's --jobs does; the results are those of one thread.
    m_workspace->SetLoadJobs(std::max(1, std::min(QThread::idealThreadCount(), 8)));
    m_workspace->SetMaxUnpackBytes((uint64_t)COptionsDialog::StoredMaxUnpackGiB() << 30);
    CClassAnalysisDlg::ApplyStoredOptions(*m_workspace);
    // The grids get their headers at once, before the start-up job runs.
    m_workspace->SetupGrids();
    m_pane->Grid().ShowCells();
    m_view->ShowCells();
    RestoreLayout();

    connect(m_job, &CWorkspaceJob::Finished, this, &CMainFrame::OnJobFinished);
    m_progressTimer.setInterval(kProgressTickMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &CMainFrame::OnProgressTick);
}

CMainFrame::~CMainFrame()
{
    // A job may be waiting for a message box on this thread: let it finish.
    m_job->RequestCancel();
    while (m_job->IsRunning())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (m_started)
        m_workspace->Shutdown();
    TMTOOLS::OS::SetMessagePresenter(reinterpret_cast<TMTOOLS::OS::TmMessagePresenter>(m_previousPresenter),
                                     m_previousContext);
}

void CMainFrame::BuildRibbon()
{
    m_ribbon = new CMyRobbonBar(this);
    m_actions = CMyRibbonConstructor::Construct(*m_ribbon, this);
    for (QAction* action : m_actions)
        connect(action, &QAction::triggered, this, [this, action]() { RunCommand(action->data().toInt()); });
    // Until a computation has given something to analyse.
    m_actions.value(TM_CMD_CLASS_ANALYSIS)->setEnabled(false);
    BuildLookMenu();

    QToolButton* about = new QToolButton;
    about->setObjectName(QStringLiteral("AboutButton"));
    QAction* aboutAction = new QAction(QIcon(QStringLiteral(":/icons/about.svg")), QStringLiteral("关于"), this);
    aboutAction->setToolTip(QStringLiteral("关于 Tesmo评分系统 (F1)"));
    aboutAction->setStatusTip(QStringLiteral("显示程序信息、版本号和版权"));
    aboutAction->setShortcut(QKeySequence(Qt::Key_F1));
    aboutAction->setData(TM_CMD_APP_ABOUT);
    connect(aboutAction, &QAction::triggered, this, &CMainFrame::ShowAbout);
    about->setDefaultAction(aboutAction);
    about->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_actions.insert(TM_CMD_APP_ABOUT, aboutAction);

    QToolButton* options = new QToolButton;
    options->setObjectName(QStringLiteral("OptionsButton"));
    QAction* optionsAction = new QAction(QStringLiteral("选项"), this);
    optionsAction->setToolTip(QStringLiteral("解压上限等程序选项"));
    optionsAction->setStatusTip(QStringLiteral("设置每个学生压缩包解压后最多占用的空间"));
    optionsAction->setData(TM_CMD_APP_OPTIONS);
    connect(optionsAction, &QAction::triggered, this, [this]() { RunCommand(TM_CMD_APP_OPTIONS); });
    options->setDefaultAction(optionsAction);
    options->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_actions.insert(TM_CMD_APP_OPTIONS, optionsAction);
    m_ribbon->AddTabRowButton(options);
    m_ribbon->AddTabRowButton(about);
    setMenuWidget(m_ribbon);
}

void CMainFrame::BuildLookMenu()
{
    QToolButton* button = new QToolButton;
    button->setObjectName(QStringLiteral("LookButton"));
    button->setText(QStringLiteral("视图"));
    button->setIcon(QIcon(QStringLiteral(":/icons/look.svg")));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolTip(QStringLiteral("选择窗口外观 (Alt+V)"));
    button->setStatusTip(QStringLiteral("选择窗口外观"));
    QMenu* menu = new QMenu(button);
    m_looks = new QActionGroup(this);
    m_looks->setExclusive(true);
    for (int i = 0; i < CAppLook::EntryCount(); ++i) {
        const CAppLook::CEntry& entry = CAppLook::Entries()[i];
        if (entry.m_id == 215)
            menu->addSeparator();
        QAction* look = menu->addAction(QString::fromUtf8(entry.m_menuText));
        look->setCheckable(true);
        look->setData(entry.m_id);
        m_looks->addAction(look);
        connect(look, &QAction::triggered, this, [this, look]() { ChooseLook(look->data().toInt()); });
    }
    button->setMenu(menu);
    QAction* open = new QAction(this);
    open->setShortcut(QKeySequence(Qt::ALT | Qt::Key_V));
    connect(open, &QAction::triggered, button, &QToolButton::showMenu);
    addAction(open);
    m_ribbon->AddTabRowButton(button);
    m_ribbon->SetKeyTip(button, QStringLiteral("V"));
}

void CMainFrame::BuildStatusBar()
{
    // The message area takes what is left; the two panes keep their texts
    // at the right end. Prompts of the ribbon cover the message for a while.
    m_message = new QLabel(statusBar());
    m_message->setObjectName(QStringLiteral("StatusMessage"));
    statusBar()->addWidget(m_message, 1);
    for (const char* text : {"窗格 1", "窗格 2"}) {
        QLabel* pane = new QLabel(QString::fromUtf8(text), statusBar());
        pane->setFrameShape(QFrame::StyledPanel);
        pane->setMargin(1);
        statusBar()->addPermanentWidget(pane);
    }
}

void CMainFrame::RestoreLayout()
{
    QSettings settings;
    const QByteArray geometry = settings.value(QLatin1String(kGeometryKey)).toByteArray();
    const QByteArray state = settings.value(QLatin1String(kDockStateKey)).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        setWindowState(windowState() | Qt::WindowMaximized);
    if (state.isEmpty() || !restoreState(state))
        resizeDocks({m_pane}, {std::max((int)CProjectGroupPane::kInitialWidth, m_pane->Grid().LaidOutWidth())},
                    Qt::Horizontal);
}

void CMainFrame::SaveLayout()
{
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    settings.setValue(QLatin1String(kDockStateKey), saveState());
}

CProjGridCtrl& CMainFrame::ProjectList()
{
    return m_pane->Grid();
}

CTmScoreView& CMainFrame::ScoreView()
{
    return *m_view;
}

QString CMainFrame::StatusMessage() const
{
    return m_message->text();
}

bool CMainFrame::IsBusy() const
{
    return m_job->IsRunning();
}

void CMainFrame::Start(const QStringList& paths)
{
    m_pendingImport = paths;
    m_started = true;
    RunJob([](CWorkspace& workspace) { workspace.Startup(); });
}

bool CMainFrame::RunJob(std::function<void(CWorkspace&)> work)
{
    CWorkspace* workspace = m_workspace.get();
    if (!m_job->Start([work, workspace]() { work(*workspace); }))
        return false;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_jobClock.start();
    m_progressTimer.start();
    return true;
}

void CMainFrame::OnJobFinished()
{
    m_progressTimer.stop();
    if (m_progress)
        m_progress->deleteLater();
    // Cursors the job left behind (calls pair up, but a job may end early).
    for (int left = m_waitCursors.exchange(0); left > 0; --left)
        QApplication::restoreOverrideCursor();
    QApplication::restoreOverrideCursor();
    m_pane->Grid().ShowCells();
    m_view->ShowCells();
    ShowSheet();
    emit JobFinished();

    if (m_closeWhenDone) {
        close();
        return;
    }
    if (!m_pendingImport.isEmpty()) {
        const QStringList paths = m_pendingImport;
        m_pendingImport.clear();
        ImportPaths(paths);
    }
}

void CMainFrame::OnProgressTick()
{
    const CWorkspaceJob::CProgress progress = m_job->Progress();
    if (progress.m_total <= 0 || m_jobClock.elapsed() < kProgressDelayMs)
        return;
    if (!m_progress) {
        m_progress = new QProgressDialog(this);
        m_progress->setWindowTitle(QStringLiteral("Tesmo评分系统"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setCancelButtonText(QStringLiteral("取消"));
        m_progress->setAutoReset(false);
        m_progress->setAutoClose(false);
        m_progress->setMinimumDuration(0);
        m_progress->setMinimumWidth(420);
        connect(m_progress, &QProgressDialog::canceled, this, [this]() {
            m_job->RequestCancel();
            m_progress->setLabelText(QStringLiteral("正在取消……"));
        });
    }
    if (m_job->IsCancelRequested())
        return;
    QString label = QStringLiteral("%1  %2 / %3").arg(ToQString(progress.m_what)).arg(progress.m_done).arg(progress.m_total);
    if (!progress.m_item.empty())
        label += QLatin1Char('\n') + ToQString(progress.m_item);
    m_progress->setLabelText(label);
    m_progress->setMaximum(progress.m_total);
    m_progress->setValue(std::min(progress.m_done, progress.m_total));
}

bool CMainFrame::RunCommand(int command)
{
    if (command == TM_CMD_APP_ABOUT) {
        ShowAbout();
        return true;
    }
    if (command == TM_CMD_APP_OPTIONS) {
        // The workspace is the job's while one runs.
        if (IsBusy())
            return false;
        ShowOptions();
        return true;
    }
    if (command == TM_CMD_CLASS_ANALYSIS)
        return ShowClassAnalysis();
    return RunJob([command](CWorkspace& workspace) { workspace.RunCommand(command); });
}

void CMainFrame::OnRowChosen(int row)
{
    // Quick, so on the GUI thread; never while a job has the workspace.
    if (IsBusy())
        return;
    m_workspace->OnProjectListClicked(row);
    ShowSheet();
}

bool CMainFrame::ShowClassAnalysis()
{
    if (IsBusy() || !HasComputed())
        return false;
    // Window-modal: nothing changes the score sheet while it is open.
    CClassAnalysisDlg* dialog = new CClassAnalysisDlg(*m_workspace, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &CClassAnalysisDlg::StudentChosen, this, [this](int index) {
        m_pane->Grid().setCurrentCell(index, 0);
        OnRowChosen(index + 1);
    });
    dialog->open();
    return true;
}

bool CMainFrame::HasComputed() const
{
    for (const CScoreSheetEntry& entry : m_workspace->GetScoreSheet().m_entries)
        if (entry.m_scored)
            return true;
    return false;
}

void CMainFrame::ShowSheet()
{
    const CScoreSheet& sheet = m_workspace->GetScoreSheet();
    const int index = m_workspace->GetSelectedIndex();
    std::vector<CTmScoreView::Mark> marks;
    if (index >= 0 && index < (int)sheet.m_entries.size() && sheet.m_entries[index].m_scored) {
        for (const CScoreSheetRow& row : sheet.m_entries[index].m_rows)
            marks.push_back(MarkOf(row));
    }
    m_view->SetRowMarks(marks);
    m_message->setText(ClassSummary(sheet));
    m_actions.value(TM_CMD_CLASS_ANALYSIS)->setEnabled(HasComputed());
}

bool CMainFrame::ImportPaths(const QStringList& paths)
{
    if (IsBusy())
        return false;
    const std::vector<std::wstring> files = ToWide(paths);
    return RunJob([files](CWorkspace& workspace) { workspace.ImportStudentFiles(files); });
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!IsBusy() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    event->acceptProposedAction();
    // After the drop has returned to the source: the import may ask.
    QMetaObject::invokeMethod(this, [this, paths]() { ImportPaths(paths); }, Qt::QueuedConnection);
}

void CMainFrame::ChooseLook(int look)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CAppLook::Apply(look);
    for (QAction* action : m_looks->actions())
        action->setChecked(action->data().toInt() == look);
    CAppLook::Store(look);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::ShowAbout()
{
    QMessageBox box(this);
    box.setWindowTitle(QStringLiteral("关于 Tesmo评分系统"));
    box.setIconPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(48, 48));
    box.setText(QStringLiteral("Tesmo评分系统，%1 版").arg(QCoreApplication::applicationVersion()));
    // Where the workspace is kept: beside the program or, installed, in
    // the user's configuration folder.
    box.setInformativeText(QStringLiteral("评分标准：%1\n学生工程列表：%2")
                               .arg(QString::fromStdWString(m_workspace->GetConfigPath()),
                                    QString::fromStdWString(m_workspace->GetProjectListPath())));
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}

void CMainFrame::ShowOptions()
{
    COptionsDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    COptionsDialog::StoreMaxUnpackGiB(dialog.MaxUnpackGiB());
    m_workspace->SetMaxUnpackBytes((uint64_t)dialog.MaxUnpackGiB() << 30);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (IsBusy()) {
        // Close once the job has stopped; it is asked to stop early.
        m_closeWhenDone = true;
        m_job->RequestCancel();
        event->ignore();
        return;
    }
    SaveLayout();
    event->accept();
}
