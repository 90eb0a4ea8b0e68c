#include "core/wizard/ChoiceLists.h"

#include "core/common/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::TempDir;
using Entries = std::vector<std::string>;

// Hoisting grips: one category (3) whose only part is obsolete, one category (1) with
// two records, a category key (9) without a caption.
const char* kHoist = "[Categories]\r\n1=Standard Grip\r\n2=Lace-Up Grip\r\n3=Pre-Laced Grip\r\n4=alpha grip\r\n\r\n"
                     "[KF12]\r\n1=2|HGL-12|\r\n2=1|HGS-12|\r\n3=3|HGP-12|\r\n4=1|HGS-12B|\r\n5=9|X-1|\r\n6=4|A-1|\r\n";

const LineList kObsolete{"HGP-12|HGS-12|Standard grip|", "GK-24-1|GK-24|Kit|"};

TEST(CatalogueChoices, SortedOnceEachThenNone)
{
    struct Case
    {
        const char* what;
        const char* settings;
        const char* sectionKey;
        bool checkObsolete;
        Entries expected;
    };
    const Case cases[] = {
        {"obsolete parts hidden by default",
         "",
         "KF12",
         true,
         {"", "alpha grip", "Lace-Up Grip", "Standard Grip", "None"}},
        {"obsolete parts kept",
         "[OldParts]\r\nObsoleteWizard=1\r\n",
         "KF12",
         true,
         {"", "alpha grip", "Lace-Up Grip", "Pre-Laced Grip", "Standard Grip", "None"}},
        {"explicitly hidden",
         "[OldParts]\r\nObsoleteWizard=0\r\n",
         "KF12",
         true,
         {"", "alpha grip", "Lace-Up Grip", "Standard Grip", "None"}},
        {"file without obsolete check",
         "",
         "KF12",
         false,
         {"", "alpha grip", "Lace-Up Grip", "Pre-Laced Grip", "Standard Grip", "None"}},
        {"section found without regard to case",
         "",
         "kf12",
         true,
         {"", "alpha grip", "Lace-Up Grip", "Standard Grip", "None"}},
        {"no section for the cable", "", "KE107", true, {"None"}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("hoist.dat", kHoist);
        dir.Write("settings.dat", c.settings);
        CatalogueSource source = kHoistFile;
        source.checkObsolete = c.checkObsolete;
        WorkingLists lists;
        lists.parts = {"stale"};
        EXPECT_EQ(LoadCatalogueChoices(dir.Path(), kObsolete, source, c.sectionKey, lists), c.expected) << c.what;
        EXPECT_EQ(lists.categories.size(), 4u) << c.what;
        EXPECT_TRUE(lists.types.empty()) << c.what;
        EXPECT_EQ(lists.parts.size(), c.expected.size() == 1 ? 0u : 6u) << c.what;
    }
}

TEST(CatalogueChoices, FileAndNameOddities)
{
    TempDir dir;
    WorkingLists lists;
    lists.categories = {"x"};
    // A missing file reads as empty.
    EXPECT_EQ(LoadCatalogueChoices(dir.Path(), kObsolete, kEntryFile, "KF12", lists), Entries{"None"});
    EXPECT_TRUE(lists.categories.empty());

    // The file name is matched without regard to case; values are fetched by line name,
    // so a second record named like the first shows the first one's value.
    dir.Write("CBLENTRY.DAT", "[Categories]\r\n1=Four\r\n2=Five\r\n1=Six\r\n[Types]\r\n1=Plate\r\n"
                              "[KF12]\r\nA=1|P|\r\na=2|Q|\r\nB=1|R|\r\n");
    EXPECT_EQ(LoadCatalogueChoices(dir.Path(), kObsolete, kEntryFile, "KF12", lists), (Entries{"Four", "None"}));
    EXPECT_EQ(lists.types, Entries{"1=Plate"});
    EXPECT_EQ(lists.parts.size(), 3u);
}

TEST(CatalogueChoices, FixedSectionForTheGpsFile)
{
    EXPECT_EQ(SectionKeyFor(kGpsFile, "KF12"), "tline");
    EXPECT_EQ(SectionKeyFor(kHoistFile, "KF12"), "KF12");
    EXPECT_TRUE(kEntryFile.preferLast && kGpsFile.preferLast);
    EXPECT_FALSE(kHoistFile.preferLast || kGroundFile.preferLast || kWeatherFile.preferLast);
}

// The shipped demo data with its factory settings (obsolete parts hidden).
TEST(CatalogueChoices, DemoInstallation)
{
    const std::string demo = std::string(TAVROLIN_TEST_DATA) + "/../../demo/dat/";
    const LineList obsolete = ReadLineList(demo + "obsolete.dat");
    struct Case
    {
        CatalogueSource source;
        const char* cableKey;
        Entries expected;
    };
    const Case cases[] = {
        {kHoistFile, "KF78", {"Lace-Up Hoisting Grip", "Standard Hoisting Grip", "None"}},
        // The pre-laced category again with a current part behind the obsolete one.
        {kHoistFile, "KF12", {"Lace-Up Hoisting Grip", "Pre-Laced Hoisting Grip", "Standard Hoisting Grip", "None"}},
        {kHoistFile, "KE107", {"None"}},
        {kGpsFile,
         "KE107",
         {"1/2 in. Foam GPS Feeder Kit", "1/4 in. Foam GPS Feeder Kit", "Plenum GPS Feeder Kit", "None"}},
        {kEntryFile, "KF14", {"4 in. Round Entry Ports", "5 in. Round Entry Ports", "None"}},
    };
    for (const auto& c : cases) {
        WorkingLists lists;
        EXPECT_EQ(LoadCatalogueChoices(demo, obsolete, c.source, SectionKeyFor(c.source, c.cableKey), lists),
                  c.expected)
            << c.source.fileName << " " << c.cableKey;
    }
    // Types 1 to 9 of the 4 in. ports on KF14: the aluminium plate is obsolete and hidden.
    WorkingLists entry;
    LoadCatalogueChoices(demo, obsolete, kEntryFile, "KF14", entry);
    TypeChoiceQuery plates{"4 in. Round Entry Ports", 1, 8, 2, 1, 0, ""};
    EXPECT_EQ(FillTypeChoices(demo, obsolete, entry, plates),
              (Entries{"Entry Plate, 4 Ports", "Entry Plate, 9 Ports", "Entry Plate, 12 Ports", "Wall Sleeve Kit",
                       "Weather Hood"}));
}

// Grounding kits: field 2 wire length in inches, field 3 in millimetres, fields 4 on the
// parts of the lug types.
WorkingLists GroundLists()
{
    WorkingLists lists;
    lists.categories = {"1=Standard Kit", "2=Compression Kit"};
    lists.types = {"1=Two-Hole Lug", "2=One-Hole Lug", "3=Angle Clamp"};
    lists.parts = {"1=1|24|600|GK-24|GK-24-1||", "2=1|36|900|GK-36|GK-36-1|GK-36-A|",
                   "3=2|24|600|CK-24|||",        "4=1|24|600|GK-24X|||",
                   "5=1|48|1200|||GK-48-A|",     "6=1|12|300||||G-T4|"};
    return lists;
}

TEST(DependentValues, FileOrderDuplicatesKept)
{
    struct Case
    {
        const char* parent;
        int valueField;
        Entries expected;
    };
    const Case cases[] = {
        {"Standard Kit", 2, {"24", "36", "24", "48", "12"}},
        {"Standard Kit", 3, {"600", "900", "600", "1200", "300"}},
        {"Compression Kit", 2, {"24"}},
        {"standard kit", 2, {"N/A"}}, // the caption must match exactly
        {"Other", 2, {"N/A"}},
    };
    const WorkingLists lists = GroundLists();
    for (const auto& c : cases)
        EXPECT_EQ(FillDependentValues(c.parent, lists, 1, c.valueField), c.expected) << c.parent;
    EXPECT_EQ(FillDependentValues("Standard Kit", WorkingLists{}, 1, 2), Entries{"N/A"});
}

TEST(TypeChoices, TypesThatHaveAPart)
{
    struct Case
    {
        const char* what;
        const char* parent;
        int extraTypes;
        int filterField;
        const char* filterValue;
        bool keepObsolete;
        Entries expected;
    };
    const Case cases[] = {
        {"one record", "Standard Kit", 2, 2, "36", false, {"Two-Hole Lug", "One-Hole Lug", "Angle Clamp"}},
        {"two records, duplicates kept",
         "Standard Kit",
         2,
         2,
         "24",
         true,
         {"Two-Hole Lug", "One-Hole Lug", "Two-Hole Lug"}},
        {"obsolete part left out", "Standard Kit", 2, 2, "24", false, {"Two-Hole Lug", "Two-Hole Lug"}},
        {"filter by the metric field", "Standard Kit", 2, 3, "1200", false, {"Angle Clamp"}},
        {"no record of that length", "Standard Kit", 2, 2, "30", false, {"None"}},
        {"no filter: every record of the category", "Compression Kit", 2, 0, "", false, {"Two-Hole Lug"}},
        {"fewer types asked for", "Standard Kit", 0, 2, "36", false, {"Two-Hole Lug"}},
        {"a type without a caption is an empty entry", "Standard Kit", 3, 2, "12", false, {""}},
        {"caption compared exactly", "Standard kit", 2, 0, "", false, {"None"}},
    };
    const WorkingLists lists = GroundLists();
    const LineList obsolete{"GK-24-1|GK-24|Kit|"};
    for (const auto& c : cases) {
        TypeChoiceQuery q;
        q.parentCaption = c.parent;
        q.firstTypeNumber = 1;
        q.extraTypes = c.extraTypes;
        q.firstPartField = 4;
        q.categoryField = 1;
        q.filterField = c.filterField;
        q.filterValue = c.filterValue;
        EXPECT_EQ(TypeChoices(lists, q, obsolete, c.keepObsolete), c.expected) << c.what;
    }
    TypeChoiceQuery any;
    any.parentCaption = "Standard Kit";
    EXPECT_EQ(TypeChoices(WorkingLists{}, any, obsolete, true), Entries{"None"});
}

TEST(TypeChoices, NumberedFromAnyFirstTypeAndSettingReadAfresh)
{
    // Entry boots are types 10 onwards, their parts in fields 11 onwards.
    WorkingLists lists;
    lists.categories = {"1=4 in. Ports"};
    lists.types = {"1=Plate", "10=Boot, 1 Hole", "11=Boot, 2 Holes", "12=Boot, 3 Holes"};
    lists.parts = {"1=1|EP1|||||||||EB1N||EB3|"};
    const LineList obsolete{"EB1N|EB1|Boot|"};
    TypeChoiceQuery q{"4 in. Ports", 10, 3, 11, 1, 0, ""};

    TempDir dir;
    dir.Write("settings.dat", "");
    EXPECT_EQ(FillTypeChoices(dir.Path(), obsolete, lists, q), Entries{"Boot, 3 Holes"});
    dir.Write("settings.dat", "[OldParts]\r\nObsoleteWizard=1\r\n");
    EXPECT_EQ(FillTypeChoices(dir.Path(), obsolete, lists, q), (Entries{"Boot, 1 Hole", "Boot, 3 Holes"}));

    TypeChoiceQuery plates{"4 in. Ports", 1, 8, 2, 1, 0, ""};
    EXPECT_EQ(FillTypeChoices(dir.Path(), obsolete, lists, plates), Entries{"Plate"});
}

TEST(RestoreChoice, PreviousEntryElseFallback)
{
    struct Case
    {
        Entries entries;
        const char* previous;
        bool preferLast;
        int expected;
    };
    const Case cases[] = {
        {{"Alpha", "Beta", "None"}, "Beta", false, 1},
        {{"Alpha", "Beta", "None"}, "bEtA", true, 1}, // letter case does not matter
        {{"Alpha", "Beta", "None"}, "Gamma", false, 0},
        {{"Alpha", "Beta", "None"}, "Gamma", true, 2},
        {{"Alpha", "Beta", "None"}, "", true, 2},
        {{"", "Beta"}, "", false, 0},
        {{"Beta", "beta"}, "BETA", false, 0}, // the first equal entry
        {{}, "Beta", true, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RestoreChoice(c.entries, c.previous, c.preferLast), c.expected) << c.previous;
}

TEST(EnsureNoneChoice, AppendedOnlyWhenMissing)
{
    struct Case
    {
        Entries before;
        Entries after;
    };
    const Case cases[] = {
        {{"Plate"}, {"Plate", "None"}},
        {{"NONE", "Plate"}, {"NONE", "Plate"}},
        {{"None"}, {"None"}},
        {{}, {"None"}},
        {{"Nonexistent"}, {"Nonexistent", "None"}},
    };
    for (const auto& c : cases) {
        Entries entries = c.before;
        EXPECT_EQ(EnsureNoneChoice(entries), c.after.size() != c.before.size());
        EXPECT_EQ(entries, c.after);
    }
}

} // namespace
} // namespace tav
