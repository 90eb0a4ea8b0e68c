#pragma once

#include "core/app/CommandLine.h"
#include "core/app/Installation.h"

#include <string>
#include <vector>

namespace tav::gui {

// The three working lists an accessory page fills from its catalogue file.
struct WorkingLists
{
    std::vector<std::string> categories;
    std::vector<std::string> types;
    std::vector<std::string> parts;

    void Clear()
    {
        categories.clear();
        types.clear();
        parts.clear();
    }
};

// Everything the wizard's pages share, owned by the main window for the whole run.
struct WizardState
{
    Folders folders;
    CatalogueLists lists;
    CommandLine commandLine;

    // The full value lists of the band limits, numerically ascending.
    std::vector<std::string> beginningFrequencies;
    std::vector<std::string> endingFrequencies;

    std::vector<std::string> selection;

    // The selected cable: fields 2 and 6 of its catalogue line.
    std::string cableKey;
    std::string cableDiameter;
    // Its part number; empty while no cable is selected.
    std::string cablePart;
    // Lengths are in meters rather than feet.
    bool meters = false;

    int runsCount = 3;
    bool keepRow = false; // re-evaluation keeps the grid's current row
    bool filling = false; // the evaluation grid is being refilled

    WorkingLists hoist;
    WorkingLists entry;
    WorkingLists ground;
    WorkingLists weather;
    WorkingLists gps;

    void ClearLists()
    {
        lists = {};
        beginningFrequencies.clear();
        endingFrequencies.clear();
        selection.clear();
        for (WorkingLists* w : {&hoist, &entry, &ground, &weather, &gps})
            w->Clear();
    }
};

} // namespace tav::gui
