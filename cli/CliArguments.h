// Command-line arguments of the standard and grade commands: options with
// or without a value ("--jobs 4", "--jobs=4", "-o FILE"), operands, and the
// paths they name made absolute (the project record cuts folders at "/").
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class CCliArguments {
public:
    // valueOptions take a value, flagOptions none. False, with m_error
    // set, for an unknown option, a missing value or a repeated option.
    bool Parse(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
               const std::set<std::string>& flagOptions);

    bool Has(const std::string& option) const;
    // The option's value, or fallback when it was not given.
    std::string Value(const std::string& option, const std::string& fallback = std::string()) const;

    std::vector<std::string> m_operands;
    std::string m_error;

    // path as a wide absolute path: as given when it starts with "/", else
    // under the current folder.
    static std::wstring AbsolutePath(const std::string& path);
    // path ends with extension (".zip"), letter case ignored.
    static bool HasExtension(const std::string& path, const char* extension);

private:
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
};
