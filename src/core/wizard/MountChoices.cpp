#include "core/wizard/MountChoices.h"

#include "core/catalog/MountCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/settings/IniStore.h"
#include "core/settings/SectionLines.h"
#include "core/wizard/ChoiceLists.h"
#include "core/wizard/Selection.h"

#include <algorithm>

namespace tav {

namespace {

constexpr const char* kMountFileName = "mount.dat";

int ColumnOf(std::string_view value, int columnField)
{
    return StrToInt(GetFieldView(value, columnField));
}

// The exact names of the lines whose caption (field 1) is the caption.
std::vector<std::string_view> NamesWithCaption(const std::vector<std::string>& lines, std::string_view caption)
{
    std::vector<std::string_view> names;
    const std::vector<std::string_view> values = ValuesByName(lines);
    for (size_t i = 0; i < lines.size(); ++i)
        if (const auto name = LineName(lines[i]); name && GetFieldView(values[i], 1) == caption)
            names.push_back(*name);
    return names;
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The values of the lines a list of the item can have offered for the chosen captions.
std::vector<std::string_view> CandidateLines(const MountLists& lists, MountItem item, const MountPicks& picks)
{
    if (item == MountItem::Attachment)
        return ValuesByName(lists.attachments);
    const std::vector<std::string_view> mounts = NamesWithCaption(lists.mountTypes, picks.mount);
    const std::vector<std::string_view> attachments = NamesWithCaption(lists.attachments, picks.attachment);
    std::vector<std::string_view> fitting;
    for (std::string_view value : ValuesByName(lists.hardware))
        if (Contains(mounts, GetFieldView(value, kHardwareMountField)) &&
            Contains(attachments, GetFieldView(value, kHardwareAttachmentField)))
            fitting.push_back(value);
    return fitting;
}

int ColumnFieldOf(MountItem item)
{
    return item == MountItem::Attachment ? kAttachmentColumnField : kHardwareColumnField;
}

std::string_view ChosenCaption(MountItem item, const MountPicks& picks)
{
    return item == MountItem::Attachment ? picks.attachment : picks.hardware;
}

void ClearGroup(std::vector<std::string>& selection, const MountGroup& group)
{
    for (int slot : {group.first, group.second, group.third})
        ClearSelection(selection, slot);
}

// One part in the first slot of the group; an empty part orders nothing.
void WriteSinglePart(std::vector<std::string>& selection, const QuantityInputs& in, const MountGroup& group,
                     const std::string& part)
{
    if (part.empty()) {
        ClearGroup(selection, group);
        return;
    }
    const int quantity = AttachmentQuantity(in, part, group.first);
    WriteSelection(selection, group.first, part, quantity, section::Mounting);
    ClearSelection(selection, group.second);
    ClearSelection(selection, group.third);
}

} // namespace

MountLists ReadMountLists(const std::string& dataFolder, std::string_view cableKey, int emptyColumns)
{
    TBiggerIniFile ini(WithTrailingSlash(dataFolder) + kMountFileName);
    return ReadMountLists(ini, cableKey, emptyColumns);
}

MountLists ReadMountLists(TBigIniFile& ini, std::string_view cableKey, int emptyColumns)
{
    MountLists lists;
    ini.ReadSectionValues(kVerticalStructuresSection, lists.verticalStructures);
    ini.ReadSectionValues(kHorizontalStructuresSection, lists.horizontalStructures);
    ini.ReadSectionValues(kMountTypesSection, lists.mountTypes);
    ini.ReadSectionValues(kAttachmentTypesSection, lists.attachments);
    ini.ReadSectionValues(kHardwareTypesSection, lists.hardware);
    lists.row = ReadMountRow(ini, cableKey, emptyColumns);
    return lists;
}

MountChoices BuildMountChoices(const std::vector<std::string>& parentLines, const std::vector<std::string>& childLines,
                               std::string_view parentWord, bool checkParts, std::string_view row,
                               const LineList& obsolete, bool keepObsolete)
{
    MountChoices result;
    const std::vector<std::string_view> parents = ValuesByName(parentLines);
    const auto parent = std::find_if(parents.begin(), parents.end(),
                                     [&](std::string_view p) { return EqualsNoCase(GetFieldView(p, 1), parentWord); });
    if (parent != parents.end()) {
        result.found = true;
        const std::vector<std::string_view> children = ValuesByName(childLines);
        for (size_t j = 0; j < children.size(); ++j) {
            if (GetFieldView(*parent, static_cast<int>(j) + 2).empty())
                continue;
            if (checkParts &&
                !PartOffered(GetFieldView(row, ColumnOf(children[j], kAttachmentColumnField)), obsolete, keepObsolete))
                continue;
            result.entries.emplace_back(GetFieldView(children[j], 1));
        }
    }
    result.entries.emplace_back(kNotApplicableChoice);
    return result;
}

std::vector<std::string> BuildHardwareChoices(const MountLists& lists, std::string_view mountCaption,
                                              std::string_view attachmentCaption, const LineList& obsolete,
                                              bool keepObsolete)
{
    std::vector<std::string> entries;
    const MountPicks picks{mountCaption, attachmentCaption, {}};
    for (std::string_view value : CandidateLines(lists, MountItem::Hardware, picks))
        if (PartOffered(GetFieldView(lists.row, ColumnOf(value, kHardwareColumnField)), obsolete, keepObsolete))
            entries.emplace_back(GetFieldView(value, 1));
    entries.emplace_back(kNotApplicableChoice);
    return entries;
}

int ChosenColumn(const MountLists& lists, MountItem item, const MountPicks& picks)
{
    const std::string_view caption = ChosenCaption(item, picks);
    std::optional<int> first;
    for (std::string_view value : CandidateLines(lists, item, picks)) {
        if (GetFieldView(value, 1) != caption)
            continue;
        // A caption may stand on several lines: the list offered it for a line whose column
        // holds a part, so an earlier line with an empty column must not order nothing.
        const int column = ColumnOf(value, ColumnFieldOf(item));
        if (column > 0 && !GetFieldView(lists.row, column).empty())
            return column;
        if (!first)
            first = column;
    }
    return first.value_or(0);
}

std::optional<std::string> CaptionHoldingPart(const MountLists& lists, MountItem item, const MountPicks& picks,
                                              std::string_view part)
{
    if (part.empty())
        return std::nullopt;
    for (std::string_view value : CandidateLines(lists, item, picks))
        if (GetFieldView(lists.row, ColumnOf(value, ColumnFieldOf(item))) == part)
            return std::string(GetFieldView(value, 1));
    return std::nullopt;
}

std::optional<std::string> SelectMountPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& obsolete, std::string_view row, int column,
                                           const MountGroup& group, const PartOffer& offer)
{
    // Nothing chosen, or a column the row leaves empty, orders nothing.
    const std::string_view listed = column > 0 ? GetFieldView(row, column) : std::string_view();
    if (IsMultiPartEntry(listed)) {
        const std::string counts =
            column == kStackedKitColumn ? SplitRunsBySix(in.runsCount) : SplitRunsByThree(in.runsCount);
        WriteMultiPartSelection(selection, in, group.first, group.second, group.third, listed, counts);
        return std::nullopt;
    }
    OrderedChoice chosen = OrderChosenPart(in.dataFolder, in.meters, obsolete, listed, offer);
    WriteSinglePart(selection, in, group, chosen.ordered);
    return std::move(chosen.moveTo);
}

} // namespace tav
