// The command handlers: scoring settings (182), import and export of the
// scoring standard (183, 184), compute (187), the summary workbook (188)
// and the per-student reports (189). Import and removal of students
// (185, 186) are in WorkspaceImport.cpp.
#include "app/AppWindowLayer.h"
#include "app/ProjectWorkbook.h"
#include "app/SummaryWorkbook.h"
#include "app/Workspace.h"
#include "scoring/ScoreComputation.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const wchar_t kStandardFilter[] = L"*.xml|*.xml|All Files (*.*)|*.*||";
const wchar_t kStandardFileName[] = L"Tesmo评分标准.xml";
const int kPathBuffer = 500;

// A chosen path without any "." gets the extension (a dot anywhere, even in
// a folder name, counts: "/out.old/result" stays as it is).
std::wstring WithExtension(const std::wstring& path, const wchar_t* extension)
{
    return path.find(L'.') == std::wstring::npos ? path + extension : path;
}

}  // namespace

void CWorkspace::OpenScoringSettings()
{
    m_window.RunSettingsDialog(*this);
}

void CWorkspace::ImportScoringStandard()
{
    CFileDialogRequest request;
    request.m_filter = kStandardFilter;
    request.m_title = L"请选择要导入的评分标准文件";
    request.m_initialName = kStandardFileName;
    request.m_bufferSize = kPathBuffer;
    std::vector<std::wstring> chosen;
    if (!m_window.ShowOpenFileDialog(request, chosen) || chosen.empty())
        return;
    ReadScoringStandard(WithExtension(chosen[0], L".xml"));
    TMTOOLS::OS::TmShowMessage(L"导入完成!", TM_PROGRAM_TITLE);
}

void CWorkspace::ExportScoringStandard()
{
    CFileDialogRequest request;
    request.m_filter = kStandardFilter;
    request.m_title = L"请选择要导出的评分标准文件";
    request.m_initialName = kStandardFileName;
    request.m_bufferSize = kPathBuffer;
    std::wstring chosen;
    if (!m_window.ShowSaveFileDialog(request, chosen))
        return;
    // The old file is replaced atomically by the write, not deleted first:
    // a failed write keeps it.
    WriteScoringStandard(WithExtension(chosen, L".xml"));
    TMTOOLS::OS::TmShowMessage(L"导出完成!", TM_PROGRAM_TITLE);
}

bool CWorkspace::ComputeTotals()
{
    if (!ComputeScores(m_standardProject.get(), m_studentProjects, &m_window))
        return false;
    m_sheet.TakeTotals(*m_standardProject, m_studentProjects);
    return true;
}

bool CWorkspace::ComputeAndFillTotals()
{
    if (!ComputeTotals())
        return false;
    FillProjectTotals();
    return true;
}

void CWorkspace::ComputeAndShow()
{
    if (!ComputeAndFillTotals())
        return;
    RefreshScoreView();
    TMTOOLS::OS::TmShowMessage(L"计算完毕!", L"提示");
}

bool CWorkspace::GenerateReports()
{
    m_window.BeginWaitCursor();
    if (!ComputeScores(m_standardProject.get(), m_studentProjects, &m_window)) {
        m_window.EndWaitCursor();
        return false;
    }
    // The project list keeps its totals: only the rows are taken.
    std::vector<std::wstring> failed;
    for (size_t i = 0; i < m_studentProjects.size() && i < m_sheet.m_entries.size(); ++i) {
        // Stopped between workbooks: each one written is whole.
        if (m_window.CancelRequested()) {
            m_window.EndWaitCursor();
            return false;
        }
        m_sheet.TakeRows(*m_standardProject, *m_studentProjects[i], i);
        if (!WriteProjectWorkbook(m_sheet.m_entries[i]))
            failed.push_back(m_sheet.m_entries[i].m_prjPath);
    }
    m_window.EndWaitCursor();
    const wchar_t* done = L"导出完成，导出数据在各个工程所在文件夹";
    if (failed.empty()) {
        TMTOOLS::OS::TmShowMessage(done, L"提示");
        return true;
    }
    std::wstring names;
    for (const std::wstring& path : failed)
        names += L"\n" + path;
    TMTOOLS::OS::TmShowWarnMessage(
        stringFormat(L"%s\n其中 %d 个工程的评分报告未能写入：%s", done, (int)failed.size(), names.c_str()).c_str());
    return false;
}

bool CWorkspace::ExportSummaryWorkbookTo(const std::wstring& chosenPath)
{
    const std::wstring path = WithExtension(chosenPath, L".xls");
    // The workbook writer replaces the file only once the new one is
    // complete, so the old file is not deleted beforehand.
    if (!WriteSummaryWorkbook(m_sheet, path))
        return false;
    TMTOOLS::OS::TmShowMessage(stringFormat(L"导出 %s 成功", path.c_str()).c_str(), L"提示");
    return true;
}

bool CWorkspace::ExportSummaryWorkbook()
{
    CFileDialogRequest request;
    request.m_filter = L"*.xls|*.xls|All Files (*.*)|*.*||";
    request.m_initialName = L"评分汇总.xls";
    request.m_bufferSize = kPathBuffer;
    std::wstring chosen;
    if (!m_window.ShowSaveFileDialog(request, chosen))
        return false;
    return ExportSummaryWorkbookTo(chosen);
}
