// What the windows show at the size they open with on a common screen and at the least
// size they accept, measured by widget geometry.
#include "doubles/DemoWizard.h"
#include "doubles/Geometry.h"
#include "gui/app/TImage.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChartView>
#include <QTest>
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

} // namespace
} // namespace tav::test
