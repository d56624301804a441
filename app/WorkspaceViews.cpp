// The project list and the score view: their layout and what they show of
// the score sheet.
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

void CWorkspace::FillProjectList()
{
    m_window.GetProjectGrid().SetRowCount((int)m_studentProjects.size() + 1);
    LoadStudentProjects();
    ShowProjectRows();
}

void CWorkspace::ShowProjectRows()
{
    CGridLayer& grid = m_window.GetProjectGrid();
    // One row per record: inputs that gave no project are told by the
    // import's message, not listed here.
    for (size_t i = 0; i < m_sheet.m_entries.size() && i < m_studentProjects.size(); ++i) {
        const CScoreSheetEntry& entry = m_sheet.m_entries[i];
        const int row = (int)i + 1;
        WriteRowNumber(grid, row, kProjectColumns);
        grid.SetItemText(row, 1, entry.m_prjPath);
        grid.SetItemText(row, 2, entry.m_status);
        // The status stays the load's; what the load lacked is said where
        // the pointer rests, on the path and the status.
        grid.SetItemToolTip(row, 1, entry.m_note);
        grid.SetItemToolTip(row, 2, entry.m_note);
        // A row that held another project's total must not keep it: the
        // new records are unscored.
        grid.SetItemText(row, 3, entry.TotalText());
    }
    grid.Redraw();
}

void CWorkspace::RefreshScoreView()
{
    if (m_selectedIndex < 0 || m_selectedIndex >= (int)m_studentProjects.size() || !m_standardProject ||
        m_selectedIndex >= (int)m_sheet.m_entries.size())
        return;
    m_sheet.TakeRows(*m_standardProject, *m_studentProjects[m_selectedIndex], m_selectedIndex);
    const std::vector<CScoreSheetRow>& rows = m_sheet.m_entries[m_selectedIndex].m_rows;

    CGridLayer& grid = m_window.GetScoreGrid();
    grid.SetRowCount((int)rows.size() + 1);
    for (int row = 1; row <= (int)rows.size(); ++row)
        WriteRowNumber(grid, row, kScoreColumns);
    for (size_t r = 0; r < rows.size(); ++r) {
        const CScoreSheetRow& line = rows[r];
        const int row = (int)r + 1;
        grid.SetItemText(row, 1, line.m_name);
        grid.SetItemText(row, 2, line.m_standardText);
        grid.SetItemText(row, 3, line.m_studentText);
        grid.SetItemText(row, 4, CScoreSheet::ScoreText(line.m_valueScore));
        grid.SetItemText(row, 5, line.m_answered ? CScoreSheet::ScoreText(line.m_earned) : std::wstring());
    }
    if (rows.empty())
        TMTOOLS::OS::TmShowMessage(L"没有设置评分项，请到评分设置中设置评分项！", TM_PROGRAM_TITLE);
    grid.Redraw();
}

void CWorkspace::ForgetEarnedScores()
{
    for (const std::unique_ptr<CScoringProject>& student : m_studentProjects) {
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            for (const std::unique_ptr<CTmData>& value : student->GetItem(k).GetValues())
                value->m_score = 0.0f;
        }
    }
    // The view shows what an uncomputed student shows: answered values
    // earned 0.
    CGridLayer& grid = m_window.GetScoreGrid();
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        if (!grid.GetItemText(row, 5).empty())
            grid.SetItemText(row, 5, CScoreSheet::ScoreText(0.0f));
    }
    grid.Redraw();
}

void CWorkspace::FillProjectTotals()
{
    CGridLayer& grid = m_window.GetProjectGrid();
    for (size_t i = 0; i < m_sheet.m_entries.size(); ++i) {
        const int row = (int)i + 1;
        if (row >= grid.GetRowCount())
            break;
        grid.SetItemText(row, 3, m_sheet.m_entries[i].TotalText());
        grid.SetItemReadOnly(row, 3);
        grid.SetItemFormat(row, 3, TM_GRID_RIGHT | TM_GRID_BODY);
    }
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
