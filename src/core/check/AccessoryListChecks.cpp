// accessorylist.dat: the numbered sections of the list of materials, the items of every
// section and the names that appended items take.
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/AccessoryItems.h"

#include <array>
#include <set>

namespace tav::check {

namespace {

// The numbers of [Sections], each checked once.
std::set<std::string> CheckSectionNumbers(Context& c, const IniFile& f)
{
    const std::vector<std::string> sections = f.Section(kAccessorySectionsSection);
    if (sections.empty())
        c.Error(f.Whole(), std::string("no lines in [") + kAccessorySectionsSection +
                               "]; the accessory list and the list of materials stay empty");
    std::set<std::string> numbers;
    for (size_t j = 0; j < sections.size(); ++j) {
        const Place at = f.At(kAccessorySectionsSection, j);
        const std::string name(NameOfLine(sections[j]));
        if (!TryStrToInt(name))
            c.Warning(at, "section number " + Quote(name) +
                              " is not a whole number; the section jump box cannot follow it");
        if (!numbers.insert(name).second)
            c.Error(at, "section number " + name +
                            " is listed twice; the list of materials shows its items twice and counts them twice in "
                            "the total");
        if (LineValue(sections[j]).empty())
            c.Warning(at, "the caption of section " + name + " is empty; its heading is blank");
    }
    return numbers;
}

// The wizard files what it proposes under fixed section numbers.
void CheckWizardSections(Context& c, const IniFile& f, const std::set<std::string>& numbers)
{
    static const std::array<std::pair<const char*, const char*>, 7> wizardSections{{
        {"1", "mounting parts"},
        {"2", "hoisting grips"},
        {"3", "grounding kits"},
        {"4", "weatherproofing kits"},
        {"5", "cable-entry parts"},
        {"7", "GPS items"},
        {"8", "surge protectors"},
    }};
    for (const auto& [number, what] : wizardSections)
        if (!numbers.count(number))
            c.Error(f.Header(kAccessorySectionsSection),
                    std::string("[") + kAccessorySectionsSection + "] has no line " + number + "; the wizard files " +
                        what + " under " + number + ", and they never reach the list of materials");
}

void CheckItem(Context& c, const IniFile& f, const std::string& section, size_t j, std::string_view value,
               const std::set<std::string>& numbers)
{
    const Place at = f.At(section, j);
    const int closed = ClosedFields(value);
    if (closed < 3) {
        c.Error(at, "only " + IntToStr(closed) +
                        " fields closed by \"|\"; an item needs its part number, description and section number");
        return;
    }
    const std::string part = GetField(value, kItemPartField);
    if (part.empty())
        c.Error(at, "the part number (field 1) is empty; a quantity typed for the row orders nothing");
    else
        c.AddOffer(part, at, SectionOf(section, f.label), section, ListKind::AccessoryList);
    if (GetFieldView(value, kItemDescriptionField).empty())
        c.Warning(at, "the description (field 2) is empty; the row shows none");
    const std::string number = GetField(value, kItemSectionField);
    if (!numbers.empty() && !numbers.count(number))
        c.Error(at, "section number " + Quote(number) + " (field 3) is not in [" + kAccessorySectionsSection +
                        "]; the item never appears");
}

void CheckItems(Context& c, const IniFile& f, const std::set<std::string>& numbers)
{
    std::vector<std::string> itemSections{kAccessoryAllSection, "Air", "Foam", "Waveguide"};
    for (std::string& key :
         CableKeySections(c, f, {kAccessorySectionsSection, kAccessoryAllSection, "Air", "Foam", "Waveguide"}))
        itemSections.push_back(std::move(key));
    for (const std::string& section : itemSections) {
        const std::vector<std::string> items = f.Section(section);
        for (size_t j = 0; j < items.size(); ++j)
            CheckItem(c, f, section, j, LineValue(items[j]), numbers);
    }
}

// Appended items take the next decimal numbers as names; a cable key's own line with
// such a name hides the appended item behind its own.
void CheckAppendedNames(Context& c, const IniFile& f, const CableKey& key, const std::string& type,
                        std::set<int>& reported)
{
    const std::vector<AccessoryItem> assembled = AssembleAccessoryItems(*f.ini, key.key, type, LineList(), nullptr);
    for (size_t j = 0; j < assembled.size(); ++j) {
        if (!EqualsNoCase(assembled[j].fromSection, key.key))
            continue;
        const std::string_view name = NameOfLine(assembled[j].line);
        for (size_t k = 0; k < assembled.size(); ++k) {
            if (k == j || EqualsNoCase(assembled[k].fromSection, key.key) ||
                !EqualsNoCase(NameOfLine(assembled[k].line), name))
                continue;
            const Place at = f.At(assembled[j].fromSection, assembled[j].fromIndex);
            if (reported.insert(at.line).second)
                c.Warning(at, "line name " + Quote(name) + " is also the name the accessory list of " + key.key +
                                  " gives to the item of line " +
                                  IntToStr(f.At(assembled[k].fromSection, assembled[k].fromIndex).line) + " of [" +
                                  assembled[k].fromSection +
                                  "]; the list shows this line's item twice and never that one");
            break;
        }
    }
}

} // namespace

void CheckAccessoryList(Context& c)
{
    const IniFile& f = c.accessories;
    if (!f.loaded)
        return;
    const std::set<std::string> numbers = CheckSectionNumbers(c, f);
    if (!numbers.empty())
        CheckWizardSections(c, f, numbers);
    CheckItems(c, f, numbers);
    std::set<int> reported;
    for (const CableKey& key : c.keys)
        for (const std::string& type : key.typeCodes)
            CheckAppendedNames(c, f, key, type, reported);
}

} // namespace tav::check
