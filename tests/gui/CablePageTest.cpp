#include "doubles/CableControls.h"
#include "doubles/QtPrinters.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tav::test {
namespace {

using gui::TfrmMain;

// Bands 138-174 (air only), 806-960 (air and foam), 1700-2200 (foam), 5925-6425 (waveguide).
const char* kCatalogue = "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                         "F12-B|K12|806|960|FOAM|1/2\"|0.2|0.001|30|40|||k12.gif|\n"
                         "F12-A|K12|806|960|FOAM|1/2\"|0.2|0.001|30|40|||k12.gif|\n"
                         "F12-A|K12|806|960|FOAM|1/2\"|0.2|0.001|30|40|||k12.gif|\n"
                         "F78-A|K78|806|960|FOAM|7/8\"|0.1|0.0005|60|80|||k78.gif|\n"
                         "A78-A|A78|806|960|AIR|7/8\"|0.08|0.0004|50|90|||a78.gif|\n"
                         "A78-V|A78|138|174|AIR|7/8\"|0.08|0.0004|50|90|||a78.gif|\n"
                         "F12-U|K12|1700|2200|FOAM|1/2\"|0.2|0.001|30|40|||k12.gif|\n"
                         "E63-A|E63|5925|6425|EW|E-63|3650|1200|20|30|||e63.gif|\n";

class CablePage : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    std::unique_ptr<TfrmMain> w;
    std::optional<CableControls> page;

    void SetUp() override
    {
        inst.Register(fake.registry);
        inst.Data("tlines.dat", kCatalogue);
        for (const char* picture : {"k12.gif", "k78.gif", "a78.gif", "e63.gif"})
            inst.Image(picture, DotGif());
    }

    void Start(const QStringList& args = {})
    {
        w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), args);
        page.emplace(*w);
    }

    // Typing over a box's text with the keyboard, then Enter.
    static void Type(QComboBox* box, const QString& text)
    {
        box->lineEdit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    QStringList Items(QComboBox* box) const
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

    QStringList GridParts() const
    {
        QStringList out;
        for (int r = 0; r < page->grdTlines->rowCount(); ++r)
            out << page->grdTlines->item(r, 0)->text();
        return out;
    }

    QString Cell(int row, int column) const { return page->grdTlines->item(row, column)->text(); }

    // 806 - 960, Foam Coax, 1/2": the two rows F12-A and F12-B.
    void ChooseHalfInchFoam()
    {
        Pick(page->cboBeginning, "806");
        page->rgCableType->Button(1)->click();
        Pick(page->cboDiameter, "1/2\"");
    }

    // Shown and active, so key presses arrive where a user's would: at the focus widget.
    void ShowActive()
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    std::array<bool, 3> TypesEnabled() const
    {
        return {page->rgCableType->ItemEnabled(0), page->rgCableType->ItemEnabled(1),
                page->rgCableType->ItemEnabled(2)};
    }
};

TEST_F(CablePage, StartsOnTheLowestBandWithItsFirstAvailableType)
{
    Start();
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    EXPECT_EQ(Items(page->cboBeginning), (QStringList{"138", "806", "1700", "5925"}));
    EXPECT_EQ(Items(page->cboEnding), (QStringList{"174", "960", "2200", "6425"}));
    EXPECT_EQ(page->cboBeginning->currentText(), "138");
    EXPECT_EQ(page->cboEnding->currentText(), "174");
    EXPECT_EQ(TypesEnabled(), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(page->rgCableType->ItemIndex(), 0) << "foam is not offered, so air is chosen";
    EXPECT_EQ(page->cboDiameter->currentText(), "7/8\"");
    EXPECT_EQ(GridParts(), QStringList{"A78-V"});
    EXPECT_EQ(page->lblTlinePN->text(), "A78-V");
    EXPECT_EQ(page->imgCable->PictureFile(), "a78.gif");
    EXPECT_EQ(w->State().cableKey, "A78");
    EXPECT_EQ(Named<QLabel>(*w, "lblMisc").text(), "Available accessories for A78-V");
    EXPECT_TRUE(Named<QPushButton>(*w, "btnNext").isEnabled());
    EXPECT_EQ(page->grdTlines->columnCount(), 6);
    EXPECT_EQ(page->grdTlines->horizontalHeaderItem(2)->text(), "Insertion Loss (dB)");
    EXPECT_TRUE(page->grdTlines->item(0, 0)->font().bold());
    EXPECT_FALSE(page->grdTlines->item(0, 1)->font().bold());
    EXPECT_EQ(Named<QLabel>(*w, "lblVerticalLength").text(), "Vertical Length: 100 feet");
    EXPECT_EQ(Named<QLabel>(*w, "lblHorizontalLength").text(), "Horizontal Length: 15 feet");
}

TEST_F(CablePage, TheChainFromBandToSelectedCable)
{
    Start();
    Pick(page->cboBeginning, "806");
    EXPECT_EQ(page->cboEnding->currentText(), "960") << "an ending below the beginning gives way to the first above it";
    EXPECT_EQ(Items(page->cboEnding), (QStringList{"960", "2200", "6425"}));
    EXPECT_EQ(TypesEnabled(), (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(page->rgCableType->ItemIndex(), 0) << "the chosen type stays while it is offered";
    EXPECT_EQ(GridParts(), QStringList{"A78-A"});

    page->rgCableType->Button(1)->click();
    EXPECT_EQ(Items(page->cboDiameter), (QStringList{"1/2\"", "7/8\""}));
    EXPECT_EQ(page->cboDiameter->currentText(), "7/8\"") << "the diameter stays when the new type offers it";
    EXPECT_EQ(GridParts(), QStringList{"F78-A"});

    Pick(page->cboDiameter, "1/2\"");
    EXPECT_EQ(GridParts(), (QStringList{"F12-A", "F12-B"})) << "identical rows collapse, part-number order";
    EXPECT_EQ(Cell(0, 1), "806 - 960");
    // Evaluated at the middle of the chosen band, 883 MHz, over 115 ft.
    EXPECT_EQ(Cell(0, 2), "7.94");
    EXPECT_EQ(Cell(0, 3), "16.05");
    EXPECT_EQ(Cell(0, 4), "40");
    EXPECT_EQ(Cell(0, 5), "4.39");
    EXPECT_EQ(w->State().cablePart, "F12-A");

    // Picking another row selects its cable.
    page->grdTlines->setCurrentCell(1, 0);
    EXPECT_EQ(w->State().cablePart, "F12-B");
    EXPECT_EQ(page->lblTlinePN->text(), "F12-B");
    EXPECT_EQ(w->State().cableDiameter, "1/2\"");

    // Back to a band foam does not cover: air takes over, keeping 7/8".
    Pick(page->cboBeginning, "138");
    Pick(page->cboEnding, "174");
    EXPECT_EQ(page->rgCableType->ItemIndex(), 0);
    EXPECT_EQ(GridParts(), QStringList{"A78-V"});
}

TEST_F(CablePage, CrossFilterOfBeginningAndEnding)
{
    Start();
    Pick(page->cboBeginning, "806");
    // A beginning equal to the ending keeps that ending, appended if the filter dropped it.
    Pick(page->cboBeginning, "138");
    Pick(page->cboEnding, "960");
    Type(page->cboBeginning, "960");
    EXPECT_EQ(Items(page->cboEnding), (QStringList{"2200", "6425", "960"}));
    EXPECT_EQ(page->cboEnding->currentText(), "960");
    EXPECT_EQ(page->rgCableType->ItemIndex(), 0);
    EXPECT_EQ(GridParts(), QStringList{"A78-A"}) << "806-960 covers 960-960";

    // An ending below the beginning selects the highest beginning left.
    Type(page->cboBeginning, "1700");
    EXPECT_EQ(page->cboEnding->currentText(), "2200");
    Type(page->cboEnding, "960");
    EXPECT_EQ(Items(page->cboBeginning), (QStringList{"138", "806"}));
    EXPECT_EQ(page->cboBeginning->currentText(), "806");
}

TEST_F(CablePage, ABandNoLineCoversLeavesNothingSelected)
{
    Start();
    Pick(page->cboEnding, "6425");
    EXPECT_EQ(page->cboBeginning->currentText(), "138");
    EXPECT_EQ(TypesEnabled(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(page->rgCableType->ItemIndex(), -1);
    EXPECT_EQ(page->cboDiameter->count(), 0);
    EXPECT_EQ(page->grdTlines->rowCount(), 0);
    EXPECT_EQ(page->lblTlinePN->text(), "");
    EXPECT_TRUE(page->imgCable->PictureFile().isEmpty());
    EXPECT_TRUE(w->State().cableKey.empty());
    EXPECT_FALSE(Named<QPushButton>(*w, "btnNext").isEnabled());
    EXPECT_FALSE(Named<QAction>(*w, "Next1").isEnabled());
    EXPECT_FALSE(page->btnListNow->isEnabled());
    EXPECT_TRUE(fake.boxes.shown.empty()) << "no picture error for a missing cable";

    QTest::mouseClick(&Named<QPushButton>(*w, "btnNext"), Qt::LeftButton);
    EXPECT_EQ(w->CurrentPage(), TfrmMain::kParams) << "Next goes nowhere without a cable";
}

TEST_F(CablePage, TypedFrequencies)
{
    Start();
    // Not a number: a beep, the warning, and the first item instead.
    Type(page->cboBeginning, "8x");
    EXPECT_EQ(fake.boxes.Texts(), QStringList{"This field must contain a numeric value."});
    EXPECT_EQ(fake.boxes.shown[0].kind, BoxKind::Warning);
    EXPECT_EQ(fake.sounds.beeps, 1);
    EXPECT_EQ(page->cboBeginning->currentText(), "138");
    EXPECT_EQ(GridParts(), QStringList{"A78-V"});

    // Emptied: no message, nothing selected, and no stale cable.
    fake.boxes.Clear();
    Type(page->cboBeginning, "");
    EXPECT_TRUE(fake.boxes.shown.empty());
    EXPECT_EQ(page->grdTlines->rowCount(), 0);
    EXPECT_TRUE(w->State().cablePart.empty());
    EXPECT_EQ(page->lblTlinePN->text(), "");
    EXPECT_FALSE(Named<QPushButton>(*w, "btnNext").isEnabled());

    // A typed value between the listed ones filters as a number.
    Type(page->cboBeginning, "900");
    EXPECT_EQ(Items(page->cboEnding).first(), "960");
    Type(page->cboEnding, "950");
    EXPECT_EQ(GridParts(), QStringList{"A78-A"});
}

TEST_F(CablePage, UnitsAreReinterpretedAndKeepTheRow)
{
    Start();
    ChooseHalfInchFoam();
    page->grdTlines->setCurrentCell(1, 0);
    ASSERT_EQ(w->State().cablePart, "F12-B");
    const QString lossInFeet = Cell(1, 2);

    Trigger(*w, "Meters1");
    EXPECT_TRUE(page->rbMeters->isChecked());
    EXPECT_TRUE(Named<QRadioButton>(*w, "rbGPSMeters").isChecked());
    EXPECT_FALSE(Named<QRadioButton>(*w, "rbGPSMeters").isEnabled()) << "the GPS page only shows the unit";
    EXPECT_TRUE(Named<QAction>(*w, "Meters1").isChecked());
    EXPECT_EQ(page->seHorizontalLength->cleanText(), "15") << "lengths are reinterpreted, not converted";
    EXPECT_EQ(page->seVerticalLength->cleanText(), "100");
    EXPECT_EQ(page->grdTlines->currentRow(), 1);
    EXPECT_EQ(w->State().cablePart, "F12-B");
    EXPECT_EQ(Cell(1, 2), "25.85");
    EXPECT_NE(Cell(1, 2), lossInFeet);
    EXPECT_EQ(Named<QLabel>(*w, "lblGroundLength").text(), "millimeters");
    EXPECT_EQ(Named<QLabel>(*w, "lblVerticalLength").text(), "Vertical Length: 100 meters");
    EXPECT_TRUE(w->State().meters);

    // The page's own button goes the same way back, still keeping the row.
    Click(*w, "rbFeet");
    EXPECT_TRUE(Named<QAction>(*w, "Feet1").isChecked());
    EXPECT_TRUE(Named<QRadioButton>(*w, "rbGPSFeet").isChecked());
    EXPECT_EQ(page->grdTlines->currentRow(), 1);
    EXPECT_EQ(Cell(1, 2), lossInFeet);
    EXPECT_EQ(Named<QLabel>(*w, "lblGroundLength").text(), "inches");
    EXPECT_EQ(Named<QLabel>(*w, "lblHorizontalLength").text(), "Horizontal Length: 15 feet");

    // Choosing the unit already shown changes no row.
    page->grdTlines->setCurrentCell(0, 0);
    Trigger(*w, "Feet1");
    EXPECT_EQ(page->grdTlines->currentRow(), 0);
}

TEST_F(CablePage, LengthsReachTheGridAndTheCaptions)
{
    Start();
    const QString before = Cell(0, 2);
    page->seVerticalLength->setValue(200);
    EXPECT_NE(Cell(0, 2), before);
    EXPECT_EQ(Named<QLabel>(*w, "lblVerticalLength").text(), "Vertical Length: 200 feet");
    page->seHorizontalLength->setValue(30.5);
    EXPECT_EQ(Named<QLabel>(*w, "lblHorizontalLength").text(), "Horizontal Length: 30.5 feet");
    page->seNumRuns->setValue(5);
    EXPECT_EQ(w->State().runsCount, 5);
    EXPECT_EQ(Cell(0, 2), page->grdTlines->item(0, 2)->text()) << "the number of runs does not enter the loss";
}

TEST_F(CablePage, SpecificCableWithCompletion)
{
    Start();
    ShowActive();
    page->rgCableType->SetItemIndex(1);
    page->chkCableOnly->setChecked(true);
    EXPECT_TRUE(page->cboCableList->isEnabled());
    EXPECT_FALSE(page->cboBeginning->isEnabled());
    EXPECT_FALSE(page->cboDiameter->isEnabled());
    EXPECT_EQ(TypesEnabled(), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(Items(page->cboCableList), (QStringList{"F12-A", "F12-B", "F12-U", "F78-A"}));

    QLineEdit* edit = page->cboCableList->lineEdit();
    edit->clear();
    page->cboCableList->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "f12-u");
    EXPECT_EQ(edit->text(), "F12-U");
    EXPECT_EQ(GridParts(), QStringList{"F12-U"});
    EXPECT_EQ(Cell(0, 1), "1700 - 2200") << "evaluated over its own band";
    EXPECT_EQ(page->cboBeginning->currentText(), "1700");
    EXPECT_EQ(page->cboEnding->currentText(), "2200");
    EXPECT_EQ(w->State().cableKey, "K12");
    EXPECT_EQ(page->lblTlinePN->text(), "F12-U");

    // Backspace never completes, so the text can be shortened; a text that names no line
    // leaves no cable selected.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "F12-");
    EXPECT_EQ(page->grdTlines->rowCount(), 0);
    EXPECT_TRUE(w->State().cablePart.empty());
    EXPECT_FALSE(Named<QPushButton>(*w, "btnNext").isEnabled());
    QTest::keyClicks(QApplication::focusWidget(), "b");
    EXPECT_EQ(edit->text(), "F12-B");
    EXPECT_EQ(w->State().cablePart, "F12-B");
    EXPECT_TRUE(Named<QPushButton>(*w, "btnNext").isEnabled());

    // A prefix completes to the first entry in list order, the tail selected for overtyping.
    edit->clear();
    QTest::keyClicks(QApplication::focusWidget(), "f1");
    EXPECT_EQ(edit->text(), "F12-A");
    EXPECT_EQ(edit->selectedText(), "2-A");
    EXPECT_EQ(w->State().cablePart, "F12-A");

    // Lengths re-evaluate the named line but leave the accessory captions alone.
    const QString caption = Named<QLabel>(*w, "lblVerticalLength").text();
    const QString loss = Cell(0, 2);
    page->seVerticalLength->setValue(300);
    EXPECT_NE(Cell(0, 2), loss);
    EXPECT_EQ(Named<QLabel>(*w, "lblVerticalLength").text(), caption);

    // A type that does not list the part names its first part instead.
    page->rgCableType->Button(0)->click();
    EXPECT_EQ(page->cboCableList->currentText(), "A78-A");
    page->rgCableType->Button(1)->click();
    EXPECT_EQ(page->cboCableList->currentText(), "F12-A");

    // Leaving the mode rebuilds the page from the lowest band.
    page->chkCableOnly->setChecked(false);
    EXPECT_EQ(page->cboBeginning->currentText(), "138");
    EXPECT_EQ(page->cboEnding->currentText(), "174");
    EXPECT_TRUE(page->cboBeginning->isEnabled());
    EXPECT_FALSE(page->cboCableList->isEnabled());
    EXPECT_EQ(GridParts(), QStringList{"A78-V"});
    EXPECT_EQ(Named<QLabel>(*w, "lblVerticalLength").text(), "Vertical Length: 300 feet");
}

// A typo after a completion can be taken back with the keys a user would press.
TEST_F(CablePage, SpecificCableTextShortensWithTheKeyboard)
{
    Start();
    ShowActive();
    page->rgCableType->SetItemIndex(1);
    page->chkCableOnly->setChecked(true);
    QLineEdit* edit = page->cboCableList->lineEdit();
    struct Case
    {
        const char* what;
        std::vector<Qt::Key> keys;
        const char* text;
    };
    const Case cases[] = {
        {"Backspace removes the completed tail", {Qt::Key_Backspace}, "F1"},
        {"and goes on shortening", {Qt::Key_Backspace, Qt::Key_Backspace}, "F"},
        {"Delete removes the completed tail", {Qt::Key_Delete}, "F1"},
        {"End, then Backspace", {Qt::Key_End, Qt::Key_Backspace}, "F12-"},
    };
    for (const auto& c : cases) {
        edit->clear();
        page->cboCableList->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), "f1");
        ASSERT_EQ(edit->text(), "F12-A") << c.what;
        for (Qt::Key key : c.keys)
            Press(key);
        EXPECT_EQ(edit->text(), c.text) << c.what;
        EXPECT_FALSE(edit->hasSelectedText()) << c.what;
        EXPECT_TRUE(w->State().cablePart.empty()) << c.what;
        EXPECT_EQ(page->grdTlines->rowCount(), 0) << c.what;
    }
}

TEST_F(CablePage, StartUpSettingsPresetASpecificCable)
{
    struct Case
    {
        const char* settings;
        bool specific;
        int type;
        const char* cable;
    };
    const Case cases[] = {
        {"[General]\r\nSelectCable=1\r\nSelectCableType=2\r\nSelectCableName=e63-a\r\n", true, 2, "E63-A"},
        {"[General]\r\nSelectCable=1\r\nSelectCableType=1\r\nSelectCableName=NOPE\r\n", true, 1, "F12-A"},
        {"[General]\r\nSelectCable=1\r\n", true, 1, "F12-A"},
        {"[General]\r\nSelectCable=0\r\nSelectCableType=2\r\nSelectCableName=E63-A\r\n", false, 0, "A78-V"},
    };
    for (const auto& c : cases) {
        inst.Data("settings.dat", c.settings);
        FakePlatform local;
        inst.Register(local.registry);
        TfrmMain main(local.platform, inst.ProgramFolder(), {});
        const CableControls cable(main);
        EXPECT_EQ(cable.chkCableOnly->isChecked(), c.specific) << c.settings;
        EXPECT_EQ(cable.rgCableType->ItemIndex(), c.type) << c.settings;
        EXPECT_EQ(main.State().cablePart, c.cable) << c.settings;
        EXPECT_EQ(cable.lblTlinePN->text(), c.cable) << c.settings;
    }
}

TEST_F(CablePage, PageCommandsFollowThePage)
{
    Start();
    struct Step
    {
        const char* button;
        int page;
        bool next, back, restart, lomCommands;
    };
    const Step steps[] = {
        {"btnNext", 1, true, true, true, false},   {"btnNext", 2, true, true, true, false},
        {"btnNext", 3, true, true, true, false},   {"btnNext", 4, false, true, true, true},
        {"btnNext", 4, false, true, true, true},   {"btnBack", 3, true, true, true, false},
        {"btnNext", 4, false, true, true, true},   {"btnRestart", 0, true, false, false, false},
        {"btnBack", 0, true, false, false, false},
    };
    EXPECT_FALSE(Named<QAction>(*w, "Save1").isVisible());
    for (const auto& s : steps) {
        // A press on a disabled button must do nothing, as for the user.
        QTest::mouseClick(&Named<QPushButton>(*w, s.button), Qt::LeftButton);
        EXPECT_EQ(w->CurrentPage(), s.page);
        EXPECT_EQ(Named<QPushButton>(*w, "btnNext").isEnabled(), s.next) << s.page;
        EXPECT_EQ(Named<QAction>(*w, "Next1").isEnabled(), s.next) << s.page;
        EXPECT_EQ(Named<QPushButton>(*w, "btnBack").isEnabled(), s.back) << s.page;
        EXPECT_EQ(Named<QAction>(*w, "Back1").isEnabled(), s.back) << s.page;
        EXPECT_EQ(Named<QPushButton>(*w, "btnRestart").isEnabled(), s.restart) << s.page;
        EXPECT_EQ(Named<QAction>(*w, "Restart1").isEnabled(), s.restart) << s.page;
        for (QAction* a : {&Named<QAction>(*w, "Save1"), &Named<QAction>(*w, "Print1"),
                           &Named<QAction>(*w, "PrintPreview1"), Named<QMenu>(*w, "Export1").menuAction(),
                           &Named<QAction>(*w, "CopyToClipboard1"), &Named<QAction>(*w, "N1")}) {
            EXPECT_EQ(a->isVisible(), s.lomCommands) << a->objectName().toStdString() << " on page " << s.page;
            if (a != &Named<QAction>(*w, "N1")) {
                EXPECT_EQ(a->isEnabled(), s.lomCommands) << a->objectName().toStdString();
            }
        }
        EXPECT_EQ(!Named<QPushButton>(*w, "btnPrint").isHidden(), s.lomCommands) << s.page;
        EXPECT_FALSE(Named<QAction>(*w, "ToanMSExcelSpreadsheet1").isEnabled())
            << "no spreadsheet program is registered";
        EXPECT_TRUE(Named<QAction>(*w, "Open1").isVisible() && Named<QAction>(*w, "Open1").isEnabled() &&
                    Named<QAction>(*w, "ViewLastOrder1").isEnabled());
    }
}

TEST_F(CablePage, SkipTheWizardAndTheListOnlyBack)
{
    Start();
    w->State().selection[3] = "P|1|1|";
    Click(*w, "btnListNow");
    EXPECT_EQ(w->CurrentPage(), TfrmMain::kAccessories);
    EXPECT_TRUE(Named<QCheckBox>(*w, "chkMiscOnly").isChecked());
    EXPECT_TRUE(Named<QCheckBox>(*w, "chkMiscOnly").isHidden());
    EXPECT_TRUE(Named<QPushButton>(*w, "btnNext").isEnabled() && Named<QPushButton>(*w, "btnBack").isEnabled() &&
                Named<QPushButton>(*w, "btnRestart").isEnabled());
    // Back from the list alone restarts: the first page with an empty selection.
    Click(*w, "btnBack");
    EXPECT_EQ(w->CurrentPage(), TfrmMain::kParams);
    EXPECT_EQ(w->State().selection[3], "|||");
    EXPECT_FALSE(Named<QCheckBox>(*w, "chkMiscOnly").isChecked());
    EXPECT_FALSE(Named<QCheckBox>(*w, "chkMiscOnly").isHidden());
}

TEST_F(CablePage, FourArgumentStart)
{
    struct Case
    {
        QStringList args;
        const char* cable;
        int row;
    };
    const Case cases[] = {
        {{"a78-v", "20", "150.5", "4"}, "A78-V", 0},
        // Not among the candidates of the band shown: the grid's own row, here none.
        {{"F12-B", "20", "150.5", "4"}, "", -1},
    };
    for (const auto& c : cases) {
        FakePlatform local;
        inst.Register(local.registry);
        TfrmMain main(local.platform, inst.ProgramFolder(), c.args);
        EXPECT_TRUE(local.boxes.shown.empty()) << local.boxes.Texts().join('|').toStdString();
        EXPECT_EQ(main.CurrentPage(), TfrmMain::kAccessories);
        const CableControls cable(main);
        EXPECT_EQ(cable.seHorizontalLength->value(), 20);
        EXPECT_EQ(cable.seVerticalLength->value(), 150.5);
        EXPECT_EQ(cable.seNumRuns->value(), 4);
        EXPECT_EQ(main.State().runsCount, 4);
        EXPECT_EQ(main.State().cablePart, c.cable) << c.args[0].toStdString();
        EXPECT_EQ(cable.grdTlines->currentRow(), c.row);
        EXPECT_TRUE(Named<QCheckBox>(main, "chkMiscOnly").isChecked());
    }
}

// A line whose numbers are no numbers, named directly: the evaluation stops and no
// cable stays selected behind the grid of the cable named before.
TEST_F(CablePage, SpecificCableThatCannotBeEvaluatedLeavesNoCable)
{
    inst.Data("tlines.dat", std::string(kCatalogue) + "F99-X|K99|3000|3100|FOAM|9/9\"|0,2|0.001|30|40|||k12.gif|\n");
    Start();
    ShowActive();
    page->rgCableType->SetItemIndex(1);
    page->chkCableOnly->setChecked(true);
    ASSERT_EQ(w->State().cablePart, "F12-A");
    page->cboCableList->lineEdit()->clear();
    page->cboCableList->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "f9");
    EXPECT_EQ(fake.boxes.Texts(),
              QStringList{"'0,2' is not a valid floating point value\nin \"" + QString::fromStdString(inst.dir.Path()) +
                          "prog/dat/tlines.dat\", line 10"});
    EXPECT_TRUE(w->State().cableKey.empty()) << w->State().cableKey;
    EXPECT_TRUE(w->State().cableDiameter.empty());
    EXPECT_TRUE(w->State().cablePart.empty());
    EXPECT_EQ(page->grdTlines->rowCount(), 0);
    EXPECT_EQ(page->lblTlinePN->text(), "");
    EXPECT_FALSE(Named<QPushButton>(*w, "btnNext").isEnabled());
    EXPECT_FALSE(page->btnListNow->isEnabled());
}

// In Ending, typing 960 over 138 - 174 passes through 9 and 96, which lie below every
// beginning; applied at each key they would throw the beginning away.
TEST_F(CablePage, ATypedFrequencyAppliesWhenTheTypingIsDone)
{
    Start();
    ShowActive();
    QLineEdit* ending = page->cboEnding->lineEdit();
    page->cboEnding->setFocus();
    ending->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "96");
    EXPECT_EQ(page->cboBeginning->currentText(), "138");
    EXPECT_EQ(GridParts(), QStringList{"A78-V"}) << "nothing applied while typing";
    QTest::keyClicks(QApplication::focusWidget(), "0");
    Press(Qt::Key_Return);
    EXPECT_EQ(page->cboBeginning->currentText(), "138");
    EXPECT_EQ(page->cboEnding->currentText(), "960");
    EXPECT_EQ(page->grdTlines->rowCount(), 0) << "no line covers 138 - 960";

    // The focus leaving the box ends the typing too.
    ending->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "174");
    EXPECT_EQ(page->grdTlines->rowCount(), 0);
    Press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), page->cboEnding);
    EXPECT_EQ(GridParts(), QStringList{"A78-V"});
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();

    // Leaving a box without typing in it applies nothing, so the chosen row stays.
    Type(page->cboBeginning, "806");
    page->rgCableType->Button(1)->click();
    Pick(page->cboDiameter, "1/2\"");
    page->grdTlines->setCurrentCell(1, 0);
    page->cboEnding->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(w->State().cablePart, "F12-B");
}

TEST_F(CablePage, TabEntersAndLeavesTheGridOnce)
{
    Start();
    ShowActive();
    ChooseHalfInchFoam();
    ASSERT_EQ(page->grdTlines->rowCount(), 2);
    page->btnListNow->setFocus();
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), page->grdTlines);
    Press(Qt::Key_Down);
    EXPECT_EQ(w->State().cablePart, "F12-B") << "the arrows move between rows";

    // Forward from the grid every link and button of the bottom bar is reached.
    const QWidget* forward[] = {&Named<gui::TImage>(*w, "imgLogo"), &Named<gui::ClickLabel>(*w, "lblemail"),
                                &Named<QPushButton>(*w, "btnClose"), &Named<QPushButton>(*w, "btnNext")};
    for (const QWidget* expected : forward) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), &Named<gui::TImage>(*w, "imgLogo"));
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), page->grdTlines) << "one Shift+Tab back into the grid";

    // The links answer the keyboard as they answer the mouse.
    Named<gui::ClickLabel>(*w, "lblemail").setFocus();
    Press(Qt::Key_Return);
    ASSERT_EQ(fake.desktop.opened.size(), 1);
    EXPECT_EQ(fake.desktop.opened[0].scheme(), "mailto");
}

TEST_F(CablePage, EveryAcceleratorOnAPageIsUnique)
{
    Start();
    ShowActive();
    for (int p = 0; p < TfrmMain::kPageCount; ++p) {
        Named<QStackedWidget>(*w, "pcMain").setCurrentIndex(p);
        QMap<int, QString> owners;
        const auto claim = [&](const QString& text) {
            const int key = QKeySequence::mnemonic(text)[0].toCombined();
            if (key == 0)
                return;
            EXPECT_FALSE(owners.contains(key))
                << "page " << p << ": " << text.toStdString() << " and " << owners.value(key).toStdString();
            owners.insert(key, text);
        };
        for (QAction* menu : w->menuBar()->actions())
            claim(menu->text());
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (b->isVisibleTo(w.get()))
                claim(b->text());
    }

    // The first press of Alt+S skips the wizard.
    Named<QStackedWidget>(*w, "pcMain").setCurrentIndex(TfrmMain::kParams);
    page->cboBeginning->setFocus();
    Press(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->CurrentPage() == TfrmMain::kAccessories; }, 1000));
}

TEST_F(CablePage, ClickBesideTheRowsKeepsTheCableRowSelected)
{
    Start();
    ShowActive();
    ChooseHalfInchFoam();
    page->grdTlines->setCurrentCell(1, 0);
    QWidget* viewport = page->grdTlines->viewport();
    struct Case
    {
        const char* what;
        QPoint at;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {"below the rows", QPoint(10, viewport->height() - 5), Qt::NoModifier},
        {"Ctrl on the selected row", page->grdTlines->visualRect(page->grdTlines->model()->index(1, 2)).center(),
         Qt::ControlModifier},
    };
    for (const auto& c : cases) {
        QTest::mouseClick(viewport, Qt::LeftButton, c.modifiers, c.at);
        EXPECT_EQ(page->grdTlines->currentRow(), 1) << c.what;
        EXPECT_TRUE(page->grdTlines->selectionModel()->isRowSelected(1, QModelIndex())) << c.what;
        EXPECT_EQ(w->State().cablePart, "F12-B") << c.what;
    }
}

TEST_F(CablePage, TheEmptyGridSaysWhy)
{
    Start();
    ShowActive();
    EXPECT_FALSE(page->lblNoLines->isVisible()) << "rows need no explanation";
    struct Case
    {
        const char* what;
        std::function<void()> act;
        const char* text;
    };
    const Case cases[] = {
        {"no line covers the band", [&] { Pick(page->cboEnding, "6425"); }, "No line covers 138 - 6425 MHz"},
        {"rows again", [&] { Pick(page->cboEnding, "174"); }, nullptr},
        {"a diameter no line has", [&] { page->cboDiameter->setEditText("5/8\""); },
         "No Air Coax line of 5/8\" covers 138 - 174 MHz"},
        {"a name no line has",
         [&] {
             page->chkCableOnly->setChecked(true);
             page->cboCableList->setFocus();
             page->cboCableList->lineEdit()->selectAll();
             QTest::keyClicks(QApplication::focusWidget(), "ZZ");
         },
         "No line is named ZZ"},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_EQ(page->lblNoLines->isVisible(), c.text != nullptr) << c.what;
        if (c.text) {
            EXPECT_EQ(page->grdTlines->rowCount(), 0) << c.what;
            EXPECT_EQ(page->lblNoLines->text(), c.text) << c.what;
            EXPECT_EQ(page->lblTlinePN->text(), "") << c.what << ": the placeholder stays in the grid";
        }
    }
}

TEST_F(CablePage, NumbersAlignRightAndTheColumnsShareTheWidth)
{
    Start();
    ShowActive();
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ((page->grdTlines->item(0, c)->textAlignment() & Qt::AlignRight) != 0, c >= 2) << "column " << c;

    QHeaderView* header = page->grdTlines->horizontalHeader();
    const auto widths = [&] {
        std::vector<int> out;
        for (int c = 0; c < 6; ++c)
            out.push_back(header->sectionSize(c));
        return out;
    };
    const std::vector<int> before = widths();
    const int viewportBefore = page->grdTlines->viewport()->width();
    // Wider, but not so wide that the loss plot takes a place beside the grid.
    w->resize(w->width() + 200, w->height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->grdTlines->viewport()->width() != viewportBefore; }, 1000));
    const int grown = page->grdTlines->viewport()->width() - viewportBefore;
    ASSERT_GT(grown, 0);
    const std::vector<int> after = widths();
    int total = 0;
    for (int c = 0; c < 6; ++c) {
        EXPECT_NEAR(after[c] - before[c], grown / 6.0, 1.0) << "column " << c;
        total += after[c];
    }
    EXPECT_EQ(total, page->grdTlines->viewport()->width()) << "no gap and no scrolling";
}

TEST_F(CablePage, TheNumberOfRunsIsSetWithTheArrowsOnly)
{
    Start();
    ShowActive();
    QLineEdit* text = page->seNumRuns->findChild<QLineEdit*>();
    page->chkCableOnly->setFocus();
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), page->seNumRuns);
    EXPECT_FALSE(text->hasSelectedText()) << "no highlighted text to type over";
    Press(Qt::Key_Up);
    EXPECT_EQ(page->seNumRuns->value(), 4);
    EXPECT_EQ(w->State().runsCount, 4);
    EXPECT_FALSE(text->hasSelectedText());
    Press(Qt::Key_7);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(page->seNumRuns->value(), 4) << "typing changes nothing";
    EXPECT_EQ(text->text(), "4");
    EXPECT_EQ(fake.sounds.beeps, 1) << "and says so";
    EXPECT_EQ(text->cursor().shape(), Qt::ArrowCursor);

    // Read-only text beside its arrows: the window's colour behind the number, where a
    // length box shows a text box's.
    const auto background = [](QAbstractSpinBox* box) {
        const QLineEdit* edit = box->findChild<QLineEdit*>();
        const QPoint empty(edit->geometry().right() - 3, edit->geometry().center().y());
        return box->grab().toImage().pixelColor(empty);
    };
    const QColor window = Named<QWidget>(*w, "tsParams").palette().color(QPalette::Window);
    EXPECT_EQ(background(page->seNumRuns), window);
    EXPECT_NE(background(page->seHorizontalLength), window);
    EXPECT_EQ(page->seNumRuns->buttonSymbols(), QAbstractSpinBox::UpDownArrows);
}

} // namespace
} // namespace tav::test
