// Which monitor record carries which monitor number.
//
// Number 1 is the primary monitor, the record whose rectangle holds the pixel
// (0, 0), which the main backdrop covers; 2 to N are the other records in the
// set's order. The set's own order can start with a monitor left of or above
// the primary one, and counting in it would cover the primary monitor twice
// and leave that monitor bare. Where no record holds (0, 0), the set's order
// stands. It only orders: it neither copies nor changes a record.
#pragma once

#include <vector>

#include "toolkit/Collection.h"

#include "clsMonitor.h"

namespace display {

inline bool holdsOrigin(const clsMonitor &monitor)
{
    return monitor.Left() <= 0 && 0 < monitor.Right() && monitor.Top() <= 0 && 0 < monitor.Bottom();
}

// The records by monitor number: element 0 is monitor 1.
inline std::vector<const clsMonitor *> byMonitorNumber(const toolkit::Collection<clsMonitor> &monitors)
{
    std::vector<const clsMonitor *> numbered;
    const clsMonitor *primary = nullptr;
    for (const clsMonitor &monitor : monitors)
        if (!primary && holdsOrigin(monitor))
            primary = &monitor;
    if (primary)
        numbered.push_back(primary);
    for (const clsMonitor &monitor : monitors)
        if (&monitor != primary)
            numbered.push_back(&monitor);
    return numbered;
}

} // namespace display
