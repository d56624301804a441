// Running tmscore-cli and Python checks of its output, for the tests of the
// command line.
#pragma once

#include <string>
#include <vector>

namespace tmtest {

struct CCliRun {
    int status = 0;
    std::string out;
    std::string err;
};

// text as one shell word.
std::string Quoted(const std::string& text);

// Runs tmscore-cli with arguments (shell words, quoted by the caller), in
// folder when one is given, through runner when one is given (shell words
// before the program, such as "setpriv ... "), in the locale lang whatever
// the tests run in (its own texts are Chinese unless lang is English).
CCliRun RunCli(const std::string& arguments, const std::string& folder = "", const std::string& runner = "",
               const std::string& lang = "C.UTF-8");

// Runs program (with json, sys and xlrd imported) in the Debian python with
// sys.argv[1:] = args; returns what it printed, a traceback included.
std::string RunPython(const std::string& program, const std::vector<std::string>& args);

}  // namespace tmtest
