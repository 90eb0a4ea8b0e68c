#include "core/cli/EvaluateCommand.h"

#include "core/cable/CableCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Json.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/LineOrder.h"
#include "core/wizard/Quantities.h"

#include <cmath>
#include <iterator>

namespace tav::cli {

namespace {

// The type names of the command line, in the order of the page's radio group.
constexpr const char* kTypeWords[kCableTypeCount] = {"air", "foam", "ew"};
// The keys of a row in JSON, one per grid column.
constexpr const char* kRowKeys[] = {"partNumber", "band",         "insertionLoss", "efficiency",
                                    "peakPower",  "averagePower", "lineCost"};
static_assert(std::size(kRowKeys) == kGridColumns.size() + 1);

double Number(const CommandArguments& args, const std::string& option)
{
    const std::string text = *args.Value(option);
    const auto value = TryStrToFloat(text);
    if (!value || !std::isfinite(*value))
        throw UsageError("--" + option + " '" + text + "' is not a number");
    return *value;
}

double Frequency(const CommandArguments& args, const std::string& option)
{
    const double f = Number(args, option);
    if (f < 0)
        throw UsageError("--" + option + " " + *args.Value(option) + " is below 0 MHz");
    return f;
}

// Held as the page's boxes hold a length, so the rows match the program's.
double Length(const CommandArguments& args, const std::string& option)
{
    const double length = Number(args, option);
    if (length < 0 || length > kMaxRunLength)
        throw UsageError("--" + option + " " + *args.Value(option) + " is outside 0 to " + IntToStr(kMaxRunLength));
    return RoundRunLength(length);
}

// The runs box's highest count, doubled for a microsite mount.
constexpr int kMaxRunsCount = 2 * 9999;

// A whole number in a range, as the page's boxes allow it.
int WholeNumber(const CommandArguments& args, const std::string& option, int low, int high)
{
    const std::string text = *args.Value(option);
    const auto value = TryDecimalToInt(text);
    if (!value || *value < low || *value > high)
        throw UsageError("--" + option + " '" + text + "' is no whole number from " + IntToStr(low) + " to " +
                         IntToStr(high));
    return *value;
}

int TypeItem(const std::string& word)
{
    for (int i = 0; i < kCableTypeCount; ++i)
        if (EqualsNoCase(word, kTypeWords[i]))
            return i;
    throw UsageError("--type '" + word + "' is none of air, foam, ew");
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// Why no row came out, and what the band does offer.
std::string NoRowsNote(const LineList& tlines, const Band& band, const std::string& bandText, int type,
                       const std::string& diameter)
{
    const auto types = AvailableTypes(tlines, band);
    std::vector<std::string> offered;
    for (int i = 0; i < kCableTypeCount; ++i)
        if (types[i])
            offered.push_back(kTypeWords[i]);
    if (offered.empty())
        return "No line covers " + bandText;
    if (!types[type])
        return "No " + CableTypeName(type) + " line covers " + bandText + "; the types there: " + Joined(offered);
    return "No " + CableTypeName(type) + " line of " + diameter + " covers " + bandText +
           "; its diameters there: " + Joined(Diameters(tlines, band, CableTypeCode(type)));
}

// Every row is the grid's fields with the cost field after them.
constexpr size_t kColumns = kGridColumns.size() + 1;

std::string TextRows(const std::vector<std::string>& rows)
{
    std::string text;
    for (const char* heading : kGridColumns)
        text += (text.empty() ? "" : "\t") + std::string(heading);
    text += std::string("\t") + kLineCostHeading + "\n";
    for (const std::string& row : rows) {
        for (size_t c = 0; c < kColumns; ++c)
            text.append(c ? "\t" : "").append(GetFieldView(row, static_cast<int>(c) + 1));
        text += "\n";
    }
    return text;
}

struct Request
{
    double from, to;
    int type;
    std::string diameter;
    double horizontal, vertical;
    bool meters;
    int runs;
    int waste;
};

std::string JsonRows(const Request& r, const std::vector<std::string>& rows)
{
    std::string json = "{\n";
    json += "  \"from\": " + JsonNumber(r.from) + ",\n";
    json += "  \"to\": " + JsonNumber(r.to) + ",\n";
    json += "  \"type\": " + JsonString(kTypeWords[r.type]) + ",\n";
    json += "  \"diameter\": " + JsonString(r.diameter) + ",\n";
    json += "  \"horizontal\": " + JsonNumber(r.horizontal) + ",\n";
    json += "  \"vertical\": " + JsonNumber(r.vertical) + ",\n";
    json += "  \"unit\": " + JsonString(r.meters ? "meters" : "feet") + ",\n";
    json += "  \"runs\": " + IntToStr(r.runs) + ",\n";
    json += "  \"waste\": " + IntToStr(r.waste) + ",\n";
    json += "  \"rows\": [";
    for (size_t i = 0; i < rows.size(); ++i) {
        json += i ? ",\n    {" : "\n    {";
        for (size_t c = 0; c < kColumns; ++c) {
            json += c ? ", " : "";
            json += JsonString(kRowKeys[c]) + ": " + JsonString(GetFieldView(rows[i], static_cast<int>(c) + 1));
        }
        json += "}";
    }
    json += rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

void RunEvaluate(Context& context)
{
    const CommandArguments& args = context.args;
    Request r{Frequency(args, "from"),
              Frequency(args, "to"),
              TypeItem(*args.Value("type")),
              *args.Value("diameter"),
              Length(args, "horizontal"),
              Length(args, "vertical"),
              args.Flag("meters"),
              WholeNumber(args, "runs", 0, kMaxRunsCount),
              WholeNumber(args, "waste", 0, 100)};
    if (r.from > r.to)
        throw UsageError("--from " + *args.Value("from") + " is above --to " + *args.Value("to"));

    const Installation& inst = context.LoadInstallation();
    const LineList& tlines = inst.lists.tlines;
    const EvaluationInputs inputs{r.from, r.to, r.horizontal + r.vertical, r.meters, r.type == kWaveguideItem};
    std::vector<std::string> rows = EvaluateCandidates(tlines, inputs, CableTypeCode(r.type), r.diameter);
    // What each line would cost on the list, as the page's cost column shows it.
    const std::string overrides = ReadFileBytes(inst.folders.data + kAdvancedFileName).value_or(std::string());
    const LineRun run{r.horizontal, r.vertical, r.meters, r.runs, r.waste};
    for (std::string& row : rows) {
        const std::string part = GetField(row, 1);
        row += OrderLine(run, part, inst.lists.priceIndex.Record(inst.lists.price, part), overrides).costText + "|";
    }
    if (rows.empty())
        context.notes = NoRowsNote(tlines, {r.from, r.to}, *args.Value("from") + " - " + *args.Value("to") + " MHz",
                                   r.type, r.diameter) +
                        "\n";
    context.out = args.Flag("json") ? JsonRows(r, rows) : TextRows(rows);
}

} // namespace

CommandSpec EvaluateCommand()
{
    CommandSpec c;
    c.name = "evaluate";
    c.summary = "The first page's evaluation grid for one band, cable type, diameter and run.";
    c.details = "Every catalogue line of the type and diameter whose band covers --from to --to, evaluated\n"
                "for the run: the grid's rows in its order, with its texts, and what each line would cost\n"
                "on the list of materials for --runs runs with --waste percent allowed for waste (N/A\n"
                "without a price). Prints a heading line and one tab-separated line per row, or with\n"
                "--json one object. When no line fits, standard error says what the band offers instead.\n";
    c.options = {
        {"from", "MHZ", "beginning frequency of the band", true, ""},
        {"to", "MHZ", "ending frequency of the band", true, ""},
        {"type", "air|foam|ew", "cable type: air coax, foam coax or elliptical waveguide", true, ""},
        {"diameter", "TEXT", "cable diameter as the catalogue writes it, e.g. 1/2", true, ""},
        {"horizontal", "LENGTH", "horizontal run length", false, "15"},
        {"vertical", "LENGTH", "vertical run length", false, "100"},
        {"meters", "", "lengths are in meters rather than feet", false, ""},
        {"runs", "N", "number of runs the line is ordered for (doubled for a microsite mount)", false, "1"},
        {"waste", "PERCENT", "waste allowance on the line's length, 0 to 100", false, "0"},
        {"json", "", "print JSON: the inputs and the rows, every cell as the grid's text", false, ""},
    };
    c.run = RunEvaluate;
    return c;
}

} // namespace tav::cli
