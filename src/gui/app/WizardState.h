#pragma once

#include "core/app/CommandLine.h"
#include "core/app/Installation.h"
#include "core/wizard/ChoiceLists.h"

#include <map>
#include <string>
#include <vector>

namespace tav::gui {

// Raises one of the wizard's flags (a guard, filling, keep-row) for as long as it lives,
// also when the work ends in an error.
class GuardScope
{
public:
    explicit GuardScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~GuardScope() { flag_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool& flag_;
};

// While a group's flag is set, its change handler only updates its picture: the program
// is moving the group's pick lists itself and the part must not be resolved again.
struct GuardFlags
{
    bool attachments = false; // both cable-attachment lists
    bool hardware = false;    // both mounting-hardware lists
    bool hoistingGrip = false;
    bool entryPlate = false;
    bool entryBoots = false;
    bool grounding = false;
    bool weatherproofing = false;
    bool surge = false;
    bool gps = false;
};

// Which sides of the chosen site have a structure line in mount.dat, as the last location
// click found them: a mounting tab without one is not shown.
struct StructureSides
{
    bool vertical = true;
    bool horizontal = true;
};

// The user's answers to obsolete-part offers during one action. The cascade that one
// choice sets off may resolve the same part again; it then orders what the user already
// chose instead of asking a second time.
struct ReplacementAnswers
{
    int openActions = 0;
    std::map<std::string, std::string> chosen; // obsolete part -> part to order
};

// One action of the user, from the event that starts it to the end of all it sets off.
class UserAction
{
public:
    explicit UserAction(ReplacementAnswers& answers) : answers_(answers) { ++answers_.openActions; }
    ~UserAction()
    {
        if (--answers_.openActions == 0)
            answers_.chosen.clear();
    }
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;

private:
    ReplacementAnswers& answers_;
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

    GuardFlags guards;
    StructureSides sides;
    ReplacementAnswers replacementAnswers;

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
