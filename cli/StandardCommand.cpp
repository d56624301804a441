// tmscore-cli standard PRJ -o FILE [--scores a,b,c,d,e,f] [--select all|none]
//
// Loads PRJ as the standard project, with the six category full scores
// (default 30,30,20,20,0,0), selects all of its values (or none) and writes
// a scoring-standard file in the format of config.xml, ready for
// `tmscore-cli grade --standard FILE`. FILE may not be the project or one
// of its files, nor a FIFO, a device or a folder; a link is written
// through and a replaced file keeps its mode. Exit status 0 when written,
// 1 when the project does not load or the file cannot be written (or is
// refused), 2 for a bad command line.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/Workspace.h"
#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/RunInputs.h"
#include "cli/TerminalWindowLayer.h"

namespace {

int Usage(const char* problem)
{
    if (problem && *problem)
        fprintf(stderr, "tmscore-cli standard: %s\n", problem);
    CCliCommandRegistry::PrintUsage(*CCliCommandRegistry::Find("standard"));
    return TM_CLI_USAGE;
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

int RunStandard(const std::vector<std::string>& args)
{
    CCliArguments arguments;
    if (!arguments.Parse(args, {"-o", "--output", "--scores", "--select"}, {}))
        return Usage(arguments.m_error.c_str());
    if (arguments.m_operands.size() != 1)
        return Usage("name one standard project (.prj)");
    const std::string prj = arguments.m_operands[0];
    if (!CCliArguments::HasExtension(prj, ".prj"))
        return Usage("the standard project must be a .prj file");
    if (arguments.Has("-o") == arguments.Has("--output"))
        return Usage("name the output file once with -o FILE");
    const std::string output = arguments.Value("-o", arguments.Value("--output"));
    if (output.empty())
        return Usage("the output file name is empty");
    const std::string select = arguments.Value("--select", "all");
    if (select != "all" && select != "none")
        return Usage("--select takes all or none");

    CTerminalWindowLayer window;
    CWorkspace workspace(window);
    if (arguments.Has("--scores")) {
        float scores[TM_CATEGORY_COUNT];
        if (!ParseScores(arguments.Value("--scores"), scores))
            return Usage("--scores takes six numbers separated by commas, e.g. 30,30,20,20,0,0");
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            workspace.SetCategoryScore(k, scores[k]);
    }

    // The standard never replaces the project it is read from, nor a
    // special file.
    CRunInputs reads;
    reads.AddProject(CCliArguments::AbsolutePath(prj));
    const std::string refusal = reads.Refusal(CCliArguments::AbsolutePath(output));
    if (!refusal.empty()) {
        fprintf(stderr, "tmscore-cli standard: %s\n", refusal.c_str());
        return TM_CLI_FAILED;
    }

    workspace.SetStandardPrjPath(CCliArguments::AbsolutePath(prj));
    if (!workspace.RebuildStandardProject())
        return TM_CLI_FAILED;  // the load and the workspace have said why

    int values = 0;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        for (const auto& value : workspace.GetStandardProject()->GetItem(k).GetValues()) {
            value->m_selected = select == "all";
            ++values;
        }
    }
    if (!workspace.WriteScoringStandard(CCliArguments::AbsolutePath(output))) {
        fprintf(stderr, "tmscore-cli standard: cannot write %s\n", output.c_str());
        return TM_CLI_FAILED;
    }
    fprintf(stderr, "%s: %d values, %s selected\n", output.c_str(), values, select == "all" ? "all" : "none");
    return TM_CLI_OK;
}

const CCliCommandRegistration kRegistration({
    "standard",
    "PRJ -o FILE [--scores a,b,c,d,e,f] [--select all|none]",
    "load PRJ as the standard project and write a scoring-standard file (the format of config.xml)",
    &RunStandard,
});

}  // namespace
