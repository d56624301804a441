// The command registry of tmscore-cli, its help and usage texts.
#include "cli/CliCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/TerminalMessages.h"

namespace {

// Built on first use, so registrations from any file's static objects find
// it constructed whatever the order of static initialisation.
std::vector<CCliCommand>& Commands()
{
    static std::vector<CCliCommand> commands;
    return commands;
}

int g_outputError = 0;

const char* UsageWord()
{
    return CliSay("用法：", "Usage: ");
}

}  // namespace

void WriteStandardOutput(const std::string& text)
{
    if (fwrite(text.data(), 1, text.size(), stdout) != text.size() && g_outputError == 0)
        g_outputError = errno ? errno : EIO;
}

int StandardOutputError()
{
    return g_outputError;
}

void CCliCommandRegistry::Add(const CCliCommand& command)
{
    Commands().push_back(command);
}

const CCliCommand* CCliCommandRegistry::Find(const std::string& name)
{
    for (const CCliCommand& command : Commands()) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

std::vector<CCliCommand> CCliCommandRegistry::All()
{
    std::vector<CCliCommand> all = Commands();
    std::sort(all.begin(), all.end(),
              [](const CCliCommand& a, const CCliCommand& b) { return strcmp(a.name, b.name) < 0; });
    return all;
}

void CCliCommandRegistry::PrintHelp(const CCliCommand& command)
{
    printf("%stmscore-cli %s %s\n%s\n\n%s", UsageWord(), command.name, command.usage, command.summary.Get(),
           command.help.Get());
    fflush(stdout);
}

int CCliCommandRegistry::UsageError(const char* name, const std::string& problem)
{
    if (!problem.empty())
        CliError(name, problem);
    const CCliCommand* command = Find(name);
    if (command)
        fprintf(stderr, "%stmscore-cli %s %s\n", UsageWord(), command->name, command->usage);
    else
        fprintf(stderr, "%stmscore-cli %s\n", UsageWord(), CliSay("命令 [参数]...", "COMMAND [ARGUMENT]..."));
    const std::string program = *name ? std::string("tmscore-cli ") + name : std::string("tmscore-cli");
    fprintf(stderr, CliSay("详见 '%s --help'。\n", "Try '%s --help'.\n"), program.c_str());
    return TM_CLI_USAGE;
}

void CliError(const char* command, const std::string& text)
{
    std::string line = "tmscore-cli";
    if (command && *command)
        line += std::string(" ") + command;
    line += ": " + CTerminalMessages::Escaped(text) + "\n";
    fwrite(line.data(), 1, line.size(), stderr);
    fflush(stderr);
}
