// What the windows show at the size they open with on a common screen and at the least
// size they accept, measured by widget geometry.
#include "core/app/Installation.h"
#include "doubles/DemoWizard.h"
#include "doubles/Geometry.h"
#include "gui/app/TImage.h"
#include "gui/settings/TfrmCustom.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace tav::test {
namespace {

using gui::TfrmMain;

class Layout : public DemoWizard
{
protected:
    // Every page and accessory tab in turn, reached by Next, each at 1280 x 800 and at
    // the least size; what shows is described to the check.
    void EveryView(const std::function<void(const QString& view)>& check)
    {
        Start();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        auto& tabs = Named<QTabWidget>(*w, "pcAccessories");
        for (int page = 0; page < TfrmMain::kPageCount; ++page) {
            const int tabCount = page == TfrmMain::kAccessories ? tabs.count() : 1;
            for (int tab = 0; tab < tabCount; ++tab) {
                if (page == TfrmMain::kAccessories) {
                    if (!tabs.isTabVisible(tab))
                        continue;
                    tabs.setCurrentIndex(tab);
                }
                for (const QSize size : {QSize(1280, 800), QSize(1, 1)}) {
                    w->resize(size);
                    QApplication::processEvents();
                    check(QString("page %1 tab %2 at %3x%4").arg(page).arg(tab).arg(w->width()).arg(w->height()));
                }
            }
            if (page + 1 < TfrmMain::kPageCount)
                Next();
        }
    }
};

TEST_F(Layout, PicturesShowWholeAtEverySize)
{
    int pictures = 0;
    EveryView([&](const QString& view) {
        const bool firstSize = w->width() == 1280;
        for (const gui::TImage* image : w->findChildren<gui::TImage*>()) {
            if (!image->isVisible() || image->PictureFile().isEmpty())
                continue;
            ++pictures;
            const QSize natural = image->pixmap().deviceIndependentSize().toSize();
            const QRect drawn = InWindow(*image, image->PictureRect());
            const QString what = view + " " + image->objectName();
            EXPECT_TRUE(ShownRect(*image).contains(drawn)) << what.toStdString();
            // Scaled down evenly, never stretched.
            EXPECT_NEAR(double(drawn.width()) / drawn.height(), double(natural.width()) / natural.height(), 0.05)
                << what.toStdString();
            if (firstSize) {
                EXPECT_GE(drawn.width() * 10, natural.width() * 9)
                    << what.toStdString() << " has room at the first size";
            }
        }
        if (view.startsWith("page 0")) {
            const auto& plot = Named<QChartView>(*w, "pltLoss");
            EXPECT_TRUE(plot.isVisible()) << view.toStdString();
            EXPECT_EQ(ShownRect(plot).size(), plot.size()) << view.toStdString();
            const QAbstractAxis* loss = plot.chart()->axes(Qt::Vertical).first();
            EXPECT_LE(QFontMetrics(loss->titleFont()).horizontalAdvance(loss->titleText()),
                      plot.chart()->plotArea().height())
                << view.toStdString() << " " << loss->titleText().toStdString();
        }
    });
    EXPECT_GT(pictures, 40);
}

// Whether a closed pick list shows its chosen entry whole.
bool ShowsChosenWhole(const QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
    // The label is drawn a pixel in from either side of its field.
    return TextFits(box, box.currentText(), field.adjusted(1, 0, -1, 0));
}

TEST_F(Layout, ChosenEntriesShowWholeInTheirBoxes)
{
    int surgeEntries = 0;
    EveryView([&](const QString& view) {
        for (QComboBox* box : w->findChildren<QComboBox*>()) {
            if (!box->isVisible() || box->isEditable())
                continue;
            const int chosen = box->currentIndex();
            // Every protector the band offers, in turn; the others as they come.
            const bool everyEntry = box->objectName() == "cboSurge";
            for (int i = everyEntry ? 0 : chosen; i < (everyEntry ? box->count() : chosen + 1); ++i) {
                box->setCurrentIndex(i);
                surgeEntries += everyEntry;
                EXPECT_TRUE(ShowsChosenWhole(*box))
                    << (view + " " + box->objectName() + " " + box->currentText()).toStdString();
            }
            box->setCurrentIndex(chosen);
        }
    });
    EXPECT_GT(surgeEntries, 2);
}

TEST_F(Layout, EveryCustomizeCaptionShowsAtTheDialogsFirstSize)
{
    const LineList tlines = LoadCatalogueList(inst.ProgramFolder().toStdString() + "dat/tlines.dat", true);
    gui::TfrmCustom dialog(fake.platform, inst.ProgramFolder().toStdString() + "dat/", inst.ProgramFolder() + "images/",
                           tlines, "KF158");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto& pages = Named<QTabWidget>(dialog, "pcCustomize");
    const QTabBar& bar = *pages.tabBar();
    int shown = 0;
    for (int i = 0; i < bar.count(); ++i) {
        ASSERT_TRUE(bar.isTabVisible(i)) << bar.tabText(i).toStdString();
        ++shown;
        const QRect tab = bar.tabRect(i);
        EXPECT_TRUE(ShownRect(bar).contains(InWindow(bar, tab))) << bar.tabText(i).toStdString();
        EXPECT_TRUE(TextFits(bar, bar.tabText(i), tab)) << bar.tabText(i).toStdString();
    }
    EXPECT_EQ(shown, 9);
    for (const QToolButton* scroll : bar.findChildren<QToolButton*>())
        EXPECT_FALSE(scroll->isVisible()) << "no scroll arrows";

    // Ctrl+PgDn from the line's pick list turns the page and leaves the line as it was.
    auto& line = Named<QComboBox>(dialog, "cboTlines");
    const QString chosen = line.currentText();
    line.setFocus();
    QTest::keyClick(&line, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages.currentIndex(), 1);
    EXPECT_EQ(line.currentText(), chosen);
}

TEST_F(Layout, AmountsShowWholeInTheListOfMaterials)
{
    // $1485.00 apiece, six figures extended, a ten-digit count, a part without a price.
    inst.dir.Write("dear.tvr", "[SITE 001 LOM]\r\n2=1|Each|IEG-200||x|0|\r\n3=250|Each|EP5-9||x|0|\r\n"
                               "4=2147483647|Each|HGS-12||x|0|\r\n5=1|Each|NOT-PRICED-1||x|0|\r\n"
                               "[Other]\r\nTline=K12A\r\nNumRuns=3\r\nUnits=F\r\n");
    Start();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("dear.tvr"))};
    Trigger(*w, "Open1");
    ASSERT_EQ(w->CurrentPage(), TfrmMain::kLom) << fake.boxes.Texts().join('|').toStdString();
    const auto& lom = Named<QTableView>(*w, "grdLom");
    const QAbstractItemModel& list = *lom.model();
    const QHeaderView& header = *lom.horizontalHeader();
    ASSERT_TRUE(list.match(list.index(0, 2), Qt::DisplayRole, "$1485.00").size() == 1);
    // The item's text stands this far in from either side of its cell.
    const int margin = lom.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &lom) + 1;
    const int headerMargin = lom.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (const QSize size : {QSize(1280, 800), QSize(1, 1)}) {
        w->resize(size);
        QApplication::processEvents();
        for (int c = 2; c < list.columnCount(); ++c) {
            const QString heading = list.headerData(c, Qt::Horizontal).toString();
            EXPECT_TRUE(TextFits(header, heading, QRect(0, 0, header.sectionSize(c) - 2 * headerMargin, 1)))
                << heading.toStdString();
            for (int r = 0; r < list.rowCount(); ++r) {
                const QModelIndex cell = list.index(r, c);
                EXPECT_TRUE(TextFits(lom, cell.data().toString(), lom.visualRect(cell).adjusted(margin, 0, -margin, 0)))
                    << w->width() << " " << heading.toStdString() << " " << cell.data().toString().toStdString();
            }
        }
        if (size.width() == 1280) {
            // The description takes what is left, no more.
            EXPECT_EQ(lom.horizontalScrollBar()->maximum(), 0);
            EXPECT_GE(header.sectionSize(1), 255);
        }
    }
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

} // namespace
} // namespace tav::test
