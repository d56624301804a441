// Everything the workspace and its commands need of a window layer.
//
// Extends the scoring core's window layer (message boxes, wait cursor) by
// the file dialogs, the two grids, the settings dialog and a progress
// report. Messages with an OK button go through the tools library's
// message presenter, which every window layer installs; the questions
// (Yes/No) come here, through ShowMessageBox. The desktop window, the
// command line's terminal and the tests' scripted fake implement it.
#pragma once

#include <string>
#include <vector>

#include "app/GridLayer.h"
#include "scoring/WindowLayer.h"

class CWorkspace;

// One open- or save-file dialog as the logic asks for it.
struct CFileDialogRequest {
    // The owner window; null for the main window (the only owner there is).
    void* m_owner = nullptr;
    // Windows filter form: pairs of description and pattern, each ended by
    // "|", the list ended by a second "|": "*.zip|*.zip||".
    std::wstring m_filter;
    // Empty: the window layer's default title.
    std::wstring m_title;
    std::wstring m_initialName;
    // Characters available for the chosen name or names.
    int m_bufferSize = 0;
    // Open dialog only: several files may be chosen.
    bool m_multiple = false;
};

class CAppWindowLayer : public CWindowLayer {
public:
    // False when the user cancels; otherwise paths holds the chosen full
    // paths, in the dialog's order (one unless m_multiple).
    virtual bool ShowOpenFileDialog(const CFileDialogRequest& request, std::vector<std::wstring>& paths) = 0;
    // False when the user cancels; otherwise path holds the chosen path.
    virtual bool ShowSaveFileDialog(const CFileDialogRequest& request, std::wstring& path) = 0;

    // The project list grid (in the pane "工程列表") and the score view grid.
    virtual CGridLayer& GetProjectGrid() = 0;
    virtual CGridLayer& GetScoreGrid() = 0;

    // Command 182: the scoring settings dialog, modal, over workspace. True
    // when it was closed with OK. A layer without the dialog answers false.
    virtual bool RunSettingsDialog(CWorkspace& workspace) = 0;

    // Progress of a long step (unpacking archives, loading projects,
    // writing the students' workbooks): done of total finished; item, when
    // given, names what is worked on now. Parallel loading calls it from
    // several threads at once: a layer that shows it locks for itself.
    virtual void ShowProgress(const wchar_t* /*what*/, int /*done*/, int /*total*/, const wchar_t* /*item*/ = nullptr)
    {
    }
    // Stopping. True once the user asked to stop the work under way (the
    // window: "取消" in the progress dialog, for the rest of that command;
    // the command line: Ctrl-C, for the rest of the run). Asking is
    // separate from showing progress because work stops where nothing is
    // shown too (between a folder's entries, between commands of one run).
    // Import, loading and the report ask between two items and stop there,
    // leaving nothing half done: inputs not yet taken are not imported,
    // records not yet read say "未读入", workbooks written are whole.
    // Called from several threads.
    virtual bool CancelRequested() { return false; }
};
