// The accessory-list grid through the keyboard and the mouse, on the demo installation.
#include "doubles/AccessoryGrid.h"

#include "doubles/DemoWizard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <functional>

namespace tav::test {
namespace {

class AccessoryGridTest : public DemoWizard
{
protected:
    // Skip The Wizard with the demo's cable, on a shown and active window, so that keys
    // arrive where a user's would: at the focus widget.
    void StartOnTheList()
    {
        Start();
        Click(*w, "btnListNow");
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    AccessoryGrid Grid() const { return AccessoryGrid(*w); }
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    // Each key goes where the focus is when it is pressed, as the editor takes it.
    static void Keys(const QString& keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
};

TEST_F(AccessoryGridTest, TypedDigitsReplaceTheQuantityHoweverTheEditorOpens)
{
    StartOnTheList();
    AccessoryGrid grid = Grid();
    QTableView& view = grid.View();
    struct Case
    {
        const char* how;
        std::function<void(int row)> open; // leaves the editor open, its first key typed or not
        const char* keys;
    };
    const auto stand = [&](int row, int column) {
        view.setFocus();
        view.setCurrentIndex(grid.Cell(row, column));
    };
    const Case cases[] = {
        {"arrows to the cell, then digits",
         [&](int row) {
             stand(row, AccessoryGrid::kPart);
             Press(Qt::Key_Right);
             Press(Qt::Key_Right);
         },
         "57"},
        {"digits on the part number", [&](int row) { stand(row, AccessoryGrid::kPart); }, "57"},
        {"F2, then digits",
         [&](int row) {
             stand(row, AccessoryGrid::kQuantity);
             Press(Qt::Key_F2);
         },
         "57"},
        {"a double click, then digits",
         [&](int row) {
             const QModelIndex cell = grid.Cell(row, AccessoryGrid::kQuantity);
             view.scrollTo(cell);
             // Press, release, press as a double click, release: as the window system sends it.
             const QPoint at = view.visualRect(cell).center() - QPoint(10, 0);
             QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
             QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at);
             QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
             QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
             QApplication::processEvents();
         },
         "57"},
    };
    for (const Case& c : cases) {
        grid.Type("HGS-12", 3);
        const int row = grid.Row("HGS-12");
        c.open(row);
        Keys(c.keys);
        Press(Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(grid.Quantity("HGS-12"), 57) << c.how;
        EXPECT_EQ(view.currentIndex().row(), row) << c.how;
    }
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(AccessoryGridTest, BackToTheCablePageAndOnKeepsWhatTheNewListStillOffers)
{
    Start();
    Next(3);
    const auto toTheList = [&] {
        Named<QTabWidget>(*w, "pcAccessories").setCurrentWidget(&Named<QWidget>(*w, "tsList"));
    };
    const auto backToTheCable = [&] {
        while (w->CurrentPage() > gui::TfrmMain::kParams)
            Click(*w, "btnBack");
    };
    toTheList();
    AccessoryGrid grid = Grid();
    grid.Type("HGS-12", 4);   // 1/2 in. only
    grid.Type("CTB-100", 2);  // every foam cable
    grid.Tick("KOVA");        // every foam cable of the demo, counted from the runs
    grid.Type("SSK-12-4", 3); // 1/2 in. only
    const int kova = grid.Quantity("KOVA");
    ASSERT_GT(kova, 0);
    const std::string shown = grid.Shown();

    backToTheCable();
    Next(3);
    toTheList();
    EXPECT_EQ(grid.Shown(), shown) << "the same cable: the same list, every order kept";

    // More runs: the tick's count follows them; the typed ones stay as typed.
    backToTheCable();
    Named<QSpinBox>(*w, "seNumRuns").setValue(6);
    Next(3);
    toTheList();
    EXPECT_GT(grid.Quantity("KOVA"), kova);
    EXPECT_TRUE(grid.Ticked("KOVA"));
    EXPECT_EQ(grid.Quantity("HGS-12"), 4);

    // Another cable: what its list no longer offers drops out for good.
    backToTheCable();
    Pick(CableControls(*w).cboDiameter, "7/8");
    Next(3);
    toTheList();
    EXPECT_EQ(grid.Row("HGS-12"), -1);
    EXPECT_EQ(grid.Quantity("CTB-100"), 2);
    EXPECT_TRUE(grid.Ticked("KOVA"));
    backToTheCable();
    Pick(CableControls(*w).cboDiameter, "1/2");
    Next(3);
    toTheList();
    EXPECT_EQ(grid.Quantity("HGS-12"), 0);
    EXPECT_EQ(grid.Quantity("SSK-12-4"), 0);
    EXPECT_EQ(grid.Quantity("CTB-100"), 2);

    // Opening a project shows its own orders alone.
    grid.Type("SSK-12-4", 3);
    fake.fileDialogs.answers = {QStringLiteral(TAVROLIN_DEMO_DIR "/data/KF12-rooftop.tvr")};
    Trigger(*w, "Open1");
    EXPECT_EQ(grid.Quantity("SSK-12-4"), 0);
    EXPECT_EQ(grid.Quantity("HGS-12"), 3);
    // Its parts that no list offers (the entry plate) are its orders too: they stay on the way round.
    ASSERT_EQ(grid.Quantity("EP4-12"), 1);
    backToTheCable();
    Next(3);
    toTheList();
    EXPECT_EQ(grid.Quantity("EP4-12"), 1);
    EXPECT_EQ(grid.Quantity("HGS-12"), 3);
    Click(*w, "btnNext");
    const QAbstractItemModel& lom = *Named<QTableView>(*w, "grdLom").model();
    EXPECT_EQ(lom.match(lom.index(0, 0), Qt::DisplayRole, "EP4-12").size(), 1);
    Click(*w, "btnBack");

    // Reset Selections empties the list, and it stays empty on the way round.
    Click(*w, "btnReset");
    backToTheCable();
    Next(3);
    toTheList();
    EXPECT_FALSE(QString::fromStdString(grid.Shown()).contains(QRegularExpression(" [1-9]")));
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(AccessoryGridTest, OneTabEntersTheGridAndOneLeavesIt)
{
    StartOnTheList();
    AccessoryGrid grid = Grid();
    QTableView& view = grid.View();
    QWidget& jump = Named<QWidget>(*w, "cboJump");
    const auto inGrid = [&] {
        return QApplication::focusWidget() == &view || view.isAncestorOf(QApplication::focusWidget());
    };
    jump.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &jump);

    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &view);
    view.setCurrentIndex(grid.Cell(grid.Row("HGS-12"), AccessoryGrid::kPart));
    Press(Qt::Key_Down);
    EXPECT_EQ(view.currentIndex().row(), grid.Row("HGL-12")) << "arrows move inside";
    Press(Qt::Key_Up);
    Press(Qt::Key_Tab);
    EXPECT_FALSE(inGrid()) << "one Tab leaves";
    QWidget* after = QApplication::focusWidget();
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &view) << "Shift+Tab comes back";
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &jump);

    // Typing opens the editor; Tab takes the quantity and leaves as well.
    Press(Qt::Key_Tab);
    Keys("7");
    ASSERT_TRUE(inGrid());
    Press(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), after);
    EXPECT_EQ(grid.Quantity("HGS-12"), 7);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Keys("8");
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), &jump);
    EXPECT_EQ(grid.Quantity("HGS-12"), 8);
}

TEST_F(AccessoryGridTest, ResetAndRestartEachTakeOnePressOfTheirAltKey)
{
    StartOnTheList();
    AccessoryGrid grid = Grid();
    const QString reset = Named<QAbstractButton>(*w, "btnReset").text();
    const int amp = static_cast<int>(reset.indexOf('&'));
    ASSERT_GE(amp, 0) << reset.toStdString();
    const int resetKey = reset.at(amp + 1).toUpper().unicode();

    // A button pressed by its key clicks a moment later.
    grid.Type("HGS-12", 4);
    Press(resetKey, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid.Quantity("HGS-12") == 0; }, 1000));
    EXPECT_EQ(w->CurrentPage(), gui::TfrmMain::kAccessories);
    Press(Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->CurrentPage() == gui::TfrmMain::kParams; }, 1000));
}

TEST_F(AccessoryGridTest, EveryBuildOfEitherListStartsAtTheTop)
{
    StartOnTheList();
    auto& lom = Named<QTableView>(*w, "grdLom");
    auto& jump = Named<QComboBox>(*w, "cboJump");
    struct Case
    {
        const char* what;
        QTableView& view;
        std::function<void()> show, rebuild;
    };
    const Case cases[] = {
        {"the accessory list, skipping the wizard again", Grid().View(), [] {},
         [&] {
             Click(*w, "btnBack");
             Click(*w, "btnListNow");
         }},
        {"the list of materials, back to the accessories and on", lom,
         [&] {
             fake.fileDialogs.answers = {QStringLiteral(TAVROLIN_DEMO_DIR "/data/KF12-rooftop.tvr")};
             Trigger(*w, "Open1");
         },
         [&] {
             Click(*w, "btnBack");
             Click(*w, "btnNext");
         }},
    };
    for (const Case& c : cases) {
        c.show();
        QApplication::processEvents();
        QScrollBar& bar = *c.view.verticalScrollBar();
        ASSERT_GT(bar.maximum(), 0) << c.what << ": long enough to scroll";
        bar.setValue(bar.maximum());
        c.rebuild();
        QApplication::processEvents();
        EXPECT_EQ(bar.value(), 0) << c.what;
        EXPECT_EQ(c.view.rowAt(0), 0) << c.what;
    }
    EXPECT_EQ(jump.currentIndex(), 0);
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

} // namespace
} // namespace tav::test
