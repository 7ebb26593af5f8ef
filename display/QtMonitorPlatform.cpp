#include "QtMonitorPlatform.h"

#include <algorithm>
#include <vector>

#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QWindow>

#include "toolkit/Screen.h"

#include "MonitorPick.h"
#include "QtVirtualDesktop.h"

namespace display {

namespace {

constexpr std::int32_t MetricScreenWidth = 0;  // SM_CXSCREEN
constexpr std::int32_t MetricScreenHeight = 1; // SM_CYSCREEN

RECT32 toRect32(const QRect &qtGlobal)
{
    const QRect r = qtGlobalToVirtualDesktop(qtGlobal);
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

std::vector<RECT32> monitorRects(const QList<QScreen *> &screens)
{
    std::vector<RECT32> rects;
    rects.reserve(static_cast<std::size_t>(screens.size()));
    for (const QScreen *screen : screens)
        rects.push_back(toRect32(screen->geometry()));
    return rects;
}

std::int32_t pickHandle(const RECT32 &rect, std::uint32_t flags)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int primary = static_cast<int>(screens.indexOf(QGuiApplication::primaryScreen()));
    const int position = pickMonitor(rect, monitorRects(screens), std::max(primary, 0), flags);
    return position < 0 ? 0 : position + 1;
}

class ToolkitScreen : public ScreenObject {
public:
    float Width() const override { return toolkit::Screen::Width(); }
    float Height() const override { return toolkit::Screen::Height(); }
    float TwipsPerPixelX() const override { return toolkit::Screen::TwipsPerPixelX(); }
    float TwipsPerPixelY() const override { return toolkit::Screen::TwipsPerPixelY(); }
};

} // namespace

std::int32_t QtMonitorPlatform::GetSystemMetrics(std::int32_t index)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return 0;
    switch (index) {
    case MetricScreenWidth:
        return QGuiApplication::primaryScreen()->geometry().width();
    case MetricScreenHeight:
        return QGuiApplication::primaryScreen()->geometry().height();
    case MetricMonitorCount:
        return static_cast<std::int32_t>(screens.size());
    case MetricVirtualLeft:
    case MetricVirtualTop:
    case MetricVirtualWidth:
    case MetricVirtualHeight: {
        QRect desktop;
        for (const QScreen *screen : screens)
            desktop |= screen->geometry();
        const QRect r = qtGlobalToVirtualDesktop(desktop);
        return index == MetricVirtualLeft ? r.x()
            : index == MetricVirtualTop   ? r.y()
            : index == MetricVirtualWidth ? r.width()
                                          : r.height();
    }
    default:
        return 0;
    }
}

std::int32_t QtMonitorPlatform::MonitorFromRect(const RECT32 &rect, std::uint32_t flags)
{
    return pickHandle(rect, flags);
}

std::int32_t QtMonitorPlatform::MonitorFromWindow(std::int32_t hwnd, std::uint32_t flags)
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    // handle() first: asking winId() of a window without one would create it.
    const auto found = std::find_if(windows.begin(), windows.end(), [hwnd](const QWindow *window) {
        return window->handle() && static_cast<qint64>(window->winId()) == hwnd;
    });
    if (found == windows.end())
        return 0;
    return pickHandle(toRect32((*found)->frameGeometry()), flags);
}

bool QtMonitorPlatform::GetMonitorInfoA(std::int32_t handle, MONITORINFO32 &info)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (info.cbSize != sizeof(MONITORINFO32) || handle < 1 || handle > screens.size())
        return false;
    const QScreen *screen = screens.at(handle - 1);
    info.rcMonitor = toRect32(screen->geometry());
    info.rcWork = toRect32(screen->availableGeometry());
    info.dwFlags = screen == QGuiApplication::primaryScreen() ? MonitorInfoPrimary : 0;
    return true;
}

const ScreenObject &QtMonitorPlatform::Screen()
{
    static const ToolkitScreen screen{};
    return screen;
}

#ifndef _WIN32
MonitorPlatform &defaultPlatform()
{
    static QtMonitorPlatform platform;
    return platform;
}
#endif

} // namespace display
