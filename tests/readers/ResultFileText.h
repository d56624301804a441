// Tables of the ORVEX18 displacement file, written the way the analysis
// program lays them out, for the result reader's tests.
#pragma once

#include <string>
#include <vector>

namespace resulttext {

struct CStoreyDisplacement {
    int storey;
    float ratio;        // displacement ratio (first line of the storey)
    float storeyRatio;  // inter-storey displacement ratio (second line)
};

// Heading line, six lines of column titles, two lines per storey (storey,
// tower and node number in the first 22 characters), the dashed line and the
// summary "X方向最大层间位移角:  1/ <drift>.(第 2层第 1塔)".
std::wstring DisplacementTable(const std::wstring& heading, const std::vector<CStoreyDisplacement>& rows,
                               int drift);
// The same layout with every ratio 1.00.
std::wstring WindDriftTable(const std::wstring& heading, int storeys, int drift);

}  // namespace resulttext
