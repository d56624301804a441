// The window layer of the command line: messages become "caption: text"
// lines on stderr, questions are answered by a flag, the file dialogs by
// paths given on the command line, and the grids live in memory. While
// stderr is a terminal, long steps draw a progress bar on it; a message
// first clears the bar so that lines stay whole.
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
    // What the open and save dialogs return; empty: cancel.
    std::vector<std::wstring> m_openPaths;
    std::wstring m_savePath;
    // Draw progress bars (set when stderr is a terminal).
    bool m_showProgress;

    bool ShowOpenFileDialog(const CFileDialogRequest& request, std::vector<std::wstring>& paths) override;
    bool ShowSaveFileDialog(const CFileDialogRequest& request, std::wstring& path) override;
    CGridLayer& GetProjectGrid() override { return m_projectGrid; }
    CGridLayer& GetScoreGrid() override { return m_scoreGrid; }
    bool RunSettingsDialog(CWorkspace&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void ShowProgress(const wchar_t* what, int done, int total) override;

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
