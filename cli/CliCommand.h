// The commands of tmscore-cli: each command lives in a file of its own and
// registers itself here with a static CCliCommandRegistration, so adding a
// command means adding one file; main.cpp only looks commands up.
#pragma once

#include <string>
#include <vector>

#include "cli/CliText.h"

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
    CCliText summary;   // one line for the command list and the help
    // The rest of "tmscore-cli NAME --help": the options one a line, where
    // the files go, an example; ends with a line end.
    CCliText help;
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
    // Writes the command's help to stdout.
    static void PrintHelp(const CCliCommand& command);
    // Writes "tmscore-cli NAME: PROBLEM" (when problem is not empty), the
    // usage line and where the help is to stderr; returns TM_CLI_USAGE.
    static int UsageError(const char* name, const std::string& problem);
};

// Writes a command's result to stdout. What standard output does not take
// is remembered: main fails the run with StandardOutputError's errno.
void WriteStandardOutput(const std::string& text);
// errno of the first failed write to stdout; 0 when none failed.
int StandardOutputError();

// A static object of this type registers a command before main runs.
struct CCliCommandRegistration {
    explicit CCliCommandRegistration(const CCliCommand& command) { CCliCommandRegistry::Add(command); }
};

// Writes "tmscore-cli[ COMMAND]: TEXT" and a line end to stderr, TEXT with
// its control characters escaped; for the commands' own error lines.
void CliError(const char* command, const std::string& text);
