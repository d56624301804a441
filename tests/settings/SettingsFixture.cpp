#include "tests/settings/SettingsFixture.h"

namespace tmtest {

std::wstring CSettingsTest::Standard(const std::wstring& relativePath, const std::vector<CValueRow>& rows)
{
    const std::wstring path = MakeFile(relativePath);
    m_workspace.m_tables[path] = [rows](CScoringProject& project) {
        for (const CValueRow& row : rows) {
            CTmData* value = new CTmIntData(row.m_name, row.m_group, 1);
            value->m_selected = row.m_selected;
            static_cast<CScoringCategoryItem&>(project.GetItem(row.m_category)).AddValue(value);
        }
    };
    return path;
}

void CSettingsTest::UseStandard(const std::wstring& path)
{
    m_workspace.SetStandardPrjPath(path);
    m_workspace.RebuildStandardProject();
}

CScoringSettings& CSettingsTest::Open()
{
    m_settings.reset(new CScoringSettings(m_workspace, m_window));
    m_settings->ReloadPages();
    return *m_settings;
}

std::string CSettingsTest::Flags(int category) const
{
    std::string flags;
    for (const std::unique_ptr<CTmData>& value : m_workspace.GetStandardProject()->GetItem(category).GetValues())
        flags += value->m_selected ? '1' : '0';
    return flags;
}

}  // namespace tmtest
