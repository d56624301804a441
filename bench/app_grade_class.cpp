// Times a whole grading run through the workspace, phase by phase:
// unpacking the students' archives and loading them, each with one thread
// and with the number of cores, computing, writing every student's workbook
// and the summary.
//
//   app_grade_class CLASS_DIR   a class written by samples/generate.py --class
//                               (CLASS_DIR/standard/*.prj, CLASS_DIR/archives/*.zip)
//   app_grade_class [N=200]     N copies of the sample class's five archives
//                               (run from the source tree, or set TM_SAMPLES)
//
// The archives are copied to two scratch folders first (not timed), one for
// each unpacking.
#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <algorithm>
#include <thread>

#include "app/AppWindowLayer.h"
#include "app/FolderTree.h"
#include "app/MemoryGrid.h"
#include "app/ProjectWorkbook.h"
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

// Wall and processor seconds (all threads) since a point.
struct CPhaseClock {
    CPhaseClock() { Restart(); }
    void Restart()
    {
        m_wall = std::chrono::steady_clock::now();
        m_cpu = CpuSeconds();
    }
    double Wall() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count(); }
    double Cpu() const { return CpuSeconds() - m_cpu; }
    static double CpuSeconds()
    {
        rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    std::chrono::steady_clock::time_point m_wall;
    double m_cpu;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The names in folder ending in suffix, sorted.
std::vector<std::string> Listed(const std::string& folder, const std::string& suffix)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool IsFolder(const char* path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int main(int argc, char** argv)
{
    // Scratch in $TMPDIR (the bench's work folder), else /tmp.
    const char* tmp = getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tmscore-bench-XXXXXX";
    if (!mkdtemp(&pattern[0]))
        return 1;
    const std::string dir = pattern;
    // The archives in the folder of the one-thread unpacking; those of the
    // other have "jn" for "j1" in their path.
    const std::string serialDir = dir + "/j1", parallelDir = dir + "/jn";
    mkdir(serialDir.c_str(), 0777);
    mkdir(parallelDir.c_str(), 0777);
    auto copy = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(serialDir + "/" + name, std::ios::binary) << bytes;
        std::ofstream(parallelDir + "/" + name, std::ios::binary) << bytes;
        return Wide(serialDir + "/" + name);
    };
    std::vector<std::wstring> archives;
    std::string standardPrj;
    if (argc > 1 && IsFolder(argv[1])) {
        const std::string classDir = argv[1];
        for (const std::string& name : Listed(classDir + "/archives", ".zip"))
            archives.push_back(copy(name, ReadFile(classDir + "/archives/" + name)));
        std::vector<std::string> prj = Listed(classDir + "/standard", ".prj");
        if (archives.empty() || prj.empty()) {
            fprintf(stderr, "no standard/*.prj or archives/*.zip under %s\n", classDir.c_str());
            return 1;
        }
        standardPrj = std::string(realpath((classDir + "/standard").c_str(), nullptr)) + "/" + prj[0];
    } else {
        const int count = argc > 1 ? atoi(argv[1]) : 200;
        const char* samplesEnv = getenv("TM_SAMPLES");
        const std::string samples = samplesEnv ? samplesEnv : "samples";
        const char* names[] = {"张三", "李四", "王五", "赵六", "钱七"};
        for (int i = 0; i < count; ++i) {
            std::string bytes = ReadFile(samples + "/archives/" + names[i % 5] + ".zip");
            if (bytes.empty()) {
                fprintf(stderr, "no sample archives under %s\n", samples.c_str());
                return 1;
            }
            archives.push_back(copy(std::to_string(i) + names[i % 5] + ".zip", bytes));
        }
        standardPrj = std::string(realpath(samples.c_str(), nullptr)) + "/standard/frame.prj";
    }
    // The copies on the disk before any clock runs: their write-back would
    // slow whichever unpacking came first.
    sync();
    const int count = (int)archives.size();
    const int cores = std::max(1u, std::thread::hardware_concurrency());

    TMTOOLS::OS::SetMessagePresenter(&Quiet, nullptr);
    CQuietWindow window;
    std::vector<std::wstring> parallelArchives;
    for (const std::wstring& archive : archives)
        parallelArchives.push_back(Wide(parallelDir) + archive.substr(serialDir.size()));
    CWorkspace workspace(window);
    workspace.SetupGrids();
    workspace.SetStandardPrjPath(Wide(standardPrj));
    workspace.RebuildStandardProject();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        for (const auto& value : workspace.GetStandardProject()->GetItem(k).GetValues())
            value->m_selected = true;

    // Each phase: wall seconds, processor seconds of all threads.
    double wall[9], cpu[9];
    CPhaseClock clock;
    auto stop = [&](int phase) {
        wall[phase] = clock.Wall();
        cpu[phase] = clock.Cpu();
        clock.Restart();
    };
    const int jobs[2] = {1, cores};
    {
        // The one-thread unpacking, into folders of its own.
        CWorkspace serial(window);
        serial.SetStandardPrjPath(Wide(standardPrj));
        serial.SetLoadJobs(1);
        clock.Restart();
        serial.AddStudentInputs(archives);
        stop(8);
        serial.ReleaseImportLocks();
    }
    workspace.SetLoadJobs(cores);
    clock.Restart();
    workspace.AddStudentInputs(parallelArchives);
    stop(0);
    for (int run = 0; run < 2; ++run) {
        workspace.SetLoadJobs(jobs[run]);
        clock.Restart();
        workspace.RebuildStudentProjects();
        stop(1 + run);
    }
    workspace.ComputeAndFillTotals();
    stop(3);
    // The workbooks on one thread, then on all cores, each into a folder of
    // its own so that both create new files.
    for (int run = 0; run < 2; ++run) {
        workspace.SetLoadJobs(jobs[run]);
        clock.Restart();
        workspace.GenerateReports(Wide(dir + "/reports-j" + std::to_string(jobs[run])));
        stop(4 + run);
    }
    workspace.ExportSummaryWorkbookTo(Wide(dir + "/summary.xls"));
    stop(6);
    // The writer alone: the same workbooks again from the score sheet's
    // rows, on one thread, into new files.
    const std::string again = dir + "/workbooks";
    mkdir(again.c_str(), 0777);
    const CScoreSheet& sheet = workspace.GetScoreSheet();
    for (size_t i = 0; i < sheet.m_entries.size(); ++i) {
        if (sheet.m_entries[i].m_hasProject)
            WriteProjectWorkbook(sheet.m_entries[i], Wide(again + "/" + std::to_string(i) + ".xls"));
    }
    stop(7);

    printf("%d students (%zu loaded projects); seconds wall, seconds processor\n", count,
           workspace.GetStudentProjects().size());
    printf("unpack -j1 %8.3f s %8.3f cpu  (%.2f ms per archive)\n", wall[8], cpu[8], wall[8] * 1000 / count);
    printf("unpack -j%-2d%8.3f s %8.3f cpu  (%.2f ms per archive, %.2f x -j1)\n", cores, wall[0], cpu[0],
           wall[0] * 1000 / count, wall[0] / wall[8]);
    printf("load -j1   %8.3f s %8.3f cpu  (%.2f ms per project)\n", wall[1], cpu[1], wall[1] * 1000 / count);
    printf("load -j%-3d %8.3f s %8.3f cpu  (%.2f ms per project, %.2f x -j1)\n", cores, wall[2], cpu[2],
           wall[2] * 1000 / count, wall[2] / wall[1]);
    printf("compute    %8.3f s %8.3f cpu\n", wall[3], cpu[3]);
    printf("reports -j1 %7.3f s %8.3f cpu  (%.2f ms per workbook)\n", wall[4], cpu[4], wall[4] * 1000 / count);
    printf("reports -j%-2d %6.3f s %8.3f cpu  (%.2f ms per workbook, %.2f x -j1)\n", cores, wall[5], cpu[5],
           wall[5] * 1000 / count, wall[5] / wall[4]);
    printf("summary    %8.3f s %8.3f cpu\n", wall[6], cpu[6]);
    printf("writer     %8.3f s %8.3f cpu  (%.2f ms per workbook, the workbooks again on one thread)\n", wall[7],
           cpu[7], wall[7] * 1000 / count);

    // The scratch folder is ours: delete it.
    DeleteFolderTree(Wide(dir));
    return 0;
}
