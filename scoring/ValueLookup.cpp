// Position first, then a name index made once.
#include "scoring/ValueLookup.h"

#include "scoring/TmData.h"

CTmData* CValueLookup::Find(const std::wstring& name, size_t position)
{
    if (position < m_values.size() && m_values[position]->m_name == name)
        return m_values[position].get();
    if (m_byName.empty()) {
        for (const std::unique_ptr<CTmData>& value : m_values)
            m_byName.emplace(value->m_name, value.get());
    }
    auto found = m_byName.find(name);
    return found == m_byName.end() ? nullptr : found->second;
}
