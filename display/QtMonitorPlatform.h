// The monitor platform answered from Qt's screens, for builds without user32.
//
// Each QScreen is a monitor: its geometry the rectangle, its availableGeometry
// the work area, both in virtual-desktop pixels (see QtVirtualDesktop.h). A
// monitor's handle is 1 + its position in QGuiApplication::screens(): non-zero
// and stable while the screens stay as they are, not across a change of them.
// A window is known by its native id (QWindow::winId) if it is a top-level
// window that already has a native window; this layer never creates one.
// GetSystemMetrics knows the virtual-desktop indices 76 to 80 and the primary
// screen's size (0, 1) and answers 0 for everything else; no function is
// missing here. The screen object is the toolkit's. Needs a QGuiApplication;
// reads Qt's state on every call and keeps none.
#pragma once

#include "MonitorPlatform.h"

namespace display {

class QtMonitorPlatform : public MonitorPlatform {
public:
    std::int32_t GetSystemMetrics(std::int32_t index) override;
    std::int32_t MonitorFromRect(const RECT32 &rect, std::uint32_t flags) override;
    std::int32_t MonitorFromWindow(std::int32_t hwnd, std::uint32_t flags) override;
    bool GetMonitorInfoA(std::int32_t handle, MONITORINFO32 &info) override;
    const ScreenObject &Screen() override;
};

} // namespace display
