// tmscore-cli: the batch command line of TmScore.
//
// Looks the command up among the registered ones (each command is a file of
// its own, see CliCommand.h) and runs it; messages that the libraries show
// while it runs go to stderr as "caption: text" lines.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/TerminalMessages.h"

namespace {

void PrintCommandList()
{
    fprintf(stderr, "usage: tmscore-cli COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const CCliCommand& command : CCliCommandRegistry::All())
        fprintf(stderr, "  %s %s\n      %s\n", command.name, command.usage, command.summary);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        PrintCommandList();
        return TM_CLI_USAGE;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintCommandList();
        return TM_CLI_USAGE;
    }
    const CCliCommand* command = CCliCommandRegistry::Find(name);
    if (!command) {
        fprintf(stderr, "tmscore-cli: unknown command '%s'\n", name.c_str());
        PrintCommandList();
        return TM_CLI_USAGE;
    }

    CTerminalMessages::Install();
    std::vector<std::string> args(argv + 2, argv + argc);
    return command->run(args);
}
