// The monitor platform of Windows builds: the real user32.
//
// The four multi-monitor functions are looked up by name in the library when
// the platform is made, so that a system without one of them still runs: a
// call to a function that was not found raises toolkit::Error(453). The names
// can be replaced, which is how a missing function is shown on a system that
// has them all. The screen object comes from GetSystemMetrics(SM_CXSCREEN,
// SM_CYSCREEN) and the screen's logical DPI (twips per pixel = 1440 / DPI),
// called directly, as every Windows has them. Handles are narrowed to 32 bits
// and sign-extended on the way back, as Windows keeps user handles 32-bit.
#pragma once

#include <string>

#include "MonitorPlatform.h"

namespace display {

class Win32MonitorPlatform : public MonitorPlatform {
public:
    struct Names {
        std::string library = "user32.dll";
        std::string getSystemMetrics = "GetSystemMetrics";
        std::string monitorFromRect = "MonitorFromRect";
        std::string monitorFromWindow = "MonitorFromWindow";
        std::string getMonitorInfo = "GetMonitorInfoA";
    };

    Win32MonitorPlatform();
    explicit Win32MonitorPlatform(const Names &names);
    ~Win32MonitorPlatform() override;
    Win32MonitorPlatform(const Win32MonitorPlatform &) = delete;
    Win32MonitorPlatform &operator=(const Win32MonitorPlatform &) = delete;

    std::int32_t GetSystemMetrics(std::int32_t index) override;
    std::int32_t MonitorFromRect(const RECT32 &rect, std::uint32_t flags) override;
    std::int32_t MonitorFromWindow(std::int32_t hwnd, std::uint32_t flags) override;
    bool GetMonitorInfoA(std::int32_t handle, MONITORINFO32 &info) override;
    const ScreenObject &Screen() override;

private:
    void *m_library = nullptr;
    void *m_getSystemMetrics = nullptr;
    void *m_monitorFromRect = nullptr;
    void *m_monitorFromWindow = nullptr;
    void *m_getMonitorInfo = nullptr;
};

} // namespace display
