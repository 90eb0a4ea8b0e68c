#include "gui/cable/LossPlot.h"

#include "core/cable/LossCurve.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "core/materials/LineOrder.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TextCodec.h"

#include <QAreaSeries>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

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

// How near the pointer must come to a curve for its loss to show, in pixels.
constexpr qreal kHoverReach = 5;

// The loss of a curve at a frequency between its samples; none outside them.
std::optional<double> Interpolated(const QList<QPointF>& points, double x)
{
    const auto after =
        std::lower_bound(points.begin(), points.end(), x, [](const QPointF& p, double value) { return p.x() < value; });
    if (after == points.end() || (after == points.begin() && after->x() != x))
        return std::nullopt;
    if (after->x() == x)
        return after->y();
    const QPointF& before = *(after - 1);
    return before.y() + (after->y() - before.y()) * (x - before.x()) / (after->x() - before.x());
}

} // namespace

// Every row's curve, drawn as one item beneath the selected line. A chart series per row
// would lay out its path and its hover outline at every change, which for hundreds of rows
// costs more than the grid itself; this item maps and strokes the points only when painted.
class CurvesItem : public QGraphicsItem
{
public:
    using HoverFn = std::function<void(int row, const QPointF& value, bool hovering)>;

    CurvesItem(QChart* chart, const QValueAxis* x, const QValueAxis* y, const std::vector<QList<QPointF>>& curves,
               HoverFn hover)
        : QGraphicsItem(chart), x_(x), y_(y), curves_(curves), hover_(std::move(hover))
    {
        setAcceptHoverEvents(true);
        // The chart stacks its series at this height, in the order they were added: the item
        // goes over the grid lines and the band added before it, under the line added after.
        setZValue(4);
        QObject::connect(chart, &QChart::plotAreaChanged, chart, [this](const QRectF& area) {
            prepareGeometryChange();
            area_ = area;
        });
    }

    QRectF boundingRect() const override { return area_; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        // The colours the chart's theme gives its series, so the curves look as series would.
        static const QColor colours[] = {QColor(0x209fdf), QColor(0x99ca53), QColor(0xf6a625), QColor(0x6d5fd5),
                                         QColor(0xbf593e)};
        painter->save();
        painter->setClipRect(area_);
        QPolygonF line;
        for (size_t i = 0; i < curves_.size(); ++i) {
            line.clear();
            for (const QPointF& p : curves_[i])
                line << ToPixels(p);
            // One device pixel wide whatever the scale, which the painter strokes on its fast path.
            QPen pen = CurvePen(colours[i % std::size(colours)], 1);
            pen.setCosmetic(true);
            painter->setPen(pen);
            painter->drawPolyline(line);
        }
        painter->restore();
    }

protected:
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override
    {
        const QPointF at = event->pos();
        const double frequency =
            x_->min() + (at.x() - area_.left()) / std::max<qreal>(area_.width(), 1) * (x_->max() - x_->min());
        int nearest = -1;
        double nearestLoss = 0;
        qreal reach = kHoverReach;
        for (size_t i = 0; i < curves_.size(); ++i) {
            const auto loss = Interpolated(curves_[i], frequency);
            const qreal distance = loss ? std::abs(ToPixels({frequency, *loss}).y() - at.y()) : reach + 1;
            if (distance <= reach) {
                reach = distance;
                nearest = static_cast<int>(i);
                nearestLoss = *loss;
            }
        }
        hover_(nearest, QPointF(frequency, nearestLoss), nearest >= 0);
    }
    void hoverLeaveEvent(QGraphicsSceneHoverEvent*) override { hover_(-1, {}, false); }

private:
    QPointF ToPixels(const QPointF& value) const
    {
        const double width = x_->max() - x_->min(), height = y_->max() - y_->min();
        return {area_.left() + (width > 0 ? (value.x() - x_->min()) / width * area_.width() : 0),
                area_.bottom() - (height > 0 ? (value.y() - y_->min()) / height * area_.height() : 0)};
    }

    const QValueAxis* x_;
    const QValueAxis* y_;
    const std::vector<QList<QPointF>>& curves_;
    HoverFn hover_;
    QRectF area_;
};

// The view is given its chart as it is made: one made without would build a default chart
// that a later setChart() leaves behind, never deleted.
LossPlot::LossPlot(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName("pltLoss");
    // It only shows what the grid holds: the keyboard passes it by.
    setFocusPolicy(Qt::NoFocus);
    chart_ = chart();
    chart_->legend()->hide();
    chart_->setMargins(QMargins(4, 4, 4, 4));
    // Every curve moves at every change: an index of the items, or working out the exact
    // region to repaint, costs more than repainting the whole plot once.
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);

    axisX_ = new QValueAxis(chart_);
    axisX_->setObjectName("axFrequency");
    axisX_->setTitleText("Frequency (MHz)");
    axisX_->setLabelFormat("%.0f");
    // Ticks at round frequencies rather than at fifths of the span.
    axisX_->setTickType(QValueAxis::TicksDynamic);
    axisX_->setTickAnchor(0);
    axisY_ = new QValueAxis(chart_);
    axisY_->setObjectName("axLoss");
    axisY_->setLabelFormat("%.1f");
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    connect(chart_, &QChart::plotAreaChanged, this, [this] { ShowLossTitle(); });

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

    // Over the band and under the selected line.
    curves_ = new CurvesItem(chart_, axisX_, axisY_, points_, [this](int row, const QPointF& point, bool hovering) {
        ShowLossAt(row, point, hovering);
    });

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
    costs_.clear();
    inputs_ = inputs;
    hasBand_ = true;
    dirty_ = true;
    QueueRefresh();
}

void LossPlot::Clear()
{
    lines_.clear();
    costs_.clear();
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

void LossPlot::Draw()
{
    double worstAtEnding = 0;
    double highest = 0;
    for (const QList<QPointF>& points : points_)
        for (const QPointF& p : points) {
            highest = std::max(highest, p.y());
            if (p.x() == inputs_.ending)
                worstAtEnding = std::max(worstAtEnding, p.y());
        }

    // The selected line is emptied before the axes move, so it is laid out once, with its new
    // points, rather than once for the new range and again for the points.
    selected_->clear();

    const double top = worstAtEnding > 0 ? std::min(highest, kLossHeadroom * worstAtEnding) : highest;
    // Round figures for the loss axis, set at once: every range change lays out every curve.
    const double step = NiceStep(top > 0 ? top / 5 : 0.2);
    const int ticks = static_cast<int>(std::ceil(top / step - 1e-9));
    axisY_->setTickCount(std::max(ticks, 1) + 1);
    axisY_->setRange(0, std::max(ticks, 1) * step);
    const QString unit = inputs_.meters ? " meters" : " feet";
    runText_ = DecimalText(inputs_.totalLength, kRunLengthDecimals) + unit;
    ShowLossTitle();
    if (hasBand_) {
        const double low = inputs_.beginning / 2.0, high = std::max(inputs_.ending * 2.0, low + 1);
        axisX_->setTickInterval(NiceStep((high - low) / 5));
        axisX_->setRange(low, high);
        const double bandTop = axisY_->max();
        bandTop_->replace({QPointF(inputs_.beginning, bandTop), QPointF(inputs_.ending, bandTop)});
        bandBottom_->replace({QPointF(inputs_.beginning, 0), QPointF(inputs_.ending, 0)});
    } else {
        bandTop_->clear();
        bandBottom_->clear();
    }
    band_->setVisible(hasBand_);

    names_.clear();
    for (const std::string& line : lines_)
        names_ << FromData(GetFieldView(line, 1));
    shown_ = static_cast<int>(lines_.size());
    curves_->update();
    ShowSelected();
}

void LossPlot::ShowSelected()
{
    const bool any = currentRow_ >= 0 && currentRow_ < shown_ && !points_[static_cast<size_t>(currentRow_)].isEmpty();
    if (!any) {
        selected_->clear();
        selected_->setVisible(false);
        SetTitle(QString());
        return;
    }
    selected_->replace(CurveOf(static_cast<size_t>(currentRow_), kSelectedSamples));
    selected_->setVisible(true);
    SetTitle(names_[currentRow_]);
}

void LossPlot::ShowLossTitle()
{
    if (runText_.isEmpty())
        return;
    // A plot too low for the whole title shows a shorter one rather than cutting it off.
    const QFontMetrics metrics(axisY_->titleFont());
    const qreal room = chart_->plotArea().height();
    QString title;
    for (const QString& candidate : {"Insertion Loss (dB) over " + runText_, "Loss (dB), " + runText_})
        if (title.isEmpty() && metrics.horizontalAdvance(candidate) <= room)
            title = candidate;
    if (title.isEmpty())
        title = "Loss (dB)";
    if (axisY_->titleText() != title)
        axisY_->setTitleText(title);
}

void LossPlot::SetTitle(const QString& title)
{
    // The title is laid out as rich text: only a new one is worth it.
    if (chart_->title() != title)
        chart_->setTitle(title);
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
    QString text =
        names_[row] + ": " + FromData(FormatFixed2(loss)) + " dB at " + QString::number(point.x(), 'f', 0) + " MHz";
    if (row < costs_.size())
        text += ", " + QString(kLineCostHeading) + " " + costs_[row];
    QToolTip::showText(QCursor::pos(), text, this);
}

} // namespace tav::gui
