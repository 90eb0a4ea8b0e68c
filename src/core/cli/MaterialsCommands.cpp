#include "core/cli/MaterialsCommands.h"

#include "core/common/Files.h"
#include "core/common/Json.h"
#include "core/materials/ExportFormats.h"
#include "core/materials/PlanSummary.h"
#include "core/materials/ReopenedProject.h"

#include <algorithm>
#include <iterator>

namespace tav::cli {

namespace {

constexpr const char* kProjectArgument = "PROJECT.tvr";
// The keys of an item in JSON, one per column of the list.
constexpr const char* kItemKeys[] = {"partNumber", "description", "price", "quantity", "extended"};
static_assert(std::size(kItemKeys) == kMaterialsColumns);

// What the program shows after opening the project named on the command line: the list
// and the plan beside it. Further projects join the list as File > Add Project To List
// adds them, the first one's inputs governing. Every file is read whole first, so a
// damaged project is refused before the installation loads.
struct ShownProject
{
    ListOfMaterials list;
    PlanSummary plan;
};

ShownProject OpenProject(Context& context)
{
    const std::vector<std::string>& paths = context.args.positionals;
    std::vector<Project> projects;
    projects.reserve(paths.size());
    for (const std::string& path : paths)
        projects.push_back(ReadProjectFile(path));
    const Installation& inst = context.LoadInstallation();
    OpenedProject opened = PlanOpenedProject(projects.front(), inst.folders, inst.lists);
    for (const std::string& note : opened.notes)
        context.notes += paths.front() + ": " + note + "\n";
    const ListSource source = SourceOf(opened.page);
    for (size_t i = 1; i < projects.size(); ++i) {
        SiteList site =
            AddProjectToList(opened.accessoryRows, opened.records, projects[i], source, inst.folders, inst.lists);
        opened.accessoryRows = std::move(site.rows);
        opened.records = std::move(site.records);
        opened.materials = std::move(site.materials);
    }
    PlanSummary plan = ReopenedPlan(opened.page, inst.lists.tlines);
    return {std::move(opened.materials), std::move(plan)};
}

// Cells keep their bytes; a tab in one becomes a blank, so the columns stay in place.
std::string Cell(const std::string& text)
{
    std::string cell = text;
    std::replace(cell.begin(), cell.end(), '\t', ' ');
    return cell;
}

std::string TextList(const ListOfMaterials& list)
{
    std::string text;
    for (const char* heading : kMaterialsHeadings)
        text += (text.empty() ? "" : "\t") + std::string(heading);
    text += "\n";
    for (const MaterialsRow& row : list.rows) {
        if (row.IsHeading()) {
            text += Cell(row.partNumber) + "\n";
            continue;
        }
        for (int c = 0; c < kMaterialsColumns; ++c)
            text += (c ? "\t" : "") + Cell(row.Cell(c));
        text += "\n";
    }
    text += std::string(kTotalCaption) + "\t" + Cell(list.total) + "\n";
    if (list.adapterNote)
        for (const std::string& line : AdapterNoteLines())
            text += line + "\n";
    return text;
}

std::string JsonList(const ListOfMaterials& list)
{
    std::string json = "{\n  \"sections\": [";
    bool open = false; // a section's items are being written
    const auto closeSection = [&] {
        if (open)
            json += "\n      ]\n    }";
        open = false;
    };
    bool firstSection = true, firstItem = true;
    const auto openSection = [&](const std::string& caption) {
        closeSection();
        json += firstSection ? "\n    {" : ",\n    {";
        json += "\n      \"caption\": " + JsonString(caption) + ",\n      \"items\": [";
        firstSection = false;
        firstItem = true;
        open = true;
    };
    for (const MaterialsRow& row : list.rows) {
        if (row.IsHeading()) {
            openSection(row.partNumber);
            continue;
        }
        if (!open)
            openSection("");
        json += firstItem ? "\n        {" : ",\n        {";
        for (int c = 0; c < kMaterialsColumns; ++c)
            json += (c ? ", " : "") + JsonString(kItemKeys[c]) + ": " + JsonString(row.Cell(c));
        json += "}";
        firstItem = false;
    }
    closeSection();
    json += firstSection ? "],\n" : "\n  ],\n";
    json += "  \"total\": " + JsonString(list.total) + ",\n  \"adapterNote\": [";
    if (list.adapterNote) {
        const std::vector<std::string>& lines = AdapterNoteLines();
        for (size_t i = 0; i < lines.size(); ++i)
            json += (i ? ", " : "") + JsonString(lines[i]);
    }
    json += "]\n}\n";
    return json;
}

void RunPrice(Context& context)
{
    const ListOfMaterials list = OpenProject(context).list;
    context.out = context.args.Flag("json") ? JsonList(list) : TextList(list);
}

void RunExport(Context& context)
{
    const std::string name = *context.args.Value("format");
    const ExportFormat* format = FindExportFormat(name);
    if (!format)
        throw UsageError("--format '" + name + "' is none of " + ExportFormatNames(", "));
    const std::string output = *context.args.Value("output");
    if (output.empty())
        throw UsageError("--output names no file");

    const ShownProject opened = OpenProject(context);
    const std::string bytes = format->build({opened.list, opened.plan, context.PrintedPdf()});
    if (output == "-")
        context.out = bytes;
    else
        WriteFileAtomic(output, bytes);
}

std::vector<PositionalSpec> ProjectArgument()
{
    return {{kProjectArgument, "a project file the program saved; further files join its list"}};
}

} // namespace

CommandSpec PriceCommand()
{
    CommandSpec c;
    c.name = "price";
    c.summary = "The priced list of materials of a project file, priced from the current price list.";
    c.details = "The list the program shows after opening the file: its items under the same headings, with\n"
                "the same texts and total. Prints the headings, a line per section caption and a tab-separated\n"
                "line per item, then the total (and the adapter note, when the program shows it), or with\n"
                "--json one object. With several files, the merged list of all of them: each further file's\n"
                "items are added as File > Add Project To List adds them, the first file's inputs governing.\n";
    c.options = {
        {"json", "", "print JSON: the sections with their items, every cell as the list's text", false, ""},
    };
    c.positionals = ProjectArgument();
    c.repeatsLast = true;
    c.run = RunPrice;
    return c;
}

CommandSpec ExportCommand()
{
    CommandSpec c;
    c.name = "export";
    c.summary = "A project file's list of materials in one of the program's export formats.";
    c.details = "The very bytes the program's Export and Copy To Clipboard commands give for the list it\n"
                "shows after opening the file. The file is written whole or not at all. The workbook's\n"
                "plan sheet has no antenna or structure, which a project file does not keep; the PDF has\n"
                "the printout's pages on the paper of the locale (Letter or A4). Several files give their\n"
                "merged list, as price does.\n";
    c.options = {
        {"format", ExportFormatNames("|"),
         "text, spreadsheet text, web page, Excel workbook, the printout as PDF, or the clipboard's text", true, ""},
        {"output", "FILE", "the file to write, replaced if it exists; - for standard output", true, "", 'o'},
    };
    c.positionals = ProjectArgument();
    c.repeatsLast = true;
    c.run = RunExport;
    return c;
}

} // namespace tav::cli
