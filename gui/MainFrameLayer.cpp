// CMainFrame as the workspace's window layer: message boxes, questions,
// file dialogs, the settings dialog, the wait cursor and progress. Each
// may be called from a job's thread; whatever shows a widget runs on the
// GUI thread while the job waits.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "gui/FileDialogFilter.h"
#include "gui/GuiThreadCall.h"
#include "gui/MainFrame.h"
#include "gui/ProjGridCtrl.h"
#include "gui/ProjectGroupPane.h"
#include "gui/TmScoreView.h"
#include "gui/WorkspaceJob.h"

namespace {

const char kLastFolderKey[] = "FileDialogs/LastFolder";

QString ToQString(const wchar_t* text)
{
    return QString::fromWCharArray(text ? text : L"");
}

QString ToQString(const std::wstring& text)
{
    return QString::fromWCharArray(text.data(), (qsizetype)text.size());
}

// The folder a file dialog opens in: where the last one left off.
QString LastFolder()
{
    return QSettings().value(QLatin1String(kLastFolderKey)).toString();
}

void RememberFolder(const QString& path)
{
    QSettings().setValue(QLatin1String(kLastFolderKey), QFileInfo(path).absolutePath());
}

void SetUpFileDialog(QFileDialog& dialog, const CFileDialogRequest& request)
{
    if (!request.m_title.empty())
        dialog.setWindowTitle(ToQString(request.m_title));
    dialog.setNameFilter(CFileDialogFilter::ToQt(ToQString(request.m_filter)));
    const QString folder = LastFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (!request.m_initialName.empty())
        dialog.selectFile(ToQString(request.m_initialName));
    // The name buffer of the Windows dialog has no counterpart: the number
    // of archives taken is limited by the import itself.
}

}  // namespace

template <typename Show>
auto CMainFrame::Modal(Show show) -> decltype(show())
{
    // A box shown while a job runs must not look busy.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    struct CRestore {
        ~CRestore() { QApplication::restoreOverrideCursor(); }
    } restore;
    return show();
}

QWidget* CMainFrame::DialogOwner()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : this;
}

void CMainFrame::PresentToolsMessage(const wchar_t* text, const wchar_t* caption, void* context)
{
    static_cast<CMainFrame*>(context)->ShowMessageBox(text, caption, TM_MB_OK);
}

CWindowLayer::Answer CMainFrame::DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons buttons)
{
    const QString shownText = ToQString(text);
    const QString shownCaption = ToQString(caption);
    return CallOnThreadOf(this, [&]() { return Modal([&]() { return PresentMessage(shownText, shownCaption, buttons); }); });
}

CWindowLayer::Answer CMainFrame::PresentMessage(const QString& text, const QString& caption, Buttons buttons)
{
    QMessageBox box(DialogOwner());
    box.setWindowTitle(caption);
    box.setText(text);
    if (buttons == TM_MB_YESNO) {
        box.setIcon(QMessageBox::Question);
        QPushButton* yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? TM_ID_YES : TM_ID_NO;
    }
    box.setIcon(caption == QStringLiteral("警告") ? QMessageBox::Warning : QMessageBox::Information);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
    return TM_ID_OK;
}

bool CMainFrame::ShowOpenFileDialog(const CFileDialogRequest& request, std::vector<std::wstring>& paths)
{
    QStringList chosen;
    const bool accepted = CallOnThreadOf(this, [&]() { return Modal([&]() { return PresentOpenDialog(request, chosen); }); });
    paths.clear();
    for (const QString& path : chosen)
        paths.push_back(path.toStdWString());
    return accepted && !paths.empty();
}

bool CMainFrame::PresentOpenDialog(const CFileDialogRequest& request, QStringList& paths)
{
    QFileDialog dialog(DialogOwner(), QStringLiteral("打开"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.m_multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    SetUpFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    paths = dialog.selectedFiles();
    if (!paths.isEmpty())
        RememberFolder(paths.first());
    return true;
}

bool CMainFrame::ShowSaveFileDialog(const CFileDialogRequest& request, std::wstring& path)
{
    QString chosen;
    const bool accepted = CallOnThreadOf(this, [&]() { return Modal([&]() { return PresentSaveDialog(request, chosen); }); });
    path = chosen.toStdWString();
    return accepted && !path.empty();
}

bool CMainFrame::PresentSaveDialog(const CFileDialogRequest& request, QString& path)
{
    QFileDialog dialog(DialogOwner(), QStringLiteral("另存为"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    SetUpFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().first();
    RememberFolder(path);
    return true;
}

CGridLayer& CMainFrame::GetProjectGrid()
{
    return m_pane->Grid();
}

CGridLayer& CMainFrame::GetScoreGrid()
{
    return *m_view;
}

bool CMainFrame::RunSettingsDialog(CWorkspace& workspace)
{
    // The job waits here while the dialog, on the GUI thread, has the
    // workspace to itself (CScoringSettingDlg::Run says why that is safe).
    return CallOnThreadOf(this, [&]() {
        return Modal([&]() {
            if (m_settingsDialog)
                return m_settingsDialog(this, workspace);
            PresentMessage(QStringLiteral("评分设置尚不可用。"), QStringLiteral("提示"), TM_MB_OK);
            return false;
        });
    });
}

void CMainFrame::BeginWaitCursor()
{
    ++m_waitCursors;
    QMetaObject::invokeMethod(qApp, []() { QApplication::setOverrideCursor(Qt::WaitCursor); }, Qt::AutoConnection);
}

void CMainFrame::EndWaitCursor()
{
    // Balanced by the job's end when it was already taken off there.
    if (m_waitCursors.fetch_sub(1) <= 0) {
        ++m_waitCursors;
        return;
    }
    QMetaObject::invokeMethod(qApp, []() { QApplication::restoreOverrideCursor(); }, Qt::AutoConnection);
}

void CMainFrame::ShowProgress(const wchar_t* what, int done, int total, const wchar_t* item)
{
    m_job->ReportProgress(what ? what : L"", done, total, item ? item : L"");
}

bool CMainFrame::CancelRequested()
{
    return m_job->IsCancelRequested();
}
