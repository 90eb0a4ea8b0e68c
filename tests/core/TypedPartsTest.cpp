#include "core/wizard/TypedParts.h"

#include "core/common/Errors.h"
#include "core/wizard/Selection.h"
#include "support/ResolvedParts.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::ResolvedParts;
using Entries = std::vector<std::string>;

// Grounding kits: the 36 in. standard kit has its two-hole lug only in a later record, and
// its one-hole kit is obsolete.
WorkingLists GroundLists()
{
    WorkingLists lists;
    lists.categories = {"1=Standard Kit", "2=Compression Kit"};
    lists.types = {"1=Two-Hole Lug", "2=One-Hole Lug", "3=Angle Clamp"};
    lists.parts = {"a=1|24|600|GK-24|GK-24-1||", "b=1|36|900||GK-36-1|GK-36-A|", "c=1|36|900|GK-36|||",
                   "d=2|48|1200|GC-48|||", "e=9|24|600|ORPHAN|||"};
    return lists;
}

const LineList kObsolete{"", "GK-36-1|GK-36|Two-hole kit|", "GK-24-1|GK-24|Two-hole kit|", "EB-1N|EB-1|Boot|"};

TEST(TypedParts, LookupsByCaption)
{
    const WorkingLists lists = GroundLists();
    EXPECT_EQ(CategoryKeyOf(lists, "Compression Kit"), "2");
    EXPECT_EQ(CategoryKeyOf(lists, "compression kit"), std::nullopt) << "captions compare exactly";
    EXPECT_EQ(TypeNumberOf(lists, "Angle Clamp"), 3);
    EXPECT_EQ(TypeNumberOf(lists, "None"), std::nullopt);
    WorkingLists bad = lists;
    bad.types.push_back("x=Strap");
    EXPECT_THROW(TypeNumberOf(bad, "Strap"), ConversionError);

    EXPECT_EQ(TranslateFilterValue(lists, "Standard Kit", 2, 3, "36"), "900");
    EXPECT_EQ(TranslateFilterValue(lists, "Standard Kit", 3, 2, "600"), "24");
    EXPECT_EQ(TranslateFilterValue(lists, "Compression Kit", 2, 3, "36"), std::nullopt) << "another kit's length";
}

TEST(TypedParts, PartOfAChoice)
{
    struct Case
    {
        const char* category;
        int filterField;
        const char* filterValue;
        const char* type;
        bool keepObsolete;
        const char* expected;
    };
    const Case cases[] = {
        {"Standard Kit", 2, "24", "Two-Hole Lug", false, "GK-24"},
        // The first record of the length has no two-hole kit; the next one offers it.
        {"Standard Kit", 2, "36", "Two-Hole Lug", false, "GK-36"},
        {"Standard Kit", 3, "900", "Angle Clamp", false, "GK-36-A"},
        {"Standard Kit", 2, "36", "One-Hole Lug", false, ""},
        {"Standard Kit", 2, "36", "One-Hole Lug", true, "GK-36-1"},
        {"Standard Kit", 2, "30", "Two-Hole Lug", false, ""},
        {"Standard Kit", 2, "24", "None", false, ""},
        {"None", 2, "24", "Two-Hole Lug", false, ""},
        {"Compression Kit", 0, "", "Two-Hole Lug", false, "GC-48"},
    };
    const WorkingLists lists = GroundLists();
    const TypedPartFields layout = GroundingKitFields(lists.types.size());
    for (const Case& c : cases)
        EXPECT_EQ(
            TypedPart(lists, {c.category, c.type, c.filterField, c.filterValue}, layout, kObsolete, c.keepObsolete),
            c.expected)
            << c.category << " " << c.filterValue << " " << c.type << " " << c.keepObsolete;
}

TEST(TypedParts, PlaceOfAPart)
{
    WorkingLists entry;
    entry.categories = {"1=4 in. Ports", "2=5 in. Ports"};
    entry.types = {"1=Plate", "10=Boot, 1 Hole", "11=Boot, 2 Holes", "12=Boot, 3 Holes"};
    // Boot type 12 sits in field 13, past as many fields as there are type lines.
    entry.parts = {"a=1|EP4|||||||||EB4-1||EB4-3N|", "b=2|EP5|||||||||EB5-1||EB5-3|"};
    const WorkingLists ground = GroundLists();
    const TypedPartFields groundLayout = GroundingKitFields(ground.types.size());
    struct Case
    {
        const WorkingLists& lists;
        const char* part;
        TypedPartFields layout;
        int filterField;
        std::optional<PartPlace> expected;
    };
    const Case cases[] = {
        {entry, "EB5-3", EntryPlateFields(), 0, PartPlace{"5 in. Ports", "", "Boot, 3 Holes"}},
        {entry, "EP4", EntryPlateFields(), 0, PartPlace{"4 in. Ports", "", "Plate"}},
        {ground, "GK-36", groundLayout, 2, PartPlace{"Standard Kit", "36", "Two-Hole Lug"}},
        {ground, "GK-36-A", groundLayout, 3, PartPlace{"Standard Kit", "900", "Angle Clamp"}},
        {ground, "36", groundLayout, 2, std::nullopt}, // a wire length is no part
        {ground, "ORPHAN", groundLayout, 2, std::nullopt},
        {ground, "", groundLayout, 2, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceOfPart(c.lists, c.part, c.layout, c.filterField), c.expected) << c.part;
}

TEST(TypedParts, EntryListsEndInNoneOnce)
{
    WorkingLists lists;
    lists.categories = {"1=4 in. Ports"};
    lists.types = {"1=Plate, 4 Ports", "2=Plate, 9 Ports", "3=Sleeve", "10=Boot"};
    lists.parts = {"a=1|EP-4||WSK||||||||"};
    EXPECT_EQ(EntryTypeChoices(lists, "4 in. Ports", EntryPlateFields(), kObsolete, false),
              (Entries{"Plate, 4 Ports", "Sleeve", "None"}));
    EXPECT_EQ(EntryTypeChoices(lists, "4 in. Ports", EntryBootFields(lists.types.size()), kObsolete, false),
              Entries{"None"});
    EXPECT_EQ(EntryTypeChoices(lists, "None", EntryPlateFields(), kObsolete, false), Entries{"None"});
}

// 3 runs over 15 + 100 ft take 9 grounding kits.
TEST_F(ResolvedParts, TypedChoicesIntoTheirSlots)
{
    struct Case
    {
        const char* what;
        const char* type;
        bool meters;
        const char* answer; // null: keep the part
        const char* expected;
        std::optional<std::string> moveTo;
        size_t offers;
    };
    const Case cases[] = {
        {"current part", "Two-Hole Lug", false, nullptr, "GK-36|9|3|", std::nullopt, 0},
        {"metric number", "Two-Hole Lug", true, nullptr, "GK-900|12|3|", std::nullopt, 0},
        {"obsolete part kept", "One-Hole Lug", false, nullptr, "GK-36-1|9|3|", "GK-36-1", 1},
        {"replacement under its metric number", "One-Hole Lug", true, "GK-36", "GK-900|12|3|", "GK-36", 1},
        {"placeholder: no question, even with a blank obsolete line", "None", false, "X", "|||", std::nullopt, 0},
    };
    dir.Write("settings.dat", "[OldParts]\r\nObsoleteWizard=1\r\n");
    dir.Write("metric.dat", "GK-36|GK-900|\n");
    const WorkingLists lists = GroundLists();
    for (const Case& c : cases) {
        offers.clear();
        std::vector<std::string> selection;
        ResetSelection(selection);
        selection[slot::GroundingKit] = "OLD|1|3|";
        const auto moveTo =
            SelectTypedPart(selection, Inputs(c.meters), kObsolete, lists, {"Standard Kit", c.type, 2, "36"},
                            GroundingKitFields(3), slot::GroundingKit, Offer(c.answer));
        EXPECT_EQ(selection[slot::GroundingKit], c.expected) << c.what;
        EXPECT_EQ(moveTo, c.moveTo) << c.what;
        EXPECT_EQ(offers.size(), c.offers) << c.what;
    }

    // Entry parts take the quantity their box shows and no override.
    dir.Write("advanced.dat", "EB-1|12|\n");
    WorkingLists entry;
    entry.categories = {"1=4 in. Ports"};
    entry.types = {"10=Boot"};
    entry.parts = {"a=1||||||||||EB-1|"};
    std::vector<std::string> selection;
    ResetSelection(selection);
    SelectEntryPart(selection, Inputs(false), kObsolete, entry, {"4 in. Ports", "Boot", 0, {}}, slot::EntryBoots, "3",
                    Offer(nullptr));
    EXPECT_EQ(selection[slot::EntryBoots], "EB-1|3|5|");
}

} // namespace
} // namespace tav
