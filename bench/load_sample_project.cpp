// Time to load one project of the sample class (samples/standard: a
// five-storey model and its four result files), and to read its result
// files alone. A class of 500 students is loaded once per import, so the
// load time times 500 is what the teacher waits.
//
//   load_sample_project [PRJ]     (default: the sample standard project)
#include <chrono>
#include <cstdio>
#include <string>

#include "readers/Orvex18Result.h"
#include "scoring/ScoringProject.h"
#include "tools/TmString.h"

namespace {

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, utf8, wide);
    return wide;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    std::string source = __FILE__;
    std::string prj = argc > 1 ? argv[1] : source.substr(0, source.rfind('/')) + "/../samples/standard/frame.prj";
    const std::wstring path = Wide(prj);
    const float scores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};
    const int rounds = 200;

    CScoringProject project;
    project.SetProjectPath(path, scores);
    if (!project.Load()) {
        fprintf(stderr, "load_sample_project: %s does not load\n", prj.c_str());
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        project.Load();
    const double load = MillisecondsSince(start) / rounds;

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        CORVEX18Result result;
        result.Reset();
        result.ReadResults(path);
    }
    const double results = MillisecondsSince(start) / rounds;

    size_t values = 0;
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category)
        values += project.GetItem(category).GetValues().size();
    printf("project load (model, %zu values, results): %.3f ms; result files alone: %.3f ms; 500 students: %.2f s\n",
           values, load, results, load * 500 / 1000);
    return 0;
}
