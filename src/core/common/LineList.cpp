#include "core/common/LineList.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace tav {

LineList::LineList(std::initializer_list<std::string_view> lines)
{
    for (std::string_view l : lines)
        push_back(l);
}

namespace {

struct NoSink
{
    void Expect(size_t) {}
    void Line(const LineList&, size_t, std::string_view) {}
};

} // namespace

LineList LineList::FromText(std::string text)
{
    NoSink none;
    return FromText(std::move(text), none);
}

void LineList::AddSpan(size_t offset, size_t length)
{
    if (offset + length > UINT32_MAX)
        throw std::length_error("a list of lines holds at most 4 GiB");
    spans_.push_back({static_cast<uint32_t>(offset), static_cast<uint32_t>(length)});
}

void LineList::push_back(std::string_view line)
{
    AddSpan(buffer_.size(), line.size());
    buffer_.append(line);
}

void LineList::EraseFirst()
{
    if (!empty())
        ++first_;
}

void LineList::clear()
{
    buffer_.clear();
    spans_.clear();
    first_ = 0;
}

std::optional<size_t> LineList::FileLineAt(const char* text) const
{
    const std::less_equal<const char*> notAfter;
    const char* const base = buffer_.data();
    if (!text || spans_.empty() || !notAfter(base, text) || !notAfter(text, base + buffer_.size()))
        return std::nullopt;
    const size_t offset = static_cast<size_t>(text - base);
    // The last line that starts at or before the text; an empty field at a line's end
    // points just past it.
    auto it = std::upper_bound(spans_.begin() + static_cast<std::ptrdiff_t>(first_), spans_.end(), offset,
                               [](size_t at, const Span& s) { return at < s.offset; });
    if (it == spans_.begin() + static_cast<std::ptrdiff_t>(first_))
        return std::nullopt;
    --it;
    if (offset > size_t{it->offset} + it->length)
        return std::nullopt;
    return static_cast<size_t>(it - spans_.begin()) + 1;
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
