// Test helpers: scratch folders and text files written as the analysis
// program writes them (GBK, CR LF).
#pragma once

#include <cstddef>
#include <string>

namespace tmtest {

// A fresh folder under the system's temporary folder, removed with its
// contents on destruction.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::wstring WPath() const;
    // Path of name inside the folder.
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    std::wstring WFile(const std::wstring& name) const { return WPath() + L"/" + name; }

private:
    std::string m_path;
};

// Writes text as GBK with every "\n" turned into CR LF.
void WriteGbkFile(const std::string& path, const std::wstring& text);
// Writes bytes as they are.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

// Runs every file of a fuzz corpus folder through a fuzz entry function;
// returns how many there were.
int ReplayCorpus(const std::string& folder, void (*entry)(const unsigned char* data, size_t size));

// Runs a shell command; returns its exit status.
int Run(const std::string& command);
// Runs a shell command and returns what it printed on stdout.
std::string RunOutput(const std::string& command, int* status = nullptr);

// Whether a program of that name is on the PATH.
bool HaveCommand(const std::string& name);
// Reads every sheet of workbook back through LibreOffice as CSV (UTF-8,
// cells as shown): "sheet name\n" followed by its lines, for each sheet in
// order. Empty when the conversion failed. Use after TM_REQUIRE_SOFFICE.
std::string SheetsAsCsv(const std::string& workbook);

// Whether the tests run in CI (the environment sets CI, to anything but
// "false" or "0").
bool RunningInCi();

}  // namespace tmtest

// Opens a test that reads a file back through LibreOffice. Without soffice
// the test is skipped with a note; in CI, whose install step brings
// LibreOffice, it fails instead, so that a read-back never stops running
// there unseen. Use in a test body of a file that includes gtest.
#define TM_REQUIRE_SOFFICE()                                                                         \
    do {                                                                                             \
        if (!tmtest::HaveCommand("soffice")) {                                                       \
            if (tmtest::RunningInCi())                                                               \
                FAIL() << "soffice is missing; scripts/install-deps.sh installs libreoffice-calc-nogui"; \
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";                                \
        }                                                                                            \
    } while (0)
