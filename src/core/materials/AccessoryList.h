#pragma once

#include "core/common/LineList.h"
#include "core/materials/AccessoryItems.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The most one row of the accessory list can order: every whole number a project file
// holds, so none is changed on the way through the list.
inline constexpr int kMaxListQuantity = 2147483647;

// One row of the accessory list page: a section heading or an item to order.
struct AccessoryListRow
{
    bool heading = false;
    std::string part; // a heading's caption
    std::string description;
    std::string section;
    int quantity = 0;
    bool useRecommended = false;
    // Added for a reopened project's part that the list itself does not offer.
    bool reopened = false;
};

// The rows for the assembled items: for each section of the table in order, when an item
// is filed under it, its heading and then its items, each showing its own line's value.
// Obsolete items are listed only when keepObsolete is set, but still earn their section
// its heading.
std::vector<AccessoryListRow> LayOutAccessoryList(const std::vector<AccessoryItem>& items,
                                                  const std::vector<ListSection>& sections, const LineList& obsolete,
                                                  bool keepObsolete);

// A part and quantity read back from a project file, with the row number its line is
// named by (none when the name is no whole number). Consecutive rows were listed under one
// heading; a heading row leaves a gap.
struct ProjectItem
{
    std::string part;
    int quantity = 0;
    std::optional<int> row;
};

// part -> the description a row added for it shows.
using DescriptionFn = std::function<std::string(std::string_view part)>;

// The accessory list of a reopened project and the selection records of its items.
struct ReopenedList
{
    std::vector<AccessoryListRow> rows;
    std::vector<std::string> records; // "part|quantity|section|" per ordered part, in file order
};

// Puts reopened items into the list laid out for the assembled items. Lines of one part are
// summed; a part whose sum is below 1 is not ordered, and a sum beyond what a row holds
// throws ConversionError. A part is filed under the section of its first row, even one
// hidden as obsolete, which then shows with the quantity. A part without a row takes the
// section of the first part with one among the consecutive rows it was saved in (the items
// under one heading), else "1" (the table's first section when there is no "1"), and gets a
// row of its own at the end of that section, so going back to the list and on again keeps
// it. Every step costs one lookup per item.
ReopenedList RestoreReopenedItems(const std::vector<AccessoryItem>& items, const std::vector<ListSection>& sections,
                                  const LineList& obsolete, bool keepObsolete,
                                  const std::vector<ProjectItem>& projectItems, const DescriptionFn& describe);

// After the list was loaded again (settings changed under it): each row listed again
// takes the quantity and tick its part had before, and an ordered row that is no longer
// listed keeps its place under its section, so reloading never drops an order.
void CarryOverRows(std::vector<AccessoryListRow>& rows, const std::vector<AccessoryListRow>& before,
                   const std::vector<ListSection>& sections);

// part, section number text -> the recommended quantity.
using RecommendedQuantityFn = std::function<int(std::string_view part, std::string_view sectionText)>;

// Gives every ticked item row its recommended quantity.
void FillRecommended(std::vector<AccessoryListRow>& rows, const RecommendedQuantityFn& recommended);

// After the list was built again for new inputs: each row listed again (same part, same
// section) takes the quantity and tick it had before, the n-th such row of a part the n-th
// one's; a part the new list no longer offers drops out, but an ordered row added for a
// reopened project stays under its section. One lookup per row.
void CarryListedOrders(std::vector<AccessoryListRow>& rows, const std::vector<AccessoryListRow>& before,
                       const std::vector<ListSection>& sections);

} // namespace tav
