// The INI-laid-out files: the dialect, mount.dat, the catalogue files, accessorylist.dat,
// settings.dat and defaults.dat.
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/MountCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/AccessoryItems.h"
#include "core/settings/SectionLines.h"
#include "core/settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace tav::check {

namespace {

std::string_view NameOfLine(std::string_view line)
{
    return LineName(line).value_or(line);
}

// Whether some line of a section has this name (ignoring case), as lookups by name see it.
bool HasName(const std::vector<std::string>& lines, std::string_view name)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find('=') != std::string::npos && EqualsNoCase(NameOfLine(line), name);
    });
}

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return EqualsNoCase(n, name); });
}

// The sections of a file that are not among its fixed ones must be cable keys; report
// those that are none. Returns the names of the sections that are.
std::vector<std::string> CableKeySections(Context& c, const IniFile& f, std::initializer_list<std::string_view> fixed)
{
    std::vector<std::string> sections;
    for (const IniLines::Section& s : f.lines.Sections()) {
        if (IsOneOf(s.name, fixed))
            continue;
        if (c.tlines.loaded && !c.FindKeyNoCase(s.name)) {
            c.Warning(f.Header(s.name), "section [" + s.name + "] belongs to no cable key of " +
                                            BaseName(c.tlines.label) + "; the program never reads it");
            continue;
        }
        sections.push_back(s.name);
    }
    return sections;
}

// Lookups by caption find the first line that has it, so a repeated caption hides the
// later line.
void CheckCaptionRepeats(Context& c, const IniFile& f, std::string_view section, std::string_view consequence)
{
    const std::vector<std::string> lines = f.Section(section);
    for (size_t j = 0; j < lines.size(); ++j) {
        const std::string_view caption = LineValue(lines[j]);
        if (caption.empty())
            continue;
        for (size_t k = 0; k < j; ++k) {
            if (LineValue(lines[k]) == caption) {
                c.Error(f.At(section, j), "caption " + Quote(caption) + " is also on line " +
                                              IntToStr(f.At(section, k).line) + "; " + std::string(consequence));
                break;
            }
        }
    }
}

} // namespace

void CheckIniDialect(Context& c, const IniFile& f)
{
    if (!f.loaded)
        return;
    for (const IniLines::Repeat& r : f.lines.Repeats())
        c.Warning({f.label, r.line}, "section [" + r.name + "] repeats the section of line " + IntToStr(r.firstLine) +
                                         " (names compare without regard to case); the program drops it with all "
                                         "its lines");
    for (const IniLines::Section& s : f.lines.Sections()) {
        const std::vector<std::string> lines = f.Section(s.name);
        for (size_t j = 0; j < lines.size(); ++j) {
            const Place at = f.At(s.name, j);
            const std::string& line = lines[j];
            if (line.find('=') == std::string::npos) {
                if (f.linesAreRecords)
                    c.Error(at, "the line has no \"=\"; the program still reads it as a line of [" + s.name +
                                    "], with an empty value");
                else
                    c.Warning(at, "the line has no \"=\"; no lookup by name finds it");
                continue;
            }
            const std::string_view name = NameOfLine(line);
            const std::string_view value = LineValue(line);
            if (HasOuterBlanks(name))
                c.Warning(at, "the name " + Quote(name) + " has blanks around it; names are compared as they stand");
            else if (value.find('|') != std::string_view::npos)
                WarnFieldBlanks(c, at, value);
            else if (f.linesAreRecords && HasOuterBlanks(value))
                c.Warning(at, "the value " + Quote(value) + " has blanks around it; values are read as they stand");
            for (size_t k = 0; k < j; ++k) {
                if (lines[k].find('=') != std::string::npos && EqualsNoCase(NameOfLine(lines[k]), name)) {
                    c.Warning(at, "line name " + Quote(name) + " is also on line " + IntToStr(f.At(s.name, k).line) +
                                      " of [" + s.name + "]; lookups by name only ever see that line's value");
                    break;
                }
            }
        }
    }
}

void CheckMountCatalogue(Context& c)
{
    const IniFile& m = c.mount;
    if (!m.loaded)
        return;
    const std::vector<std::string> types = m.Section(kMountTypesSection);
    const std::vector<std::string> attachments = m.Section(kAttachmentTypesSection);
    const std::vector<std::string> hardware = m.Section(kHardwareTypesSection);

    for (const char* side : {kVerticalStructuresSection, kHorizontalStructuresSection}) {
        const std::vector<std::string> lines = m.Section(side);
        const std::string page =
            side == kVerticalStructuresSection ? "\"Vertical Accessories\"" : "\"Horizontal Accessories\"";
        if (lines.empty())
            c.Error(m.Whole(),
                    "no lines in [" + std::string(side) + "]; the " + page + " page is hidden at every site");
        for (size_t j = 0; j < lines.size(); ++j) {
            const Place at = m.At(side, j);
            const std::string_view value = LineValue(lines[j]);
            const std::string word = GetField(value, 1);
            if (!IsOneOf(word, {"Tower", "Monopole", "RoofTop", "Parapet", "Custom"})) {
                c.Error(at,
                        "location " + Quote(word) +
                            " (field 1) is not Tower, Monopole, RoofTop, Parapet or Custom; the line is never used");
                continue;
            }
            for (size_t k = 0; k < j; ++k) {
                if (EqualsNoCase(GetFieldView(LineValue(lines[k]), 1), word)) {
                    c.Warning(at, "location " + word + " is also on line " + IntToStr(m.At(side, k).line) +
                                      "; only that line counts");
                    break;
                }
            }
            const int marks = ClosedFields(value) - 1;
            if (marks > static_cast<int>(types.size()))
                c.Warning(at, "the line has " + IntToStr(marks) + " mark fields, but [" + kMountTypesSection +
                                  "] has only " + IntToStr(static_cast<long long>(types.size())) +
                                  " lines; the extra marks offer nothing");
        }
    }

    if (types.empty())
        c.Error(m.Whole(), std::string("no lines in [") + kMountTypesSection + "]; the mount lists offer only \"N/A\"");
    for (size_t j = 0; j < types.size(); ++j) {
        const Place at = m.At(kMountTypesSection, j);
        const std::string_view value = LineValue(types[j]);
        const std::string caption = GetField(value, 1);
        if (caption.empty())
            c.Error(at, "the caption (field 1) is empty; the mount list shows an empty entry");
        else
            c.NeedCaptionPicture(caption, at);
        const int marks = ClosedFields(value) - 1;
        if (marks > static_cast<int>(attachments.size()))
            c.Warning(at, "the line has " + IntToStr(marks) + " mark fields, but [" + kAttachmentTypesSection +
                              "] has only " + IntToStr(static_cast<long long>(attachments.size())) +
                              " lines; the extra marks offer nothing");
    }

    // The columns that attachments and hardware take their parts from.
    std::set<int> columns;
    // A chosen attachment is found by its caption alone, a chosen hardware item by its
    // caption together with the mount and attachment it is offered for.
    const auto checkColumns = [&](const char* section, const std::vector<std::string>& lines, int columnField) {
        const bool byCaptionAlone = columnField == kAttachmentColumnField;
        std::map<std::string, std::pair<int, int>> columnOfCaption; // caption (and names) -> column, file line
        for (size_t j = 0; j < lines.size(); ++j) {
            const Place at = m.At(section, j);
            const std::string_view value = LineValue(lines[j]);
            const std::string caption = GetField(value, 1);
            const std::string_view text = GetFieldView(value, columnField);
            if (caption.empty())
                c.Error(at, "the caption (field 1) is empty; the list shows an empty entry");
            else
                c.NeedCaptionPicture(caption, at);
            const auto column = TryStrToInt(text);
            if (!column) {
                c.Error(at, "column (field " + IntToStr(columnField) + ") " + Quote(text) +
                                " is not a whole number; the mount pages stop with a conversion error");
                continue;
            }
            if (*column < 1) {
                c.Error(at, "column " + IntToStr(*column) + " (field " + IntToStr(columnField) +
                                ") names no column of the rows; the item is never offered");
                continue;
            }
            columns.insert(*column);
            const std::string key = byCaptionAlone ? caption
                                                   : caption + "|" + GetField(value, kHardwareMountField) + "|" +
                                                         GetField(value, kHardwareAttachmentField);
            const auto [it, added] = columnOfCaption.try_emplace(key, *column, at.line);
            if (!added && it->second.first != *column)
                c.Error(at, "caption " + Quote(caption) + " is also on line " + IntToStr(it->second.second) +
                                (byCaptionAlone ? std::string() : " for the same mount and attachment") +
                                " with column " + IntToStr(it->second.first) +
                                "; choosing it always orders the part of column " + IntToStr(it->second.first));
        }
    };
    checkColumns(kAttachmentTypesSection, attachments, kAttachmentColumnField);
    checkColumns(kHardwareTypesSection, hardware, kHardwareColumnField);

    for (size_t j = 0; j < hardware.size(); ++j) {
        const Place at = m.At(kHardwareTypesSection, j);
        const std::string_view value = LineValue(hardware[j]);
        const std::string mountName = GetField(value, kHardwareMountField);
        const std::string attachmentName = GetField(value, kHardwareAttachmentField);
        const auto named = [](const std::vector<std::string>& lines, std::string_view name) {
            return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
                return l.find('=') != std::string::npos && NameOfLine(l) == name;
            });
        };
        if (!named(types, mountName))
            c.Error(at, "mount type " + Quote(mountName) + " (field 2) is not a line name of [" + kMountTypesSection +
                            "]; the hardware is never offered");
        if (!named(attachments, attachmentName))
            c.Error(at, "attachment " + Quote(attachmentName) + " (field 3) is not a line name of [" +
                            kAttachmentTypesSection + "]; the hardware is never offered");
    }

    for (const IniLines::Section& s : m.lines.Sections()) {
        if (IsOneOf(s.name, {kVerticalStructuresSection, kHorizontalStructuresSection, kMountTypesSection,
                             kAttachmentTypesSection, kHardwareTypesSection}))
            continue;
        if (!c.tlines.loaded)
            break;
        if (!c.FindKey(s.name)) {
            // The same as no section for the key, which is a warning too.
            if (const CableKey* key = c.FindKeyNoCase(s.name))
                c.Warning(m.Header(s.name), "section [" + s.name + "] differs in letter case from cable key " +
                                                key->key + "; the row is looked up by its exact name, so " + key->key +
                                                " gets no mounting parts");
            else
                c.Warning(m.Header(s.name), "section [" + s.name + "] belongs to no cable key of " +
                                                BaseName(c.tlines.label) + "; the program never reads it");
            continue;
        }
        const std::vector<std::string> lines = m.Section(s.name);
        size_t rowIndex = lines.size();
        for (size_t j = 0; j < lines.size() && rowIndex == lines.size(); ++j)
            if (lines[j].find('=') != std::string::npos && EqualsNoCase(NameOfLine(lines[j]), kMountRowKey))
                rowIndex = j;
        if (rowIndex == lines.size())
            continue; // reported with the cable key's sections
        const Place at = m.At(s.name, rowIndex);
        const std::string row = ReadMountRow(*m.ini, s.name, kEmptyRowColumnsForParts);
        const int last = ClosedFields(row);
        for (int column = 1; column <= last; ++column) {
            const std::string_view text = GetFieldView(row, column);
            if (text.empty())
                continue;
            if (!columns.count(column)) {
                c.Warning(at, "column " + IntToStr(column) + " holds " + Quote(text) +
                                  ", but no attachment or hardware line names column " + IntToStr(column) +
                                  "; it is never offered");
                continue;
            }
            if (IsMultiPartEntry(text)) {
                const auto parts = MultiPartEntryParts(text);
                const bool threeClosed = std::count(text.begin(), text.end(), ',') == 3 && text.back() == ',' &&
                                         std::none_of(parts.begin(), parts.end(), [](auto& p) { return p.empty(); });
                if (!threeClosed)
                    c.Error(at, "column " + IntToStr(column) + " " + Quote(text) +
                                    " is not three part numbers each closed by \",\"; a part that reads as empty is "
                                    "never ordered");
            }
            for (const std::string& part : ColumnParts(row, column))
                c.AddOffer(part, at, SectionOf(s.name, m.label), s.name, ListKind::Wizard);
        }
    }
}

namespace {

enum class CatalogueKind
{
    Hoist,
    Entry,
    Ground,
    Weather,
    Gps,
};

void CheckCatalogueFile(Context& c, const IniFile& f, CatalogueKind kind)
{
    if (!f.loaded)
        return;
    const bool typed = kind == CatalogueKind::Entry || kind == CatalogueKind::Ground || kind == CatalogueKind::Weather;
    const std::vector<std::string> categories = f.Section(kCategoriesSection);
    const std::vector<std::string> types = f.Section(kTypesSection);

    if (categories.empty())
        c.Error(f.Whole(), std::string("no lines in [") + kCategoriesSection +
                               "]; the page's first list shows only empty entries and \"None\"");
    for (size_t j = 0; j < categories.size(); ++j) {
        const std::string caption(LineValue(categories[j]));
        const Place at = f.At(kCategoriesSection, j);
        if (caption.empty())
            c.Error(at, "the caption of category " + Quote(NameOfLine(categories[j])) +
                            " is empty; the list shows an empty entry");
        else if (kind == CatalogueKind::Hoist || kind == CatalogueKind::Ground || kind == CatalogueKind::Weather)
            c.NeedCaptionPicture(caption, at);
    }
    CheckCaptionRepeats(c, f, kCategoriesSection, "choosing it always resolves that line's category");

    if (typed) {
        if (types.empty())
            c.Error(f.Whole(), std::string("no lines in [") + kTypesSection + "]; no part of the file is ever offered");
        for (size_t j = 0; j < types.size(); ++j) {
            const Place at = f.At(kTypesSection, j);
            const std::string_view name = NameOfLine(types[j]);
            const std::string caption(LineValue(types[j]));
            const auto number = TryStrToInt(name);
            if (!number)
                c.Error(at, "type number " + Quote(name) +
                                " is not a whole number; choosing a part stops with a conversion error");
            if (caption.empty())
                c.Error(at, "the caption of type " + Quote(name) + " is empty; the list shows an empty entry");
            else if (kind == CatalogueKind::Entry && number && *number >= 1 && *number <= 9)
                c.NeedCaptionPicture(caption, at);
        }
        CheckCaptionRepeats(c, f, kTypesSection, "choosing it always orders that line's type");
    }

    std::vector<std::string> sections;
    if (kind == CatalogueKind::Gps) {
        for (const IniLines::Section& s : f.lines.Sections())
            if (!IsOneOf(s.name, {kCategoriesSection, kTypesSection, kGpsSectionKey}))
                c.Warning(f.Header(s.name), "section [" + s.name + "] is never read; the GPS items are listed under [" +
                                                kGpsSectionKey + "]");
        if (!f.HasLines(kGpsSectionKey))
            c.Warning(f.Whole(),
                      std::string("no lines in [") + kGpsSectionKey + "]; the GPS page offers only \"None\"");
        else
            sections.push_back(kGpsSectionKey);
    } else {
        sections = CableKeySections(c, f, {kCategoriesSection, kTypesSection, kArrestorSection});
    }

    const TypedPartFields plates = kind == CatalogueKind::Entry    ? EntryPlateFields()
                                   : kind == CatalogueKind::Ground ? GroundingKitFields(types.size())
                                                                   : WeatherproofingFields(types.size());
    const TypedPartFields boots = EntryBootFields(types.size());
    for (const std::string& section : sections) {
        const std::vector<std::string> records = f.Section(section);
        const std::string list = SectionOf(section, f.label);
        for (size_t j = 0; j < records.size(); ++j) {
            const Place at = f.At(section, j);
            const std::string_view value = LineValue(records[j]);
            const std::string category = GetField(value, kRecordCategoryField);
            if (!HasName(categories, category))
                c.Error(at, "category " + Quote(category) + " (field 1) has no line in [" + kCategoriesSection +
                                "]; the list shows an empty entry for it");
            if (!typed) {
                const std::string part = GetField(value, kRecordPartField);
                if (part.empty())
                    c.Error(at, "no part number (field 2); its category is offered but orders nothing");
                else
                    c.AddOffer(part, at, list, section, ListKind::Wizard);
                continue;
            }
            if (kind == CatalogueKind::Ground) {
                for (int field : {2, 3}) {
                    const std::string_view length = GetFieldView(value, field);
                    if (length.empty())
                        c.Error(at, "the wire length (field " + IntToStr(field) +
                                        ") is empty; the length list shows an empty entry");
                    else if (!TryStrToFloat(length))
                        c.Warning(at, "the wire length (field " + IntToStr(field) + ") " + Quote(length) +
                                          " is not a number");
                }
            }
            if (kind == CatalogueKind::Weather && GetFieldView(value, 2).empty())
                c.Error(at, "the interface type (field 2) is empty; the interface list shows an empty entry");

            const int last = ClosedFields(value);
            for (int field = plates.firstPartField; field <= last; ++field) {
                const std::string part = GetField(value, field);
                if (part.empty())
                    continue;
                const TypedPartFields& layout =
                    kind == CatalogueKind::Entry && field >= boots.firstPartField ? boots : plates;
                const int type = layout.TypeOf(field);
                if (type > layout.LastType()) {
                    c.Error(at, "part " + part + " in field " + IntToStr(field) + " (type " + IntToStr(type) +
                                    ") is never offered: the wizard reads " +
                                    (layout.typeCount > 0
                                         ? "types " + IntToStr(layout.firstType) + " to " + IntToStr(layout.LastType())
                                         : std::string("none of these types")) +
                                    " here");
                    continue;
                }
                if (!HasName(types, IntToStr(type))) {
                    c.Error(at, "part " + part + " in field " + IntToStr(field) + ": type " + IntToStr(type) +
                                    " has no line in [" + kTypesSection + "]; the list shows an empty entry for it");
                    continue;
                }
                c.AddOffer(part, at, list, section, ListKind::Wizard);
            }
        }
    }

    if (kind == CatalogueKind::Entry) {
        const std::string part = f.ini->ReadString(kArrestorSection, kArrestorKey, "");
        std::vector<std::string> lines = f.Section(kArrestorSection);
        Place at = f.Header(kArrestorSection);
        for (size_t j = 0; j < lines.size(); ++j)
            if (EqualsNoCase(NameOfLine(lines[j]), kArrestorKey))
                at = f.At(kArrestorSection, j);
        if (at.line == 0)
            at = f.Whole();
        if (part.empty())
            c.Error(at, std::string("no arrestor part number ([") + kArrestorSection + "] " + kArrestorKey +
                            "); an arrestor quantity above 0 orders nothing");
        else
            c.AddOffer(part, at, SectionOf(kArrestorSection, f.label), kArrestorSection, ListKind::Arrestor);
    }
}

} // namespace

void CheckCatalogueFiles(Context& c)
{
    CheckCatalogueFile(c, c.hoist, CatalogueKind::Hoist);
    CheckCatalogueFile(c, c.entry, CatalogueKind::Entry);
    CheckCatalogueFile(c, c.ground, CatalogueKind::Ground);
    CheckCatalogueFile(c, c.weather, CatalogueKind::Weather);
    CheckCatalogueFile(c, c.gps, CatalogueKind::Gps);
}

void CheckAccessoryList(Context& c)
{
    const IniFile& f = c.accessories;
    if (!f.loaded)
        return;
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
    if (!sections.empty()) {
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
                c.Error(f.Header(kAccessorySectionsSection), std::string("[") + kAccessorySectionsSection +
                                                                 "] has no line " + number + "; the wizard files " +
                                                                 what + " under " + number +
                                                                 ", and they never reach the list of materials");
    }

    std::vector<std::string> itemSections{kAccessoryAllSection, "Air", "Foam", "Waveguide"};
    for (std::string& key :
         CableKeySections(c, f, {kAccessorySectionsSection, kAccessoryAllSection, "Air", "Foam", "Waveguide"}))
        itemSections.push_back(std::move(key));
    for (const std::string& section : itemSections) {
        const std::vector<std::string> items = f.Section(section);
        for (size_t j = 0; j < items.size(); ++j) {
            const Place at = f.At(section, j);
            const std::string_view value = LineValue(items[j]);
            const int closed = ClosedFields(value);
            if (closed < 3) {
                c.Error(at, "only " + IntToStr(closed) +
                                " fields closed by \"|\"; an item needs its part number, description and section "
                                "number");
                continue;
            }
            const std::string part = GetField(value, kItemPartField);
            if (part.empty())
                c.Error(at, "the part number (field 1) is empty; a quantity typed for the row orders nothing");
            else
                c.AddOffer(part, at, SectionOf(section, f.label), section, ListKind::AccessoryList);
            if (GetFieldView(value, kItemDescriptionField).empty())
                c.Warning(at, "the description (field 2) is empty; the row shows none");
            const std::string number = GetField(value, kItemSectionField);
            if (!sections.empty() && !numbers.count(number))
                c.Error(at, "section number " + Quote(number) + " (field 3) is not in [" + kAccessorySectionsSection +
                                "]; the item never appears");
        }
    }

    // Appended items take the next decimal numbers as names; a cable key's own line with
    // such a name hides the appended item behind its own.
    std::set<int> reported;
    for (const CableKey& key : c.keys) {
        for (const std::string& type : key.typeCodes) {
            const std::vector<AccessoryItem> assembled =
                AssembleAccessoryItems(*f.ini, key.key, type, LineList(), nullptr);
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
                        c.Warning(at, "line name " + Quote(name) + " is also the name the accessory list of " +
                                          key.key + " gives to the item of line " +
                                          IntToStr(f.At(assembled[k].fromSection, assembled[k].fromIndex).line) +
                                          " of [" + assembled[k].fromSection +
                                          "]; the list shows this line's item twice and never that one");
                    break;
                }
            }
        }
    }
}

namespace {

// The typed keys of settings.dat as text, with what a reader falls back to.
struct NumberKey
{
    const char* section;
    const char* key;
    int fallback;
    const char* fallbackText;
};

void CheckSettingsFile(Context& c, const IniFile& f)
{
    if (!f.loaded)
        return;
    TBigIniFile& ini = *f.ini;
    for (const char* section : {keys::SelectCable.section, keys::ObsoleteWarning.section,
                                keys::GroundingSpacing.section, keys::HoistSpacing.section, keys::kUnitPackSection}) {
        const IniLines::Section* s = f.lines.Find(section);
        if (s && s->name != section)
            c.Error(f.Header(section), "section [" + s->name + "] is looked up as [" + section +
                                           "], letter case included; the program reads the defaults instead and "
                                           "cannot keep what the customize dialog saves there");
    }

    const auto placeOf = [&](const char* section, const char* key) {
        const std::vector<std::string> lines = f.Section(section);
        for (size_t j = 0; j < lines.size(); ++j)
            if (lines[j].find('=') != std::string::npos && EqualsNoCase(NameOfLine(lines[j]), key))
                return f.At(section, j);
        return f.Whole();
    };
    // A value that is not a whole number silently reads as the default.
    const auto readNumber = [&](const NumberKey& k) -> std::optional<int> {
        constexpr const char* kAbsent = "\x01";
        const std::string raw = ini.ReadString(k.section, k.key, kAbsent);
        if (raw == kAbsent)
            return std::nullopt;
        const auto value = TBigIniFile::ParseIniInteger(raw);
        if (!value)
            c.Warning(placeOf(k.section, k.key), std::string(k.key) + " " + Quote(raw) +
                                                     " is not a whole number; the program uses the default " +
                                                     k.fallbackText);
        return value;
    };
    const auto boolKey = [](const SettingKey<bool>& k) {
        return NumberKey{k.section, k.key, k.fallback ? 1 : 0, k.fallback ? "1" : "0"};
    };
    for (const auto& k : {keys::SelectCable, keys::ObsoleteWarning, keys::ObsoleteWizard, keys::ObsoleteList})
        readNumber(boolKey(k));

    const NumberKey typeKey{keys::SelectCableType.section, keys::SelectCableType.key, keys::SelectCableType.fallback,
                            "1"};
    const auto cableType = readNumber(typeKey);
    if (cableType && (*cableType < 0 || *cableType >= kCableTypeCount))
        c.Error(placeOf(typeKey.section, typeKey.key),
                std::string(typeKey.key) + " " + IntToStr(*cableType) +
                    " is not 0, 1 or 2 (Air Coax, Foam Coax, Elliptical Waveguide)");
    for (const auto& k : {keys::GroundingSpacing, keys::HoistSpacing, keys::UnitPackAll}) {
        const std::string fallback = IntToStr(k.fallback);
        const auto value = readNumber({k.section, k.key, k.fallback, fallback.c_str()});
        if (value && *value <= 0)
            c.Error(placeOf(k.section, k.key),
                    std::string(k.key) + " " + IntToStr(*value) + " is not above 0; the quantity rules divide by it");
    }

    const std::string name = ini.ReadString(keys::SelectCableName.section, keys::SelectCableName.key, "");
    if (!name.empty() && c.tlines.loaded) {
        const int type =
            cableType && *cableType >= 0 && *cableType < kCableTypeCount ? *cableType : keys::SelectCableType.fallback;
        const std::string code = CableTypeCode(type);
        const bool found = std::any_of(c.tlines.lines.begin(), c.tlines.lines.end(), [&](std::string_view line) {
            return EqualsNoCase(GetFieldView(line, 1), name) && ToUpper(GetFieldView(line, 5)) == code;
        });
        if (!found)
            c.Warning(placeOf(keys::SelectCableName.section, keys::SelectCableName.key),
                      std::string(keys::SelectCableName.key) + " " + name + " is not a " + code + " line of " +
                          BaseName(c.tlines.label) + "; the preset chooses the first cable of that type");
    }

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

    for (const std::string& section :
         CableKeySections(c, f,
                          {keys::SelectCable.section, keys::ObsoleteWarning.section, keys::GroundingSpacing.section,
                           keys::HoistSpacing.section, keys::kUnitPackSection})) {
        const std::vector<std::string> records = f.Section(section);
        for (size_t j = 0; j < records.size(); ++j) {
            const Place at = f.At(section, j);
            const std::string_view value = LineValue(records[j]);
            if (ClosedFields(value) < 3) {
                c.Error(at, "fewer than 3 fields closed by \"|\"; a hanger record needs part, family and spacing, "
                            "and the spacing reads as empty");
                continue;
            }
            const std::string_view family = GetFieldView(value, 2);
            if (family.size() != 1 || family[0] < '1' || family[0] > '5')
                c.Warning(at, "family " + Quote(family) +
                                  " (field 2) is not 1 to 5; the customize dialog never "
                                  "shows the record");
            const std::string_view spacing = GetFieldView(value, 3);
            const auto feet = TryStrToFloat(spacing);
            if (!feet)
                c.Error(at, "spacing (field 3) " + Quote(spacing) +
                                " is not a number; quantities of the part stop with a conversion error");
            else if (!(*feet > 0))
                c.Error(at, "spacing " + std::string(spacing) + " is not above 0; the quantity rules divide by it");
        }
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
