#include "gui/cable/LossPlot.h"

#include "core/cable/LossCurve.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TextCodec.h"

#include <QAreaSeries>
#include <QChart>
#include <QCursor>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace tav::gui {

namespace {

// Few enough to redraw hundreds of rows within a keystroke (the band's limits and mean
// come on top), while the selected line, drawn over them, is smooth.
constexpr int kSamples = 6;
constexpr int kSelectedSamples = 48;
// A waveguide's loss soars near its cut-off; beyond three times the worst loss at the
// band's ending the axis stops, so the band stays readable. A coax curve never gets there.
constexpr double kLossHeadroom = 3.0;

// 1, 2 or 5 times a power of ten, at least the given step.
double NiceStep(double step)
{
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= step)
            return m * power;
    return 10 * power;
}

QPen CurvePen(const QColor& colour, qreal width)
{
    QPen pen(colour);
    pen.setWidthF(width);
    return pen;
}

} // namespace

LossPlot::LossPlot(QWidget* parent) : QChartView(parent)
{
    setObjectName("pltLoss");
    // It only shows what the grid holds: the keyboard passes it by.
    setFocusPolicy(Qt::NoFocus);
    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setMargins(QMargins(4, 4, 4, 4));
    setChart(chart_);
    // Every curve moves at every change: an index of the items, or working out the exact
    // region to repaint, costs more than repainting the whole plot once.
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);

    axisX_ = new QValueAxis(chart_);
    axisX_->setObjectName("axFrequency");
    axisX_->setTitleText("Frequency (MHz)");
    axisX_->setLabelFormat("%.0f");
    axisY_ = new QValueAxis(chart_);
    axisY_->setObjectName("axLoss");
    axisY_->setLabelFormat("%.1f");
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);

    // The band first, so every curve is drawn over it.
    bandTop_ = new QLineSeries(chart_);
    bandBottom_ = new QLineSeries(chart_);
    band_ = new QAreaSeries(bandTop_, bandBottom_);
    band_->setObjectName("serBand");
    band_->setName("Band");
    band_->setColor(QColor(70, 130, 220, 50));
    band_->setBorderColor(Qt::transparent);
    chart_->addSeries(band_);
    band_->attachAxis(axisX_);
    band_->attachAxis(axisY_);

    selected_ = new QLineSeries(chart_);
    selected_->setObjectName("serSelected");
    selected_->setPen(CurvePen(Qt::black, 3));
    chart_->addSeries(selected_);
    selected_->attachAxis(axisX_);
    selected_->attachAxis(axisY_);
    connect(selected_, &QLineSeries::hovered, this,
            [this](const QPointF& point, bool state) { ShowLossAt(currentRow_, point, state); });
    Clear();
}

void LossPlot::Plot(std::vector<std::string> lines, const EvaluationInputs& inputs)
{
    lines_ = std::move(lines);
    inputs_ = inputs;
    hasBand_ = true;
    dirty_ = true;
    QueueRefresh();
}

void LossPlot::Clear()
{
    lines_.clear();
    hasBand_ = false;
    dirty_ = true;
    QueueRefresh();
}

void LossPlot::SetCurrentRow(int row)
{
    currentRow_ = row;
    if (!dirty_ && isVisible())
        ShowSelected();
}

QStringList LossPlot::CurveNames() const
{
    return names_;
}

QList<QLineSeries*> LossPlot::Curves() const
{
    QList<QLineSeries*> curves;
    for (int i = 0; i < shown_; ++i)
        curves << pool_[static_cast<size_t>(i)];
    return curves;
}

void LossPlot::showEvent(QShowEvent* event)
{
    QChartView::showEvent(event);
    if (dirty_)
        Refresh();
}

void LossPlot::QueueRefresh()
{
    // Hidden, it waits for its showEvent; shown, it draws once the current action is over,
    // however many times the action replotted.
    if (queued_ || !isVisible())
        return;
    queued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            queued_ = false;
            if (dirty_ && isVisible())
                Refresh();
        },
        Qt::QueuedConnection);
}

// A curve of the line, or none where it cannot be drawn: the grid evaluated the line at the
// band's mean, and a curve that fails elsewhere is left out rather than reported.
QList<QPointF> LossPlot::CurveOf(size_t row, int samples) const
{
    QList<QPointF> points;
    try {
        for (const LossPoint& p : LossCurve(lines_[row], inputs_, samples))
            points.append(QPointF(p.frequency, p.loss));
    } catch (const Error&) {
        points.clear();
    }
    return points;
}

void LossPlot::Refresh()
{
    dirty_ = false;
    points_.assign(lines_.size(), {});
    for (size_t i = 0; i < lines_.size(); ++i)
        points_[i] = CurveOf(i, kSamples);
    Draw();
}

QLineSeries* LossPlot::AddSeries()
{
    auto* series = new QLineSeries(chart_);
    chart_->addSeries(series);
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
    const int row = static_cast<int>(pool_.size());
    connect(series, &QLineSeries::hovered, this,
            [this, row](const QPointF& point, bool state) { ShowLossAt(row, point, state); });
    QPen pen = series->pen();
    pen.setWidthF(1);
    series->setPen(pen);
    pool_.push_back(series);
    return series;
}

void LossPlot::Draw()
{
    const int rows = static_cast<int>(lines_.size());
    if (rows > static_cast<int>(pool_.size())) {
        while (static_cast<int>(pool_.size()) < rows)
            AddSeries();
        // Series are drawn in the order they were added: the selected line stays on top.
        chart_->removeSeries(selected_);
        chart_->addSeries(selected_);
        selected_->attachAxis(axisX_);
        selected_->attachAxis(axisY_);
    }
    double worstAtEnding = 0;
    double highest = 0;
    for (const QList<QPointF>& points : points_)
        for (const QPointF& p : points) {
            highest = std::max(highest, p.y());
            if (p.x() == inputs_.ending)
                worstAtEnding = std::max(worstAtEnding, p.y());
        }

    // Every curve is emptied before the axes move, so each is laid out once, with its new
    // points, rather than once for the new range and again for the points.
    for (int i = 0; i < shown_; ++i)
        pool_[static_cast<size_t>(i)]->clear();
    selected_->clear();

    const double top = worstAtEnding > 0 ? std::min(highest, kLossHeadroom * worstAtEnding) : highest;
    // Round figures for the loss axis, set at once: every range change lays out every curve.
    const double step = NiceStep(top > 0 ? top / 5 : 0.2);
    const int ticks = static_cast<int>(std::ceil(top / step - 1e-9));
    axisY_->setTickCount(std::max(ticks, 1) + 1);
    axisY_->setRange(0, std::max(ticks, 1) * step);
    const QString unit = inputs_.meters ? " meters" : " feet";
    axisY_->setTitleText("Insertion Loss (dB) over " + DecimalText(inputs_.totalLength, kRunLengthDecimals) + unit);
    if (hasBand_) {
        axisX_->setRange(inputs_.beginning / 2.0, std::max(inputs_.ending * 2.0, inputs_.beginning / 2.0 + 1));
        const double bandTop = axisY_->max();
        bandTop_->replace({QPointF(inputs_.beginning, bandTop), QPointF(inputs_.ending, bandTop)});
        bandBottom_->replace({QPointF(inputs_.beginning, 0), QPointF(inputs_.ending, 0)});
    } else {
        bandTop_->clear();
        bandBottom_->clear();
    }
    band_->setVisible(hasBand_);

    // The part numbers are kept here rather than as series names: a name change costs a
    // legend update per series, although the legend is never shown.
    names_.clear();
    for (const std::string& line : lines_)
        names_ << FromData(GetFieldView(line, 1));
    for (int i = 0; i < rows; ++i) {
        QLineSeries* series = pool_[static_cast<size_t>(i)];
        series->replace(points_[static_cast<size_t>(i)]);
        series->setVisible(true);
    }
    for (int i = rows; i < shown_; ++i)
        pool_[static_cast<size_t>(i)]->setVisible(false);
    shown_ = rows;
    ShowSelected();
}

void LossPlot::ShowSelected()
{
    const bool any = currentRow_ >= 0 && currentRow_ < shown_ && !points_[static_cast<size_t>(currentRow_)].isEmpty();
    if (!any) {
        selected_->clear();
        selected_->setVisible(false);
        chart_->setTitle(QString());
        return;
    }
    selected_->replace(CurveOf(static_cast<size_t>(currentRow_), kSelectedSamples));
    selected_->setVisible(true);
    chart_->setTitle(names_[currentRow_]);
}

void LossPlot::ShowLossAt(int row, const QPointF& point, bool hovering)
{
    if (!hovering || row < 0 || row >= shown_) {
        QToolTip::hideText();
        return;
    }
    // The loss under the pointer, not the straight line drawn between two samples.
    double loss = point.y();
    try {
        loss = LossAt(lines_[static_cast<size_t>(row)], inputs_, point.x());
    } catch (const Error&) {
    }
    QToolTip::showText(QCursor::pos(),
                       names_[row] + ": " + FromData(FormatFixed2(loss)) + " dB at " +
                           QString::number(point.x(), 'f', 0) + " MHz",
                       this);
}

} // namespace tav::gui
