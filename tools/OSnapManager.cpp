// COSnapManager: snap-kind states and the snap range.
#include "tools/OSnapManager.h"

#include <cmath>

COSnapManager::COSnapManager() : m_screenSnapRange(15), m_snapRange(0.0f)
{
    for (int kind = kOSnapEndPoint; kind <= kOSnapNearest; ++kind)
        m_states[EOSnapType(kind)] = true;
}

COSnapManager::COSnapManager(const COSnapManager& other) = default;
COSnapManager& COSnapManager::operator=(const COSnapManager& other) = default;
COSnapManager::~COSnapManager() {}

bool COSnapManager::GetState(EOSnapType kind) const
{
    auto it = m_states.find(kind);
    return it != m_states.end() && it->second;
}

void COSnapManager::SetState(EOSnapType kind, bool on)
{
    auto it = m_states.find(kind);
    if (it != m_states.end())
        it->second = on;
}

void COSnapManager::CalcSnapRange(float scale)
{
    m_snapRange = float(m_screenSnapRange) * scale;
}

bool COSnapManager::IsSnapped(float distance) const
{
    return std::fabs(distance) <= m_snapRange + 1e-5f;
}
