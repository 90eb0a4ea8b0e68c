#include "core/wizard/Quantities.h"

#include "core/common/Errors.h"
#include "core/settings/QuantityOverrides.h"
#include "core/wizard/Selection.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;

// A data folder with settings.dat and advanced.dat built per case: the unit-pack and
// hanger sections always exist, and a case adds its own lines to either.
class QuantityData
{
public:
    explicit QuantityData(const std::string& packLines = "", const std::string& hangerLines = "",
                          const std::string& advanced = "", const std::string& other = "")
    {
        dir.Write("settings.dat", "[General]\r\nSelectCable=0\r\n\r\n"
                                  "[UnitPack]\r\nAll=10\r\nPK5=PK5|5|\r\nPK2a=PK2|3|\r\nPK2b=PK2|2|\r\nlow=pk5|7|\r\n" +
                                      packLines +
                                      "\r\n[KF12]\r\nH1=LSH-12|2|3|\r\nH2=KOVA|2|3|\r\nH3=kova|2|3|\r\n"
                                      "H4=DUP|1|2|\r\nH5=DUP|1|4|\r\n" +
                                      hangerLines + "\r\n" + other);
        dir.Write("advanced.dat", advanced);
    }

    QuantityInputs Inputs(double h, double v, int runs, bool meters = false, const std::string& diameter = "1/2",
                          const std::string& key = "KF12") const
    {
        QuantityInputs in;
        in.dataFolder = dir.Path();
        in.horizontalLength = h;
        in.verticalLength = v;
        in.meters = meters;
        in.runsCount = runs;
        in.cableKey = key;
        in.diameter = diameter;
        return in;
    }

    TempDir dir;
};

TEST(AttachmentQuantity, LengthPackSpacingAndCeilings)
{
    struct Case
    {
        const char* what;
        double h, v;
        bool meters;
        int runs;
        const char* key;
        const char* part;
        int slot;
        int expected;
        const char* packLines = "";
        const char* hangerLines = "";
    };
    const Case cases[] = {
        {"vertical slot, spacing 3, pack 10", 15, 100, false, 3, "KF12", "LSH-12", 6, 10},
        {"vertical hardware slot", 15, 100, false, 3, "KF12", "LSH-12", 9, 10},
        {"horizontal slot takes the horizontal length", 15, 100, false, 3, "KF12", "LSH-12", 0, 2},
        {"horizontal hardware slot", 15, 100, false, 3, "KF12", "LSH-12", 3, 2},
        {"meters: ceiling, times 3.2808, ceiling again", 0, 30.5, true, 3, "KF12", "LSH-12", 6, 11},
        {"meters on the horizontal side", 30.5, 0, true, 3, "KF12", "LSH-12", 3, 11},
        {"no records: pack 10, spacing 1", 15, 100, false, 3, "KF12", "XYZ", 6, 30},
        {"a fractional length is raised first", 15, 100.2, false, 3, "KF12", "LSH-12", 6, 11},
        {"ceiling, not the nearest number", 15, 91, false, 3, "KF12", "LSH-12", 6, 10},
        {"exact quotient is not raised", 15, 90, false, 3, "KF12", "LSH-12", 6, 9},
        {"own unit pack", 15, 100, false, 3, "KF12", "PK5", 6, 60},
        {"last unit-pack record of a part counts", 15, 100, false, 3, "KF12", "PK2", 6, 150},
        {"unit-pack part compared with case", 15, 100, false, 3, "KF12", "pk5", 6, 43},
        {"hanger part compared with case", 15, 100, false, 3, "KF12", "lsh-12", 6, 30},
        {"last hanger record of a part counts", 15, 100, false, 3, "KF12", "DUP", 6, 8},
        {"hanger section found without regard to case", 15, 100, false, 3, "kf12", "LSH-12", 6, 10},
        {"another cable's hangers do not count", 15, 100, false, 3, "KF78", "LSH-12", 6, 30},
        {"decimal spacing that is inexact in binary", 0, 7, false, 3, "KF12", "SEVEN", 6, 30, "P7=SEVEN|1|\r\n",
         "H7=SEVEN|1|0.7|\r\n"},
        {"decimal spacing", 0, 100, false, 3, "KF12", "HALF", 6, 9, "", "H8=HALF|3|3.5|\r\n"},
        {"a second line of the same name shows the first line's value", 0, 100, false, 3, "KF12", "SAME", 6, 30,
         "PK5=SAME|1|\r\n"},
        {"runs count 0", 15, 100, false, 0, "KF12", "LSH-12", 6, 0},
        {"pack 0 falls back to 10", 0, 100, false, 3, "KF12", "ZP", 6, 30, "Z=ZP|0|\r\n"},
        {"negative pack falls back to 10", 0, 100, false, 3, "KF12", "NP", 6, 30, "N=NP|-5|\r\n"},
        {"spacing 0 falls back to 1", 0, 100, false, 3, "KF12", "ZS", 6, 30, "", "Z=ZS|1|0|\r\n"},
        {"negative spacing falls back to 1", 0, 100, false, 3, "KF12", "NS", 6, 30, "", "N=NS|1|-2.5|\r\n"},
        {"a negative length counts as none", 0, -50, false, 3, "KF12", "LSH-12", 6, 0},
        {"a real fraction of a long run is raised", 0, 244651, true, 1, "KF12", "ONE", 6, 802652, "P1=ONE|1|\r\n"},
    };
    for (const auto& c : cases) {
        QuantityData data(c.packLines, c.hangerLines);
        QuantityInputs in = data.Inputs(c.h, c.v, c.runs, c.meters);
        in.cableKey = c.key;
        EXPECT_EQ(AttachmentQuantity(in, c.part, c.slot), c.expected) << c.what;
    }
}

TEST(AttachmentQuantity, AllPackSettingAndItsFallback)
{
    struct Case
    {
        const char* all;
        const char* own; // the part's own unit-pack line
        int expected;
    };
    // 3 runs over 100 ft with spacing 1.
    const Case cases[] = {
        {"All=20", "", 15}, {"All=0", "", 30},        {"All=-4", "", 30},        {"All=abc", "", 30},
        {"", "", 30},       {"All=20", "Z=P|0|", 15}, {"All=20", "Z=P|-2|", 15}, {"All=0", "Z=P|0|", 30},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("settings.dat", std::string("[UnitPack]\r\n") + c.all + "\r\nX=OTHER|2|\r\n" + c.own + "\r\n");
        dir.Write("advanced.dat", "");
        QuantityInputs in;
        in.dataFolder = dir.Path();
        in.verticalLength = 100;
        in.runsCount = 3;
        EXPECT_EQ(AttachmentQuantity(in, "P", 6), c.expected) << c.all << " " << c.own;
    }
}

TEST(AttachmentQuantity, AdapterRuleFollowsTheDiameter)
{
    struct Case
    {
        const char* part;
        int runs;
        double v;
        const char* diameter;
        int expected;
    };
    // 5 runs over 60 ft with spacing 3: 10 before the rule.
    const Case cases[] = {
        {"KOVA", 5, 60, "1/2", 4},                                 // 2 adapters: ceil(10 / 5 * 2)
        {"KOVA", 5, 60, "7/8", 4},    {"KOVA", 5, 60, "1-1/4", 6}, // 3 adapters
        {"KOVA", 5, 60, "1/2\"", 6},                               // only the exact text counts
        {"KOVA", 5, 60, "", 6},       {"kova", 5, 60, "1/2", 10},  // the rule is for that exact part number
        {"KOVA", 3, 100, "1/2", 4},                                // 10 before: ceil(10 / 3 * 1)
        {"KOVA", 3, 80, "1-1/4", 6},                               // 8 before: ceil(8 / 3 * 2)
        {"KOVA", 6, 30, "1/2", 2},                                 // 6 before: ceil(6 / 6 * 2), a whole number stays
        {"KOVA", 0, 100, "1/2", 0},                                // no runs, no adapters
        {"KOVA", 0, 100, "1-5/8", 0},
    };
    for (const auto& c : cases) {
        QuantityData data;
        EXPECT_EQ(AttachmentQuantity(data.Inputs(0, c.v, c.runs, false, c.diameter), c.part, 6), c.expected)
            << c.part << " " << c.runs << " runs " << c.diameter;
    }
}

TEST(AdvancedQuantity, OverridesPerOperation)
{
    struct Case
    {
        const char* advanced;
        int advancedQuantity;
        int attachment;   // LSH-12, 3 runs, 100 ft: 10 without override
        const char* slot; // SlotQuantity for the hoisting grip: 3 without override
        int recommended;  // section 2: 3 without override
    };
    const Case cases[] = {
        {"", 0, 10, "3", 3},
        {"LSH-12|12|\n", 12, 12, "12", 12},
        {"LSH-12|12|\r\nLSH-12|4|\r\n", 4, 4, "4", 4},         // the last line counts
        {"LSH-12|4|\nOTHER|9|\nLSH-12|12|", 12, 12, "12", 12}, // a last line without line end counts
        {"LSH-12|0|\n", 0, 10, "3", 3},                        // 0 is no override
        {"LSH-12|-2|\n", -2, 10, "-2", -2},                    // attachments need at least 1
        {"lsh-12|12|\n", 0, 10, "3", 3},                       // part compared with case
        {"OTHER|12|\n", 0, 10, "3", 3},
        {"XLSH-12|5|\nLSH-12X|6|\nOTHER|LSH-12|\nLSH-12\n", 0, 10, "3", 3}, // only field 1 counts, whole
        {"A|1|\rLSH-12|7|\rB|2|", 7, 7, "7", 7},                            // lone CR line ends
        {"LSH-12|12|\nLSH-12|0|\n", 0, 10, "3", 3},                         // a later 0 undoes an earlier override
    };
    for (const auto& c : cases) {
        QuantityData data("", "", c.advanced);
        const QuantityInputs in = data.Inputs(15, 100, 3);
        EXPECT_EQ(AdvancedQuantity(in.dataFolder, "LSH-12"), c.advancedQuantity) << c.advanced;
        EXPECT_EQ(AttachmentQuantity(in, "LSH-12", 6), c.attachment) << c.advanced;
        EXPECT_EQ(SlotQuantity(in, "LSH-12", slot::HoistingGrip), c.slot) << c.advanced;
        EXPECT_EQ(RecommendedQuantity(in, "LSH-12", "2"), c.recommended) << c.advanced;
    }
}

TEST(AdvancedQuantity, ReReadOnEveryCall)
{
    QuantityData data;
    const QuantityInputs in = data.Inputs(15, 100, 3);
    EXPECT_EQ(AttachmentQuantity(in, "LSH-12", 6), 10);
    data.dir.Write("advanced.dat", "LSH-12|7|\n");
    EXPECT_EQ(AttachmentQuantity(in, "LSH-12", 6), 7);
    data.dir.Write("settings.dat", "[KF12]\r\nH=LSH-12|1|5|\r\n");
    data.dir.Write("advanced.dat", "");
    EXPECT_EQ(AttachmentQuantity(in, "LSH-12", 6), 6);
}

TEST(Quantities, BadDataStopsWithTheStandardMessageNamingWhere)
{
    struct Case
    {
        const char* packLines;
        const char* hangerLines;
        const char* advanced;
        const char* message;
        const char* where;
    };
    const Case cases[] = {
        {"B=LSH-12|ten|\r\n", "", "", "'ten' is not a valid integer value", "settings.dat\", key \"B\" of [UnitPack]"},
        {"", "B=LSH-12|1|3,5|\r\n", "", "'3,5' is not a valid floating point value",
         "settings.dat\", key \"B\" of [KF12]"},
        {"", "", "LSH-12|1.5|\n", "'1.5' is not a valid integer value", "advanced.dat\", line 1"},
        {"", "", "OTHER|1|\r\n\r\nLSH-12||\n", "'' is not a valid integer value", "advanced.dat\", line 3"},
        {"", "", "OTHER|1|\rLSH-12|\n", "'' is not a valid integer value", "advanced.dat\", line 2"},
    };
    for (const auto& c : cases) {
        QuantityData data(c.packLines, c.hangerLines, c.advanced);
        try {
            AttachmentQuantity(data.Inputs(15, 100, 3), "LSH-12", 6);
            ADD_FAILURE() << c.message;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.Standard(), c.message);
            EXPECT_EQ(std::string(e.what()), std::string(c.message) + "\nin \"" + data.dir.Path() + c.where);
        }
        // The customize dialog reads advanced.dat line by line and names the same place.
        if (*c.advanced) {
            std::vector<QuantityOverride> rows;
            try {
                ReadOverrides(data.dir.Path(), rows);
                ADD_FAILURE() << c.advanced;
            } catch (const ConversionError& e) {
                EXPECT_EQ(std::string(e.what()), std::string(c.message) + "\nin \"" + data.dir.Path() + c.where);
            }
        }
    }
    // Bad lines of other parts are never converted.
    QuantityData other("B=OTHER|ten|\r\n", "B=OTHER|1|x|\r\n", "OTHER|x|\n");
    EXPECT_EQ(AttachmentQuantity(other.Inputs(15, 100, 3), "LSH-12", 6), 10);
}

TEST(AdvancedQuantity, MissingFileIsAnError)
{
    QuantityData data;
    std::filesystem::remove(data.dir.File("advanced.dat"));
    EXPECT_THROW(AdvancedQuantity(data.dir.Path(), "LSH-12"), IoError);
    EXPECT_THROW(SlotQuantity(data.Inputs(15, 100, 3), "LSH-12", slot::Gps), IoError);
    // The name is matched without regard to case.
    data.dir.Write("ADVANCED.DAT", "LSH-12|5|\n");
    EXPECT_EQ(AdvancedQuantity(data.dir.Path(), "LSH-12"), 5);
}

TEST(RunQuantities, HoistingGripsAndGroundingKits)
{
    struct Case
    {
        const char* what;
        double h, v;
        bool meters;
        int runs;
        const char* settings;
        int grips;
        int kits;
    };
    const Case cases[] = {
        {"defaults", 15, 100, false, 3, "", 3, 9},
        {"grounding every 50 ft", 15, 100, false, 3, "[Grounding]\r\nSpacing=50\r\n", 3, 15},
        {"hoisting every 50 ft", 15, 100, false, 3, "[Hoist]\r\nSpacing=50\r\n", 9, 9},
        {"hexadecimal spacing", 15, 100, false, 3, "[Grounding]\r\nSpacing=0x64\r\n", 3, 12},
        {"spacing with a trailing blank reads as absent", 15, 100, false, 3, "[Grounding]\r\nSpacing=50 \r\n", 3, 9},
        {"meters", 15, 100, true, 3, "", 9, 12},                    // 115 m = 378 ft
        {"the sum is raised once", 0.5, 149.5, false, 1, "", 1, 3}, // 150 ft, not 1 + 150
        {"an exact multiple is not raised", 150, 150, false, 2, "", 4, 8},
        {"spacing 0 falls back", 15, 100, false, 3, "[Hoist]\r\nSpacing=0\r\n[Grounding]\r\nSpacing=0\r\n", 3, 9},
        {"negative spacing falls back", 15, 100, false, 3, "[Hoist]\r\nSpacing=-5\r\n[Grounding]\r\nSpacing=-1\r\n", 3,
         9},
        {"runs count 0", 15, 100, false, 0, "", 0, 0},
        {"no length", 0, 0, false, 3, "", 0, 6},
    };
    for (const auto& c : cases) {
        QuantityData data("", "", "", c.settings);
        const QuantityInputs in = data.Inputs(c.h, c.v, c.runs, c.meters);
        EXPECT_EQ(HoistingGripQuantity(in), c.grips) << c.what;
        EXPECT_EQ(GroundingKitQuantity(in), c.kits) << c.what;
    }
}

TEST(SlotQuantity, BySlot)
{
    struct Case
    {
        int slot;
        const char* advanced;
        const char* expected;
    };
    // 15 + 100 ft, 4 runs: 4 grips, 12 kits.
    const Case cases[] = {
        {slot::HoistingGrip, "", "4"},
        {slot::GroundingKit, "", "12"},
        {slot::Weatherproofing, "", "4"},
        {slot::Gps, "", "1"},
        {slot::Surge, "", "4"},
        {slot::Gps, "P|12|\n", "12"},
        {slot::Weatherproofing, "P|-3|\n", "-3"},
        {slot::GroundingKit, "P|0|\n", "12"},
    };
    for (const auto& c : cases) {
        QuantityData data("", "", c.advanced);
        EXPECT_EQ(SlotQuantity(data.Inputs(15, 100, 4), "P", c.slot), c.expected) << c.slot << " " << c.advanced;
    }
}

TEST(SplitRuns, ThreeAndSixRunParts)
{
    const char* byThree[] = {"0|0|0|", "1|0|0|", "0|1|0|", "0|0|1|", "1|0|1|", "0|1|1|", "0|0|2|",
                             "1|0|2|", "0|1|2|", "0|0|3|", "1|0|3|", "0|1|3|", "0|0|4|", "1|0|4|"};
    const char* bySix[] = {"0|0|0|", "1|0|0|", "1|0|0|", "0|1|0|", "0|1|0|", "0|0|1|", "0|0|1|",
                           "1|0|1|", "1|0|1|", "0|1|1|", "0|1|1|", "0|0|2|", "0|0|2|", "1|0|2|"};
    for (int n = 0; n < 14; ++n) {
        EXPECT_EQ(SplitRunsByThree(n), byThree[n]) << n;
        EXPECT_EQ(SplitRunsBySix(n), bySix[n]) << n;
    }
    EXPECT_EQ(SplitRunsByThree(-2), "0|0|0|");
    EXPECT_EQ(SplitRunsBySix(-5), "0|0|0|");
    EXPECT_EQ(SplitRunsBySix(29), "0|0|5|");
}

TEST(WriteMultiPartSelection, GroupCountTimesOneRun)
{
    struct Case
    {
        const char* what;
        int runs;
        bool bySix;
        int firstSlot;
        bool meters;
        const char* advanced;
        std::vector<std::string> expected; // the three slots
    };
    // 20 ft horizontal, 100 ft vertical, no records: one run needs 2 pieces horizontally, 10 vertically.
    const Case cases[] = {
        {"7 runs by three", 7, false, 6, false, "", {"A1|10|1|", "|||", "A3|20|1|"}},
        {"7 runs by six", 7, true, 6, false, "", {"A1|10|1|", "|||", "A3|10|1|"}},
        {"5 runs by six: one six-run part", 5, true, 9, false, "", {"|||", "|||", "A3|10|1|"}},
        {"8 runs by three", 8, false, 6, false, "", {"|||", "A2|10|1|", "A3|20|1|"}},
        {"horizontal group", 7, false, 0, false, "", {"A1|2|1|", "|||", "A3|4|1|"}},
        {"horizontal hardware group", 4, false, 3, false, "", {"A1|2|1|", "|||", "A3|2|1|"}},
        {"override times the group count", 7, false, 6, false, "A3|12|\n", {"A1|10|1|", "|||", "A3|24|1|"}},
        {"meters: metric part and feet", 7, false, 6, true, "", {"A1M|33|1|", "|||", "A3|66|1|"}},
        {"no runs", 0, false, 6, false, "", {"|||", "|||", "|||"}},
    };
    for (const auto& c : cases) {
        QuantityData data("", "", c.advanced);
        data.dir.Write("metric.dat", "A1|A1M|\n");
        std::vector<std::string> selection;
        ResetSelection(selection);
        for (int i = 0; i < 3; ++i)
            selection[static_cast<size_t>(c.firstSlot + i)] = "OLD|1|1|";
        const QuantityInputs in = data.Inputs(20, 100, c.runs, c.meters);
        WriteMultiPartSelection(selection, in, c.firstSlot, c.firstSlot + 1, c.firstSlot + 2, "A1,A2,A3,",
                                c.bySix ? SplitRunsBySix(c.runs) : SplitRunsByThree(c.runs));
        const std::vector<std::string> group(selection.begin() + c.firstSlot, selection.begin() + c.firstSlot + 3);
        EXPECT_EQ(group, c.expected) << c.what;
        EXPECT_EQ(std::count(selection.begin(), selection.end(), "|||"),
                  kSelectionSlots - 3 + std::count(c.expected.begin(), c.expected.end(), "|||"))
            << c.what << ": other slots untouched";
    }
}

TEST(WriteMultiPartSelection, BadValueLeavesTheGroupAsItWas)
{
    QuantityData data("B=A3|x|\r\n");
    std::vector<std::string> selection;
    ResetSelection(selection);
    selection[6] = "OLD|1|1|";
    selection[7] = "OLD|2|1|";
    const auto before = selection;
    EXPECT_THROW(WriteMultiPartSelection(selection, data.Inputs(0, 100, 7), 6, 7, 8, "A1,A2,A3,", "1|0|2|"),
                 ConversionError);
    EXPECT_EQ(selection, before);
}

TEST(RecommendedQuantity, BySection)
{
    struct Case
    {
        const char* part;
        const char* section;
        int runs;
        double h, v;
        int expected;
    };
    const Case cases[] = {
        {"LSH-12", "1", 3, 15, 100, 12}, // vertical 10 + horizontal 2
        {"KOVA", "1", 5, 31, 61, 8},     // each side with its own adapter rule: 5 + 3, not 7
        {"LSH-12", "2", 3, 15, 100, 3},  {"LSH-12", "3", 3, 15, 100, 9}, {"LSH-12", "4", 3, 15, 100, 3},
        {"LSH-12", "5", 3, 15, 100, 1},  {"LSH-12", "8", 3, 15, 100, 1}, {"LSH-12", "", 3, 15, 100, 1},
        {"LSH-12", "x", 3, 15, 100, 1},  {"LSH-12", "1", 0, 15, 100, 0},
    };
    for (const auto& c : cases) {
        QuantityData data;
        EXPECT_EQ(RecommendedQuantity(data.Inputs(c.h, c.v, c.runs), c.part, c.section), c.expected)
            << c.part << " section " << c.section;
    }
}

// The shipped demo data: the figures its notes promise for 3 runs, 15 ft across and
// 100 ft up.
TEST(DemoInstallation, QuantitiesOfTheWalkThrough)
{
    const std::string demo = std::string(TAVROLIN_TEST_DATA) + "/../../demo/dat/";
    struct Case
    {
        const char* key;
        const char* diameter;
        const char* part;
        int expected;
    };
    const Case cases[] = {
        {"KF12", "1/2", "LSH-12", 10},     // every 3 ft, packs of 10
        {"KF114", "1-1/4", "KCC-114", 15}, // every 4 ft, packs of 5
        {"KF12", "1/2", "KOVA", 4},
        {"KF114", "1-1/4", "KOVA", 6},
    };
    for (const auto& c : cases) {
        QuantityInputs in;
        in.dataFolder = demo;
        in.horizontalLength = 15;
        in.verticalLength = 100;
        in.runsCount = 3;
        in.cableKey = c.key;
        in.diameter = c.diameter;
        EXPECT_EQ(AttachmentQuantity(in, c.part, slot::VerticalAttachment), c.expected) << c.key << " " << c.part;
        EXPECT_EQ(HoistingGripQuantity(in), 3);
        EXPECT_EQ(GroundingKitQuantity(in), 9);
    }
}

} // namespace
} // namespace tav
