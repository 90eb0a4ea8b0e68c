#pragma once

#include "core/app/Installation.h"
#include "core/cable/CableCatalogue.h"
#include "core/materials/AccessoryList.h"
#include "core/materials/LineOrder.h"
#include "core/materials/ListOfMaterials.h"
#include "core/materials/ProjectFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// What the first page shows once a project is opened: the stored texts run through the
// band cascade of a page just started, so the result never depends on what the page showed
// before. A stored band that is missing leaves the lowest of each list.
struct OpenedCablePage
{
    std::vector<std::string> beginnings; // the frequency boxes' entries
    std::vector<std::string> endings;
    std::string beginning; // and their texts
    std::string ending;
    std::array<bool, kCableTypeCount> typesOffered{};
    int cableType = -1; // -1 when the band offers no type
    std::vector<std::string> diameters;
    std::string diameter;
    EvaluationInputs evaluation; // what the grid's lines are evaluated for
    std::vector<Candidate> lines;
    int currentRow = -1; // the first row of the stored cable, else the first row; -1 without rows
    // The stored cable key: the accessories stay the stored cable's even when no row carries it.
    std::string cableKey;
    double horizontalLength = 0; // as the length boxes hold them
    double verticalLength = 0;
    int numRuns = 3;
    bool meters = false;
};

// Everything the program shows once it has opened a project, built whole before any of it
// is shown, so a project that cannot be opened changes nothing.
struct OpenedProject
{
    OpenedCablePage page;
    // The accessory list of the stored cable, type and band with the reopened quantities.
    std::vector<AccessoryListRow> accessoryRows;
    bool accessoriesOffered = true;   // the catalogue lists some accessory for the cable
    std::optional<LineListItem> line; // the line's item on the accessory list
    // One "part|quantity|section|" per ordered part in file order: the selection behind the
    // wizard's empty slots, and what the list of materials was built from.
    std::vector<std::string> records;
    ListOfMaterials materials;
    // What the user is told about the file's values that were replaced.
    std::vector<std::string> notes;
};

// What the accessory list of the first page is assembled from: the cable key, type and band
// shown, and the part of the line selected in the grid (empty when none is).
struct ListSource
{
    std::string cableKey;
    int cableType = -1;
    std::string beginning;
    std::string ending;
    std::string linePart;
};
ListSource SourceOf(const OpenedCablePage& page);

// The accessory list's items for the source, the line's item first when the settings put the
// line on the list, and the headings they go under.
struct AssembledList
{
    std::vector<ListSection> sections;
    std::vector<AccessoryItem> items;
    bool offered = false; // the catalogue lists some accessory for the cable
    std::optional<LineListItem> line;
};
// Throws ConversionError for a band or surge frequency that is no number while surge
// protectors are listed.
AssembledList AssembleList(const ListSource& source, const Folders& folders, const CatalogueLists& lists);

// The list shown, with the items of a further project of the site added to it.
struct SiteList
{
    std::vector<AccessoryListRow> rows; // the accessory list, holding the added quantities
    std::vector<std::string> records;   // merged by part
    ListOfMaterials materials;
};

// Adds a further project's items to the list shown: they are filed as reopened items are,
// against the accessory list of the source, appended to the records shown and merged by part
// (quantities summed, the first occurrence's section), then priced. The accessory rows gain
// the quantities, so going back to the list and on again keeps them. Throws ConversionError
// as opening does; nothing is changed then.
SiteList AddProjectToList(const std::vector<AccessoryListRow>& rows, const std::vector<std::string>& records,
                          const Project& more, const ListSource& source, const Folders& folders,
                          const CatalogueLists& lists);

// The plan of an already read project. Throws ConversionError when the installation cannot
// list or price it: a surge frequency or unit price that is no number, a catalogue line that
// cannot be evaluated, or a part's quantities summing beyond what a row holds.
OpenedProject PlanOpenedProject(const Project& project, const Folders& folders, const CatalogueLists& lists);

// The program's and the planner's one way to open a project: the file's bytes, read by
// ParseProjectFile (fileName names it in messages), turned into the plan.
OpenedProject OpenProject(std::string_view bytes, std::string_view fileName, const Folders& folders,
                          const CatalogueLists& lists);

} // namespace tav
