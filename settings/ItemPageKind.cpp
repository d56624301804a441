// The table of the nine item-selection pages and their walk.
#include "settings/ItemPageKind.h"

namespace {

const CItemPageKind kKinds[TM_ITEM_PAGE_COUNT] = {
    {L"总信息", TM_GROUP_GENERAL, {TM_CATEGORY_GEN_INFO, -1}},
    {L"地震信息", TM_GROUP_EARTHQUAKE, {TM_CATEGORY_GEN_INFO, -1}},
    {L"风信息", TM_GROUP_WIND, {TM_CATEGORY_GEN_INFO, -1}},
    {L"调整信息", TM_GROUP_ADJUSTMENT, {TM_CATEGORY_GEN_INFO, -1}},
    {L"材料信息", TM_GROUP_MATERIAL, {TM_CATEGORY_GEN_INFO, -1}},
    {L"地下室信息", TM_GROUP_FOUNDATION, {TM_CATEGORY_GEN_INFO, -1}},
    {L"地震波信息", TM_GROUP_TIME_HISTORY, {TM_CATEGORY_GEN_INFO, -1}},
    {L"各层信息", TM_GROUP_FLOOR, {TM_CATEGORY_LAYER_INFO, -1}},
    {L"构件信息",
     TM_GROUP_RESULT,
     {TM_CATEGORY_GOUJIAN, TM_CATEGORY_CALC_RESULT, TM_CATEGORY_WORK_DRAWING, TM_CATEGORY_TMQI, -1}},
};

}  // namespace

const CItemPageKind& GetItemPageKind(int page)
{
    return kKinds[page];
}

std::vector<CTmData*> WalkPageValues(const CScoringProject* standard, int page)
{
    std::vector<CTmData*> values;
    if (!standard)
        return values;
    const CItemPageKind& kind = kKinds[page];
    for (const int* category = kind.m_categories; *category >= 0; ++category) {
        for (const std::unique_ptr<CTmData>& value : standard->GetItem(*category).GetValues()) {
            if (value->m_group == kind.m_group)
                values.push_back(value.get());
        }
    }
    return values;
}
