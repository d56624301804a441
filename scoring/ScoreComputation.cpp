// Computing the scores of every student project against the standard.
#include "scoring/ScoreComputation.h"

#include "scoring/WindowLayer.h"
#include "tools/TmMessage.h"

bool ComputeScores(const CScoringProject* standard, const CScoringProjectList& students,
                   CWindowLayer* window)
{
    if (!standard) {
        TMTOOLS::OS::TmShowMessage(L"请先设置一个合法的标准工程!", L"提示");
        return false;
    }
    if (students.empty()) {
        TMTOOLS::OS::TmShowMessage(L"请先导入学生工程!", L"提示");
        return false;
    }

    if (window)
        window->BeginWaitCursor();

    // One share per category, from the standard's full score and selections.
    float valueScores[TM_CATEGORY_COUNT];
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        valueScores[k] = standard->GetItem(k).GetValueScore();

    for (const std::unique_ptr<CScoringProject>& student : students) {
        if (!student)
            continue;
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            student->GetItem(k).Score(standard->GetItem(k), valueScores[k]);
    }

    if (window)
        window->EndWaitCursor();
    return true;
}

float ProjectTotal(const CScoringProject& student)
{
    // Added in double and rounded once, so that 29.999996 + 30 + 20 + 20
    // does not pick up a second float rounding.
    double total = 0.0;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        total += static_cast<double>(student.GetItem(k).m_score);
    return static_cast<float>(total);
}
