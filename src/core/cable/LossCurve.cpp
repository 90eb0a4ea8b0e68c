#include "core/cable/LossCurve.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"

#include <algorithm>
#include <cmath>

namespace tav {

namespace {

// How far above its cut-off a waveguide's curve begins: closer in, the loss climbs without
// bound and would dwarf the band.
constexpr double kCutOffMargin = 1.01;

// A band that begins and ends at the frequency has it as its mean.
double LossOfRun(double a, double b, const EvaluationInputs& in, double frequency)
{
    return LineLoss(a, b, frequency, frequency, in.totalLength, in.meters, in.waveguide);
}

} // namespace

CurveSpan LossCurveSpan(std::string_view line, const EvaluationInputs& in)
{
    CurveSpan span{in.beginning / 2.0, in.ending * 2.0};
    if (in.waveguide) {
        const double cutOff = StrToFloat(GetFieldView(line, 7));
        span.from = std::max(span.from, cutOff * kCutOffMargin);
    }
    return span;
}

double LossAt(std::string_view line, const EvaluationInputs& in, double frequency)
{
    return LossOfRun(StrToFloat(GetFieldView(line, 7)), StrToFloat(GetFieldView(line, 8)), in, frequency);
}

std::vector<LossPoint> LossCurve(std::string_view line, const EvaluationInputs& in, int samples)
{
    const CurveSpan span = LossCurveSpan(line, in);
    if (!(span.from <= span.to))
        return {};
    const double a = StrToFloat(GetFieldView(line, 7));
    const double b = StrToFloat(GetFieldView(line, 8));
    std::vector<double> frequencies;
    const int n = std::max(samples, 2);
    const double cutOff = in.waveguide ? a : 0.0;
    const bool geometric = in.waveguide && span.from > cutOff && cutOff > 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / (n - 1);
        if (geometric)
            frequencies.push_back(cutOff +
                                  (span.from - cutOff) * std::pow((span.to - cutOff) / (span.from - cutOff), t));
        else
            frequencies.push_back(span.from + (span.to - span.from) * t);
    }
    frequencies.front() = span.from;
    frequencies.back() = span.to;
    for (double f : {in.beginning, (in.beginning + in.ending) / 2.0, in.ending})
        if (f >= span.from && f <= span.to)
            frequencies.push_back(f);
    std::sort(frequencies.begin(), frequencies.end());
    frequencies.erase(std::unique(frequencies.begin(), frequencies.end()), frequencies.end());

    std::vector<LossPoint> points;
    points.reserve(frequencies.size());
    for (double f : frequencies)
        points.push_back({f, LossOfRun(a, b, in, f)});
    return points;
}

} // namespace tav
