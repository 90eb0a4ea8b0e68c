#include "core/wizard/MountChoices.h"

#include "core/app/ProgramPictures.h"
#include "core/catalog/MountCatalogue.h"
#include "core/common/Errors.h"
#include "core/wizard/CategoryParts.h"
#include "core/wizard/ChoicePictures.h"
#include "core/wizard/Selection.h"
#include "core/wizard/SitePages.h"
#include "support/ResolvedParts.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tav {
namespace {

using test::ResolvedParts;
using test::TempDir;
using Entries = std::vector<std::string>;
using Slots = std::vector<std::string>;

// Three mount types, four attachments (one whose column lies past the end of the row) and
// a hardware caption that stands for other columns under other mounts and attachments.
const char* kMount = "[vstructures]\r\nTower=Tower|x||x|\r\n"
                     "[HStructures]\r\nMonopole=Monopole||x|\r\n"
                     "[MountTypes]\r\nAngle=Angle Member|x|x|x|\r\nRound=Round Member||x||x|\r\n"
                     "Ladder=Cable Ladder|||x|\r\n"
                     "[CableAttachmentTypes]\r\nPlain=Plain Hanger|1|\r\nSnap=Snap Hanger|2|\r\n"
                     "Galv=Galv Hanger|3|\r\nFar=Far Hanger|9|\r\n"
                     "[MountingHardwareTypes]\r\nHW1=Clamp Kit|Angle|Plain|4|\r\nHW2=Clamp Kit|Angle|Galv|5|\r\n"
                     "HW3=Adapter|Round|Snap|6|\r\nHW4=Clamp Kit|Round|Snap|7|\r\n"
                     "[KF12]\r\nX=P1|S1|G1|C1|C2|A1|C3|\r\n";

const LineList kObsolete{"G1|G2|New hanger|", "A1|A2|New adapter|"};

class MountData : public ::testing::Test
{
protected:
    void SetUp() override { dir.Write("mount.dat", kMount); }
    MountLists Lists(const char* key = "KF12") const
    {
        return ReadMountLists(dir.Path(), key, kEmptyRowColumnsForLists);
    }
    TempDir dir;
};

TEST_F(MountData, RowByExactSectionNameOtherSectionsInAnyCase)
{
    const MountLists lists = Lists();
    EXPECT_EQ(lists.row, "P1|S1|G1|C1|C2|A1|C3|");
    EXPECT_EQ(lists.verticalStructures.size(), 1u) << "[vstructures] is found";
    EXPECT_EQ(lists.hardware.size(), 4u);
    EXPECT_EQ(Lists("kf12").row, std::string(25, '|'));
    EXPECT_EQ(ReadMountLists(dir.Path(), "KF99", kEmptyRowColumnsForParts).row, std::string(28, '|'));
}

TEST_F(MountData, MountAndAttachmentChoices)
{
    struct Case
    {
        const char* what;
        bool site;
        const char* parent;
        bool keepObsolete;
        const char* key;
        Entries entries;
        bool found;
    };
    const Case cases[] = {
        {"site marks mount types 0 and 2", true, "Tower", false, "KF12", {"Angle Member", "Cable Ladder", "N/A"}, true},
        {"site word in another case", true, "TOWER", false, "KF12", {"Angle Member", "Cable Ladder", "N/A"}, true},
        {"site without a line", true, "Parapet", false, "KF12", {"N/A"}, false},
        {"site lists types whatever the row holds",
         true,
         "Tower",
         false,
         "KE107",
         {"Angle Member", "Cable Ladder", "N/A"},
         true},
        {"obsolete attachment left out",
         false,
         "Angle Member",
         false,
         "KF12",
         {"Plain Hanger", "Snap Hanger", "N/A"},
         true},
        {"obsolete attachment kept",
         false,
         "Angle Member",
         true,
         "KF12",
         {"Plain Hanger", "Snap Hanger", "Galv Hanger", "N/A"},
         true},
        {"column past the end of the row", false, "Round Member", false, "KF12", {"Snap Hanger", "N/A"}, true},
        {"mount caption in another case",
         false,
         "angle member",
         false,
         "KF12",
         {"Plain Hanger", "Snap Hanger", "N/A"},
         true},
        {"no row for the cable", false, "Angle Member", true, "KE107", {"N/A"}, true},
        {"placeholder chosen", false, "N/A", true, "KF12", {"N/A"}, false},
    };
    for (const Case& c : cases) {
        const MountLists lists = Lists(c.key);
        const MountChoices choices = BuildMountChoices(c.site ? lists.verticalStructures : lists.mountTypes,
                                                       c.site ? lists.mountTypes : lists.attachments, c.parent, !c.site,
                                                       lists.row, kObsolete, c.keepObsolete);
        EXPECT_EQ(choices.entries, c.entries) << c.what;
        EXPECT_EQ(choices.found, c.found) << c.what;
    }
}

TEST_F(MountData, HardwareIsTheMountsAndAttachmentsOwn)
{
    struct Case
    {
        const char* mount;
        const char* attachment;
        bool keepObsolete;
        Entries entries;
        std::vector<int> columns; // of the line each entry came from
        const char* part;
        int holding; // the entry whose column holds the part
    };
    const Case cases[] = {
        {"Angle Member", "Plain Hanger", false, {"Clamp Kit", "N/A"}, {4, 0}, "C1", 0},
        // The same caption for another attachment: another column.
        {"Angle Member", "Galv Hanger", false, {"Clamp Kit", "N/A"}, {5, 0}, "C1", -1},
        {"Round Member", "Snap Hanger", false, {"Clamp Kit", "N/A"}, {7, 0}, "A1", -1},
        {"Round Member", "Snap Hanger", true, {"Adapter", "Clamp Kit", "N/A"}, {6, 7, 0}, "C3", 1},
        {"Round Member", "Plain Hanger", true, {"N/A"}, {0}, "C3", -1},
        {"Round Member", "Snap Hanger", true, {"Adapter", "Clamp Kit", "N/A"}, {6, 7, 0}, "", -1},
    };
    const MountLists lists = Lists();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mount) + " / " + c.attachment + " / " + c.part);
        const MountChoices choices = BuildHardwareChoices(lists, c.mount, c.attachment, kObsolete, c.keepObsolete);
        EXPECT_EQ(choices.entries, c.entries);
        EXPECT_EQ(choices.columns, c.columns);
        EXPECT_EQ(EntryHoldingPart(choices.columns, lists.row, c.part), c.holding);
    }
}

TEST_F(MountData, EachEntryKeepsTheColumnOfItsOwnLine)
{
    // A caption on two lines, and the one the mount does not carry comes first.
    MountLists lists = Lists();
    lists.attachments.insert(lists.attachments.begin(), "Gone=Snap Hanger|1|");
    lists.mountTypes = {"Angle=Angle Member||x|x|x|"};
    const MountChoices choices =
        BuildMountChoices(lists.mountTypes, lists.attachments, "Angle Member", true, lists.row, kObsolete, true);
    EXPECT_EQ(choices.entries, (Entries{"Plain Hanger", "Snap Hanger", "Galv Hanger", "N/A"}));
    EXPECT_EQ(choices.columns, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(BuildMountChoices(lists.verticalStructures, lists.mountTypes, "Tower", false, lists.row, kObsolete, true)
                  .columns,
              (std::vector<int>{0, 0}))
        << "mount types order nothing themselves";

    lists.attachments.push_back("Odd=Odd Hanger|x1|");
    lists.mountTypes = {"Angle=Angle Member||||||x|"};
    EXPECT_THROW(
        BuildMountChoices(lists.mountTypes, lists.attachments, "Angle Member", true, lists.row, kObsolete, true),
        ConversionError);
}

// A blank line in obsolete.dat matches an empty part number.
const LineList kObsoleteWithBlank{"", "O1|R1|Replacement|", "E1||Nothing|", "HGP|HGS|Standard grip|"};

TEST_F(ResolvedParts, MountPartsIntoTheirGroup)
{
    const char* row = "P1|O1|M1,M2,M3,||E1||||||M1,M2,M3,|";
    struct Case
    {
        const char* what;
        int column;
        bool meters;
        int runs;
        const char* answer; // null: keep the part
        Slots expected;
        std::optional<std::string> moveTo;
        size_t offers;
    };
    const Case cases[] = {
        {"nothing chosen", 0, false, 3, nullptr, {"|||", "|||", "|||"}, std::nullopt, 0},
        {"empty column: no question", 4, false, 3, "X", {"|||", "|||", "|||"}, std::nullopt, 0},
        {"past the end of the row", 30, false, 3, "X", {"|||", "|||", "|||"}, std::nullopt, 0},
        {"single part", 1, false, 3, nullptr, {"P1|30|1|", "|||", "|||"}, std::nullopt, 0},
        {"metric number", 1, true, 3, nullptr, {"P1M|99|1|", "|||", "|||"}, std::nullopt, 0},
        {"obsolete part kept", 2, false, 3, nullptr, {"O1|30|1|", "|||", "|||"}, "O1", 1},
        {"replacement under its metric number", 2, true, 3, "R1", {"R1M|99|1|", "|||", "|||"}, "R1", 1},
        {"empty replacement orders nothing", 5, false, 3, "", {"|||", "|||", "|||"}, "", 1},
        {"multi-part by three", 3, false, 7, "X", {"M1|10|1|", "|||", "M3|20|1|"}, std::nullopt, 0},
        {"multi-part by six", 11, false, 7, "X", {"M1|10|1|", "|||", "M3|10|1|"}, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        offers.clear();
        std::vector<std::string> selection;
        ResetSelection(selection);
        for (int s = 6; s < 9; ++s)
            selection[static_cast<size_t>(s)] = "OLD|1|1|";
        const auto moveTo = SelectMountPart(selection, Inputs(c.meters, c.runs), kObsoleteWithBlank, row, c.column,
                                            GroupFrom(slot::VerticalAttachment), Offer(c.answer));
        EXPECT_EQ(Slots(selection.begin() + 6, selection.begin() + 9), c.expected) << c.what;
        EXPECT_EQ(moveTo, c.moveTo) << c.what;
        EXPECT_EQ(offers.size(), c.offers) << c.what;
        EXPECT_EQ(std::count(selection.begin(), selection.end(), "|||"),
                  18 + std::count(c.expected.begin(), c.expected.end(), "|||"))
            << c.what << ": no other slot is touched";
    }
}

TEST_F(ResolvedParts, CategoryParts)
{
    WorkingLists lists;
    lists.categories = {"1=Standard Grip", "2=Laced Grip", "3=Old Grip", "4=Orphan Grip"};
    lists.parts = {"a=2|HGL|", "b=1|HGS|", "c=1|HGS-B|", "d=3|HGP|", "g=3|HGS-C|", "e=9|X-1|", "f=|NO-KEY|"};
    const LineList& old = kObsoleteWithBlank;
    EXPECT_EQ(CategoryPart(lists, "Standard Grip", old, false), "HGS") << "the first record of the category";
    EXPECT_EQ(CategoryPart(lists, "Old Grip", old, false), "HGS-C") << "the record that made the entry offered";
    EXPECT_EQ(CategoryPart(lists, "Old Grip", old, true), "HGP");
    EXPECT_EQ(CategoryPart(lists, "standard grip", old, true), "") << "captions compare exactly";
    EXPECT_EQ(CategoryPart(lists, "Orphan Grip", old, true), "");
    EXPECT_EQ(CategoryPart(lists, "None", old, true), "") << "a caption without a category names no record";
    EXPECT_EQ(CategoryOfPart(lists, "HGS-B"), "Standard Grip");
    EXPECT_EQ(CategoryOfPart(lists, "X-1"), std::nullopt) << "category 9 has no caption line";
    EXPECT_EQ(CategoryOfPart(lists, ""), std::nullopt);

    struct Case
    {
        const char* caption;
        int slot;
        bool meters;
        bool showObsolete;
        const char* answer;
        const char* expected;
        std::optional<std::string> moveTo;
        size_t offers;
    };
    const Case cases[] = {
        // 115 ft and 3 runs at the default spacing of 150 ft: 3 grips.
        {"Standard Grip", slot::HoistingGrip, false, false, "X", "HGS|3|2|", std::nullopt, 0},
        {"Standard Grip", slot::HoistingGrip, true, false, "X", "HGS-M|9|2|", std::nullopt, 0},
        {"Standard Grip", slot::Gps, false, false, "X", "HGS|1|7|", std::nullopt, 0},
        {"Orphan Grip", slot::HoistingGrip, false, false, "X", "|||", std::nullopt, 0},
        {"None", slot::HoistingGrip, false, false, "X", "|||", std::nullopt, 0},
        {"Old Grip", slot::HoistingGrip, false, false, "X", "HGS-C|3|2|", std::nullopt, 0},
        {"Old Grip", slot::HoistingGrip, false, true, nullptr, "HGP|3|2|", "HGP", 1},
        {"Old Grip", slot::HoistingGrip, true, true, "HGS", "HGS-M|9|2|", "HGS", 1},
    };
    for (const Case& c : cases) {
        offers.clear();
        dir.Write("settings.dat", std::string("[UnitPack]\r\nAll=10\r\n[OldParts]\r\nObsoleteWizard=") +
                                      (c.showObsolete ? "1" : "0") + "\r\n");
        std::vector<std::string> selection;
        ResetSelection(selection);
        selection[static_cast<size_t>(c.slot)] = "OLD|1|1|";
        const auto moveTo = SelectCategoryPart(selection, Inputs(c.meters), kObsoleteWithBlank, lists, c.caption,
                                               c.slot, Offer(c.answer));
        EXPECT_EQ(selection[static_cast<size_t>(c.slot)], c.expected) << c.caption;
        EXPECT_EQ(moveTo, c.moveTo) << c.caption;
        EXPECT_EQ(offers.size(), c.offers) << c.caption;
    }
}

TEST(ChoicePictures, CaptionLookupAndPlaceholders)
{
    const LineList images{"Angle Member=mt_angle.gif", "angle member=other.gif", "Odd=a=b.gif", "ice bridge=ice.gif",
                          "NoEquals"};
    const ChoicePictureRule mount{"na.gif", nullptr};
    const ChoicePictureRule boots{"na1.gif", "boothd.gif"};
    const ChoicePictureRule connector{nullptr, nullptr};
    struct Case
    {
        const char* text;
        bool last;
        const ChoicePictureRule& rule;
        const char* expected;
    };
    const Case cases[] = {
        {"Angle Member", false, mount, "mt_angle.gif"},
        {"ICE BRIDGE", false, mount, "ice.gif"},
        {"Odd", false, mount, "a=b.gif"},
        {"Missing", false, mount, ""},
        {"NoEquals", false, mount, ""},
        {"N/A", true, mount, "na.gif"},
        {"Angle Member", true, connector, "mt_angle.gif"},
        {"Any", false, boots, "boothd.gif"},
        {"None", true, boots, "na1.gif"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChoicePictureName(images, c.text, c.last, c.rule), c.expected) << c.text;
}

TEST(SiteLocations, EveryPictureIsOneTheProgramShips)
{
    const auto shipped = ProgramPictures();
    const auto known = [&](std::string_view name) {
        return name.empty() || std::find(shipped.begin(), shipped.end(), name) != shipped.end();
    };
    for (const SiteLocation& s : SiteLocations()) {
        EXPECT_TRUE(known(s.picture) && known(s.verticalStructure) && known(s.horizontalStructure)) << s.word;
        EXPECT_EQ(&SiteLocationOf(static_cast<Site>(&s - SiteLocations().data())), &s);
    }
    for (const char* picture : {AntennaPicture(AntennaType::Omni, false), AntennaPicture(AntennaType::Sector, true),
                                AntennaPicture(AntennaType::NotApplicable, false)})
        EXPECT_TRUE(known(picture)) << picture;
}

} // namespace
} // namespace tav
