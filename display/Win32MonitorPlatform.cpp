#include "Win32MonitorPlatform.h"

#include <cstdint>

#include <windows.h>

#include "toolkit/Errors.h"
#include "toolkit/Units.h"

namespace display {

namespace {

using GetSystemMetricsFn = int(WINAPI *)(int);
using MonitorFromRectFn = HMONITOR(WINAPI *)(LPCRECT, DWORD);
using MonitorFromWindowFn = HMONITOR(WINAPI *)(HWND, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI *)(HMONITOR, LPMONITORINFO);

static_assert(sizeof(MONITORINFO) == sizeof(MONITORINFO32));
static_assert(sizeof(RECT) == sizeof(RECT32));

void *lookUp(void *library, const std::string &name)
{
    if (!library)
        return nullptr;
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name.c_str()));
}

template <class Function>
Function present(void *procedure, const char *name)
{
    if (!procedure)
        throw toolkit::Error(toolkit::ErrFunctionMissing,
                             std::string("Can't find DLL entry point ") + name + " in user32");
    return reinterpret_cast<Function>(procedure);
}

std::int32_t toHandle32(const void *handle)
{
    return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(handle));
}

template <class Handle>
Handle fromHandle32(std::int32_t handle)
{
    return reinterpret_cast<Handle>(static_cast<std::intptr_t>(handle));
}

float twipsPerPixel(int dotsPerInch) { return dotsPerInch > 0 ? static_cast<float>(1440.0 / dotsPerInch) : 15.0f; }

class Win32Screen : public ScreenObject {
public:
    float Width() const override { return toolkit::pixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), TwipsPerPixelX()); }
    float Height() const override { return toolkit::pixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), TwipsPerPixelY()); }
    float TwipsPerPixelX() const override { return twipsPerPixel(dpi(LOGPIXELSX)); }
    float TwipsPerPixelY() const override { return twipsPerPixel(dpi(LOGPIXELSY)); }

private:
    static int dpi(int which)
    {
        HDC screen = ::GetDC(nullptr);
        const int value = screen ? ::GetDeviceCaps(screen, which) : 0;
        if (screen)
            ::ReleaseDC(nullptr, screen);
        return value;
    }
};

} // namespace

Win32MonitorPlatform::Win32MonitorPlatform() : Win32MonitorPlatform(Names{}) {}

Win32MonitorPlatform::Win32MonitorPlatform(const Names &names)
    : m_library(::LoadLibraryA(names.library.c_str()))
    , m_getSystemMetrics(lookUp(m_library, names.getSystemMetrics))
    , m_monitorFromRect(lookUp(m_library, names.monitorFromRect))
    , m_monitorFromWindow(lookUp(m_library, names.monitorFromWindow))
    , m_getMonitorInfo(lookUp(m_library, names.getMonitorInfo))
{
}

Win32MonitorPlatform::~Win32MonitorPlatform()
{
    if (m_library)
        ::FreeLibrary(static_cast<HMODULE>(m_library));
}

std::int32_t Win32MonitorPlatform::GetSystemMetrics(std::int32_t index)
{
    return present<GetSystemMetricsFn>(m_getSystemMetrics, "GetSystemMetrics")(index);
}

std::int32_t Win32MonitorPlatform::MonitorFromRect(const RECT32 &rect, std::uint32_t flags)
{
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return toHandle32(present<MonitorFromRectFn>(m_monitorFromRect, "MonitorFromRect")(&r, flags));
}

std::int32_t Win32MonitorPlatform::MonitorFromWindow(std::int32_t hwnd, std::uint32_t flags)
{
    return toHandle32(present<MonitorFromWindowFn>(m_monitorFromWindow, "MonitorFromWindow")(fromHandle32<HWND>(hwnd), flags));
}

bool Win32MonitorPlatform::GetMonitorInfoA(std::int32_t handle, MONITORINFO32 &info)
{
    const auto call = present<GetMonitorInfoFn>(m_getMonitorInfo, "GetMonitorInfoA");
    MONITORINFO native{};
    native.cbSize = info.cbSize;
    if (!call(fromHandle32<HMONITOR>(handle), &native))
        return false;
    info.rcMonitor = {native.rcMonitor.left, native.rcMonitor.top, native.rcMonitor.right, native.rcMonitor.bottom};
    info.rcWork = {native.rcWork.left, native.rcWork.top, native.rcWork.right, native.rcWork.bottom};
    info.dwFlags = native.dwFlags;
    return true;
}

const ScreenObject &Win32MonitorPlatform::Screen()
{
    static const Win32Screen screen{};
    return screen;
}

MonitorPlatform &defaultPlatform()
{
    static Win32MonitorPlatform platform;
    return platform;
}

} // namespace display
