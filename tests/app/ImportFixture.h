// The fixture of the import tests: a workspace over a scratch folder with
// an "exam" folder in it, archives zipped there at test time.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/app/WorkspaceFixture.h"
#include "tools/TmOS.h"

namespace tmtest {

inline bool Exists(const std::wstring& path)
{
    struct stat st;
    return lstat(Utf8(path).c_str(), &st) == 0;
}

class Import : public ::testing::Test, public CWorkspaceTest {
protected:
    Import() : m_exam(m_dir.WFile(L"exam")) { TMTOOLS::OS::mkdir_r(m_exam.c_str()); }

    // Zips the files (relative path → content) into exam/<name>.zip.
    std::wstring MakeArchive(const std::wstring& name, const std::vector<std::pair<std::string, std::string>>& files)
    {
        CTempDir source;
        for (const auto& file : files) {
            std::string full = source.Path() + "/" + file.first;
            tmtest::Run("mkdir -p \"$(dirname '" + full + "')\"");
            WriteBytes(full, file.second);
        }
        std::wstring archive = m_exam + L"/" + name + L".zip";
        EXPECT_EQ(tmtest::Run("cd '" + source.Path() + "' && zip -qr '" + Utf8(archive) + "' ."), 0);
        return archive;
    }

    // Registers the project at path as one that loads with one value.
    void Loads(const std::wstring& path)
    {
        m_workspace.m_tables[path] = [](CScoringProject& project) {
            AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2);
        };
    }

    // What lies in exam, names in order, one a line.
    std::string ExamListing() { return RunOutput("LC_ALL=C ls -A '" + Utf8(m_exam) + "'"); }

    std::wstring m_exam;
};

}  // namespace tmtest
