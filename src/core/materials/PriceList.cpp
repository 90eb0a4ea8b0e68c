#include "core/materials/PriceList.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
std::string_view PartOfScanned(std::string_view record)
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

// The part number of a record stands near its start: the separators among its first 32
// bytes are found at once where the processor offers it.
std::string_view PartOf(std::string_view record)
{
#if defined(__SSE2__)
    if (record.size() >= 32) {
        const __m128i sep = _mm_set1_epi8(kFieldSeparator);
        const auto separators = [&](const char* at) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            return static_cast<uint32_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, sep))));
        };
        uint32_t found = separators(record.data()) | separators(record.data() + 16) << 16;
        found &= found - 1; // past the first separator
        if (found != 0) {
            const unsigned second = static_cast<unsigned>(__builtin_ctz(found));
            found &= found - 1;
            if (found != 0)
                return record.substr(second + 1, static_cast<unsigned>(__builtin_ctz(found)) - second - 1);
        }
    }
#endif
    return PartOfScanned(record);
}

uint64_t Load64(const char* p)
{
    uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

uint32_t Load32(const char* p)
{
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

uint64_t Mix(uint64_t a, uint64_t b)
{
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
}

// A multiply-and-fold hash over whole words: part numbers are short, and a general hash
// of a few bytes costs more than the rest of a line's work.
size_t PartHash(std::string_view part)
{
    constexpr uint64_t k0 = 0xa0761d6478bd642fULL;
    constexpr uint64_t k1 = 0xe7037ed1a0b428dbULL;
    constexpr uint64_t k2 = 0x8ebc6af09c88c6e3ULL;
    const char* p = part.data();
    size_t n = part.size();
    uint64_t seed = k0 ^ n;
    uint64_t a = 0;
    uint64_t b = 0;
    if (n > 16) {
        for (; n > 16; p += 16, n -= 16)
            seed = Mix(Load64(p) ^ k1, Load64(p + 8) ^ seed);
        a = Load64(p + n - 16);
        b = Load64(p + n - 8);
    } else if (n >= 8) {
        a = Load64(p);
        b = Load64(p + n - 8);
    } else if (n >= 4) {
        a = Load32(p);
        b = Load32(p + n - 4);
    } else if (n > 0) {
        a = static_cast<uint64_t>(static_cast<unsigned char>(p[0])) << 16 |
            static_cast<uint64_t>(static_cast<unsigned char>(p[n / 2])) << 8 | static_cast<unsigned char>(p[n - 1]);
    }
    return Mix(k2 ^ part.size(), Mix(a ^ k1, b ^ seed));
}

// The slot of a hash is taken from its upper bits, its tag from the lower ones.
size_t HomeOf(size_t hash, size_t capacity)
{
    return static_cast<size_t>((static_cast<unsigned __int128>(hash) * capacity) >> 64);
}

// Up to this share of the slots is used, so a lookup seldom looks beyond its home; the
// table is sized for the lines expected at a lower share, so an estimate a little short
// costs nothing.
constexpr double kFullest = 0.7;
constexpr size_t kSlotsPerLine = 2;

} // namespace

PriceIndex::PriceIndex(const LineList& prices)
{
    Expect(prices.size());
    for (size_t i = 0; i < prices.size(); ++i)
        Line(prices, i, prices[i]);
    Finish(prices);
}

void PriceIndex::MakeRoom(size_t slots)
{
    // Every line + 1 fits below the tag, as the table always has more slots than lines.
    const unsigned bits = static_cast<unsigned>(std::bit_width(slots));
    if (bits > 30)
        throw std::length_error("a price list holds at most a few hundred million lines");
    lineBits_ = bits;
    lineMask_ = (uint32_t{1} << bits) - 1;
    slots_.assign(slots, 0);
    growAt_ = static_cast<size_t>(kFullest * static_cast<double>(slots));
    used_ = 0;
}

void PriceIndex::Expect(size_t lines)
{
    MakeRoom(std::max<size_t>(16, lines * kSlotsPerLine));
    pendingCount_ = 0;
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
    // More lines than expected: room for twice as many, so the table never fills and the
    // line stays clear of the tag.
    while (used_ >= growAt_ || p.line >= lineMask_)
        Grow(prices);
    const uint32_t tagged = Tagged(p.hash);
    std::string_view part;
    for (size_t i = HomeOf(p.hash, slots_.size());; i = i + 1 == slots_.size() ? 0 : i + 1) {
        uint32_t& slot = slots_[i];
        if (slot == 0) {
            slot = tagged | (p.line + 1);
            ++used_;
            return;
        }
        if ((slot & ~lineMask_) != tagged)
            continue;
        if (part.data() == nullptr)
            part = PartOf(prices[p.line]);
        if (PartOf(prices[(slot & lineMask_) - 1]) == part)
            return;
    }
}

void PriceIndex::Grow(const LineList& prices)
{
    std::vector<uint32_t> old = std::move(slots_);
    const uint32_t oldMask = lineMask_;
    MakeRoom(std::max<size_t>(16, old.size() * 2));
    // In line order again, so the first record of a part keeps its place.
    std::vector<uint32_t> lines;
    lines.reserve(used_);
    for (const uint32_t s : old)
        if (s != 0)
            lines.push_back((s & oldMask) - 1);
    old = {};
    std::sort(lines.begin(), lines.end());
    for (const uint32_t line : lines)
        Insert(prices, Pending{PartHash(PartOf(prices[line])), line});
}

std::optional<size_t> PriceIndex::Find(const LineList& prices, std::string_view part) const
{
    if (slots_.empty())
        return std::nullopt;
    const size_t hash = PartHash(part);
    const uint32_t tagged = Tagged(hash);
    for (size_t i = HomeOf(hash, slots_.size());; i = i + 1 == slots_.size() ? 0 : i + 1) {
        const uint32_t slot = slots_[i];
        if (slot == 0)
            return std::nullopt;
        const size_t line = (slot & lineMask_) - 1;
        if ((slot & ~lineMask_) == tagged && line < prices.size() && PartOf(prices[line]) == part)
            return line;
    }
}

std::string_view PriceIndex::Record(const LineList& prices, std::string_view part) const
{
    const auto i = Find(prices, part);
    return i ? prices[*i] : std::string_view(EmptyRecord());
}

LoadedPriceList ParsePriceList(std::string_view bytes)
{
    LoadedPriceList loaded;
    loaded.lines = LineList::FromText(bytes, loaded.index);
    loaded.index.Finish(loaded.lines);
    return loaded;
}

LoadedPriceList LoadPriceList(const std::string& path)
{
    LoadedPriceList loaded;
    loaded.lines = ReadLineList(path, loaded.index);
    loaded.index.Finish(loaded.lines);
    return loaded;
}

PriceListPreload::PriceListPreload(std::string path)
    : path_(std::move(path)), read_(std::async(std::launch::async, [p = path_] { return LoadPriceList(p); }))
{}

LoadedPriceList PriceListPreload::Take(const std::string& path)
{
    if (path != path_ || !read_.valid())
        return LoadPriceList(path);
    return read_.get();
}

} // namespace tav
