// A workspace with standard projects described in the test: each is a .prj
// file on disk (so that the path exists) whose values come from a table,
// and the settings dialog's logic over it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "settings/ScoringSettings.h"
#include "tests/app/WorkspaceFixture.h"

namespace tmtest {

// One value of a standard: its category, name, group and flag.
struct CValueRow {
    int m_category;
    std::wstring m_name;
    int m_group;
    bool m_selected;
};

class CSettingsTest : public CWorkspaceTest {
public:
    // Makes relativePath (a .prj file) and has it load rows; returns the
    // full path.
    std::wstring Standard(const std::wstring& relativePath, const std::vector<CValueRow>& rows);
    // Makes path the standard project and loads it.
    void UseStandard(const std::wstring& path);
    // The settings dialog's logic, its pages filled.
    CScoringSettings& Open();
    // The m_selected flags of the standard's values of category, in order,
    // as "1" and "0".
    std::string Flags(int category) const;
    // Texts of the messages shown, "caption: text" per line.
    std::wstring Messages() const { return m_window.MessageLog(); }

    std::unique_ptr<CScoringSettings> m_settings;
};

}  // namespace tmtest
