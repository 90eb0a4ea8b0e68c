// The antenna, location and mounting pages on the demo installation, through their widgets.
#include "doubles/DemoWizard.h"
#include "gui/app/TImage.h"
#include "gui/materials/AccessoryListPage.h"
#include "gui/wizard/MountingTab.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <utility>

namespace tav::test {
namespace {

using gui::TfrmMain;

class MountingPages : public DemoWizard
{
protected:
    QComboBox* Box(const QString& name) const { return &Named<QComboBox>(*w, name); }
    QString Picture(const QString& name) const { return Named<gui::TImage>(*w, name).PictureFile(); }
    // "Select from this list only" as a user reaches it: on the "Accessory List" tab.
    void ClickListOnly()
    {
        Named<QTabWidget>(*w, "pcAccessories").setCurrentWidget(&Named<QWidget>(*w, "tsList"));
        Click(*w, "chkMiscOnly");
    }
};

TEST_F(MountingPages, EnteringTheAccessoriesFillsEveryListAndSlot)
{
    Start();
    Next(3);
    ASSERT_EQ(w->CurrentPage(), TfrmMain::kAccessories);
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_TRUE(Named<QRadioButton>(*w, "rbTower").isChecked()) << "the location page starts on a tower";

    EXPECT_EQ(Items(Box("cboHorizontalMount")), (QStringList{"Cable Ladder", "Ice Bridge", "N/A"}));
    EXPECT_EQ(Items(Box("cboHorizontalCableAttachment")),
              (QStringList{"Klemmit Cushion Clamp", "Vornclamp Block Clamp Set", "Stackor Stacking Kit", "N/A"}));
    EXPECT_EQ(Items(Box("cboVerticalMount")), (QStringList{"Angle Member", "Round Member", "Cable Ladder", "N/A"}));
    EXPECT_EQ(Items(Box("cboVerticalCableAttachment")),
              (QStringList{"Plainhold Hanger", "Latchor Snap-In Hanger", "Stackor Stacking Kit", "N/A"}))
        << "the obsolete galvanized hanger is left out";
    EXPECT_EQ(Items(Box("cboVerticalMountingHardware")), (QStringList{"Angle Clip Kit", "N/A"}));
    EXPECT_EQ(Items(Box("cboHoistingGrip")),
              (QStringList{"Lace-Up Hoisting Grip", "Pre-Laced Hoisting Grip", "Standard Hoisting Grip", "None"}))
        << "the pre-laced grip is offered for its current record";
    EXPECT_EQ(Named<gui::MountingTab>(*w, "tsHorizontal").findChild<QComboBox*>("cboHoistingGrip"), nullptr);

    EXPECT_EQ(Range(0, 13), (Slots{"KCC-12|2|1|", kNone, kNone, "TRK-38|13|1|", kNone, kNone, "PHK-12|10|1|", kNone,
                                   kNone, "ACK-1|10|1|", kNone, kNone, "HGL-12|3|2|"}));
    EXPECT_EQ(Picture("imgVerticalMount"), "mt_angle.gif");
    EXPECT_EQ(Picture("imgVerticalCableAttachment"), "plainhold1.gif");
    EXPECT_EQ(Picture("imgHoistingGrip"), "hg_laceup.gif");
    EXPECT_EQ(Picture("imgVerticalStructure"), "VertTwrParts.gif");
    EXPECT_EQ(Picture("imgHorizontalStructure"), "HorizTwrParts.gif");
    EXPECT_EQ(Named<QLabel>(*w, "lblVerticalLength").text(), "Vertical Length: 100 feet");
}

TEST_F(MountingPages, EachChoiceCascadesDownToItsSlots)
{
    Start();
    Next(3);
    struct Step
    {
        const char* list;
        const char* entry;
        Slots vertical; // slots 6 to 11
        const char* mountPicture;
    };
    const Step steps[] = {
        {"cboVerticalMount",
         "Cable Ladder",
         {"KCC-12|9|1|", kNone, kNone, "TRK-38|86|1|", kNone, kNone},
         "mt_ladder.gif"},
        // Three runs: the three-run part alone.
        {"cboVerticalCableAttachment",
         "Vornclamp Block Clamp Set",
         {kNone, kNone, "VBC-12-3|3|1|", "TRK-38|86|1|", kNone, kNone},
         "mt_ladder.gif"},
        // The stacking kits go by six runs: three runs take one four-run kit.
        {"cboVerticalCableAttachment",
         "Stackor Stacking Kit",
         {kNone, "SSK-12-4|34|1|", kNone, "SLB-6|100|1|", kNone, kNone},
         "mt_ladder.gif"},
        {"cboVerticalMountingHardware", "N/A", {kNone, "SSK-12-4|34|1|", kNone, kNone, kNone, kNone}, "mt_ladder.gif"},
        {"cboVerticalMount", "N/A", {kNone, kNone, kNone, kNone, kNone, kNone}, "na.gif"},
    };
    const Slots horizontal = Range(0, 6);
    for (const Step& s : steps) {
        Pick(Box(s.list), s.entry);
        EXPECT_EQ(Range(6, 6), s.vertical) << s.entry;
        EXPECT_EQ(Picture("imgVerticalMount"), s.mountPicture) << s.entry;
    }
    EXPECT_EQ(Items(Box("cboVerticalCableAttachment")), QStringList{"N/A"});
    EXPECT_EQ(Picture("imgVerticalCableAttachment"), "na.gif");
    EXPECT_EQ(Range(0, 6), horizontal) << "the other side keeps its slots";
    EXPECT_TRUE(fake.boxes.shown.empty());

    // A caption found in Images.dat under another letter case.
    Pick(Box("cboHorizontalMount"), "Ice Bridge");
    EXPECT_EQ(Picture("imgHorizontalMount"), "mt_icebridge.gif");
}

// Round Member with the galvanized hanger on KF12: both the hanger (PHG-12) and its hose
// clamp (HCG-6, whose replacement no column of KF12's row holds) are obsolete, and the
// hardware caption "Hose Clamp Strap Kit" stands for another column under the plain hanger.
// The hanger is settled first; the clamp is asked about only while the galvanized hanger
// stays.
TEST_F(MountingPages, HardwareOfTheFinalAttachmentAndOneNoticePerObsoletePart)
{
    const QString hanger = "PHK-12 - Plainhold Hanger Kit, 1/2 in. cable, pack of 10";
    const QString clamp = "HCG-8 - Hose Clamp Strap Kit, galvanized, members up to 8 in., pack of 10";
    struct Case
    {
        const char* what;
        std::vector<BoxAnswer> answers; // in the order they are asked
        QStringList notices;
        const char* attachmentAfter;
        Slots attachmentAndHardware; // slots 6 and 9
    };
    const Case cases[] = {
        {"keep both", {kKeep, kKeep}, {hanger, clamp}, "Plainhold Hanger, Galvanized", {"PHG-12|10|1|", "HCG-6|10|1|"}},
        {"new hanger: its own clamp", {kChange}, {hanger}, "Plainhold Hanger", {"PHK-12|10|1|", "HCS-6|10|1|"}},
        {"old hanger, new clamp",
         {kKeep, kChange},
         {hanger, clamp},
         "Plainhold Hanger, Galvanized",
         {"PHG-12|10|1|", "HCG-8|10|1|"}},
    };
    ShowObsoleteParts();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.boxes.Clear();
        Start();
        Next(3);
        Pick(Box("cboVerticalMount"), "Round Member");
        ASSERT_TRUE(fake.boxes.shown.empty());
        for (const BoxAnswer& a : c.answers)
            Answer(a);
        Pick(Box("cboVerticalCableAttachment"), "Plainhold Hanger, Galvanized");
        EXPECT_EQ(Notices(), c.notices);
        EXPECT_EQ((Slots{Slot(6), Slot(9)}), c.attachmentAndHardware);
        EXPECT_EQ(Box("cboVerticalCableAttachment")->currentText(), c.attachmentAfter);
        EXPECT_EQ(Box("cboVerticalMountingHardware")->currentText(), "Hose Clamp Strap Kit");
    }
}

// A caption on two lines: the entry orders the part of the line it was offered for.
TEST_F(MountingPages, AnEntryOrdersThePartOfItsOwnLine)
{
    struct Case
    {
        const char* what;
        std::vector<std::pair<const char*, const char*>> edits; // mount.dat
        const char* site;                                       // null: the tower
        const char* attachment;
        const char* ordered; // slot 6
    };
    const Case cases[] = {
        // The first "Plainhold Hanger" line holds the obsolete PHG-12 and is not offered.
        {"captions swapped",
         {{"Plainhold=Plainhold Hanger|1|", "Plainhold=Plainhold Hanger|14|"},
          {"PlainholdGalv=Plainhold Hanger, Galvanized|14|", "PlainholdGalv=Plainhold Hanger|1|"}},
         nullptr,
         "Plainhold Hanger",
         "PHK-12|10|1|"},
        // A wall carries no Latchor hanger, whatever its caption.
        {"a line the mount does not carry",
         {{"Latchor=Latchor Snap-In Hanger|2|", "Latchor=Klemmit Cushion Clamp|2|"}},
         "rbRoofTop",
         "Klemmit Cushion Clamp",
         "KCC-12|9|1|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DemoInstallation copy;
        copy.Register(fake.registry);
        for (const auto& [from, to] : c.edits)
            copy.Edit("mount.dat", from, to);
        fake.boxes.Clear();
        w = std::make_unique<TfrmMain>(fake.platform, copy.ProgramFolder(), QStringList());
        ChooseFoamCable("806", "960", "1/2");
        Next(2);
        if (c.site)
            Click(*w, c.site);
        Next();
        Pick(Box("cboVerticalCableAttachment"), c.attachment);
        EXPECT_EQ(Slot(6), c.ordered);
        EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
        w.reset();
    }
}

// Pre-Laced is offered for KF12's current record (HGS-12) behind the obsolete HGP-12.
TEST_F(MountingPages, AHoistingGripOrdersTheRecordItWasOfferedFor)
{
    Start();
    Next(3);
    Pick(Box("cboHoistingGrip"), "Pre-Laced Hoisting Grip");
    EXPECT_EQ(Slot(12), "HGS-12|3|2|");
    EXPECT_EQ(Box("cboHoistingGrip")->currentText(), "Pre-Laced Hoisting Grip");
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(MountingPages, AcceptedReplacementsInMetersCarryTheirMetricNumber)
{
    struct Case
    {
        const char* mount; // vertical, or null for the hoisting grip
        const char* attachment;
        const char* list;
        const char* obsoleteEntry;
        int slot;
        const char* ordered;
        const char* entryAfter;
    };
    const Case cases[] = {
        {"Angle Member", nullptr, "cboVerticalCableAttachment", "Plainhold Hanger, Galvanized", 6, "PHK-12M|33|1|",
         "Plainhold Hanger"},
        {"Round Member", "Latchor Snap-In Hanger", "cboVerticalMountingHardware", "Round Member Adapter, Old Style", 9,
         "RMA-40M|33|1|", "Round Member Adapter"},
        {nullptr, nullptr, "cboHoistingGrip", "Pre-Laced Hoisting Grip", 12, "HGS-12|9|2|", "Standard Hoisting Grip"},
    };
    ShowObsoleteParts();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.obsoleteEntry);
        fake.boxes.Clear();
        Start();
        Click(*w, "rbMeters");
        Next(3);
        if (c.mount)
            Pick(Box("cboVerticalMount"), c.mount);
        if (c.attachment)
            Pick(Box("cboVerticalCableAttachment"), c.attachment);
        ASSERT_TRUE(fake.boxes.shown.empty());
        Answer(kChange);
        Pick(Box(c.list), c.obsoleteEntry);
        EXPECT_EQ(Notices().size(), 1);
        EXPECT_EQ(w->State().selection[static_cast<size_t>(c.slot)], c.ordered);
        EXPECT_EQ(Box(c.list)->currentText(), c.entryAfter);
    }
}

TEST_F(MountingPages, ASiteWithoutAStructureKeepsItsTabHidden)
{
    Start();
    Next(2);
    Named<QRadioButton>(*w, "rbMonopole").click();
    Next();
    EXPECT_FALSE(TabShown(Tab("tsVertical")));
    EXPECT_EQ(CurrentTab(), Tab("tsHorizontal"));
    EXPECT_EQ(Range(6, 6), Slots(6, kNone)) << "nothing is ordered for a side the site lacks";
    EXPECT_EQ(w->State().selection[0], "KCC-12|2|1|");
    EXPECT_EQ(w->State().selection[12], "HGL-12|3|2|") << "the runs still go up the pole";
    EXPECT_TRUE(Picture("imgVerticalStructure").isEmpty()) << "the tower's picture is not left behind";
    EXPECT_EQ(Picture("imgHorizontalStructure"), "HorizMpParts.gif");

    ClickListOnly();
    EXPECT_FALSE(TabShown(Tab("tsHorizontal")));
    EXPECT_EQ(CurrentTab(), Tab("tsList"));
    w->State().selection[0] = "STALE|1|1|";
    ClickListOnly();
    EXPECT_FALSE(TabShown(Tab("tsVertical"))) << "unticking list-only brings back only the site's tabs";
    EXPECT_TRUE(TabShown(Tab("tsHorizontal")) && TabShown(Tab("tsCableEntry")) && TabShown(Tab("tsGps")));
    EXPECT_TRUE(TabShown(CurrentTab()));
    EXPECT_EQ(w->State().selection[0], "KCC-12|2|1|") << "the wizard's lists are filled again";

    Click(*w, "btnRestart");
    EXPECT_FALSE(TabShown(Tab("tsVertical")));
    EXPECT_EQ(CurrentTab(), Tab("tsHorizontal"));

    Next(2);
    Named<QRadioButton>(*w, "rbTower").click();
    EXPECT_TRUE(TabShown(Tab("tsVertical")));
    Next();
    EXPECT_EQ(CurrentTab(), Tab("tsVertical")) << "the accessories open on the first tab";
}

TEST_F(MountingPages, UnitSwitchWhilePickingFromTheListAlone)
{
    Start();
    Next(3);
    ASSERT_EQ(w->State().selection[6], "PHK-12|10|1|");
    ClickListOnly();
    Trigger(*w, "Meters1");
    EXPECT_EQ(w->State().selection[6], "PHK-12|10|1|") << "the hidden lists are not refilled";
    ClickListOnly();
    EXPECT_EQ(w->State().selection[6], "PHK-12M|33|1|");
    Trigger(*w, "Feet1");
    EXPECT_EQ(w->State().selection[6], "PHK-12|10|1|");
}

TEST_F(MountingPages, AntennaDecidesRunsAndParapet)
{
    Start();
    CableControls(*w).seNumRuns->setValue(4);
    Next();
    const auto& a = Named<QWidget>(*w, "tsAntenna");
    const auto& microsite = Named<QCheckBox>(a, "chkMicrosite");
    const auto& parapet = Named<QRadioButton>(*w, "rbParapet");
    const auto antenna = [&] { return Named<gui::TImage>(a, "imgAntenna").PictureFile(); };
    EXPECT_TRUE(Named<QRadioButton>(a, "rbSector").isChecked() && microsite.isEnabled());
    EXPECT_EQ(antenna(), "sector.gif");

    Click(a, "chkMicrosite");
    EXPECT_EQ(w->State().runsCount, 8);
    EXPECT_EQ(antenna(), "micro.gif");
    EXPECT_FALSE(parapet.isEnabled() || Named<gui::TImage>(*w, "imgParapet").isEnabled());
    Click(a, "chkMicrosite");
    EXPECT_EQ(w->State().runsCount, 4);
    EXPECT_TRUE(parapet.isEnabled());

    Next();
    Click(*w, "rbParapet");
    EXPECT_EQ(Items(Box("cboVerticalMount")), (QStringList{"Wall", "Strut Channel", "N/A"}));
    EXPECT_FALSE(w->State().sides.horizontal);
    Click(*w, "btnBack");
    Click(a, "chkMicrosite");
    Click(a, "rbOmni");
    EXPECT_FALSE(microsite.isChecked() || microsite.isEnabled());
    EXPECT_EQ(w->State().runsCount, 4);
    EXPECT_EQ(antenna(), "omni.gif");
    EXPECT_FALSE(parapet.isEnabled());
    EXPECT_TRUE(Named<QRadioButton>(*w, "rbTower").isChecked()) << "a parapet gives way to a tower";
    EXPECT_EQ(Items(Box("cboVerticalMount")), (QStringList{"Angle Member", "Round Member", "Cable Ladder", "N/A"}));
    EXPECT_TRUE(w->State().sides.horizontal);
    Click(a, "rbNA");
    EXPECT_EQ(antenna(), "other.gif");
    EXPECT_TRUE(parapet.isEnabled());

    // Every showing of the page counts the runs again from "Number of runs:".
    Click(a, "rbSector");
    Click(a, "chkMicrosite");
    Click(*w, "btnBack");
    CableControls(*w).seNumRuns->setValue(5);
    EXPECT_EQ(w->State().runsCount, 5);
    Next();
    EXPECT_EQ(w->State().runsCount, 10);
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(MountingPages, CableWithoutAMountRowOffersNothingApplicable)
{
    w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
    Pick(CableControls(*w).cboBeginning, "10700");
    ASSERT_EQ(w->State().cableKey, "KE107");
    w->State().selection.assign(21, "OLD|1|1|");
    Next(3);
    EXPECT_EQ(Items(Box("cboVerticalMount")), (QStringList{"Angle Member", "Round Member", "Cable Ladder", "N/A"}));
    EXPECT_EQ(Items(Box("cboVerticalCableAttachment")), QStringList{"N/A"}) << "[ke107] is not KE107's row";
    EXPECT_EQ(Items(Box("cboVerticalMountingHardware")), QStringList{"N/A"});
    EXPECT_EQ(Items(Box("cboHoistingGrip")), QStringList{"None"});
    EXPECT_EQ(Range(0, 13), Slots(13, kNone));
}

} // namespace
} // namespace tav::test
