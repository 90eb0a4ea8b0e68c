#pragma once

#include "core/settings/IniStore.h"

#include <string>
#include <string_view>

namespace tav {

inline constexpr const char* kSettingsFileName = "settings.dat";
inline constexpr const char* kDefaultsFileName = "defaults.dat";

// One named setting of settings.dat: where it lives and what a reader gets when it is absent.
template <typename T> struct SettingKey
{
    const char* section;
    const char* key;
    T fallback;
};

// Every fixed key of settings.dat, spelled once.
namespace keys {
inline constexpr SettingKey<bool> SelectCable{"General", "SelectCable", false};
inline constexpr SettingKey<int> SelectCableType{"General", "SelectCableType", 1};
inline constexpr SettingKey<std::string_view> SelectCableName{"General", "SelectCableName", ""};
inline constexpr SettingKey<bool> ObsoleteWarning{"OldParts", "ObsoleteWarning", false};
inline constexpr SettingKey<bool> ObsoleteWizard{"OldParts", "ObsoleteWizard", false};
inline constexpr SettingKey<bool> ObsoleteList{"OldParts", "ObsoleteList", false};
inline constexpr SettingKey<int> GroundingSpacing{"Grounding", "Spacing", 200};
inline constexpr SettingKey<int> HoistSpacing{"Hoist", "Spacing", 150};
inline constexpr SettingKey<int> UnitPackAll{"UnitPack", "All", 10};
// The transmission line on the list of materials: whether it is offered, its waste
// allowance in percent, the section number it goes under (empty: the first section), and
// whether the cable page shows each line's installed cost.
inline constexpr SettingKey<bool> LineOnList{"General", "LineOnList", false};
inline constexpr SettingKey<int> LineWaste{"General", "LineWaste", 0};
inline constexpr SettingKey<std::string_view> LineSection{"General", "LineSection", ""};
inline constexpr SettingKey<bool> LineCost{"General", "LineCost", false};
// The section of the per-part unit-pack records ("part|count|").
inline constexpr const char* kUnitPackSection = "UnitPack";
} // namespace keys

// settings.dat of one data folder, opened for one operation. Close() writes it when
// something changed.
class SettingsFile
{
public:
    explicit SettingsFile(const std::string& dataFolder);

    bool Get(const SettingKey<bool>& k) { return ini_.ReadBool(k.section, k.key, k.fallback); }
    int Get(const SettingKey<int>& k) { return ini_.ReadInteger(k.section, k.key, k.fallback); }
    std::string Get(const SettingKey<std::string_view>& k) { return ini_.ReadString(k.section, k.key, k.fallback); }
    // The same keys with a caller's default (the customize dialog has its own).
    std::string Get(const SettingKey<std::string_view>& k, std::string_view fallback)
    {
        return ini_.ReadString(k.section, k.key, fallback);
    }
    // Integer keys read as text, with the default written out.
    std::string GetText(const SettingKey<int>& k);

    void Set(const SettingKey<bool>& k, bool v) { ini_.WriteBool(k.section, k.key, v); }
    void Set(const SettingKey<int>& k, int v) { ini_.WriteInteger(k.section, k.key, v); }
    void Set(const SettingKey<std::string_view>& k, std::string_view v) { ini_.WriteString(k.section, k.key, v); }
    void SetText(const SettingKey<int>& k, std::string_view v) { ini_.WriteString(k.section, k.key, v); }

    TBigIniFile& Ini() { return ini_; }
    void Close() { ini_.Close(); }

private:
    TBiggerIniFile ini_;
};

// Copies defaults.dat line by line over settings.dat (CR LF line ends). defaults.dat is
// read before anything is written, so a missing one leaves settings.dat untouched; the
// new file replaces the old one only when complete. Throws IoError.
void RestoreFactorySettings(const std::string& dataFolder);

} // namespace tav
