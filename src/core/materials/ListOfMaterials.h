#pragma once

#include "core/materials/AccessoryItems.h"
#include "core/materials/AccessoryList.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The priced list the program ends with: section headings and item rows, as the screen
// shows them and as saving, printing and exporting read them. Every text is the data's
// own bytes or one of the program's fixed texts.
enum class MaterialsRowKind
{
    Heading,
    Item,
};

struct MaterialsRow
{
    MaterialsRowKind kind = MaterialsRowKind::Item;
    std::string partNumber; // a heading's caption
    std::string description;
    std::string price;
    std::string quantity;
    std::string extended;

    bool IsHeading() const { return kind == MaterialsRowKind::Heading; }
    // The cell of a column, 0 to 4 in the order of kMaterialsHeadings.
    const std::string& Cell(int column) const;
};

inline constexpr int kMaterialsColumns = 5;
inline constexpr std::array<const char*, kMaterialsColumns> kMaterialsHeadings{"Part Number", "Description", "Price",
                                                                               "Quantity", "Extended"};
// The caption the total is shown, exported and copied under.
inline constexpr const char* kTotalCaption = "Total:";

inline constexpr const char* kNoPriceText = "N/A";
inline constexpr const char* kNoDescriptionText = "N/A";
inline constexpr const char* kAskForPriceText = "Contact Brimcor For Price";

struct ListOfMaterials
{
    std::vector<MaterialsRow> rows;
    std::string total = "$0.00";
    // An adapter was ordered, whose count assumes a number of runs per adapter.
    bool adapterNote = false;
};

// The three lines under the list that explain the adapter's count.
const std::vector<std::string>& AdapterNoteLines();

// The price record of a part: the first line with it, or the empty record.
using PriceRecordFn = std::function<std::string_view(std::string_view part)>;

// The wizard's fixed slots followed by one "part|quantity|section|" record for each item
// row of the accessory list with something ordered. A selection shorter than the slots
// gets its missing slots back empty.
std::vector<std::string> CollectListPicks(const std::vector<std::string>& selection,
                                          const std::vector<AccessoryListRow>& rows);

// One record per part number in order of first appearance, with the summed quantity and
// the section of its first record. Records without a part, and parts whose sum is below
// 1, are not ordered. Throws ConversionError for a quantity that is not a whole number and
// for a sum beyond 2147483647, which no quantity can hold.
std::vector<std::string> MergeByPart(const std::vector<std::string>& records);

// Groups the records under the headings of the sections table (a section only when it has
// an item to show), prices each from its price record and totals. A record whose section
// is not in the table, whose part is empty or whose quantity is below 1 is left out.
// Throws ConversionError for a quantity that is not a whole number or a unit price that
// is not a number; nothing is returned half built.
ListOfMaterials BuildMaterials(const std::vector<std::string>& records, const std::vector<ListSection>& sections,
                               const PriceRecordFn& priceRecord);

} // namespace tav
