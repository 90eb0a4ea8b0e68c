#pragma once

#include "core/common/LineList.h"

#include <cstdint>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The maker's price list M_lom.dat (shared folder): every line is a record, a heading
// line included, which simply never matches a part number.
inline constexpr const char* kPriceListFileName = "M_lom.dat";
inline constexpr int kPricePartField = 3;
inline constexpr int kPriceDescriptionField = 5;
inline constexpr int kPriceUnitPriceField = 6;
// A part without a line reads as a record of this many empty fields.
inline constexpr int kPriceRecordFields = 33;

std::string EmptyPriceRecord();

// The first line whose part number equals the part exactly (case included), or the empty
// record. A linear scan of the whole list.
std::string FindPriceRecord(const LineList& prices, std::string_view part);

// The same lookup for many parts: the line of the first record of each part number. An
// open-addressing table of one 32-bit word per slot, the line in its low bits and a tag of
// the part's hash above, sized once for the lines the list is expected to hold, so indexing
// a list of a million lines costs little beside reading it. It holds no pointer, only line
// numbers of the list it was built from, which every lookup is given again.
class PriceIndex
{
public:
    PriceIndex() = default;
    explicit PriceIndex(const LineList& prices);

    std::optional<size_t> Find(const LineList& prices, std::string_view part) const;
    // The record for the part in the list the index was built from, or the empty record.
    std::string_view Record(const LineList& prices, std::string_view part) const;

    // Building while the list is split: room for this many lines, then each line in turn.
    void Expect(size_t lines);
    void Line(const LineList& prices, size_t line, std::string_view record);
    // Lines still waiting for their slot go in; Find needs it after the last Line.
    void Finish(const LineList& prices);

private:
    struct Pending
    {
        size_t hash;
        uint32_t line;
    };
    void MakeRoom(size_t slots);
    void Insert(const LineList& prices, const Pending& p);
    void Grow(const LineList& prices);
    uint32_t Tagged(size_t hash) const { return static_cast<uint32_t>(hash) << lineBits_; }

    // A slot holds the line + 1 in its low lineBits_ bits (0 for an empty slot) and the low
    // bits of the part's hash above them.
    std::vector<uint32_t> slots_;
    unsigned lineBits_ = 0;
    uint32_t lineMask_ = 0;
    size_t used_ = 0;
    size_t growAt_ = 0;
    // The slot of a line is fetched into the cache a few lines before the line goes in.
    static constexpr size_t kAhead = 16;
    Pending pending_[kAhead]{};
    size_t pendingCount_ = 0;
};

// The price list read whole: the file's bytes in one buffer, its lines as views into it
// and the index of its part numbers, all made in one pass over the bytes. The lines name
// the file, so a value that is no number names its line. A missing file gives no lines.
struct LoadedPriceList
{
    LineList lines;
    PriceIndex index;
};
LoadedPriceList LoadPriceList(const std::string& path);
LoadedPriceList ParsePriceList(std::string_view bytes);

// The price list read on a thread of its own from the moment this is made, for a program
// with other work to do before it needs a price; the list is handed over whole once read.
class PriceListPreload
{
public:
    explicit PriceListPreload(std::string path);
    // The list read from this path, waited for; the list of another path is read now. A read
    // that failed throws here, as LoadPriceList would.
    LoadedPriceList Take(const std::string& path);

private:
    std::string path_;
    std::future<LoadedPriceList> read_;
};

} // namespace tav
