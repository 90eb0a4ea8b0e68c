#pragma once

#include "core/common/LineList.h"
#include "core/materials/AccessoryItems.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The most one row of the accessory list can order.
inline constexpr int kMaxListQuantity = 999999;

// One row of the accessory list page: a section heading or an item to order.
struct AccessoryListRow
{
    bool heading = false;
    std::string part; // a heading's caption
    std::string description;
    std::string section;
    int quantity = 0;
    bool useRecommended = false;
};

// The rows for the assembled items: for each section of the table in order, when an item
// is filed under it, its heading and then its items, each showing its own line's value.
// Obsolete items are listed only when keepObsolete is set, but still earn their section
// its heading.
std::vector<AccessoryListRow> LayOutAccessoryList(const std::vector<AccessoryItem>& items,
                                                  const std::vector<ListSection>& sections, const LineList& obsolete,
                                                  bool keepObsolete);

// A part and quantity read back from a project file.
struct ProjectItem
{
    std::string part;
    int quantity = 0;
};

// part -> the description a row added for it shows.
using DescriptionFn = std::function<std::string(std::string_view part)>;

// Puts reopened items back into the list and returns their selection records. Lines of
// one part are summed; a part whose sum is below 1 is not ordered. Each part is filed
// under the section of its row, which receives the quantity; a part without a row is
// filed under "1" (or the table's first section when there is no "1") and gets a row of
// its own under that heading, so going back to the list and on again keeps it.
std::vector<std::string> RestoreReopenedItems(std::vector<AccessoryListRow>& rows,
                                              const std::vector<ProjectItem>& items,
                                              const std::vector<ListSection>& sections, const DescriptionFn& describe);

// After the list was loaded again (settings changed under it): each row listed again
// takes the quantity and tick its part had before, and an ordered row that is no longer
// listed keeps its place under its section, so reloading never drops an order.
void CarryOverRows(std::vector<AccessoryListRow>& rows, const std::vector<AccessoryListRow>& before,
                   const std::vector<ListSection>& sections);

} // namespace tav
