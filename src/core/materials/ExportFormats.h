#pragma once

#include "core/materials/ListOfMaterials.h"
#include "core/materials/PlanSummary.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tav {

// What an export is made from: the list as shown, the plan beside it, and the printed
// pages as a PDF document from whoever can paint them (core cannot).
struct ExportSource
{
    const ListOfMaterials& list;
    const PlanSummary& plan;
    std::function<std::string(const ListOfMaterials&)> printedPdf;
};

// One way the list leaves the program as bytes. The Export menu offers every format with a
// folder, in that subfolder of the program folder, under its filter and default suffix;
// the planner's --format takes every name.
struct ExportFormat
{
    std::string_view name;
    std::string_view folder; // empty: not a file export (the clipboard's text)
    std::string_view filter;
    std::string_view suffix;
    std::string (*build)(const ExportSource&);
    bool painted = false; // made by ExportSource::printedPdf
};

std::span<const ExportFormat> ExportFormats();
// Nothing for a name no format has.
const ExportFormat* FindExportFormat(std::string_view name);
// "txt|xls|..." in table order.
std::string ExportFormatNames(std::string_view separator);

} // namespace tav
