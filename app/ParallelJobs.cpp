// Threads taking items in order, and messages put back in that order.
#include "app/ParallelJobs.h"

#include <atomic>
#include <thread>

#include "app/AppWindowLayer.h"

void RunJobs(int count, int jobs, const std::function<bool()>& stop, const std::function<void(int)>& work)
{
    std::atomic<int> next(0);
    auto take = [&]() {
        for (int k = next++; k < count && !stop(); k = next++)
            work(k);
    };
    if (jobs > count)
        jobs = count;
    if (jobs <= 1) {
        take();
        return;
    }
    std::vector<std::thread> threads;
    for (int t = 0; t < jobs; ++t)
        threads.emplace_back(take);
    for (std::thread& thread : threads)
        thread.join();
}

std::vector<char> RunJobsInOrder(CAppWindowLayer& window, const wchar_t* what, int count, int jobs,
                                 const std::function<const wchar_t*(int)>& itemName,
                                 const std::function<void(int)>& work)
{
    window.ShowProgress(what, 0, count);
    std::vector<char> taken(count, 0);  // each element written by one thread
    std::atomic<int> done(0);
    COrderedMessages messages(count);
    RunJobs(count, jobs, [&window]() { return window.CancelRequested(); }, [&](int k) {
        window.ShowProgress(what, done, count, itemName(k));
        taken[k] = 1;
        TMTOOLS::OS::CMessageCapture capture;
        work(k);
        messages.Finish(k, capture.Take());
        window.ShowProgress(what, ++done, count);
    });
    messages.ShowTheRest();
    return taken;
}

COrderedMessages::COrderedMessages(size_t count) : m_messages(count), m_finished(count, 0), m_shown(0) {}

void COrderedMessages::Finish(size_t item, std::vector<TMTOOLS::OS::CCapturedMessage> messages)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages[item] = std::move(messages);
    m_finished[item] = 1;
    while (m_shown < m_finished.size() && m_finished[m_shown])
        Show(m_shown++);
}

void COrderedMessages::ShowTheRest()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (; m_shown < m_finished.size(); ++m_shown)
        Show(m_shown);
}

void COrderedMessages::Show(size_t item)
{
    for (const TMTOOLS::OS::CCapturedMessage& message : m_messages[item])
        TMTOOLS::OS::TmShowMessage(message.m_text.c_str(), message.m_caption.c_str());
    m_messages[item].clear();
}
