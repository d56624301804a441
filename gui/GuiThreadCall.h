// Running a call on the GUI thread from whatever thread asks.
//
// Jobs run the workspace off the GUI thread, but widgets (message boxes,
// file dialogs, the settings dialog) may only be used on it. A job that
// needs one hands the call over and waits for its result; the GUI thread
// keeps its event loop running meanwhile, so the window stays alive.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <type_traits>

// Runs call on the thread of context and returns its result. On that
// thread it is a plain call; from another one it blocks until the call has
// run there (so the caller's references stay valid throughout).
template <typename Call>
auto CallOnThreadOf(QObject* context, Call call) -> decltype(call())
{
    using Result = decltype(call());
    if (QThread::currentThread() == context->thread())
        return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(context, call, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(context, [&]() { result = call(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}
