// Any catalogue of transmission lines, evaluated line by line, gives grid rows of six
// fields whose insertion loss is a number of at least 0 dB, whose efficiency lies between
// 0 and 100 % and whose average power is a number no higher than the peak rating, or
// stops with the program's own error. The record-line helpers keep what they promise on
// the same lines: fields put back together give the line, value lists are sorted and
// free of repeats, and a numeric sort either sorts or leaves the list as it was.
//
// The first line, the header a loaded catalogue drops, may give the band, the run length
// and the unit: "beginning|ending|length|M|".
#include "Property.h"
#include "core/cable/LineEvaluation.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/LineList.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using tav::fuzz::Broken;
using tav::fuzz::Expect;

// Enough lines to meet every rule; more only repeat them and cost time.
constexpr size_t kMaxLines = 16;

std::optional<double> NumberField(std::string_view line, int n)
{
    return tav::TryStrToFloat(tav::GetFieldView(line, n));
}

size_t Separators(std::string_view line)
{
    return static_cast<size_t>(std::count(line.begin(), line.end(), tav::kFieldSeparator));
}

void CheckFields(std::string_view line)
{
    const size_t count = Separators(line);
    std::string joined;
    joined.reserve(line.size());
    for (size_t n = 1; n <= count; ++n)
        joined.append(tav::GetFieldView(line, static_cast<int>(n))).push_back(tav::kFieldSeparator);
    Expect(joined == line.substr(0, line.rfind(tav::kFieldSeparator) + 1), "the fields do not make up the line");
    Expect(tav::GetFieldView(line, static_cast<int>(count) + 1).empty(), "text after the last separator is a field");
    Expect(tav::GetFieldView(line, 0).empty(), "field 0 is not empty");
}

void CheckRow(std::string_view line, const std::string& row)
{
    const auto broken = [&](const char* what) {
        Broken(std::string(what) + ": [" + std::string(line) + "] -> " + row);
    };
    if (Separators(row) != 6 || row.back() != tav::kFieldSeparator)
        broken("the row has not six fields");
    if (tav::GetFieldView(row, 1) != tav::GetFieldView(line, 1))
        broken("the row shows another part number");
    const auto loss = NumberField(row, 3);
    const auto efficiency = NumberField(row, 4);
    const auto average = NumberField(row, 6);
    if (!loss || *loss < 0)
        broken("the insertion loss is no number of at least 0 dB");
    if (!efficiency || *efficiency < 0 || *efficiency > 100)
        broken("the efficiency is no percentage");
    // The row shows two decimals of the average.
    if (!average || *average > *NumberField(line, 10) + 0.005)
        broken("the average power is no number or above the peak rating");
}

void Evaluate(std::string_view line, const tav::EvaluationInputs& inputs)
{
    // A field that is no number stops the evaluation with the conversion message; the
    // unit tests hold that, and an exception per line would slow the search down.
    for (int field = 7; field <= 10; ++field)
        if (!NumberField(line, field))
            return;
    std::string row;
    try {
        row = tav::EvaluateLine(line, inputs);
    } catch (const tav::Error&) {
        return;
    }
    CheckRow(line, row);
}

void CheckValueList(const std::vector<std::string>& values)
{
    tav::ValueList list;
    for (const std::string& v : values) {
        const bool known = list.Contains(v);
        Expect(list.Add(v) != known, "a value list added a repeat or refused a new value");
    }
    const auto& items = list.Items();
    for (size_t i = 1; i < items.size(); ++i)
        Expect(tav::CompareNoCase(items[i - 1], items[i]) < 0, "a value list is out of order or holds a repeat");
    for (const std::string& v : values)
        Expect(list.Contains(v), "a value list lost a value");
}

void CheckNumericSort(std::vector<std::string> values)
{
    const std::vector<std::string> before = values;
    try {
        tav::SortNumeric(values);
    } catch (const tav::ConversionError&) {
        Expect(values == before, "a failed numeric sort changed the list");
        return;
    }
    double previous = -HUGE_VAL;
    for (const std::string& v : values) {
        const double value = tav::StrToFloat(v);
        Expect(previous <= value, "a numeric sort is out of order");
        previous = value;
    }
    std::vector<std::string> sortedBefore = before, sortedAfter = values;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(sortedAfter.begin(), sortedAfter.end());
    Expect(sortedBefore == sortedAfter, "a numeric sort lost or made up entries");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const tav::LineList lines = tav::LineList::FromText(std::string(tav::fuzz::Bytes(data, size)));
    if (lines.empty())
        return 0;
    const std::string_view header = lines[0];
    const auto headerBeginning = NumberField(header, 1);
    const auto headerEnding = NumberField(header, 2);
    const double length = NumberField(header, 3).value_or(115.0);
    const bool meters = tav::GetFieldView(header, 4) == "M";

    std::vector<std::string> parts, beginnings;
    for (size_t i = 1; i < lines.size() && i <= kMaxLines; ++i) {
        const std::string_view line = lines[i];
        CheckFields(line);
        parts.emplace_back(tav::GetFieldView(line, 1));
        beginnings.emplace_back(tav::GetFieldView(line, 3));

        // The line is evaluated over the header's band, as a chosen band is, or else over
        // its own band, as a specific cable is; the formula follows the line's type.
        const bool waveguide = tav::EqualsNoCase(tav::GetFieldView(line, 5), "EW");
        const auto beginning = headerBeginning && headerEnding ? headerBeginning : NumberField(line, 3);
        const auto ending = headerBeginning && headerEnding ? headerEnding : NumberField(line, 4);
        if (beginning && ending)
            Evaluate(line, {*beginning, *ending, length, meters, waveguide});
    }
    CheckValueList(parts);
    CheckNumericSort(beginnings);
    return 0;
}
