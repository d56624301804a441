// A workspace whose projects load from tables written in the test instead
// of from .prj files, with the scripted window layer and a scratch folder
// as program folder.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>

#include "app/Workspace.h"
#include "tests/app/ScriptedWindowLayer.h"
#include "tests/support/TestFiles.h"

namespace tmtest {

// Adds an integer value to category k of project.
void AddIntValue(CScoringProject& project, int category, const std::wstring& name, int value,
                 bool selected = false);

class CTestWorkspace : public CWorkspace {
public:
    explicit CTestWorkspace(CScriptedWindowLayer& window) : CWorkspace(window) {}

    // Projects whose .prj path is listed here load by calling the function
    // (after their items were emptied) and succeed; others load for real.
    std::map<std::wstring, std::function<void(CScoringProject&)>> m_tables;
    // How often each path was loaded.
    std::map<std::wstring, int> m_loads;
    std::mutex m_loadsMutex;  // projects may load on several threads

protected:
    bool LoadProject(CScoringProject& project) override;
};

// A program folder with a workspace over it.
class CWorkspaceTest {
public:
    CWorkspaceTest();
    CTempDir m_dir;
    CScriptedWindowLayer m_window;
    CTestWorkspace m_workspace;

    // Makes folder (and parents) below the scratch folder with an empty
    // file name in it; returns the file's full path.
    std::wstring MakeFile(const std::wstring& relativePath, const std::string& bytes = "");
};

}  // namespace tmtest
