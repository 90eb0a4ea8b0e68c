#pragma once

#include "core/common/LineList.h"
#include "core/settings/IniStore.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// One reading of mount.dat for one operation (the file is never cached): the sections the
// mounting pages use and the row of part numbers of one cable key.
struct MountLists
{
    std::vector<std::string> verticalStructures;
    std::vector<std::string> horizontalStructures;
    std::vector<std::string> mountTypes;
    std::vector<std::string> attachments;
    std::vector<std::string> hardware;
    std::string row;
};

// The sections are found without regard to case, the cable key's row by its exact name;
// an absent row reads as emptyColumns separators.
MountLists ReadMountLists(const std::string& dataFolder, std::string_view cableKey, int emptyColumns);
// The same from mount.dat loaded into a store.
MountLists ReadMountLists(TBigIniFile& mount, std::string_view cableKey, int emptyColumns);

// A refilled list of a mounting page. Captions may repeat on several lines, so each entry
// keeps the column of the line it came from: choosing it orders that line's part.
struct MountChoices
{
    std::vector<std::string> entries; // always ends with "N/A"
    std::vector<int> columns;         // one per entry; 0 for "N/A" and for mount types
    bool found = false;               // the parent has a line
};

// The captions of the children that the first parent line whose field 1 is the parent word
// (ignoring case) marks, in child order with duplicates kept, then "N/A". With checkParts
// a child counts only when its column of the row holds a part, and a current one unless
// obsolete parts are kept.
MountChoices BuildMountChoices(const std::vector<std::string>& parentLines, const std::vector<std::string>& childLines,
                               std::string_view parentWord, bool checkParts, std::string_view row,
                               const LineList& obsolete, bool keepObsolete);

// The hardware lines that fit the chosen mount and attachment (through their line names)
// and whose column holds a usable part, in file order, then "N/A".
MountChoices BuildHardwareChoices(const MountLists& lists, std::string_view mountCaption,
                                  std::string_view attachmentCaption, const LineList& obsolete, bool keepObsolete);

// The first entry whose column of the row holds exactly the part; -1 for an empty part or
// when no entry does.
int EntryHoldingPart(const std::vector<int>& columns, std::string_view row, std::string_view part);

// The three slots an attachment or hardware list writes.
struct MountGroup
{
    int first;
    int second;
    int third;
};
// A group is its first slot and the two after it.
constexpr MountGroup GroupFrom(int firstSlot)
{
    return {firstSlot, firstSlot + 1, firstSlot + 2};
}

// Resolves the part of a column of the row into its group: no column or an empty one
// clears the group; a multi-part entry is spread over the three slots by the runs (by six
// in the stacking-kit column); a single part is written under its metric number with its
// quantity over the group's length. An obsolete single part is put to the user first, and
// then the part to move the list to is returned (as the row spells it; empty when there
// is none).
std::optional<std::string> SelectMountPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& obsolete, std::string_view row, int column,
                                           const MountGroup& group, const PartOffer& offer);

} // namespace tav
