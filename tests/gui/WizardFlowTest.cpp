// What the wizard's pages keep across the page flow, on the demo installation.
#include "doubles/DemoWizard.h"
#include "gui/app/SpinEdits.h"
#include "gui/settings/TfrmCustom.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

namespace tav::test {
namespace {

using gui::TfrmMain;

class WizardFlow : public DemoWizard
{
protected:
    // The list of materials as shown, headings and order included.
    QStringList ShownList() const
    {
        const QAbstractItemModel& grid = *Named<QTableView>(*w, "grdLom").model();
        QStringList rows;
        for (int r = 0; r < grid.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid.columnCount(); ++c)
                cells << grid.index(r, c).data().toString();
            rows << cells.join('|');
        }
        return rows;
    }

    QStringList WireLengths() const { return Items(&Named<QComboBox>(*w, "cboWireLength")); }

    // Typing over a box's text with the keyboard, then Enter.
    static void Type(QComboBox& box, const QString& text)
    {
        box.lineEdit()->selectAll();
        QTest::keyClicks(&box, text);
        QTest::keyClick(&box, Qt::Key_Return);
    }

    // Runs the customize dialog from the menu, changes the grounding spacing and saves.
    void SaveGroundingSpacing(double feet)
    {
        bool saved = false;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<gui::TfrmCustom*>(top); d && d->isVisible()) {
                    Named<gui::DecimalSpinEdit>(*d, "seGroundingKitQty").setValue(feet);
                    Click(*d, "btnSave");
                    saved = true;
                }
            }
        });
        Trigger(*w, "Customize1");
        EXPECT_TRUE(saved);
    }
};

// A change of unit or settings made on the list of materials reaches the accessory pages
// before the next list is built, as one made on the accessory pages does.
TEST_F(WizardFlow, ChangesOnTheListOfMaterialsReachTheNextList)
{
    struct Case
    {
        const char* what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"meters", [this] { Trigger(*w, "Meters1"); }},
        {"grounding spacing", [this] { SaveGroundingSpacing(50); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The same change on the accessory pages, in a copy of its own.
        const DemoInstallation reference;
        Start("1/2", &reference);
        Next(3);
        c.change();
        const QStringList lengths = WireLengths();
        Next();
        const QStringList expected = ShownList();

        const DemoInstallation copy;
        Start("1/2", &copy);
        Next(4);
        const QStringList before = ShownList();
        ASSERT_NE(before, expected) << "the change alters the list";
        c.change();
        Click(*w, "btnBack");
        EXPECT_EQ(WireLengths(), lengths);
        Next();
        EXPECT_EQ(ShownList(), expected);
        EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
        w.reset();
    }
}

// "abc" gives the message and the first item, a band no line covers; the corrected band
// brings back the type and diameter chosen before.
TEST_F(WizardFlow, AMistypedFrequencyKeepsTheTypeAndDiameter)
{
    w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
    auto& beginning = Named<QComboBox>(*w, "cboBeginning");
    auto& diameter = Named<QComboBox>(*w, "cboDiameter");
    Pick(&beginning, "1850");
    Pick(&Named<QComboBox>(*w, "cboEnding"), "1990");
    Named<QRadioButton>(*w, "rgCableTypeItem1").click();
    Pick(&diameter, "1/2");
    const std::string cable = w->State().cablePart;
    ASSERT_FALSE(cable.empty());

    Type(beginning, "abc");
    EXPECT_EQ(fake.boxes.Texts(), QStringList{"This field must contain a numeric value."});
    EXPECT_EQ(beginning.currentText(), "30");
    EXPECT_TRUE(w->State().cablePart.empty()) << "no line covers 30 - 1990";

    Type(beginning, "1850");
    EXPECT_TRUE(Named<QRadioButton>(*w, "rgCableTypeItem1").isChecked()) << "Foam Coax";
    EXPECT_EQ(diameter.currentText(), "1/2");
    EXPECT_EQ(w->State().cablePart, cable);
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
}

} // namespace
} // namespace tav::test
