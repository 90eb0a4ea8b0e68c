#include "gui/cable/LossPlot.h"

#include "doubles/CableControls.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/Placement.h"
#include "gui/app/TImage.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"

#include <QAbstractButton>
#include <QAreaSeries>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QLineSeries>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tav::test {
namespace {

using gui::LossPlot;
using gui::TfrmMain;

const char* kCatalogue = "Part|Key|Begin|End|Type|Diameter|k1|k2|P|Peak|x|x|Picture|\n"
                         "F12-B|K12|806|960|FOAM|1/2\"|0.2|0.001|30|40|||k.gif|\n"
                         "F12-A|K12|806|960|FOAM|1/2\"|0.15|0.001|30|40|||k.gif|\n"
                         "F12-C|K12|800|1000|FOAM|1/2\"|0.25|0.002|30|40|||k.gif|\n"
                         "F78-A|K78|806|960|FOAM|7/8\"|0.1|0.0005|60|80|||k.gif|\n"
                         "E63-A|E63|5925|6425|EW|E-63|3650|1200|20|30|||k.gif|\n";

class LossPlotPage : public ::testing::Test
{
protected:
    TestInstallation inst;
    FakePlatform fake;
    std::unique_ptr<TfrmMain> w;
    std::optional<CableControls> page;
    LossPlot* plot = nullptr;

    void SetUp() override
    {
        inst.Register(fake.registry);
        inst.Data("tlines.dat", kCatalogue);
        inst.Image("k.gif", DotGif());
        w = std::make_unique<TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList{});
        page.emplace(*w);
        plot = page->pltLoss;
        // 806 - 960, Foam Coax, 1/2": the rows F12-A, F12-B, F12-C.
        Pick(page->cboBeginning, "806");
        Pick(page->cboEnding, "960");
        page->rgCableType->Button(1)->click();
        Pick(page->cboDiameter, "1/2\"");
    }

    // Wide and tall enough for the plot beside the grid, drawn.
    void ShowLarge()
    {
        w->resize(1600, 1000);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return plot->isVisible(); }, 1000));
        QApplication::processEvents();
    }

    QStringList CurveNames() const
    {
        EXPECT_EQ(static_cast<size_t>(plot->CurveNames().size()), plot->Curves().size());
        return plot->CurveNames();
    }

    QStringList GridTexts() const
    {
        QStringList texts;
        for (int r = 0; r < page->grdTlines->rowCount(); ++r)
            for (int c = 0; c < page->grdTlines->columnCount(); ++c)
                texts << page->grdTlines->item(r, c)->text();
        return texts;
    }

    // The curve's loss at a frequency it was sampled at.
    static double LossAt(const QList<QPointF>& curve, double frequency)
    {
        for (const QPointF& p : curve)
            if (p.x() == frequency)
                return p.y();
        ADD_FAILURE() << "no point at " << frequency << " MHz";
        return NAN;
    }
};

TEST_F(LossPlotPage, OneCurvePerRowPassingThroughTheGridsLossAtTheMean)
{
    ShowLarge();
    ASSERT_EQ(CurveNames(), (QStringList{"F12-A", "F12-B", "F12-C"})) << "the grid's rows, in its order";
    for (int r = 0; r < 3; ++r) {
        const QList<QPointF>& curve = plot->Curves()[r];
        EXPECT_EQ(QString::number(LossAt(curve, 883), 'f', 2), page->grdTlines->item(r, 2)->text()) << r;
        EXPECT_DOUBLE_EQ(curve.first().x(), 403) << "half the band's beginning";
        EXPECT_DOUBLE_EQ(curve.last().x(), 1920) << "twice its ending";
    }
    const QList<QPointF> band = plot->BandArea()->upperSeries()->points();
    ASSERT_EQ(band.size(), 2);
    EXPECT_EQ(band[0].x(), 806);
    EXPECT_EQ(band[1].x(), 960);
    EXPECT_TRUE(plot->BandArea()->isVisible());
    EXPECT_EQ(plot->FrequencyAxis()->min(), 403);
    EXPECT_EQ(plot->FrequencyAxis()->max(), 1920);
    EXPECT_GE(plot->LossAxis()->max(), LossAt(plot->Curves()[2], 1920)) << "no coax curve leaves the axis";
    EXPECT_EQ(plot->LossAxis()->titleText(), "Insertion Loss (dB) over 115 feet");

    // Another diameter: the curves follow, surplus curves go.
    Pick(page->cboDiameter, "7/8\"");
    QApplication::processEvents();
    EXPECT_EQ(CurveNames(), QStringList{"F78-A"});
    EXPECT_EQ(QString::number(LossAt(plot->SelectedCurve()->points(), 883), 'f', 2),
              page->grdTlines->item(0, 2)->text());
}

TEST_F(LossPlotPage, TheSelectedCurveFollowsTheGridWithoutMovingIt)
{
    ShowLarge();
    const auto selectedLossAtMean = [&] {
        return QString::number(LossAt(plot->SelectedCurve()->points(), 883), 'f', 2);
    };
    EXPECT_EQ(selectedLossAtMean(), page->grdTlines->item(0, 2)->text());
    EXPECT_EQ(plot->chart()->title(), "F12-A");
    EXPECT_GT(plot->SelectedCurve()->count(), plot->Curves()[0].size()) << "drawn finer than the rest";

    page->grdTlines->setCurrentCell(2, 0);
    EXPECT_EQ(selectedLossAtMean(), page->grdTlines->item(2, 2)->text()) << "follows at once";
    EXPECT_EQ(plot->chart()->title(), "F12-C");
    EXPECT_EQ(w->State().cablePart, "F12-C");

    // Redrawing the plot (here: new lengths, the row kept by a unit switch) moves nothing in the grid.
    QSignalSpy rowMoves(page->grdTlines, &QTableWidget::currentCellChanged);
    const QStringList before = GridTexts();
    w->resize(1700, 1050);
    QApplication::processEvents();
    plot->SetCurrentRow(1);
    QApplication::processEvents();
    EXPECT_EQ(rowMoves.count(), 0);
    EXPECT_EQ(GridTexts(), before);
    EXPECT_EQ(page->grdTlines->currentRow(), 2);
    EXPECT_EQ(w->State().cablePart, "F12-C");
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(LossPlotPage, ShowsInTheSmallestWindowAndNeverChangesTheGrid)
{
    page->grdTlines->setCurrentCell(1, 0);
    const QStringList texts = GridTexts();
    w->resize(860, 640);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    EXPECT_TRUE(plot->isVisible()) << "the headings take two lines to make room";
    EXPECT_EQ(CurveNames().size(), 3) << "drawn once it shows";
    EXPECT_GE(page->grdTlines->viewport()->width(), page->grdTlines->horizontalHeader()->length())
        << "the grid keeps the width for every heading";

    // The keyboard goes from the grid on to the bottom bar, as without the plot.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    page->grdTlines->setFocus();
    QTest::keyClick(page->grdTlines, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(&Named<gui::TImage>(*w, "imgLogo")));

    w->resize(1, 1);
    QApplication::processEvents();
    EXPECT_TRUE(plot->isVisible()) << "the least size the window takes";
    EXPECT_GE(page->grdTlines->viewport()->width(), page->grdTlines->horizontalHeader()->length());
    EXPECT_EQ(GridTexts(), texts);
    EXPECT_EQ(page->grdTlines->currentRow(), 1);
    EXPECT_EQ(w->State().cablePart, "F12-B");
}

TEST_F(LossPlotPage, ShowsAtTheDefaultSizeOfCommonScreens)
{
    struct Case
    {
        QSize screen; // available to windows
        QSize window;
    };
    const Case cases[] = {
        {{1920, 1040}, {1280, 800}}, {{1366, 738}, {1280, 678}}, {{1280, 994}, {1260, 800}},
        {{1024, 738}, {1004, 678}},  {{800, 600}, {860, 640}}, // never below what the pages need
    };
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    // The same with the cost column, brought in by a change of the runs.
    for (const char* settings : {"", "[General]\r\nLineCost=1\r\n"}) {
        inst.Data("settings.dat", settings);
        page->seNumRuns->stepUp();
        ASSERT_EQ(page->grdTlines->columnCount(), *settings ? 7 : 6);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.screen.width()) + settings);
            EXPECT_EQ(gui::DefaultWindowSize(c.screen), c.window);
            w->resize(c.window);
            QApplication::processEvents();
            EXPECT_TRUE(plot->isVisible());
            EXPECT_GE(page->grdTlines->viewport()->width(), page->grdTlines->horizontalHeader()->length());
        }
    }
}

TEST_F(LossPlotPage, EveryCurveIsDrawnWhereTheAxesPutItAndTheSelectedOneOnTop)
{
    // With the cost column on, the hover text tells the cost as well; a change of the runs
    // brings the setting in.
    inst.Data("settings.dat", "[General]\r\nSelectCable=0\r\nLineCost=1\r\n");
    page->seNumRuns->stepUp();
    ShowLarge();
    const QImage image = plot->grab().toImage();
    // The pixels around a curve's point at 883 MHz, the band's mean: black ones, and ones in colour.
    struct Seen
    {
        bool black = false, colour = false;
    };
    const auto seenAt = [&](const QList<QPointF>& curve) {
        const QPointF inChart = plot->chart()->mapToPosition(QPointF(883, LossAt(curve, 883)), plot->SelectedCurve());
        const QPoint at = plot->mapFromScene(plot->chart()->mapToScene(inChart));
        Seen seen;
        for (int dy = -3; dy <= 3; ++dy) {
            const QColor c = image.pixelColor(at.x(), at.y() + dy);
            seen.black = seen.black || c == Qt::black;
            seen.colour = seen.colour || (c.saturation() > 100 && c.lightness() < 200);
        }
        return seen;
    };
    const Seen selected = seenAt(plot->SelectedCurve()->points());
    EXPECT_TRUE(selected.black);
    EXPECT_FALSE(selected.colour) << "the selected row's own curve stays under its line";
    for (size_t row : {1, 2})
        EXPECT_TRUE(seenAt(plot->Curves()[row]).colour) << row;

    // Pointing at a curve tells its loss there, computed rather than read off the line drawn.
    const QPointF onCurve =
        plot->chart()->mapToPosition(QPointF(883, LossAt(plot->Curves()[2], 883)), plot->SelectedCurve());
    QTest::mouseMove(plot->viewport(), plot->mapFromScene(plot->chart()->mapToScene(onCurve)));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000));
    EXPECT_TRUE(QToolTip::text().startsWith("F12-C: 10.") && QToolTip::text().contains(" dB at 88"))
        << QToolTip::text().toStdString();
    EXPECT_TRUE(QToolTip::text().endsWith(" MHz, Line Cost N/A")) << QToolTip::text().toStdString();
}

TEST_F(LossPlotPage, MetersLengthenTheRunOnTheAxisAndInTheCurves)
{
    ShowLarge();
    const double feet = LossAt(plot->Curves()[0], 883);
    Click(*w, "rbMeters");
    QApplication::processEvents();
    EXPECT_EQ(plot->LossAxis()->titleText(), "Insertion Loss (dB) over 115 meters");
    const double meters = LossAt(plot->Curves()[0], 883);
    EXPECT_GT(meters, 3 * feet);
    EXPECT_EQ(QString::number(meters, 'f', 2), page->grdTlines->item(0, 2)->text());
}

TEST_F(LossPlotPage, AWaveguideCurveStartsJustAboveItsCutOff)
{
    ShowLarge();
    Pick(page->cboEnding, "6425");
    Pick(page->cboBeginning, "5925");
    ASSERT_EQ(page->rgCableType->ItemIndex(), 2);
    QApplication::processEvents();
    ASSERT_EQ(CurveNames(), QStringList{"E63-A"});
    const QList<QPointF> points = plot->Curves()[0];
    EXPECT_GT(points.first().x(), 3650) << "above the cut-off, although the span begins at 2962.5";
    EXPECT_LT(points.first().x(), 3650 * 1.02);
    for (const QPointF& p : points)
        EXPECT_TRUE(std::isfinite(p.y()) && p.y() > 0) << p.x();
    EXPECT_EQ(QString::number(LossAt(plot->Curves()[0], 6175), 'f', 2), page->grdTlines->item(0, 2)->text());
    EXPECT_LT(plot->LossAxis()->max(), points.first().y()) << "the rise at the cut-off does not flatten the band";
}

TEST_F(LossPlotPage, ASpecificCableIsDrawnOverItsOwnBandAndAnEmptyGridDrawsNothing)
{
    ShowLarge();
    Click(*w, "chkCableOnly");
    page->cboCableList->setEditText("F12-C");
    emit page->cboCableList->lineEdit()->textEdited("F12-C");
    QApplication::processEvents();
    ASSERT_EQ(CurveNames(), QStringList{"F12-C"});
    EXPECT_DOUBLE_EQ(plot->Curves()[0].first().x(), 400);
    EXPECT_DOUBLE_EQ(plot->Curves()[0].last().x(), 2000);
    EXPECT_EQ(QString::number(LossAt(plot->Curves()[0], 900), 'f', 2), page->grdTlines->item(0, 2)->text());

    page->cboCableList->setEditText("nothing");
    emit page->cboCableList->lineEdit()->textEdited("nothing");
    QApplication::processEvents();
    EXPECT_EQ(page->grdTlines->rowCount(), 0);
    EXPECT_TRUE(CurveNames().isEmpty());
    EXPECT_FALSE(plot->SelectedCurve()->isVisible());
    EXPECT_FALSE(plot->BandArea()->isVisible());
}

} // namespace
} // namespace tav::test
