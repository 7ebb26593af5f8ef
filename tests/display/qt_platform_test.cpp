// The Qt platform on Qt's offscreen platform with three screens (see
// offscreen-screens.json): the primary at Qt's (640, -300), one left of it and
// one above it. In virtual-desktop pixels that is the primary at the origin,
// the left one at x -1280 and the upper one at y -1080.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWindow>

#include <map>
#include <tuple>
#include <vector>

#include "display/QtMonitorPlatform.h"
#include "display/QtVirtualDesktop.h"
#include "display/clsMonitors.h"
#include "toolkit/Units.h"

namespace display {
namespace {

constexpr RECT32 Main{0, 0, 1920, 1080};
constexpr RECT32 Left{-1280, 0, 0, 1024};
constexpr RECT32 Above{0, -1080, 1920, 0};

struct RectLess {
    bool operator()(const RECT32 &a, const RECT32 &b) const
    {
        return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
    }
};

// Monitor rectangle -> handle, as the platform reports them.
std::map<RECT32, std::int32_t, RectLess> handlesByRect(QtMonitorPlatform &platform)
{
    std::map<RECT32, std::int32_t, RectLess> handles;
    for (std::int32_t h = 1; h <= platform.GetSystemMetrics(MetricMonitorCount); ++h) {
        MONITORINFO32 info;
        info.cbSize = sizeof info;
        if (platform.GetMonitorInfoA(h, info))
            handles[info.rcMonitor] = h;
    }
    return handles;
}

TEST(QtVirtualDesktop, TranslatesBetweenThePrimaryCornerAndQtsOrigin)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the offscreen configuration was not loaded";
    EXPECT_EQ(virtualDesktopToQtGlobal(QPoint(0, 0)), QPoint(640, -300));
    EXPECT_EQ(virtualDesktopToQtGlobal(QRect(-1280, 0, 1280, 1024)), QRect(-640, -300, 1280, 1024));
    EXPECT_EQ(qtGlobalToVirtualDesktop(QPoint(640, -1380)), QPoint(0, -1080));
    EXPECT_EQ(qtGlobalToVirtualDesktop(virtualDesktopToQtGlobal(QPoint(-7, 11))), QPoint(-7, 11));
}

TEST(QtMonitorPlatform, ReportsTheScreensInVirtualDesktopPixels)
{
    QtMonitorPlatform platform;
    EXPECT_EQ(platform.GetSystemMetrics(MetricMonitorCount), 3);
    EXPECT_EQ(platform.GetSystemMetrics(MetricVirtualLeft), -1280);
    EXPECT_EQ(platform.GetSystemMetrics(MetricVirtualTop), -1080);
    EXPECT_EQ(platform.GetSystemMetrics(MetricVirtualWidth), 3200);
    EXPECT_EQ(platform.GetSystemMetrics(MetricVirtualHeight), 2160);

    const auto handles = handlesByRect(platform);
    ASSERT_EQ(handles.size(), 3u);
    for (const RECT32 &rect : {Main, Left, Above}) {
        ASSERT_EQ(handles.count(rect), 1u);
        MONITORINFO32 info;
        info.cbSize = sizeof info;
        ASSERT_TRUE(platform.GetMonitorInfoA(handles.at(rect), info));
        EXPECT_EQ(info.dwFlags, rect == Main ? MonitorInfoPrimary : 0u);
        EXPECT_EQ(platform.MonitorFromRect({rect.left + 5, rect.top + 5, rect.left + 6, rect.top + 6}, DefaultToNull),
                  handles.at(rect));
    }
    // Right of the upper monitor lies no screen.
    EXPECT_EQ(platform.MonitorFromRect({1920, -1, 1921, 0}, DefaultToNull), 0);
    EXPECT_EQ(platform.MonitorFromRect({1920, -1, 1921, 0}, DefaultToPrimary), handles.at(Main));

    MONITORINFO32 wrongSize;
    wrongSize.cbSize = 72;
    EXPECT_FALSE(platform.GetMonitorInfoA(handles.at(Main), wrongSize));
    MONITORINFO32 info;
    info.cbSize = sizeof info;
    EXPECT_FALSE(platform.GetMonitorInfoA(0, info));
    EXPECT_FALSE(platform.GetMonitorInfoA(4, info));
}

TEST(QtMonitorPlatform, MonitorSetFindsTheUpperTheLeftAndThePrimaryInThatOrder)
{
    clsMonitors set(defaultPlatform());
    std::vector<RECT32> found;
    for (const clsMonitor &m : *set.monitors)
        found.push_back({m.Left(), m.Top(), m.Right(), m.Bottom()});
    EXPECT_EQ(found, (std::vector<RECT32>{Above, Left, Main}));
    EXPECT_EQ(set.DesktopLeft(), -1280);
    EXPECT_EQ(set.DesktopWidth(), 3200);
}

// A window in the toolkit's manner: twips of the virtual desktop outside,
// Qt's pixels inside.
class WindowForm : public FormToCenter, public ReferenceObject {
public:
    explicit WindowForm(QRect qtGeometry)
    {
        window.setGeometry(qtGeometry);
        window.create();
    }
    float Width() const override { return toolkit::pixelsToTwips(window.width(), 15.0f); }
    float Height() const override { return toolkit::pixelsToTwips(window.height(), 15.0f); }
    void Move(float left, double top) override
    {
        window.setPosition(virtualDesktopToQtGlobal(
            QPoint(toolkit::twipsToPixels(left, 15.0), toolkit::twipsToPixels(top, 15.0))));
    }
    std::int64_t Property(std::string_view name) const override
    {
        if (name != "hwnd")
            throw toolkit::Error(toolkit::ErrPropertyNotFound, "no such property");
        return static_cast<std::int64_t>(window.winId());
    }

    QWindow window;
};

TEST(QtMonitorPlatform, FindsAWindowByItsNativeIdAndCentresOnItsMonitor)
{
    QtMonitorPlatform platform;
    const auto handles = handlesByRect(platform);
    clsMonitors set(platform);

    WindowForm reference(QRect(-600, -200, 400, 300)); // on the left screen
    EXPECT_EQ(set.GetMonitorFromWindow(static_cast<std::int32_t>(reference.window.winId()), DefaultToPrimary),
              handles.at(Left));

    QWindow withoutNativeWindow;
    withoutNativeWindow.setGeometry(-600, -200, 400, 300);
    EXPECT_EQ(platform.MonitorFromWindow(1000, DefaultToPrimary), 0);
    EXPECT_EQ(withoutNativeWindow.handle(), nullptr) << "the platform must not create native windows";

    WindowForm form(QRect(700, -200, 400, 300)); // on the primary
    ASSERT_TRUE(set.CenterFormOnMonitor(form, &reference));
    // The left screen spans Qt's x -640..640 and y -300..724.
    EXPECT_EQ(form.window.geometry(), QRect(-200, 62, 400, 300));
}

} // namespace
} // namespace display

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests at build time needs no screens.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
