#include "core/settings/CustomizePages.h"

#include "core/common/Errors.h"
#include "core/settings/QuantityOverrides.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

TEST(HangerSpacings, OnlyChangedFamiliesAreRewrittenKeepingNamesAndFields)
{
    const Lines section{
        "H1=PHK-14|1|3|",     "H2=HCS-6|1|2.5|", "H3=LSH-14|2|3|", "; note without a name",
        "H4=AAD-3|2|4|extra", "H5=RMA-40|2",     "H6=WSB-6|3|7",   "H7=X|12|9|",
    };
    struct Case
    {
        const char* what;
        FamilySpacings spacings;
        Lines expected;
    };
    const Case cases[] = {
        {"nothing changed", {}, section},
        {"family 1 changed: both of its lines, nothing else",
         {std::string("6")},
         {"H1=PHK-14|1|6|", "H2=HCS-6|1|6|", "H3=LSH-14|2|3|", "; note without a name", "H4=AAD-3|2|4|extra",
          "H5=RMA-40|2", "H6=WSB-6|3|7", "H7=X|12|9|"}},
        {"fields behind the spacing stay; an open field 3 is closed; an open family code is no record",
         {std::nullopt, std::string("1.5"), std::string("8")},
         {"H1=PHK-14|1|3|", "H2=HCS-6|1|2.5|", "H3=LSH-14|2|1.5|", "; note without a name", "H4=AAD-3|2|1.5|extra",
          "H5=RMA-40|2", "H6=WSB-6|3|8|", "H7=X|12|9|"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithHangerSpacings(section, c.spacings), c.expected) << c.what;

    const HangerFamilies families = FindHangerFamilies(section);
    EXPECT_EQ(families[0].partNumber, "PHK-14");
    EXPECT_EQ(families[0].spacing, "3") << "the first line of a family is shown";
    EXPECT_EQ(families[1].partNumber, "LSH-14");
    EXPECT_EQ(families[2].spacing, "") << "an open field 3 reads as empty";
    EXPECT_FALSE(families[3].present);
    EXPECT_FALSE(families[4].present);
}

TEST(SpacingText, UntouchedBoxesSaveTheStoredTextAndOnlyUsableSpacingsPass)
{
    struct Case
    {
        const char* stored;
        const char* shownAtLoad;
        const char* box;
        SpacingKind kind;
        const char* saved;
        bool usable;
    };
    const Case cases[] = {
        {"2.12345", "2.123", "2.123", SpacingKind::Decimal, "2.12345", true}, // the box rounds, the file does not
        {"3.0", "3", "4.5", SpacingKind::Decimal, "4.5", true},
        {"0", "0", "0", SpacingKind::Decimal, "0", false},
        {"-3", "0", "0", SpacingKind::Decimal, "0", false},
        {"0x64", "100", "100", SpacingKind::Whole, "0x64", true},
        {"100 ", "100", "100", SpacingKind::Whole, "100", true}, // reads back as the default: write what is shown
        {"200", "200", "2.5", SpacingKind::Whole, "2.5", false},
        {"150", "150", "0", SpacingKind::Whole, "0", false},
        {"abc", "200", "200", SpacingKind::Whole, "200", true},
    };
    for (const Case& c : cases) {
        const std::string saved = SpacingToSave(c.stored, c.shownAtLoad, c.box, c.kind);
        EXPECT_EQ(saved, c.saved) << c.stored << " / " << c.box;
        EXPECT_EQ(!SpacingProblem(saved, c.kind, "Page").has_value(), c.usable) << c.stored << " / " << c.box;
    }
    EXPECT_EQ(ShownSpacing("0x64", SpacingKind::Whole), 100.0);
    EXPECT_EQ(ShownSpacing("2.5", SpacingKind::Whole), 2.5);
    EXPECT_EQ(ShownSpacing("abc", SpacingKind::Whole), std::nullopt);
    EXPECT_EQ(*SpacingProblem("0", SpacingKind::Whole, "Grounding Kits"),
              "The spacing on the page \"Grounding Kits\" must be a whole number of feet greater than 0.");
}

class SettingsFolder : public ::testing::Test
{
protected:
    TempDir dir;
    std::string Folder() const { return dir.Path(); }
};

TEST_F(SettingsFolder, OnlyAShownHangerSpacingMustBeANumber)
{
    dir.Write("settings.dat", "[KF14]\nH1=PHK-14|1|x|\nH2=HCS-6|2|3|\nH3=HCS-7|2|y|\n");
    EXPECT_THROW(LoadSpacingPages(Folder(), "KF14"), ConversionError);
    dir.Write("settings.dat", "[KF14]\nH2=HCS-6|2|3|\nH3=HCS-7|2|y|\n");
    const SpacingPages pages = LoadSpacingPages(Folder(), "kf14");
    EXPECT_EQ(pages.families[1].spacing, "3");
    EXPECT_EQ(pages.grounding, "200");
    EXPECT_EQ(pages.hoist, "150");
}

TEST_F(SettingsFolder, OverridesReadStopAtABadQuantityAndRefuseSplittingPartNumbers)
{
    std::vector<QuantityOverride> rows;
    ReadOverrides(Folder(), rows);
    EXPECT_TRUE(rows.empty()) << "a missing file holds none";

    dir.Write("advanced.dat", "A|12|\r\n\r\nB|-2|\r\nC|5\r\nD|1|\r\n");
    EXPECT_THROW(ReadOverrides(Folder(), rows), ConversionError);
    EXPECT_EQ(rows, (std::vector<QuantityOverride>{{"A", 12}, {"B", -2}})) << "rows before the bad line stay";

    const std::vector<QuantityOverride> bad[] = {{{"A|B", 1}}, {{"ok", 1}, {"A\nB", 1}}, {{"A\rB", 1}}};
    for (const auto& b : bad) {
        EXPECT_TRUE(OverrideProblem(b).has_value());
        EXPECT_THROW(WriteOverrides(Folder(), b), Error);
        EXPECT_EQ(dir.Read("advanced.dat"), "A|12|\r\n\r\nB|-2|\r\nC|5\r\nD|1|\r\n") << "a refused list writes nothing";
    }
    EXPECT_EQ(*OverrideProblem({{"ok", 1}, {"A|B", 1}}),
              "The part number \"A|B\" in row 2 cannot be saved: a part number may not contain \"|\" or a line break.");

    EXPECT_TRUE(WriteOverrides(Folder(), {{"", 0}, {"B", -2}}));
    EXPECT_EQ(dir.Read("advanced.dat"), "|0|\r\nB|-2|\r\n");

    // A part that begins with a byte-order mark keeps it through a write and a read,
    // though the reader skips the mark of the file.
    const std::vector<QuantityOverride> marked{{"\xEF\xBB\xBFH", 3}};
    EXPECT_TRUE(WriteOverrides(Folder(), marked));
    rows.clear();
    ReadOverrides(Folder(), rows);
    EXPECT_EQ(rows, marked);
    EXPECT_FALSE(WriteOverrides(Folder(), marked)) << "the file already holds the list";
}

TEST_F(SettingsFolder, RestoreEmptiesOverridesOnlyAfterTheCopySucceeded)
{
    dir.Write("settings.dat", "[General]\nSelectCable=1\n");
    dir.Write("advanced.dat", "A|12|\n");

    RestoreOutcome missing = RestoreDefaults(Folder());
    EXPECT_FALSE(missing.settingsRestored);
    EXPECT_FALSE(missing.overridesEmptied);
    EXPECT_NE(missing.error.find("defaults.dat"), std::string::npos) << missing.error;
    EXPECT_EQ(dir.Read("advanced.dat"), "A|12|\n") << "no defaults, no lost overrides";
    EXPECT_EQ(dir.Read("settings.dat"), "[General]\nSelectCable=1\n");

    dir.Write("defaults.dat", "[General]\nSelectCable=0\n");
    const RestoreOutcome done = RestoreDefaults(Folder());
    EXPECT_TRUE(done.settingsRestored && done.overridesEmptied) << done.error;
    EXPECT_EQ(dir.Read("settings.dat"), "[General]\r\nSelectCable=0\r\n");
    EXPECT_EQ(dir.Read("advanced.dat"), "");
}

TEST(CustomizeFollowUp, RefreshesWhatTheCurrentPageShowsAfterAWriteAndTheAccessoriesLater)
{
    struct Case
    {
        bool wrote;
        FramePage page;
        bool listOnly;
        bool preset, wizard, list, later;
    };
    const Case cases[] = {
        {false, FramePage::Cable, false, false, false, false, false},
        {false, FramePage::Accessories, false, false, false, false, false},
        {false, FramePage::Other, false, false, false, false, false},
        {true, FramePage::Cable, false, true, false, false, false},
        {true, FramePage::Accessories, false, false, true, true, false},
        {true, FramePage::Accessories, true, false, false, true, false},
        {true, FramePage::Other, false, false, false, false, true},
    };
    for (const Case& c : cases) {
        const CustomizeFollowUp f = FollowUpAfterCustomize(c.wrote, c.page, c.listOnly);
        EXPECT_EQ(f.applyCablePreset, c.preset);
        EXPECT_EQ(f.reloadWizardLists, c.wizard);
        EXPECT_EQ(f.refreshAccessoryList, c.list);
        EXPECT_EQ(f.refreshWhenAccessoriesShow, c.later);
    }
}

} // namespace
} // namespace tav
