// Object-snap settings of a drawing view: which snap kinds are on, and the
// snap range in screen units and, scaled to the view, in model units.
#pragma once

#include <map>

#include "TmToolsApi.h"

// Any int value is a kind (those not listed are unknown to the manager).
enum EOSnapType : int {
    kOSnapEndPoint = 0,
    kOSnapMidPoint = 1,
    kOSnapCenter = 2,
    kOSnapNode = 3,
    kOSnapQuadrant = 4,
    kOSnapIntersection = 5,
    kOSnapPerpendicular = 6,
    kOSnapTangent = 7,
    kOSnapNearest = 8,
};

class TMTOOLS_API COSnapManager {
public:
    // The nine kinds, all on; screen range 15, snap range 0.
    COSnapManager();
    COSnapManager(const COSnapManager& other);
    COSnapManager& operator=(const COSnapManager& other);
    ~COSnapManager();

    // False for a kind that is not one of the nine.
    bool GetState(EOSnapType kind) const;
    // Ignores a kind that is not one of the nine.
    void SetState(EOSnapType kind, bool on);

    int GetScreenSnapRange() const { return m_screenSnapRange; }
    void SetScreenSnapRange(int range) { m_screenSnapRange = range; }
    float GetSnapRange() const { return m_snapRange; }
    // Snap range = screen snap range x scale (model units per screen unit).
    void CalcSnapRange(float scale);
    // True when abs(distance) <= snap range + 1e-5.
    bool IsSnapped(float distance) const;

private:
    std::map<EOSnapType, bool> m_states;
    int m_screenSnapRange;
    float m_snapRange;
};
