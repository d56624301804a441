// Times the class analysis (item analysis and suspected copies) of a large
// class, and what the computation adds for it: taking every student's rows
// into the score sheet.
//
//   app_class_analysis [N=2000]   (run from the source tree, or set TM_SAMPLES)
//
// Rows: N students' rows taken from N records of the sample's projects,
// against the sample standard with every value selected. Analysis: a class
// of N over the same values with varied answers: a quarter of each
// student's values wrong, half of those one of five common mistakes of the
// value and half a mistake of the student's own, and every fiftieth
// student the head of a ring of three copies.
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/ClassAnalysis.h"
#include "scoring/ScoreSheet.h"
#include "scoring/ScoringProject.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

namespace {

void Quiet(const wchar_t*, const wchar_t*, void*) {}

// CPU time of the process: the machine may be shared, and the work here
// runs on one thread.
struct CClock {
    static double Now() { return (double)std::clock() / CLOCKS_PER_SEC; }
};

double Seconds(double since)
{
    return CClock::Now() - since;
}

std::unique_ptr<CScoringProject> Load(const std::string& samples, const std::string& folder)
{
    std::wstring path;
    TMTOOLS::String::EncodeUnicode(0, samples + "/" + folder + "/frame.prj", path);
    std::unique_ptr<CScoringProject> project(new CScoringProject);
    const float scores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};
    project->SetProjectPath(path, scores);
    project->Load();
    return project;
}

}  // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? atoi(argv[1]) : 2000;
    const char* samplesEnv = getenv("TM_SAMPLES");
    const std::string samples = samplesEnv ? samplesEnv : "samples";
    TMTOOLS::OS::SetMessagePresenter(&Quiet, nullptr);

    std::unique_ptr<CScoringProject> standard = Load(samples, "standard");
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        for (const auto& value : standard->GetItem(k).GetValues())
            value->m_selected = true;
    const char* const names[] = {"张三", "李四", "王五", "赵六"};
    CScoringProjectList students;
    for (int i = 0; i < count; ++i)
        students.push_back(Load(samples, std::string("students/") + names[i % 4]));

    CScoreSheet sheet;
    sheet.m_entries.resize(count);
    for (CScoreSheetEntry& entry : sheet.m_entries)
        entry.m_loaded = entry.m_scored = true;
    double start = CClock::Now();
    sheet.TakeAllRows(*standard, students);
    const double rows = Seconds(start);
    const size_t values = sheet.m_entries[0].m_rows.size();
    if (values == 0) {
        fprintf(stderr, "the sample standard did not load from %s\n", samples.c_str());
        return 1;
    }

    // The varied class over the same rows.
    std::mt19937 random(12345);
    for (int i = 0; i < count; ++i) {
        CScoreSheetEntry& entry = sheet.m_entries[i];
        const std::string seed = std::to_string(i);
        for (CFileFingerprint& file : entry.m_files)
            file = CFileFingerprint::Of(seed.data(), seed.size());
        if (i % 50 == 1 || i % 50 == 2) {
            entry.m_rows = sheet.m_entries[i - 1].m_rows;  // a ring's copies
            continue;
        }
        for (size_t j = 0; j < values; ++j) {
            CScoreSheetRow& row = entry.m_rows[j];
            row.m_answered = true;
            row.m_unread = false;
            row.m_matched = random() % 4 != 0;
            row.m_studentText = row.m_standardText;
            if (!row.m_matched)
                row.m_studentText += random() % 2 ? L"#" + std::to_wstring(random() % 5)
                                                  : L"/" + std::to_wstring(i);
        }
    }

    double analysis = 1e9;
    size_t pairs = 0;
    for (int run = 0; run < 3; ++run) {
        start = CClock::Now();
        const CClassAnalysis result(sheet, CClassAnalysisOptions());
        analysis = std::min(analysis, Seconds(start));
        pairs = result.m_similar.size();
    }

    printf("%d students, %zu values each\n", count, values);
    printf("rows       %8.3f s CPU  (every student's rows into the score sheet)\n", rows);
    printf("analysis   %8.3f s CPU  (best of 3; %zu suspected pairs)\n", analysis, pairs);
    return 0;
}
