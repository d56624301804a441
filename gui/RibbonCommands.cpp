// The ribbon's command table.
#include "gui/RibbonCommands.h"

const CRibbonCommand kRibbonCommands[] = {
    {TM_CMD_SCORING_SETTINGS, "评分设置", "设置评分标准\n设置评分标准", 'S', ":/icons/settings.svg"},
    {TM_CMD_ADD_STUDENTS, "添加学生工程", "添加学生工程\n添加学生工程", 'A', ":/icons/add.svg"},
    {TM_CMD_REMOVE_STUDENTS, "删除学生工程", "删除学生工程\n删除学生工程", 'D', ":/icons/remove.svg"},
    {TM_CMD_COMPUTE, "计算得分", "计算得分\n计算得分", 'C', ":/icons/compute.svg"},
    {TM_CMD_EXPORT_SUMMARY, "导出评分结果", "导出评分结果\n导出", 'O', ":/icons/export.svg"},
    {TM_CMD_REPORT, "生成评分报告", "生成评分报告\n生成评分报告", 'P', ":/icons/report.svg"},
    {TM_CMD_EXPORT_DETAILS, "导出评分明细", "导出班级评分明细工作簿（.xlsx）\n导出评分明细", 'X', ":/icons/details.svg"},
    {TM_CMD_CLASS_ANALYSIS, "班级分析", "逐项分析和雷同检查（先计算得分）\n班级分析", 'N', ":/icons/analysis.svg"},
};

const int kRibbonCommandCount = (int)(sizeof kRibbonCommands / sizeof kRibbonCommands[0]);
