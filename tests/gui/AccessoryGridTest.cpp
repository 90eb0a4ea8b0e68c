// The accessory-list grid through the keyboard and the mouse, on the demo installation.
#include "doubles/AccessoryGrid.h"

#include "doubles/DemoWizard.h"

#include <QApplication>
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

} // namespace
} // namespace tav::test
