// Which monitor answers for a rectangle, as the Qt platform and the fake decide it.
#include <gtest/gtest.h>

#include <vector>

#include "display/MonitorPick.h"

namespace display {
namespace {

TEST(PickMonitor, LargestShareWinsAndFlagsDecideForNone)
{
    // A left of B, B primary; edges are exclusive.
    const std::vector<RECT32> monitors{{0, 0, 100, 100}, {100, 0, 300, 100}};
    struct Case {
        const char *name;
        RECT32 rect;
        std::uint32_t flags;
        int expected;
    };
    const Case cases[] = {
        {"InsideFirst", {10, 10, 20, 20}, DefaultToNull, 0},
        {"MostlyOnSecond", {90, 10, 120, 20}, DefaultToNull, 1},
        {"EvenSplit_EarlierWins", {90, 10, 110, 20}, DefaultToNull, 0},
        {"PixelOnTheSharedEdge_BelongsToTheRightOne", {100, 0, 101, 1}, DefaultToNull, 1},
        {"EmptyRect_CountsAsItsCorner", {150, 50, 150, 50}, DefaultToNull, 1},
        {"Outside_Null", {400, 50, 401, 51}, DefaultToNull, -1},
        {"Outside_Primary", {-50, 50, -49, 51}, DefaultToPrimary, 1},
        {"Outside_NearestLeft", {-50, 50, -49, 51}, DefaultToNearest, 0},
        {"Outside_NearestRight", {400, 50, 401, 51}, DefaultToNearest, 1},
        {"BelowTheBottomEdge_Null", {10, 100, 11, 101}, DefaultToNull, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pickMonitor(c.rect, monitors, 1, c.flags), c.expected) << c.name;
}

} // namespace
} // namespace display
