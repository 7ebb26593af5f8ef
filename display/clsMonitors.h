// The monitor set: one clsMonitor record per monitor of the desktop, in the
// order a walk over the virtual desktop first meets them, plus the desktop's
// extent and centring a window on a monitor.
//
// Monitors are found by probing the centres of 640 x 480 pixel cells, row by
// row, so a monitor smaller than a cell can be missed. Without multi-monitor
// support the set holds one record (key "0") made from the screen object.
// Platform failures never reach the caller: a missing function (error 453)
// becomes -1 or a fallback, a duplicate key (457) is skipped, anything else
// ends the operation quietly. The set keeps no copy of the desktop metrics
// (they are asked for on every read) and does not notice later changes of the
// layout until Refresh.
#pragma once

#include <cstdint>
#include <memory>

#include "toolkit/Collection.h"

#include "CentringTargets.h"
#include "MonitorPlatform.h"
#include "SelfCreating.h"
#include "clsMonitor.h"

namespace display {

using MonitorCollection = toolkit::Collection<clsMonitor>;

class clsMonitors {
public:
    // Enumerates the monitors at once (runs Refresh).
    explicit clsMonitors(MonitorPlatform &platform);

    // The records in discovery order, keyed by the decimal text of their
    // handle. Reading it always gives a collection (a new, empty one if the
    // set holds none); assigning replaces or drops it.
    SelfCreating<MonitorCollection> monitors;

    std::int32_t DesktopLeft();
    std::int32_t DesktopTop();
    // Never below the primary screen's width or height in pixels.
    std::int32_t DesktopWidth();
    std::int32_t DesktopHeight();

    // The monitor holding the window: -1 if the platform lacks the call, 0 on
    // any other failure.
    std::int32_t GetMonitorFromWindow(std::int32_t hwnd, std::int32_t dwFlags);
    // Centres the window on the reference window's monitor, or on the monitor under
    // the pixel (1, 1) when there is no reference; on the screen when no
    // monitor is found or the multi-monitor calls are missing. True when the
    // window was moved.
    bool CenterFormOnMonitor(FormToCenter &formToCenter, const ReferenceObject *referenceForm = nullptr);
    // The monitor under one pixel; -1 when the platform call fails.
    std::int32_t GetMonitorFromXYPoint(std::int32_t X, std::int32_t Y, std::int32_t dwFlags);

    // Rebuilds monitors from a fresh scan. The previous collection is let go,
    // not emptied: whoever holds it keeps its records.
    void Refresh();

private:
    std::int32_t GetMetricOrDefault(std::int32_t index, std::int32_t defaultValue);
    // True when the record was filled from the platform's answer.
    bool FillMonitorFromHandle(std::int32_t handle, clsMonitor &monitor);
    void ClearMonitors();

    std::int32_t screenWidthInPixels();
    std::int32_t screenHeightInPixels();
    void centreOnScreen(FormToCenter &form);

    MonitorPlatform &m_platform;
};

} // namespace display
