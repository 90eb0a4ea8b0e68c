#pragma once

#include <string_view>

namespace tav {

// The INI-laid-out catalogue files that share one scheme (hoist.dat, cblEntry.dat,
// ground.dat, weather.dat, gps.dat): captions in "Categories", numbered part types in
// "Types", and the part records of one section key (a cable key, or "tline" for gps.dat).
inline constexpr const char* kCategoriesSection = "Categories";
inline constexpr const char* kTypesSection = "Types";
// gps.dat lists its records under this fixed key; they apply to every line.
inline constexpr const char* kGpsSectionKey = "tline";
// cblEntry.dat: the arrestor's part number, the same for every line.
inline constexpr const char* kArrestorSection = "Arrestor";
inline constexpr const char* kArrestorKey = "PN";
// Field 1 of every part record is its category key; hoist.dat and gps.dat keep the one
// part of a record in field 2.
inline constexpr int kRecordCategoryField = 1;
inline constexpr int kRecordPartField = 2;

// The text after the first "=" of a section line, the line's own value; empty for a line
// without one. (Lookups by name, which see the first line of a name, are in SectionLines.h.)
std::string_view LineValue(std::string_view line);

// Where a record keeps the part numbers of its numbered types: type t sits in field
// firstPartField + t - firstType, and the wizard reads typeCount types from firstType on.
struct TypedPartFields
{
    int firstPartField = 0;
    int firstType = 0;
    int typeCount = 0;

    int FieldOf(int type) const { return firstPartField + type - firstType; }
    int TypeOf(int field) const { return field - firstPartField + firstType; }
    int LastType() const { return firstType + typeCount - 1; }
};

// ground.dat gives each kit's wire length in inches (field 2) and in millimetres (field 3),
// shown by the unit of measure; weather.dat gives each kit's connector interface in field 2.
inline constexpr int kWireInchesField = 2;
inline constexpr int kWireMillimetresField = 3;
inline constexpr int kInterfaceField = 2;
constexpr int WireLengthField(bool meters)
{
    return meters ? kWireMillimetresField : kWireInchesField;
}

// cblEntry.dat: entry openings and plates are types 1 to 9 in fields 2 to 10; boots are
// types 10 on, from field 11, as many as "Types" has lines.
TypedPartFields EntryPlateFields();
TypedPartFields EntryBootFields(size_t typeLines);
// ground.dat: lug attachments from field 4 (fields 2 and 3 hold the wire lengths).
TypedPartFields GroundingKitFields(size_t typeLines);
// weather.dat: "Connects To:" types from field 3 (field 2 holds the interface type).
TypedPartFields WeatherproofingFields(size_t typeLines);

} // namespace tav
