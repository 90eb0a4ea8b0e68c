#pragma once

#include <string>
#include <string_view>

namespace tav {

// The run lengths the first page's boxes hold: 0 to 999999, to three decimals.
inline constexpr double kMaxRunLength = 999999;
inline constexpr int kRunLengthDecimals = 3;
// A length as the boxes hold it: rounded to their decimals.
double RoundRunLength(double length);

// What the first page knows when it evaluates a line for the user's run.
struct EvaluationInputs
{
    double beginning = 0;   // MHz
    double ending = 0;      // MHz
    double totalLength = 0; // horizontal + vertical, in the unit below
    bool meters = false;
    bool waveguide = false; // the chosen cable type decides the attenuation formula
};

// Attenuation in dB per 100 ft at the mean of the band. Coax: a = k1, b = k2;
// elliptical waveguide: a = cut-off frequency, b = scale. Throws Error when a waveguide is
// evaluated at or below its cut-off, for a negative mean frequency, and when the result
// is negative or no finite number.
double Attenuation(double a, double b, double beginning, double ending, bool waveguide);

// Insertion loss in dB of the whole run, including its two connectors: always a finite
// number of at least 0, else Error (a negative length included).
double LineLoss(double a, double b, double beginning, double ending, double length, bool meters, bool waveguide);

// Average power in kW, never more than the peak rating. Throws when the line has no
// attenuation at all (coefficients or scale of 0) or the result is no finite number.
double AveragePower(double p, double peak, double beginning, double ending, double a, double b, bool waveguide);

// The grid row of one catalogue line: part number, band, insertion loss, efficiency,
// peak power and average power, each closed by "|". Throws ConversionError when a
// numeric field of the line is not a number.
std::string EvaluateLine(std::string_view line, const EvaluationInputs& inputs);

} // namespace tav
