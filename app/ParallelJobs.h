// Work over a list of items on several threads, with the results and the
// messages of a run on one thread.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "tools/TmMessage.h"

// Calls work(k) for every k in [0, count) on up to jobs threads (one when
// jobs < 2). Items are taken in increasing order, each by exactly one
// thread; once stop() says true no further item is taken, and the one
// being worked on runs to its end. stop and work are called from the
// worker threads.
void RunJobs(int count, int jobs, const std::function<bool()>& stop, const std::function<void(int)>& work);

class CAppWindowLayer;

// RunJobs as a long task of the window: progress says what and the item
// being worked on (itemName(k)), the window's cancel stops it between
// items, and the messages shown while working on an item (captured on its
// thread) are shown in the order of the items, so a run says the same with
// any number of threads. Returns, per item, whether it was taken up: those
// after the first not taken were not either.
std::vector<char> RunJobsInOrder(CAppWindowLayer& window, const wchar_t* what, int count, int jobs,
                                 const std::function<const wchar_t*(int)>& itemName,
                                 const std::function<void(int)>& work);

// The messages of items worked on by several threads, shown in the order of
// the items: those of an item wait until every item before it has been
// shown, so a run says the same, in the same order, with any number of
// threads.
class COrderedMessages {
public:
    explicit COrderedMessages(size_t count);

    // The messages of item, captured while it was worked on.
    void Finish(size_t item, std::vector<TMTOOLS::OS::CCapturedMessage> messages);
    // After the threads: an item not taken up leaves a gap; those after it
    // (none, as items are taken in order) would still be shown.
    void ShowTheRest();

private:
    void Show(size_t item);

    std::mutex m_mutex;
    std::vector<std::vector<TMTOOLS::OS::CCapturedMessage>> m_messages;
    std::vector<char> m_finished;
    size_t m_shown;
};
