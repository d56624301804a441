#include "tests/app/WorkspaceFixture.h"

#include "tools/TmOS.h"

namespace tmtest {

void AddIntValue(CScoringProject& project, int category, const std::wstring& name, int value, bool selected)
{
    CTmData* data = new CTmIntData(name, TM_GROUP_GENERAL, value);
    data->m_selected = selected;
    switch (category) {
    case TM_CATEGORY_GEN_INFO: project.m_genInfoItem.AddValue(data); break;
    case TM_CATEGORY_LAYER_INFO: project.m_layerInfoItem.AddValue(data); break;
    case TM_CATEGORY_GOUJIAN: project.m_goujianItem.AddValue(data); break;
    case TM_CATEGORY_CALC_RESULT: project.m_calcResultItem.AddValue(data); break;
    case TM_CATEGORY_WORK_DRAWING: project.m_workDrawingItem.AddValue(data); break;
    default: project.m_tmQIItem.AddValue(data); break;
    }
}

bool CTestWorkspace::LoadProject(CScoringProject& project)
{
    {
        std::lock_guard<std::mutex> lock(m_loadsMutex);
        ++m_loads[project.m_prjPath];
    }
    auto table = m_tables.find(project.m_prjPath);
    if (table == m_tables.end())
        return CWorkspace::LoadProject(project);
    project.ClearAllValues();
    table->second(project);
    return true;
}

CWorkspaceTest::CWorkspaceTest() : m_workspace(m_window)
{
    m_workspace.SetProgramFolder(m_dir.WPath());
    m_workspace.SetupGrids();
}

std::wstring CWorkspaceTest::MakeFile(const std::wstring& relativePath, const std::string& bytes)
{
    std::wstring full = m_dir.WPath() + L"/" + relativePath;
    std::wstring folder = full.substr(0, full.rfind(L'/'));
    TMTOOLS::OS::mkdir_r(folder.c_str());
    WriteBytes(Utf8(full), bytes);
    return full;
}

}  // namespace tmtest
