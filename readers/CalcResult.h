// CCalcResult: the record of analysis results that the result readers fill
// for one project, and the base of those readers.
//
// The record holds the quantities the calculation-result values are made of
// (total weight, periods, first-storey forces, displacement and drift
// ratios, stiffness and shear-capacity ratios, weak storeys). It lives only
// while one project's result values are built. Reading files is the business
// of the derived readers (CORVEX18Result); this class only holds and resets.
#pragma once

#include <cstdint>

class CScoringGenInfoItem;

class CCalcResult {
public:
    // At most this many weak storeys are kept per direction.
    static constexpr int kMaxWeakStoreys = 15;
    // Initial drift denominator: 1/1.0e20, no drift found.
    static constexpr float kNoDrift = 1.0e20f;

    CCalcResult();
    virtual ~CCalcResult();

    // Takes what a reader needs from the project's general information.
    // The base needs nothing.
    virtual bool SetProjectInfo(const CScoringGenInfoItem& info);
    // True when the accidental-eccentricity tables of both directions were
    // found, so that the eccentricity ratios are the ones to score.
    virtual bool HasEccentricRatios() const;

    // Every result back to its initial value: drift denominators 1.0e20,
    // everything else 0, no weak storeys, no eccentricity. Returns 1.
    int Reset();

    // Appends storey to the weak storeys of X (or Y) unless it is listed
    // already or the list is full.
    void AddWeakStorey(bool yDirection, int16_t storey);

    // Storey numbers from the project: storey m_basementFloorCount + 1 is
    // the first storey above the restrained basement; m_resultOption + 1 is
    // also accepted as the first row of the stiffness-to-weight table.
    int16_t m_basementFloorCount;
    int16_t m_resultOption;

    float m_totalWeight;  // kN
    float m_massRatioX, m_massRatioY;  // effective mass participation, fraction
    float m_period1, m_period2, m_period3;  // s
    float m_baseShearX, m_baseShearY;  // first-storey earthquake shear, kN
    float m_overturnMomentX, m_overturnMomentY;  // kN.m
    float m_shearWeightRatioX, m_shearWeightRatioY;  // fraction
    float m_dispRatioX, m_dispRatioY;
    float m_storeyDispRatioX, m_storeyDispRatioY;
    float m_quakeDriftX, m_quakeDriftY;  // denominator n of the drift 1/n
    float m_windDriftX, m_windDriftY;
    float m_eccDispRatioX, m_eccDispRatioY;
    float m_eccStoreyDispRatioX, m_eccStoreyDispRatioY;
    bool m_hasEccentric;
    float m_stiffWeightRatioX, m_stiffWeightRatioY;
    float m_shearCapRatioX, m_shearCapRatioY;
    int16_t m_weakStoreysX[kMaxWeakStoreys];
    uint8_t m_weakStoreyCountX;
    int16_t m_weakStoreysY[kMaxWeakStoreys];
    uint8_t m_weakStoreyCountY;
};
