// The standard page ("评分标准") without its widgets: the standard
// project's path and the six category full scores as texts, how they are
// filled from the standard project, checked, and applied to it.
//
// ApplyPage refuses, in this order and each with its message (caption
// "提示", through the window layer):
//   a path that is empty once trimmed   "标准工程不能为空!"
//   a path naming no file or folder      "标准工程不存在！请设置合法工程"
//   a score that is not acceptable       its category's message
//                                        (app/CategoryScores.h)
//   a new standard that cannot be read   "标准工程数据错误，读取失败!"
// Otherwise it puts the path and the scores on the standard project (and
// the workspace). Only a new path reads the project: confirming the path of
// the standard as it was read changes the scores alone. A path that differs
// only in letter case is the same when it names the same file (on Windows
// it always would; here two such names may be two projects), and a
// standard that did not load is read again, never taken as it stands.
#pragma once

#include <string>

#include "scoring/ScoringCategory.h"

class CAppWindowLayer;
class CWorkspace;

class CStandardInfoPage {
public:
    CStandardInfoPage(CWorkspace& workspace, CAppWindowLayer& window);

    // Window creation and ReloadPage: the standard project's m_prjPath and
    // its six items' full scores as "%.7g". Without a standard project the
    // workspace's path and scores.
    void ReloadPage();
    // See above. True when accepted and applied.
    bool ApplyPage();
    // "浏览(&R)...": the open dialog "请选择标准工程" on "*.prj" files, the
    // path text as initial name; the chosen path becomes the path text.
    // True when one was chosen. Nothing is read yet.
    bool Browse();

    // The texts of the page's edits.
    std::wstring m_path;
    std::wstring m_scoreTexts[TM_CATEGORY_COUNT];  // category order

private:
    bool Refuse(const wchar_t* message);
    bool IsStandardAsRead(const std::wstring& path) const;

    CWorkspace& m_workspace;
    CAppWindowLayer& m_window;
};
