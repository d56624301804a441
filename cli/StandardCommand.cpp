// tmscore-cli standard PRJ (-o FILE | --list) [--scores a,b,c,d,e,f]
//                      [--select all|none|NAME,...] [--select-file FILE]
//
// Loads PRJ as the standard project, with the six category full scores
// (default 30,30,20,20,0,0), selects the values that count (all by
// default, none, those named on the command line or those named in a file,
// one a line) and writes a scoring-standard file in the format of
// config.xml, ready for `tmscore-cli grade --standard FILE`. --list prints
// every value (selected, category, settings page, name; tab separated)
// after a header line, so that the names can be picked. FILE may not be the
// project or one of its files, nor a FIFO, a device or a folder; a link is
// written through and a replaced file keeps its mode. Exit status 0 when
// done, 1 when the project does not load, a name is not among its values,
// the list of names cannot be read or the file cannot be written (or is
// refused), 2 for a bad command line.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>

#include "app/Workspace.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/RunInputs.h"
#include "cli/TerminalMessages.h"
#include "cli/TerminalWindowLayer.h"
#include "settings/ItemPageKind.h"
#include "tools/TmString.h"

namespace {

// A file of names longer than this is not a list of names.
const std::streamoff kMaxNameFileBytes = 4 << 20;

int Usage(const std::string& problem)
{
    return CCliCommandRegistry::UsageError("standard", problem);
}

std::string Utf8(const std::wstring& text)
{
    std::string narrow;
    TMTOOLS::String::DecodeUnicode(0, text, narrow);
    return narrow;
}

// Six comma-separated finite numbers, not negative.
bool ParseScores(const std::string& text, float (&scores)[TM_CATEGORY_COUNT])
{
    const char* p = text.c_str();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        char* end = nullptr;
        errno = 0;
        double value = strtod(p, &end);
        if (end == p || errno != 0 || !std::isfinite(value) || value < 0 || !std::isfinite((float)value))
            return false;
        scores[k] = (float)value;
        p = end;
        if (k + 1 < TM_CATEGORY_COUNT) {
            if (*p != ',')
                return false;
            ++p;
        }
    }
    return *p == 0;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

// The names of --select NAME,NAME,...: empty items are skipped.
std::set<std::string> SplitNames(const std::string& list)
{
    std::set<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos)
            comma = list.size();
        const std::string name = Trimmed(list.substr(start, comma - start));
        if (!name.empty())
            names.insert(name);
        start = comma + 1;
    }
    return names;
}

// The names in file, one a line (blank lines skipped); false, with the
// reason said, when it cannot be read.
bool ReadNameFile(const std::string& file, std::set<std::string>& names)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        CliError("standard", file + ": " + strerror(errno));
        return false;
    }
    in.seekg(0, std::ios::end);
    if (in.tellg() > kMaxNameFileBytes) {
        CliError("standard", file + CliSay("：不是名称列表（超过 4 MB）", ": not a list of names (over 4 MB)"));
        return false;
    }
    in.seekg(0);
    std::string line;
    while (std::getline(in, line)) {
        // A UTF-8 byte-order mark from a Windows editor.
        if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);
        line = Trimmed(line);
        if (!line.empty())
            names.insert(line);
    }
    return true;
}

// The settings page that lists each value of the standard project.
std::map<const CTmData*, const wchar_t*> PageTitles(const CScoringProject* standard)
{
    std::map<const CTmData*, const wchar_t*> titles;
    for (int page = 0; page < TM_ITEM_PAGE_COUNT; ++page) {
        for (const CTmData* value : WalkPageValues(standard, page))
            titles[value] = GetItemPageKind(page).m_title;
    }
    return titles;
}

void PrintList(const CScoringProject& standard)
{
    const std::map<const CTmData*, const wchar_t*> titles = PageTitles(&standard);
    std::string out = CliSay("选中\t类别\t设置页\t名称\n", "selected\tcategory\tpage\tname\n");
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        for (const auto& value : standard.GetItem(k).GetValues()) {
            auto title = titles.find(value.get());
            out += std::string(value->m_selected ? "1" : "0") + "\t" + Utf8(GetCategoryName(k)) + "\t" +
                   (title == titles.end() ? std::string("-") : Utf8(title->second)) + "\t" +
                   CTerminalMessages::Escaped(value->m_name) + "\n";
        }
    }
    WriteStandardOutput(out);
    fflush(stdout);
}

int RunStandard(const std::vector<std::string>& args)
{
    CCliArguments arguments;
    if (!arguments.Parse(args, {"-o", "--output", "--scores", "--select", "--select-file"}, {"--list"}))
        return Usage(arguments.m_error);
    if (arguments.m_operands.size() != 1)
        return Usage(CliSay("请给出一个标准工程（.prj）", "name one standard project (.prj)"));
    const std::string prj = arguments.m_operands[0];
    if (!CCliArguments::HasExtension(prj, ".prj"))
        return Usage(CliSay("标准工程必须是 .prj 文件", "the standard project must be a .prj file"));
    if (arguments.Has("-o") && arguments.Has("--output"))
        return Usage(CliSay("输出文件只能给一次", "name the output file once"));
    const bool list = arguments.Has("--list");
    const bool write = arguments.Has("-o") || arguments.Has("--output");
    if (!write && !list)
        return Usage(CliSay("请用 -o FILE 给出输出文件，或用 --list 列出各个值",
                            "name the output file with -o FILE, or list the values with --list"));
    const std::string output = arguments.Value("-o", arguments.Value("--output"));
    if (write && output.empty())
        return Usage(CliSay("输出文件名是空的", "the output file name is empty"));
    if (arguments.Has("--select") && arguments.Has("--select-file"))
        return Usage(CliSay("--select 和 --select-file 只能用一个", "use --select or --select-file, not both"));
    const std::string select = arguments.Value("--select", "all");
    std::set<std::string> names;
    const bool byName = arguments.Has("--select-file") || (select != "all" && select != "none");
    if (arguments.Has("--select-file")) {
        if (arguments.Value("--select-file").empty())
            return Usage(CliSay("--select-file 后面的文件名是空的", "the name after --select-file is empty"));
        if (!ReadNameFile(arguments.Value("--select-file"), names))
            return TM_CLI_FAILED;
    } else if (byName) {
        names = SplitNames(select);
        if (names.empty())
            return Usage(CliSay("--select 接受 all、none 或以逗号分隔的值名称",
                                "--select takes all, none or value names separated by commas"));
    }
    float scores[TM_CATEGORY_COUNT];
    if (arguments.Has("--scores") && !ParseScores(arguments.Value("--scores"), scores))
        return Usage(CliSay("--scores 接受六个以逗号分隔的数，如 30,30,20,20,0,0",
                            "--scores takes six numbers separated by commas, e.g. 30,30,20,20,0,0"));

    CTerminalWindowLayer window;
    CWorkspace workspace(window);
    if (arguments.Has("--scores")) {
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            workspace.SetCategoryScore(k, scores[k]);
    }

    // The standard never replaces the project it is read from, nor a
    // special file.
    if (write) {
        CRunInputs reads;
        reads.AddProject(CCliArguments::AbsolutePath(prj));
        const std::string refusal = reads.Refusal(CCliArguments::AbsolutePath(output));
        if (!refusal.empty()) {
            CliError("standard", refusal);
            return TM_CLI_FAILED;
        }
    }

    workspace.SetStandardPrjPath(CCliArguments::AbsolutePath(prj));
    if (!workspace.RebuildStandardProject())
        return TM_CLI_FAILED;  // the load and the workspace have said why

    int values = 0;
    int selected = 0;
    std::set<std::string> unknown = names;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        for (const auto& value : workspace.GetStandardProject()->GetItem(k).GetValues()) {
            const std::string name = Utf8(value->m_name);
            value->m_selected = byName ? names.count(name) != 0 : select == "all";
            unknown.erase(name);
            ++values;
            selected += value->m_selected ? 1 : 0;
        }
    }
    if (!unknown.empty()) {
        std::string text;
        for (const std::string& name : unknown)
            text += (text.empty() ? "" : ", ") + name;
        CliError("standard", CliSay("标准工程中没有这些值：", "the standard project has no values named: ") + text);
        return TM_CLI_FAILED;
    }

    if (list)
        PrintList(*workspace.GetStandardProject());
    if (!write)
        return TM_CLI_OK;
    errno = 0;
    if (!workspace.WriteScoringStandard(CCliArguments::AbsolutePath(output))) {
        const std::string reason = errno ? std::string(": ") + strerror(errno) : std::string();
        CliError("standard", CliSay("无法写入 ", "cannot write ") + output + reason);
        return TM_CLI_FAILED;
    }
    char counts[128];
    snprintf(counts, sizeof counts, CliSay("：%d 个值，选中 %d 个", ": %d values, %d selected"), values, selected);
    const std::string done = CTerminalMessages::Escaped(output) + counts + "\n";
    fwrite(done.data(), 1, done.size(), stderr);
    return TM_CLI_OK;
}

const CCliCommandRegistration kRegistration({
    "standard",
    "PRJ (-o FILE | --list) [--scores A,B,C,D,E,F] [--select all|none|NAME,...] [--select-file NAMES]",
    {"读入标准工程 PRJ，写出评分标准文件（config.xml 的格式），或列出它的各个值",
     "load PRJ as the standard project and write a scoring-standard file (the format of config.xml), or list its "
     "values"},
    {"选项：\n"
     "  -o, --output FILE      写出评分标准文件 FILE（整个替换）\n"
     "  --scores A,B,C,D,E,F   六个类别的满分，依次为 总信息、各层信息、结构模型与荷载、\n"
     "                         计算结果、施工图、钢筋算量接口；默认 30,30,20,20,0,0，\n"
     "                         合计应为 100\n"
     "  --select all|none|NAME,...\n"
     "                         计分的值：全部（默认）、一个也不选，或列出的名称（逗号分隔）\n"
     "  --select-file NAMES    计分的值：文件 NAMES 中的名称，每行一个（UTF-8）\n"
     "  --list                 列出标准工程的每个值（选中 1/0、类别、设置页、名称，\n"
     "                         以制表符分隔），先印一行表头；与 -o 同用时也写出文件\n"
     "  -h, --help             显示本说明并退出\n"
     "\n"
     "每个选中的值得分 = 所在类别的满分 / 该类别选中的值的个数。\n"
     "评分标准文件的格式见 " TM_DOC_DIR "/standard-file.md。\n"
     "\n"
     "例：\n"
     "  tmscore-cli standard ~/考试/frame.prj --list\n"
     "  tmscore-cli standard ~/考试/frame.prj -o ~/考试/标准.xml --select 第一周期_s,第二周期_s\n",
     "Options:\n"
     "  -o, --output FILE      write the scoring-standard file FILE (replaced whole)\n"
     "  --scores A,B,C,D,E,F   the six category full scores, in the order 总信息 (general),\n"
     "                         各层信息 (storeys), 结构模型与荷载 (model and loads),\n"
     "                         计算结果 (results), 施工图 (drawings), 钢筋算量接口 (rebar);\n"
     "                         default 30,30,20,20,0,0; they should add up to 100\n"
     "  --select all|none|NAME,...\n"
     "                         the values that count: all (the default), none, or those\n"
     "                         named (comma separated)\n"
     "  --select-file NAMES    the values that count: the names in the file NAMES, one a\n"
     "                         line (UTF-8)\n"
     "  --list                 print every value of the standard project (selected 1/0,\n"
     "                         category, settings page, name; tab separated) after a header\n"
     "                         line; with -o the file is written too\n"
     "  -h, --help             print this help and exit\n"
     "\n"
     "Each selected value is worth its category's full score divided by the number of\n"
     "values selected in that category. The file's format: " TM_DOC_DIR "/standard-file.md.\n"
     "\n"
     "Example:\n"
     "  tmscore-cli standard ~/exam/frame.prj --list\n"
     "  tmscore-cli standard ~/exam/frame.prj -o ~/exam/standard.xml --select 第一周期_s,第二周期_s\n"},
    &RunStandard,
});

}  // namespace
