// projectlist.txt: one student .prj path per line, GBK, CR LF.
#include <cerrno>
#include <cstdio>
#include <cwchar>

#include "app/AtomicFile.h"
#include "app/Workspace.h"
#include "tools/ReadALine.h"
#include "tools/TmInputFile.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {
// Room for the longest path the file system takes, in characters.
const int kLineBufferSize = 8192;

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
    if (!TMTOOLS::OS::FileExist(m_projectListPath.c_str()))
        return -1;
    // A FIFO or a device in its place would hang the start-up.
    TMTOOLS::OS::TmInputStatus status;
    FILE* file =
        TMTOOLS::OS::OpenInputFile(m_projectListPath.c_str(), TMTOOLS::OS::TM_MAX_INPUT_FILE_BYTES, status);
    if (!file)
        return OpenError(status);

    CReadALine reader(nullptr, kLineBufferSize);
    reader.SetFileName(m_projectListPath.c_str());
    for (;;) {
        std::wstring line = reader.ReadAString(file, 0, -1);
        if (reader.m_isEnd)
            break;
        while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r'))
            line.pop_back();
        // Projects deleted since the list was written drop out silently.
        if (TMTOOLS::OS::FileExist(line.c_str()))
            m_studentPaths.push_back(line);
    }
    fclose(file);
    return 0;
}

bool CWorkspace::WriteProjectList()
{
    std::wstring text;
    for (const std::unique_ptr<CScoringProject>& student : m_studentProjects) {
        text += student->m_prjPath;
        text += L"\r\n";
    }
    std::string bytes;
    TMTOOLS::String::DecodeUnicode(936, text, bytes);
    return ReplaceFileAtomically(m_projectListPath, bytes);
}

void CWorkspace::RebuildStudentProjects()
{
    m_studentProjects.clear();
    m_studentLoaded.clear();
    for (const std::wstring& path : m_studentPaths) {
        std::unique_ptr<CScoringProject> student(new CScoringProject);
        student->SetProjectPath(path, m_categoryScores);
        m_studentProjects.push_back(std::move(student));
    }
    FillProjectList();
}
