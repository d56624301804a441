// Finding an item's values by the names of another item's values.
//
// A student's values mostly stand where the standard's do: the value at the
// standard value's position is tried first, and the item's names are
// indexed only when that misses (a student whose building differs). Names
// are unique within an item, so both ways find the same value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "scoring/ScoringItem.h"

class CValueLookup {
public:
    explicit CValueLookup(const CTmDataList& values) : m_values(values) {}

    // The value named name, tried first at position; null when none.
    CTmData* Find(const std::wstring& name, size_t position);

private:
    const CTmDataList& m_values;
    std::unordered_map<std::wstring_view, CTmData*> m_byName;  // made on the first miss
};
