// The ribbon's commands: what each button shows and how it is reached.
//
// One row per button of the category "菜单", in the ribbon's order. The
// prompt holds the status-bar text and the tool tip, separated by a line
// feed. The key is an accelerator: Alt and the letter run the command
// from anywhere in the main window (holding Alt shows the letters on the
// buttons).
#pragma once

#include "app/Workspace.h"

// The About button at the right end of the tab row; F1 opens it too.
const int TM_CMD_APP_ABOUT = 57664;
// "选项" beside it (gui/OptionsDialog.h).
const int TM_CMD_APP_OPTIONS = 57665;

struct CRibbonCommand {
    int m_id;              // TM_CMD_...
    const char* m_text;    // button text (UTF-8)
    const char* m_prompt;  // "status text\ntool tip" (UTF-8)
    char m_key;            // with Alt
    const char* m_icon;    // resource path of the SVG icon
};

extern const CRibbonCommand kRibbonCommands[];
extern const int kRibbonCommandCount;
