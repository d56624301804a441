// One long piece of work on the workspace, run off the GUI thread.
//
// While a job runs, the GUI thread leaves the workspace alone: the main
// window refuses commands, clicks and drops until Finished. The job's
// thread reaches the user only through the window layer, which hands
// message boxes and dialogs to the GUI thread and waits for the answer.
// Progress reports and the cancel request cross between the threads here,
// under a lock; the progress dialog polls them.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class CWorkspaceJob : public QObject {
    Q_OBJECT
public:
    struct CProgress {
        std::wstring m_what;  // the step, "读入学生工程"
        std::wstring m_item;  // what is being worked on, empty when unknown
        int m_done = 0;
        int m_total = 0;
    };

    explicit CWorkspaceJob(QObject* parent = nullptr);
    // Waits for a running job's thread.
    ~CWorkspaceJob() override;

    // GUI thread: runs work on a thread of its own; false (and nothing
    // runs) while another job is running.
    bool Start(std::function<void()> work);
    // GUI thread: true from Start until Finished has been emitted.
    bool IsRunning() const { return m_running; }

    // Any thread.
    void RequestCancel() { m_cancel = true; }
    bool IsCancelRequested() const { return m_cancel; }
    // Several loading threads may report at once and out of order: a report
    // of the same step never moves the count back.
    void ReportProgress(const std::wstring& what, int done, int total, const std::wstring& item = std::wstring());
    CProgress Progress() const;

signals:
    // GUI thread, after the work has returned and its thread has ended.
    void Finished();

private:
    void OnWorkDone();

    std::thread m_thread;
    bool m_running;
    std::atomic<bool> m_cancel;
    mutable std::mutex m_mutex;
    CProgress m_progress;
};
