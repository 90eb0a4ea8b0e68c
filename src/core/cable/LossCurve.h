#pragma once

#include "core/cable/LineEvaluation.h"

#include <string_view>
#include <vector>

namespace tav {

// One point of a loss curve: the insertion loss of the whole run at one frequency.
struct LossPoint
{
    double frequency = 0; // MHz
    double loss = 0;      // dB
};

// The frequencies a curve spans for a band: from half its beginning to twice its ending.
// A waveguide carries nothing at or below its cut-off, so its curve starts just above it;
// the span is empty (from > to) when the cut-off lies above the whole span.
struct CurveSpan
{
    double from = 0;
    double to = 0;
};
CurveSpan LossCurveSpan(std::string_view line, const EvaluationInputs& inputs);

// The grid's insertion loss of the line at one frequency instead of the band's mean: the
// same formula, connectors and unit. Throws like the grid on a line it cannot evaluate.
double LossAt(std::string_view line, const EvaluationInputs& inputs, double frequency);

// Sample points of the line's loss over its span, in ascending frequency: `samples`
// points spread over the span (closer together near a waveguide's cut-off, where the loss
// climbs), plus the band's beginning, mean and ending, so the curve passes exactly through
// what the grid shows.
std::vector<LossPoint> LossCurve(std::string_view line, const EvaluationInputs& inputs, int samples);

} // namespace tav
