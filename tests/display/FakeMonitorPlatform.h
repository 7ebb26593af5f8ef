// A scripted monitor platform: any layout of monitors and work areas, windows
// at given rectangles, functions that raise an error (453: missing), monitors
// whose GetMonitorInfoA answers 0, and a record of every probe it was asked.
//
// Metrics follow the layout (count, bounding box) unless a test pins them.
// It checks nothing about how it is called beyond what user32 checks itself.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "display/MonitorPick.h"
#include "display/MonitorPlatform.h"
#include "display/clsMonitor.h"
#include "toolkit/Errors.h"

namespace display::testing {

struct FakeMonitor {
    FakeMonitor(std::int32_t handle, RECT32 rect, RECT32 work = {}, bool primary = false)
        : handle(handle), rect(rect), work(work), primary(primary) {}

    std::int32_t handle;
    RECT32 rect;
    RECT32 work; // all zero: the same as rect
    bool primary;
};

struct Probe {
    RECT32 rect;
    std::uint32_t flags = 0;
    bool operator==(const Probe &) const = default;
};

class FakeScreen : public ScreenObject {
public:
    float width = 1920 * 15.0f;
    float height = 1080 * 15.0f;
    float twipsPerPixelX = 15.0f;
    float twipsPerPixelY = 15.0f;

    float Width() const override { return width; }
    float Height() const override { return height; }
    float TwipsPerPixelX() const override { return twipsPerPixelX; }
    float TwipsPerPixelY() const override { return twipsPerPixelY; }
};

class FakeMonitorPlatform : public MonitorPlatform {
public:
    std::vector<FakeMonitor> monitors;
    std::map<std::int32_t, std::int32_t> pinnedMetrics;
    std::map<std::string, int> errors;       // function name -> error it raises
    std::set<std::int32_t> failingInfo;      // handles whose GetMonitorInfoA answers 0
    std::map<std::int32_t, RECT32> windows;  // hwnd -> rectangle
    std::function<void(std::int32_t index)> beforeMetric; // may throw
    FakeScreen screen;

    std::vector<Probe> probes;
    std::vector<std::pair<std::int32_t, std::uint32_t>> windowQueries;

    std::int32_t GetSystemMetrics(std::int32_t index) override
    {
        require("GetSystemMetrics");
        if (beforeMetric)
            beforeMetric(index);
        if (const auto pinned = pinnedMetrics.find(index); pinned != pinnedMetrics.end())
            return pinned->second;
        if (index == MetricMonitorCount)
            return static_cast<std::int32_t>(monitors.size());
        RECT32 box;
        for (std::size_t i = 0; i < monitors.size(); ++i) {
            const RECT32 &r = monitors[i].rect;
            box = i == 0 ? r
                         : RECT32{std::min(box.left, r.left), std::min(box.top, r.top),
                                  std::max(box.right, r.right), std::max(box.bottom, r.bottom)};
        }
        switch (index) {
        case MetricVirtualLeft: return box.left;
        case MetricVirtualTop: return box.top;
        case MetricVirtualWidth: return box.right - box.left;
        case MetricVirtualHeight: return box.bottom - box.top;
        default: return 0;
        }
    }

    std::int32_t MonitorFromRect(const RECT32 &rect, std::uint32_t flags) override
    {
        require("MonitorFromRect");
        probes.push_back({rect, flags});
        return pick(rect, flags);
    }

    std::int32_t MonitorFromWindow(std::int32_t hwnd, std::uint32_t flags) override
    {
        require("MonitorFromWindow");
        windowQueries.emplace_back(hwnd, flags);
        const auto window = windows.find(hwnd);
        return window == windows.end() ? 0 : pick(window->second, flags);
    }

    bool GetMonitorInfoA(std::int32_t handle, MONITORINFO32 &info) override
    {
        require("GetMonitorInfoA");
        if (info.cbSize != sizeof(MONITORINFO32) || failingInfo.count(handle))
            return false;
        for (const FakeMonitor &m : monitors) {
            if (m.handle != handle)
                continue;
            info.rcMonitor = m.rect;
            info.rcWork = m.work == RECT32{} ? m.rect : m.work;
            info.dwFlags = m.primary ? MonitorInfoPrimary : 0;
            return true;
        }
        return false;
    }

    const ScreenObject &Screen() override { return screen; }

private:
    void require(const std::string &function) const
    {
        if (const auto error = errors.find(function); error != errors.end())
            throw toolkit::Error(error->second, function + " failed");
    }

    std::int32_t pick(const RECT32 &rect, std::uint32_t flags) const
    {
        std::vector<RECT32> rects;
        int primary = 0;
        for (const FakeMonitor &m : monitors) {
            if (m.primary)
                primary = static_cast<int>(rects.size());
            rects.push_back(m.rect);
        }
        const int position = pickMonitor(rect, rects, primary, flags);
        return position < 0 ? 0 : monitors[static_cast<std::size_t>(position)].handle;
    }
};

// The four multi-monitor functions, all raising error 453.
inline std::map<std::string, int> allMissing()
{
    return {{"GetSystemMetrics", toolkit::ErrFunctionMissing},
            {"MonitorFromRect", toolkit::ErrFunctionMissing},
            {"MonitorFromWindow", toolkit::ErrFunctionMissing},
            {"GetMonitorInfoA", toolkit::ErrFunctionMissing}};
}

} // namespace display::testing

namespace display {

// Readable failures in GoogleTest.
inline void PrintTo(const clsMonitor &m, std::ostream *os)
{
    *os << "{handle " << m.handle() << ", rect " << m.Left() << "," << m.Top() << "-" << m.Right() << ","
        << m.Bottom() << ", work " << m.WorkLeft() << "," << m.WorkTop() << "-" << m.WorkRight() << ","
        << m.WorkBottom() << ", " << m.Width() << "x" << m.Height() << (m.MainDisplay() ? ", main}" : "}");
}

inline void PrintTo(const RECT32 &r, std::ostream *os)
{
    *os << "{" << r.left << "," << r.top << "-" << r.right << "," << r.bottom << "}";
}

} // namespace display
