// What the wizard and the Customize dialog show, read as words.
#include "doubles/DemoWizard.h"
#include "doubles/Modal.h"
#include "gui/settings/TfrmCustom.h"

#include <QAbstractButton>
#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

namespace tav::test {
namespace {

using ShownTexts = DemoWizard;

QStringList Captions(const QWidget& root)
{
    QStringList texts;
    for (const QLabel* label : root.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QAction* action : root.findChildren<QAction*>())
        texts << action->text();
    for (const QTabWidget* tabs : root.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    return texts;
}

TEST_F(ShownTexts, CaptionsAreSpelledAsWordsAre)
{
    Start();
    Next(3);
    auto& unit = Named<QLabel>(*w, "lblGroundLength");
    EXPECT_EQ(unit.text(), "inches") << "as after a switch to feet";

    // Every pick list of the mounting tabs has its caption on its left, ending in a colon.
    for (const char* tab : {"tsVertical", "tsHorizontal"}) {
        auto& page = Named<QWidget>(*w, tab);
        auto* grid = qobject_cast<QGridLayout*>(page.layout());
        ASSERT_NE(grid, nullptr) << tab;
        for (const QComboBox* box : page.findChildren<QComboBox*>()) {
            const int index = grid->indexOf(box);
            ASSERT_GE(index, 0) << box->objectName().toStdString();
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            QLayoutItem* left = grid->itemAtPosition(row, column - 1);
            auto* caption = qobject_cast<QLabel*>(left ? left->widget() : nullptr);
            ASSERT_NE(caption, nullptr) << box->objectName().toStdString();
            EXPECT_TRUE(caption->text().endsWith(':')) << caption->text().toStdString();
        }
    }

    Trigger(*w, "Meters1");
    EXPECT_EQ(unit.text(), "millimeters");

    QStringList texts = Captions(*w);
    const WhenModal<gui::TfrmCustom> customize([&](gui::TfrmCustom& d) { texts << Captions(d); });
    Trigger(*w, "Customize1");
    ASSERT_TRUE(customize.Seen());
    EXPECT_TRUE(texts.contains("Recommend a replacement part when I select an obsolete part number"));
    for (const QString& text : texts)
        for (const char* wrong : {"Recomend", "milimeter", "dowload", "Inches"})
            EXPECT_FALSE(text.contains(wrong)) << text.toStdString();
}

} // namespace
} // namespace tav::test
