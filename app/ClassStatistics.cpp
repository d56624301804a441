// Mean, median, extremes and the bands of the totals.
#include "app/ClassStatistics.h"

#include <algorithm>
#include <cmath>

#include "scoring/ScoreSheet.h"

CClassStatistics::CClassStatistics(const CScoreSheet& sheet)
    : m_students(0), m_mean(), m_median(), m_minimum(), m_maximum()
{
    std::vector<double> columns[kColumns];
    for (const CScoreSheetEntry& entry : sheet.m_entries) {
        if (!entry.m_scored)
            continue;
        ++m_students;
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            columns[k].push_back(entry.m_categoryScores[k]);
        columns[TM_CATEGORY_COUNT].push_back(entry.m_total);
    }

    for (int c = 0; c < kColumns && m_students > 0; ++c) {
        std::vector<double>& values = columns[c];
        std::sort(values.begin(), values.end());
        double sum = 0.0;
        for (double value : values)
            sum += value;
        const size_t n = values.size();
        m_mean[c] = sum / (double)n;
        m_median[c] = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
        m_minimum[c] = values.front();
        m_maximum[c] = values.back();
    }

    // A total goes into the band of the value shown ("%.2f"): 89.999996 is
    // shown as 90.00 and counted among the 90s.
    std::vector<double> shown;
    for (double total : columns[TM_CATEGORY_COUNT])
        shown.push_back(std::round(total * 100.0) / 100.0);
    const double highest = shown.empty() ? 0.0 : *std::max_element(shown.begin(), shown.end());
    const double needed = std::ceil(highest / kBandWidth);
    const int bands = needed > kMaxBands ? kMaxBands : std::max(100 / kBandWidth, (int)needed);
    m_bands.assign(bands, 0);
    for (double total : shown) {
        const double band = std::floor(total / kBandWidth);
        ++m_bands[band >= bands ? bands - 1 : band < 0 ? 0 : (int)band];
    }
}
