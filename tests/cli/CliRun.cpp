// Running tmscore-cli and Python from the command-line tests.
#include "tests/cli/CliRun.h"

#include <sys/stat.h>

#include "tests/support/TestFiles.h"

namespace tmtest {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

CCliRun RunCli(const std::string& arguments, const std::string& folder, const std::string& runner,
               const std::string& lang)
{
    CTempDir scratch;
    if (!runner.empty())
        chmod(scratch.Path().c_str(), 0777);  // the runner's user writes stderr there
    std::string command = runner + "env -u LC_ALL -u LC_MESSAGES LANG=" + Quoted(lang) + " " + TM_CLI_PROGRAM + " " +
                          arguments + " 2>" + Quoted(scratch.File("err"));
    if (!folder.empty())
        command = "cd " + Quoted(folder) + " && " + command;
    CCliRun run;
    run.out = RunOutput(command, &run.status);
    run.err = ReadBytes(scratch.File("err"));
    return run;
}

std::string RunPython(const std::string& program, const std::vector<std::string>& args)
{
    CTempDir scratch;
    WriteBytes(scratch.File("check.py"), "import json, sys, xlrd\n" + program + "\n");
    std::string command = std::string(TM_DEBIAN_PYTHON) + " " + Quoted(scratch.File("check.py"));
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    return RunOutput(command + " 2>&1");
}

}  // namespace tmtest
