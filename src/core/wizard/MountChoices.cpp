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

// The values of the hardware lines that fit the chosen mount and attachment captions.
std::vector<std::string_view> FittingHardware(const MountLists& lists, std::string_view mountCaption,
                                              std::string_view attachmentCaption)
{
    const std::vector<std::string_view> mounts = NamesWithCaption(lists.mountTypes, mountCaption);
    const std::vector<std::string_view> attachments = NamesWithCaption(lists.attachments, attachmentCaption);
    std::vector<std::string_view> fitting;
    for (std::string_view value : ValuesByName(lists.hardware))
        if (Contains(mounts, GetFieldView(value, kHardwareMountField)) &&
            Contains(attachments, GetFieldView(value, kHardwareAttachmentField)))
            fitting.push_back(value);
    return fitting;
}

void AddNotApplicable(MountChoices& choices)
{
    choices.entries.emplace_back(kNotApplicableChoice);
    choices.columns.push_back(0);
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
            const int column = checkParts ? ColumnOf(children[j], kAttachmentColumnField) : 0;
            if (checkParts && !PartOffered(GetFieldView(row, column), obsolete, keepObsolete))
                continue;
            result.entries.emplace_back(GetFieldView(children[j], 1));
            result.columns.push_back(column);
        }
    }
    AddNotApplicable(result);
    return result;
}

MountChoices BuildHardwareChoices(const MountLists& lists, std::string_view mountCaption,
                                  std::string_view attachmentCaption, const LineList& obsolete, bool keepObsolete)
{
    MountChoices result;
    for (std::string_view value : FittingHardware(lists, mountCaption, attachmentCaption)) {
        const int column = ColumnOf(value, kHardwareColumnField);
        if (PartOffered(GetFieldView(lists.row, column), obsolete, keepObsolete)) {
            result.entries.emplace_back(GetFieldView(value, 1));
            result.columns.push_back(column);
        }
    }
    result.found = !result.entries.empty();
    AddNotApplicable(result);
    return result;
}

int EntryHoldingPart(const std::vector<int>& columns, std::string_view row, std::string_view part)
{
    if (part.empty())
        return -1;
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i] > 0 && GetFieldView(row, columns[i]) == part)
            return static_cast<int>(i);
    return -1;
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
