// The catalogue files of the wizard pages: hoist.dat, cblEntry.dat, ground.dat,
// weather.dat and gps.dat.
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"

namespace tav::check {

namespace {

enum class CatalogueKind
{
    Hoist,
    Entry,
    Ground,
    Weather,
    Gps,
};

// Entry plates, grounding kits and weatherproofing kits offer parts by type.
bool IsTyped(CatalogueKind kind)
{
    return kind == CatalogueKind::Entry || kind == CatalogueKind::Ground || kind == CatalogueKind::Weather;
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
        if (const auto k = EarlierLine(lines, j, [&](std::string_view other) { return LineValue(other) == caption; }))
            c.Error(f.At(section, j), "caption " + Quote(caption) + " is also on line " +
                                          IntToStr(f.At(section, *k).line) + "; " + std::string(consequence));
    }
}

void CheckCategories(Context& c, const IniFile& f, CatalogueKind kind, const std::vector<std::string>& categories)
{
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
}

void CheckTypes(Context& c, const IniFile& f, CatalogueKind kind, const std::vector<std::string>& types)
{
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

// The sections whose lines are records: the GPS file keeps them under one fixed section,
// the others under each cable key.
std::vector<std::string> RecordSections(Context& c, const IniFile& f, CatalogueKind kind)
{
    if (kind != CatalogueKind::Gps)
        return CableKeySections(c, f, {kCategoriesSection, kTypesSection, kArrestorSection});
    for (const IniLines::Section& s : f.lines.Sections())
        if (!IsOneOf(s.name, {kCategoriesSection, kTypesSection, kGpsSectionKey}))
            c.Warning(f.Header(s.name), "section [" + s.name + "] is never read; the GPS items are listed under [" +
                                            kGpsSectionKey + "]");
    if (f.HasLines(kGpsSectionKey))
        return {kGpsSectionKey};
    c.Warning(f.Whole(), std::string("no lines in [") + kGpsSectionKey + "]; the GPS page offers only \"None\"");
    return {};
}

// What a record of a file is read against.
struct RecordLayout
{
    CatalogueKind kind;
    const std::vector<std::string>& categories;
    const std::vector<std::string>& types;
    TypedPartFields plates;
    TypedPartFields boots;
};

void CheckTypedParts(Context& c, const Place& at, std::string_view value, const RecordLayout& layout,
                     const std::string& list, const std::string& section)
{
    const int last = ClosedFields(value);
    for (int field = layout.plates.firstPartField; field <= last; ++field) {
        const std::string part = GetField(value, field);
        if (part.empty())
            continue;
        const TypedPartFields& fields =
            layout.kind == CatalogueKind::Entry && field >= layout.boots.firstPartField ? layout.boots : layout.plates;
        const int type = fields.TypeOf(field);
        if (type > fields.LastType()) {
            c.Error(at, "part " + part + " in field " + IntToStr(field) + " (type " + IntToStr(type) +
                            ") is never offered: the wizard reads " +
                            (fields.typeCount > 0
                                 ? "types " + IntToStr(fields.firstType) + " to " + IntToStr(fields.LastType())
                                 : std::string("none of these types")) +
                            " here");
            continue;
        }
        if (!HasName(layout.types, IntToStr(type))) {
            c.Error(at, "part " + part + " in field " + IntToStr(field) + ": type " + IntToStr(type) +
                            " has no line in [" + kTypesSection + "]; the list shows an empty entry for it");
            continue;
        }
        c.AddOffer(part, at, list, section, ListKind::Wizard);
    }
}

void CheckWireLengths(Context& c, const Place& at, std::string_view value)
{
    for (int field : {kWireInchesField, kWireMillimetresField}) {
        const std::string_view length = GetFieldView(value, field);
        if (length.empty())
            c.Error(at,
                    "the wire length (field " + IntToStr(field) + ") is empty; the length list shows an empty entry");
        else if (!TryStrToFloat(length))
            c.Warning(at, "the wire length (field " + IntToStr(field) + ") " + Quote(length) + " is not a number");
    }
}

void CheckRecord(Context& c, const Place& at, std::string_view value, const RecordLayout& layout,
                 const std::string& list, const std::string& section)
{
    const std::string category = GetField(value, kRecordCategoryField);
    if (!HasName(layout.categories, category))
        c.Error(at, "category " + Quote(category) + " (field 1) has no line in [" + kCategoriesSection +
                        "]; the list shows an empty entry for it");
    if (!IsTyped(layout.kind)) {
        const std::string part = GetField(value, kRecordPartField);
        if (part.empty())
            c.Error(at, "no part number (field 2); its category is offered but orders nothing");
        else
            c.AddOffer(part, at, list, section, ListKind::Wizard);
        return;
    }
    if (layout.kind == CatalogueKind::Ground)
        CheckWireLengths(c, at, value);
    if (layout.kind == CatalogueKind::Weather && GetFieldView(value, kInterfaceField).empty())
        c.Error(at, "the interface type (field 2) is empty; the interface list shows an empty entry");
    CheckTypedParts(c, at, value, layout, list, section);
}

void CheckArrestor(Context& c, const IniFile& f)
{
    const std::string part = f.ini->ReadString(kArrestorSection, kArrestorKey, "");
    const std::vector<std::string> lines = f.Section(kArrestorSection);
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

void CheckCatalogueFile(Context& c, const IniFile& f, CatalogueKind kind)
{
    if (!f.loaded)
        return;
    const std::vector<std::string> categories = f.Section(kCategoriesSection);
    const std::vector<std::string> types = f.Section(kTypesSection);
    CheckCategories(c, f, kind, categories);
    if (IsTyped(kind))
        CheckTypes(c, f, kind, types);

    const RecordLayout layout{kind, categories, types,
                              kind == CatalogueKind::Entry    ? EntryPlateFields()
                              : kind == CatalogueKind::Ground ? GroundingKitFields(types.size())
                                                              : WeatherproofingFields(types.size()),
                              EntryBootFields(types.size())};
    for (const std::string& section : RecordSections(c, f, kind)) {
        const std::vector<std::string> records = f.Section(section);
        const std::string list = SectionOf(section, f.label);
        for (size_t j = 0; j < records.size(); ++j)
            CheckRecord(c, f.At(section, j), LineValue(records[j]), layout, list, section);
    }
    if (kind == CatalogueKind::Entry)
        CheckArrestor(c, f);
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

} // namespace tav::check
