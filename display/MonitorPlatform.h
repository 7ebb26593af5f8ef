// What the monitor set asks of the system: four user32 multi-monitor calls and
// the toolkit's screen object.
//
// The calls mirror user32 in shape and meaning, with handles narrowed to 32-bit
// signed numbers because that is how the set keys and compares them. Any call
// may raise toolkit::Error(453) when the system lacks the function; the set
// decides what that means, the platform only reports it. Coordinates are pixels
// of the virtual desktop: the origin is the primary monitor's top-left corner,
// right and bottom edges lie one pixel beyond the last column and row.
//
// Implementations: Win32MonitorPlatform (the real user32, Windows builds),
// QtMonitorPlatform (Qt's screens, elsewhere) and a scripted fake in the tests.
// defaultPlatform() hands out the one that fits the build.
#pragma once

#include <cstdint>

namespace display {

// GetSystemMetrics indices of the virtual desktop (user32's SM_XVIRTUALSCREEN
// to SM_CMONITORS; own names, as <windows.h> makes macros of those).
enum SystemMetric : std::int32_t {
    MetricVirtualLeft = 76,
    MetricVirtualTop = 77,
    MetricVirtualWidth = 78,
    MetricVirtualHeight = 79,
    MetricMonitorCount = 80,
};

// What MonitorFromRect and MonitorFromWindow answer for a rectangle or window
// that lies on no monitor (MONITOR_DEFAULTTONULL, ...TOPRIMARY, ...TONEAREST).
enum MonitorDefault : std::uint32_t {
    DefaultToNull = 0,
    DefaultToPrimary = 1,
    DefaultToNearest = 2,
};

struct RECT32 {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const RECT32 &) const = default;
};

// MONITORINFOF_PRIMARY in MONITORINFO32::dwFlags.
constexpr std::uint32_t MonitorInfoPrimary = 1;

// The layout of user32's MONITORINFO, so that the Windows build can hand it
// over as it is.
struct MONITORINFO32 {
    std::uint32_t cbSize = 0;
    RECT32 rcMonitor;
    RECT32 rcWork;
    std::uint32_t dwFlags = 0;
};
static_assert(sizeof(MONITORINFO32) == 40, "MONITORINFO is 40 bytes");

// The toolkit's screen object: the primary screen in twips.
class ScreenObject {
public:
    virtual ~ScreenObject() = default;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
};

// The system as the monitor set sees it. Stateless from the set's point of
// view: every answer is asked for anew.
class MonitorPlatform {
public:
    virtual ~MonitorPlatform() = default;

    virtual std::int32_t GetSystemMetrics(std::int32_t index) = 0;
    // The monitor that shares most of rect; flags decide when none does.
    virtual std::int32_t MonitorFromRect(const RECT32 &rect, std::uint32_t flags) = 0;
    // The monitor that holds most of the window; 0 for a window it does not know.
    virtual std::int32_t MonitorFromWindow(std::int32_t hwnd, std::uint32_t flags) = 0;
    // Fills info for the monitor; false where user32 would answer 0 (an
    // unknown handle, a wrong cbSize).
    virtual bool GetMonitorInfoA(std::int32_t handle, MONITORINFO32 &info) = 0;

    virtual const ScreenObject &Screen() = 0;
};

// The platform of this build: user32 on Windows, Qt's screens elsewhere. It
// lives as long as the process. The Qt one needs a QGuiApplication.
MonitorPlatform &defaultPlatform();

} // namespace display
