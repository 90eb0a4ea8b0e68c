#include "core/common/LineList.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tav {

// Sixty-four bytes at a time where the processor offers it, sixteen near the end: a price
// list of a million lines is split at the speed it is read.
const char* FindLineBreak(const char* p, const char* end)
{
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const auto breaks = [&](const char* at) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return _mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr));
    };
    for (; end - p >= 64; p += 64) {
        const __m128i a = breaks(p);
        const __m128i b = breaks(p + 16);
        const __m128i c = breaks(p + 32);
        const __m128i d = breaks(p + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) == 0)
            continue;
        const uint64_t found = static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(a))) |
                               static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(b))) << 16 |
                               static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(c))) << 32 |
                               static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(d))) << 48;
        return p + __builtin_ctzll(found);
    }
    for (; end - p >= 16; p += 16) {
        const int found = _mm_movemask_epi8(breaks(p));
        if (found)
            return p + __builtin_ctz(static_cast<unsigned>(found));
    }
#endif
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

namespace {

// Few bits are set: a line break is rare among sixteen bytes.
size_t Bits(unsigned mask)
{
    size_t n = 0;
    for (; mask != 0; mask &= mask - 1)
        ++n;
    return n;
}

} // namespace

size_t CountLineBreaks(const char* p, const char* end)
{
    size_t breaks = 0;
    // Every LF and every CR, less the CRs that an LF follows.
    bool lastWasCr = false;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; end - p >= 16; p += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned lfs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lf)));
        const unsigned crs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, cr)));
        if (lfs | crs) {
            const unsigned pairs = ((crs << 1) | (lastWasCr ? 1u : 0u)) & lfs;
            breaks += Bits(lfs) + Bits(crs) - Bits(pairs);
        }
        lastWasCr = (crs >> 15) & 1u;
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\n')
            breaks += lastWasCr ? 0 : 1;
        else if (*p == '\r')
            ++breaks;
        lastWasCr = *p == '\r';
    }
    return breaks;
}

size_t EstimateLines(const char* p, const char* end, size_t total)
{
    constexpr size_t kSample = size_t{64} << 10;
    const size_t sample = std::min(static_cast<size_t>(end - p), kSample);
    const size_t breaks = CountLineBreaks(p, p + sample);
    if (sample >= total || sample == 0)
        return breaks + 1;
    return static_cast<size_t>(static_cast<double>(total) / static_cast<double>(sample) * static_cast<double>(breaks)) +
           1;
}

LineList::LineList(std::initializer_list<std::string_view> lines)
{
    for (std::string_view l : lines)
        push_back(l);
}

LineList LineList::FromText(std::string_view text)
{
    NoLineSink none;
    return FromText(text, none);
}

void LineList::AddLine(size_t offset, size_t length)
{
    if (offset + length + 1 > UINT32_MAX)
        throw std::length_error("a list of lines holds at most 4 GiB");
    starts_.push_back(static_cast<uint32_t>(offset));
    lastEnd_ = static_cast<uint32_t>(offset + length);
}

void LineList::push_back(std::string_view line)
{
    // The line before needs a break after it to end at; a text's own last break serves.
    if (!starts_.empty() && buffer_.size() == lastEnd_)
        buffer_.push_back('\r');
    const size_t at = buffer_.size();
    AddLine(at, line.size());
    buffer_.resize(at + line.size());
    if (!line.empty())
        std::memcpy(buffer_.data() + at, line.data(), line.size());
}

void LineList::EraseFirst()
{
    if (!empty())
        ++first_;
}

void LineList::clear()
{
    buffer_.clear();
    starts_.clear();
    lastEnd_ = 0;
    first_ = 0;
}

std::optional<size_t> LineList::FileLineAt(const char* text) const
{
    const std::less_equal<const char*> notAfter;
    const char* const base = buffer_.data();
    if (!text || starts_.empty() || !notAfter(base, text) || !notAfter(text, base + buffer_.size()))
        return std::nullopt;
    const size_t offset = static_cast<size_t>(text - base);
    // The last line that starts at or before the text; an empty field at a line's end
    // points just past it.
    auto it = std::upper_bound(starts_.begin() + static_cast<std::ptrdiff_t>(first_), starts_.end(), offset,
                               [](size_t at, uint32_t start) { return at < start; });
    if (it == starts_.begin() + static_cast<std::ptrdiff_t>(first_))
        return std::nullopt;
    const size_t line = static_cast<size_t>(it - starts_.begin()) - 1;
    if (offset > EndOf(line))
        return std::nullopt;
    return line + 1;
}

std::vector<std::string> LineList::ToVector() const
{
    return std::vector<std::string>(begin(), end());
}

bool operator==(const LineList& a, const LineList& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace tav
