#include "clsMonitors.h"

#include <cfloat>
#include <cmath>
#include <exception>
#include <limits>
#include <string>

#include "toolkit/Errors.h"
#include "toolkit/Units.h"

namespace display {

namespace {

constexpr std::int32_t CellWidth = 640;
constexpr std::int32_t CellHeight = 480;

// Arithmetic on 32-bit values overflows into error 6, like the rest of the
// toolkit's integer arithmetic, instead of wrapping.
std::int32_t toLong(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw toolkit::Error(toolkit::ErrOverflow, "Overflow");
    return static_cast<std::int32_t>(value);
}

float toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        throw toolkit::Error(toolkit::ErrOverflow, "Overflow");
    return static_cast<float>(value);
}

bool isError(const toolkit::Error &error, int number) { return error.number() == number; }

} // namespace

clsMonitors::clsMonitors(MonitorPlatform &platform) : m_platform(platform)
{
    Refresh();
}

std::int32_t clsMonitors::DesktopLeft() { return GetMetricOrDefault(MetricVirtualLeft, 0); }

std::int32_t clsMonitors::DesktopTop() { return GetMetricOrDefault(MetricVirtualTop, 0); }

std::int32_t clsMonitors::DesktopWidth()
{
    const std::int32_t screenWidth = screenWidthInPixels();
    const std::int32_t width = GetMetricOrDefault(MetricVirtualWidth, screenWidth);
    return width < screenWidth ? screenWidth : width;
}

std::int32_t clsMonitors::DesktopHeight()
{
    const std::int32_t screenHeight = screenHeightInPixels();
    const std::int32_t height = GetMetricOrDefault(MetricVirtualHeight, screenHeight);
    return height < screenHeight ? screenHeight : height;
}

std::int32_t clsMonitors::GetMonitorFromWindow(std::int32_t hwnd, std::int32_t dwFlags)
{
    try {
        return m_platform.MonitorFromWindow(hwnd, static_cast<std::uint32_t>(dwFlags));
    } catch (const toolkit::Error &error) {
        return isError(error, toolkit::ErrFunctionMissing) ? -1 : 0;
    } catch (const std::exception &) {
        return 0;
    }
}

bool clsMonitors::CenterFormOnMonitor(FormToCenter &formToCenter, const ReferenceObject *referenceForm)
{
    try {
        std::int32_t monitor = 0;
        if (referenceForm == nullptr)
            monitor = GetMonitorFromXYPoint(1, 1, DefaultToPrimary);
        else
            monitor = GetMonitorFromWindow(toLong(referenceForm->Property("hwnd")), DefaultToPrimary);

        if (monitor == 0) {
            centreOnScreen(formToCenter);
            return true;
        }

        MONITORINFO32 info;
        info.cbSize = sizeof info;
        if (!m_platform.GetMonitorInfoA(monitor, info))
            return false;

        const ScreenObject &screen = m_platform.Screen();
        const double tx = screen.TwipsPerPixelX();
        const double ty = screen.TwipsPerPixelY();
        const double fw = formToCenter.Width();
        const double fh = formToCenter.Height();

        // The size comes from the work area but the origin from the monitor's
        // own corner: a bar at the left or top shifts the band, not the origin.
        const double workWidth = toolkit::nearest(tx * toLong(std::int64_t(info.rcWork.right) - info.rcWork.left));
        const double workHeight = toolkit::nearest(ty * toLong(std::int64_t(info.rcWork.bottom) - info.rcWork.top));
        const double left = tx * info.rcMonitor.left + static_cast<double>(toolkit::intDiv(workWidth - fw, 2));
        const double top = ty * info.rcMonitor.top + static_cast<double>(toolkit::intDiv(workHeight - fh, 2));
        formToCenter.Move(toSingle(left), top);
        return true;
    } catch (const toolkit::Error &error) {
        // Without the multi-monitor calls the screen object is all there is.
        if (!isError(error, toolkit::ErrFunctionMissing))
            return false;
        try {
            centreOnScreen(formToCenter);
            return true;
        } catch (const std::exception &) {
            return false;
        }
    } catch (const std::exception &) {
        return false;
    }
}

std::int32_t clsMonitors::GetMonitorFromXYPoint(std::int32_t X, std::int32_t Y, std::int32_t dwFlags)
{
    try {
        const RECT32 pixel{X, Y, toLong(std::int64_t(X) + 1), toLong(std::int64_t(Y) + 1)};
        return m_platform.MonitorFromRect(pixel, static_cast<std::uint32_t>(dwFlags));
    } catch (const std::exception &) {
        return -1;
    }
}

void clsMonitors::Refresh()
{
    monitors = nullptr;
    try {
        if (m_platform.GetSystemMetrics(MetricMonitorCount) == 0) {
            ClearMonitors();
            auto screen = std::make_shared<clsMonitor>();
            const std::int32_t width = screenWidthInPixels();
            const std::int32_t height = screenHeightInPixels();
            screen->setRight(width);
            screen->setWorkRight(width);
            screen->setWidth(width);
            screen->setBottom(height);
            screen->setWorkBottom(height);
            screen->setHeight(height);
            screen->setMainDisplay(true);
            monitors->Add(screen, "0");
            return;
        }

        // The limits are the desktop's width and height, not its right and
        // bottom edges: with the origin on the primary monitor the start is
        // never positive, so the range still reaches past the far edge.
        const std::int64_t lastRow = DesktopHeight();
        const std::int64_t firstRow = DesktopTop();
        for (std::int64_t y = firstRow; y <= lastRow; y += CellHeight) {
            const std::int64_t lastColumn = DesktopWidth();
            const std::int64_t firstColumn = DesktopLeft();
            for (std::int64_t x = firstColumn; x <= lastColumn; x += CellWidth) {
                const std::int32_t handle
                    = GetMonitorFromXYPoint(toLong(x + CellWidth / 2), toLong(y + CellHeight / 2), DefaultToNull);
                if (handle == 0)
                    continue;
                auto monitor = std::make_shared<clsMonitor>();
                // A record the platform could not describe would give a
                // zero-sized window on whatever it is laid out for: drop it.
                if (!FillMonitorFromHandle(handle, *monitor))
                    continue;
                try {
                    monitors->Add(monitor, std::to_string(handle));
                } catch (const toolkit::Error &error) {
                    if (!isError(error, toolkit::ErrDuplicateKey))
                        throw;
                }
            }
        }
    } catch (const std::exception &) {
        // The set keeps what it found so far.
    }
}

std::int32_t clsMonitors::GetMetricOrDefault(std::int32_t index, std::int32_t defaultValue)
{
    if (m_platform.GetSystemMetrics(MetricMonitorCount) == 0)
        return defaultValue;
    return m_platform.GetSystemMetrics(index);
}

bool clsMonitors::FillMonitorFromHandle(std::int32_t handle, clsMonitor &monitor)
{
    try {
        MONITORINFO32 info;
        info.cbSize = sizeof info;
        // Both a failed call and a missing function leave nothing to describe
        // the monitor with; the caller drops the record rather than keep one
        // of size zero.
        if (!m_platform.GetMonitorInfoA(handle, info))
            return false;
        monitor.setHandle(handle);
        monitor.setLeft(info.rcMonitor.left);
        monitor.setRight(info.rcMonitor.right);
        monitor.setTop(info.rcMonitor.top);
        monitor.setBottom(info.rcMonitor.bottom);
        monitor.setWorkLeft(info.rcWork.left);
        monitor.setWorkRight(info.rcWork.right);
        monitor.setWorkTop(info.rcWork.top);
        monitor.setWorkBottom(info.rcWork.bottom);
        monitor.setHeight(toLong(std::int64_t(info.rcMonitor.bottom) - info.rcMonitor.top));
        monitor.setWidth(toLong(std::int64_t(info.rcMonitor.right) - info.rcMonitor.left));

        // A work area smaller than the monitor marks the one with the task
        // bar; the platform's own primary flag is deliberately not used.
        monitor.setMainDisplay(false);
        if (monitor.WorkLeft() != monitor.Left())
            monitor.setMainDisplay(true);
        if (monitor.WorkRight() != monitor.Right())
            monitor.setMainDisplay(true);
        if (monitor.WorkTop() != monitor.Top())
            monitor.setMainDisplay(true);
        if (monitor.WorkBottom() != monitor.Bottom())
            monitor.setMainDisplay(true);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

void clsMonitors::ClearMonitors()
{
    MonitorCollection &collection = *monitors;
    for (int position = collection.Count(); position >= 1; --position)
        toolkit::resumeNext([&] { collection.Remove(position); });
}

std::int32_t clsMonitors::screenWidthInPixels()
{
    const ScreenObject &screen = m_platform.Screen();
    return toLong(toolkit::intDiv(screen.Width(), screen.TwipsPerPixelX()));
}

std::int32_t clsMonitors::screenHeightInPixels()
{
    const ScreenObject &screen = m_platform.Screen();
    return toLong(toolkit::intDiv(screen.Height(), screen.TwipsPerPixelY()));
}

void clsMonitors::centreOnScreen(FormToCenter &form)
{
    const ScreenObject &screen = m_platform.Screen();
    const double fw = form.Width();
    const double fh = form.Height();
    const auto left = toolkit::intDiv(double(screen.Width()) - fw, 2);
    const auto top = toolkit::intDiv(double(screen.Height()) - fh, 2);
    form.Move(static_cast<float>(left), static_cast<double>(top));
}

} // namespace display
