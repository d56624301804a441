// The command handlers: scoring settings (182), import and export of the
// scoring standard (183, 184), compute (187), the summary workbook (188),
// the per-student reports (189) and the class workbook (190). Import and
// removal of students (185, 186) are in WorkspaceImport.cpp.
//
// The commands that compute or write workbooks refuse a standard that
// cannot grade (CheckStandard): every student would get 0.00, and a
// report would overwrite good workbooks with empty ones.
#include <algorithm>
#include <cerrno>
#include <cwctype>
#include <set>

#include "app/AppWindowLayer.h"
#include "app/DetailsWorkbook.h"
#include "app/ParallelJobs.h"
#include "app/ProjectWorkbook.h"
#include "app/SummaryWorkbook.h"
#include "app/SystemError.h"
#include "app/Workspace.h"
#include "scoring/ScoreComputation.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

// "无法写入 PATH" with the system's reason, as a warning.
void WarnNotWritten(const std::wstring& path, int error)
{
    const std::wstring reason = SystemErrorSuffix(error);
    TMTOOLS::OS::TmShowWarnMessage(stringFormat(L"无法写入 %s%s", path.c_str(), reason.c_str()).c_str());
}

const wchar_t kStandardFilter[] = L"*.xml|*.xml|All Files (*.*)|*.*||";
const wchar_t kStandardFileName[] = L"Tesmo评分标准.xml";
const int kPathBuffer = 500;

// A chosen path without any "." gets the extension (a dot anywhere, even in
// a folder name, counts: "/out.old/result" stays as it is).
std::wstring WithExtension(const std::wstring& path, const wchar_t* extension)
{
    return path.find(L'.') == std::wstring::npos ? path + extension : path;
}

// The save dialog of a workbook command; false when cancelled.
bool AskWorkbookPath(CAppWindowLayer& window, const wchar_t* filter, const wchar_t* initialName, std::wstring& chosen)
{
    CFileDialogRequest request;
    request.m_filter = filter;
    request.m_initialName = initialName;
    request.m_bufferSize = kPathBuffer;
    return window.ShowSaveFileDialog(request, chosen);
}

// File names in one output folder: each workbook under its project
// folder's name, a second one of the same name (letter case ignored, as a
// teacher's Windows machine would) as "name (2)", and so on.
class CCollectedNames {
public:
    explicit CCollectedNames(const std::vector<std::wstring>& taken)
    {
        for (const std::wstring& path : taken) {
            std::wstring name;
            TMTOOLS::OS::GetShortFilePath(path, name);
            m_used.insert(Folded(name));
        }
    }
    // The full path of name's workbook in folder.
    std::wstring Take(const std::wstring& folder, const std::wstring& name)
    {
        std::wstring file = name + L".xls";
        for (int n = 2; !m_used.insert(Folded(file)).second; ++n)
            file = stringFormat(L"%s (%d).xls", name.c_str(), n);
        return folder + L"/" + file;
    }

private:
    static std::wstring Folded(std::wstring text)
    {
        for (wchar_t& c : text)
            c = (wchar_t)towlower((wint_t)c);
        return text;
    }
    std::set<std::wstring> m_used;
};

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
    AnnounceStandardProblem();
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
    const std::wstring path = WithExtension(chosen, L".xml");
    errno = 0;
    if (!WriteScoringStandard(path)) {
        WarnNotWritten(path, errno);
        return;
    }
    TMTOOLS::OS::TmShowMessage(L"导出完成!", TM_PROGRAM_TITLE);
}

bool CWorkspace::ComputeTotals()
{
    // A student left unread scores nothing: read first, or compute nothing.
    if (RefuseUnusableStandard() || !LoadUnreadStudents())
        return false;
    if (!ComputeScores(m_standardProject.get(), m_studentProjects, &m_window))
        return false;
    m_sheet.TakeTotals(*m_standardProject, m_studentProjects);
    m_sheet.TakeAllRows(*m_standardProject, m_studentProjects);
    return true;
}

bool CWorkspace::ComputeAndFillTotals()
{
    if (!ComputeTotals()) {
        // The totals on show came from a standard no longer in force (the
        // settings dialog changed it into one that cannot grade): they go.
        if (CheckStandard() != TM_STANDARD_USABLE) {
            m_sheet.ClearTotals();
            ForgetEarnedScores();
            FillProjectTotals();
        }
        return false;
    }
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

bool CWorkspace::GenerateReports(const std::wstring& outputFolder, const std::vector<std::wstring>& taken)
{
    if (RefuseUnusableStandard() || !LoadUnreadStudents())
        return false;
    m_window.BeginWaitCursor();
    if (!ComputeScores(m_standardProject.get(), m_studentProjects, &m_window)) {
        m_window.EndWaitCursor();
        return false;
    }
    if (!outputFolder.empty())
        TMTOOLS::OS::mkdir_r(outputFolder.c_str());
    const int total = (int)std::min(m_studentProjects.size(), m_sheet.m_entries.size());
    // Where each workbook goes, named in list order (a clash takes the next
    // free name); empty where a record has no place for one.
    std::vector<std::wstring> paths(total);
    CCollectedNames names(taken);
    for (int i = 0; i < total; ++i) {
        const CScoreSheetEntry& entry = m_sheet.m_entries[i];
        if (outputFolder.empty())
            paths[i] = ProjectWorkbookPath(entry);
        else if (!entry.m_folderName.empty())
            paths[i] = names.Take(outputFolder, entry.m_folderName);
    }
    // The project list keeps its totals: only the rows are taken. Each
    // workbook is written by one thread from its own entry; a stop is heard
    // between workbooks, and each one written is whole.
    const CScoreSheetLayout layout(*m_standardProject);
    std::vector<char> written(total, 0);
    std::vector<int> errors(total, 0);  // errno of each workbook not written
    const std::vector<char> finished = RunJobsInOrder(
        m_window, L"生成评分报告", total, m_loadJobs, [this](int i) { return m_sheet.m_entries[i].m_prjPath.c_str(); },
        [&](int i) {
            m_sheet.TakeRows(layout, *m_studentProjects[i], i);
            errno = 0;
            written[i] = WriteProjectWorkbook(m_sheet.m_entries[i], paths[i]);
            errors[i] = errno;
        });
    if (std::find(finished.begin(), finished.end(), 0) != finished.end()) {
        m_window.EndWaitCursor();
        return false;
    }
    std::vector<std::wstring> failed;  // each path with the reason
    for (int i = 0; i < total; ++i) {
        if (!written[i])
            failed.push_back(m_sheet.m_entries[i].m_prjPath + SystemErrorSuffix(errors[i]));
    }
    m_window.EndWaitCursor();
    const std::wstring done = outputFolder.empty() ? std::wstring(L"导出完成，导出数据在各个工程所在文件夹")
                                                   : stringFormat(L"导出完成，导出数据在 %s", outputFolder.c_str());
    if (failed.empty()) {
        TMTOOLS::OS::TmShowMessage(done.c_str(), L"提示");
        return true;
    }
    std::wstring list;
    for (const std::wstring& path : failed)
        list += L"\n" + path;
    TMTOOLS::OS::TmShowWarnMessage(
        stringFormat(L"%s\n其中 %d 个工程的评分报告未能写入：%s", done.c_str(), (int)failed.size(), list.c_str()).c_str());
    return false;
}

bool CWorkspace::ExportSummaryWorkbookTo(const std::wstring& chosenPath)
{
    const std::wstring path = WithExtension(chosenPath, L".xls");
    // The workbook writer replaces the file only once the new one is
    // complete, so the old file is not deleted beforehand.
    errno = 0;
    if (!WriteSummaryWorkbook(m_sheet, path)) {
        WarnNotWritten(path, errno);
        return false;
    }
    TMTOOLS::OS::TmShowMessage(stringFormat(L"导出 %s 成功", path.c_str()).c_str(), L"提示");
    return true;
}

bool CWorkspace::ExportSummaryWorkbook()
{
    if (RefuseUnusableStandard())
        return false;
    std::wstring chosen;
    if (!AskWorkbookPath(m_window, L"*.xls|*.xls|All Files (*.*)|*.*||", L"评分汇总.xls", chosen))
        return false;
    return ExportSummaryWorkbookTo(chosen);
}

bool CWorkspace::ExportDetailsWorkbookTo(const std::wstring& chosenPath)
{
    const std::wstring path = WithExtension(chosenPath, L".xlsx");
    errno = 0;
    if (!WriteDetailsWorkbook(m_sheet, AnalyseClass(), path)) {
        WarnNotWritten(path, errno);
        return false;
    }
    TMTOOLS::OS::TmShowMessage(stringFormat(L"导出 %s 成功", path.c_str()).c_str(), L"提示");
    return true;
}

bool CWorkspace::ExportDetailsWorkbook()
{
    if (RefuseUnusableStandard())
        return false;
    std::wstring chosen;
    if (!AskWorkbookPath(m_window, L"*.xlsx|*.xlsx|All Files (*.*)|*.*||", L"评分明细.xlsx", chosen))
        return false;
    // The workbook holds what the list shows, computed now.
    if (!ComputeAndFillTotals())
        return false;
    return ExportDetailsWorkbookTo(chosen);
}
