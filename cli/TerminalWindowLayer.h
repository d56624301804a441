// The window layer of the command line: messages become "caption: text"
// on stderr (CTerminalMessages: one line each, or with their own line
// breaks on a terminal), questions are answered by a flag, file dialogs are
// cancelled (commands take their paths from the command line and call the
// workspace directly), and the grids live in memory; Ctrl-C is the cancel
// request. While stderr is a terminal, long steps draw a progress bar on
// it; a message first clears the bar so that lines stay whole.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "app/AppWindowLayer.h"
#include "app/MemoryGrid.h"

class CTerminalWindowLayer : public CAppWindowLayer {
public:
    // Installs the layer's message presenter; the destructor restores the
    // previous one.
    CTerminalWindowLayer();
    ~CTerminalWindowLayer();
    CTerminalWindowLayer(const CTerminalWindowLayer&) = delete;
    CTerminalWindowLayer& operator=(const CTerminalWindowLayer&) = delete;

    // The answer to every Yes/No question.
    bool m_answerYes;
    // Draw progress bars (set when stderr is a terminal).
    bool m_showProgress;

    bool ShowOpenFileDialog(const CFileDialogRequest&, std::vector<std::wstring>&) override { return false; }
    bool ShowSaveFileDialog(const CFileDialogRequest&, std::wstring&) override { return false; }
    CGridLayer& GetProjectGrid() override { return m_projectGrid; }
    CGridLayer& GetScoreGrid() override { return m_scoreGrid; }
    bool RunSettingsDialog(CWorkspace&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ShowProgress(const wchar_t* what, int done, int total, const wchar_t* item = nullptr) override;
    // True after CatchInterrupt, once Ctrl-C was pressed.
    bool CancelRequested() override;

    // From now on the first Ctrl-C (SIGINT) asks the running work to stop
    // between projects instead of killing the program; a second one kills
    // it as usual.
    static void CatchInterrupt();

    CMemoryGrid m_projectGrid;
    CMemoryGrid m_scoreGrid;

protected:
    Answer DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons buttons) override;

private:
    static void Present(const wchar_t* text, const wchar_t* caption, void* context);
    // Writes line (with its line end) to stderr, clearing a bar first.
    void WriteLine(const std::string& line);

    std::mutex m_mutex;
    bool m_barShown;
    int m_lastDone;  // of the bar being drawn
    void* m_previousPresenter;
    void* m_previousContext;
};
