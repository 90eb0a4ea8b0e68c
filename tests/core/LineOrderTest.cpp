#include "core/materials/LineOrder.h"

#include "core/materials/PriceList.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(LineOrder, TheLineRowsQuantityIsExactAndRoundedUpOnce)
{
    const std::string perFoot = "P|CBL|KF114|FT|1-1/4 in. foam coax|9.43|";
    const std::string perMetre = "P|CBL|KF114|m|1-1/4 in. foam coax|30.94|";
    const std::string perReel = "P|CBL|KF114|EA|1-1/4 in. foam coax, reel|2091.50|";
    const std::string unpriced = "P|CBL|KF114|FT|1-1/4 in. foam coax||";
    struct Case
    {
        const char* what;
        LineRun run;
        std::string record;
        std::string overrides;
        int quantity;
        bool meters;
        const char* cost;
    };
    const Case cases[] = {
        {"feet, sold by the foot", {50, 120, false, 6, 0}, perFoot, "", 1020, false, "$9618.60"},
        // 100 x 1.1 is a hair above 110 in binary; a foot too many is a real cost.
        {"ten percent for waste", {40, 60, false, 1, 10}, perFoot, "", 110, false, "$1037.30"},
        {"a microsite doubles the runs", {50, 120, false, 12, 10}, perFoot, "", 2244, false, "$21160.92"},
        {"metres on the page, sold by the foot", {5, 30.5, true, 3, 0}, perFoot, "", 350, false, "$3300.50"},
        {"feet on the page, sold by the metre", {0, 100, false, 1, 0}, perMetre, "", 31, true, "$959.14"},
        {"a part of a metre is a metre", {0.25, 12, true, 2, 0}, perMetre, "", 25, true, "$773.50"},
        {"another unit: the list's", {10, 2.5, true, 1, 0}, perReel, "", 13, true, "$27189.50"},
        {"no price record", {15, 100, false, 3, 0}, EmptyPriceRecord(), "", 345, false, "N/A"},
        {"a record without a price", {15, 100, false, 3, 0}, unpriced, "", 345, false, "N/A"},
        {"an override", {15, 100, false, 3, 10}, perFoot, "KF11|5|\r\nKF114|400|\r\n", 400, false, "$3772.00"},
        {"waste above 100 counts as 100", {10, 0, false, 1, 250}, perFoot, "", 20, false, "$188.60"},
        {"no runs", {10, 0, false, 0, 0}, perFoot, "", 0, false, "$0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LineOrderItem item = OrderLine(c.run, "KF114", c.record, c.overrides);
        EXPECT_EQ(item.quantity, c.quantity);
        EXPECT_EQ(item.meters, c.meters);
        EXPECT_EQ(item.costText, c.cost);
    }
}

} // namespace
} // namespace tav
