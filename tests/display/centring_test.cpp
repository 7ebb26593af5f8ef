// Centring a window on a monitor, on the screen, or not at all.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "FakeMonitorPlatform.h"
#include "display/clsMonitors.h"

namespace display::testing {
namespace {

constexpr RECT32 Primary{0, 0, 1920, 1080};
constexpr RECT32 Right{1920, 0, 3200, 1024};

class Form : public FormToCenter {
public:
    Form(float width, float height) : m_width(width), m_height(height) {}
    float Width() const override { return m_width; }
    float Height() const override { return m_height; }
    void Move(float left, double top) override
    {
        ++moves;
        position = {left, top};
    }

    int moves = 0;
    std::pair<float, double> position;

private:
    float m_width, m_height;
};

class Reference : public ReferenceObject {
public:
    std::map<std::string, std::int64_t, std::less<>> properties;
    std::int64_t Property(std::string_view name) const override
    {
        const auto found = properties.find(name);
        if (found == properties.end())
            throw toolkit::Error(toolkit::ErrPropertyNotFound, "Object doesn't support this property or method");
        return found->second;
    }
};

enum class Ref { None, Hwnd42, UnknownHwnd, NoHwnd, HwndBeyond32Bits };

struct CentringCase {
    const char *name;
    std::vector<FakeMonitor> monitors;
    Ref reference;
    std::pair<float, float> form;
    std::optional<std::pair<float, double>> expected; // none: not moved
    std::map<std::string, int> errors = {};
    std::set<std::int32_t> failingInfo = {};
    float twipsPerPixel = 15.0f;
    RECT32 window = {2000, 100, 2400, 400}; // where window 42 stands
};

void PrintTo(const CentringCase &c, std::ostream *os) { *os << c.name; }

const std::vector<FakeMonitor> primaryOnly{{101, Primary, {}, true}};
const std::vector<FakeMonitor> twoMonitors{{101, Primary, {}, true}, {505, Right}};
// The window's size in twips that leaves a given difference to the primary's
// 1920 x 1080 pixel work area at 15 twips per pixel.
constexpr float widthLeaving(float difference) { return 1920 * 15 - difference; }

const CentringCase centringCases[] = {
    {"NoReference_TaskBarAtBottom",
     {{101, Primary, {0, 0, 1920, 1040}, true}}, Ref::None, {6000, 4000},
     std::pair{11400.0f, 5800.0}},
    // The band starts at the monitor's top, not at the work area's.
    {"NoReference_TaskBarAtTop_SameAsAtBottom",
     {{101, Primary, {0, 40, 1920, 1080}, true}}, Ref::None, {6000, 4000},
     std::pair{11400.0f, 5800.0}},
    {"NoReference_TaskBarAtLeft_CountsFromMonitorLeft",
     {{101, Primary, {40, 0, 1920, 1080}, true}}, Ref::None, {6000, 4000},
     std::pair{11100.0f, 6100.0}},
    {"ReferenceOnSecondMonitor_LandsThere",
     twoMonitors, Ref::Hwnd42, {6000, 4000},
     std::pair{15 * 1920 + 6600.0f, 5680.0}},
    {"WiderThanWorkAreaBy301_HalfTruncatesTowardZero",
     primaryOnly, Ref::None, {widthLeaving(-301), 4000},
     std::pair{-150.0f, 6100.0}},
    {"Difference500_5_TieToEven",
     primaryOnly, Ref::None, {widthLeaving(500.5f), 4000},
     std::pair{250.0f, 6100.0}},
    {"Difference501_5_TieToEven",
     primaryOnly, Ref::None, {widthLeaving(501.5f), 4000},
     std::pair{251.0f, 6100.0}},
    {"NoMonitorFound_CentresOnScreen",
     twoMonitors, Ref::UnknownHwnd, {6001, 4001},
     std::pair{11399.0f, 6099.0}},
    {"NoMultiMonitorFunctions_CentresOnScreen",
     twoMonitors, Ref::None, {6001, 4001},
     std::pair{11399.0f, 6099.0}, allMissing()},
    {"NoMultiMonitorFunctionsWithReference_CentresOnScreen",
     twoMonitors, Ref::Hwnd42, {6001, 4001},
     std::pair{11399.0f, 6099.0}, allMissing()},
    {"MonitorFromWindowFails_CentresOnScreen",
     twoMonitors, Ref::Hwnd42, {6001, 4001},
     std::pair{11399.0f, 6099.0}, {{"MonitorFromWindow", toolkit::ErrInvalidProcedureCall}}},
    {"ReferenceWithoutHwnd_NothingMoves",
     twoMonitors, Ref::NoHwnd, {6000, 4000}, std::nullopt},
    {"HwndBeyond32Bits_NothingMoves",
     twoMonitors, Ref::HwndBeyond32Bits, {6000, 4000}, std::nullopt},
    {"MonitorInfoAnswersZero_NothingMovesNoScreenFallback",
     primaryOnly, Ref::None, {6000, 4000}, std::nullopt, {}, {101}},
    // Left goes out in single precision, Top stays in double (1440 / 109 dpi).
    {"FractionalTwipsPerPixel_TopKeepsDoublePrecision",
     {{101, Primary, {}, true}, {505, {1921, -1081, 3201, -57}}}, Ref::Hwnd42, {6000, 4000},
     std::pair{30833.34765625f, -9517.100756645203}, {}, {}, 1440.0f / 109, {2000, -1000, 2400, -700}},
};

class CentringTest : public ::testing::TestWithParam<CentringCase> {};

TEST_P(CentringTest, MovesTheWindowOrLeavesIt)
{
    const CentringCase &c = GetParam();
    FakeMonitorPlatform platform;
    platform.monitors = c.monitors;
    platform.windows = {{42, c.window}};
    platform.screen.twipsPerPixelX = platform.screen.twipsPerPixelY = c.twipsPerPixel;
    clsMonitors set(platform);
    platform.errors = c.errors;
    platform.failingInfo = c.failingInfo;

    Reference reference;
    switch (c.reference) {
    case Ref::Hwnd42: reference.properties["hwnd"] = 42; break;
    case Ref::UnknownHwnd: reference.properties["hwnd"] = 99; break;
    case Ref::HwndBeyond32Bits: reference.properties["hwnd"] = std::int64_t(1) << 32; break;
    case Ref::NoHwnd: reference.properties["Caption"] = 1; break;
    case Ref::None: break;
    }
    Form form(c.form.first, c.form.second);

    const bool moved = set.CenterFormOnMonitor(form, c.reference == Ref::None ? nullptr : &reference);

    EXPECT_EQ(moved, c.expected.has_value());
    if (!c.expected) {
        EXPECT_EQ(form.moves, 0);
        return;
    }
    ASSERT_EQ(form.moves, 1);
    EXPECT_EQ(form.position.first, c.expected->first);
    EXPECT_DOUBLE_EQ(form.position.second, c.expected->second);
}

INSTANTIATE_TEST_SUITE_P(Cases, CentringTest, ::testing::ValuesIn(centringCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Centring, AsksForPixelOneOneOrTheReferenceWindowWithThePrimaryAsDefault)
{
    FakeMonitorPlatform platform;
    platform.monitors = twoMonitors;
    platform.windows = {{42, {2000, 100, 2400, 400}}};
    clsMonitors set(platform);
    platform.probes.clear();
    Form form(6000, 4000);

    set.CenterFormOnMonitor(form);
    EXPECT_EQ(platform.probes, (std::vector<Probe>{{{1, 1, 2, 2}, DefaultToPrimary}}));

    Reference reference;
    reference.properties["hwnd"] = 42;
    set.CenterFormOnMonitor(form, &reference);
    EXPECT_EQ(platform.windowQueries, (std::vector<std::pair<std::int32_t, std::uint32_t>>{{42, DefaultToPrimary}}));
}

} // namespace
} // namespace display::testing
