#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The lines of one catalogue file in file order, duplicates kept. All lines live in one
// buffer, so loading a price list of real size costs little more than reading its bytes.
class LineList
{
public:
    class const_iterator
    {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const LineList* list, size_t index) : list_(list), index_(index) {}
        std::string_view operator*() const { return (*list_)[index_]; }
        std::string_view operator[](difference_type n) const { return (*list_)[index_ + n]; }
        const_iterator& operator++()
        {
            ++index_;
            return *this;
        }
        const_iterator operator++(int)
        {
            auto old = *this;
            ++index_;
            return old;
        }
        const_iterator& operator--()
        {
            --index_;
            return *this;
        }
        const_iterator operator--(int)
        {
            auto old = *this;
            --index_;
            return old;
        }
        const_iterator& operator+=(difference_type n)
        {
            index_ += n;
            return *this;
        }
        const_iterator& operator-=(difference_type n)
        {
            index_ -= n;
            return *this;
        }
        friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
        friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
        friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b)
        {
            return static_cast<difference_type>(a.index_) - static_cast<difference_type>(b.index_);
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.index_ == b.index_; }
        friend auto operator<=>(const const_iterator& a, const const_iterator& b) { return a.index_ <=> b.index_; }

    private:
        const LineList* list_ = nullptr;
        size_t index_ = 0;
    };

    LineList() = default;
    LineList(std::initializer_list<std::string_view> lines);
    // Splits text at CR LF, LF or a lone CR; a final line end adds no empty line, and a
    // leading UTF-8 byte-order mark is no part of the first line.
    static LineList FromText(std::string text);
    // The same, telling the sink first how many lines there can be at most
    // (sink.Expect(count)) and then each line as it is split off, while its bytes are at
    // hand (sink.Line(list so far, index, line)).
    template <typename Sink> static LineList FromText(std::string text, Sink& sink);

    size_t size() const { return spans_.size() - first_; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](size_t i) const
    {
        const Span& s = spans_[first_ + i];
        return std::string_view(buffer_.data() + s.offset, s.length);
    }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    void push_back(std::string_view line);
    // Drops the first line (a header).
    void EraseFirst();
    void clear();

    std::vector<std::string> ToVector() const;
    friend bool operator==(const LineList& a, const LineList& b);

    // The file the lines were read from, so a message can say where a value stands; empty
    // for lines made in memory.
    const std::string& Source() const { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }
    // The line, counted from 1 as in the file (a dropped header included), that holds the
    // text at this address; nothing when the text is not in this list.
    std::optional<size_t> FileLineAt(const char* text) const;

private:
    // Offsets and lengths fit 32 bits: no file the program reads comes near 4 GiB.
    struct Span
    {
        uint32_t offset;
        uint32_t length;
    };
    void AddSpan(size_t offset, size_t length);

    std::string buffer_;
    std::vector<Span> spans_;
    size_t first_ = 0;
    std::string source_;
};

// The first line break (LF or CR) from p on, or end.
const char* FindLineBreak(const char* p, const char* end);
// How many line breaks the text holds, CR LF counting as one.
size_t CountLineBreaks(const char* p, const char* end);
// About how many lines the text holds, judged from its first 64 KiB: exact for a shorter
// text, and spared a pass over a long one.
size_t EstimateLines(const char* p, const char* end);

template <typename Sink> LineList LineList::FromText(std::string text, Sink& sink)
{
    LineList list;
    list.buffer_ = std::move(text);
    const char* const base = list.buffer_.data();
    const char* const end = base + list.buffer_.size();
    // Room is made once for the lines there will be; a text whose first lines are longer
    // than the rest only makes it again.
    const size_t lines = EstimateLines(base, end);
    list.spans_.reserve(lines + lines / 4);
    sink.Expect(lines);
    const char* p = base;
    if (list.buffer_.compare(0, 3, "\xEF\xBB\xBF") == 0)
        p += 3;
    while (p < end) {
        const char* brk = FindLineBreak(p, end);
        list.AddSpan(static_cast<size_t>(p - base), static_cast<size_t>(brk - p));
        sink.Line(list, list.spans_.size() - 1, std::string_view(p, static_cast<size_t>(brk - p)));
        if (brk == end)
            break;
        // A lone CR also ends a line; CR LF ends one line, not two.
        p = brk + (*brk == '\r' && brk + 1 < end && brk[1] == '\n' ? 2 : 1);
    }
    return list;
}

} // namespace tav
