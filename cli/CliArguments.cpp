// CCliArguments: a small option parser; "--" ends the options.
#include "cli/CliArguments.h"

#include <strings.h>
#include <unistd.h>

#include <climits>
#include <cstring>

#include "cli/CliText.h"
#include "tools/TmString.h"

bool CCliArguments::Parse(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                          const std::set<std::string>& flagOptions)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            m_operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string value;
        bool inlineValue = false;
        size_t equals = arg.find('=');
        if (arg.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.erase(equals);
            inlineValue = true;
        }
        if (m_values.count(arg) || m_flags.count(arg)) {
            m_error = CliSay("选项给了两次：", "option given twice: ") + arg;
            return false;
        }
        if (flagOptions.count(arg)) {
            if (inlineValue) {
                m_error = CliSay("选项不带值：", "option takes no value: ") + arg;
                return false;
            }
            m_flags.insert(arg);
        } else if (valueOptions.count(arg)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    m_error = CliSay("选项缺少值：", "option needs a value: ") + arg;
                    return false;
                }
                value = args[++i];
            }
            m_values[arg] = value;
        } else {
            m_error = CliSay("没有这个选项：", "unknown option: ") + arg;
            return false;
        }
    }
    return true;
}

bool CCliArguments::Has(const std::string& option) const
{
    return m_flags.count(option) || m_values.count(option);
}

std::string CCliArguments::Value(const std::string& option, const std::string& fallback) const
{
    auto found = m_values.find(option);
    return found == m_values.end() ? fallback : found->second;
}

std::wstring CCliArguments::AbsolutePath(const std::string& path)
{
    std::string full = path;
    if (path.empty() || path[0] != '/') {
        char cwd[PATH_MAX];
        if (getcwd(cwd, sizeof cwd)) {
            full = cwd;
            if (full.back() != '/')
                full += '/';
            full += path;
        }
    }
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, full, wide);
    return wide;
}

bool CCliArguments::HasExtension(const std::string& path, const char* extension)
{
    size_t len = strlen(extension);
    return path.size() > len && strcasecmp(path.c_str() + path.size() - len, extension) == 0;
}
