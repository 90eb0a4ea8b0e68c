#include "core/app/Installation.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"
#include "gui/cable/ParamsPage.h"
#include "gui/settings/TfrmCustom.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tav::test {
namespace {

using gui::TfrmCustom;

const char* kTlines = "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                      "FB-2|K1|806|960|FOAM|1/2|0.2|0.001|30|40|||k1.gif|\n"
                      "FA-1|k1|806|960|FOAM|1/2|0.2|0.001|30|40|||k1.gif|\n"
                      "AX-1|K2|806|960|AIR|7/8|0.1|0.0005|60|80|||k2.gif|\n"
                      "EW-1|K3|5925|6425|EW|E-63|3650|1200|20|30|||k3.gif|\n"
                      "EW-2|K4|5925|6425|EW|E-63|3650|1200|20|30|||k3.gif|\n";

// K1 has hangers of families 1 (two lines, own spacings) and 3; K2 a spacing that is no
// number; K3 no section; K4 only family 3.
const std::string kSettings = "[General]\nSelectCable=0\nSelectCableType=1\nSelectCableName=FA-1\n\n"
                              "[OldParts]\nObsoleteWarning=0\nObsoleteWizard=1\nObsoleteList=0\n\n"
                              "[Grounding]\nSpacing=200\n\n[Hoist]\nSpacing=0x96\n\n"
                              "[K1]\nH1=PA|1|3|\nH2=PB|1|5|\nH3=PC|3|2.12345|\n\n"
                              "[K2]\nH1=PX|2|abc|\n\n[K4]\nH1=PD|3|4|\n\n";
const std::string kDefaults = "[General]\r\nSelectCable=1\r\nSelectCableType=0\r\nSelectCableName=AX-1\r\n\r\n"
                              "[OldParts]\r\nObsoleteWarning=1\r\n\r\n[K1]\r\nH1=PA|1|6|\r\n\r\n";
const std::string kAdvanced = "A|12|\nB|-2|\n";

class CustomizeDialog : public ::testing::Test
{
protected:
    TempDir dir;
    FakePlatform fake;
    LineList tlines;
    std::unique_ptr<TfrmCustom> dlg;

    void SetUp() override
    {
        Write("tlines.dat", kTlines);
        Write("settings.dat", kSettings);
        Write("defaults.dat", kDefaults);
        Write("advanced.dat", kAdvanced);
        for (const char* picture : {"plainhold1.gif", "latchor1.gif", "klemmit4.gif", "vornclamp.gif", "stackor1.gif",
                                    "ground.gif", "hoist.gif"})
            dir.Write(std::string("images/") + picture, DotGif());
    }

    void Write(const std::string& name, const std::string& bytes) { dir.Write("dat/" + name, bytes); }
    std::string Read(const std::string& name) const { return dir.Read("dat/" + name); }

    void Open(const std::string& cableKey = "K1")
    {
        tlines = LoadCatalogueList(dir.Path() + "dat/tlines.dat", true);
        dlg = std::make_unique<TfrmCustom>(fake.platform, dir.Path() + "dat/",
                                           QString::fromStdString(dir.Path() + "images/"), tlines, cableKey);
    }

    template <typename T> T& W(const QString& name) const { return Named<T>(*dlg, name); }
    QTabWidget& Pages() const { return W<QTabWidget>("pcCustomize"); }
    bool TabShown(const QString& page) const { return Pages().isTabVisible(Pages().indexOf(&W<QWidget>(page))); }
    QString CurrentPage() const { return Pages().currentWidget()->objectName(); }
    QString Spacing(const QString& spin) const { return W<gui::DecimalSpinEdit>(spin).ValueText(); }
    // A real click: a disabled button does not act on it.
    void Press(const QString& button) const { QTest::mouseClick(&W<QPushButton>(button), Qt::LeftButton); }

    static void Type(const TfrmCustom& d, const QString& spin, const QString& text)
    {
        auto* edit = Named<gui::DecimalSpinEdit>(d, spin).findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Type(const QString& spin, const QString& text) const { Type(*dlg, spin, text); }

    QStringList Rows() const
    {
        QStringList rows;
        const auto& grid = W<QTableWidget>("grdDefaultQuantities");
        for (int r = 0; r < grid.rowCount(); ++r)
            rows << grid.item(r, 0)->text() + "=" +
                        QString::number(qobject_cast<QSpinBox*>(grid.cellWidget(r, 1))->value());
        return rows;
    }

    bool SaveEnabled() const
    {
        return W<QPushButton>("btnSave").isEnabled() && W<QPushButton>("btnSaveSettings").isEnabled();
    }
};

TEST_F(CustomizeDialog, UntouchedOkAndSaveLeaveTheDemoFilesByteIdentical)
{
    const std::filesystem::path demo(TAVROLIN_DEMO_DIR);
    std::filesystem::remove_all(dir.Path() + "dat");
    std::filesystem::remove_all(dir.Path() + "images");
    std::filesystem::copy(demo / "dat", dir.Path() + "dat");
    std::filesystem::copy(demo / "images", dir.Path() + "images");
    const std::string settings = Read("settings.dat");
    struct Case
    {
        const char* button;
        std::string advanced;
        QStringList boxes;
    };
    const Case cases[] = {
        {"btnSave", Read("advanced.dat"), {}},
        // A canonical file with overrides and LF line ends.
        {"btnSaveSettings", "KOVA|4|\nPHK-12|-1|\n", {"Settings have been saved"}},
    };
    for (const Case& c : cases) {
        Write("advanced.dat", c.advanced);
        fake.boxes.Clear();
        Open("KF12");
        EXPECT_EQ(W<QLabel>("lblPartNumber1").text(), "PHK-12");
        EXPECT_EQ(W<QComboBox>("cboDefaultCable").currentText(), "KF12-50-C9");
        Press(c.button);
        EXPECT_EQ(Read("settings.dat"), settings);
        EXPECT_EQ(Read("advanced.dat"), c.advanced);
        EXPECT_FALSE(dlg->WroteSettings());
        EXPECT_EQ(fake.boxes.Texts(), c.boxes);
    }
    EXPECT_EQ(Rows(), (QStringList{"KOVA=4", "PHK-12=-1"}));
}

TEST_F(CustomizeDialog, HangerPagesShowTheirFamiliesAndOnlyAnEditedFamilyIsRewritten)
{
    Open("k1");
    EXPECT_EQ(W<QComboBox>("cboTlines").currentText(), "K1") << "the cable key is matched without regard to case";
    EXPECT_FALSE(W<QComboBox>("cboTlines").isEditable()) << "only the catalogue's cable keys can be chosen";
    EXPECT_EQ(W<QComboBox>("cboTlines").count(), 4);
    const bool shown[] = {true, false, true, false, false};
    for (int f = 0; f < kHangerFamilyCount; ++f)
        EXPECT_EQ(TabShown("tsHangers" + QString::number(f + 1)), shown[f]) << f;
    EXPECT_EQ(W<QLabel>("lblPartNumber1").text(), "PA");
    EXPECT_EQ(Spacing("seSpacing1"), "3");
    EXPECT_EQ(Spacing("seSpacing3"), "2.123");
    EXPECT_EQ(Spacing("seHoistGripQty"), "150");
    EXPECT_TRUE(fake.boxes.shown.empty());

    Type("seSpacing1", "4.5");
    Press("btnSave");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    const std::string written = Read("settings.dat");
    EXPECT_NE(written.find("[K1]\r\nH1=PA|1|4.5|\r\nH2=PB|1|4.5|\r\nH3=PC|3|2.12345|\r\n"), std::string::npos)
        << written;
    EXPECT_NE(written.find("[Hoist]\r\nSpacing=0x96\r\n"), std::string::npos) << "untouched text is kept";

    Open("K4");
    EXPECT_TRUE(TabShown(CurrentPage())) << "the first page is hidden, a shown one is current";
    EXPECT_EQ(CurrentPage(), "tsHangers3");
}

TEST_F(CustomizeDialog, ChangingTheLineDiscardsEditsAndAFailedReloadBlocksSaving)
{
    Open();
    Type("seSpacing1", "9");
    W<QComboBox>("cboTlines").setCurrentText("K2");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text, "'abc' is not a valid floating point value");
    EXPECT_FALSE(W<QPushButton>("btnSave").isEnabled());
    EXPECT_FALSE(W<QPushButton>("btnSaveSettings").isEnabled());
    EXPECT_EQ(Pages().tabBar()->tabTextColor(Pages().indexOf(&W<QWidget>("tsGroundingKits"))), QColor(Qt::red));

    W<QComboBox>("cboTlines").setCurrentText("K1");
    EXPECT_TRUE(SaveEnabled());
    EXPECT_EQ(Spacing("seSpacing1"), "3") << "the unsaved edit is gone";
    EXPECT_TRUE(Pages().tabToolTip(Pages().indexOf(&W<QWidget>("tsGroundingKits"))).isEmpty());

    W<QComboBox>("cboTlines").setCurrentText("K3");
    for (int f = 1; f <= kHangerFamilyCount; ++f)
        EXPECT_FALSE(TabShown("tsHangers" + QString::number(f))) << f;
    EXPECT_EQ(CurrentPage(), "tsGroundingKits");
    Press("btnSave");
    EXPECT_EQ(Read("settings.dat"), kSettings) << "a key without a section adds nothing";
}

TEST_F(CustomizeDialog, UnusableValuesAreRefusedAndNothingIsWritten)
{
    struct Case
    {
        const char* what;
        std::function<void(TfrmCustom&)> change;
        const char* page;
    };
    const Case cases[] = {
        {"Plainhold Hangers", [](TfrmCustom& d) { Type(d, "seSpacing1", "0"); }, nullptr},
        {"Grounding Kits", [](TfrmCustom& d) { Type(d, "seGroundingKitQty", "2.5"); }, "tsGroundingKits"},
        {"Hoisting Grips", [](TfrmCustom& d) { Type(d, "seHoistGripQty", "0"); }, "tsHoistingGrips"},
        {"\"A|B\"", [](TfrmCustom& d) { Named<QTableWidget>(d, "grdDefaultQuantities").item(0, 0)->setText("A|B"); },
         "tsOtherDefaults"},
        {"line break",
         [](TfrmCustom& d) { Named<QTableWidget>(d, "grdDefaultQuantities").item(1, 0)->setText("B\nC"); },
         "tsOtherDefaults"},
    };
    for (const Case& c : cases) {
        for (const char* button : {"btnSave", "btnSaveSettings"}) {
            fake.boxes.Clear();
            Open();
            W<QCheckBox>("chkOldInList").setChecked(true); // something a save would write
            c.change(*dlg);
            Press(button);
            EXPECT_NE(dlg->result(), QDialog::Accepted) << c.what;
            ASSERT_EQ(fake.boxes.shown.size(), 1u) << c.what;
            EXPECT_EQ(fake.boxes.shown[0].kind, gui::BoxKind::Warning) << c.what;
            EXPECT_TRUE(fake.boxes.shown[0].text.contains(c.what)) << fake.boxes.shown[0].text.toStdString();
            EXPECT_EQ(CurrentPage(), c.page ? c.page : "tsHangers1") << c.what;
            EXPECT_EQ(Read("settings.dat"), kSettings) << c.what;
            EXPECT_EQ(Read("advanced.dat"), kAdvanced) << c.what;
            EXPECT_FALSE(dlg->WroteSettings());
        }
    }
}

TEST_F(CustomizeDialog, OkAndSaveWriteTheirStepsInTheirOwnOrder)
{
    // Sections that are missing are appended in the order the steps write them.
    const std::string bare = "[OldParts]\nObsoleteList=0\n\n[K1]\nH1=PA|1|3|\n\n";
    struct Case
    {
        const char* button;
        const char* lastSections;
    };
    const Case cases[] = {
        {"btnSave", "[General]\r\nSelectCableType=1\r\nSelectCable=0\r\nSelectCableName=FA-1\r\n\r\n"
                    "[Grounding]\r\nSpacing=200\r\n\r\n[Hoist]\r\nSpacing=150\r\n\r\n"},
        {"btnSaveSettings", "[Grounding]\r\nSpacing=200\r\n\r\n[Hoist]\r\nSpacing=150\r\n\r\n"
                            "[General]\r\nSelectCableType=1\r\nSelectCable=0\r\nSelectCableName=FA-1\r\n\r\n"},
    };
    for (const Case& c : cases) {
        Write("settings.dat", bare);
        Open();
        W<QComboBox>("cboDefaultCable").setEditText("FA-1");
        Press(c.button);
        const std::string written = Read("settings.dat");
        EXPECT_EQ(written, "[OldParts]\r\nObsoleteList=0\r\nObsoleteWarning=0\r\nObsoleteWizard=0\r\n\r\n"
                           "[K1]\r\nH1=PA|1|3|\r\n\r\n" +
                               std::string(c.lastSections));
        EXPECT_TRUE(dlg->WroteSettings());
    }

    // A step that fails stops the save: the steps before it stay done, the later ones are not run.
    Write("settings.dat", kSettings);
    // advanced.dat reads as missing but cannot be written: its link leads into no folder.
    std::filesystem::remove(dir.Path() + "dat/advanced.dat");
    std::filesystem::create_symlink("no-such-folder/advanced.dat", dir.Path() + "dat/advanced.dat");
    fake.boxes.Clear();
    Open();
    W<QCheckBox>("chkOldInList").setChecked(true);
    W<QCheckBox>("chkSelectCable").setChecked(true);
    Press("btnSave");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].kind, gui::BoxKind::Error);
    EXPECT_NE(dlg->result(), QDialog::Accepted) << "the dialog stays open";
    EXPECT_TRUE(dlg->WroteSettings());
    const std::string written = Read("settings.dat");
    EXPECT_NE(written.find("ObsoleteList=1"), std::string::npos);
    EXPECT_NE(written.find("SelectCable=0"), std::string::npos) << "the selection options came after the failure";
}

// The keys of the line on the list are new: only what the user changes is written, so an
// installation that never had them goes on without them.
TEST_F(CustomizeDialog, LineOptionsAreWrittenOnlyWhenTheUserChangesThem)
{
    Write("accessorylist.dat", "[Sections]\n1=Mounting\n6=Connectors and Flanges\n");
    Open();
    auto& waste = Named<QSpinBox>(*dlg, "seLineWaste");
    auto& section = Named<QComboBox>(*dlg, "cboLineSection");
    EXPECT_FALSE(Named<QCheckBox>(*dlg, "chkLineOnList").isChecked());
    EXPECT_FALSE(Named<QCheckBox>(*dlg, "chkLineCost").isChecked());
    EXPECT_EQ(waste.value(), 0);
    EXPECT_EQ(section.currentText(), "Mounting") << "absent: the first section";
    Click(*dlg, "btnSave");
    EXPECT_EQ(Read("settings.dat"), kSettings);
    EXPECT_FALSE(dlg->WroteSettings());

    Open();
    auto& typedWaste = Named<QSpinBox>(*dlg, "seLineWaste");
    typedWaste.findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(typedWaste.findChild<QLineEdit*>(), "15");
    QTest::keyClick(&Named<QComboBox>(*dlg, "cboLineSection"), Qt::Key_Down);
    Click(*dlg, "btnSave");
    const std::string written = Read("settings.dat");
    EXPECT_NE(written.find("LineWaste=15\r\nLineSection=6\r\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("LineOnList"), std::string::npos) << written;
    EXPECT_EQ(written.find("LineCost"), std::string::npos) << written;

    Open();
    EXPECT_EQ(Named<QSpinBox>(*dlg, "seLineWaste").value(), 15);
    EXPECT_EQ(Named<QComboBox>(*dlg, "cboLineSection").currentText(), "Connectors and Flanges");
}

TEST_F(CustomizeDialog, ARestoreThatDoesNotHappenChangesNothing)
{
    struct Case
    {
        const char* what;
        BoxButton answer;
        bool defaults;
        QStringList boxes;
    };
    const QString question = "Are you sure you want to restore all of your settings to the default \nBrimcor settings?";
    const Case cases[] = {
        {"No", BoxButton::No, true, {question}},
        {"Cancel", BoxButton::Cancel, true, {question}},
        {"Yes without defaults.dat", BoxButton::Yes, false, {question, "*"}},
    };
    for (const Case& c : cases) {
        if (!c.defaults)
            std::filesystem::remove(dir.Path() + "dat/defaults.dat");
        fake.boxes.Clear();
        Open();
        W<QCheckBox>("chkSelectCable").setChecked(true);
        fake.boxes.script.push_back([&c](const gui::BoxRequest&) { return gui::BoxAnswer{c.answer, false}; });
        Press("btnRestore");
        QStringList texts = fake.boxes.Texts();
        if (texts.size() == 2 && fake.boxes.shown[1].kind == gui::BoxKind::Error)
            texts[1] = "*";
        EXPECT_EQ(texts, c.boxes) << c.what;
        EXPECT_EQ(Rows(), (QStringList{"A=12", "B=-2"})) << c.what;
        EXPECT_TRUE(W<QCheckBox>("chkSelectCable").isChecked()) << c.what;
        EXPECT_EQ(Read("settings.dat"), kSettings) << c.what;
        EXPECT_EQ(Read("advanced.dat"), kAdvanced) << c.what;
    }
    EXPECT_EQ(fake.sounds.beeps, 0);
}

TEST_F(CustomizeDialog, RestoreReloadsEveryPageSoAFollowingOkKeepsTheDefaults)
{
    Open();
    W<QCheckBox>("chkSelectCable").setChecked(false);
    W<QRadioButton>("rbFoam").setChecked(true);
    Type("seSpacing1", "8");
    Press("btnRestore"); // the unscripted box answers Yes
    EXPECT_EQ(fake.boxes.Texts().last(), "Default settings have been restored.");
    EXPECT_EQ(fake.sounds.beeps, 1);
    const std::string restored = "[General]\r\nSelectCable=1\r\nSelectCableType=0\r\nSelectCableName=AX-1\r\n\r\n"
                                 "[OldParts]\r\nObsoleteWarning=1\r\n\r\n[K1]\r\nH1=PA|1|6|\r\n\r\n";
    EXPECT_EQ(Read("settings.dat"), restored);
    EXPECT_EQ(Read("advanced.dat"), "");
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_TRUE(W<QCheckBox>("chkSelectCable").isChecked());
    EXPECT_TRUE(W<QRadioButton>("rbAir").isChecked());
    EXPECT_EQ(W<QComboBox>("cboDefaultCable").currentText(), "AX-1");
    EXPECT_TRUE(W<QCheckBox>("chkRecomendReplace").isChecked());
    EXPECT_EQ(Spacing("seSpacing1"), "6");

    Press("btnSave");
    const std::string after = Read("settings.dat");
    EXPECT_NE(after.find("[General]\r\nSelectCable=1\r\nSelectCableType=0\r\nSelectCableName=AX-1\r\n"),
              std::string::npos)
        << after;
    EXPECT_NE(after.find("H1=PA|1|6|"), std::string::npos);
    EXPECT_EQ(Read("advanced.dat"), "");
}

TEST_F(CustomizeDialog, ABrokenOverrideFileOpensWithSavingDisabledUntilRepaired)
{
    struct Case
    {
        const char* repair;
        const char* button;
        BoxButton answer;
        bool repaired;
    };
    const Case cases[] = {
        {"Clear List, No", "btnReloadOther", BoxButton::No, false},
        {"Clear List, Yes", "btnReloadOther", BoxButton::Yes, true},
        {"Restore Defaults", "btnRestore", BoxButton::Yes, true},
    };
    for (const Case& c : cases) {
        Write("settings.dat", kSettings);
        Write("advanced.dat", "A|1|\nB|x|\nC|2|\n");
        fake.boxes.Clear();
        Open();
        ASSERT_EQ(fake.boxes.Texts(), QStringList{"'x' is not a valid integer value\nin \"" +
                                                  QString::fromStdString(dir.Path()) + "dat/advanced.dat\", line 2"})
            << c.repair;
        EXPECT_EQ(Rows(), QStringList{"A=1"}) << "the rows before the bad line are shown";
        EXPECT_FALSE(W<QPushButton>("btnSave").isEnabled());
        EXPECT_FALSE(W<QPushButton>("btnSaveSettings").isEnabled());
        const int tab = Pages().indexOf(&W<QWidget>("tsOtherDefaults"));
        EXPECT_EQ(Pages().tabBar()->tabTextColor(tab), QColor(Qt::red));
        EXPECT_TRUE(Pages().tabToolTip(tab).contains("'x' is not a valid integer value"));
        EXPECT_EQ(W<QComboBox>("cboTlines").currentText(), "K1") << "the other pages loaded";

        fake.boxes.script.push_back([&c](const gui::BoxRequest&) { return gui::BoxAnswer{c.answer, false}; });
        Press(c.button);
        EXPECT_EQ(SaveEnabled(), c.repaired) << c.repair;
        Press("btnSave");
        EXPECT_EQ(dlg->result() == QDialog::Accepted, c.repaired) << c.repair;
        EXPECT_EQ(Read("advanced.dat"), c.repaired ? "" : "A|1|\nB|x|\nC|2|\n") << c.repair;
    }
}

TEST_F(CustomizeDialog, OverrideGridAddsDeletesAndWritesWholeNumbers)
{
    Open();
    Press("btnDeleteOther");
    EXPECT_EQ(Rows(), (QStringList{"A=12", "B=-2"})) << "no selection, nothing deleted";
    Press("btnAddOther");
    EXPECT_EQ(Rows(), (QStringList{"A=12", "B=-2", "=0"}));
    W<QTableWidget>("grdDefaultQuantities").item(2, 0)->setText("C");
    qobject_cast<QSpinBox*>(W<QTableWidget>("grdDefaultQuantities").cellWidget(2, 1))->setValue(-5);
    W<QTableWidget>("grdDefaultQuantities").clearSelection();
    W<QTableWidget>("grdDefaultQuantities").selectRow(0);
    Press("btnDeleteOther");
    Press("btnAddOther");
    Press("btnSave");
    EXPECT_EQ(Read("advanced.dat"), "B|-2|\r\nC|-5|\r\n|0|\r\n");
}

TEST_F(CustomizeDialog, CablePresetFollowsTheTypeAndCompletesTypedNames)
{
    Write("settings.dat", "[General]\nSelectCableType=7\nSelectCableName=ax-1\n");
    Open();
    EXPECT_TRUE(W<QRadioButton>("rbFoam").isChecked()) << "a type that is none leaves the initial one";
    EXPECT_EQ(W<QComboBox>("cboDefaultCable").currentText(), "FA-1") << "the stored name is no foam cable";
    for (const char* name : {"rbAir", "rbFoam", "rbWaveguide", "cboDefaultCable"})
        EXPECT_FALSE(W<QWidget>(name).isEnabled()) << name;
    QTest::mouseClick(&W<QCheckBox>("chkSelectCable"), Qt::LeftButton);
    EXPECT_TRUE(W<QComboBox>("cboDefaultCable").isEnabled());
    QTest::mouseClick(&W<QRadioButton>("rbAir"), Qt::LeftButton);
    EXPECT_EQ(W<QComboBox>("cboDefaultCable").currentText(), "AX-1");
    QTest::mouseClick(&W<QRadioButton>("rbFoam"), Qt::LeftButton);
    EXPECT_EQ(W<QComboBox>("cboDefaultCable").currentText(), "FA-1")
        << "an air part is no foam part: the first foam one";

    // Typed the way a user's keys arrive: at the focused box.
    dlg->show();
    Pages().setCurrentWidget(&W<QWidget>("tsOldParts"));
    dlg->activateWindow();
    auto& cable = W<QComboBox>("cboDefaultCable");
    cable.setFocus();
    QLineEdit* edit = cable.lineEdit();
    edit->clear();
    QTest::keyClicks(&cable, "fb");
    EXPECT_EQ(edit->text(), "FB-2");
    EXPECT_EQ(edit->selectedText(), "-2");
    QTest::keyClick(&cable, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "FB") << "Backspace shortens the text without completing it again";
    QTest::keyClicks(&cable, "q");
    EXPECT_EQ(edit->text(), "FBq") << "a text no entry begins with stays as typed";

    Press("btnSave");
    EXPECT_EQ(Read("settings.dat"), "[General]\r\nSelectCableType=1\r\nSelectCableName=FBq\r\nSelectCable=1\r\n\r\n"
                                    "[OldParts]\r\nObsoleteWarning=0\r\nObsoleteWizard=0\r\nObsoleteList=0\r\n\r\n"
                                    "[Grounding]\r\nSpacing=200\r\n\r\n[Hoist]\r\nSpacing=150\r\n\r\n");
}

class CustomizeFromMainWindow : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    std::unique_ptr<gui::TfrmMain> w;

    void SetUp() override
    {
        inst.Register(fake.registry);
        for (const char* picture : {"plainhold1.gif", "latchor1.gif", "klemmit4.gif", "vornclamp.gif", "stackor1.gif",
                                    "ground.gif", "hoist.gif"})
            inst.Image(picture, DotGif());
    }

    // Opens the dialog from the menu and runs the script while it is shown modally.
    void Customize(const std::function<void(TfrmCustom&)>& script)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            TfrmCustom* d = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* found = qobject_cast<TfrmCustom*>(top); found && found->isVisible())
                    d = found;
            if (!d)
                return;
            script(*d);
            ran = true;
            if (d->isVisible())
                d->reject();
        });
        Trigger(*w, "Customize1");
        EXPECT_TRUE(ran);
    }
};

TEST_F(CustomizeFromMainWindow, TheCablePageTakesThePresetOnlyWhenTheDialogWroteIt)
{
    const std::string settings = "[General]\r\nSelectCable=1\r\nSelectCableType=0\r\nSelectCableName=AX-78\r\n\r\n"
                                 "[OldParts]\r\nObsoleteWarning=0\r\nObsoleteWizard=0\r\nObsoleteList=0\r\n\r\n"
                                 "[Grounding]\r\nSpacing=200\r\n\r\n[Hoist]\r\nSpacing=150\r\n\r\n";
    inst.Data("settings.dat", settings);
    w = std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
    ASSERT_TRUE(Named<QCheckBox>(*w, "chkCableOnly").isChecked());
    Named<QCheckBox>(*w, "chkCableOnly").setChecked(false);

    Customize([](TfrmCustom& d) { QTest::mouseClick(&Named<QPushButton>(d, "btnSave"), Qt::LeftButton); });
    EXPECT_FALSE(Named<QCheckBox>(*w, "chkCableOnly").isChecked()) << "nothing was written, so nothing is re-applied";

    Customize([](TfrmCustom& d) {
        Named<QCheckBox>(d, "chkOldInList").setChecked(true);
        QTest::mouseClick(&Named<QPushButton>(d, "btnCancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(Named<QCheckBox>(*w, "chkCableOnly").isChecked());
    EXPECT_EQ(inst.dir.Read("prog/dat/settings.dat"), settings);

    Customize([](TfrmCustom& d) {
        Named<QCheckBox>(d, "chkOldInList").setChecked(true);
        QTest::mouseClick(&Named<QPushButton>(d, "btnSave"), Qt::LeftButton);
    });
    EXPECT_TRUE(Named<QCheckBox>(*w, "chkCableOnly").isChecked());
    EXPECT_EQ(Named<gui::TRadioGroup>(*w, "rgCableType").ItemIndex(), 0);
    EXPECT_EQ(Named<QComboBox>(*w, "cboCableList").currentText(), "AX-78");
    EXPECT_EQ(w->State().cablePart, "AX-78");
    EXPECT_TRUE(fake.boxes.shown.empty());
}

} // namespace
} // namespace tav::test
