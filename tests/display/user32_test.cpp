// The monitor set against a real user32: Wine's, in the X server that
// tools/wine-user32-tests.sh starts. Its layout, in virtual-desktop pixels:
//   primary 1920 x 1080 at the origin, its work area 40 pixels short at the
//   bottom; one 1280 x 1024 monitor left of it (x -1280, same top); one
//   1920 x 1080 monitor above it (y -1080, same left).
// The script announces that layout in ZELOR_USER32_LAYOUT; elsewhere (a real
// Windows desktop) the tests that depend on it are skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "display/Win32MonitorPlatform.h"
#include "display/clsMonitors.h"
#include "toolkit/Units.h"

namespace display {
namespace {

constexpr RECT32 Primary{0, 0, 1920, 1080};
constexpr RECT32 PrimaryWork{0, 0, 1920, 1040};
constexpr RECT32 Left{-1280, 0, 0, 1024};
constexpr RECT32 Above{0, -1080, 1920, 0};

bool knownLayout()
{
    const char *layout = std::getenv("ZELOR_USER32_LAYOUT");
    return layout && std::string(layout) == "primary-left-above";
}

#define REQUIRE_KNOWN_LAYOUT()                                                    \
    if (!knownLayout())                                                           \
    GTEST_SKIP() << "not in the layout of tools/wine-user32-tests.sh"

RECT32 rectOf(const clsMonitor &m) { return {m.Left(), m.Top(), m.Right(), m.Bottom()}; }
RECT32 workOf(const clsMonitor &m) { return {m.WorkLeft(), m.WorkTop(), m.WorkRight(), m.WorkBottom()}; }

void PrintTo(const RECT32 &r, std::ostream *os)
{
    *os << "{" << r.left << "," << r.top << "-" << r.right << "," << r.bottom << "}";
}

TEST(User32, MonitorSetFindsUpperLeftAndPrimaryWithTheTaskBarOnThePrimary)
{
    REQUIRE_KNOWN_LAYOUT();
    Win32MonitorPlatform platform;
    clsMonitors set(platform);
    set.Refresh();

    EXPECT_EQ(set.DesktopLeft(), -1280);
    EXPECT_EQ(set.DesktopTop(), -1080);
    EXPECT_EQ(set.DesktopWidth(), 3200);
    EXPECT_EQ(set.DesktopHeight(), 2160);

    std::vector<RECT32> rects, works;
    std::vector<bool> mainDisplay;
    for (const clsMonitor &m : *set.monitors) {
        rects.push_back(rectOf(m));
        works.push_back(workOf(m));
        mainDisplay.push_back(m.MainDisplay());
        EXPECT_NE(m.handle(), 0);
    }
    EXPECT_EQ(rects, (std::vector<RECT32>{Above, Left, Primary}));
    EXPECT_EQ(works, (std::vector<RECT32>{Above, Left, PrimaryWork}));
    EXPECT_EQ(mainDisplay, (std::vector<bool>{false, false, true}));
}

TEST(User32, ThePrimaryIsTheMonitorAtTheOriginAndTheScreenObject)
{
    REQUIRE_KNOWN_LAYOUT();
    Win32MonitorPlatform platform;
    clsMonitors set(platform);
    const std::int32_t primary = set.GetMonitorFromXYPoint(1, 1, DefaultToNull);
    ASSERT_NE(primary, 0);
    MONITORINFO32 info;
    info.cbSize = sizeof info;
    ASSERT_TRUE(platform.GetMonitorInfoA(primary, info));
    EXPECT_EQ(info.rcMonitor, Primary);
    EXPECT_EQ(info.dwFlags & MonitorInfoPrimary, MonitorInfoPrimary);

    // (-1, -1) lies on neither the left nor the upper monitor.
    EXPECT_EQ(set.GetMonitorFromXYPoint(-1, -1, DefaultToNull), 0);
    EXPECT_EQ(set.GetMonitorFromXYPoint(-1, -1, DefaultToPrimary), primary);

    const ScreenObject &screen = platform.Screen();
    EXPECT_EQ(screen.TwipsPerPixelX(), 15.0f);
    EXPECT_EQ(screen.TwipsPerPixelY(), 15.0f);
    EXPECT_EQ(screen.Width(), 1920 * 15.0f);
    EXPECT_EQ(screen.Height(), 1080 * 15.0f);
}

TEST(User32, AFunctionThatIsNotThereRaises453)
{
    Win32MonitorPlatform::Names names;
    names.monitorFromRect = "MonitorFromRectThatIsNot";
    Win32MonitorPlatform platform(names);
    try {
        platform.MonitorFromRect({1, 1, 2, 2}, DefaultToNull);
        ADD_FAILURE() << "no error";
    } catch (const toolkit::Error &error) {
        EXPECT_EQ(error.number(), toolkit::ErrFunctionMissing);
    }
    clsMonitors set(platform);
    EXPECT_EQ(set.GetMonitorFromXYPoint(1, 1, DefaultToNull), -1);
    EXPECT_EQ(set.monitors->Count(), 0);

    Win32MonitorPlatform::Names noLibrary;
    noLibrary.library = "zelor-no-such-library.dll";
    Win32MonitorPlatform without(noLibrary);
    EXPECT_EQ(clsMonitors(without).GetMonitorFromWindow(0, DefaultToPrimary), -1);
}

// A hidden, borderless window of the given pixel rectangle, standing in for
// a toolkit form: 15 twips per pixel, as the screen object says here.
class Window : public FormToCenter, public ReferenceObject {
public:
    explicit Window(RECT32 r)
    {
        m_hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "zelor-test", WS_POPUP, r.left, r.top,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    }
    ~Window() override { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }
    RECT32 rect() const
    {
        RECT r{};
        GetWindowRect(m_hwnd, &r);
        return {r.left, r.top, r.right, r.bottom};
    }

    float Width() const override { return toolkit::pixelsToTwips(rect().right - rect().left, 15.0f); }
    float Height() const override { return toolkit::pixelsToTwips(rect().bottom - rect().top, 15.0f); }
    void Move(float left, double top) override
    {
        SetWindowPos(m_hwnd, nullptr, toolkit::twipsToPixels(left, 15.0), toolkit::twipsToPixels(top, 15.0), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::int64_t Property(std::string_view name) const override
    {
        if (name != "hwnd")
            throw toolkit::Error(toolkit::ErrPropertyNotFound, "no such property");
        return reinterpret_cast<std::intptr_t>(m_hwnd);
    }

private:
    HWND m_hwnd = nullptr;
};

TEST(User32, CentresAWindowOnTheMonitorOfAnotherWindow)
{
    REQUIRE_KNOWN_LAYOUT();
    Win32MonitorPlatform platform;
    clsMonitors set(platform);
    Window onLeft({-1000, 100, -600, 400});
    Window form({100, 100, 500, 400});
    ASSERT_NE(onLeft.hwnd(), nullptr);
    ASSERT_NE(form.hwnd(), nullptr);

    const std::int32_t left = set.GetMonitorFromWindow(static_cast<std::int32_t>(onLeft.Property("hwnd")), DefaultToPrimary);
    MONITORINFO32 info;
    info.cbSize = sizeof info;
    ASSERT_TRUE(platform.GetMonitorInfoA(left, info));
    EXPECT_EQ(info.rcMonitor, Left);

    ASSERT_TRUE(set.CenterFormOnMonitor(form, &onLeft));
    // Left: -1280 px + (1280 - 400) / 2 px; top: (1024 - 300) / 2 px, truncated.
    EXPECT_EQ(form.rect(), (RECT32{-840, 362, -440, 662}));

    // Without a reference: the primary's work area, counted from its corner.
    ASSERT_TRUE(set.CenterFormOnMonitor(form));
    EXPECT_EQ(form.rect(), (RECT32{760, 370, 1160, 670}));
}

} // namespace
} // namespace display
