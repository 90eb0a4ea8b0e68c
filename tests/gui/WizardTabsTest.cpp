// The cable-entry, grounding/weatherproofing, surge and GPS tabs on the demo installation,
// through their widgets.
#include "doubles/DemoWizard.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <utility>

namespace tav::test {
namespace {

using gui::TfrmMain;

class WizardTabs : public DemoWizard
{
protected:
    // A control of one tab, found on the tab by its objectName.
    template <typename T> T* On(const char* tab, const char* name) { return &Named<T>(Named<QWidget>(*w, tab), name); }
    template <typename T = QComboBox> T* E(const char* name) { return On<T>("tsCableEntry", name); }
    template <typename T = QComboBox> T* G(const char* name) { return On<T>("tsGroundWeather", name); }
    template <typename T = QComboBox> T* S(const char* name) { return On<T>("tsSurgeProtection", name); }
    template <typename T = QComboBox> T* P(const char* name) { return On<T>("tsGps", name); }

    // Onto the accessory pages of the cable, optionally in meters.
    void Enter(const char* diameter = "1/2", bool meters = false)
    {
        Start(diameter);
        if (meters)
            Click(*w, "rbMeters");
        Next(3);
        ASSERT_EQ(w->CurrentPage(), TfrmMain::kAccessories);
    }

    QComboBox* Box(const char* name) const { return &Named<QComboBox>(*w, name); }

    QStringList ErrorTexts() const
    {
        QStringList texts;
        for (const BoxRequest& b : fake.boxes.shown)
            if (b.kind == BoxKind::Error)
                texts << b.text;
        return texts;
    }
};

TEST_F(WizardTabs, EnteringTheAccessoriesFillsEveryTab)
{
    Enter();
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_EQ(Items(E("cboCEDiameter")), (QStringList{"4 in. Round Entry Ports", "5 in. Round Entry Ports", "None"}));
    EXPECT_EQ(E("cboCEDiameter")->currentText(), "None") << "the entry falls back to its last entry";
    EXPECT_EQ(Items(E("cboEoep")), QStringList{"None"});
    EXPECT_FALSE(E<QSpinBox>("seEoepQty")->isEnabled());
    EXPECT_EQ(E<gui::TImage>("imgEoep")->PictureFile(), "na1.gif");
    EXPECT_EQ(E<gui::TImage>("imgArrestor")->PictureFile(), "na2.gif");

    EXPECT_EQ(G("cboGroundingType")->currentText(), "Compression Grounding Kit");
    EXPECT_EQ(Items(G("cboWireLength")), (QStringList{"24", "48"}));
    EXPECT_EQ(G<gui::TImage>("imgGround")->PictureFile(), "gk_compression.gif");
    EXPECT_EQ(Items(G("cboConnectorType")), (QStringList{"7-16 DIN", "N Type"}));
    EXPECT_EQ(Items(G("cboCADiameter")), (QStringList{"Jumper Cable", "Antenna Port"}));

    EXPECT_EQ(Items(S("cboFirstConnector")), (QStringList{"4.3-10 Male", "7-16 DIN Male", "N Male"}));
    EXPECT_EQ(Items(S("cboSecondConnector")), (QStringList{"4.3-10 Female", "4.3-10 Male"}));
    EXPECT_EQ(S<gui::TImage>("imgFirstConnector")->PictureFile(), "con_4310_male.gif");
    EXPECT_EQ(S<gui::TImage>("imgSurge")->PictureFile(), "srg_gas_4310.gif");

    EXPECT_EQ(P("cboGPS")->currentText(), "None");
    EXPECT_FALSE(P<gui::DecimalSpinEdit>("seGpsLength")->isEnabled() || P<QRadioButton>("rbGPSFeet")->isEnabled());
    EXPECT_EQ(P<gui::TImage>("imgGps")->PictureFile(), "na6.gif");

    // 15 + 100 ft, 3 runs: (ceil(115 / 200) + 2) x 3 grounding kits, one weatherproofing kit
    // and one protector per run.
    EXPECT_EQ(Range(13, 8),
              (Slots{kNone, kNone, "GC-12-24|9|3|", "WCS-12-DJ|3|4|", "SGT-300|3|8|", kNone, kNone, kNone}));
}

TEST_F(WizardTabs, EntryChoicesSurviveARefill)
{
    struct Case
    {
        const char* what;
        const char* plate;
        const char* boot;
        int typed; // typed into both quantity boxes; 0: nothing typed
        Slots expected;
    };
    const Case cases[] = {
        {"\"None\" stays \"None\"", "None", "None", 0, {kNone, kNone}},
        // The last real entries: the entry just before "None" is the one a list without
        // "None" would have lost.
        {"a typed quantity on the last entries",
         "Weather Hood",
         "Cable Entry Boot, 3 Holes",
         3,
         {"WHD-5|3|5|", "EB5-12-3|3|5|"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Enter();
        Pick(E("cboCEDiameter"), "5 in. Round Entry Ports");
        Pick(E("cboEoep"), c.plate);
        Pick(E("cboEntryBoots"), c.boot);
        if (c.typed) {
            E<QSpinBox>("seEoepQty")->setValue(c.typed);
            E<QSpinBox>("seEntryBootQty")->setValue(c.typed);
        }
        ASSERT_EQ(Range(13, 2), c.expected);
        Trigger(*w, "Meters1");
        EXPECT_EQ(E("cboEoep")->currentText(), c.plate);
        EXPECT_EQ(E("cboEntryBoots")->currentText(), c.boot);
        EXPECT_EQ(E<QSpinBox>("seEoepQty")->value(), c.typed);
        EXPECT_EQ(E<QSpinBox>("seEoepQty")->isEnabled(), c.typed != 0);
        EXPECT_EQ(Range(13, 2), c.expected);
        EXPECT_TRUE(fake.boxes.shown.empty());
    }
}

TEST_F(WizardTabs, QuantityBoxesAndTheArrestor)
{
    Enter();
    Pick(E("cboCEDiameter"), "4 in. Round Entry Ports");
    Pick(E("cboEoep"), "Entry Plate, 9 Ports");
    EXPECT_EQ(E<QSpinBox>("seEoepQty")->value(), 1) << "a chosen plate is ordered at least once";
    EXPECT_EQ(Slot(13), "EP4-9|1|5|");
    E<QSpinBox>("seEoepQty")->setValue(0);
    EXPECT_EQ(E<QSpinBox>("seEoepQty")->value(), 1) << "not below 1 while a plate is chosen";
    E<QSpinBox>("seEoepQty")->setValue(4);
    EXPECT_EQ(Slot(13), "EP4-9|4|5|");
    EXPECT_EQ(E<gui::TImage>("imgEoep")->PictureFile(), "ep_9port.gif");
    Pick(E("cboEntryBoots"), "Cable Entry Boot, 2 Holes");
    EXPECT_EQ(E<gui::TImage>("imgEntryBoot")->PictureFile(), "boothd.gif") << "every boot shows the same picture";
    Pick(E("cboEoep"), "None");
    EXPECT_EQ(E<QSpinBox>("seEoepQty")->value(), 0);
    EXPECT_FALSE(E<QSpinBox>("seEoepQty")->isEnabled());
    EXPECT_EQ(Slot(13), kNone);
    EXPECT_EQ(E<gui::TImage>("imgEoep")->PictureFile(), "na1.gif");

    E<QSpinBox>("seArrestorQty")->setValue(2);
    EXPECT_EQ(Slot(19), "IEG-200|2|5|");
    EXPECT_EQ(E<gui::TImage>("imgArrestor")->PictureFile(), "port2.gif");
    // Restart empties the list, but the box still orders two arrestors.
    Click(*w, "btnRestart");
    EXPECT_EQ(Range(0, 19), Slots(19, kNone));
    EXPECT_EQ(Slot(19), "IEG-200|2|5|");
    // Leaving specific-cable mode loads the site pictures again; the arrestor's follows its box.
    Click(*w, "chkCableOnly");
    Click(*w, "chkCableOnly");
    EXPECT_EQ(E<gui::TImage>("imgArrestor")->PictureFile(), "port2.gif");
    E<QSpinBox>("seArrestorQty")->setValue(0);
    EXPECT_EQ(Slot(19), kNone);
    EXPECT_EQ(E<gui::TImage>("imgArrestor")->PictureFile(), "na2.gif");
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

// Typing "12" passes through 1: the missing part is said once per committed value, and
// nothing interrupts the typing.
TEST_F(WizardTabs, ArrestorWithoutAPartNumber)
{
    inst.Edit("cblEntry.dat", "PN=IEG-200", "PN=");
    Enter();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    Named<QTabWidget>(*w, "pcAccessories").setCurrentWidget(&Named<QWidget>(*w, "tsCableEntry"));
    auto& quantity = Named<QSpinBox>(*w, "seArrestorQty");
    quantity.setFocus();
    quantity.selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "12");
    EXPECT_EQ(quantity.value(), 12);
    EXPECT_EQ(Slot(19), kNone) << "no record without a part";
    EXPECT_TRUE(ErrorTexts().isEmpty()) << "told when the typing is done";
    const std::pair<Qt::Key, qsizetype> commits[] = {
        {Qt::Key_Return, 1}, {Qt::Key_Tab, 1}, {Qt::Key_Up, 2}, {Qt::Key_Return, 2}};
    for (const auto& [key, told] : commits) {
        if (key != Qt::Key_Tab)
            quantity.setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(ErrorTexts().size(), told) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(quantity.value(), 13);
    Trigger(*w, "Meters1");
    Click(*w, "btnRestart");
    EXPECT_EQ(Slot(19), kNone);
    EXPECT_EQ(ErrorTexts().size(), 2) << "told when the box changes, not at every reload";
}

// Each reload resolves the protector once: with its picture missing, one box per reload.
TEST_F(WizardTabs, OneProtectorResolutionPerReload)
{
    for (const char* name : {"srg_gas_4310.gif", "srg_gas_4310@2x.gif"})
        std::filesystem::remove(inst.dir.Path() + "prog/images/" + name);
    const QStringList once{"Unable to load srg_gas_4310.gif"};
    Enter();
    EXPECT_EQ(ErrorTexts(), once);
    fake.boxes.Clear();
    Trigger(*w, "Meters1");
    EXPECT_EQ(ErrorTexts(), once);
}

// Each obsolete part is taken for its replacement; the lists then show the replacement's
// place and the slot holds it, and the next reload has nothing to ask.
TEST_F(WizardTabs, ReplacementsShowWhatTheSlotHolds)
{
    using Texts = std::vector<std::pair<const char*, const char*>>; // list, entry
    struct Case
    {
        const char* what;
        const char* diameter;
        bool meters;
        Texts picks;   // the last one chooses the obsolete part
        int slot;      // the first of the slots ordered
        Slots ordered; // from that slot on
        Texts shown;
    };
    const char* const fourInch = "4 in. Round Entry Ports";
    const Case cases[] = {
        {"plate",
         "1/2",
         false,
         {{"cboCEDiameter", fourInch}, {"cboEoep", "Entry Plate, 4 Ports, Aluminum"}},
         13,
         {"EP4-4|1|5|"},
         {{"cboCEDiameter", fourInch}, {"cboEoep", "Entry Plate, 4 Ports"}}},
        {"boot replaced by a type above the Types count",
         "1/2",
         false,
         {{"cboCEDiameter", fourInch}, {"cboEntryBoots", "Cable Entry Boot, 3 Holes, Neoprene"}},
         14,
         {"EB4-12-3|1|5|"},
         {{"cboCEDiameter", fourInch}, {"cboEntryBoots", "Cable Entry Boot, 3 Holes"}}},
        // The plate list follows the new entry type and orders its 5 in. plate.
        {"boot replaced under the other entry type",
         "3/8",
         false,
         {{"cboCEDiameter", fourInch},
          {"cboEoep", "Entry Plate, 9 Ports"},
          {"cboEntryBoots", "Cable Entry Boot, 1 Hole, Neoprene"}},
         13,
         {"EP5-9|1|5|", "EB5-38-1|1|5|"},
         {{"cboCEDiameter", "5 in. Round Entry Ports"},
          {"cboEoep", "Entry Plate, 9 Ports"},
          {"cboEntryBoots", "Cable Entry Boot, 1 Hole"}}},
        {"kit replaced by one of another length",
         "1/4",
         false,
         {{"cboGroundingType", "Standard Grounding Kit"}, {"cboWireLength", "36"}},
         15,
         {"GK-14-24|9|3|"},
         {{"cboWireLength", "24"}, {"cboLugAttachment", "Two-Hole Lug"}}},
        {"kit in meters",
         "1/2",
         true,
         {{"cboGroundingType", "Standard Grounding Kit"},
          {"cboWireLength", "600"},
          {"cboLugAttachment", "One-Hole Lug"}},
         15,
         {"GK-12-600|12|3|"},
         {{"cboWireLength", "600"}, {"cboLugAttachment", "Two-Hole Lug"}}},
        {"weatherproofing of another type",
         "1/2",
         false,
         {{"cboWeatherProofing", "Connector Boot Kit"}},
         16,
         {"WCS-12-DJ|3|4|"},
         {{"cboWeatherProofing", "Cold Shrink Kit"},
          {"cboConnectorType", "7-16 DIN"},
          {"cboCADiameter", "Jumper Cable"}}},
        {"GPS item",
         "1/2",
         false,
         {{"cboGPS", "1/4 in. GPS Feeder Kit, Standard Jacket"}},
         18,
         {"GPK-14|1|7|"},
         {{"cboGPS", "1/4 in. Foam GPS Feeder Kit"}}},
        // SGN-100 is the first protector for these connectors.
        {"protector",
         "1/2",
         false,
         {{"cboFirstConnector", "N Male"}, {"cboSecondConnector", "N Male"}},
         17,
         {"SGN-300|3|8|"},
         {{"cboSurge", "Gas Tube Protector, N Female/N Female, DC-3000 MHz"}}},
    };
    ShowObsoleteParts();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.boxes.Clear();
        Enter(c.diameter, c.meters);
        for (size_t i = 0; i + 1 < c.picks.size(); ++i)
            Pick(Box(c.picks[i].first), c.picks[i].second);
        ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
        Answer(kChange);
        Pick(Box(c.picks.back().first), c.picks.back().second);
        EXPECT_EQ(Notices().size(), 1);
        EXPECT_EQ(Range(c.slot, static_cast<int>(c.ordered.size())), c.ordered);
        for (const auto& [list, entry] : c.shown)
            EXPECT_EQ(Box(list)->currentText(), entry) << list;
        w->ReloadWizardLists();
        EXPECT_EQ(Notices().size(), 1) << "the lists name the part ordered";
        EXPECT_EQ(Range(c.slot, static_cast<int>(c.ordered.size())), c.ordered);
    }
}

TEST_F(WizardTabs, OneNoticePerObsoletePartAndAction)
{
    ShowObsoleteParts();
    Enter();
    Pick(E("cboCEDiameter"), "4 in. Round Entry Ports");
    Answer(kKeep);
    Pick(E("cboEoep"), "Entry Plate, 4 Ports, Aluminum");
    Pick(S("cboFirstConnector"), "N Male");
    // The first protector for these connectors is the obsolete SGN-100.
    Answer(kKeep);
    Pick(S("cboSecondConnector"), "N Male");
    ASSERT_EQ(Notices().size(), 2);
    ASSERT_TRUE(fake.boxes.script.empty());

    // The boot's replacement is of the same entry type: the kept plate is not asked about again.
    fake.boxes.Clear();
    Answer(kChange);
    Pick(E("cboEntryBoots"), "Cable Entry Boot, 1 Hole, Neoprene");
    EXPECT_EQ(Notices(), QStringList{"EB4-12-1 - Cable Entry Boot, 4 in. port, 1 hole for 1/2 in. cable"});
    EXPECT_EQ(Range(13, 2), (Slots{"EP4-4A|1|5|", "EB4-12-1|1|5|"}));

    // A reload resolves every kept part again, each once.
    fake.boxes.Clear();
    w->ReloadWizardLists();
    EXPECT_EQ(Notices(), (QStringList{"EP4-4 - Entry Plate, 4 ports of 4 in., stainless steel",
                                      "SGN-300 - Gas Tube Protector, N Female/N Female, DC-3000 MHz"}));
    EXPECT_EQ(Slot(17), "SGN-100|3|8|");
}

TEST_F(WizardTabs, UnitSwitchKeepsTheChosenKit)
{
    Enter();
    Pick(G("cboGroundingType"), "Standard Grounding Kit");
    Pick(G("cboWireLength"), "36");
    EXPECT_EQ(Slot(15), "GK-12-36|9|3|");
    Trigger(*w, "Meters1");
    EXPECT_EQ(G("cboWireLength")->currentText(), "900");
    EXPECT_EQ(G<QLabel>("lblGroundLength")->text(), "millimeters");
    EXPECT_EQ(Slot(15), "GK-12-900|12|3|");
    Trigger(*w, "Feet1");
    EXPECT_EQ(G("cboWireLength")->currentText(), "36");
    EXPECT_EQ(Slot(15), "GK-12-36|9|3|");
}

TEST_F(WizardTabs, SurgeListsFollowBandAndConnectors)
{
    Enter();
    Pick(S("cboFirstConnector"), "7-16 DIN Male");
    EXPECT_EQ(Items(S("cboSecondConnector")), (QStringList{"7-16 DIN Female", "7-16 DIN Male", "None"}));
    Pick(S("cboSecondConnector"), "7-16 DIN Male");
    // 800-2500 MHz fits 806-960, 1700-2500 does not; "N/A" sorts in among the entries.
    EXPECT_EQ(Items(S("cboSurge")), (QStringList{"Bulkhead Quarter-Wave Protector, 7-16 DIN Female, 100-1000 MHz",
                                                 "Gas Tube Protector, 7-16 DIN Female/Female, DC-3000 MHz", "N/A",
                                                 "Quarter-Wave Protector, 7-16 DIN Female/Female, 800-2500 MHz"}));
    Pick(S("cboSecondConnector"), "None");
    EXPECT_EQ(S<gui::TImage>("imgSecondConnector")->PictureFile(), "na4.gif");
    EXPECT_EQ(Slot(17), "SBD-10|3|8|") << "a protector without a second connector mates to any";

    Pick(S("cboFirstConnector"), "4.3-10 Male");
    Pick(S("cboSecondConnector"), "4.3-10 Male");
    EXPECT_EQ(S("cboSurge")->currentText(), "Gas Tube Protector, 4.3-10 Female/Female, DC-2700 MHz");
    EXPECT_EQ(S<gui::TImage>("imgSurge")->PictureFile(), "na3.gif") << "a protector without a picture of its own";
    Pick(S("cboSurge"), "N/A");
    EXPECT_EQ(Slot(17), kNone);
    EXPECT_EQ(S<gui::TImage>("imgSurge")->PictureFile(), "na3.gif");
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();

    // A band that is no number leaves nothing of the old band ordered.
    {
        QComboBox* beginning = CableControls(*w).cboBeginning;
        const QSignalBlocker block(beginning);
        beginning->setEditText("8O6");
    }
    Pick(S("cboSurge"), "Quarter-Wave Protector, 4.3-10 Female/Female, 698-2700 MHz");
    ASSERT_EQ(Slot(17), "SQT-727|3|8|");
    Trigger(*w, "Meters1");
    EXPECT_EQ(ErrorTexts(), QStringList{"'8O6' is not a valid floating point value"});
    EXPECT_EQ(Slot(17), kNone);
    for (QComboBox* box : {S("cboFirstConnector"), S("cboSecondConnector"), S("cboSurge")})
        EXPECT_EQ(Items(box), QStringList{"N/A"});
    EXPECT_EQ(S<gui::TImage>("imgFirstConnector")->PictureFile(), "na4.gif");
}

TEST_F(WizardTabs, NoProtectorFitsTheBand)
{
    w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
    Pick(CableControls(*w).cboBeginning, "5925");
    Next(3);
    EXPECT_EQ(Items(S("cboFirstConnector")), QStringList{"N/A"});
    EXPECT_EQ(S<gui::TImage>("imgFirstConnector")->PictureFile(), "na4.gif");
    EXPECT_EQ(S<gui::TImage>("imgSurge")->PictureFile(), "na3.gif");
    EXPECT_EQ(Slot(17), kNone);
}

TEST_F(WizardTabs, GpsItem)
{
    Enter();
    Pick(P("cboGPS"), "1/2 in. Foam GPS Feeder Kit");
    EXPECT_EQ(Slot(18), "GPK-12|1|7|");
    EXPECT_TRUE(P<gui::DecimalSpinEdit>("seGpsLength")->isEnabled() && P<QRadioButton>("rbGPSFeet")->isEnabled());
    EXPECT_EQ(P<gui::TImage>("imgGps")->PictureFile(), "gps.gif");
    P<gui::DecimalSpinEdit>("seGpsLength")->setValue(40);
    Named<QTabWidget>(*w, "pcAccessories").setCurrentWidget(&Named<QWidget>(*w, "tsGps"));
    Click(*w, "rbGPSMeters");
    EXPECT_TRUE(P<QRadioButton>("rbGPSFeet")->isChecked()) << "the buttons only show the unit";
    Pick(P("cboGPS"), "None");
    EXPECT_EQ(Slot(18), kNone);
    EXPECT_FALSE(P<gui::DecimalSpinEdit>("seGpsLength")->isEnabled() || P<QRadioButton>("rbGPSMeters")->isEnabled());
    EXPECT_EQ(P<gui::DecimalSpinEdit>("seGpsLength")->value(), 0);
    EXPECT_EQ(P<gui::TImage>("imgGps")->PictureFile(), "na6.gif");
}

} // namespace
} // namespace tav::test
