#pragma once

#include "core/cable/LineEvaluation.h"

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <string>
#include <vector>

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace tav::gui {

class CurvesItem;

// Insertion loss against frequency for every row of the evaluation grid, the band shaded
// and the grid's current row drawn on top. It only reads what it is given: nothing it
// does reaches the grid. It redraws only while it can be seen.
class LossPlot : public QChartView
{
    Q_OBJECT
public:
    explicit LossPlot(QWidget* parent = nullptr);

    // The catalogue lines behind the grid's rows, in row order, and what they were
    // evaluated for.
    void Plot(std::vector<std::string> lines, const EvaluationInputs& inputs);
    // The installed cost of each row, in row order, for the hover text; none when the grid
    // does not show it.
    void SetLineCosts(QStringList costs) { costs_ = std::move(costs); }
    // The grid is empty.
    void Clear();
    // The grid's current row, or -1.
    void SetCurrentRow(int row);

    // The curves drawn now, one per grid row, and the part numbers they belong to.
    const std::vector<QList<QPointF>>& Curves() const { return points_; }
    QStringList CurveNames() const;
    QLineSeries* SelectedCurve() const { return selected_; }
    QAreaSeries* BandArea() const { return band_; }
    QValueAxis* FrequencyAxis() const { return axisX_; }
    QValueAxis* LossAxis() const { return axisY_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<QPointF> CurveOf(size_t row, int samples) const;
    void QueueRefresh();
    void Refresh();
    void Draw();
    void ShowSelected();
    void SetTitle(const QString& title);
    void ShowLossTitle();
    void ShowLossAt(int row, const QPointF& point, bool hovering);

    QChart* chart_;
    QValueAxis* axisX_;
    QValueAxis* axisY_;
    QLineSeries* bandTop_;
    QLineSeries* bandBottom_;
    QAreaSeries* band_;
    QLineSeries* selected_;
    CurvesItem* curves_;
    int shown_ = 0;

    std::vector<std::string> lines_;
    EvaluationInputs inputs_;
    QString runText_; // the run the losses are for, "115 feet"
    bool hasBand_ = false;
    std::vector<QList<QPointF>> points_;
    QStringList names_;
    QStringList costs_;
    int currentRow_ = -1;
    bool dirty_ = false;
    bool queued_ = false;
};

} // namespace tav::gui
