// tmscore-cli grade --standard FILE [--summary OUT.xls] [--details OUT.xlsx]
//                   [--report] [--output-dir DIR] [--overwrite] [--jobs N]
//                   [--max-unpack SIZE] [--json] [--similar] [--similar-evidence N]
//                   [--similar-share PERCENT] INPUT...
//
// The whole grading run of the desktop program in one command: reads the
// scoring standard as start-up reads config.xml; adds each INPUT in order
// as "添加学生工程" adds it (app/StudentImport.h): an archive (.zip, .rar,
// .7z) unpacked into the folder named after it beside it (--overwrite
// answers Yes to "工程 %s 已存在，要覆盖吗？", otherwise No), a .prj file as
// it is, a folder as the archives and .prj files directly in it (archives
// unpacked N at a time with --jobs, by default one per core); loads every
// student (N at a time too);
// computes as "计算得分" does; with --report writes every student's
// workbook as "生成评分报告" does, with --summary the summary workbook as
// "导出评分结果" does and with --details the class workbook as
// "导出评分明细" does. With --output-dir, the students' workbooks go into
// DIR (named after their project folders)
// instead of beside each folder, and relative --summary and --details
// names are taken in DIR. An archive may unpack to 2 GiB in all, or 100
// times its own size when that is more; --max-unpack SIZE (bytes, or with
// K, M, G or T) sets the 2 GiB. One over it is refused, nothing of it kept.
//
// The workbooks never replace what the run reads: a --summary or --details
// path that is the standard, its project or an input (an archive, a .prj,
// one directly in a folder given) is refused before anything is unpacked,
// and so is one that exists and is not a regular file (a FIFO, a device).
// A symbolic link is written through; the file replaced keeps its mode.
//
// A standard that cannot grade (its project does not load, no value worth
// points is selected, a category score is refused) stops the run before
// anything is unpacked or written: every student would have scored 0.
//
// stdout: one line per student (number, folder name, status, total as
// "%.2f"), then one per input that gave no project (its file name, the
// reason, no total); then the class analysis (app/ClassAnalysis.h): the
// five values matched least and the number of suspected copies, each of
// them with --similar. The bars of the shared-wrong-answer rule are
// --similar-evidence (default 5) and --similar-share (default 80). Or with
// --json:
//   {"standard": {"project": "...", "loaded": true, "valueScores": [six]},
//    "students": [{"project": "...", "input": "...", "loaded": true,
//                  "status": "读入成功",
//                  "categories": [{"category": "总信息", "score": 10}, ...],
//                  "total": 85.3333359, "totalText": "85.33"}, ...],
//    "items": [{"category": "总信息", "name": "...", "standard": "...",
//               "matched": 3, "loaded": 4, "commonWrong": "...",
//               "commonWrongCount": 1}, ...],
//    "similar": [{"a": "...", "b": "...", "reason": "错误答案相同",
//                 "evidence": 7.5, "sharedWrong": 12, "differing": 14,
//                 "identicalFiles": [".prj", ...],
//                 "examples": [{"name": "...", "text": "...",
//                               "standard": "...", "givers": 2}, ...]}, ...]}
// ("b" absent for "与标准工程相同"; "commonWrong" "" when every student
// matched) where an input that gave no project is an entry with "project" and
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
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/ClassAnalysis.h"
#include "app/TextColumns.h"
#include "app/Workspace.h"
#include "archive/ArchiveUnpack.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/JsonWriter.h"
#include "cli/RunInputs.h"
#include "cli/TerminalMessages.h"
#include "cli/TerminalWindowLayer.h"
#include "scoring/ScoreSheet.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const int kMaxJobs = 64;

// "4G", "500M", "3000000": a size in bytes, with an optional binary unit.
bool ParseSize(const std::string& text, uint64_t& bytes)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long long number = strtoull(text.c_str(), &end, 10);
    if (text.empty() || !isdigit((unsigned char)text[0]) || errno != 0 || number == 0)
        return false;
    int shift = 0;
    switch (toupper((unsigned char)*end)) {
    case 0: break;
    case 'K': shift = 10; break;
    case 'M': shift = 20; break;
    case 'G': shift = 30; break;
    case 'T': shift = 40; break;
    default: return false;
    }
    if (*end && end[1] != 0 && strcasecmp(end + 1, "iB") != 0 && strcasecmp(end + 1, "B") != 0)
        return false;
    if (number > (UINT64_MAX >> shift))
        return false;
    bytes = (uint64_t)number << shift;
    return true;
}

int Usage(const std::string& problem)
{
    return CCliCommandRegistry::UsageError("grade", problem);
}

void Error(const std::string& text)
{
    CliError("grade", text);
}

// ": " and the system's reason for error, or nothing without one.
std::string Reason(int error)
{
    return error ? std::string(": ") + strerror(error) : std::string();
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
// The table's names have their control characters escaped: a row is one
// line, and nothing in a folder's name reaches the terminal as a control.
void PrintTable(const CScoreSheet& sheet)
{
    std::vector<std::wstring> names;
    int nameWidth = DisplayColumns(L"工程");
    for (const CScoreSheetEntry& student : sheet.m_entries) {
        names.push_back(CTerminalMessages::EscapedWide(student.m_folderName));
        nameWidth = std::max(nameWidth, DisplayColumns(names.back()));
    }
    std::wstring out = stringFormat(L"%4s  %s  %s  %8s\n", L"#", Padded(L"工程", nameWidth).c_str(),
                                    Padded(L"状态", 12).c_str(), L"总分");
    for (size_t i = 0; i < sheet.m_entries.size(); ++i) {
        const CScoreSheetEntry& student = sheet.m_entries[i];
        out += stringFormat(L"%4d  %s  %s  %8s", (int)i + 1, Padded(names[i], nameWidth).c_str(),
                            Padded(CTerminalMessages::EscapedWide(student.m_status), 12).c_str(),
                            student.TotalText().c_str());
        // What the load lacked follows the total, on the student's line.
        if (!student.m_note.empty())
            out += L"  " + CTerminalMessages::EscapedWide(student.m_note);
        out += L"\n";
    }
    std::string text = Utf8(out);
    WriteStandardOutput(text);
}

std::string EvidenceNumber(double value)
{
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%.4g", value);
    return buffer;
}

std::string ItemsJson(const CClassAnalysis& analysis)
{
    std::string out;
    for (size_t i = 0; i < analysis.m_items.size(); ++i) {
        const CItemAnalysis& item = analysis.m_items[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"category\": " + CJsonWriter::Quote(GetCategoryName(item.m_category)) +
               ", \"name\": " + CJsonWriter::Quote(item.m_name) +
               ", \"standard\": " + CJsonWriter::Quote(item.m_standardText) +
               ", \"matched\": " + std::to_string(item.m_matched) + ", \"loaded\": " + std::to_string(item.m_loaded) +
               ", \"commonWrong\": " + CJsonWriter::Quote(item.m_commonWrong) +
               ", \"commonWrongCount\": " + std::to_string(item.m_commonWrongCount) + "}";
    }
    return out + (analysis.m_items.empty() ? "]" : "\n ]");
}

std::string SimilarJson(const CScoreSheet& sheet, const CClassAnalysis& analysis)
{
    std::string out;
    for (size_t i = 0; i < analysis.m_similar.size(); ++i) {
        const CSimilarPair& pair = analysis.m_similar[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"a\": " + CJsonWriter::Quote(sheet.m_entries[pair.m_a].m_prjPath);
        if (pair.m_b != CSimilarPair::kNoStudent)
            out += ", \"b\": " + CJsonWriter::Quote(sheet.m_entries[pair.m_b].m_prjPath);
        out += ", \"reason\": " + CJsonWriter::Quote(CClassAnalysis::ReasonText(pair.m_reason)) +
               ", \"evidence\": " + EvidenceNumber(pair.m_evidence) +
               ", \"sharedWrong\": " + std::to_string(pair.m_sharedWrong) +
               ", \"differing\": " + std::to_string(pair.m_differing) + ", \"identicalFiles\": [";
        bool first = true;
        for (int f = 0; f < TM_PROJECT_FILE_COUNT; ++f) {
            if (!pair.m_identicalFiles[f])
                continue;
            out += (first ? "" : ", ") + CJsonWriter::Quote(GetProjectFileSuffix(f));
            first = false;
        }
        out += "], \"examples\": [";
        for (size_t e = 0; e < pair.m_examples.size(); ++e) {
            const CSharedWrong& example = pair.m_examples[e];
            out += (e ? ", " : "") + std::string("{\"name\": ") + CJsonWriter::Quote(example.m_name) +
                   ", \"text\": " + CJsonWriter::Quote(example.m_text) +
                   ", \"standard\": " + CJsonWriter::Quote(example.m_standardText) +
                   ", \"givers\": " + std::to_string(example.m_givers) + "}";
        }
        out += "]}";
    }
    return out + (analysis.m_similar.empty() ? "]" : "\n ]");
}

// After the table: the values matched least and the suspected copies.
void PrintAnalysis(const CScoreSheet& sheet, const CClassAnalysis& analysis, bool everyPair)
{
    if (analysis.m_students == 0)
        return;
    std::wstring out = L"\n答对最少的评分项：\n";
    const std::vector<size_t> order = analysis.ItemsByMatchedShare();
    for (size_t k = 0; k < order.size() && k < 5; ++k) {
        const CItemAnalysis& item = analysis.m_items[order[k]];
        out += stringFormat(L"  %s  %d/%d", item.m_name.c_str(), item.m_matched, item.m_loaded);
        if (item.m_commonWrongCount > 0)
            out += stringFormat(L"  最常见错误答案 %s（%d 人）", CTerminalMessages::EscapedWide(item.m_commonWrong).c_str(),
                                item.m_commonWrongCount);
        out += L"\n";
    }
    out += stringFormat(L"疑似雷同：%d 处\n", (int)analysis.m_similar.size());
    for (size_t i = 0; everyPair && i < analysis.m_similar.size(); ++i) {
        const CSimilarPair& pair = analysis.m_similar[i];
        out += stringFormat(L"  %s  %s", CClassAnalysis::ReasonText(pair.m_reason),
                            CTerminalMessages::EscapedWide(sheet.m_entries[pair.m_a].m_folderName).c_str());
        if (pair.m_b != CSimilarPair::kNoStudent)
            out += L"  " + CTerminalMessages::EscapedWide(sheet.m_entries[pair.m_b].m_folderName);
        if (pair.m_reason == TM_SIMILAR_WRONG)
            out += stringFormat(L"  证据 %.1f，相同错误 %d / %d", pair.m_evidence, pair.m_sharedWrong, pair.m_differing);
        out += L"\n";
    }
    std::string text = Utf8(out);
    WriteStandardOutput(text);
}

void PrintJson(const CWorkspace& workspace, const CClassAnalysis& analysis)
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
    out += sheet.m_entries.empty() ? "]" : "\n ]";
    out += ",\n \"items\": [" + ItemsJson(analysis) + ",\n \"similar\": [" + SimilarJson(sheet, analysis) + "}\n";
    WriteStandardOutput(out);
}

// Where the workbooks go: the output folder (empty without --output-dir;
// made by MakeFolder), and the summary and details paths, relative names taken
// in the output folder when there is one, and with the extension the
// commands add to a name without any ".".
struct COutputPaths {
    explicit COutputPaths(const CCliArguments& arguments)
    {
        if (arguments.Has("--output-dir"))
            m_folder = CCliArguments::AbsolutePath(arguments.Value("--output-dir"));
        m_summary = Resolve(arguments.Value("--summary"), L".xls");
        m_details = Resolve(arguments.Value("--details"), L".xlsx");
    }

    void MakeFolder() const
    {
        if (!m_folder.empty())
            TMTOOLS::OS::mkdir_r(m_folder.c_str());
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

// The option's value as a number above 0 and at most highest; value stays
// as it is when the option was not given. False for anything else.
bool PositiveNumber(const CCliArguments& arguments, const char* option, double highest, double& value)
{
    if (!arguments.Has(option))
        return true;
    const std::string text = arguments.Value(option);
    char* end = nullptr;
    const double number = strtod(text.c_str(), &end);
    if (text.empty() || *end != 0 || !(number > 0.0) || number > highest)
        return false;
    value = number;
    return true;
}

int Interrupted(CWorkspace& workspace)
{
    workspace.ReleaseImportLocks();
    Error(CliSay("已中断", "interrupted"));
    return TM_CLI_INTERRUPTED;
}

int RunGrade(const std::vector<std::string>& args)
{
    CCliArguments arguments;
    if (!arguments.Parse(args,
                         {"--standard", "--summary", "--details", "--output-dir", "--jobs", "--max-unpack",
                          "--similar-evidence", "--similar-share"},
                         {"--report", "--overwrite", "--json", "--similar"}))
        return Usage(arguments.m_error);
    if (!arguments.Has("--standard") || arguments.Value("--standard").empty())
        return Usage(CliSay("请用 --standard FILE 给出评分标准", "name the scoring standard with --standard FILE"));
    if (arguments.m_operands.empty())
        return Usage(CliSay("请至少给出一个学生工程压缩包（.zip、.rar、.7z）、工程（.prj）或它们所在的文件夹",
                            "name at least one student archive (.zip, .rar, .7z), project (.prj) or folder of them"));
    // Loading on every core gives the results and messages of one thread,
    // in the same order, sooner.
    int jobs = std::max(1, std::min((int)std::thread::hardware_concurrency(), kMaxJobs));
    if (arguments.Has("--jobs")) {
        const std::string text = arguments.Value("--jobs");
        char* end = nullptr;
        long value = strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != 0 || value < 1 || value > kMaxJobs)
            return Usage(CliSay("--jobs 接受 1 到 ", "--jobs takes a number from 1 to ") + std::to_string(kMaxJobs) +
                         CliSay(" 的数", ""));
        jobs = (int)value;
    }
    uint64_t maxUnpack = TM_DEFAULT_UNPACK_BYTES;
    if (arguments.Has("--max-unpack") && !ParseSize(arguments.Value("--max-unpack"), maxUnpack))
        return Usage(CliSay("--max-unpack 接受 4G、500M 这样的大小", "--max-unpack takes a size such as 4G or 500M"));
    CClassAnalysisOptions analysisOptions;
    if (!PositiveNumber(arguments, "--similar-evidence", 1e9, analysisOptions.m_minEvidence))
        return Usage(CliSay("--similar-evidence 接受大于 0 的数", "--similar-evidence takes a number above 0"));
    double sharePercent = analysisOptions.m_minSharedShare * 100.0;
    if (!PositiveNumber(arguments, "--similar-share", 100.0, sharePercent))
        return Usage(CliSay("--similar-share 接受大于 0、不超过 100 的百分数",
                            "--similar-share takes a percentage above 0, at most 100"));
    analysisOptions.m_minSharedShare = sharePercent / 100.0;
    for (const char* option : {"--summary", "--details", "--output-dir"}) {
        if (arguments.Has(option) && arguments.Value(option).empty())
            return Usage(std::string(CliSay("选项后面的名称是空的：", "the name after this option is empty: ")) +
                         option);
    }

    const std::string standardFile = arguments.Value("--standard");
    struct stat st;
    int error = 0;
    if (stat(standardFile.c_str(), &st) != 0 || access(standardFile.c_str(), R_OK) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode))
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (error) {
        Error(CliSay("无法读取评分标准 ", "cannot read the scoring standard ") + standardFile + Reason(error));
        return TM_CLI_FAILED;
    }

    CTerminalWindowLayer window;
    window.m_answerYes = arguments.Has("--overwrite");
    CTerminalWindowLayer::CatchInterrupt();
    CWorkspace workspace(window);
    workspace.SetLoadJobs(jobs);
    workspace.SetMaxUnpackBytes(maxUnpack);
    workspace.SetAnalysisOptions(analysisOptions);
    if (!workspace.ReadScoringStandard(CCliArguments::AbsolutePath(standardFile))) {
        Error(standardFile + CliSay(" 不是评分标准文件", " is not a scoring-standard file"));
        return TM_CLI_FAILED;
    }
    std::wstring problem;
    if (workspace.CheckStandard(&problem) != TM_STANDARD_USABLE) {
        Error(standardFile + ": " + Utf8(problem));
        return TM_CLI_FAILED;
    }
    // Usable, but short of files no selected value needs: said all the same.
    const std::wstring standardNote = workspace.GetStandardProject()->GetLoadNoteText();
    if (!standardNote.empty())
        Error(standardFile + ": " + Utf8(standardNote));

    // The inputs in command-line order, as "添加学生工程" takes them; the
    // folders stay locked against other runs until the grading is done.
    std::vector<std::wstring> inputs;
    for (const std::string& input : arguments.m_operands)
        inputs.push_back(CCliArguments::AbsolutePath(input));
    // No workbook may replace what the run reads, nor a special file.
    const COutputPaths out(arguments);
    CRunInputs reads;
    reads.AddInput(CCliArguments::AbsolutePath(standardFile));
    reads.AddProject(workspace.GetStandardProject()->m_prjPath);
    for (const std::wstring& input : inputs)
        reads.AddInput(input);
    for (const std::wstring& output : {out.m_summary, out.m_details}) {
        const std::string refusal = output.empty() ? std::string() : reads.Refusal(output);
        if (!refusal.empty()) {
            Error(refusal);
            return TM_CLI_FAILED;
        }
    }
    workspace.AddStudentInputs(inputs);
    if (window.CancelRequested())
        return Interrupted(workspace);
    for (const CImportOutcome& failure : workspace.GetImportFailures())
        Error(Utf8(failure.m_input) + ": " + Utf8(failure.m_status));
    workspace.CreateStudentProjects();
    workspace.LoadStudentProjects();
    if (window.CancelRequested())
        return Interrupted(workspace);

    // No input gave a project: nothing to grade, but every input is still
    // shown with its reason.
    const bool anyStudent = !workspace.GetStudentProjects().empty();
    if (anyStudent && !workspace.ComputeTotals())
        return TM_CLI_FAILED;  // ComputeScores has said why
    out.MakeFolder();
    bool written = true;
    if (anyStudent && arguments.Has("--report"))
        written = workspace.GenerateReports(out.m_folder, {out.m_summary, out.m_details}) && written;
    if (window.CancelRequested())
        return Interrupted(workspace);
    // The workspace's warnings say why a workbook was not written. The
    // class workbook has a row for every input, those without a project
    // too.
    if (anyStudent && arguments.Has("--summary") && !workspace.ExportSummaryWorkbookTo(out.m_summary))
        written = false;
    if (arguments.Has("--details") && !workspace.ExportDetailsWorkbookTo(out.m_details))
        written = false;
    workspace.ReleaseImportLocks();

    const CClassAnalysis analysis = workspace.AnalyseClass();
    if (arguments.Has("--json")) {
        PrintJson(workspace, analysis);
    } else {
        PrintTable(workspace.GetScoreSheet());
        PrintAnalysis(workspace.GetScoreSheet(), analysis, arguments.Has("--similar"));
    }
    // Every input must have given a project: a dropped student is a failure.
    return written && workspace.GetImportFailures().empty() ? TM_CLI_OK : TM_CLI_FAILED;
}

const CCliCommandRegistration kRegistration({
    "grade",
    "--standard FILE [--summary OUT.xls] [--details OUT.xlsx] [--report] [--output-dir DIR] [--overwrite] "
    "[--jobs N] [--max-unpack SIZE] [--json] [--similar] [--similar-evidence N] [--similar-share PERCENT] INPUT...",
    {"按评分标准为学生压缩包（.zip、.rar、.7z）、工程（.prj）及它们所在的文件夹评分",
     "grade student archives (.zip, .rar, .7z), projects (.prj) and folders of them against a scoring standard"},
    {"INPUT 是学生压缩包（解压到它旁边、以它命名的文件夹）、.prj 文件，或文件夹（取其中的\n"
     "压缩包和 .prj 文件）。每个输入在标准输出占一行：序号、工程文件夹、状态、总分。\n"
     "\n"
     "选项：\n"
     "  --standard FILE     评分标准文件（tmscore-cli standard 写出，或窗口\"导出评分设置\"）\n"
     "  --report            写出每个学生的评分报告 <文件夹>.xls，在学生文件夹旁边\n"
     "  --summary OUT.xls   写出评分汇总表（每个学生一个总分）\n"
     "  --details OUT.xlsx  写出班级评分明细（每个输入一行、六个类别的得分、统计和图表）\n"
     "  --output-dir DIR    评分报告写到 DIR（没有则新建），相对的 --summary、--details\n"
     "                      名称也在 DIR 中\n"
     "  --overwrite         同名文件夹已存在时重新解压覆盖（否则按原样评分）\n"
     "  --jobs N            同时解压、读入 N 个工程（1 到 64，默认为处理器核数；结果与 N 无关）\n"
     "  --max-unpack SIZE   每个压缩包解压后的上限（默认 2G；压缩包本身的 100 倍更大时取之）\n"
     "  --json              以 JSON 输出结果，代替表格（含逐项分析 items、雷同检查 similar）\n"
     "  --similar           表格之后列出每一对疑似雷同的学生及其证据\n"
     "  --similar-evidence N  疑似雷同所需的证据分（默认 5）\n"
     "  --similar-share PERCENT  两份作业相同答案所占的比例下限（默认 80）\n"
     "  -h, --help          显示本说明并退出\n"
     "\n"
     "状态：读入成功；读总信息失败（模型文件读不了，得 0 分）；未读入（被 Ctrl-C 停下）；\n"
     "其他（没有找到 .prj 工程文件、压缩包已损坏……）是输入没有得到工程的原因。\n"
     "退出状态：0 完成；1 有输入没有得到工程、评分标准不能用或文件写不了；2 命令行有误；\n"
     "130 被 Ctrl-C 中断。类别顺序：总信息、各层信息、结构模型与荷载、计算结果、施工图、\n"
     "钢筋算量接口。\n"
     "\n"
     "例：\n"
     "  tmscore-cli grade --standard ~/考试/标准.xml --report --summary 评分汇总.xls \\\n"
     "      --details 评分明细.xlsx --output-dir ~/考试/评分 ~/考试/作业/\n",
     "An INPUT is a student archive (unpacked into the folder named after it, beside\n"
     "it), a .prj file, or a folder (the archives and .prj files in it). Each input\n"
     "is a line on stdout: number, project folder, status, total.\n"
     "\n"
     "Options:\n"
     "  --standard FILE     the scoring standard (from tmscore-cli standard, or the\n"
     "                      window's \"导出评分设置\")\n"
     "  --report            write each student's workbook <folder>.xls beside the\n"
     "                      student's folder\n"
     "  --summary OUT.xls   write the summary workbook (one total per student)\n"
     "  --details OUT.xlsx  write the class workbook (a row per input, the six\n"
     "                      category scores, the class's figures and a chart)\n"
     "  --output-dir DIR    write the students' workbooks into DIR (made when\n"
     "                      missing); relative --summary and --details names are\n"
     "                      taken in DIR\n"
     "  --overwrite         unpack an archive again over a folder of its name\n"
     "                      (otherwise the folder is graded as it is)\n"
     "  --jobs N            unpack and load N projects at a time (1 to 64, default\n"
     "                      the number of cores; the results do not depend on it)\n"
     "  --max-unpack SIZE   the most an archive may unpack to (default 2G, or 100\n"
     "                      times the archive's size when that is more)\n"
     "  --json              print the results as JSON instead of the table (with\n"
     "                      the item analysis \"items\" and the suspected copies\n"
     "                      \"similar\")\n"
     "  --similar           after the table, list every suspected pair with its\n"
     "                      evidence\n"
     "  --similar-evidence N  the evidence a suspected pair needs (default 5)\n"
     "  --similar-share PERCENT  the least share of equal answers (default 80)\n"
     "  -h, --help          print this help and exit\n"
     "\n"
     "Status: 读入成功 (loaded); 读总信息失败 (the model file could not be read,\n"
     "scores 0); 未读入 (stopped by Ctrl-C); any other is why an input gave no project\n"
     "(没有找到 .prj 工程文件, 压缩包已损坏, ...). Exit status: 0 done; 1 an input gave\n"
     "no project, the standard cannot grade or a file cannot be written; 2 a bad\n"
     "command line; 130 stopped by Ctrl-C. The category order: 总信息, 各层信息,\n"
     "结构模型与荷载, 计算结果, 施工图, 钢筋算量接口.\n"
     "\n"
     "Example:\n"
     "  tmscore-cli grade --standard ~/exam/standard.xml --report --summary summary.xls \\\n"
     "      --details details.xlsx --output-dir ~/exam/scores ~/exam/hand-ins/\n"},
    &RunGrade,
});

}  // namespace
