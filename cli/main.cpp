// tmscore-cli: the batch command line of TmScore.
//
// Looks the command up among the registered ones (each command is a file of
// its own, see CliCommand.h) and runs it; messages that the libraries show
// while it runs go to stderr as "caption: text" lines.
//
// What a command prints is its result: when standard output cannot take it
// (a full disk, /dev/full, a closed descriptor, a pipe gone), the command
// fails with exit status 1 and a message, even if all else went well.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// A program started with descriptor 0, 1 or 2 closed would hand that
// number to the first file it opens, and print its table into a workbook.
// Each closed one is taken by /dev/null opened for reading only: nothing
// is read from it, and every write to it fails, so output lost to a
// closed stdout is reported as lost.
void HoldClosedStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        const int held = open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
}

// Flushes and closes stdout; false (errno set) when anything written to it
// since the start was lost.
bool CloseStandardOutput()
{
    int error = StandardOutputError();
    bool ok = error == 0 && !ferror(stdout);
    if (!ok && error == 0)
        error = EIO;
    if (fflush(stdout) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (fclose(stdout) != 0 && ok) {
        ok = false;
        error = errno;
    }
    errno = error;
    return ok;
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

    HoldClosedStandardDescriptors();
    CTerminalMessages::Install();
    std::vector<std::string> args(argv + 2, argv + argc);
    int status = command->run(args);
    if (!CloseStandardOutput()) {
        fprintf(stderr, "tmscore-cli %s: cannot write the output: %s\n", name.c_str(), strerror(errno));
        if (status == TM_CLI_OK)
            status = TM_CLI_FAILED;
    }
    return status;
}
