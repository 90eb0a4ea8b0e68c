#pragma once

#include "core/common/LineList.h"

#include <string>

namespace tav {

struct OpenedCablePage;

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

// The plan of a project as the program shows it once opened: the first page of the opened
// project and the first grid row of the stored cable key. A project file holds no antenna
// or structure.
PlanSummary ReopenedPlan(const OpenedCablePage& page, const LineList& tlines);

} // namespace tav
