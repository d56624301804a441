// The project list and the score view: their layout, the loading behind
// the project list, and the selected student's value-by-value result.
#include <atomic>
#include <thread>

#include "app/AppWindowLayer.h"
#include "app/Workspace.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

struct CColumn {
    const wchar_t* m_header;
    int m_width;
    unsigned m_align;
};

const CColumn kProjectColumns[] = {
    {L"  ", 50, TM_GRID_RIGHT},
    {L"工程", 400, TM_GRID_LEFT},
    {L"状态", 70, TM_GRID_LEFT},
    {L"总分", 70, TM_GRID_RIGHT},
};

const CColumn kScoreColumns[] = {
    {L"  ", 50, TM_GRID_RIGHT},
    {L"评分内容", 200, TM_GRID_LEFT},
    {L"标准答案", 100, TM_GRID_LEFT},
    {L"学生答案", 100, TM_GRID_LEFT},
    {L"标准分值", 80, TM_GRID_RIGHT},
    {L"实际得分", 80, TM_GRID_RIGHT},
};

template <size_t N>
void LayOut(CGridLayer& grid, const CColumn (&columns)[N])
{
    grid.SetColumnCount((int)N);
    if (grid.GetRowCount() < 1)
        grid.SetRowCount(1);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (size_t c = 0; c < N; ++c) {
        grid.SetColumnWidth((int)c, columns[c].m_width);
        grid.SetItemText(0, (int)c, columns[c].m_header);
        grid.SetItemFormat(0, (int)c, TM_GRID_CENTER | TM_GRID_BODY);
    }
}

template <size_t N>
void WriteRowNumber(CGridLayer& grid, int row, const CColumn (&columns)[N])
{
    grid.SetItemText(row, 0, stringFormat(L"%d", row));
    for (size_t c = 0; c < N; ++c) {
        grid.SetItemFormat(row, (int)c, columns[c].m_align | TM_GRID_BODY);
        grid.SetItemReadOnly(row, (int)c);
    }
}

}  // namespace

void CWorkspace::SetupGrids()
{
    LayOut(m_window.GetProjectGrid(), kProjectColumns);
    LayOut(m_window.GetScoreGrid(), kScoreColumns);
}

void CWorkspace::LoadStudentProjects()
{
    const int count = (int)m_studentProjects.size();
    m_studentLoaded.assign(count, 0);
    const wchar_t* what = L"读入学生工程";
    m_window.ShowProgress(what, 0, count);

    int jobs = m_loadJobs < 1 ? 1 : m_loadJobs;
    if (jobs > count)
        jobs = count;
    if (jobs <= 1) {
        for (int i = 0; i < count; ++i) {
            m_studentLoaded[i] = LoadProject(*m_studentProjects[i]) ? 1 : 0;
            m_window.ShowProgress(what, i + 1, count);
        }
        return;
    }

    // Each record is loaded by exactly one thread and the records share
    // nothing, so the results are those of loading them in order.
    std::atomic<int> next(0);
    std::atomic<int> done(0);
    auto work = [&]() {
        for (int i = next++; i < count; i = next++) {
            m_studentLoaded[i] = LoadProject(*m_studentProjects[i]) ? 1 : 0;
            m_window.ShowProgress(what, ++done, count);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < jobs; ++t)
        threads.emplace_back(work);
    for (std::thread& thread : threads)
        thread.join();
}

void CWorkspace::FillProjectList()
{
    CGridLayer& grid = m_window.GetProjectGrid();
    grid.SetRowCount((int)m_studentProjects.size() + 1);
    LoadStudentProjects();
    for (size_t i = 0; i < m_studentProjects.size(); ++i) {
        const int row = (int)i + 1;
        WriteRowNumber(grid, row, kProjectColumns);
        grid.SetItemText(row, 1, m_studentProjects[i]->m_prjPath);
        grid.SetItemText(row, 2, m_studentProjects[i]->GetLoadStatusText());
        // A row that held another project's total must not keep it: the
        // new records are unscored.
        grid.SetItemText(row, 3, std::wstring());
    }
    grid.Redraw();
}

void CWorkspace::RefreshScoreView()
{
    if (m_selectedIndex < 0 || m_selectedIndex >= (int)m_studentProjects.size() || !m_standardProject)
        return;
    const CScoringProject& standard = *m_standardProject;
    const CScoringProject& student = *m_studentProjects[m_selectedIndex];

    int selected = 0;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        for (const std::unique_ptr<CTmData>& value : standard.GetItem(k).GetValues())
            if (value->m_selected)
                ++selected;

    CGridLayer& grid = m_window.GetScoreGrid();
    grid.SetRowCount(selected + 1);
    for (int row = 1; row <= selected; ++row)
        WriteRowNumber(grid, row, kScoreColumns);

    int row = 1;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        const CScoringItem& standardItem = standard.GetItem(k);
        const CScoringItem& studentItem = student.GetItem(k);
        const std::wstring valueScore = stringFormat(L"%.2f", (double)standardItem.GetValueScore());
        for (const std::unique_ptr<CTmData>& value : standardItem.GetValues()) {
            if (!value->m_selected)
                continue;
            const CTmData* answer = studentItem.FindValue(value->m_name);
            grid.SetItemText(row, 1, value->m_name);
            grid.SetItemText(row, 2, value->GetValueText());
            grid.SetItemText(row, 3, answer ? answer->GetValueText() : std::wstring());
            grid.SetItemText(row, 4, valueScore);
            grid.SetItemText(row, 5, answer ? stringFormat(L"%.2f", (double)answer->m_score) : std::wstring());
            ++row;
        }
    }
    if (selected == 0)
        TMTOOLS::OS::TmShowMessage(L"没有设置评分项，请到评分设置中设置评分项！", TM_PROGRAM_TITLE);
    grid.Redraw();
}

void CWorkspace::OnProjectListClicked(int row)
{
    const int index = row - 1;
    if (index < 0 || index >= (int)m_studentProjects.size())
        return;
    m_selectedIndex = index;
    RefreshScoreView();
}
