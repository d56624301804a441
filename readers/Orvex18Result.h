// CORVEX18Result: reads the analysis results of an ORVEX18 run from the four
// text files the analysis program leaves beside the project's .prj file.
//
//   <base>_结构信息.txt        total weight; weak storeys
//   <base>_周期和地震作用.txt  mass participation; first three periods;
//                              first-storey earthquake shear and moment
//   <base>_水平力效应验算.txt  shear-to-weight, stiffness-to-weight and
//                              shear-capacity ratios
//   <base>_结构位移.txt        displacement and drift ratios, earthquake
//                              (with and without accidental eccentricity)
//                              and wind
//
// Every quantity is found by the headings the analysis program prints and by
// the position of a number in a table row. Missing files, headings or rows
// leave the record's initial values and show no message: a student who did
// not run the analysis simply scores nothing for it. Which files were
// missing or held nothing recognisable is kept (m_resultFileStates) for
// the caller to show beside the status. The files' names are found
// whatever their case, as on Windows. A FIFO, a device or an
// oversized file in a result file's place is refused unread, with a warning.
// Nothing else is read.
#pragma once

#include <string>

#include "readers/CalcResult.h"
#include "readers/CalcResultFiles.h"

class CCalcResultFile;

// The four result files, in the order of the table above.
enum {
    TM_RESULT_STRUCTURE_FILE,
    TM_RESULT_PERIOD_FILE,
    TM_RESULT_HORIZONTAL_FILE,
    TM_RESULT_DISPLACEMENT_FILE,
    TM_RESULT_FILE_COUNT,
};

class CORVEX18Result : public CCalcResult {
public:
    CORVEX18Result();
    ~CORVEX18Result() override;

    // Copies the restrained-basement storey count and the result storey
    // option from the general information.
    bool SetProjectInfo(const CScoringGenInfoItem& info) override;

    // Reads the four result files of the project whose .prj file is prjPath
    // (the files are named from the path without its last four characters).
    // Nothing here is a failure: a missing or damaged file, heading or row
    // leaves its quantities at their initial values, which the record itself
    // shows, so there is no result to report.
    virtual void ReadResults(const std::wstring& prjPath);
    // Where ReadResults looks the files up (names that differ only in
    // case are found); null for a lookup of its own. Not owned.
    void SetNameLookup(TMTOOLS::OS::CFileNameLookup* names) { m_names = names; }

    // After ReadResults: the name each result file was asked for by (the
    // .prj file's name, without its folder, made into the result file's)
    // and what became of it.
    std::wstring m_resultFileNames[TM_RESULT_FILE_COUNT];
    TmResultFileState m_resultFileStates[TM_RESULT_FILE_COUNT] = {};

    // One displacement table under heading (two rows per storey): the
    // largest displacement ratio into ratio, the largest inter-storey ratio
    // into storeyRatio, the drift denominator of the summary line into drift
    // when smaller. False when the heading is not found.
    bool ReadDisplacementTable(CCalcResultFile& file, const wchar_t* heading, float& ratio,
                               float& storeyRatio, float& drift);
    // One wind-drift table under heading: the drift denominator of its
    // summary line into drift when smaller. False when the heading is not
    // found.
    bool ReadWindDriftTable(CCalcResultFile& file, const wchar_t* heading, float& drift);

private:
    void ReadTotalWeight(const std::wstring& basePath);
    bool ReadModesAndPeriods(const std::wstring& basePath);
    void ReadFirstStoreyForces(const std::wstring& basePath, int column, float& valueX, float& valueY);
    void ReadShearWeightRatios(const std::wstring& basePath);
    void ReadDrifts(const std::wstring& basePath);
    void ReadEccentricRatios(const std::wstring& basePath);
    void ReadStiffWeightRatios(const std::wstring& basePath);
    void ReadShearCapacityRatios(const std::wstring& basePath);
    void ReadWeakStoreys(const std::wstring& basePath, const wchar_t* tableName);

    bool ScanFirstStoreyRow(CCalcResultFile& file, int column, float& value) const;
    float ReadShearWeightRow(CCalcResultFile& file) const;
    bool ReadStiffWeightTable(CCalcResultFile& file, bool zeroDegreeTable, float& value) const;
    bool ReadLowestShearCapacity(CCalcResultFile& file, float& minimum) const;
    void ReadWeakStoreyRows(CCalcResultFile& file, bool yDirection);
    void ReadTableEnd(CCalcResultFile& file, float& drift) const;

    // The files of the ReadResults under way, each opened once for all its
    // steps.
    CCalcResultFiles* m_files = nullptr;
    TMTOOLS::OS::CFileNameLookup* m_names = nullptr;
};
