#include "core/materials/PlanSummary.h"

#include "core/cable/CableCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/materials/ReopenedProject.h"

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

} // namespace

PlanSummary ReopenedPlan(const OpenedCablePage& page, const LineList& tlines)
{
    PlanSummary plan;
    plan.cableKey = page.cableKey;
    plan.beginning = page.beginning;
    plan.ending = page.ending;
    plan.horizontalLength = LengthText(page.horizontalLength);
    plan.verticalLength = LengthText(page.verticalLength);
    plan.meters = page.meters;
    plan.runs = page.numRuns;
    for (const Candidate& c : page.lines) {
        if (GetFieldView(tlines[c.line], 2) != page.cableKey)
            continue;
        plan.partNumber = GetField(c.row, 1);
        plan.insertionLoss = GetField(c.row, 3);
        plan.efficiency = GetField(c.row, 4);
        plan.averagePower = GetField(c.row, 6);
        break;
    }
    return plan;
}

} // namespace tav
