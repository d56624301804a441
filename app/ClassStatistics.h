// The class's figures as the class workbook's second sheet shows them: per
// category and for the total, the mean, median, minimum and maximum over
// the scored students, and how many totals fall into each band of 10
// points. Entries of the score sheet that were not scored (an input that
// gave no project) are not students here; a project that failed to load
// was scored 0 and counts.
#pragma once

#include <vector>

#include "scoring/ScoringCategory.h"

class CScoreSheet;

class CClassStatistics {
public:
    // The six categories in category order, then the total.
    static const int kColumns = TM_CATEGORY_COUNT + 1;
    static const int kBandWidth = 10;

    explicit CClassStatistics(const CScoreSheet& sheet);

    int m_students;  // the scored entries; the figures below are 0 without any
    double m_mean[kColumns];
    double m_median[kColumns];
    double m_minimum[kColumns];
    double m_maximum[kColumns];
    // At most this many bands: a standard worth more than 1000 points puts
    // every total from 990 on into the last.
    static const int kMaxBands = 100;

    // m_bands[i]: totals from 10 i up to under 10 (i + 1); the last band
    // also takes its upper edge (and beyond, when there are kMaxBands).
    // Up to 100 at least (ten bands), further when a total is higher.
    std::vector<int> m_bands;
};
