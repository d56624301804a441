// The commands of tmscore-cli: each command lives in a file of its own and
// registers itself here with a static CCliCommandRegistration, so adding a
// command means adding one file; main.cpp only looks commands up.
#pragma once

#include <string>
#include <vector>

// Exit statuses shared by the commands.
enum {
    TM_CLI_OK = 0,
    TM_CLI_FAILED = 1,  // the command ran and what it was asked for failed
    TM_CLI_USAGE = 2,   // bad command line; a usage text went to stderr
    TM_CLI_INTERRUPTED = 130,  // stopped by Ctrl-C (128 + SIGINT, as shells say)
};

struct CCliCommand {
    const char* name;   // as typed after tmscore-cli
    const char* usage;  // argument synopsis, e.g. "PRJ"
    const char* summary;  // one line for the command list
    // Runs with the arguments after the command name; returns an exit status.
    int (*run)(const std::vector<std::string>& args);
};

class CCliCommandRegistry {
public:
    static void Add(const CCliCommand& command);
    // The command named name, or null.
    static const CCliCommand* Find(const std::string& name);
    // Every command, sorted by name.
    static std::vector<CCliCommand> All();
    // Writes "usage: tmscore-cli NAME USAGE" for command to stderr.
    static void PrintUsage(const CCliCommand& command);
};

// A static object of this type registers a command before main runs.
struct CCliCommandRegistration {
    explicit CCliCommandRegistration(const CCliCommand& command) { CCliCommandRegistry::Add(command); }
};
