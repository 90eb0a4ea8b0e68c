#pragma once

#include "core/materials/ListOfMaterials.h"
#include "core/materials/PriceList.h"

#include <map>
#include <string>
#include <vector>

namespace tav::test {

// The list the export golden files hold: two headings (one caption with a tab), a priced
// row whose description has "&", a "<M8>" a browser would take for a tag, a double quote
// and a tab, an unpriced row and a row without a price record.
inline ListOfMaterials ExportFixtureList()
{
    static const std::map<std::string, std::string, std::less<>> prices{
        {"AAD-3", "x|x|AAD-3|x|Adapter <M8> & nut, 3/8\"\tkit|12.5|"},
        {"EP4-12", "x|x|EP4-12|x|Entry Plate||"},
    };
    const auto price = [](std::string_view part) -> std::string_view {
        static const std::string empty = EmptyPriceRecord();
        const auto it = prices.find(part);
        return it == prices.end() ? std::string_view(empty) : std::string_view(it->second);
    };
    return BuildMaterials({"AAD-3|2|1|", "EP4-12|1|5|", "NOPE-1|3|5|"}, {{"1", "Mounting"}, {"5", "Cable\tEntry"}},
                          price);
}

// A heading and then priced item rows, rows in all.
inline ListOfMaterials ListWithRows(int rows)
{
    ListOfMaterials list;
    for (int r = 0; r < rows; ++r) {
        MaterialsRow row;
        if (r == 0) {
            row.kind = MaterialsRowKind::Heading;
            row.partNumber = "Mounting";
        } else {
            row = {MaterialsRowKind::Item,
                   "P-" + std::to_string(r),
                   "Part number " + std::to_string(r),
                   "$1.00",
                   "1",
                   "$1.00"};
        }
        list.rows.push_back(row);
    }
    list.total = "$" + std::to_string(rows > 0 ? rows - 1 : 0) + ".00";
    return list;
}

} // namespace tav::test
