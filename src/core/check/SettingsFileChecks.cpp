// settings.dat and defaults.dat: the letter case of the fixed sections, the typed keys,
// the preset cable, the unit packs and the hanger records of every cable key.
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/settings/SettingsFile.h"

#include <algorithm>

namespace tav::check {

namespace {

// The typed keys of settings.dat as text, with what a reader falls back to.
struct NumberKey
{
    const char* section;
    const char* key;
    int fallback;
    const char* fallbackText;
};

void CheckSectionCase(Context& c, const IniFile& f)
{
    for (const char* section : {keys::SelectCable.section, keys::ObsoleteWarning.section,
                                keys::GroundingSpacing.section, keys::HoistSpacing.section, keys::kUnitPackSection}) {
        const IniLines::Section* s = f.lines.Find(section);
        if (s && s->name != section)
            c.Error(f.Header(section), "section [" + s->name + "] is looked up as [" + section +
                                           "], letter case included; the program reads the defaults instead and "
                                           "cannot keep what the customize dialog saves there");
    }
}

Place PlaceOfKey(const IniFile& f, const char* section, const char* key)
{
    const std::vector<std::string> lines = f.Section(section);
    const auto j = FindNamedLine(lines, key);
    return j ? f.At(section, *j) : f.Whole();
}

// A value that is not a whole number silently reads as the default.
std::optional<int> ReadNumber(Context& c, const IniFile& f, const NumberKey& k)
{
    constexpr const char* kAbsent = "\x01";
    const std::string raw = f.ini->ReadString(k.section, k.key, kAbsent);
    if (raw == kAbsent)
        return std::nullopt;
    const auto value = TBigIniFile::ParseIniInteger(raw);
    if (!value)
        c.Warning(PlaceOfKey(f, k.section, k.key), std::string(k.key) + " " + Quote(raw) +
                                                       " is not a whole number; the program uses the default " +
                                                       k.fallbackText);
    return value;
}

// Returns the cable type as read, or nothing when it is absent or no whole number.
std::optional<int> CheckNumberKeys(Context& c, const IniFile& f)
{
    for (const auto& k : {keys::SelectCable, keys::ObsoleteWarning, keys::ObsoleteWizard, keys::ObsoleteList})
        ReadNumber(c, f, {k.section, k.key, k.fallback ? 1 : 0, k.fallback ? "1" : "0"});

    const NumberKey typeKey{keys::SelectCableType.section, keys::SelectCableType.key, keys::SelectCableType.fallback,
                            "1"};
    const auto cableType = ReadNumber(c, f, typeKey);
    if (cableType && (*cableType < 0 || *cableType >= kCableTypeCount))
        c.Error(PlaceOfKey(f, typeKey.section, typeKey.key),
                std::string(typeKey.key) + " " + IntToStr(*cableType) +
                    " is not 0, 1 or 2 (Air Coax, Foam Coax, Elliptical Waveguide)");
    for (const auto& k : {keys::GroundingSpacing, keys::HoistSpacing, keys::UnitPackAll}) {
        const std::string fallback = IntToStr(k.fallback);
        const auto value = ReadNumber(c, f, {k.section, k.key, k.fallback, fallback.c_str()});
        if (value && *value <= 0)
            c.Error(PlaceOfKey(f, k.section, k.key),
                    std::string(k.key) + " " + IntToStr(*value) + " is not above 0; the quantity rules divide by it");
    }
    return cableType;
}

void CheckPresetCable(Context& c, const IniFile& f, std::optional<int> cableType)
{
    const std::string name = f.ini->ReadString(keys::SelectCableName.section, keys::SelectCableName.key, "");
    if (name.empty() || !c.tlines.loaded)
        return;
    const int type =
        cableType && *cableType >= 0 && *cableType < kCableTypeCount ? *cableType : keys::SelectCableType.fallback;
    const std::string code = CableTypeCode(type);
    const bool found = std::any_of(c.tlines.lines.begin(), c.tlines.lines.end(), [&](std::string_view line) {
        return EqualsNoCase(GetFieldView(line, 1), name) && ToUpper(GetFieldView(line, 5)) == code;
    });
    if (!found)
        c.Warning(PlaceOfKey(f, keys::SelectCableName.section, keys::SelectCableName.key),
                  std::string(keys::SelectCableName.key) + " " + name + " is not a " + code + " line of " +
                      BaseName(c.tlines.label) + "; the preset chooses the first cable of that type");
}

void CheckUnitPacks(Context& c, const IniFile& f)
{
    const std::vector<std::string> packs = f.Section(keys::kUnitPackSection);
    for (size_t j = 0; j < packs.size(); ++j) {
        if (EqualsNoCase(NameOfLine(packs[j]), keys::UnitPackAll.key))
            continue;
        const Place at = f.At(keys::kUnitPackSection, j);
        const std::string_view value = LineValue(packs[j]);
        if (ClosedFields(value) < 2) {
            c.Error(at, "fewer than 2 fields closed by \"|\"; the pack size reads as empty and quantities of the "
                        "part stop with a conversion error");
            continue;
        }
        const std::string_view size = GetFieldView(value, 2);
        const auto count = TryStrToInt(size);
        if (!count)
            c.Error(at, "pack size (field 2) " + Quote(size) +
                            " is not a whole number; quantities of the part stop with a conversion error");
        else if (*count <= 0)
            c.Error(at, "pack size " + IntToStr(*count) + " is not above 0; the quantity rules divide by it");
    }
}

void CheckHangerRecord(Context& c, const Place& at, std::string_view value)
{
    if (ClosedFields(value) < 3) {
        c.Error(at, "fewer than 3 fields closed by \"|\"; a hanger record needs part, family and spacing, and the "
                    "spacing reads as empty");
        return;
    }
    const std::string_view family = GetFieldView(value, 2);
    if (family.size() != 1 || family[0] < '1' || family[0] > '5')
        c.Warning(at,
                  "family " + Quote(family) + " (field 2) is not 1 to 5; the customize dialog never shows the record");
    const std::string_view spacing = GetFieldView(value, 3);
    const auto feet = TryStrToFloat(spacing);
    if (!feet)
        c.Error(at, "spacing (field 3) " + Quote(spacing) +
                        " is not a number; quantities of the part stop with a conversion error");
    else if (!(*feet > 0))
        c.Error(at, "spacing " + std::string(spacing) + " is not above 0; the quantity rules divide by it");
}

void CheckSettingsFile(Context& c, const IniFile& f)
{
    if (!f.loaded)
        return;
    CheckSectionCase(c, f);
    const std::optional<int> cableType = CheckNumberKeys(c, f);
    CheckPresetCable(c, f, cableType);
    CheckUnitPacks(c, f);
    for (const std::string& section :
         CableKeySections(c, f,
                          {keys::SelectCable.section, keys::ObsoleteWarning.section, keys::GroundingSpacing.section,
                           keys::HoistSpacing.section, keys::kUnitPackSection})) {
        const std::vector<std::string> records = f.Section(section);
        for (size_t j = 0; j < records.size(); ++j)
            CheckHangerRecord(c, f.At(section, j), LineValue(records[j]));
    }
}

} // namespace

void CheckSettingsFiles(Context& c)
{
    CheckSettingsFile(c, c.settings);
    if (!c.settings.loaded || !c.defaults.loaded)
        return;
    const auto settings = ReadFileBytes(c.dataFolder + "settings.dat");
    const auto defaults = ReadFileBytes(c.dataFolder + "defaults.dat");
    if (settings == defaults)
        return;
    c.Warning(c.defaults.Whole(), "differs from " + BaseName(c.settings.label) +
                                      "; \"Restore Defaults\" brings back these settings, not the shipped ones");
    CheckIniDialect(c, c.defaults);
    CheckSettingsFile(c, c.defaults);
}

} // namespace tav::check
