#include "core/materials/AccessoryList.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"

#include <climits>
#include <unordered_map>

namespace tav {

namespace {

AccessoryListRow Heading(const ListSection& section)
{
    return {true, section.caption, {}, section.number, 0, false};
}

// The rows of the list with the obsolete ones flagged rather than left out, so a reopened
// part still finds its own line.
struct LaidOutList
{
    std::vector<AccessoryListRow> rows;
    std::vector<bool> hidden;
};

LaidOutList LayOut(const std::vector<AccessoryItem>& items, const std::vector<ListSection>& sections,
                   const LineList& obsolete, bool keepObsolete)
{
    const SectionOrder order(sections);
    std::vector<std::vector<std::string_view>> values(sections.size());
    for (const AccessoryItem& item : items) {
        // Each line shows its own value, even when another line shares its name.
        const std::string_view value = ItemValue(item.line);
        if (const auto s = order.Of(GetFieldView(value, kItemSectionField)))
            values[*s].push_back(value);
    }
    LaidOutList list;
    for (size_t s = 0; s < sections.size(); ++s) {
        if (values[s].empty())
            continue;
        list.rows.push_back(Heading(sections[s]));
        list.hidden.push_back(false);
        for (const std::string_view value : values[s]) {
            const std::string_view part = GetFieldView(value, kItemPartField);
            list.rows.push_back(
                {false, std::string(part), GetField(value, kItemDescriptionField), sections[s].number, 0, false});
            list.hidden.push_back(!keepObsolete && IsObsolete(obsolete, part));
        }
    }
    return list;
}

// Puts each extra row at the end of its section, after a heading of its own when the
// section had no rows; extras of a section outside the table are dropped.
std::vector<AccessoryListRow> WithExtraRows(std::vector<AccessoryListRow> rows, std::vector<AccessoryListRow> extras,
                                            const std::vector<ListSection>& sections)
{
    if (extras.empty())
        return rows;
    const SectionOrder order(sections);
    // One more group keeps rows of no listed section, at the end.
    std::vector<std::vector<AccessoryListRow>> listed(sections.size() + 1), added(sections.size());
    for (AccessoryListRow& row : rows)
        listed[order.Of(row.section).value_or(sections.size())].push_back(std::move(row));
    for (AccessoryListRow& row : extras)
        if (const auto s = order.Of(row.section))
            added[*s].push_back(std::move(row));

    std::vector<AccessoryListRow> out;
    out.reserve(rows.size() + extras.size() + sections.size());
    for (size_t s = 0; s <= sections.size(); ++s) {
        const bool more = s < sections.size() && !added[s].empty();
        if (more && (listed[s].empty() || !listed[s].front().heading))
            out.push_back(Heading(sections[s]));
        for (AccessoryListRow& row : listed[s])
            out.push_back(std::move(row));
        if (more)
            for (AccessoryListRow& row : added[s])
                out.push_back(std::move(row));
    }
    return out;
}

} // namespace

std::vector<AccessoryListRow> LayOutAccessoryList(const std::vector<AccessoryItem>& items,
                                                  const std::vector<ListSection>& sections, const LineList& obsolete,
                                                  bool keepObsolete)
{
    LaidOutList list = LayOut(items, sections, obsolete, keepObsolete);
    std::vector<AccessoryListRow> rows;
    rows.reserve(list.rows.size());
    for (size_t i = 0; i < list.rows.size(); ++i)
        if (!list.hidden[i])
            rows.push_back(std::move(list.rows[i]));
    return rows;
}

ReopenedList RestoreReopenedItems(const std::vector<AccessoryItem>& items, const std::vector<ListSection>& sections,
                                  const LineList& obsolete, bool keepObsolete,
                                  const std::vector<ProjectItem>& projectItems, const DescriptionFn& describe)
{
    LaidOutList list = LayOut(items, sections, obsolete, keepObsolete);
    std::unordered_map<std::string_view, size_t> firstRow;
    for (size_t i = 0; i < list.rows.size(); ++i)
        if (!list.rows[i].heading)
            firstRow.emplace(list.rows[i].part, i);

    // Lines of one part are summed, so the list and its row agree. Items saved under one
    // heading have consecutive row numbers: a run shares the section of its first item
    // that has a row.
    struct Merged
    {
        std::string_view part;
        long long sum = 0;
        size_t run = 0;
    };
    std::vector<Merged> merged;
    std::unordered_map<std::string_view, size_t> byPart;
    std::vector<std::string_view> runSection;
    std::optional<int> previousRow;
    for (const ProjectItem& item : projectItems) {
        if (item.part.empty())
            continue;
        const bool continues = !runSection.empty() && item.row && previousRow &&
                               static_cast<long long>(*item.row) == static_cast<long long>(*previousRow) + 1;
        if (!continues)
            runSection.emplace_back();
        previousRow = item.row;
        const auto row = firstRow.find(item.part);
        if (runSection.back().empty() && row != firstRow.end())
            runSection.back() = list.rows[row->second].section;
        const auto [it, added] = byPart.emplace(item.part, merged.size());
        if (added)
            merged.push_back({item.part, 0, runSection.size() - 1});
        merged[it->second].sum += item.quantity;
    }

    std::string fallback = "1";
    if (!sections.empty() && !SectionOrder(sections).Of(fallback))
        fallback = sections.front().number;

    ReopenedList out;
    out.records.reserve(merged.size());
    std::vector<AccessoryListRow> extras;
    for (const Merged& m : merged) {
        // A row holds no more than this; a sum beyond it would be ordered wrong.
        if (m.sum > INT_MAX)
            throw ConversionError("'" + IntToStr(m.sum) + "' is not a valid integer value");
        if (m.sum < 1)
            continue;
        const int quantity = static_cast<int>(m.sum);
        std::string section;
        if (const auto row = firstRow.find(m.part); row != firstRow.end()) {
            AccessoryListRow& r = list.rows[row->second];
            r.quantity = quantity;
            list.hidden[row->second] = false;
            section = r.section;
        } else {
            const std::string_view shared = runSection[m.run];
            section = shared.empty() ? fallback : std::string(shared);
            extras.push_back({false, std::string(m.part), describe ? describe(m.part) : std::string(), section,
                              quantity, false, true});
        }
        out.records.push_back(std::string(m.part) + "|" + IntToStr(quantity) + "|" + section + "|");
    }

    std::vector<AccessoryListRow> shown;
    shown.reserve(list.rows.size());
    for (size_t i = 0; i < list.rows.size(); ++i)
        if (!list.hidden[i])
            shown.push_back(std::move(list.rows[i]));
    out.rows = WithExtraRows(std::move(shown), std::move(extras), sections);
    return out;
}

void CarryOverRows(std::vector<AccessoryListRow>& rows, const std::vector<AccessoryListRow>& before,
                   const std::vector<ListSection>& sections)
{
    // part|section -> the first row of it, listed again or carried over.
    struct Place
    {
        bool extra;
        size_t index;
    };
    std::unordered_map<std::string, Place> places;
    const auto key = [](const AccessoryListRow& r) { return r.part + "|" + r.section; };
    for (size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].heading)
            places.emplace(key(rows[i]), Place{false, i});

    const SectionOrder order(sections);
    std::vector<AccessoryListRow> extras;
    for (const AccessoryListRow& old : before) {
        if (old.heading)
            continue;
        if (const auto it = places.find(key(old)); it != places.end()) {
            AccessoryListRow& same = it->second.extra ? extras[it->second.index] : rows[it->second.index];
            same.quantity = old.quantity;
            same.useRecommended = old.useRecommended;
        } else if (old.quantity > 0 && order.Of(old.section)) {
            places.emplace(key(old), Place{true, extras.size()});
            extras.push_back(old);
        }
    }
    rows = WithExtraRows(std::move(rows), std::move(extras), sections);
}

void FillRecommended(std::vector<AccessoryListRow>& rows, const RecommendedQuantityFn& recommended)
{
    for (AccessoryListRow& row : rows)
        if (!row.heading && row.useRecommended)
            row.quantity = std::clamp(recommended(row.part, row.section), 0, kMaxListQuantity);
}

void CarryListedOrders(std::vector<AccessoryListRow>& rows, const std::vector<AccessoryListRow>& before,
                       const std::vector<ListSection>& sections)
{
    // part|section -> the earlier rows of it in order, and how many were taken.
    std::unordered_map<std::string, std::pair<std::vector<const AccessoryListRow*>, size_t>> earlier;
    const auto key = [](const AccessoryListRow& r) { return r.part + "|" + r.section; };
    for (const AccessoryListRow& old : before)
        if (!old.heading)
            earlier[key(old)].first.push_back(&old);
    if (earlier.empty())
        return;
    for (AccessoryListRow& row : rows) {
        if (row.heading)
            continue;
        const auto it = earlier.find(key(row));
        if (it == earlier.end() || it->second.second >= it->second.first.size())
            continue;
        const AccessoryListRow& old = *it->second.first[it->second.second++];
        row.quantity = old.quantity;
        row.useRecommended = old.useRecommended;
    }
    // A reopened project's part that no list offers was never the list's to drop: it
    // stays ordered under its section, in the order it had.
    std::vector<AccessoryListRow> extras;
    std::unordered_map<std::string, size_t> seen;
    for (const AccessoryListRow& old : before) {
        if (old.heading || !old.reopened)
            continue;
        const std::string k = key(old);
        if (seen[k]++ >= earlier[k].second && old.quantity > 0)
            extras.push_back(old);
    }
    if (!extras.empty())
        rows = WithExtraRows(std::move(rows), std::move(extras), sections);
}

} // namespace tav
