// The monitor set on scripted layouts: what Refresh finds, in which order, and
// what it makes of platform failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeMonitorPlatform.h"
#include "display/clsMonitors.h"

namespace display::testing {
namespace {

constexpr RECT32 Primary{0, 0, 1920, 1080};

clsMonitor record(std::int32_t handle, RECT32 rect, RECT32 work, bool mainDisplay)
{
    clsMonitor m;
    m.setHandle(handle);
    m.setLeft(rect.left);
    m.setRight(rect.right);
    m.setTop(rect.top);
    m.setBottom(rect.bottom);
    m.setWorkLeft(work.left);
    m.setWorkRight(work.right);
    m.setWorkTop(work.top);
    m.setWorkBottom(work.bottom);
    m.setWidth(rect.right - rect.left);
    m.setHeight(rect.bottom - rect.top);
    m.setMainDisplay(mainDisplay);
    return m;
}

clsMonitor plain(std::int32_t handle, RECT32 rect) { return record(handle, rect, rect, false); }

std::vector<clsMonitor> recordsOf(const MonitorCollection &collection)
{
    std::vector<clsMonitor> records;
    for (const clsMonitor &m : collection)
        records.push_back(m);
    return records;
}

// The collection has no look-up by key; a second add under the same key tells.
bool holdsKey(MonitorCollection &collection, const std::string &key)
{
    try {
        collection.Add(std::make_shared<clsMonitor>(), key);
    } catch (const toolkit::Error &error) {
        return error.number() == toolkit::ErrDuplicateKey;
    }
    collection.Remove(collection.Count());
    return false;
}

struct Desktop {
    std::int32_t left, top, width, height;
    bool operator==(const Desktop &) const = default;
};

struct RefreshCase {
    const char *name;
    std::vector<FakeMonitor> monitors;
    std::vector<clsMonitor> expected; // in discovery order, keyed by handle
    std::optional<Desktop> desktop;   // none: the metrics raise 453
    std::map<std::int32_t, std::int32_t> pinned = {};
    std::map<std::string, int> errors = {};
    std::set<std::int32_t> failingInfo = {};
    std::pair<int, int> screenPixels = {1920, 1080};
};

void PrintTo(const RefreshCase &c, std::ostream *os) { *os << c.name; }

const RefreshCase refreshCases[] = {
    {"NoMultiMonitorSupport_OneRecordFromScreen",
     {},
     {record(0, {0, 0, 1024, 768}, {0, 0, 1024, 768}, true)},
     Desktop{0, 0, 1024, 768},
     // The virtual-desktop metrics must not be read without multi-monitor support.
     {{MetricMonitorCount, 0}, {MetricVirtualLeft, 5}, {MetricVirtualTop, 5}, {MetricVirtualWidth, 1}, {MetricVirtualHeight, 1}},
     {},
     {},
     {1024, 768}},
    {"OneMonitor_DuplicateProbesDropped",
     {{101, Primary, {}, true}},
     {plain(101, Primary)},
     Desktop{0, 0, 1920, 1080}},
    {"MonitorAbovePrimary_ComesFirst",
     {{101, Primary, {}, true}, {202, {0, -1080, 1920, 0}}},
     {plain(202, {0, -1080, 1920, 0}), plain(101, Primary)},
     Desktop{0, -1080, 1920, 2160}},
    {"MonitorLeftOfPrimary_ComesFirst",
     {{101, Primary, {}, true}, {303, {-1280, 0, 0, 1024}}},
     {plain(303, {-1280, 0, 0, 1024}), plain(101, Primary)},
     Desktop{-1280, 0, 3200, 1080}},
    {"MonitorNarrowerThanCell_Missed",
     // The cell centre x = 2240 falls just past its right edge.
     {{101, Primary, {}, true}, {404, {1920, 0, 2240, 1080}}},
     {plain(101, Primary)},
     Desktop{0, 0, 2240, 1080}},
    {"TaskBarOnPrimary_MarksItMain",
     {{101, Primary, {0, 0, 1920, 1040}, true}, {505, {1920, 0, 3200, 1024}}},
     {record(101, Primary, {0, 0, 1920, 1040}, true), plain(505, {1920, 0, 3200, 1024})},
     Desktop{0, 0, 3200, 1080}},
    {"TaskBarOnLeftEdgeOfSecondary_MarksThatOne",
     {{101, Primary, {}, true}, {505, {1920, 0, 3200, 1024}, {1980, 0, 3200, 1024}}},
     {plain(101, Primary), record(505, {1920, 0, 3200, 1024}, {1980, 0, 3200, 1024}, true)},
     Desktop{0, 0, 3200, 1080}},
    {"PlatformReportsLessThanScreen_DesktopKeepsScreenSize",
     {{101, Primary, {}, true}},
     {plain(101, Primary)},
     Desktop{0, 0, 1920, 1080},
     {{MetricVirtualWidth, 800}, {MetricVirtualHeight, 600}}},
    {"NegativeHandle_KeyedWithMinus",
     {{-7, Primary, {}, true}},
     {plain(-7, Primary)},
     Desktop{0, 0, 1920, 1080}},
    // Regression: a monitor whose GetMonitorInfoA answered 0 used to be kept
    // as an all-zero record, which a backdrop then covered with a 0 x 0 window.
    {"MonitorInfoFails_RecordDropped",
     {{101, Primary, {}, true}, {505, {1920, 0, 3200, 1024}}},
     {plain(101, Primary)},
     Desktop{0, 0, 3200, 1080},
     {},
     {},
     {505}},
    {"GetSystemMetricsMissing_NoRecords",
     {{101, Primary, {}, true}},
     {},
     std::nullopt,
     {},
     {{"GetSystemMetrics", toolkit::ErrFunctionMissing}}},
    // Regression: every probe answered -1, and one all-zero record "-1" was kept.
    {"MonitorFromRectMissing_NoRecords",
     {{101, Primary, {}, true}},
     {},
     Desktop{0, 0, 1920, 1080},
     {},
     {{"MonitorFromRect", toolkit::ErrFunctionMissing}}},
    // Regression: the records were kept as created, all zero.
    {"GetMonitorInfoMissing_NoRecords",
     {{101, Primary, {}, true}, {505, {1920, 0, 3200, 1024}}},
     {},
     Desktop{0, 0, 3200, 1080},
     {},
     {{"GetMonitorInfoA", toolkit::ErrFunctionMissing}}},
};

class RefreshTest : public ::testing::TestWithParam<RefreshCase> {};

TEST_P(RefreshTest, FindsTheRecordsInScanOrder)
{
    const RefreshCase &c = GetParam();
    FakeMonitorPlatform platform;
    platform.monitors = c.monitors;
    platform.pinnedMetrics = c.pinned;
    platform.errors = c.errors;
    platform.failingInfo = c.failingInfo;
    platform.screen.width = c.screenPixels.first * 15.0f;
    platform.screen.height = c.screenPixels.second * 15.0f;

    clsMonitors set(platform);

    EXPECT_EQ(recordsOf(*set.monitors), c.expected);
    for (const clsMonitor &m : c.expected)
        EXPECT_TRUE(holdsKey(*set.monitors, std::to_string(m.handle()))) << "key of handle " << m.handle();

    if (c.desktop) {
        EXPECT_EQ((Desktop{set.DesktopLeft(), set.DesktopTop(), set.DesktopWidth(), set.DesktopHeight()}), *c.desktop);
    } else {
        try {
            set.DesktopLeft();
            ADD_FAILURE() << "DesktopLeft raised nothing";
        } catch (const toolkit::Error &error) {
            EXPECT_EQ(error.number(), toolkit::ErrFunctionMissing);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, RefreshTest, ::testing::ValuesIn(refreshCases),
                         [](const auto &info) { return std::string(info.param.name); });

std::vector<std::int32_t> distinct(std::vector<std::int32_t> values)
{
    std::vector<std::int32_t> seen;
    for (std::int32_t v : values)
        if (std::find(seen.begin(), seen.end(), v) == seen.end())
            seen.push_back(v);
    return seen;
}

TEST(MonitorScan, ProbesCellCentresRowByRowUpToTheDesktopSize)
{
    FakeMonitorPlatform one;
    one.monitors = {{101, Primary, {}, true}};
    clsMonitors set(one);

    std::vector<Probe> expected;
    for (std::int32_t y : {240, 720, 1200})
        for (std::int32_t x : {320, 960, 1600, 2240})
            expected.push_back({{x, y, x + 1, y + 1}, DefaultToNull});
    EXPECT_EQ(one.probes, expected);

    // Rows run from the top edge up to the height itself, not to the bottom edge.
    FakeMonitorPlatform above;
    above.monitors = {{101, Primary, {}, true}, {202, {0, -1080, 1920, 0}}};
    clsMonitors aboveSet(above);
    std::vector<std::int32_t> rows;
    for (const Probe &p : above.probes)
        rows.push_back(p.rect.top);
    EXPECT_EQ(distinct(rows), (std::vector<std::int32_t>{-840, -360, 120, 600, 1080, 1560, 2040}));
    EXPECT_EQ(above.probes.size(), 7u * 4u);
}

TEST(MonitorRefresh, RebuildsTheSameRecordsAndLetsGoOfTheOldCollection)
{
    FakeMonitorPlatform platform;
    platform.monitors = {{101, Primary, {0, 0, 1920, 1040}, true},
                         {202, {0, -1080, 1920, 0}},
                         {303, {-1280, 0, 0, 1024}}};
    clsMonitors set(platform);
    const std::shared_ptr<MonitorCollection> first = set.monitors.get();
    const std::vector<clsMonitor> before = recordsOf(*first);
    ASSERT_EQ(before.size(), 3u);

    set.Refresh();

    EXPECT_NE(set.monitors.get(), first);
    EXPECT_EQ(recordsOf(*set.monitors), before);
    EXPECT_EQ(recordsOf(*first), before) << "the old collection must not be emptied";
}

TEST(MonitorRefresh, AnErrorEndsItQuietlyKeepingWhatWasFound)
{
    // Before the first add: the member is left without a collection, and a
    // reader gets a new, empty one.
    FakeMonitorPlatform early;
    early.monitors = {{101, Primary, {}, true}};
    early.beforeMetric = [](std::int32_t index) {
        if (index == MetricVirtualHeight)
            throw toolkit::Error(toolkit::ErrInvalidProcedureCall, "Invalid procedure call");
    };
    clsMonitors earlySet(early);
    EXPECT_FALSE(earlySet.monitors.holdsObject());
    EXPECT_EQ(earlySet.monitors->Count(), 0);

    // In the second row (the width is read anew for every row): the first
    // row's monitor stays, the one below is never reached.
    FakeMonitorPlatform late;
    late.monitors = {{101, Primary, {}, true}, {606, {0, 1080, 1920, 2160}}};
    int widthReads = 0;
    late.beforeMetric = [&widthReads](std::int32_t index) {
        if (index == MetricVirtualWidth && ++widthReads == 2)
            throw std::runtime_error("not a toolkit error either");
    };
    clsMonitors lateSet(late);
    EXPECT_EQ(recordsOf(*lateSet.monitors), (std::vector<clsMonitor>{plain(101, Primary)}));
}

TEST(MonitorFromPoint, AsksForTheOnePixelAndTurnsFailuresIntoMinusOne)
{
    struct Case {
        const char *name;
        std::int32_t x, y, flags;
        std::map<std::string, int> errors;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"OnPrimary", 5, 7, DefaultToNull, {}, 101},
        {"OnSecondary", 2000, 10, DefaultToNull, {}, 505},
        {"OffDesktop_Null", -1, -1, DefaultToNull, {}, 0},
        {"OffDesktop_Primary", -1, -1, DefaultToPrimary, {}, 101},
        {"MonitorFromRectMissing", 5, 7, DefaultToNull, {{"MonitorFromRect", toolkit::ErrFunctionMissing}}, -1},
        {"MonitorFromRectOtherError", 5, 7, DefaultToNull, {{"MonitorFromRect", toolkit::ErrInvalidProcedureCall}}, -1},
        // Regression guard: X + 1 must not wrap around to the far left.
        {"RightEdgeOfTheNumberRange", 2147483647, 7, DefaultToPrimary, {}, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeMonitorPlatform platform;
        platform.monitors = {{101, Primary, {}, true}, {505, {1920, 0, 3200, 1024}}};
        clsMonitors set(platform);
        platform.probes.clear();
        platform.errors = c.errors;

        EXPECT_EQ(set.GetMonitorFromXYPoint(c.x, c.y, c.flags), c.expected);
        if (c.errors.empty() && c.expected != -1) {
            EXPECT_EQ(platform.probes,
                      (std::vector<Probe>{{{c.x, c.y, c.x + 1, c.y + 1}, static_cast<std::uint32_t>(c.flags)}}));
        }
    }
}

TEST(MonitorFromWindow, MissingFunctionGivesMinusOneAnyOtherFailureZero)
{
    struct Case {
        const char *name;
        std::int32_t hwnd;
        std::map<std::string, int> errors;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"WindowOnSecondary", 42, {}, 505},
        {"UnknownWindow", 99, {}, 0},
        {"Missing", 42, {{"MonitorFromWindow", toolkit::ErrFunctionMissing}}, -1},
        {"OtherError", 42, {{"MonitorFromWindow", toolkit::ErrInvalidProcedureCall}}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FakeMonitorPlatform platform;
        platform.monitors = {{101, Primary, {}, true}, {505, {1920, 0, 3200, 1024}}};
        platform.windows = {{42, {2000, 100, 2400, 400}}};
        platform.errors = c.errors;
        clsMonitors set(platform);

        EXPECT_EQ(set.GetMonitorFromWindow(c.hwnd, DefaultToPrimary), c.expected);
    }
}

} // namespace
} // namespace display::testing
