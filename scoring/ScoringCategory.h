// The six scoring categories, in the one order used everywhere: grid rows,
// workbook rows, the scoring-standard file, the settings and the total.
#pragma once

enum {
    TM_CATEGORY_GEN_INFO = 0,      // "总信息"
    TM_CATEGORY_LAYER_INFO = 1,    // "各层信息"
    TM_CATEGORY_GOUJIAN = 2,       // "结构模型与荷载"
    TM_CATEGORY_CALC_RESULT = 3,   // "计算结果"
    TM_CATEGORY_WORK_DRAWING = 4,  // "施工图"
    TM_CATEGORY_TMQI = 5,          // "钢筋算量接口"
    TM_CATEGORY_COUNT = 6,
};

// Name of category k (shown and used as key); empty text outside 0..5.
const wchar_t* GetCategoryName(int category);

// Full score of category k when an item is created (30, 30, 20, 20, 0, 0:
// together 100); 0 outside 0..5.
float GetDefaultFullScore(int category);
