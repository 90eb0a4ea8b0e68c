#include "core/materials/AccessoryList.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace tav {

namespace {

bool InTable(const std::vector<ListSection>& sections, std::string_view number)
{
    return std::any_of(sections.begin(), sections.end(), [&](const ListSection& s) { return s.number == number; });
}

// Where a row of the section goes: after the section's last row, or, when the section
// has no heading yet, before the first heading of a later section.
size_t InsertionPoint(const std::vector<AccessoryListRow>& rows, const std::vector<ListSection>& sections,
                      std::string_view section, bool& hasHeading)
{
    hasHeading = false;
    std::optional<size_t> afterLast;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].section == section) {
            hasHeading = hasHeading || rows[i].heading;
            afterLast = i + 1;
        }
    }
    if (afterLast)
        return *afterLast;
    const auto order = [&](std::string_view number) {
        const auto it =
            std::find_if(sections.begin(), sections.end(), [&](const ListSection& s) { return s.number == number; });
        return static_cast<size_t>(it - sections.begin());
    };
    const size_t mine = order(section);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].heading && order(rows[i].section) > mine)
            return i;
    return rows.size();
}

// Puts an item row under its section's heading, adding the heading when the list has none.
void InsertUnderSection(std::vector<AccessoryListRow>& rows, const std::vector<ListSection>& sections,
                        AccessoryListRow row)
{
    const auto s =
        std::find_if(sections.begin(), sections.end(), [&](const ListSection& x) { return x.number == row.section; });
    if (s == sections.end())
        return;
    bool hasHeading = false;
    size_t at = InsertionPoint(rows, sections, row.section, hasHeading);
    if (!hasHeading) {
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), {true, s->caption, {}, row.section, 0, false});
        ++at;
    }
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
}

} // namespace

std::vector<AccessoryListRow> LayOutAccessoryList(const std::vector<AccessoryItem>& items,
                                                  const std::vector<ListSection>& sections, const LineList& obsolete,
                                                  bool keepObsolete)
{
    std::vector<AccessoryListRow> rows;
    for (const ListSection& s : sections) {
        bool headed = false;
        for (const AccessoryItem& item : items) {
            // Each line shows its own value, even when another line shares its name.
            const std::string_view value = ItemValue(item.line);
            if (GetFieldView(value, kItemSectionField) != s.number)
                continue;
            if (!headed) {
                rows.push_back({true, s.caption, {}, s.number, 0, false});
                headed = true;
            }
            const std::string_view part = GetFieldView(value, kItemPartField);
            if (keepObsolete || !IsObsolete(obsolete, part))
                rows.push_back({false, std::string(part), GetField(value, kItemDescriptionField), s.number, 0, false});
        }
    }
    return rows;
}

std::vector<std::string> RestoreReopenedItems(std::vector<AccessoryListRow>& rows,
                                              const std::vector<ProjectItem>& items,
                                              const std::vector<ListSection>& sections, const DescriptionFn& describe)
{
    // Lines of one part are summed, so the list and its row agree.
    std::vector<std::pair<std::string, long long>> merged;
    std::unordered_map<std::string, size_t> byPart;
    for (const ProjectItem& item : items) {
        if (item.part.empty())
            continue;
        const auto [it, added] = byPart.emplace(item.part, merged.size());
        if (added)
            merged.emplace_back(item.part, 0);
        merged[it->second].second += item.quantity;
    }

    std::string fallback = "1";
    if (!sections.empty() && !InTable(sections, fallback))
        fallback = sections.front().number;

    std::vector<std::string> records;
    for (const auto& entry : merged) {
        const std::string& part = entry.first;
        const long long sum = entry.second;
        if (sum < 1)
            continue;
        // One row can order no more than this, and the list must show what the row holds.
        const int quantity = static_cast<int>(std::min<long long>(sum, kMaxListQuantity));
        auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const AccessoryListRow& r) { return !r.heading && r.part == part; });
        std::string section;
        if (row != rows.end()) {
            row->quantity = quantity;
            section = row->section;
        } else {
            section = fallback;
            InsertUnderSection(rows, sections,
                               {false, part, describe ? describe(part) : std::string(), section, quantity, false});
        }
        records.push_back(part + "|" + IntToStr(quantity) + "|" + section + "|");
    }
    return records;
}

void CarryOverRows(std::vector<AccessoryListRow>& rows, const std::vector<AccessoryListRow>& before,
                   const std::vector<ListSection>& sections)
{
    for (const AccessoryListRow& old : before) {
        if (old.heading)
            continue;
        const auto same = std::find_if(rows.begin(), rows.end(), [&](const AccessoryListRow& r) {
            return !r.heading && r.part == old.part && r.section == old.section;
        });
        if (same != rows.end()) {
            same->quantity = old.quantity;
            same->useRecommended = old.useRecommended;
        } else if (old.quantity > 0) {
            InsertUnderSection(rows, sections, old);
        }
    }
}

} // namespace tav
