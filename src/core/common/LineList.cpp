#include "core/common/LineList.h"

#include <algorithm>
#include <cstring>

namespace tav {

LineList::LineList(std::initializer_list<std::string_view> lines)
{
    for (std::string_view l : lines)
        push_back(l);
}

LineList LineList::FromText(std::string text)
{
    LineList list;
    list.buffer_ = std::move(text);
    // One span per line end and one for a last line without: a lone CR may still add some.
    list.spans_.reserve(static_cast<size_t>(std::count(list.buffer_.begin(), list.buffer_.end(), '\n')) + 1);
    const char* const base = list.buffer_.data();
    const char* p = base;
    const char* const end = base + list.buffer_.size();
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* segmentEnd = nl ? nl : end;
        // A lone CR also ends a line; CR LF ends one line, not two.
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(segmentEnd - p)));
        if (cr && cr + 1 < segmentEnd) {
            list.spans_.push_back({static_cast<size_t>(p - base), static_cast<size_t>(cr - p)});
            p = cr + 1;
            continue;
        }
        list.spans_.push_back({static_cast<size_t>(p - base), static_cast<size_t>((cr ? cr : segmentEnd) - p)});
        p = nl ? nl + 1 : (cr ? cr + 1 : end);
    }
    return list;
}

void LineList::push_back(std::string_view line)
{
    spans_.push_back({buffer_.size(), line.size()});
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

std::vector<std::string> LineList::ToVector() const
{
    return std::vector<std::string>(begin(), end());
}

bool operator==(const LineList& a, const LineList& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace tav
