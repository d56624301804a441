// Computing the scores of every student project against the standard.
//
// The routine behind "计算得分" and the first step of "生成评分报告". It
// writes each student item's and value's score; nothing is written into the
// standard project. What the window does with the result (the "总分" column,
// the score view, "计算完毕!") belongs to the commands.
#pragma once

#include "scoring/ScoringProject.h"

class CWindowLayer;

// False, after "请先设置一个合法的标准工程!" or "请先导入学生工程!" (caption
// "提示") through the message presenter, when there is no standard project or
// no student project; true when computed. window, when given, shows the wait
// cursor meanwhile.
bool ComputeScores(const CScoringProject* standard, const CScoringProjectList& students,
                   CWindowLayer* window);

// The student's six category scores added in double and rounded once to
// float; shown with "%.2f".
float ProjectTotal(const CScoringProject& student);
