#include "core/materials/PlanSummary.h"

#include "core/cable/CableCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/ProjectFile.h"
#include "core/materials/ReopenedProject.h"

#include <algorithm>
#include <cstdio>

namespace tav {

namespace {

// A length as the page's box shows it: the shortest text of its three decimals.
std::string LengthText(double length)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", kRunLengthDecimals, RoundRunLength(length));
    std::string text = buf;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

double StoredLength(const std::string& text)
{
    return std::clamp(TryStrToFloat(text).value_or(0.0), 0.0, kMaxRunLength);
}

} // namespace

PlanSummary ReopenedPlan(const Project& project, const ReopenedCablePage& page, const LineList& tlines)
{
    const ProjectInputs& in = project.inputs;
    PlanSummary plan;
    plan.cableKey = in.tline;
    plan.beginning = page.beginning;
    plan.ending = page.ending;
    const double horizontal = StoredLength(in.horizontalLength), vertical = StoredLength(in.verticalLength);
    plan.horizontalLength = LengthText(horizontal);
    plan.verticalLength = LengthText(vertical);
    plan.meters = !in.feet;
    plan.runs = in.numRuns;

    const auto beginning = TryStrToFloat(page.beginning), ending = TryStrToFloat(page.ending);
    if (!beginning || !ending || page.cableType < 0)
        return plan;
    const Band band{*beginning, *ending};
    const std::string typeCode = CableTypeCode(page.cableType);
    try {
        // The diameter box keeps the stored size when the band offers it, else shows the first.
        const std::vector<std::string> diameters = Diameters(tlines, band, typeCode);
        const auto kept = std::find_if(diameters.begin(), diameters.end(),
                                       [&](const std::string& d) { return EqualsNoCase(d, in.size); });
        const std::string diameter =
            kept != diameters.end() ? *kept : (diameters.empty() ? std::string() : diameters.front());
        const EvaluationInputs inputs{band.beginning, band.ending,
                                      RoundRunLength(horizontal) + RoundRunLength(vertical), plan.meters,
                                      page.cableType == kWaveguideItem};
        for (const Candidate& c : EvaluateCandidateLines(tlines, inputs, typeCode, diameter)) {
            if (GetFieldView(tlines[c.line], 2) != in.tline)
                continue;
            plan.partNumber = GetField(c.row, 1);
            plan.insertionLoss = GetField(c.row, 3);
            plan.efficiency = GetField(c.row, 4);
            plan.averagePower = GetField(c.row, 6);
            break;
        }
    } catch (const Error&) {
        // The page shows no line for a catalogue it cannot evaluate; neither does the plan.
    }
    return plan;
}

} // namespace tav
