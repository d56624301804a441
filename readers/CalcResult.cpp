// CCalcResult: initial values of the result record.
#include "readers/CalcResult.h"

CCalcResult::CCalcResult() : m_basementFloorCount(0), m_resultOption(0)
{
    Reset();
}

CCalcResult::~CCalcResult() = default;

bool CCalcResult::SetProjectInfo(const CScoringGenInfoItem&)
{
    return true;
}

bool CCalcResult::HasEccentricRatios() const
{
    return m_hasEccentric;
}

int CCalcResult::Reset()
{
    m_totalWeight = 0;
    m_massRatioX = m_massRatioY = 0;
    m_period1 = m_period2 = m_period3 = 0;
    m_baseShearX = m_baseShearY = 0;
    m_overturnMomentX = m_overturnMomentY = 0;
    m_shearWeightRatioX = m_shearWeightRatioY = 0;
    m_dispRatioX = m_dispRatioY = 0;
    m_storeyDispRatioX = m_storeyDispRatioY = 0;
    m_quakeDriftX = m_quakeDriftY = kNoDrift;
    m_windDriftX = m_windDriftY = kNoDrift;
    m_eccDispRatioX = m_eccDispRatioY = 0;
    m_eccStoreyDispRatioX = m_eccStoreyDispRatioY = 0;
    m_hasEccentric = false;
    m_stiffWeightRatioX = m_stiffWeightRatioY = 0;
    m_shearCapRatioX = m_shearCapRatioY = 0;
    for (int i = 0; i < kMaxWeakStoreys; ++i)
        m_weakStoreysX[i] = m_weakStoreysY[i] = 0;
    m_weakStoreyCountX = m_weakStoreyCountY = 0;
    return 1;
}

void CCalcResult::AddWeakStorey(bool yDirection, int16_t storey)
{
    int16_t* list = yDirection ? m_weakStoreysY : m_weakStoreysX;
    uint8_t& count = yDirection ? m_weakStoreyCountY : m_weakStoreyCountX;
    for (int i = 0; i < count; ++i) {
        if (list[i] == storey)
            return;
    }
    // The record holds 15 storeys; a sixteenth and later ones are dropped
    // rather than written past the list.
    if (count >= kMaxWeakStoreys)
        return;
    list[count++] = storey;
}
