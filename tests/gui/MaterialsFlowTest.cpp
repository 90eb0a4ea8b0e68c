#include "core/common/Files.h"
#include "doubles/AccessoryGrid.h"
#include "doubles/CableControls.h"
#include "doubles/DemoInstallation.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"
#include "gui/materials/AccessoryListPage.h"
#include "gui/materials/MaterialsPage.h"
#include "gui/settings/TfrmCustom.h"
#include "gui/wizard/AntennaPage.h"
#include "gui/wizard/ObsoleteNotice.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace tav::test {
namespace {

using gui::TfrmMain;
namespace fs = std::filesystem;

// Two foam lines of different keys in one band, so the first row is not always the stored cable.
const char* kLines = "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                     "F12-A|K12A|806|960|FOAM|1/2|0.2|0.001|30|40|||cable12.gif|\n"
                     "F12-B|K12B|806|960|FOAM|1/2|0.2|0.001|30|40|||cable12.gif|\n"
                     "A78-A|A78|806|960|AIR|7/8|0.1|0.0005|50|90|||cable78.gif|\n";
const char* kList = "[Sections]\n1=Mounting\n2=Hoisting Grips\n5=Cable Entry\n1=Mounting again\n8=Surge Protection\n"
                    "9=Tools\n"
                    "[K12A]\n1=KOVA|Stacking adapter|1|\n2=AAD-3|Angle adapter|1|\n3=HGP-12|Pre-laced grip|2|\n"
                    "4=HGS-12|Standard grip|2|\n5=EP4-12|Entry plate|5|\n6=NOPE-1|Part without a price|5|\n"
                    "7=BAD-1|Broken price|9|\n"
                    "[K12B]\n1=AAD-3|Angle adapter|1|\n2=HGS-12|Standard grip|2|\n3=HGP-12|Pre-laced grip|2|\n"
                    "[Foam]\n1=CUT-1|Foam cutter|9|\n[Air]\n1=DHY-2|Dehydrator|9|\n";
const char* kPrices = "x|x|KOVA|x|Stacking Angle Adapter|64.50|\nx|x|AAD-3|x|Angle Adapter & clip|12.5|\n"
                      "x|x|HGS-12|x|Hoisting Grip, standard|28.20|\nx|x|HGP-12|x|Pre-laced grip|30.00|\n"
                      "x|x|EP4-12|x|Entry Plate||\nx|x|CUT-1|x|Foam cutter|64.00|\nx|x|SP-1|x|Surge protector|164|\n"
                      "x|x|BAD-1|x|Broken|12,5|\nx|x|EP4-4|x|Entry Plate, 4 ports|120.00|\n";

// Item rows of the list of materials, headings as "# caption".
std::vector<std::string> LomRows(const TfrmMain& w)
{
    std::vector<std::string> out;
    const ListOfMaterials& list = Named<gui::MaterialsPage>(w, "tsLom").List();
    for (const MaterialsRow& r : list.rows)
        out.push_back(r.IsHeading() ? "# " + r.partNumber
                                    : r.partNumber + " " + r.price + " " + r.quantity + " " + r.extended);
    return out;
}

class MaterialsFlow : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    std::unique_ptr<TfrmMain> w;

    void SetUp() override
    {
        inst.Register(fake.registry);
        inst.Data("tlines.dat", kLines);
        inst.Data("accessorylist.dat", kList);
        inst.Data("obsolete.dat", "HGP-12|HGS-12|Hoisting Grip, standard|\nAAD-3|AAD-9|Angle adapter, new|\n");
        inst.Data("settings.dat", "[OldParts]\r\nObsoleteWarning=1\r\nObsoleteList=1\r\n");
        inst.dir.Write("shared/M_lom.dat", kPrices);
    }

    void Start(const QStringList& args = {})
    {
        w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), args);
    }

    std::string Program(const std::string& name) const { return inst.dir.Path() + "prog/" + name; }

    AccessoryGrid Grid() const { return AccessoryGrid(*w); }
    int Row(const QString& part) const { return Grid().Row(part); }
    int Quantity(const QString& part) const { return Grid().Quantity(part); }
    // As the user types a quantity and leaves the cell.
    void Type(const QString& part, int quantity) { Grid().Type(part, quantity); }
    bool Ticked(const QString& part) const { return Grid().Ticked(part); }

    // Skip The Wizard with the first cable, order from the list, and build the list of materials.
    void OrderFromTheList(const std::vector<std::pair<QString, int>>& picks)
    {
        Click(*w, "btnListNow");
        for (const auto& p : picks)
            Type(p.first, p.second);
        Click(*w, "btnNext");
    }
};

TEST_F(MaterialsFlow, LastOrderIsWrittenAndSaveOpenSaveKeepsTheBytes)
{
    Start();
    OrderFromTheList({{"KOVA", 4}, {"HGS-12", 3}, {"EP4-12", 1}, {"NOPE-1", 2}});
    ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_EQ(LomRows(*w), (std::vector<std::string>{"# Mounting", "KOVA $64.50 4 $258.00", "# Hoisting Grips",
                                                     "HGS-12 $28.20 3 $84.60", "# Cable Entry",
                                                     "EP4-12 N/A 1 Contact Brimcor For Price",
                                                     "NOPE-1 N/A 2 Contact Brimcor For Price"}));
    EXPECT_EQ(Named<QLabel>(*w, "lblTotal").text(), "$342.60");
    EXPECT_TRUE(Named<QLabel>(*w, "lblKOVA").isVisibleTo(w.get()));
    EXPECT_EQ(inst.dir.Read("prog/Accessories.lom"),
              ReadFileBytes(std::string(TAVROLIN_TEST_DATA) + "/project/Accessories.lom").value_or("(missing)"));

    // Cancel writes nothing; a name without a suffix gets ".tvr".
    Trigger(*w, "Save1");
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("first")), {}};
    Trigger(*w, "Save1");
    ASSERT_EQ(fake.fileDialogs.shown.size(), 2u);
    const gui::FileDialogRequest& asked = fake.fileDialogs.shown.back();
    EXPECT_EQ(asked.mode, gui::FileDialogRequest::Mode::Save);
    EXPECT_EQ(asked.filter, "Tavrolin Files (*.tvr *.TVR)");
    EXPECT_EQ(asked.folder, inst.ProgramFolder() + "data");
    EXPECT_TRUE(fs::is_directory(Program("data")));
    ASSERT_TRUE(fs::exists(inst.dir.File("first.tvr")));

    Click(*w, "btnRestart");
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("first.tvr")),
                                QString::fromStdString(inst.dir.File("second.tvr"))};
    Trigger(*w, "Open1");
    EXPECT_EQ(w->CurrentPage(), TfrmMain::kLom);
    Trigger(*w, "Save1");
    EXPECT_EQ(inst.dir.Read("second.tvr"), inst.dir.Read("first.tvr"));
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(MaterialsFlow, DialogsStartAtHomeWhenTheProjectFolderCannotBeMade)
{
    inst.dir.Write("prog/data", "a file where the folder would go");
    Start();
    Trigger(*w, "Open1");
    ASSERT_EQ(fake.fileDialogs.shown.size(), 1u);
    EXPECT_EQ(fake.fileDialogs.shown[0].folder, QDir::homePath());
    EXPECT_EQ(fake.fileDialogs.shown[0].mode, gui::FileDialogRequest::Mode::Open);
}

TEST_F(MaterialsFlow, OpeningRestoresTheCablePageInOrder)
{
    inst.dir.Write("site.tvr", "[SITE 001 LOM]\r\n2=2|Each|AAD-3||x|0|\r\n4=3|Each|EP4-4||x|0|\r\n"
                               "5=1|Each|AAD-3||x|0|\r\n6=1200000|Each|HGP-12||x|0|\r\n"
                               "[Other]\r\nTline=K12B\r\nNumRuns=4\r\nBegF=806\r\nEndF=960\r\nHlength=20\r\n"
                               "Vlength=30.5\r\nSize=1/2\r\nCtype=1\r\nUnits=M\r\n");
    for (const char* picture : {"sector.gif", "micro.gif"})
        inst.Image(picture, DotGif());
    Start();
    // The page shows an air line when the foam project is opened, and a microsite mount
    // doubles the runs.
    const CableControls cable(*w);
    cable.rgCableType->Button(0)->click();
    ASSERT_EQ(w->State().cableKey, "A78");
    Named<QRadioButton>(*w, "rbSector").click();
    Named<QCheckBox>(*w, "chkMicrosite").click();
    ASSERT_EQ(w->State().runsCount, 6);
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("site"))};
    Trigger(*w, "Open1");

    ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_EQ(w->State().cableKey, "K12B") << "the stored cable, not the grid's first row";
    EXPECT_EQ(cable.grdTlines->item(cable.grdTlines->currentRow(), 0)->text(), "F12-B");
    EXPECT_EQ(cable.rgCableType->ItemIndex(), 1);
    EXPECT_EQ(w->State().runsCount, 4) << "the stored count is already the effective one";
    EXPECT_EQ(cable.seNumRuns->value(), 4);
    EXPECT_FALSE(Named<QCheckBox>(*w, "chkMicrosite").isChecked());
    EXPECT_EQ(cable.seVerticalLength->value(), 30.5);
    EXPECT_TRUE(w->State().meters && Named<QAction>(*w, "Meters1").isChecked() && cable.rbMeters->isChecked());
    const auto& listOnly = Named<QCheckBox>(*w, "chkMiscOnly");
    EXPECT_TRUE(listOnly.isChecked() && listOnly.isHidden());
    EXPECT_GE(Row("CUT-1"), 0) << "the accessory list follows the stored cable type";
    EXPECT_LT(Row("DHY-2"), 0);
    EXPECT_EQ(Quantity("AAD-3"), 3) << "the lines of one part are summed";
    EXPECT_EQ(Quantity("EP4-4"), 3) << "a part without a row of its own gets one";
    EXPECT_EQ(Row("EP4-4"), Row("AAD-3") + 1) << "under section 1";
    EXPECT_EQ(Quantity("HGP-12"), 1200000) << "every whole number of the file, unchanged";
    const std::vector<std::string> opened{"# Mounting", "AAD-3 $12.50 3 $37.50", "EP4-4 $120.00 3 $360.00",
                                          "# Hoisting Grips", "HGP-12 $30.00 1200000 $36000000.00"};
    EXPECT_EQ(LomRows(*w), opened);
    EXPECT_EQ(std::count(w->State().selection.begin(), w->State().selection.end(), "|||"), 21);
    EXPECT_EQ(w->State().selection.size(), 24u) << "the wizard's slots come back before the items";

    // Back to the list and on again: the same list, nothing lost.
    Click(*w, "btnBack");
    Click(*w, "btnNext");
    EXPECT_EQ(LomRows(*w), opened);

    // On the antenna page again, the reopened count is not doubled a second time.
    Click(*w, "btnRestart");
    Click(*w, "btnNext");
    EXPECT_EQ(w->State().runsCount, 4);

    // A file in feet while meters are shown switches to feet.
    inst.dir.Write("feet.tvr", "[SITE 001 LOM]\r\n[Other]\r\nTline=K12A\r\nUnits=F\r\nNumRuns=50000\r\n");
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("feet.tvr"))};
    Trigger(*w, "Open1");
    EXPECT_TRUE(!w->State().meters && Named<QAction>(*w, "Feet1").isChecked() && cable.rbFeet->isChecked());
    EXPECT_EQ(w->State().runsCount, cable.seNumRuns->maximum()) << "a count beyond the runs box is brought into it";
    EXPECT_TRUE(fake.boxes.shown.empty()) << "no obsolete-part notice while a file opens";
}

TEST_F(MaterialsFlow, AProjectThatCannotBeOpenedChangesNothing)
{
    const auto project = [this](const char* name, const std::string& items) {
        return inst.dir.Write(name, "[SITE 001 LOM]\r\n" + items + "[Other]\r\nTline=K12A\r\nNumRuns=9\r\nUnits=M\r\n");
    };
    project("bad-count.tvr", "2=lots|Each|HGS-12||x|0|\r\n");
    project("priced-in-words.tvr", "2=1|Each|KOVA||x|0|\r\n3=2|Each|BAD-1||x|0|\r\n");
    project("too-many.tvr", "2=2147483647|Each|HGS-12||x|0|\r\n3=1|Each|HGS-12||x|0|\r\n");
    inst.dir.Write("noise.tvr", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    struct Case
    {
        const char* file;
        const char* message;
    };
    const Case cases[] = {
        {"missing.tvr", "No such file or directory"},
        {"bad-count.tvr", "'lots' is not a valid integer value"},
        {"noise.tvr", "noise.tvr is not a Tavrolin project file"},
        {"priced-in-words.tvr", "'12,5' is not a valid floating point value"},
        {"too-many.tvr", "'2147483648' is not a valid integer value"},
    };

    Start();
    OrderFromTheList({{"HGS-12", 1}});
    const std::string lastOrder = inst.dir.Read("prog/Accessories.lom");
    const std::vector<std::string> shown = LomRows(*w);
    const std::vector<std::string> selection = w->State().selection;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fake.boxes.Clear();
        fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File(c.file))};
        Trigger(*w, "Open1");
        ASSERT_EQ(fake.boxes.shown.size(), 1u) << fake.boxes.Texts().join('|').toStdString();
        EXPECT_TRUE(fake.boxes.shown[0].text.contains(c.message)) << fake.boxes.shown[0].text.toStdString();
        EXPECT_EQ(w->CurrentPage(), TfrmMain::kLom);
        EXPECT_EQ(LomRows(*w), shown);
        EXPECT_EQ(w->State().selection, selection);
        EXPECT_EQ(Named<QSpinBox>(*w, "seNumRuns").value(), 3);
        EXPECT_EQ(Quantity("HGS-12"), 1);
        EXPECT_EQ(inst.dir.Read("prog/Accessories.lom"), lastOrder);
    }
    // What is shown is what is saved, and Back then Next builds it again.
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("kept.tvr"))};
    Trigger(*w, "Save1");
    EXPECT_EQ(inst.dir.Read("kept.tvr"), lastOrder);
    Click(*w, "btnBack");
    Click(*w, "btnNext");
    EXPECT_EQ(LomRows(*w), shown);
    EXPECT_EQ(inst.dir.Read("prog/Accessories.lom"), lastOrder);

    // Started with one, the program stays on its first page, and an empty list totals $0.00.
    for (const char* file : {"missing.tvr", "priced-in-words.tvr"}) {
        FakePlatform local;
        inst.Register(local.registry);
        TfrmMain started(local.platform, inst.ProgramFolder(), {"OPEN", QString::fromStdString(inst.dir.File(file))});
        EXPECT_EQ(started.CurrentPage(), TfrmMain::kParams) << file;
        EXPECT_EQ(local.boxes.shown.size(), 1u) << file;
        EXPECT_EQ(Named<QLabel>(started, "lblTotal").text(), "$0.00") << file;
    }

    // No last order yet: an empty list, and the first page as it was.
    Click(*w, "btnRestart");
    Named<QSpinBox>(*w, "seNumRuns").setValue(5);
    fs::remove(Program("Accessories.lom"));
    Trigger(*w, "ViewLastOrder1");
    EXPECT_EQ(w->CurrentPage(), TfrmMain::kLom);
    EXPECT_EQ(Named<QTableView>(*w, "grdLom").model()->rowCount(), 0);
    EXPECT_EQ(Named<QLabel>(*w, "lblTotal").text(), "$0.00");
    EXPECT_FALSE(Named<QPushButton>(*w, "btnNext").isEnabled() || Named<QPushButton>(*w, "btnBack").isEnabled());
    EXPECT_TRUE(Named<QPushButton>(*w, "btnRestart").isEnabled());
    EXPECT_EQ(Named<QSpinBox>(*w, "seNumRuns").value(), 5);
}

TEST_F(MaterialsFlow, AFailedBuildLeavesNoListToSave)
{
    Start();
    OrderFromTheList({{"HGS-12", 1}, {"BAD-1", 2}});
    EXPECT_EQ(fake.boxes.Texts(), QStringList{"'12,5' is not a valid floating point value\nin \"" +
                                              QString::fromStdString(inst.SharedFolder()) + "/M_lom.dat\", line 8"});
    EXPECT_EQ(Named<QTableView>(*w, "grdLom").model()->rowCount(), 0);
    EXPECT_FALSE(Named<QAction>(*w, "Save1").isEnabled() || Named<QPushButton>(*w, "btnPrint").isEnabled() ||
                 Named<QAction>(*w, "CopyToClipboard1").isEnabled());
    EXPECT_FALSE(fs::exists(Program("Accessories.lom")));

    Click(*w, "btnBack");
    Type("BAD-1", 0);
    Click(*w, "btnNext");
    EXPECT_EQ(LomRows(*w), (std::vector<std::string>{"# Hoisting Grips", "HGS-12 $28.20 1 $28.20"}));
    EXPECT_TRUE(Named<QAction>(*w, "Save1").isEnabled() && Named<QPushButton>(*w, "btnPrint").isEnabled());
}

TEST_F(MaterialsFlow, ALastOrderThatCannotBeWrittenIsReportedOnce)
{
    fs::create_directories(Program("Accessories.lom"));
    Start();
    OrderFromTheList({{"HGS-12", 1}});
    Click(*w, "btnBack");
    Click(*w, "btnNext");
    ASSERT_EQ(fake.boxes.shown.size(), 1u) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_TRUE(fake.boxes.shown[0].text.startsWith("The last order could not be kept."));
    EXPECT_EQ(LomRows(*w).size(), 2u) << "the list still shows";
    EXPECT_TRUE(Named<QAction>(*w, "Save1").isEnabled());
}

TEST_F(MaterialsFlow, TheAccessoryListPage)
{
    // The replacement's own recommendation differs from the quantity it takes over.
    inst.Data("advanced.dat", "HGS-12|5|\n");
    Start();
    Click(*w, "btnListNow");
    auto& jumpBox = Named<QComboBox>(*w, "cboJump");
    auto& grid = Named<QTableView>(*w, "grdList");
    // "1" is listed twice in the sections; it shows once, in the grid and in the jump box.
    QStringList jump;
    for (int i = 0; i < jumpBox.count(); ++i)
        jump << jumpBox.itemText(i);
    EXPECT_EQ(jump, (QStringList{"Mounting", "Hoisting Grips", "Cable Entry", "Surge Protection", "Tools"}));
    EXPECT_EQ(Row("KOVA"), 1);
    // Rows map to their section's entry by number, not by position.
    Grid().View().setCurrentIndex(Grid().Cell(Row("SP-1"), 0));
    EXPECT_EQ(jumpBox.currentText(), "Surge Protection");
    // Small enough that the grid scrolls.
    grid.setFixedHeight(160);
    w->show();
    // The third entry, chosen by the keyboard.
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(&jumpBox, key);
    EXPECT_EQ(jumpBox.currentText(), "Cable Entry");
    EXPECT_EQ(Grid().Text(grid.rowAt(0)), "Cable Entry");

    // A tick fills in the recommended quantity; the spin refuses to go below 0 and a
    // step of it drops the tick.
    Grid().Tick("CUT-1");
    EXPECT_EQ(Quantity("CUT-1"), 1);
    Grid().Step("CUT-1", -1);
    EXPECT_EQ(Quantity("CUT-1"), 0);
    EXPECT_FALSE(Ticked("CUT-1"));
    // The adapter over 100 and 15 ft: 10 and 2; a switch to meters recomputes it (33 and 5).
    Grid().Tick("KOVA");
    EXPECT_EQ(Quantity("KOVA"), 12);
    Trigger(*w, "Meters1");
    EXPECT_EQ(Quantity("KOVA"), 38);
    Trigger(*w, "Feet1");
    EXPECT_EQ(Quantity("KOVA"), 12);
    Grid().Step("CUT-1", -1);
    EXPECT_EQ(Quantity("CUT-1"), 0) << "nothing below 0";
    Grid().Step("CUT-1", 2);
    EXPECT_EQ(Quantity("CUT-1"), 2);
    EXPECT_TRUE(fake.boxes.shown.empty());

    // Taking the replacement moves the order; a replacement the list lacks keeps it.
    fake.boxes.script.push_back([](const BoxRequest&) { return BoxAnswer{gui::kChangeToNewPart, false}; });
    fake.boxes.script.push_back([](const BoxRequest&) { return BoxAnswer{gui::kChangeToNewPart, false}; });
    Type("HGP-12", 4);
    EXPECT_EQ(Quantity("HGP-12"), 0);
    EXPECT_EQ(Quantity("HGS-12"), 3) << "three runs of 115 ft, one grip per 150 ft each";
    EXPECT_TRUE(Ticked("HGS-12"));
    Type("AAD-3", 2);
    EXPECT_EQ(Quantity("AAD-3"), 2);
    EXPECT_TRUE(fake.boxes.Texts().last().contains("AAD-9 is not offered in this list"));

    // Reset clears every item without a question, even on obsolete parts.
    Type("KOVA", 6);
    const size_t boxes = fake.boxes.shown.size();
    Click(*w, "btnReset");
    for (const char* part : {"KOVA", "AAD-3", "HGS-12", "EP4-12"}) {
        EXPECT_EQ(Quantity(part), 0) << part;
        EXPECT_FALSE(Ticked(part)) << part;
    }
    EXPECT_EQ(Grid().Text(grid.rowAt(0)), "Mounting");
    EXPECT_EQ(jumpBox.currentIndex(), 0);
    EXPECT_EQ(fake.boxes.shown.size(), boxes);
}

TEST_F(MaterialsFlow, SettingsSavedUnderTheListKeepItsOrders)
{
    for (const char* picture :
         {"plainhold1.gif", "latchor1.gif", "klemmit4.gif", "vornclamp.gif", "stackor1.gif", "ground.gif", "hoist.gif"})
        inst.Image(picture, DotGif());
    Start();
    Click(*w, "btnListNow");
    Type("KOVA", 4);
    Grid().Tick("EP4-12");
    fake.boxes.script.push_back([](const BoxRequest&) { return BoxAnswer{gui::kKeepCurrentPart, false}; });
    Type("HGP-12", 3);
    // Obsolete parts leave the list when the dialog saves; the ordered one stays.
    QTimer::singleShot(0, [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<gui::TfrmCustom*>(top); d && d->isVisible()) {
                Named<QCheckBox>(*d, "chkOldInList").setChecked(false);
                Click(*d, "btnSave");
            }
    });
    Trigger(*w, "Customize1");
    EXPECT_EQ(Quantity("KOVA"), 4);
    EXPECT_TRUE(Ticked("EP4-12"));
    EXPECT_EQ(Quantity("HGP-12"), 3);
    EXPECT_LT(Row("AAD-3"), 0) << "an obsolete part with nothing ordered leaves the list";
    EXPECT_EQ(fake.boxes.shown.size(), 1u) << "only the notice for the grip";
}

// The whole run on the demo installation: page 0 to the priced list, save, restart, open.
TEST(WholePlanningRun, SavedAndReopenedListsAreTheSame)
{
    DemoInstallation demo;
    FakePlatform fake;
    demo.Register(fake.registry);
    TfrmMain w(fake.platform, demo.ProgramFolder(), {});
    const CableControls p(w);
    p.cboBeginning->setCurrentText("806");
    p.cboEnding->setCurrentText("960");
    p.rgCableType->Button(1)->click();
    p.cboDiameter->setCurrentText("1/2");
    ASSERT_EQ(w.State().cablePart, "KF12-50-C9");
    while (w.CurrentPage() < TfrmMain::kAccessories)
        Click(w, "btnNext");
    // 5 in. ports, whose entry plate the accessory list does not offer, and an arrestor.
    QTest::keyClicks(&Named<QComboBox>(w, "cboCEDiameter"), "5");
    QTest::keyClicks(&Named<QComboBox>(w, "cboEoep"), "E");
    QTest::keyClick(&Named<QSpinBox>(w, "seArrestorQty"), Qt::Key_Up);
    Named<QTabWidget>(w, "pcAccessories").setCurrentWidget(&Named<gui::AccessoryListPage>(w, "tsList"));

    AccessoryGrid grid(w);
    const std::vector<std::pair<QString, int>> picks{
        {"LSH-12", 7}, {"HGS-12", 2}, {"EB4-12-1", 2}, {"SQD-825", 3}, {"CTB-100", 1}};
    for (const auto& pick : picks)
        grid.Type(pick.first, pick.second);
    grid.Tick("KOVA");
    Click(w, "btnNext");
    ASSERT_EQ(w.CurrentPage(), TfrmMain::kLom);
    ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();

    // The list as shown: headings and items in their order, every cell.
    const auto shown = [&w] {
        std::vector<std::string> out;
        for (const MaterialsRow& r : Named<gui::MaterialsPage>(w, "tsLom").List().rows)
            out.push_back(r.IsHeading() ? "# " + r.partNumber
                                        : r.partNumber + " " + r.description + " " + r.price + " " + r.quantity + " " +
                                              r.extended);
        out.push_back("Total: " + Named<gui::MaterialsPage>(w, "tsLom").List().total);
        return out;
    };
    const std::vector<std::string> built = shown();
    // Each pick is listed and priced; a wizard page may have ordered more of the same part.
    const auto& rows = Named<gui::MaterialsPage>(w, "tsLom").List().rows;
    for (const auto& pick : picks) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const MaterialsRow& r) {
            return !r.IsHeading() && r.partNumber == pick.first.toStdString();
        });
        ASSERT_NE(row, rows.end()) << pick.first.toStdString();
        EXPECT_EQ(row->price.substr(0, 1), "$") << row->partNumber;
        EXPECT_GE(std::stoi(row->quantity), pick.second) << row->partNumber;
    }
    for (const char* part : {"EP5-4", "IEG-200"})
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const MaterialsRow& r) { return r.partNumber == part; }))
            << part;
    EXPECT_TRUE(Named<QLabel>(w, "lblKOVA").isVisibleTo(&w));

    // Saved, opened and saved again: the same list on the screen and the same bytes.
    fake.fileDialogs.answers = {QString::fromStdString(demo.dir.File("site")),
                                QString::fromStdString(demo.dir.File("site.tvr")),
                                QString::fromStdString(demo.dir.File("again.tvr"))};
    Trigger(w, "Save1");
    Click(w, "btnRestart");
    ASSERT_EQ(w.CurrentPage(), TfrmMain::kParams);
    Trigger(w, "Open1");
    EXPECT_EQ(w.CurrentPage(), TfrmMain::kLom);
    EXPECT_EQ(shown(), built);
    Trigger(w, "Save1");
    EXPECT_EQ(demo.dir.Read("again.tvr"), demo.dir.Read("site.tvr"));
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST(WholePlanningRun, TheSampleProjectSavesAsItWasShipped)
{
    DemoInstallation demo;
    FakePlatform fake;
    demo.Register(fake.registry);
    const std::string sample = std::string(TAVROLIN_DEMO_DIR) + "/data/KF12-rooftop.tvr";
    TfrmMain w(fake.platform, demo.ProgramFolder(), {"OPEN", QString::fromStdString(sample)});
    fake.fileDialogs.answers = {QString::fromStdString(demo.dir.File("saved.tvr"))};
    Trigger(w, "Save1");
    EXPECT_EQ(demo.dir.Read("saved.tvr"), ReadFileBytes(sample).value_or("(missing)"));
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

} // namespace
} // namespace tav::test
