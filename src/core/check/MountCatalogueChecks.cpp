// mount.dat: the structures of each side, the mount, attachment and hardware types, and
// the row of parts of each cable key.
#include "core/catalog/CatalogueFile.h"
#include "core/catalog/MountCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/check/CheckContext.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"

#include <algorithm>
#include <map>
#include <set>

namespace tav::check {

namespace {

// Each mark field of a line stands for a line of the next list; marks beyond it offer nothing.
void WarnExtraMarks(Context& c, const Place& at, std::string_view value, const char* section, size_t lines)
{
    const int marks = ClosedFields(value) - 1;
    if (marks > static_cast<int>(lines))
        c.Warning(at, "the line has " + IntToStr(marks) + " mark fields, but [" + section + "] has only " +
                          IntToStr(static_cast<long long>(lines)) + " lines; the extra marks offer nothing");
}

void CheckStructures(Context& c, const char* side, size_t mountTypes)
{
    const IniFile& m = c.mount;
    const std::vector<std::string> lines = m.Section(side);
    const std::string page =
        side == kVerticalStructuresSection ? "\"Vertical Accessories\"" : "\"Horizontal Accessories\"";
    if (lines.empty())
        c.Error(m.Whole(), "no lines in [" + std::string(side) + "]; the " + page + " page is hidden at every site");
    for (size_t j = 0; j < lines.size(); ++j) {
        const Place at = m.At(side, j);
        const std::string_view value = LineValue(lines[j]);
        const std::string word = GetField(value, 1);
        if (!IsOneOf(word, {"Tower", "Monopole", "RoofTop", "Parapet", "Custom"})) {
            c.Error(at, "location " + Quote(word) +
                            " (field 1) is not Tower, Monopole, RoofTop, Parapet or Custom; the line is never used");
            continue;
        }
        const auto sameWord = [&](std::string_view other) {
            return EqualsNoCase(GetFieldView(LineValue(other), 1), word);
        };
        if (const auto k = EarlierLine(lines, j, sameWord))
            c.Warning(at, "location " + word + " is also on line " + IntToStr(m.At(side, *k).line) +
                              "; only that line counts");
        WarnExtraMarks(c, at, value, kMountTypesSection, mountTypes);
    }
}

void CheckMountTypes(Context& c, const std::vector<std::string>& types, size_t attachments)
{
    const IniFile& m = c.mount;
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
        WarnExtraMarks(c, at, value, kAttachmentTypesSection, attachments);
    }
}

// Attachments and hardware name the column of the rows their parts come from. A chosen
// attachment is found by its caption alone, a chosen hardware item by its caption
// together with the mount and attachment it is offered for.
void CheckColumnSection(Context& c, const char* section, const std::vector<std::string>& lines, int columnField,
                        std::set<int>& columns)
{
    const IniFile& m = c.mount;
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
                            (byCaptionAlone ? std::string() : " for the same mount and attachment") + " with column " +
                            IntToStr(it->second.first) + "; choosing it always orders the part of column " +
                            IntToStr(it->second.first));
    }
}

// Hardware names its mount and attachment by their line names, letter case included.
bool HasExactName(const std::vector<std::string>& lines, std::string_view name)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find('=') != std::string::npos && NameOfLine(line) == name;
    });
}

void CheckHardwareNames(Context& c, const std::vector<std::string>& hardware, const std::vector<std::string>& types,
                        const std::vector<std::string>& attachments)
{
    for (size_t j = 0; j < hardware.size(); ++j) {
        const Place at = c.mount.At(kHardwareTypesSection, j);
        const std::string_view value = LineValue(hardware[j]);
        const std::string mountName = GetField(value, kHardwareMountField);
        const std::string attachmentName = GetField(value, kHardwareAttachmentField);
        if (!HasExactName(types, mountName))
            c.Error(at, "mount type " + Quote(mountName) + " (field 2) is not a line name of [" + kMountTypesSection +
                            "]; the hardware is never offered");
        if (!HasExactName(attachments, attachmentName))
            c.Error(at, "attachment " + Quote(attachmentName) + " (field 3) is not a line name of [" +
                            kAttachmentTypesSection + "]; the hardware is never offered");
    }
}

// A multi-part entry must close each of its three parts with ",", or one reads as empty.
void CheckMultiPartEntry(Context& c, const Place& at, int column, std::string_view text)
{
    if (!IsMultiPartEntry(text))
        return;
    const auto parts = MultiPartEntryParts(text);
    const bool threeClosed = std::count(text.begin(), text.end(), ',') == 3 && text.back() == ',' &&
                             std::none_of(parts.begin(), parts.end(), [](auto& p) { return p.empty(); });
    if (!threeClosed)
        c.Error(at, "column " + IntToStr(column) + " " + Quote(text) +
                        " is not three part numbers each closed by \",\"; a part that reads as empty is never ordered");
}

void CheckMountRow(Context& c, const std::string& section, const std::set<int>& columns)
{
    const IniFile& m = c.mount;
    const auto rowIndex = FindNamedLine(m.Section(section), kMountRowKey);
    if (!rowIndex)
        return; // reported with the cable key's sections
    const Place at = m.At(section, *rowIndex);
    const std::string row = ReadMountRow(*m.ini, section, kEmptyRowColumnsForParts);
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
        CheckMultiPartEntry(c, at, column, text);
        for (const std::string& part : ColumnParts(row, column))
            c.AddOffer(part, at, SectionOf(section, m.label), section, ListKind::Wizard);
    }
}

void CheckMountRows(Context& c, const std::set<int>& columns)
{
    const IniFile& m = c.mount;
    for (const IniLines::Section& s : m.lines.Sections()) {
        if (IsOneOf(s.name, {kVerticalStructuresSection, kHorizontalStructuresSection, kMountTypesSection,
                             kAttachmentTypesSection, kHardwareTypesSection}))
            continue;
        if (!c.tlines.loaded)
            break;
        if (c.FindKey(s.name)) {
            CheckMountRow(c, s.name, columns);
            continue;
        }
        // The same as no section for the key, which is a warning too.
        if (const CableKey* key = c.FindKeyNoCase(s.name))
            c.Warning(m.Header(s.name), "section [" + s.name + "] differs in letter case from cable key " + key->key +
                                            "; the row is looked up by its exact name, so " + key->key +
                                            " gets no mounting parts");
        else
            c.Warning(m.Header(s.name), "section [" + s.name + "] belongs to no cable key of " +
                                            BaseName(c.tlines.label) + "; the program never reads it");
    }
}

} // namespace

void CheckMountCatalogue(Context& c)
{
    const IniFile& m = c.mount;
    if (!m.loaded)
        return;
    const std::vector<std::string> types = m.Section(kMountTypesSection);
    const std::vector<std::string> attachments = m.Section(kAttachmentTypesSection);
    const std::vector<std::string> hardware = m.Section(kHardwareTypesSection);
    for (const char* side : {kVerticalStructuresSection, kHorizontalStructuresSection})
        CheckStructures(c, side, types.size());
    CheckMountTypes(c, types, attachments.size());
    // The columns that attachments and hardware take their parts from.
    std::set<int> columns;
    CheckColumnSection(c, kAttachmentTypesSection, attachments, kAttachmentColumnField, columns);
    CheckColumnSection(c, kHardwareTypesSection, hardware, kHardwareColumnField, columns);
    CheckHardwareNames(c, hardware, types, attachments);
    CheckMountRows(c, columns);
}

} // namespace tav::check
