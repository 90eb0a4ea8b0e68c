#pragma once

#include "core/common/LineList.h"

#include <string>

namespace tav {

struct Project;
struct ReopenedCablePage;

// What the cable page was set to and how the selected line fares, as an export states it
// beside the list. Texts are as the page shows them; empty where it is not known.
struct PlanSummary
{
    std::string cableKey;
    std::string partNumber;
    std::string beginning; // MHz
    std::string ending;
    std::string horizontalLength;
    std::string verticalLength;
    bool meters = false;
    int runs = 0;
    // Known only when the wizard's antenna and site pages were gone through.
    std::string antenna;
    std::string structure;
    std::string insertionLoss; // the selected line's grid texts
    std::string efficiency;
    std::string averagePower;

    friend bool operator==(const PlanSummary&, const PlanSummary&) = default;
};

// The plan of a project as the program shows it once opened: the stored inputs in the band
// the page shows, and the first grid row of the stored cable key (the diameter offered for
// the stored size, as the page's lists fall back). A project file holds no antenna or
// structure. A line that cannot be evaluated leaves the figures empty.
PlanSummary ReopenedPlan(const Project& project, const ReopenedCablePage& page, const LineList& tlines);

} // namespace tav
