#include "core/wizard/Obsolete.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;

const LineList kObsolete{"HGP-12|HGS-12|Hoisting Grip, standard|", "HGP-12|HGX-12|a later line|",
                         "RMA-30||Adapter without a successor|"};

TEST(Obsolete, FirstLineNamesTheReplacement)
{
    const auto r = FindReplacement(kObsolete, "HGP-12");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->part, "HGS-12");
    EXPECT_EQ(r->Text(), "HGS-12 - Hoisting Grip, standard");
    EXPECT_EQ(FindReplacement(kObsolete, "RMA-30")->Text(), " - Adapter without a successor");
    EXPECT_FALSE(FindReplacement(kObsolete, "hgp-12"));
    EXPECT_FALSE(FindReplacement(kObsolete, "HGS-12"));
}

TEST(Obsolete, OfferAsksOnlyWhileWarningsAreOn)
{
    struct Case
    {
        const char* what;
        const char* settings;
        const char* part;
        bool answer;
        const char* expected;
        int questions;
    };
    const Case cases[] = {
        {"warnings absent: kept silently", "", "HGP-12", true, "HGP-12", 0},
        {"warnings off", "[OldParts]\r\nObsoleteWarning=0\r\n", "HGP-12", true, "HGP-12", 0},
        {"accepted", "[OldParts]\r\nObsoleteWarning=1\r\n", "HGP-12", true, "HGS-12", 1},
        {"declined", "[OldParts]\r\nObsoleteWarning=1\r\n", "HGP-12", false, "HGP-12", 1},
        {"any non-zero value is on", "[OldParts]\r\nObsoleteWarning=2\r\n", "HGP-12", true, "HGS-12", 1},
        {"a part that is not obsolete", "[OldParts]\r\nObsoleteWarning=1\r\n", "HGS-12", true, "HGS-12", 0},
        {"empty replacement accepted", "[OldParts]\r\nObsoleteWarning=1\r\n", "RMA-30", true, "", 1},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("settings.dat", c.settings);
        std::vector<std::string> asked;
        const auto ask = [&](const std::string& text) {
            asked.push_back(text);
            return c.answer;
        };
        EXPECT_EQ(OfferReplacement(dir.Path(), kObsolete, c.part, ask), c.expected) << c.what;
        ASSERT_EQ(static_cast<int>(asked.size()), c.questions) << c.what;
        if (c.questions == 1) {
            EXPECT_EQ(asked[0], FindReplacement(kObsolete, c.part)->Text()) << c.what;
        }
    }
}

TEST(Obsolete, StoppingWarningsWritesTheSetting)
{
    TempDir dir;
    dir.Write("settings.dat",
              "[General]\r\nSelectCable=1\r\n\r\n[OldParts]\r\nObsoleteWarning=1\r\nObsoleteWizard=1\r\n");
    EXPECT_TRUE(ObsoleteWarningsOn(dir.Path()));
    StopObsoleteWarnings(dir.Path());
    EXPECT_FALSE(ObsoleteWarningsOn(dir.Path()));
    EXPECT_TRUE(KeepObsoleteInWizard(dir.Path()));
    EXPECT_FALSE(KeepObsoleteInList(dir.Path()));
    EXPECT_EQ(dir.Read("settings.dat"),
              "[General]\r\nSelectCable=1\r\n\r\n[OldParts]\r\nObsoleteWarning=0\r\nObsoleteWizard=1\r\n\r\n");
    int asked = 0;
    EXPECT_EQ(OfferReplacement(dir.Path(), kObsolete, "HGP-12", [&](const std::string&) { return ++asked > 0; }),
              "HGP-12");
    EXPECT_EQ(asked, 0);
}

// Accessory list: a heading, the obsolete connector, its replacement, another row.
std::vector<AccessoryListRow> ListRows(int obsoleteQty, bool obsoleteTicked, int replacementQty, bool replacementTicked)
{
    return {
        {true, "Connectors", {}, "6", 0, false},
        {false, "C12-DMX", {}, "6", obsoleteQty, obsoleteTicked},
        {false, "C12-DM", {}, "6", replacementQty, replacementTicked},
        {false, "PTK-12", {}, "9", 0, false},
    };
}

TEST(Obsolete, SubstitutionInTheAccessoryList)
{
    struct Case
    {
        const char* what;
        int obsoleteQty;
        bool obsoleteTicked;
        int replacementQty;
        bool replacementTicked;
        bool accept;
        bool replacementListed;
        // after: obsolete row, replacement row
        int qty1;
        bool tick1;
        int qty2;
        bool tick2;
        bool replaced;
        int offers;
    };
    const LineList obsolete{"C12-DMX|C12-DM|Connector|"};
    // Recommended quantity: 7 for the obsolete part, 5 for anything else.
    const Case cases[] = {
        {"accepted, replacement empty: ticked and given the old part's count", 4, true, 0, false, true, true, 0, false,
         7, true, true, 1},
        {"accepted, replacement already ordered: added, box as it was", 4, true, 2, false, true, true, 0, false, 9,
         false, true, 1},
        {"accepted, replacement at the most a row holds: stays there", 4, true, kMaxListQuantity, false, true, true, 0,
         false, kMaxListQuantity, false, true, 1},
        {"accepted while only a quantity was typed", 3, false, 0, false, true, true, 0, false, 7, true, true, 1},
        {"accepted, replacement not in the list: the old part keeps the order", 4, true, 0, false, true, false, 7, true,
         0, false, false, 1},
        {"kept and ticked: recommended quantity", 4, true, 0, false, false, true, 7, true, 0, false, false, 1},
        {"kept, typed quantity stays", 4, false, 0, false, false, true, 4, false, 0, false, false, 1},
        {"nothing ordered: not asked", 0, false, 0, false, true, true, 0, false, 0, false, false, 0},
    };
    for (const auto& c : cases) {
        auto rows = ListRows(c.obsoleteQty, c.obsoleteTicked, c.replacementQty, c.replacementTicked);
        if (!c.replacementListed)
            rows[2].part = "C78-DM";
        int offers = 0;
        const auto offer = [&](std::string_view part) {
            ++offers;
            return c.accept ? std::string("C12-DM") : std::string(part);
        };
        std::vector<std::string> asked;
        const auto recommended = [&](std::string_view part, std::string_view section) {
            asked.push_back(std::string(part) + "@" + std::string(section));
            return part == "C12-DMX" ? 7 : 5;
        };
        const ListSubstitution s = SubstituteInList(rows, 1, obsolete, offer, recommended);
        EXPECT_EQ(s.replaced, c.replaced) << c.what;
        EXPECT_EQ(offers, c.offers) << c.what;
        EXPECT_EQ(rows[1].quantity, c.qty1) << c.what;
        EXPECT_EQ(rows[1].useRecommended, c.tick1) << c.what;
        EXPECT_EQ(rows[2].quantity, c.qty2) << c.what;
        EXPECT_EQ(rows[2].useRecommended, c.tick2) << c.what;
        EXPECT_EQ(s.replacementRow.has_value(), c.replaced && c.replacementListed) << c.what;
        EXPECT_EQ(s.missingReplacement.has_value(), c.accept && c.offers == 1 && !c.replacementListed) << c.what;
        if (s.replacementRow) {
            EXPECT_EQ(*s.replacementRow, 2u) << c.what;
        }
        // The hand-over is counted for the old part under the section of the row that receives it.
        if (!asked.empty()) {
            EXPECT_EQ(asked, std::vector<std::string>{"C12-DMX@6"}) << c.what;
        }
        EXPECT_EQ(rows[0].quantity, 0) << c.what << ": the heading is left alone";
    }
}

TEST(Obsolete, CurrentPartInTheListGetsItsRecommendedQuantity)
{
    auto rows = ListRows(0, false, 0, true);
    int offers = 0;
    const auto s = SubstituteInList(
        rows, 2, LineList{"C12-DMX|C12-DM|Connector|"},
        [&](std::string_view p) {
            ++offers;
            return std::string(p);
        },
        [](std::string_view part, std::string_view section) { return part == "C12-DM" && section == "6" ? 5 : -1; });
    EXPECT_FALSE(s.replaced);
    EXPECT_EQ(offers, 0);
    EXPECT_EQ(rows[2].quantity, 5);
}

} // namespace
} // namespace tav
