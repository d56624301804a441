// tmscore-cli grade --standard FILE [--summary OUT.xls] [--details OUT.xlsx]
//                   [--report] [--output-dir DIR] [--overwrite] [--jobs N]
//                   [--json] INPUT...
//
// The whole grading run of the desktop program in one command: reads the
// scoring standard as start-up reads config.xml; adds each INPUT in order
// as "添加学生工程" adds it (app/StudentImport.h): an archive (.zip, .rar,
// .7z) unpacked into the folder named after it beside it (--overwrite
// answers Yes to "工程 %s 已存在，要覆盖吗？", otherwise No), a .prj file as
// it is, a folder as the archives and .prj files directly in it; loads
// every student (N at a time with --jobs, by default one per core);
// computes as "计算得分" does; with --report writes every student's
// workbook as "生成评分报告" does, with --summary the summary workbook as
// "导出评分结果" does and with --details the class workbook as
// "导出评分明细" does. With --output-dir, the students' workbooks go into
// DIR (named after their project folders)
// instead of beside each folder, and relative --summary and --details
// names are taken in DIR.
//
// A standard that cannot grade (its project does not load, no value worth
// points is selected, a category score is refused) stops the run before
// anything is unpacked or written: every student would have scored 0.
//
// stdout: one line per student (number, folder name, status, total as
// "%.2f"), then one per input that gave no project (its file name, the
// reason, no total); or with --json:
//   {"standard": {"project": "...", "loaded": true, "valueScores": [six]},
//    "students": [{"project": "...", "input": "...", "loaded": true,
//                  "status": "读入成功",
//                  "categories": [{"category": "总信息", "score": 10}, ...],
//                  "total": 85.3333359, "totalText": "85.33"}, ...]}
// where an input that gave no project is an entry with "project" and
// "input" the input, "loaded" false, "status" the reason, zero scores,
// "total" 0 and "totalText" "".
// Scores are "%.9g" of the 32-bit float, which reads back as the same float.
// Other tools read this output: keep its form stable.
//
// Exit status 0 when every input gave a project and the grading ran (and
// the workbooks asked for were written); 1 when an input gave no project
// (a project that fails to load is graded and does not count), when the
// grading could not run or a workbook failed; 2 for a bad command line;
// 130 when Ctrl-C stopped it (between projects; nothing is left half
// written or locked).
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/TextColumns.h"
#include "app/Workspace.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/JsonWriter.h"
#include "cli/TerminalWindowLayer.h"
#include "scoring/ScoreSheet.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const int kMaxJobs = 64;

int Usage(const std::string& problem)
{
    if (!problem.empty())
        fprintf(stderr, "tmscore-cli grade: %s\n", problem.c_str());
    CCliCommandRegistry::PrintUsage(*CCliCommandRegistry::Find("grade"));
    return TM_CLI_USAGE;
}

std::string Utf8(const std::wstring& text)
{
    std::string narrow;
    TMTOOLS::String::DecodeUnicode(0, text, narrow);
    return narrow;
}

std::string Number(float value)
{
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%.9g", (double)value);
    return buffer;
}

std::string QuotedList(const std::vector<std::wstring>& texts)
{
    std::string list = "[";
    for (size_t i = 0; i < texts.size(); ++i)
        list += (i ? ", " : "") + CJsonWriter::Quote(texts[i]);
    return list + "]";
}

std::wstring Padded(const std::wstring& text, int width)
{
    int pad = width - DisplayColumns(text);
    return pad > 0 ? text + std::wstring(pad, L' ') : text;
}

// The table and the JSON render the score sheet, as the project list does.
void PrintTable(const CScoreSheet& sheet)
{
    int nameWidth = DisplayColumns(L"工程");
    for (const CScoreSheetEntry& student : sheet.m_entries)
        nameWidth = std::max(nameWidth, DisplayColumns(student.m_folderName));
    std::wstring out = stringFormat(L"%4s  %s  %s  %8s\n", L"#", Padded(L"工程", nameWidth).c_str(),
                                    Padded(L"状态", 12).c_str(), L"总分");
    for (size_t i = 0; i < sheet.m_entries.size(); ++i) {
        const CScoreSheetEntry& student = sheet.m_entries[i];
        out += stringFormat(L"%4d  %s  %s  %8s", (int)i + 1, Padded(student.m_folderName, nameWidth).c_str(),
                            Padded(student.m_status, 12).c_str(), student.TotalText().c_str());
        // What the load lacked follows the total, on the student's line.
        if (!student.m_note.empty())
            out += L"  " + student.m_note;
        out += L"\n";
    }
    std::string text = Utf8(out);
    fwrite(text.data(), 1, text.size(), stdout);
}

void PrintJson(const CWorkspace& workspace)
{
    const CScoreSheet& sheet = workspace.GetScoreSheet();
    const CScoringProject& standard = *workspace.GetStandardProject();
    std::vector<std::wstring> missing = standard.m_missingResultFiles;
    missing.insert(missing.end(), standard.m_unrecognisedResultFiles.begin(), standard.m_unrecognisedResultFiles.end());
    std::string out = "{\"standard\": {\"project\": " + CJsonWriter::Quote(standard.m_prjPath) +
                      ", \"loaded\": " + (workspace.IsStandardLoaded() ? "true" : "false") +
                      ", \"missing\": " + QuotedList(missing) + ", \"note\": " +
                      CJsonWriter::Quote(standard.GetLoadNoteText()) + ", \"valueScores\": [";
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        out += (k ? ", " : "") + Number(sheet.m_valueScores[k]);
    out += "]},\n \"students\": [";
    for (size_t i = 0; i < sheet.m_entries.size(); ++i) {
        const CScoreSheetEntry& student = sheet.m_entries[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"project\": " + CJsonWriter::Quote(student.m_prjPath) +
               ", \"input\": " + CJsonWriter::Quote(student.m_input) + ", \"loaded\": " +
               (student.m_loaded ? "true" : "false") + ", \"status\": " + CJsonWriter::Quote(student.m_status) +
               ", \"missing\": " + QuotedList(student.m_missing) + ", \"note\": " + CJsonWriter::Quote(student.m_note) +
               ", \"categories\": [";
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            out += k ? ", " : "";
            out += "{\"category\": " + CJsonWriter::Quote(GetCategoryName(k)) +
                   ", \"score\": " + Number(student.m_categoryScores[k]) + "}";
        }
        out += "], \"total\": " + Number(student.m_total) +
               ", \"totalText\": " + CJsonWriter::Quote(student.TotalText()) + "}";
    }
    out += sheet.m_entries.empty() ? "]}\n" : "\n ]}\n";
    fwrite(out.data(), 1, out.size(), stdout);
}

// Where the workbooks go: the output folder (made here; empty without
// --output-dir), and the summary and details paths, relative names taken
// in the output folder when there is one, and with the extension the
// commands add to a name without any ".".
struct COutputPaths {
    explicit COutputPaths(const CCliArguments& arguments)
    {
        if (arguments.Has("--output-dir")) {
            m_folder = CCliArguments::AbsolutePath(arguments.Value("--output-dir"));
            TMTOOLS::OS::mkdir_r(m_folder.c_str());
        }
        m_summary = Resolve(arguments.Value("--summary"), L".xls");
        m_details = Resolve(arguments.Value("--details"), L".xlsx");
    }

    std::wstring Resolve(const std::string& name, const wchar_t* extension) const
    {
        if (name.empty())
            return std::wstring();
        std::wstring path = CCliArguments::AbsolutePath(name);
        if (!m_folder.empty() && name[0] != '/') {
            TMTOOLS::String::EncodeUnicode(0, name, path);
            path = m_folder + L"/" + path;
        }
        return path.find(L'.') == std::wstring::npos ? path + extension : path;
    }

    std::wstring m_folder;
    std::wstring m_summary;
    std::wstring m_details;
};

int Interrupted(CWorkspace& workspace)
{
    workspace.ReleaseImportLocks();
    fprintf(stderr, "tmscore-cli grade: interrupted\n");
    return TM_CLI_INTERRUPTED;
}

int RunGrade(const std::vector<std::string>& args)
{
    CCliArguments arguments;
    if (!arguments.Parse(args, {"--standard", "--summary", "--details", "--output-dir", "--jobs"},
                         {"--report", "--overwrite", "--json"}))
        return Usage(arguments.m_error);
    if (!arguments.Has("--standard") || arguments.Value("--standard").empty())
        return Usage("name the scoring standard with --standard FILE");
    if (arguments.m_operands.empty())
        return Usage("name at least one student archive (.zip, .rar, .7z), project (.prj) or folder of them");
    // Loading on every core gives the results and messages of one thread,
    // in the same order, sooner.
    int jobs = std::max(1, std::min((int)std::thread::hardware_concurrency(), kMaxJobs));
    if (arguments.Has("--jobs")) {
        const std::string text = arguments.Value("--jobs");
        char* end = nullptr;
        long value = strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != 0 || value < 1 || value > kMaxJobs)
            return Usage("--jobs takes a number from 1 to " + std::to_string(kMaxJobs));
        jobs = (int)value;
    }
    for (const char* option : {"--summary", "--details", "--output-dir"}) {
        if (arguments.Has(option) && arguments.Value(option).empty())
            return Usage(std::string("the name after ") + option + " is empty");
    }

    const std::string standardFile = arguments.Value("--standard");
    struct stat st;
    if (stat(standardFile.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || access(standardFile.c_str(), R_OK) != 0) {
        fprintf(stderr, "tmscore-cli grade: cannot read the scoring standard %s\n", standardFile.c_str());
        return TM_CLI_FAILED;
    }

    CTerminalWindowLayer window;
    window.m_answerYes = arguments.Has("--overwrite");
    CTerminalWindowLayer::CatchInterrupt();
    CWorkspace workspace(window);
    workspace.SetLoadJobs(jobs);
    if (!workspace.ReadScoringStandard(CCliArguments::AbsolutePath(standardFile))) {
        fprintf(stderr, "tmscore-cli grade: %s is not a scoring-standard file\n", standardFile.c_str());
        return TM_CLI_FAILED;
    }
    std::wstring problem;
    if (workspace.CheckStandard(&problem) != TM_STANDARD_USABLE) {
        fprintf(stderr, "tmscore-cli grade: %s: %s\n", standardFile.c_str(), Utf8(problem).c_str());
        return TM_CLI_FAILED;
    }
    // Usable, but short of files no selected value needs: said all the same.
    const std::wstring standardNote = workspace.GetStandardProject()->GetLoadNoteText();
    if (!standardNote.empty())
        fprintf(stderr, "tmscore-cli grade: %s: %s\n", standardFile.c_str(), Utf8(standardNote).c_str());

    // The inputs in command-line order, as "添加学生工程" takes them; the
    // folders stay locked against other runs until the grading is done.
    std::vector<std::wstring> inputs;
    for (const std::string& input : arguments.m_operands)
        inputs.push_back(CCliArguments::AbsolutePath(input));
    workspace.AddStudentInputs(inputs);
    if (window.CancelRequested())
        return Interrupted(workspace);
    for (const CImportOutcome& failure : workspace.GetImportFailures())
        fprintf(stderr, "tmscore-cli grade: %s: %s\n", Utf8(failure.m_input).c_str(), Utf8(failure.m_status).c_str());
    workspace.CreateStudentProjects();
    workspace.LoadStudentProjects();
    if (window.CancelRequested())
        return Interrupted(workspace);

    // No input gave a project: nothing to grade, but every input is still
    // shown with its reason.
    const bool anyStudent = !workspace.GetStudentProjects().empty();
    if (anyStudent && !workspace.ComputeTotals())
        return TM_CLI_FAILED;  // ComputeScores has said why
    const COutputPaths out(arguments);
    bool written = true;
    if (anyStudent && arguments.Has("--report"))
        written = workspace.GenerateReports(out.m_folder, {out.m_summary, out.m_details}) && written;
    if (window.CancelRequested())
        return Interrupted(workspace);
    if (anyStudent && arguments.Has("--summary") && !workspace.ExportSummaryWorkbookTo(out.m_summary)) {
        fprintf(stderr, "tmscore-cli grade: cannot write the summary %s\n", Utf8(out.m_summary).c_str());
        written = false;
    }
    // The class workbook has a row for every input, those without a
    // project too.
    if (arguments.Has("--details") && !workspace.ExportDetailsWorkbookTo(out.m_details)) {
        fprintf(stderr, "tmscore-cli grade: cannot write the details %s\n", Utf8(out.m_details).c_str());
        written = false;
    }
    workspace.ReleaseImportLocks();

    if (arguments.Has("--json"))
        PrintJson(workspace);
    else
        PrintTable(workspace.GetScoreSheet());
    fflush(stdout);
    // Every input must have given a project: a dropped student is a failure.
    return written && workspace.GetImportFailures().empty() ? TM_CLI_OK : TM_CLI_FAILED;
}

const CCliCommandRegistration kRegistration({
    "grade",
    "--standard FILE [--summary OUT.xls] [--details OUT.xlsx] [--report] [--output-dir DIR] [--overwrite] "
    "[--jobs N] [--json] INPUT...",
    "grade student archives (.zip, .rar, .7z), projects (.prj) and folders of them against a scoring standard",
    &RunGrade,
});

}  // namespace
