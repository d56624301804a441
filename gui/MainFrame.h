// The main window: the ribbon, the docked pane "工程列表", the score view
// and the status bar. It owns the workspace and is its window layer.
//
// Order of life: the window is built (ribbon, status bar, pane, the stored
// look), then the workspace's start-up runs (config.xml and the standard,
// projectlist.txt, every student loaded into the list); when the window is
// destroyed the workspace writes config.xml and projectlist.txt. The
// window's geometry and dock state are kept in the application's settings.
//
// Commands, start-up and imports run as jobs off the GUI thread
// (CWorkspaceJob). While one runs, the GUI thread leaves the workspace
// alone: commands, clicks in the list and drops are refused, and a
// progress dialog appears once the job takes longer than a moment. The job
// reaches the user through the window-layer operations below, which run
// message boxes and dialogs on the GUI thread and wait for them.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

#include "app/AppWindowLayer.h"

class QAction;
class QActionGroup;
class QLabel;
class QProgressDialog;
class QToolButton;
class CMyRobbonBar;
class CProjGridCtrl;
class CProjectGroupPane;
class CTmScoreView;
class CWorkspace;
class CWorkspaceJob;

class CMainFrame : public QMainWindow, public CAppWindowLayer {
    Q_OBJECT
public:
    // programFolder holds config.xml and projectlist.txt; empty: the
    // folder of the running program.
    explicit CMainFrame(const std::wstring& programFolder = std::wstring());
    // Waits for a running job, then the workspace's shutdown (once it has
    // started: a window that never read the files does not write them).
    ~CMainFrame() override;

    // Runs the workspace's start-up, then imports paths as if they had been
    // dropped on the window.
    void Start(const QStringList& paths = QStringList());
    // Runs a ribbon command (TM_CMD_..., or the About box); false when a
    // job is running.
    bool RunCommand(int command);
    // Imports what was dropped as "添加学生工程" imports the files chosen in
    // its dialog (CWorkspace::ImportStudentFiles): archives, .prj files and
    // folders of them; anything else is named with its reason in the final
    // message. False when a job is running.
    bool ImportPaths(const QStringList& paths);
    // Puts on look (205 to 219), marks it in the "视图" menu and stores it.
    void ChooseLook(int look);

    bool IsBusy() const;
    // The workspace, for the GUI thread while no job runs (IsBusy false).
    CWorkspace& Workspace() { return *m_workspace; }
    CProjGridCtrl& ProjectList();
    CTmScoreView& ScoreView();
    CMyRobbonBar& Ribbon() { return *m_ribbon; }
    QAction* CommandAction(int command) const { return m_actions.value(command); }
    QActionGroup& LookActions() { return *m_looks; }
    // The status bar's message area, where a computation leaves its summary.
    QString StatusMessage() const;

    // The scoring settings dialog: modal over parent, edits workspace, true
    // on OK. The window opens settings/'s CScoringSettingDlg; tests may put
    // another in its place.
    using CSettingsDialogRunner = std::function<bool(QWidget* parent, CWorkspace& workspace)>;
    void SetSettingsDialogRunner(CSettingsDialogRunner runner) { m_settingsDialog = std::move(runner); }

    // --- the window layer; callable from a job's thread.
    bool ShowOpenFileDialog(const CFileDialogRequest& request, std::vector<std::wstring>& paths) override;
    bool ShowSaveFileDialog(const CFileDialogRequest& request, std::wstring& path) override;
    CGridLayer& GetProjectGrid() override;
    CGridLayer& GetScoreGrid() override;
    bool RunSettingsDialog(CWorkspace& workspace) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ShowProgress(const wchar_t* what, int done, int total, const wchar_t* item = nullptr) override;
    // "取消" in the progress dialog (or closing the window) during the job.
    bool CancelRequested() override;

signals:
    // A job has ended and the window shows its result.
    void JobFinished();

protected:
    // GUI thread: the modal message box, question and file dialogs
    // themselves. The widget tests answer them instead.
    virtual Answer PresentMessage(const QString& text, const QString& caption, Buttons buttons);
    virtual bool PresentOpenDialog(const CFileDialogRequest& request, QStringList& paths);
    virtual bool PresentSaveDialog(const CFileDialogRequest& request, QString& path);

    Answer DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons buttons) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildRibbon();
    void BuildLookMenu();
    void BuildStatusBar();
    void RestoreLayout();
    void SaveLayout();
    // Runs work on the workspace as a job; false when one is running.
    bool RunJob(std::function<void(CWorkspace&)> work);
    void OnJobFinished();
    void OnProgressTick();
    void OnRowChosen(int row);
    // GUI thread, no job running: the score view's marks and the status
    // bar's summary from the score sheet.
    void ShowSheet();
    void ShowAbout();
    // "选项": the dialog, then its settings stored and given to the
    // workspace.
    void ShowOptions();
    // "班级分析" over the last computation; false when busy or none.
    bool ShowClassAnalysis();
    bool HasComputed() const;
    // GUI thread: the owner of a box or file dialog, the modal dialog that
    // is open (the settings dialog) or else the window.
    QWidget* DialogOwner();
    // Runs a modal box or dialog with the arrow cursor over any wait cursor.
    template <typename Show>
    auto Modal(Show show) -> decltype(show());
    static void PresentToolsMessage(const wchar_t* text, const wchar_t* caption, void* context);

    std::unique_ptr<CWorkspace> m_workspace;
    CWorkspaceJob* m_job;
    CMyRobbonBar* m_ribbon;
    QMap<int, QAction*> m_actions;
    QActionGroup* m_looks;
    CProjectGroupPane* m_pane;
    CTmScoreView* m_view;
    QLabel* m_message;
    QPointer<QProgressDialog> m_progress;
    QTimer m_progressTimer;
    QElapsedTimer m_jobClock;
    // Wait cursors a job has shown and not yet removed.
    std::atomic<int> m_waitCursors;
    CSettingsDialogRunner m_settingsDialog;
    QStringList m_pendingImport;
    bool m_started;
    bool m_closeWhenDone;
    void* m_previousPresenter;
    void* m_previousContext;
};
