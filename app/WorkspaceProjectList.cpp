// The student list: projectlist.txt (one student .prj path per line, GBK,
// CR LF), the student records built from it and their loading.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <thread>

#include "app/AppWindowLayer.h"
#include "app/AtomicFile.h"
#include "app/StoredPath.h"
#include "app/Workspace.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

int CWorkspace::ReadProjectList()
{
    if (!TMTOOLS::OS::FileExist(m_projectListPath.c_str()))
        return -1;
    FILE* file = fopen(TMTOOLS::OS::NativePath(m_projectListPath).c_str(), "rb");
    if (!file)
        return errno ? errno : 1;
    // Lines are taken as bytes: a path stored as file-system bytes (see
    // StoredPath.h) is not GBK text.
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    fclose(file);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        // Projects deleted since the list was written drop out silently.
        const std::wstring path = ProjectListPath(line);
        if (!path.empty())
            m_studentPaths.push_back(path);
    }
    return 0;
}

bool CWorkspace::WriteProjectList()
{
    std::string bytes;
    for (const std::unique_ptr<CScoringProject>& student : m_studentProjects)
        bytes += ProjectListLine(student->m_prjPath) + "\r\n";
    return ReplaceFileAtomically(m_projectListPath, bytes);
}

void CWorkspace::CreateStudentProjects()
{
    m_studentProjects.clear();
    m_studentLoaded.clear();
    for (const std::wstring& path : m_studentPaths) {
        std::unique_ptr<CScoringProject> student(new CScoringProject);
        student->SetProjectPath(path, m_categoryScores);
        m_studentProjects.push_back(std::move(student));
    }
    m_sheet.ListStudents(CScoringProjectList(), m_studentLoaded);
    for (const CImportOutcome& failure : m_importFailures)
        m_sheet.AddWithoutProject(failure.m_input, failure.m_status);
}

void CWorkspace::RebuildStudentProjects()
{
    CreateStudentProjects();
    FillProjectList();
}

void CWorkspace::LoadStudentProjects()
{
    const int count = (int)m_studentProjects.size();
    m_studentLoaded.assign(count, 0);
    const wchar_t* what = L"读入学生工程";
    m_window.ShowProgress(what, 0, count);

    int jobs = m_loadJobs < 1 ? 1 : m_loadJobs;
    if (jobs > count)
        jobs = count;
    if (jobs <= 1) {
        for (int i = 0; i < count && !m_window.CancelRequested(); ++i) {
            m_studentLoaded[i] = LoadProject(*m_studentProjects[i]) ? 1 : 0;
            m_window.ShowProgress(what, i + 1, count);
        }
    } else {
        // Each record is loaded by exactly one thread and the records share
        // nothing, so the results are those of loading them in order.
        std::atomic<int> next(0);
        std::atomic<int> done(0);
        auto work = [&]() {
            for (int i = next++; i < count && !m_window.CancelRequested(); i = next++) {
                m_studentLoaded[i] = LoadProject(*m_studentProjects[i]) ? 1 : 0;
                m_window.ShowProgress(what, ++done, count);
            }
        };
        std::vector<std::thread> threads;
        for (int t = 0; t < jobs; ++t)
            threads.emplace_back(work);
        for (std::thread& thread : threads)
            thread.join();
    }
    ListInSheet();
}

void CWorkspace::ListInSheet()
{
    std::vector<std::wstring> inputs;
    for (const std::unique_ptr<CScoringProject>& student : m_studentProjects) {
        auto input = m_studentInputs.find(student->m_prjPath);
        inputs.push_back(input == m_studentInputs.end() ? std::wstring() : input->second);
    }
    m_sheet.ListStudents(m_studentProjects, m_studentLoaded, inputs);
    for (const CImportOutcome& failure : m_importFailures)
        m_sheet.AddWithoutProject(failure.m_input, failure.m_status);
}
