// Time of one score computation for a class of the largest expected size:
// 500 students, a standard of 200 general, 400 per-storey and 26 result
// values, all selected. Scoring searches each student category linearly for
// every standard value, so the cost grows with the square of a category.
#include <chrono>
#include <cstdio>

#include "scoring/ScoreComputation.h"
#include "tools/TmString.h"

namespace {

void Fill(CScoringProject& project, bool selected)
{
    const int group = 0;
    for (int i = 0; i < 200; ++i) {
        CTmData* v = new CTmFloatData(TMTOOLS::String::stringFormat(L"总信息值%d", i), group, float(i));
        v->m_selected = selected;
        project.m_genInfoItem.AddValue(v);
    }
    for (int i = 0; i < 400; ++i) {
        CTmData* v = new CTmIntData(TMTOOLS::String::stringFormat(L"结构层%d的层高", i), 7, i);
        v->m_selected = selected;
        project.m_layerInfoItem.AddValue(v);
    }
    for (int i = 0; i < 26; ++i) {
        CTmData* v = new CTmFloatData(TMTOOLS::String::stringFormat(L"计算结果%d", i), 8, float(i),
                                      true, TM_RESULT_FLOAT_TOLERANCE);
        v->m_selected = selected;
        project.m_calcResultItem.AddValue(v);
    }
}

}  // namespace

int main()
{
    const int students = 500;
    CScoringProject standard;
    Fill(standard, true);
    CScoringProjectList list;
    for (int i = 0; i < students; ++i) {
        list.emplace_back(new CScoringProject);
        Fill(*list.back(), false);
    }
    const int runs = 5;
    double best = 1e30;
    for (int r = 0; r < runs; ++r) {
        auto start = std::chrono::steady_clock::now();
        ComputeScores(&standard, list, nullptr);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms < best)
            best = ms;
    }
    std::printf("ComputeScores: %d students x 626 values: best of %d runs %.1f ms (total of first %.2f)\n",
                students, runs, best, double(ProjectTotal(*list[0])));
    return 0;
}
