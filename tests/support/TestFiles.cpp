#include "tests/support/TestFiles.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/TmString.h"

namespace tmtest {

CTempDir::CTempDir()
{
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tmscore-test-XXXXXX";
    char* made = mkdtemp(&pattern[0]);
    m_path = made ? made : "";
}

CTempDir::~CTempDir()
{
    if (!m_path.empty()) {
        std::error_code ec;
        // Tests may leave read-only files; make them removable first.
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_symlink(ec))
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(m_path, ec);
    }
}

std::wstring CTempDir::WPath() const
{
    return Wide(m_path);
}

void WriteGbkFile(const std::string& path, const std::wstring& text)
{
    std::wstring crlf = TMTOOLS::String::ReplaceAll(text, L"\n", L"\r\n");
    std::string bytes;
    TMTOOLS::String::DecodeUnicode(936, crlf, bytes);
    WriteBytes(path, bytes);
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string Utf8(const std::wstring& text)
{
    std::string out;
    TMTOOLS::String::DecodeUnicode(65001, text, out);
    return out;
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring out;
    TMTOOLS::String::EncodeUnicode(65001, utf8, out);
    return out;
}

int Run(const std::string& command)
{
    int status = system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool HaveCommand(const std::string& name)
{
    return Run("command -v '" + name + "' >/dev/null 2>&1") == 0;
}

int ReplayCorpus(const std::string& folder, void (*entry)(const unsigned char* data, size_t size))
{
    int files = 0;
    for (const std::filesystem::directory_entry& item : std::filesystem::directory_iterator(folder)) {
        const std::string bytes = ReadBytes(item.path().string());
        entry((const unsigned char*)bytes.data(), bytes.size());
        ++files;
    }
    return files;
}

std::string SheetsAsCsv(const std::string& workbook)
{
    CTempDir scratch;
    // Tokens: comma, double quote, UTF-8, from line 1, no column types,
    // language default, unquoted text, detect numbers, cells as shown,
    // no formulas, no BOM, and every sheet (NAME-SHEET.csv).
    const std::string command = "HOME='" + scratch.Path() + "' soffice -env:UserInstallation=file://" +
                                scratch.Path() + "/profile --headless --convert-to " +
                                "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1' " +
                                "--outdir '" + scratch.Path() + "/csv' '" + workbook + "' >'" + scratch.Path() +
                                "/log' 2>&1";
    if (Run(command) != 0)
        return std::string();
    // soffice names each file as it writes it, in sheet order.
    std::string sheets;
    const std::string log = ReadBytes(scratch.File("log"));
    const std::string mark = "Writing sheet ";
    for (size_t at = log.find(mark); at != std::string::npos; at = log.find(mark, at + 1)) {
        const size_t arrow = log.find(" -> ", at);
        const size_t end = log.find('\n', arrow);
        if (arrow == std::string::npos || end == std::string::npos)
            return std::string();
        sheets += log.substr(at + mark.size(), arrow - at - mark.size()) + "\n" +
                  ReadBytes(log.substr(arrow + 4, end - arrow - 4));
    }
    return sheets;
}

bool RunningInCi()
{
    const char* ci = getenv("CI");
    if (!ci || !*ci)
        return false;
    const std::string value = ci;
    return value != "false" && value != "0";
}

std::string RunOutput(const std::string& command, int* status)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        if (status)
            *status = -1;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    int rc = pclose(pipe);
    if (status)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

}  // namespace tmtest
