// A window layer driven by a script, for tests of the workspace and its
// commands: dialogs and questions are answered from queues, and every
// message (those of the tools library's presenter too, which it installs
// while it lives), dialog, wait-cursor call and settings-dialog call is
// recorded in order.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/AppWindowLayer.h"
#include "app/MemoryGrid.h"

namespace tmtest {

struct CShownMessage {
    std::wstring text;
    std::wstring caption;
    CWindowLayer::Buttons buttons;
};

struct CShownDialog {
    bool save;  // save dialog, else open dialog
    CFileDialogRequest request;
};

class CScriptedWindowLayer : public CAppWindowLayer {
public:
    CScriptedWindowLayer();
    ~CScriptedWindowLayer();

    // --- the script
    // The next open dialog returns these paths; an empty list, or no entry
    // left, cancels.
    void QueueOpen(const std::vector<std::wstring>& paths) { m_openAnswers.push_back(paths); }
    // The next save dialog returns path; an empty path, or none left,
    // cancels.
    void QueueSave(const std::wstring& path) { m_saveAnswers.push_back(path); }
    // The next question (Yes/No) gets answer; with none left it gets No and
    // m_unansweredQuestions counts it.
    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
    // CancelRequested answers no this many times, then yes; -1: never.
    int m_cancelAfter = -1;

    // --- what happened
    std::vector<CShownMessage> m_messages;
    std::vector<CShownDialog> m_dialogs;
    std::wstring m_cursorLog;  // "[" and "]" per Begin/EndWaitCursor
    int m_settingsDialogs;
    int m_unansweredQuestions;
    int m_progressCalls;
    CMemoryGrid m_projectGrid;
    CMemoryGrid m_scoreGrid;

    // Texts of the messages, "caption: text" joined by "\n".
    std::wstring MessageLog() const;
    void ClearLog();

    // --- the window layer
    bool ShowOpenFileDialog(const CFileDialogRequest& request, std::vector<std::wstring>& paths) override;
    bool ShowSaveFileDialog(const CFileDialogRequest& request, std::wstring& path) override;
    CGridLayer& GetProjectGrid() override { return m_projectGrid; }
    CGridLayer& GetScoreGrid() override { return m_scoreGrid; }
    bool RunSettingsDialog(CWorkspace&) override;
    void BeginWaitCursor() override { m_cursorLog += L"["; }
    void EndWaitCursor() override { m_cursorLog += L"]"; }
    void ShowProgress(const wchar_t*, int, int, const wchar_t* item = nullptr) override;
    bool CancelRequested() override;

protected:
    Answer DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons buttons) override;

private:
    static void Present(const wchar_t* text, const wchar_t* caption, void* context);

    std::deque<std::vector<std::wstring>> m_openAnswers;
    std::deque<std::wstring> m_saveAnswers;
    std::deque<Answer> m_answers;
    int m_cancelChecks = 0;
    void* m_previousPresenter;
    void* m_previousContext;
};

}  // namespace tmtest
