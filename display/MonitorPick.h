// The choice MonitorFromRect makes, for platforms that answer it themselves
// from a list of monitor rectangles.
//
// The monitor sharing the largest area with the rectangle wins (the earlier one
// on a tie); an empty rectangle counts as the one pixel at its top-left corner,
// as in user32. A rectangle on no monitor gets nothing, the primary or the
// nearest monitor, as the flags say. It knows nothing of handles: it answers
// with a position in the list.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "MonitorPlatform.h"

namespace display {

// Position in monitors of the monitor that answers for rect, -1 for none.
inline int pickMonitor(const RECT32 &rect, std::span<const RECT32> monitors, int primary, std::uint32_t flags)
{
    const std::int64_t left = rect.left, top = rect.top;
    const bool empty = rect.right <= rect.left || rect.bottom <= rect.top;
    const std::int64_t right = empty ? left + 1 : rect.right;
    const std::int64_t bottom = empty ? top + 1 : rect.bottom;
    const auto overlap = [](std::int64_t lo1, std::int64_t hi1, std::int64_t lo2, std::int64_t hi2) {
        return std::max<std::int64_t>(0, std::min(hi1, hi2) - std::max(lo1, lo2));
    };
    const auto gap = [](std::int64_t lo1, std::int64_t hi1, std::int64_t lo2, std::int64_t hi2) {
        return std::max<std::int64_t>({0, lo2 - hi1, lo1 - hi2});
    };

    int best = -1;
    std::int64_t bestArea = 0;
    for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
        const RECT32 &m = monitors[static_cast<std::size_t>(i)];
        const std::int64_t area = overlap(left, right, m.left, m.right) * overlap(top, bottom, m.top, m.bottom);
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    if (best >= 0)
        return best;

    if (flags == DefaultToPrimary)
        return primary < static_cast<int>(monitors.size()) ? primary : -1;
    if (flags != DefaultToNearest)
        return -1;
    std::int64_t bestDistance = 0;
    for (int i = 0; i < static_cast<int>(monitors.size()); ++i) {
        const RECT32 &m = monitors[static_cast<std::size_t>(i)];
        const std::int64_t dx = gap(left, right, m.left, m.right);
        const std::int64_t dy = gap(top, bottom, m.top, m.bottom);
        const std::int64_t distance = dx * dx + dy * dy;
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace display
