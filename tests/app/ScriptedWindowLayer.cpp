#include "tests/app/ScriptedWindowLayer.h"

#include "tools/TmMessage.h"

namespace tmtest {

CScriptedWindowLayer::CScriptedWindowLayer()
    : m_settingsDialogs(0), m_unansweredQuestions(0), m_progressCalls(0)
{
    TMTOOLS::OS::TmMessagePresenter previous = nullptr;
    TMTOOLS::OS::SetMessagePresenter(&CScriptedWindowLayer::Present, this, &previous, &m_previousContext);
    m_previousPresenter = reinterpret_cast<void*>(previous);
}

CScriptedWindowLayer::~CScriptedWindowLayer()
{
    TMTOOLS::OS::SetMessagePresenter(reinterpret_cast<TMTOOLS::OS::TmMessagePresenter>(m_previousPresenter),
                                     m_previousContext);
}

void CScriptedWindowLayer::Present(const wchar_t* text, const wchar_t* caption, void* context)
{
    // The presenter is serialised by the tools library.
    static_cast<CScriptedWindowLayer*>(context)->m_messages.push_back(CShownMessage{text, caption, TM_MB_OK});
}

CWindowLayer::Answer CScriptedWindowLayer::DoMessageBox(const wchar_t* text, const wchar_t* caption,
                                                        Buttons buttons)
{
    m_messages.push_back(CShownMessage{text, caption, buttons});
    if (buttons == TM_MB_OK)
        return TM_ID_OK;
    if (m_answers.empty()) {
        ++m_unansweredQuestions;
        return TM_ID_NO;
    }
    Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool CScriptedWindowLayer::ShowOpenFileDialog(const CFileDialogRequest& request, std::vector<std::wstring>& paths)
{
    m_dialogs.push_back(CShownDialog{false, request});
    paths.clear();
    if (m_openAnswers.empty())
        return false;
    paths = m_openAnswers.front();
    m_openAnswers.pop_front();
    return !paths.empty();
}

bool CScriptedWindowLayer::ShowSaveFileDialog(const CFileDialogRequest& request, std::wstring& path)
{
    m_dialogs.push_back(CShownDialog{true, request});
    path.clear();
    if (m_saveAnswers.empty())
        return false;
    path = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return !path.empty();
}

bool CScriptedWindowLayer::RunSettingsDialog(CWorkspace&)
{
    ++m_settingsDialogs;
    return false;
}

void CScriptedWindowLayer::ShowProgress(const wchar_t*, int, int, const wchar_t*)
{
    // Parallel loading reports from several threads.
    __atomic_fetch_add(&m_progressCalls, 1, __ATOMIC_RELAXED);
}

bool CScriptedWindowLayer::CancelRequested()
{
    return m_cancelAfter >= 0 && __atomic_fetch_add(&m_cancelChecks, 1, __ATOMIC_RELAXED) >= m_cancelAfter;
}

std::wstring CScriptedWindowLayer::MessageLog() const
{
    std::wstring log;
    for (const CShownMessage& message : m_messages) {
        if (!log.empty())
            log += L"\n";
        log += message.caption + L": " + message.text;
    }
    return log;
}

void CScriptedWindowLayer::ClearLog()
{
    m_messages.clear();
    m_dialogs.clear();
    m_cursorLog.clear();
}

}  // namespace tmtest
