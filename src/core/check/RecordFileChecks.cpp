// The record-line files: tlines.dat, Surge.dat, Images.dat and advanced.dat.
#include "core/cable/LineEvaluation.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/wizard/ChoicePictures.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tav::check {

namespace {

// tlines.dat: the fields the program reads and the numbers among them.
constexpr int kLineFieldsRead = 13;
constexpr int kLineNumberFields[] = {3, 4, 7, 8, 9, 10};
constexpr int kLinePictureField = 13;

struct LineNumbers
{
    double low, high, a, b;
};

// An "EW" line is offered for every band the frequency lists let the user choose inside
// its own band; the lowest of those starts at the line's lowest frequency and ends at
// the next ending frequency. The waveguide formula needs its mean above the cut-off.
void CheckCutOff(Context& c, const Place& at, const LineNumbers& n, const std::vector<double>& endings)
{
    double ending = n.high;
    for (double e : endings)
        if (e >= n.low && e < ending)
            ending = e;
    try {
        Attenuation(n.a, n.b, n.low, ending, true);
    } catch (const tav::Error&) {
        c.Error(at, "\"EW\" line offered for " + FormatNumber(n.low) + " - " + FormatNumber(ending) +
                        " MHz has a mean frequency of " + FormatNumber((n.low + ending) / 2) +
                        " MHz, not above its cut-off frequency " + FormatNumber(n.a) +
                        " MHz (field 7); the cable page stops with a floating-point error");
    }
}

} // namespace

namespace {

// The fields of a line: returns whether the numbers among them are numbers.
bool CheckLineFields(Context& c, const Place& at, std::string_view line)
{
    // A short line is still a line of the catalogue: what it does close is read.
    const int closed = ClosedFields(line);
    if (closed < kLineFieldsRead)
        c.Error(at, "only " + IntToStr(closed) +
                        " fields closed by \"|\"; a line needs 13 (the program reads fields 1 to 10 and 13)");
    bool numeric = true;
    for (int f : kLineNumberFields) {
        if (!TryStrToFloat(GetFieldView(line, f))) {
            numeric = false;
            if (f > closed)
                continue; // already told: the field is not closed
            c.Error(at, "field " + IntToStr(f) + " " + Quote(GetFieldView(line, f)) +
                            " is not a number; the cable page stops with a conversion error");
        }
    }
    WarnFieldBlanks(c, at, line);
    return numeric;
}

// The cable key of a line, entered at its first line; the cable page shows the picture of
// that first line for every line of the key.
CableKey* EnterCableKey(Context& c, const Place& at, const std::string& key, const std::string& type,
                        const std::string& picture)
{
    CableKey* entry = nullptr;
    for (CableKey& k : c.keys)
        if (k.key == key)
            entry = &k;
    if (!entry && !key.empty()) {
        c.keys.push_back({key, at, {}, {}});
        entry = &c.keys.back();
    } else if (entry) {
        const std::string first =
            GetField(c.tlines.lines[static_cast<size_t>(entry->first.line - c.tlines.firstLine)], kLinePictureField);
        if (first != picture)
            c.Warning(at, "picture " + Quote(picture) + " differs from " + Quote(first) + " on line " +
                              IntToStr(entry->first.line) + ", the first line of cable key " + key +
                              "; the cable page shows that picture for every line of the key");
    }
    if (entry && std::find(entry->typeCodes.begin(), entry->typeCodes.end(), type) == entry->typeCodes.end())
        entry->typeCodes.push_back(type);
    return entry;
}

// The loss of a line must come out above 0 dB, or the cable page divides by zero or
// shows a wrong efficiency.
void CheckLoss(Context& c, const Place& at, const LineNumbers& n, bool waveguide)
{
    if (!waveguide) {
        const double mid = (n.low + n.high) / 2;
        const double loss = n.a * std::sqrt(std::max(mid, 0.0)) + n.b * mid;
        if (loss == 0)
            c.Error(at, "the loss coefficients (fields 7 and 8) give a loss of 0 dB; the cable page stops with a "
                        "floating-point error (division by zero)");
        else if (!(loss > 0))
            c.Error(at, "the loss coefficients (fields 7 and 8) give no loss above 0 dB at mid-band; the efficiency "
                        "and average power come out wrong");
    } else if (n.b == 0) {
        c.Error(at, "the attenuation scale (field 8) is 0; the cable page stops with a floating-point error "
                    "(division by zero)");
    } else if (!(n.b > 0)) {
        c.Error(at, "the attenuation scale (field 8) is not above 0; the efficiency and average power come out wrong");
    }
}

// One line of tlines.dat; returns its numbers when they make a band. Every ending with
// numbers goes to `endings`.
std::optional<LineNumbers> CheckTransmissionLine(Context& c, size_t i, std::vector<double>& endings)
{
    const LineList& lines = c.tlines.lines;
    const std::string_view line = lines[i];
    const Place at = c.tlines.At(i);
    if (line.empty()) {
        c.Error(at, "empty line; the cable page stops on it with a conversion error");
        return std::nullopt;
    }
    const bool numeric = CheckLineFields(c, at, line);
    const std::string part = GetField(line, 1);
    const std::string key = GetField(line, 2);
    const std::string type = ToUpper(GetFieldView(line, 5));
    if (part.empty())
        c.Error(at, "the part number (field 1) is empty");
    if (key.empty())
        c.Error(at, "the cable key (field 2) is empty; the accessory pages find no section for the line");
    if (type != "AIR" && type != "FOAM" && type != "EW")
        c.Error(at, "type " + Quote(GetFieldView(line, 5)) +
                        " (field 5) is not AIR, FOAM or EW; the line is never offered");
    const auto samePart = [&](std::string_view other) { return EqualsNoCase(GetFieldView(other, 1), part); };
    if (const auto j = part.empty() ? std::nullopt : EarlierLine(lines, i, samePart))
        c.Warning(at, "part number " + part + " is also on line " + IntToStr(c.tlines.At(*j).line) +
                          "; lookups by part number find that line");
    const std::string picture = GetField(line, kLinePictureField);
    if (picture.empty() && ClosedFields(line) >= kLineFieldsRead)
        c.Error(at, "the picture (field 13) is empty; selecting the line shows \"Unable to load \"");
    else if (!picture.empty())
        c.NamePicture(picture, at);
    CableKey* entry = EnterCableKey(c, at, key, type, picture);

    if (!numeric)
        return std::nullopt;
    const LineNumbers n{StrToFloat(GetFieldView(line, 3)), StrToFloat(GetFieldView(line, 4)),
                        StrToFloat(GetFieldView(line, 7)), StrToFloat(GetFieldView(line, 8))};
    endings.push_back(n.high);
    if (n.low > n.high) {
        c.Error(at, "band " + GetField(line, 3) + " - " + GetField(line, 4) +
                        " MHz: the lowest frequency (field 3) is above the highest (field 4); the line is never "
                        "offered");
        return std::nullopt;
    }
    if (entry)
        entry->bands.push_back({n.low, n.high});
    CheckLoss(c, at, n, type == "EW");
    return n;
}

// The fields of a protector after its band: part, picture, description and connectors.
void CheckSurgeParts(Context& c, const Place& at, std::string_view line)
{
    const std::string part = GetField(line, 3);
    const std::string picture = GetField(line, 4);
    const std::string first = GetField(line, 6);
    const std::string second = GetField(line, 7);
    if (part.empty())
        c.Warning(at, "no part number (field 3); the protector is never offered");
    else
        c.AddOffer(part, at, BaseName(c.surge.label), std::string(), ListKind::Wizard);
    if (picture.empty())
        c.Warning(at, std::string("the picture (field 4) is empty; choosing the protector shows ") +
                          kSurgePlaceholderPicture);
    else
        c.NamePicture(picture, at);
    if (GetFieldView(line, 5).empty())
        c.Error(at, "the description (field 5) is empty; the protector list shows an empty entry");
    if (first.empty())
        c.Error(at, "the first connector (field 6) is empty; the connector list shows an empty entry");
    else
        c.NeedCaptionPicture(first, at);
    if (!second.empty())
        c.NeedCaptionPicture(second, at);
}

void CheckSurgeLine(Context& c, size_t i)
{
    const LineList& lines = c.surge.lines;
    const std::string_view line = lines[i];
    const Place at = c.surge.At(i);
    if (line.empty()) {
        c.Error(at, "empty line; the surge page stops on it with a conversion error");
        return;
    }
    const int closed = ClosedFields(line);
    if (closed < 6) {
        c.Error(at, "only " + IntToStr(closed) +
                        " fields closed by \"|\"; a protector needs fields 1 to 6, and field 7 for its second "
                        "connector");
        return;
    }
    if (closed == 6 && line.back() != '|')
        c.Warning(at, "the text " + Quote(line.substr(line.rfind('|') + 1)) +
                          " after the last \"|\" is not a field; the protector reads as having no second connector");
    bool numeric = true;
    for (int f : {1, 2}) {
        if (!TryStrToFloat(GetFieldView(line, f))) {
            c.Error(at, "field " + IntToStr(f) + " " + Quote(GetFieldView(line, f)) +
                            " is not a number; the surge page and the accessory list stop with a conversion error");
            numeric = false;
        }
    }
    if (numeric && StrToFloat(GetFieldView(line, 1)) > StrToFloat(GetFieldView(line, 2)))
        c.Error(at, "the lowest frequency (field 1) is above the highest (field 2); the protector fits no band");
    WarnFieldBlanks(c, at, line);
    CheckSurgeParts(c, at, line);

    const std::string_view description = GetFieldView(line, 5);
    const std::string_view part = GetFieldView(line, 3);
    const auto sameDescription = [&](std::string_view other) {
        return GetFieldView(other, 5) == description && GetFieldView(other, 3) != part;
    };
    if (const auto j = description.empty() ? std::nullopt : EarlierLine(lines, i, sameDescription))
        c.Warning(at, "description " + Quote(description) + " is also on line " + IntToStr(c.surge.At(*j).line) +
                          "; choosing it always orders that line's part " + GetField(lines[*j], 3));
}

} // namespace

void CheckTransmissionLines(Context& c)
{
    if (!c.tlines.loaded)
        return;
    const LineList& lines = c.tlines.lines;
    if (lines.empty())
        c.Error({c.tlines.label, 0}, "holds no transmission line after its header line; the cable page offers nothing");
    std::vector<std::optional<LineNumbers>> numbers(lines.size());
    std::vector<double> endings;
    for (size_t i = 0; i < lines.size(); ++i)
        numbers[i] = CheckTransmissionLine(c, i, endings);
    for (size_t i = 0; i < lines.size(); ++i)
        if (numbers[i] && ToUpper(GetFieldView(lines[i], 5)) == "EW")
            CheckCutOff(c, c.tlines.At(i), *numbers[i], endings);
}

void CheckSurgeList(Context& c)
{
    if (!c.surge.loaded)
        return;
    for (size_t i = 0; i < c.surge.lines.size(); ++i)
        CheckSurgeLine(c, i);
}

void CheckPictureMap(Context& c)
{
    if (!c.pictureMap.loaded)
        return;
    const LineList& lines = c.pictureMap.lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const Place at = c.pictureMap.At(i);
        if (line.empty())
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            c.Warning(at, "the line has no \"=\"; it names no picture for any caption");
            continue;
        }
        const std::string_view caption = line.substr(0, eq);
        const std::string_view picture = line.substr(eq + 1);
        if (picture.empty())
            c.Warning(at,
                      "caption " + Quote(caption) + " names no picture; the picture beside its list stays as it was");
        else
            c.NamePicture(std::string(picture), at);
        if (const auto j = EarlierLine(lines, i, [&](std::string_view other) { return IsNamed(other, caption); }))
            c.Warning(at, "caption " + Quote(caption) + " is also on line " + IntToStr(c.pictureMap.At(*j).line) +
                              " (captions compare without regard to case); only that line counts");
    }
}

void CheckAdvancedQuantities(Context& c)
{
    if (!c.advanced.loaded)
        return;
    const LineList& lines = c.advanced.lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const Place at = c.advanced.At(i);
        if (line.empty())
            continue;
        if (ClosedFields(line) < 2) {
            c.Error(at, "fewer than 2 fields closed by \"|\"; the quantity reads as empty and every quantity "
                        "computation for the part stops with a conversion error");
            continue;
        }
        const std::string_view quantity = GetFieldView(line, 2);
        if (!TryStrToInt(quantity))
            c.Error(at, "quantity (field 2) " + Quote(quantity) +
                            " is not a whole number; every quantity computation for the part stops with a "
                            "conversion error");
        if (GetFieldView(line, 1).empty())
            c.Warning(at, "the part number (field 1) is empty; the line overrides nothing");
        WarnFieldBlanks(c, at, line);
    }
}

} // namespace tav::check
