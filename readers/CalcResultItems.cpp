// CScoringProject::LoadCalcResultItems: the twenty-six values that score a
// project's analysis results, made from the ORVEX18 result files.
//
// Every project gets all twenty-six values whether or not its result files
// exist, so that a student value can always be paired with the standard
// value of the same name; what was not found keeps the reader's initial
// value (0, drift denominators 1.0e20).
#include <vector>

#include "readers/Orvex18Result.h"
#include "scoring/ScoringProject.h"
#include "scoring/TmData.h"
#include "tools/FileNameLookup.h"

namespace {

const int kGroup = TM_GROUP_RESULT;
// Relative tolerances as 32-bit floats, like the 0.1 of every result, so
// that a difference of exactly 10% (5% for weight and periods) passes.
const double kTolerance = TM_RESULT_FLOAT_TOLERANCE;
const double kFineTolerance = 0.05f;

CTmData* MakeFloat(const wchar_t* name, float value, double tolerance)
{
    return new CTmFloatData(name, kGroup, value, true, tolerance);
}

CTmData* MakeDrift(const wchar_t* name, float denominator)
{
    return new CTmFloatInverseData(name, kGroup, denominator, true, kTolerance);
}

// Fractions of the record shown in percent: the product is formed in double
// precision and kept as a float, so 0.956 becomes 95.6.
float Percent(float fraction)
{
    return (float)(fraction * 100.0);
}

CTmData* MakeStoreyList(const wchar_t* name, const int16_t* storeys, int count)
{
    std::vector<int32_t> values(storeys, storeys + count);
    return new CTmIntArrayData(name, kGroup, values);
}

}  // namespace

void CScoringProject::LoadCalcResultItems()
{
    TMTOOLS::OS::CFileNameLookup names;
    LoadCalcResultItems(names);
}

void CScoringProject::LoadCalcResultItems(TMTOOLS::OS::CFileNameLookup& names)
{
    CORVEX18Result result;
    result.Reset();
    result.SetProjectInfo(m_genInfoItem);
    result.SetNameLookup(&names);
    result.ReadResults(m_prjPath);

    for (int k = 0; k < TM_RESULT_FILE_COUNT; ++k) {
        if (result.m_resultFileStates[k] == TM_RESULT_FILE_MISSING)
            m_missingResultFiles.push_back(result.m_resultFileNames[k]);
        else if (result.m_resultFileStates[k] == TM_RESULT_FILE_UNRECOGNISED)
            m_unrecognisedResultFiles.push_back(result.m_resultFileNames[k]);
    }
    // Each value is added with the file it comes from: a value whose file
    // was not read holds the reader's initial value, not the project's.
    auto add = [this, &result](CScoringCategoryItem& item, CTmData* value, int file) {
        if (result.m_resultFileStates[file] != TM_RESULT_FILE_READ)
            m_valuesWithoutFile.push_back(value->m_name);
        item.AddValue(value);
    };
    const int structure = TM_RESULT_STRUCTURE_FILE;
    const int period = TM_RESULT_PERIOD_FILE;
    const int horizontal = TM_RESULT_HORIZONTAL_FILE;
    const int displacement = TM_RESULT_DISPLACEMENT_FILE;

    CScoringCalcResultItem& calc = m_calcResultItem;
    add(m_goujianItem, MakeFloat(L"构件模型和荷载_kN", result.m_totalWeight, kFineTolerance), structure);
    add(calc, MakeFloat(L"振型参与质量_X向_％", Percent(result.m_massRatioX), kTolerance), period);
    add(calc, MakeFloat(L"振型参与质量_Y向_％", Percent(result.m_massRatioY), kTolerance), period);
    add(calc, MakeFloat(L"第一周期_s", result.m_period1, kFineTolerance), period);
    add(calc, MakeFloat(L"第二周期_s", result.m_period2, kFineTolerance), period);
    add(calc, MakeFloat(L"第三周期_s", result.m_period3, kFineTolerance), period);
    add(calc, MakeFloat(L"地震作用下基底剪力_X向_kN", result.m_baseShearX, kTolerance), period);
    add(calc, MakeFloat(L"地震作用下基底剪力_Y向_kN", result.m_baseShearY, kTolerance), period);
    add(calc, MakeFloat(L"首层剪重比_X向_％", Percent(result.m_shearWeightRatioX), kTolerance), horizontal);
    add(calc, MakeFloat(L"首层剪重比_Y向_％", Percent(result.m_shearWeightRatioY), kTolerance), horizontal);
    add(calc, MakeFloat(L"地震作用下首层倾覆弯矩_X向_kN.m", result.m_overturnMomentX, kTolerance), period);
    add(calc, MakeFloat(L"地震作用下首层倾覆弯矩_Y向_kN.m", result.m_overturnMomentY, kTolerance), period);

    // One choice for all four ratios: with both eccentricity tables present
    // the eccentric ratios are the ones the code limits.
    const bool eccentric = result.HasEccentricRatios();
    add(calc, MakeFloat(L"地震位移比_X向", eccentric ? result.m_eccDispRatioX : result.m_dispRatioX, kTolerance),
        displacement);
    add(calc, MakeFloat(L"地震位移比_Y向", eccentric ? result.m_eccDispRatioY : result.m_dispRatioY, kTolerance),
        displacement);
    add(calc,
        MakeFloat(L"地震层间位移比_X向", eccentric ? result.m_eccStoreyDispRatioX : result.m_storeyDispRatioX,
                  kTolerance),
        displacement);
    add(calc,
        MakeFloat(L"地震层间位移比_Y向", eccentric ? result.m_eccStoreyDispRatioY : result.m_storeyDispRatioY,
                  kTolerance),
        displacement);

    add(calc, MakeDrift(L"地震最大层间位移角_X向", result.m_quakeDriftX), displacement);
    add(calc, MakeDrift(L"地震最大层间位移角_Y向", result.m_quakeDriftY), displacement);
    add(calc, MakeDrift(L"风荷载最大层间位移角_X向", result.m_windDriftX), displacement);
    add(calc, MakeDrift(L"风荷载最大层间位移角_Y向", result.m_windDriftY), displacement);
    add(calc, MakeFloat(L"结构刚重比_X向", result.m_stiffWeightRatioX, kTolerance), horizontal);
    add(calc, MakeFloat(L"结构刚重比_Y向", result.m_stiffWeightRatioY, kTolerance), horizontal);
    add(calc, MakeFloat(L"楼层受剪承载力与上层最小比值_X向", result.m_shearCapRatioX, kTolerance), horizontal);
    add(calc, MakeFloat(L"楼层受剪承载力与上层最小比值_Y向", result.m_shearCapRatioY, kTolerance), horizontal);
    add(calc, MakeStoreyList(L"薄弱层_X向", result.m_weakStoreysX, result.m_weakStoreyCountX), structure);
    add(calc, MakeStoreyList(L"薄弱层_Y向", result.m_weakStoreysY, result.m_weakStoreyCountY), structure);
}
