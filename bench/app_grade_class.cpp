// Times a whole grading run through the workspace: unpacking N student
// archives (copies of the sample class's five), loading them with one and
// with two threads, computing, and writing every report and the summary.
//
//   app_grade_class [N=200]   (run from the source tree, or set TM_SAMPLES)
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/AppWindowLayer.h"
#include "app/FolderTree.h"
#include "app/MemoryGrid.h"
#include "app/Workspace.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

namespace {

class CQuietWindow : public CAppWindowLayer {
public:
    bool ShowOpenFileDialog(const CFileDialogRequest&, std::vector<std::wstring>&) override { return false; }
    bool ShowSaveFileDialog(const CFileDialogRequest&, std::wstring&) override { return false; }
    CGridLayer& GetProjectGrid() override { return m_list; }
    CGridLayer& GetScoreGrid() override { return m_view; }
    bool RunSettingsDialog(CWorkspace&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

protected:
    Answer DoMessageBox(const wchar_t*, const wchar_t*, Buttons) override { return TM_ID_YES; }

private:
    CMemoryGrid m_list;
    CMemoryGrid m_view;
};

void Quiet(const wchar_t*, const wchar_t*, void*) {}

std::wstring Wide(const std::string& text)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, text, wide);
    return wide;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? atoi(argv[1]) : 200;
    const char* samplesEnv = getenv("TM_SAMPLES");
    const std::string samples = samplesEnv ? samplesEnv : "samples";
    const char* names[] = {"张三", "李四", "王五", "赵六", "钱七"};

    char pattern[] = "/tmp/tmscore-bench-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    const std::string dir = pattern;
    std::vector<std::wstring> archives;
    for (int i = 0; i < count; ++i) {
        std::ifstream in(samples + "/archives/" + names[i % 5] + ".zip", std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        if (bytes.str().empty()) {
            fprintf(stderr, "no sample archives under %s\n", samples.c_str());
            return 1;
        }
        std::string path = dir + "/" + std::to_string(i) + names[i % 5] + ".zip";
        std::ofstream(path, std::ios::binary) << bytes.str();
        archives.push_back(Wide(path));
    }

    TMTOOLS::OS::SetMessagePresenter(&Quiet, nullptr);
    CQuietWindow window;
    CWorkspace workspace(window);
    workspace.SetupGrids();
    workspace.SetStandardPrjPath(Wide(std::string(realpath(samples.c_str(), nullptr)) + "/standard/frame.prj"));
    workspace.RebuildStandardProject();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        for (const auto& value : workspace.GetStandardProject()->GetItem(k).GetValues())
            value->m_selected = true;

    auto start = std::chrono::steady_clock::now();
    workspace.AddStudentInputs(archives);
    const double unpack = Seconds(start);

    double load[2];
    for (int jobs = 1; jobs <= 2; ++jobs) {
        workspace.SetLoadJobs(jobs);
        start = std::chrono::steady_clock::now();
        workspace.RebuildStudentProjects();
        load[jobs - 1] = Seconds(start);
    }
    start = std::chrono::steady_clock::now();
    workspace.ComputeAndFillTotals();
    const double compute = Seconds(start);
    start = std::chrono::steady_clock::now();
    workspace.GenerateReports();
    const double report = Seconds(start);
    start = std::chrono::steady_clock::now();
    workspace.ExportSummaryWorkbookTo(Wide(dir + "/summary.xls"));
    const double summary = Seconds(start);

    printf("%d students (%zu loaded projects)\n", count, workspace.GetStudentProjects().size());
    printf("unpack     %8.3f s  (%.2f ms per archive)\n", unpack, unpack * 1000 / count);
    printf("load -j1   %8.3f s  (%.2f ms per project)\n", load[0], load[0] * 1000 / count);
    printf("load -j2   %8.3f s  (%.2f ms per project)\n", load[1], load[1] * 1000 / count);
    printf("compute    %8.3f s\n", compute);
    printf("reports    %8.3f s  (%.2f ms per workbook)\n", report, report * 1000 / count);
    printf("summary    %8.3f s\n", summary);

    // The scratch folder is ours: delete it (it lies in /tmp, never home).
    DeleteFolderTree(Wide(dir));
    return 0;
}
