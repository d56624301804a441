// What the program logic needs of a window layer.
//
// The desktop window and the command line each implement this interface;
// the logic (score computation, workspace, commands) talks to the user only
// through it and through the tools library's message presenter. It starts
// with message boxes and the wait cursor; dialogs and grids are added as the
// commands need them.
#pragma once

// The program title: the caption of a message box that names none.
#define TM_PROGRAM_TITLE L"Tesmo评分系统"

class CWindowLayer {
public:
    enum Buttons {
        TM_MB_OK = 0,
        TM_MB_YESNO = 1,
    };
    enum Answer {
        TM_ID_OK = 1,
        TM_ID_YES = 6,
        TM_ID_NO = 7,
    };

    virtual ~CWindowLayer() {}

    // Modal message box; returns the button pressed. A null or empty caption
    // shows the program title.
    Answer ShowMessageBox(const wchar_t* text, const wchar_t* caption = nullptr,
                          Buttons buttons = TM_MB_OK)
    {
        const wchar_t* shown = (caption && *caption) ? caption : TM_PROGRAM_TITLE;
        return DoMessageBox(text ? text : L"", shown, buttons);
    }

    // The wait cursor, shown while a long command runs. Calls pair up.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

protected:
    // caption is never null or empty here.
    virtual Answer DoMessageBox(const wchar_t* text, const wchar_t* caption, Buttons buttons) = 0;
};
