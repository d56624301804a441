// The nine item-selection pages: which values each lists, and the walk
// that gives an entry's position its meaning.
//
// A page lists the values of one source group (m_group) found in its
// categories' items of the standard project, items in the page's order,
// values in item order, never sorted. Entry k is the k-th value kept by
// that walk; nothing else ties an entry to its value.
#pragma once

#include <vector>

#include "scoring/ScoringProject.h"

enum {
    TM_PAGE_GEN_INFO = 0,    // "总信息"
    TM_PAGE_QUAKE_INFO,      // "地震信息"
    TM_PAGE_WIND_INFO,       // "风信息"
    TM_PAGE_MODIFY_INFO,     // "调整信息"
    TM_PAGE_MATERIAL_INFO,   // "材料信息"
    TM_PAGE_BASE_ROOM_INFO,  // "地下室信息"
    TM_PAGE_EQ_WAVE_INFO,    // "地震波信息"
    TM_PAGE_LAYER_INFO,      // "各层信息"
    TM_PAGE_GOUJIAN_INFO,    // "构件信息"
    TM_ITEM_PAGE_COUNT,
};

struct CItemPageKind {
    const wchar_t* m_title;  // the tab's title
    int m_group;             // the m_group of the values listed
    // The categories whose items are walked, in order; -1 ends the list.
    int m_categories[TM_CATEGORY_COUNT + 1];
};

// Kind of page (TM_PAGE_...); page must be 0 to 8.
const CItemPageKind& GetItemPageKind(int page);

// The values page lists, in entry order; empty without a standard.
std::vector<CTmData*> WalkPageValues(const CScoringProject* standard, int page);
