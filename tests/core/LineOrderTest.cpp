#include "core/materials/LineOrder.h"

#include "core/materials/PriceList.h"
#include "support/TempDir.h"

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

TEST(LineOrder, TheSelectedLineHeadsItsSectionAtItsOwnQuantity)
{
    const LineList tlines{"KF114-50-P2|KF114|1700|2200|FOAM|1-1/4|0.02|0.0001|4|160|50|1-1/4 in. foam coax|x.gif|"};
    const std::vector<ListSection> sections{{"1", "Hangers"}, {"5", "Cable Entry"}, {"9", "Tools"}};
    struct Case
    {
        const char* what;
        LineOptions options;
        const char* part;
        const char* section; // nullptr: not on the list
    };
    const Case cases[] = {
        {"off", {false, 10, "5", true}, "KF114-50-P2", nullptr},
        {"no section chosen: the first", {true, 10, "", false}, "kf114-50-p2", "1"},
        {"the chosen section", {true, 10, "5", false}, "KF114-50-P2", "5"},
        {"a section the table lacks: the first", {true, 10, "42", false}, "KF114-50-P2", "1"},
        {"no line selected", {true, 10, "5", false}, "", nullptr},
        {"a part the catalogue lacks", {true, 10, "5", false}, "KF12-50-C9", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto line = LineOnList(c.options, tlines, c.part, sections);
        ASSERT_EQ(line.has_value(), c.section != nullptr);
        if (line) {
            EXPECT_EQ(line->part, "KF114-50-P2") << "the catalogue's spelling";
            EXPECT_EQ(line->section, c.section);
        }
    }

    // Offered ahead of the items of its section, ticked; every other row keeps the rules' quantity.
    const LineListItem line = *LineOnList({true, 10, "9", false}, tlines, "KF114-50-P2", sections);
    std::vector<AccessoryItem> items{{"1=CUT-158|Cable cutter|9|", "KF114", 0}, {"2=EB5|Entry boot|5|", "KF114", 1}};
    OfferLineItem(items, line);
    std::vector<AccessoryListRow> rows = LayOutAccessoryList(items, sections, {}, false);
    TickLineRow(rows, line);
    std::vector<std::string> shown;
    for (const AccessoryListRow& r : rows)
        shown.push_back((r.heading ? "# " : "") + r.part + (r.useRecommended ? " (ticked)" : ""));
    EXPECT_EQ(shown, (std::vector<std::string>{"# Cable Entry", "EB5", "# Tools", "KF114-50-P2 (ticked)", "CUT-158"}));

    test::TempDir dir;
    dir.Write("advanced.dat", "CUT-158|4|\r\n");
    QuantityInputs in;
    in.dataFolder = dir.Path();
    in.horizontalLength = 50;
    in.verticalLength = 120;
    in.runsCount = 6;
    const auto recommended = ListRecommendations(
        in, line, [](std::string_view) { return std::string_view("P|CBL|KF114-50-P2|FT|1-1/4 in. foam coax|9.43|"); });
    EXPECT_EQ(recommended("KF114-50-P2", "9"), 1122) << "(50 + 120) ft x 6 runs + 10 %";
    EXPECT_EQ(recommended("CUT-158", "9"), 4) << "advanced.dat, as for any part";
    EXPECT_EQ(recommended("KF114-50-P2", "5"), 1) << "the same part under another heading is an ordinary item";
}

} // namespace
} // namespace tav
