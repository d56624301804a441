// CTerminalWindowLayer: stderr lines, flag answers, a progress bar.
#include "cli/TerminalWindowLayer.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "cli/TerminalMessages.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

namespace {

const int kBarWidth = 30;

std::atomic<bool> g_interrupted(false);

void OnInterrupt(int)
{
    g_interrupted = true;
}

}  // namespace

void CTerminalWindowLayer::CatchInterrupt()
{
    // Started with Ctrl-C ignored (in the background of a script): stay so.
    struct sigaction current = {};
    if (sigaction(SIGINT, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
        return;
    struct sigaction action = {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    // The handler is used once: a second Ctrl-C kills as usual, and the
    // next run clears what that leaves behind. Calls under way go on
    // (SA_RESTART): the work stops between projects, not inside a read.
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

bool CTerminalWindowLayer::CancelRequested()
{
    return g_interrupted;
}

CTerminalWindowLayer::CTerminalWindowLayer()
    : m_answerYes(false), m_showProgress(isatty(STDERR_FILENO) != 0), m_barShown(false), m_lastDone(0)
{
    TMTOOLS::OS::TmMessagePresenter previous = nullptr;
    TMTOOLS::OS::SetMessagePresenter(&CTerminalWindowLayer::Present, this, &previous, &m_previousContext);
    m_previousPresenter = reinterpret_cast<void*>(previous);
}

CTerminalWindowLayer::~CTerminalWindowLayer()
{
    TMTOOLS::OS::SetMessagePresenter(reinterpret_cast<TMTOOLS::OS::TmMessagePresenter>(m_previousPresenter),
                                     m_previousContext);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_barShown)
        fputs("\n", stderr);
}

void CTerminalWindowLayer::WriteLine(const std::string& line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_barShown) {
        fputs("\r\033[K", stderr);
        m_barShown = false;
    }
    fwrite(line.data(), 1, line.size(), stderr);
    fputc('\n', stderr);
    fflush(stderr);
}

void CTerminalWindowLayer::Present(const wchar_t* text, const wchar_t* caption, void* context)
{
    const std::string line = CTerminalMessages::Format(text, caption, CTerminalMessages::LineBreaksOnStderr());
    static_cast<CTerminalWindowLayer*>(context)->WriteLine(line);
}

CWindowLayer::Answer CTerminalWindowLayer::DoMessageBox(const wchar_t* text, const wchar_t* caption,
                                                        Buttons buttons)
{
    std::string line = CTerminalMessages::Format(text, caption, CTerminalMessages::LineBreaksOnStderr());
    if (buttons == TM_MB_OK) {
        WriteLine(line);
        return TM_ID_OK;
    }
    line += m_answerYes ? " [是]" : " [否]";
    WriteLine(line);
    return m_answerYes ? TM_ID_YES : TM_ID_NO;
}

void CTerminalWindowLayer::ShowProgress(const wchar_t* what, int done, int total, const wchar_t*)
{
    if (!m_showProgress || total <= 0)
        return;
    std::string label;
    TMTOOLS::String::DecodeUnicode(0, what ? what : L"", label);
    const int filled = (int)((long long)done * kBarWidth / total);
    std::string bar = "\r\033[K" + label + " [" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') +
                      "] " + std::to_string(done) + "/" + std::to_string(total);

    std::lock_guard<std::mutex> lock(m_mutex);
    // Loading threads may report out of order: never step back.
    if (done != 0 && done <= m_lastDone)
        return;
    m_lastDone = done;
    fputs(bar.c_str(), stderr);
    m_barShown = done < total;
    if (!m_barShown)
        fputc('\n', stderr);
    fflush(stderr);
}
