// CWorkspaceJob: a thread per job, its end posted back to the GUI thread.
#include "gui/WorkspaceJob.h"

#include <QMetaObject>

CWorkspaceJob::CWorkspaceJob(QObject* parent) : QObject(parent), m_running(false), m_cancel(false) {}

CWorkspaceJob::~CWorkspaceJob()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool CWorkspaceJob::Start(std::function<void()> work)
{
    if (m_running)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_running = true;
    m_cancel = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_progress = CProgress();
    }
    m_thread = std::thread([this, work]() {
        work();
        QMetaObject::invokeMethod(this, &CWorkspaceJob::OnWorkDone, Qt::QueuedConnection);
    });
    return true;
}

void CWorkspaceJob::OnWorkDone()
{
    if (m_thread.joinable())
        m_thread.join();
    m_running = false;
    emit Finished();
}

void CWorkspaceJob::ReportProgress(const std::wstring& what, int done, int total, const std::wstring& item)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool sameStep = m_progress.m_what == what && m_progress.m_total == total;
    if (sameStep && done < m_progress.m_done)
        return;
    m_progress.m_what = what;
    m_progress.m_total = total;
    m_progress.m_done = done;
    if (!item.empty() || !sameStep)
        m_progress.m_item = item;
}

CWorkspaceJob::CProgress CWorkspaceJob::Progress() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_progress;
}
