// Any bytes read as mount.dat give, for the first cable key (or one it lacks), a row whose
// columns offer only whole part numbers, and pick lists where every entry offered, once
// chosen, orders a part: the mount types of a location, the attachments a mount carries
// and the hardware that fits both each end with "N/A", and a part the hardware list holds
// leads back to an entry the list offers. A column that is no number stops with the
// program's own error.
#include "Property.h"
#include "core/catalog/MountCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/LineList.h"
#include "core/common/Text.h"
#include "core/settings/IniStore.h"
#include "core/settings/SectionLines.h"
#include "core/wizard/ChoiceLists.h"
#include "core/wizard/MountChoices.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using tav::fuzz::Broken;
using tav::fuzz::Expect;

// Enough entries of each list to meet every rule; more only repeat them and cost time.
constexpr size_t kMaxEntries = 2;

const tav::LineList kNoObsoleteParts;

bool IsFixedSection(std::string_view name)
{
    for (const char* fixed : {tav::kVerticalStructuresSection, tav::kHorizontalStructuresSection,
                              tav::kMountTypesSection, tav::kAttachmentTypesSection, tav::kHardwareTypesSection})
        if (tav::EqualsNoCase(name, fixed))
            return true;
    return false;
}

template <typename T> std::vector<T> First(std::vector<T> values)
{
    if (values.size() > kMaxEntries)
        values.resize(kMaxEntries);
    return values;
}

// A pick list's entries with their columns, without the closing "N/A".
tav::MountChoices Offered(tav::MountChoices choices)
{
    Expect(!choices.entries.empty() && choices.entries.back() == tav::kNotApplicableChoice &&
               choices.columns.size() == choices.entries.size() && choices.columns.back() == 0,
           "a pick list does not end with N/A");
    choices.entries.pop_back();
    choices.columns.pop_back();
    choices.entries = First(std::move(choices.entries));
    choices.columns.resize(choices.entries.size());
    return choices;
}

void CheckRow(const std::string& row)
{
    // Rows of the catalogue have fewer than 30 columns; each one is found from the start.
    constexpr int kMaxColumns = 32;
    const int columns =
        std::min(kMaxColumns, static_cast<int>(std::count(row.begin(), row.end(), tav::kFieldSeparator)));
    for (int c = 1; c <= columns; ++c) {
        const std::string_view column = tav::GetFieldView(row, c);
        const std::vector<std::string> parts = tav::ColumnParts(row, c);
        Expect(parts.size() <= (tav::IsMultiPartEntry(column) ? 3u : 1u), "a column offers too many parts");
        for (const std::string& part : parts)
            Expect(!part.empty() && part.find_first_of(",|") == std::string::npos, "a column offers no whole part");
    }
}

// The part each entry offered orders when it is chosen.
void CheckChosen(const tav::MountLists& lists, const tav::MountChoices& offered, const char* what)
{
    for (size_t i = 0; i < offered.entries.size(); ++i)
        if (tav::GetFieldView(lists.row, offered.columns[i]).empty())
            Broken(std::string(what) + " offered orders nothing: " + offered.entries[i]);
}

void CheckHardware(const tav::MountLists& lists, std::string_view mount, std::string_view attachment)
{
    const tav::MountChoices hardware =
        Offered(tav::BuildHardwareChoices(lists, mount, attachment, kNoObsoleteParts, true));
    CheckChosen(lists, hardware, "hardware");
    for (int column : hardware.columns) {
        const std::string_view part = tav::GetFieldView(lists.row, column);
        const int back = tav::EntryHoldingPart(hardware.columns, lists.row, part);
        Expect(back >= 0 && tav::GetFieldView(lists.row, hardware.columns[static_cast<size_t>(back)]) == part,
               "the part of offered hardware leads to no offered entry");
    }
}

void CheckKey(tav::TBigIniFile& ini, std::string_view key)
{
    const tav::MountLists lists = tav::ReadMountLists(ini, key, tav::kEmptyRowColumnsForParts);
    if (!ini.SectionExists(key))
        Expect(lists.row == std::string(tav::kEmptyRowColumnsForParts, tav::kFieldSeparator),
               "a cable key without a row has parts");
    CheckRow(lists.row);
    // The mount types the first location of each side offers.
    for (const auto* side : {&lists.verticalStructures, &lists.horizontalStructures}) {
        if (side->empty())
            continue;
        const std::string word(tav::GetFieldView(tav::ValuesByName(*side).front(), 1));
        Offered(tav::BuildMountChoices(*side, lists.mountTypes, word, false, lists.row, kNoObsoleteParts, true));
    }
    // The attachments of the first mount types, and the hardware of the first attachment.
    bool hardwareChecked = false;
    for (std::string_view type : First(tav::ValuesByName(lists.mountTypes))) {
        const std::string mount(tav::GetFieldView(type, 1));
        const tav::MountChoices attachments = Offered(tav::BuildMountChoices(lists.mountTypes, lists.attachments, mount,
                                                                             true, lists.row, kNoObsoleteParts, true));
        CheckChosen(lists, attachments, "an attachment");
        if (!attachments.entries.empty() && !hardwareChecked) {
            CheckHardware(lists, mount, attachments.entries.front());
            hardwareChecked = true;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tav::TBigIniFile ini(tav::TBigIniFile::InMemory{}, tav::fuzz::Bytes(data, size));
    std::string key = "no such line";
    for (const std::string& name : ini.SectionNames()) {
        if (!IsFixedSection(name)) {
            key = name;
            break;
        }
    }
    try {
        CheckKey(ini, key);
    } catch (const tav::ConversionError&) {
        // A column that is no number: the operation stops with the standard message.
    }
    return 0;
}
