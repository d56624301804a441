// The student list: projectlist.txt (one student .prj path per line, GBK,
// CR LF), the student records built from it and their loading.
#include <cerrno>
#include <cstdio>
#include <cwchar>

#include "app/AppWindowLayer.h"
#include "app/AtomicFile.h"
#include "app/ParallelJobs.h"
#include "app/StoredPath.h"
#include "app/Workspace.h"
#include "tools/FileNameLookup.h"
#include "tools/TmInputFile.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

// The error code of a list file that was not opened.
int OpenError(TMTOOLS::OS::TmInputStatus status)
{
    switch (status) {
    case TMTOOLS::OS::TM_INPUT_FOLDER:
        return EISDIR;
    case TMTOOLS::OS::TM_INPUT_NOT_REGULAR:
        return EINVAL;
    case TMTOOLS::OS::TM_INPUT_TOO_LARGE:
        return EFBIG;
    default:
        return errno ? errno : EIO;
    }
}
}  // namespace

int CWorkspace::ReadProjectList()
{
    m_droppedProjects.clear();
    if (!TMTOOLS::OS::FileExist(m_projectListPath.c_str()))
        return -1;
    // A FIFO or a device in its place would hang the start-up.
    TMTOOLS::OS::TmInputStatus status;
    FILE* file =
        TMTOOLS::OS::OpenInputFile(m_projectListPath.c_str(), TMTOOLS::OS::TM_MAX_INPUT_FILE_BYTES, status);
    if (!file)
        return OpenError(status);
    // Lines are taken as bytes: a path stored as file-system bytes (see
    // StoredPath.h) is not GBK text.
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    fclose(file);
    // A list written on Windows may spell a name in another case.
    TMTOOLS::OS::CFileNameLookup names;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        // Projects deleted since the list was written drop out; start-up
        // says which.
        const std::wstring path = ProjectListPath(line, names);
        if (!path.empty()) {
            m_studentPaths.push_back(path);
        } else if (!line.empty()) {
            std::wstring dropped;
            TMTOOLS::String::EncodeUnicode(936, line, dropped);
            m_droppedProjects.push_back(dropped);
        }
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
    m_studentLoaded.assign(m_studentProjects.size(), 0);
    std::vector<size_t> all(m_studentProjects.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    LoadRecords(all);
    ListInSheet();
}

bool CWorkspace::LoadUnreadStudents()
{
    std::vector<size_t> unread;
    for (size_t i = 0; i < m_studentProjects.size(); ++i)
        if (m_studentProjects[i]->m_loadStatus == TM_LOAD_UNREAD)
            unread.push_back(i);
    if (unread.empty())
        return true;
    m_studentLoaded.resize(m_studentProjects.size(), 0);
    const bool all = LoadRecords(unread);
    ListInSheet();
    ShowProjectRows();
    return all;
}

bool CWorkspace::LoadRecords(const std::vector<size_t>& indices)
{
    const int count = (int)indices.size();
    // Each record is loaded by exactly one thread and the records share
    // nothing, so the results are those of loading them in order; their
    // messages are shown in that order too. A stop is heard between two
    // records: one being read is read to its end.
    const std::vector<char> taken = RunJobsInOrder(
        m_window, L"读入学生工程", count, m_loadJobs,
        [&](int k) { return m_studentProjects[indices[k]]->m_prjPath.c_str(); },
        [&](int k) {
            CScoringProject& project = *m_studentProjects[indices[k]];
            // An unread record says so until it is read; reading clears it.
            if (project.m_loadStatus == TM_LOAD_UNREAD)
                project.m_loadStatus = TM_LOAD_OK;
            m_studentLoaded[indices[k]] = LoadProject(project) ? 1 : 0;
        });

    bool all = true;
    for (int k = 0; k < count; ++k) {
        if (!taken[k]) {
            m_studentProjects[indices[k]]->m_loadStatus = TM_LOAD_UNREAD;
            m_studentLoaded[indices[k]] = 0;
            all = false;
        }
    }
    return all;
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
