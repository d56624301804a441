// The command registry of tmscore-cli.
#include "cli/CliCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Built on first use, so registrations from any file's static objects find
// it constructed whatever the order of static initialisation.
std::vector<CCliCommand>& Commands()
{
    static std::vector<CCliCommand> commands;
    return commands;
}

int g_outputError = 0;

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

void CCliCommandRegistry::PrintUsage(const CCliCommand& command)
{
    fprintf(stderr, "usage: tmscore-cli %s %s\n  %s\n", command.name, command.usage, command.summary);
}
