#pragma once

#include "core/materials/ListOfMaterials.h"
#include "core/materials/PlanSummary.h"

#include <string>

namespace tav {

// The list of materials as an Excel workbook (.xlsx). Sheet "List of Materials": the
// headings (bold, frozen), section rows in bold, prices and quantities as numbers, each
// extended price a formula over its row and the total a SUM, both with their values cached
// so readers that do not calculate see them; money as "$0.00", as the list shows it.
// Sheet "Plan": the cable page's inputs and the selected line's figures. Texts that are
// not UTF-8 are read as Latin-1, as the program shows them. Throws Error when the workbook
// cannot be made.
std::string WorkbookBytes(const ListOfMaterials& list, const PlanSummary& plan);

// Sheet and heading texts, for readers of the workbook.
inline constexpr const char* kListSheetName = "List of Materials";
inline constexpr const char* kPlanSheetName = "Plan";

} // namespace tav
