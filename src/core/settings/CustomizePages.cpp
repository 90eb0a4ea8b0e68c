#include "core/settings/CustomizePages.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "core/materials/LineOrder.h"
#include "core/settings/IniStore.h"
#include "core/settings/QuantityOverrides.h"
#include "core/settings/SectionLines.h"
#include "core/settings/SettingsFile.h"

namespace tav {

namespace {

// The family code of a hanger record, 1 to 5; 0 for anything else.
int FamilyOf(std::string_view record)
{
    const std::string_view code = GetFieldView(record, 2);
    if (code.size() == 1 && code[0] >= '1' && code[0] < '1' + kHangerFamilyCount)
        return code[0] - '0';
    return 0;
}

// Closes the store and says whether it had something to write.
bool CloseStore(SettingsFile& settings)
{
    const bool changed = settings.Ini().Changed();
    settings.Close();
    return changed;
}

// Position just behind the n-th separator, or npos.
size_t AfterSeparator(std::string_view text, int n)
{
    size_t at = 0;
    for (int i = 0; i < n; ++i) {
        const size_t sep = text.find(kFieldSeparator, at);
        if (sep == std::string_view::npos)
            return std::string_view::npos;
        at = sep + 1;
    }
    return at;
}

} // namespace

HangerFamilies FindHangerFamilies(const std::vector<std::string>& sectionLines)
{
    HangerFamilies families;
    for (const std::string& line : sectionLines) {
        if (!LineName(line))
            continue;
        const std::string_view record = std::string_view(line).substr(line.find('=') + 1);
        const int family = FamilyOf(record);
        if (family == 0 || families[family - 1].present)
            continue;
        families[family - 1] = HangerFamily{true, GetField(record, 1), GetField(record, 3)};
    }
    return families;
}

SpacingPages LoadSpacingPages(const std::string& dataFolder, std::string_view cableKey)
{
    SettingsFile settings(dataFolder);
    SpacingPages pages;
    pages.grounding = settings.GetText(keys::GroundingSpacing);
    pages.hoist = settings.GetText(keys::HoistSpacing);
    std::vector<std::string> lines;
    settings.Ini().ReadSectionValues(cableKey, lines);
    pages.families = FindHangerFamilies(lines);
    for (const HangerFamily& family : pages.families)
        if (family.present)
            StrToFloat(family.spacing);
    return pages;
}

std::vector<std::string> WithHangerSpacings(std::vector<std::string> sectionLines, const FamilySpacings& spacings)
{
    for (std::string& line : sectionLines) {
        if (!LineName(line))
            continue;
        const size_t valueAt = line.find('=') + 1;
        const std::string_view record = std::string_view(line).substr(valueAt);
        const int family = FamilyOf(record);
        if (family == 0 || !spacings[family - 1])
            continue;
        // Field 2 is closed, so the record has a second separator; a third may be missing.
        const size_t fieldAt = valueAt + AfterSeparator(record, 2);
        const size_t fieldEnd = line.find(kFieldSeparator, fieldAt);
        line.replace(fieldAt, fieldEnd == std::string::npos ? std::string::npos : fieldEnd - fieldAt,
                     *spacings[family - 1] + (fieldEnd == std::string::npos ? "|" : ""));
    }
    return sectionLines;
}

bool SaveSpacingPages(const std::string& dataFolder, std::string_view cableKey, const SpacingChanges& changes)
{
    SettingsFile settings(dataFolder);
    settings.SetText(keys::GroundingSpacing, changes.grounding);
    settings.SetText(keys::HoistSpacing, changes.hoist);
    std::vector<std::string> lines;
    settings.Ini().ReadSectionValues(cableKey, lines);
    if (!lines.empty())
        settings.Ini().ReplaceSection(cableKey, WithHangerSpacings(lines, changes.families));
    return CloseStore(settings);
}

bool UsableSpacing(std::string_view text, SpacingKind kind)
{
    if (kind == SpacingKind::Whole) {
        const auto value = TBigIniFile::ParseIniInteger(text);
        return value && *value > 0;
    }
    const auto value = TryStrToFloat(text);
    return value && *value > 0;
}

std::optional<double> ShownSpacing(std::string_view stored, SpacingKind kind)
{
    if (kind == SpacingKind::Whole)
        if (const auto value = TBigIniFile::ParseIniInteger(stored))
            return *value;
    return TryStrToFloat(stored);
}

std::string SpacingToSave(std::string_view stored, std::string_view shownAtLoad, std::string_view boxText,
                          SpacingKind kind)
{
    if (boxText == shownAtLoad && UsableSpacing(stored, kind))
        return std::string(stored);
    return std::string(boxText);
}

std::optional<std::string> SpacingProblem(std::string_view text, SpacingKind kind, std::string_view pageCaption)
{
    if (UsableSpacing(text, kind))
        return std::nullopt;
    const std::string what =
        kind == SpacingKind::Whole ? "a whole number of feet greater than 0" : "a number of feet greater than 0";
    return "The spacing on the page \"" + std::string(pageCaption) + "\" must be " + what + ".";
}

ObsoleteOptions LoadObsoleteOptions(const std::string& dataFolder)
{
    SettingsFile settings(dataFolder);
    return ObsoleteOptions{settings.Get(keys::ObsoleteWarning), settings.Get(keys::ObsoleteWizard),
                           settings.Get(keys::ObsoleteList)};
}

bool SaveObsoleteOptions(const std::string& dataFolder, const ObsoleteOptions& options)
{
    SettingsFile settings(dataFolder);
    settings.Set(keys::ObsoleteWarning, options.warning);
    settings.Set(keys::ObsoleteWizard, options.wizard);
    settings.Set(keys::ObsoleteList, options.list);
    return CloseStore(settings);
}

SelectionOptions LoadSelectionOptions(const std::string& dataFolder, std::string_view defaultName)
{
    SettingsFile settings(dataFolder);
    return SelectionOptions{settings.Get(keys::SelectCable), settings.Get(keys::SelectCableType),
                            settings.Get(keys::SelectCableName, defaultName)};
}

bool SaveSelectionOptions(const std::string& dataFolder, const SelectionOptions& options)
{
    SettingsFile settings(dataFolder);
    settings.Set(keys::SelectCableType, options.cableType);
    settings.Set(keys::SelectCable, options.selectCable);
    settings.Set(keys::SelectCableName, options.cableName);
    return CloseStore(settings);
}

LineOptions LoadLineOptions(const std::string& dataFolder)
{
    SettingsFile settings(dataFolder);
    return LineOptions{settings.Get(keys::LineOnList), ClampWastePercent(settings.Get(keys::LineWaste)),
                       settings.Get(keys::LineSection), settings.Get(keys::LineCost)};
}

bool SaveLineOptions(const std::string& dataFolder, const LineOptions& loaded, const LineOptions& shown)
{
    if (loaded == shown)
        return false;
    SettingsFile settings(dataFolder);
    if (shown.onList != loaded.onList)
        settings.Set(keys::LineOnList, shown.onList);
    if (shown.wastePercent != loaded.wastePercent)
        settings.Set(keys::LineWaste, shown.wastePercent);
    if (shown.section != loaded.section)
        settings.Set(keys::LineSection, shown.section);
    if (shown.showCost != loaded.showCost)
        settings.Set(keys::LineCost, shown.showCost);
    return CloseStore(settings);
}

RestoreOutcome RestoreDefaults(const std::string& dataFolder)
{
    RestoreOutcome outcome;
    try {
        RestoreFactorySettings(dataFolder);
        outcome.settingsRestored = true;
        WriteOverrides(dataFolder, {});
        outcome.overridesEmptied = true;
    } catch (const Error& e) {
        outcome.error = e.what();
    }
    return outcome;
}

CustomizeFollowUp FollowUpAfterCustomize(bool wroteSettings, FramePage page, bool listOnly)
{
    CustomizeFollowUp followUp;
    if (!wroteSettings)
        return followUp;
    switch (page) {
    case FramePage::Cable:
        followUp.applyCablePreset = true;
        break;
    case FramePage::Accessories:
        // The wizard tabs are hidden in list-only mode; they are filled when it is left.
        followUp.reloadWizardLists = !listOnly;
        followUp.refreshAccessoryList = true;
        break;
    case FramePage::Other:
        followUp.refreshWhenAccessoriesShow = true;
        break;
    }
    return followUp;
}

} // namespace tav
