#include "core/materials/PriceList.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"

#include <algorithm>
#include <functional>

namespace tav {

namespace {

const std::string& EmptyRecord()
{
    static const std::string empty(kPriceRecordFields, kFieldSeparator);
    return empty;
}

} // namespace

std::string EmptyPriceRecord()
{
    return EmptyRecord();
}

std::string FindPriceRecord(const LineList& prices, std::string_view part)
{
    if (const auto i = FindFirstLine(prices, kPricePartField, part, Compare::WithCase))
        return std::string(prices[*i]);
    return EmptyPriceRecord();
}

namespace {

// Field 3 as GetFieldView reads it, found with one short scan: this runs for every line.
std::string_view PartOf(std::string_view record)
{
    const char* const begin = record.data();
    const char* const end = begin + record.size();
    const char* start = begin;
    for (int separators = 0; start < end && separators < 2; ++start)
        separators += *start == kFieldSeparator;
    const char* stop = start;
    while (stop < end && *stop != kFieldSeparator)
        ++stop;
    if (stop == end)
        return record.substr(record.size());
    return std::string_view(start, static_cast<size_t>(stop - start));
}

size_t PartHash(std::string_view part)
{
    return std::hash<std::string_view>{}(part);
}

// The slot of a hash is taken from its upper bits, its tag from the lower ones.
uint32_t TagOf(size_t hash)
{
    return static_cast<uint32_t>(hash);
}

size_t HomeOf(size_t hash, size_t capacity)
{
    return static_cast<size_t>((static_cast<unsigned __int128>(hash) * capacity) >> 64);
}

// Up to this share of the slots is used, so a lookup seldom looks far; the table is sized
// for the lines expected at a lower share, so an estimate a little short costs nothing.
constexpr double kFullest = 0.85;
constexpr double kSlotsPerLine = 1.4;

} // namespace

PriceIndex::PriceIndex(const LineList& prices)
{
    Expect(prices.size());
    for (size_t i = 0; i < prices.size(); ++i)
        Line(prices, i, prices[i]);
    Finish(prices);
}

void PriceIndex::Expect(size_t lines)
{
    slots_.assign(std::max<size_t>(16, static_cast<size_t>(static_cast<double>(lines) * kSlotsPerLine)), Slot{0, 0});
    growAt_ = static_cast<size_t>(kFullest * static_cast<double>(slots_.size()));
    pendingCount_ = 0;
    used_ = 0;
}

void PriceIndex::Line(const LineList& prices, size_t line, std::string_view record)
{
    if (slots_.empty())
        Expect(0);
    const size_t hash = PartHash(PartOf(record));
    __builtin_prefetch(&slots_[HomeOf(hash, slots_.size())]);
    Pending& next = pending_[pendingCount_ % kAhead];
    // Lines go in in their order, so the first record of a part keeps its slot.
    if (pendingCount_ >= kAhead)
        Insert(prices, next);
    next = {hash, static_cast<uint32_t>(line)};
    ++pendingCount_;
}

void PriceIndex::Finish(const LineList& prices)
{
    const size_t waiting = std::min(pendingCount_, kAhead);
    for (size_t k = pendingCount_ - waiting; k < pendingCount_; ++k)
        Insert(prices, pending_[k % kAhead]);
    pendingCount_ = 0;
}

void PriceIndex::Insert(const LineList& prices, const Pending& p)
{
    // More lines than expected: room for twice as many, so the table never fills.
    if (used_ >= growAt_)
        Grow(prices);
    const uint32_t tag = TagOf(p.hash);
    std::string_view part;
    for (size_t i = HomeOf(p.hash, slots_.size());; i = i + 1 == slots_.size() ? 0 : i + 1) {
        Slot& slot = slots_[i];
        if (slot.line == 0) {
            slot = {tag, p.line + 1};
            ++used_;
            return;
        }
        if (slot.tag != tag)
            continue;
        if (part.data() == nullptr)
            part = PartOf(prices[p.line]);
        if (PartOf(prices[slot.line - 1]) == part)
            return;
    }
}

void PriceIndex::Grow(const LineList& prices)
{
    std::vector<Slot> old(std::max<size_t>(16, slots_.size() * 2), Slot{0, 0});
    old.swap(slots_);
    growAt_ = static_cast<size_t>(kFullest * static_cast<double>(slots_.size()));
    used_ = 0;
    // In line order again, so the first record of a part keeps its place.
    std::sort(old.begin(), old.end(), [](const Slot& a, const Slot& b) { return a.line < b.line; });
    for (const Slot& s : old)
        if (s.line != 0)
            Insert(prices, Pending{PartHash(PartOf(prices[s.line - 1])), s.line - 1});
}

std::optional<size_t> PriceIndex::Find(const LineList& prices, std::string_view part) const
{
    if (slots_.empty())
        return std::nullopt;
    const size_t hash = PartHash(part);
    const uint32_t tag = TagOf(hash);
    for (size_t i = HomeOf(hash, slots_.size());; i = i + 1 == slots_.size() ? 0 : i + 1) {
        const Slot& slot = slots_[i];
        if (slot.line == 0)
            return std::nullopt;
        if (slot.tag == tag && slot.line - 1 < prices.size() && PartOf(prices[slot.line - 1]) == part)
            return slot.line - 1;
    }
}

std::string_view PriceIndex::Record(const LineList& prices, std::string_view part) const
{
    const auto i = Find(prices, part);
    return i ? prices[*i] : std::string_view(EmptyRecord());
}

LoadedPriceList ParsePriceList(std::string bytes)
{
    LoadedPriceList loaded;
    loaded.lines = LineList::FromText(std::move(bytes), loaded.index);
    loaded.index.Finish(loaded.lines);
    return loaded;
}

LoadedPriceList LoadPriceList(const std::string& path)
{
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    LoadedPriceList loaded = ParsePriceList(std::move(*bytes));
    loaded.lines.SetSource(ResolveFile(path).value_or(path));
    return loaded;
}

} // namespace tav
