#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The pages of the customize dialog as settings.dat holds them. Every load and every save
// opens settings.dat for itself and closes it again, so each step sees what the one
// before it wrote. The save functions return whether the file was rewritten.

inline constexpr int kHangerFamilyCount = 5;

// The first record of one hanger family (field 2 "1" to "5") in a cable key's section.
struct HangerFamily
{
    bool present = false;
    std::string partNumber;
    std::string spacing; // field 3 as stored
};
using HangerFamilies = std::array<HangerFamily, kHangerFamilyCount>;

// The spacing texts as stored; grounding and hoisting fall back to "200" and "150".
struct SpacingPages
{
    std::string grounding;
    std::string hoist;
    HangerFamilies families;
};

// The first record of each family among a section's lines (the value after "=").
HangerFamilies FindHangerFamilies(const std::vector<std::string>& sectionLines);

// Throws ConversionError when the spacing of a family that is shown is not a number,
// since no spin box can show it.
SpacingPages LoadSpacingPages(const std::string& dataFolder, std::string_view cableKey);

// Field 3 of every line of each family that has a new spacing, with the line's name and
// its other fields kept; lines of other families stay exactly as they were.
using FamilySpacings = std::array<std::optional<std::string>, kHangerFamilyCount>;
std::vector<std::string> WithHangerSpacings(std::vector<std::string> sectionLines, const FamilySpacings& spacings);

struct SpacingChanges
{
    std::string grounding;
    std::string hoist;
    FamilySpacings families; // only families whose shown spacing changed
};
// A cable key without a section gains none.
bool SaveSpacingPages(const std::string& dataFolder, std::string_view cableKey, const SpacingChanges& changes);

// Hanger spacings are decimal feet; grounding and hoisting spacings are integer keys,
// which read back as their default unless they hold a whole number.
enum class SpacingKind
{
    Decimal,
    Whole,
};

// Quantity rules divide by a spacing, so only a number above 0 (and whole where the key
// is an integer) can be used.
bool UsableSpacing(std::string_view text, SpacingKind kind);

// The number a spin box shows for a stored text; nothing when the text is no number.
std::optional<double> ShownSpacing(std::string_view stored, SpacingKind kind);

// What a spacing box saves: the stored text, byte for byte, while the box still shows
// what it showed after loading and that text is usable; otherwise the box's text.
std::string SpacingToSave(std::string_view stored, std::string_view shownAtLoad, std::string_view boxText,
                          SpacingKind kind);

// The warning for a spacing that cannot be saved, naming its page; nothing when it can.
std::optional<std::string> SpacingProblem(std::string_view text, SpacingKind kind, std::string_view pageCaption);

struct ObsoleteOptions
{
    bool warning = false;
    bool wizard = false;
    bool list = false;
};
ObsoleteOptions LoadObsoleteOptions(const std::string& dataFolder);
bool SaveObsoleteOptions(const std::string& dataFolder, const ObsoleteOptions& options);

// The start-up cable preset. The type is kept as stored; only 0, 1 and 2 mean a type.
struct SelectionOptions
{
    bool selectCable = false;
    int cableType = 1;
    std::string cableName;
};
SelectionOptions LoadSelectionOptions(const std::string& dataFolder, std::string_view defaultName);
bool SaveSelectionOptions(const std::string& dataFolder, const SelectionOptions& options);

// The transmission line on the list of materials and its cost on the cable page.
struct LineOptions
{
    bool onList = false;
    int wastePercent = 0; // 0 to 100
    std::string section;  // a section number; empty for the first section
    bool showCost = false;

    friend bool operator==(const LineOptions&, const LineOptions&) = default;
};
LineOptions LoadLineOptions(const std::string& dataFolder);
// Writes only the keys whose value the user changed from what was loaded, so an
// installation that never had them keeps going without them, and a key left alone keeps
// its stored text.
bool SaveLineOptions(const std::string& dataFolder, const LineOptions& loaded, const LineOptions& shown);

// Copies defaults.dat over settings.dat and, only once that has succeeded, empties
// advanced.dat, so a missing defaults.dat loses no override. Says how far it got, so
// the caller can show what was restored even when the second step failed.
struct RestoreOutcome
{
    bool settingsRestored = false;
    bool overridesEmptied = false;
    std::string error; // empty when both steps succeeded
};
RestoreOutcome RestoreDefaults(const std::string& dataFolder);

// What the main window does once the dialog has closed. The settings are read afresh by
// every computation, so only what the pages show now needs refreshing, and only when the
// dialog wrote something.
enum class FramePage
{
    Cable,
    Accessories,
    Other,
};
struct CustomizeFollowUp
{
    bool applyCablePreset = false;
    bool reloadWizardLists = false;
    bool refreshAccessoryList = false; // keeping the quantities the user typed
    // Out of sight behind the list of materials (or before the site is chosen): the
    // accessory pages and the accessory list take the settings when they next show.
    bool refreshWhenAccessoriesShow = false;
};
CustomizeFollowUp FollowUpAfterCustomize(bool wroteSettings, FramePage page, bool listOnly);

} // namespace tav
