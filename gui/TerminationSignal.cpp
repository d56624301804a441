// CTerminationSignal: the self-pipe between the signal handler and the
// GUI thread.
#include "gui/TerminationSignal.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

namespace {

int g_pipe[2] = {-1, -1};

void OnTerminationSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request; the write may fail.
    if (write(g_pipe[1], &byte, 1) < 0) {
    }
    errno = saved;
}

}  // namespace

void CTerminationSignal::Catch()
{
    if (g_pipe[0] >= 0 || pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = &OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

void CTerminationSignal::Listen(QObject* parent)
{
    if (g_pipe[0] >= 0)
        new CTerminationSignal(parent);
}

CTerminationSignal::CTerminationSignal(QObject* parent)
    : QObject(parent), m_notifier(new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &CTerminationSignal::OnSignal);
}

void CTerminationSignal::OnSignal()
{
    char bytes[16];
    while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    QApplication::closeAllWindows();
}
