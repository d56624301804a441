// tmscore-cli: the batch command line of TmScore.
//
// Looks the command up among the registered ones (each command is a file of
// its own, see CliCommand.h) and runs it; messages that the libraries show
// while it runs go to stderr as "caption: text" lines. "--help", "help
// [COMMAND]" and "COMMAND --help" print to stdout and exit 0; a bad command
// line prints the usage to stderr and exits 2.
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

bool IsHelpOption(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

void PrintProgramHelp()
{
    printf("%s", CliSay("用法：tmscore-cli 命令 [参数]...\n"
                        "      tmscore-cli help [命令]\n"
                        "Tesmo评分系统的命令行：按标准工程为一个班的学生工程评分，不需要窗口。\n"
                        "\n"
                        "命令：\n",
                        "Usage: tmscore-cli COMMAND [ARGUMENT]...\n"
                        "       tmscore-cli help [COMMAND]\n"
                        "The command line of TmScore: grades a class of students' projects against a\n"
                        "standard project, without a window.\n"
                        "\n"
                        "Commands:\n"));
    for (const CCliCommand& command : CCliCommandRegistry::All())
        printf("  %-9s %s\n", command.name, command.summary.Get());
    printf("%s", CliSay("\n"
                        "选项：\n"
                        "  -h, --help   显示本说明并退出（命令后面：该命令的说明）\n"
                        "  --version    显示版本并退出\n"
                        "\n"
                        "例：\n"
                        "  tmscore-cli standard 标准/frame.prj -o 标准.xml\n"
                        "  tmscore-cli grade --standard 标准.xml --report --summary 评分汇总.xls 作业/\n"
                        "\n"
                        "各命令的选项、文件的去处：tmscore-cli help 命令，或 man tmscore-cli。\n",
                        "\n"
                        "Options:\n"
                        "  -h, --help   print this help and exit (after a command: its help)\n"
                        "  --version    print the version and exit\n"
                        "\n"
                        "Example:\n"
                        "  tmscore-cli standard standard/frame.prj -o standard.xml\n"
                        "  tmscore-cli grade --standard standard.xml --report --summary summary.xls hand-ins/\n"
                        "\n"
                        "Each command's options and where its files go: tmscore-cli help COMMAND,\n"
                        "or man tmscore-cli.\n"));
    fflush(stdout);
}

int UnknownCommand(const std::string& name)
{
    std::string names;
    for (const CCliCommand& command : CCliCommandRegistry::All())
        names += (names.empty() ? "" : CliSay("、", ", ")) + std::string(command.name);
    return CCliCommandRegistry::UsageError("", CliSay("没有这个命令：", "unknown command: ") + name +
                                                   CliSay("（命令有 ", " (the commands are ") + names +
                                                   CliSay("）", ")"));
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
    HoldClosedStandardDescriptors();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return CCliCommandRegistry::UsageError("", CliSay("缺少命令", "missing command"));
    const std::string& name = args[0];
    if (IsHelpOption(name)) {
        PrintProgramHelp();
        return TM_CLI_OK;
    }
    if (name == "--version") {
        printf("tmscore-cli (TmScore) %s\n", TM_VERSION);
        return TM_CLI_OK;
    }
    if (name == "help") {
        if (args.size() == 1) {
            PrintProgramHelp();
            return TM_CLI_OK;
        }
        const CCliCommand* command = CCliCommandRegistry::Find(args[1]);
        if (!command)
            return UnknownCommand(args[1]);
        if (args.size() > 2)
            return CCliCommandRegistry::UsageError("",
                                                   CliSay("help 只接受一个命令名", "help takes one command name"));
        CCliCommandRegistry::PrintHelp(*command);
        return TM_CLI_OK;
    }
    const CCliCommand* command = CCliCommandRegistry::Find(name);
    if (!command)
        return UnknownCommand(name);
    // COMMAND --help, wherever it stands among the options.
    for (size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
        if (IsHelpOption(args[i])) {
            CCliCommandRegistry::PrintHelp(*command);
            return TM_CLI_OK;
        }
    }

    CTerminalMessages::Install();
    int status = command->run(std::vector<std::string>(args.begin() + 1, args.end()));
    if (!CloseStandardOutput()) {
        fprintf(stderr, "tmscore-cli %s: %s%s\n", name.c_str(), CliSay("无法写出结果：", "cannot write the output: "),
                strerror(errno));
        if (status == TM_CLI_OK)
            status = TM_CLI_FAILED;
    }
    return status;
}
