// The transmission line itself on the list of materials, at the cost its grid column shows.
#include "doubles/AccessoryGrid.h"
#include "doubles/DemoWizard.h"
#include "gui/app/SpinEdits.h"
#include "gui/materials/MaterialsPage.h"
#include "gui/settings/TfrmCustom.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace tav::test {
namespace {

class LineOnList : public DemoWizard
{
protected:
    // The rooftop plan of the demo: KF114-50-P2, 50 + 120 ft, 6 runs; the demo adds 10 % waste.
    QString PlanTheRooftop()
    {
        w = std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
        ChooseFoamCable("1700", "2200", "1-1/4");
        Named<gui::DecimalSpinEdit>(*w, "seHorizontalLength").setValue(50);
        Named<gui::DecimalSpinEdit>(*w, "seVerticalLength").setValue(120);
        Named<QSpinBox>(*w, "seNumRuns").setValue(6);
        auto& grid = Named<QTableWidget>(*w, "grdTlines");
        for (int r = 0; r < grid.rowCount(); ++r)
            if (grid.item(r, 0)->text() == "KF114-50-P2")
                grid.setCurrentCell(r, 0);
        EXPECT_EQ(w->State().cablePart, "KF114-50-P2");
        EXPECT_EQ(grid.horizontalHeaderItem(6)->text(), "Line Cost");
        return grid.item(grid.currentRow(), 6)->text();
    }

    std::string LomRow(const std::string& part) const
    {
        for (const MaterialsRow& r : Named<gui::MaterialsPage>(*w, "tsLom").List().rows)
            if (r.partNumber == part)
                return r.price + " " + r.quantity + " " + r.extended;
        return "(not on the list)";
    }
};

TEST_F(LineOnList, TheSelectedLineIsOrderedAtTheCostItsColumnShows)
{
    const QString cost = PlanTheRooftop();
    Click(*w, "btnListNow");
    const AccessoryGrid list(*w);
    EXPECT_EQ(list.Quantity("KF114-50-P2"), 1122) << "(50 + 120) ft x 6 runs + 10 %, rounded up once";
    EXPECT_TRUE(list.Ticked("KF114-50-P2"));
    EXPECT_EQ(list.Text(list.Row("KF114-50-P2") - 1), "Hangers and Mounting Hardware");
    Click(*w, "btnNext");
    EXPECT_EQ(LomRow("KF114-50-P2"), "$9.43 1122 $10580.46");
    EXPECT_EQ(cost, "$10580.46");

    // Saved and opened again, the row comes back as any reopened item: its quantity, no tick.
    const std::string file = inst.dir.File("rooftop.tvr");
    fake.fileDialogs.answers = {QString::fromStdString(file)};
    Trigger(*w, "Save1");
    w = std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(),
                                        QStringList{"OPEN", QString::fromStdString(file)});
    EXPECT_EQ(LomRow("KF114-50-P2"), "$9.43 1122 $10580.46");
    Click(*w, "btnBack");
    const AccessoryGrid reopened(*w);
    EXPECT_EQ(reopened.Quantity("KF114-50-P2"), 1122);
    EXPECT_FALSE(reopened.Ticked("KF114-50-P2"));

    // A saved line of another part is an ordinary reopened item; the row offers the grid's line.
    std::string saved = inst.dir.Read("rooftop.tvr");
    saved.replace(saved.find("KF114-50-P2"), 11, "KF114-50-S2");
    inst.dir.Write("other.tvr", saved);
    w = std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(),
                                        QStringList{"OPEN", QString::fromStdString(inst.dir.File("other.tvr"))});
    EXPECT_EQ(LomRow("KF114-50-S2"), "$9.61 1122 $10782.42");
    EXPECT_EQ(LomRow("KF114-50-P2"), "(not on the list)");
    Click(*w, "btnBack");
    const AccessoryGrid other(*w);
    EXPECT_EQ(other.Quantity("KF114-50-S2"), 1122);
    EXPECT_EQ(other.Quantity("KF114-50-P2"), 0);
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(LineOnList, TakenOffTheListTheLineKeepsItsOrderWithoutTheTick)
{
    // Taken off the list under it, the line keeps its order but no longer follows the rule
    // of a line, which another run count would otherwise rewrite.
    PlanTheRooftop();
    Click(*w, "btnListNow");
    const AccessoryGrid list(*w);
    QTimer::singleShot(0, [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<gui::TfrmCustom*>(top); d && d->isVisible()) {
                Named<QCheckBox>(*d, "chkLineOnList").setChecked(false);
                Click(*d, "btnSave");
            }
    });
    Trigger(*w, "Customize1");
    EXPECT_EQ(list.Quantity("KF114-50-P2"), 1122);
    EXPECT_FALSE(list.Ticked("KF114-50-P2"));
}

} // namespace
} // namespace tav::test
