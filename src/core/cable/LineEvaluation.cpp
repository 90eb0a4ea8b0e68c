#include "core/cable/LineEvaluation.h"

#include "core/cable/MetricPart.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"

#include <charconv>
#include <cmath>

namespace tav {

namespace {

double NumberField(std::string_view line, int field)
{
    return StrToFloat(GetFieldView(line, field));
}

} // namespace

double RoundRunLength(double length)
{
    char buf[512];
    const auto written = std::to_chars(buf, buf + sizeof buf, length, std::chars_format::fixed, kRunLengthDecimals);
    if (written.ec != std::errc())
        return length;
    double rounded = length;
    std::from_chars(buf, written.ptr, rounded);
    return rounded;
}

double Attenuation(double a, double b, double beginning, double ending, bool waveguide)
{
    const double fm = (beginning + ending) / 2.0;
    if (fm < 0.0)
        throw Error("Invalid floating point operation: a negative frequency of " + FormatFixed2(fm) + " MHz");
    double att = 0.0;
    if (waveguide) {
        const double ratio = fm / a - 1.0;
        if (!(ratio > 0.0) || !std::isfinite(ratio))
            throw Error("Invalid floating point operation: the mean frequency " + FormatFixed2(fm) +
                        " MHz is not above the cut-off frequency " + FormatFixed2(a) + " MHz of the waveguide");
        const double x = std::log(ratio);
        att = std::exp(0.09557 * x * x - 0.13127 * x) * b / 1000.0;
    } else {
        att = a * std::sqrt(fm) + b * fm;
    }
    // Negative coefficients would make the line add power, and huge ones overflow; neither
    // may reach the grid as a number.
    if (!std::isfinite(att))
        throw Error("Invalid floating point operation: the line's coefficients give no finite attenuation at the "
                    "mean frequency " +
                    FormatFixed2(fm) + " MHz");
    if (att < 0.0)
        throw Error("Invalid floating point operation: the line's coefficients give " + FormatFixed2(att) +
                    " dB per 100 ft at the mean frequency " + FormatFixed2(fm) +
                    " MHz, which is no loss a line can have");
    return att;
}

double LineLoss(double a, double b, double beginning, double ending, double length, bool meters, bool waveguide)
{
    if (!(length >= 0.0))
        throw Error("Invalid floating point operation: a negative run length of " + FormatFixed2(length) +
                    (meters ? " m" : " ft"));
    const double att = Attenuation(a, b, beginning, ending, waveguide);
    const double fm = (beginning + ending) / 2.0;
    const double linePart = meters ? length * att * kFeetPerMeter / 100.0 : length * att / 100.0;
    // Two connectors of 0.05 dB times the square root of the frequency in GHz.
    const double connectorPart = 2.0 * 0.05 * std::sqrt(fm / 1000.0);
    const double loss = linePart + connectorPart;
    if (!std::isfinite(loss))
        throw Error("Floating point overflow: the insertion loss of the run is too large to compute");
    return loss;
}

double AveragePower(double p, double peak, double beginning, double ending, double a, double b, bool waveguide)
{
    const double att = Attenuation(a, b, beginning, ending, waveguide);
    // A line without loss would carry any power: its data is wrong, and the peak rating
    // must not stand in for an average that cannot be computed.
    if (att == 0.0)
        throw Error("Floating point division by zero: the line loses 0 dB per 100 ft at the mean frequency " +
                    FormatFixed2((beginning + ending) / 2.0) + " MHz, so its average power cannot be computed");
    const double average = p / att;
    const double result = peak >= average ? average : peak;
    if (!std::isfinite(result))
        throw Error("Floating point overflow: the average power of the line is too large to compute");
    return result;
}

std::string EvaluateLine(std::string_view line, const EvaluationInputs& in)
{
    const double a = NumberField(line, 7);
    const double b = NumberField(line, 8);
    const double p = NumberField(line, 9);
    const double peak = NumberField(line, 10);
    const double loss = LineLoss(a, b, in.beginning, in.ending, in.totalLength, in.meters, in.waveguide);
    const double efficiency = 100.0 * std::pow(10.0, -loss / 10.0);
    const double average = AveragePower(p, peak, in.beginning, in.ending, a, b, in.waveguide);

    std::string row;
    row.reserve(80);
    row.append(GetFieldView(line, 1)).append("|");
    row.append(GetFieldView(line, 3)).append(" - ").append(GetFieldView(line, 4)).append("|");
    row.append(FormatFixed2(loss)).append("|");
    row.append(FormatFixed2(efficiency)).append("|");
    row.append(GetFieldView(line, 10)).append("|");
    row.append(FormatFixed2(average)).append("|");
    return row;
}

} // namespace tav
