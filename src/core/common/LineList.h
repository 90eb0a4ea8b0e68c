#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tav {

// Gives elements no value when made, so room for bytes about to be read over is not cleared
// first.
template <typename T> struct UninitializedAllocator : std::allocator<T>
{
    template <typename U> struct rebind
    {
        using other = UninitializedAllocator<U>;
    };
    UninitializedAllocator() = default;
    template <typename U> UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
using TextBytes = std::vector<char, UninitializedAllocator<char>>;

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
    static LineList FromText(std::string_view text);
    // The same, telling the sink first how many lines there can be at most
    // (sink.Expect(count)) and then each line as it is split off, while its bytes are at
    // hand (sink.Line(list so far, index, line)).
    template <typename Sink> static LineList FromText(std::string_view text, Sink& sink);
    // The same for bytes that read(buffer, arrived) puts into the list's own buffer: after
    // each stretch it calls arrived(have, expected), with have bytes in the buffer so far
    // out of about expected, and the whole lines among them are split off and told to the
    // sink while they are still in the processor's cache. read leaves the buffer holding
    // exactly the bytes read.
    template <typename Sink, typename Read> static LineList FromReader(Read&& read, Sink& sink);

    size_t size() const { return starts_.size() - first_; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](size_t i) const
    {
        const size_t at = first_ + i;
        const size_t begin = starts_[at];
        return std::string_view(buffer_.data() + begin, EndOf(at) - begin);
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
    // Where splitting has come to, while the bytes arrive.
    struct Cursor
    {
        size_t at = 0;
        bool started = false;
    };
    template <typename Sink> void Split(Cursor& cursor, size_t have, size_t expected, bool last, Sink& sink);

    // Only where each line begins is kept, four bytes a line: a line ends where the line
    // break before the next one begins (a pushed line is followed by a lone CR, which no
    // line holds at its end), and the last one at lastEnd_. Offsets fit 32 bits: no file
    // the program reads comes near 4 GiB.
    size_t EndOf(size_t at) const
    {
        if (at + 1 == starts_.size())
            return lastEnd_;
        const size_t next = starts_[at + 1];
        const bool crLf = next - starts_[at] >= 2 && buffer_[next - 1] == '\n' && buffer_[next - 2] == '\r';
        return next - (crLf ? 2 : 1);
    }
    void AddLine(size_t offset, size_t length);

    TextBytes buffer_;
    std::vector<uint32_t> starts_;
    uint32_t lastEnd_ = 0;
    size_t first_ = 0;
    std::string source_;
};

// A sink for lines that wants to be told nothing.
struct NoLineSink
{
    void Expect(size_t) {}
    void Line(const LineList&, size_t, std::string_view) {}
};

// The first line break (LF or CR) from p on, or end.
const char* FindLineBreak(const char* p, const char* end);
// How many line breaks the text holds, CR LF counting as one.
size_t CountLineBreaks(const char* p, const char* end);
// About how many lines a text of `total` bytes holds, judged from the first 64 KiB of its
// beginning at hand [p, end): exact for a text that short, and spared a pass over a long one.
size_t EstimateLines(const char* p, const char* end, size_t total);

template <typename Sink> void LineList::Split(Cursor& cursor, size_t have, size_t expected, bool last, Sink& sink)
{
    const char* const base = buffer_.data();
    const char* const end = base + have;
    if (!cursor.started) {
        // The byte-order mark is judged once its three bytes are in.
        if (have < 3 && !last)
            return;
        cursor.started = true;
        // Room is made once for the lines there will be; a text whose first lines are
        // longer than the rest only makes it again.
        const size_t lines = EstimateLines(base, end, std::max(have, expected));
        starts_.reserve(lines + lines / 4);
        sink.Expect(lines);
        if (have >= 3 && std::memcmp(base, "\xEF\xBB\xBF", 3) == 0)
            cursor.at = 3;
    }
    const char* p = base + cursor.at;
    while (p < end) {
        const char* brk = FindLineBreak(p, end);
        // A line whose end has not arrived, or a CR whose LF may come next, waits.
        if (!last && (brk == end || (brk + 1 == end && *brk == '\r')))
            break;
        AddLine(static_cast<size_t>(p - base), static_cast<size_t>(brk - p));
        sink.Line(*this, starts_.size() - 1, std::string_view(p, static_cast<size_t>(brk - p)));
        if (brk == end) {
            p = end;
            break;
        }
        // A lone CR also ends a line; CR LF ends one line, not two.
        p = brk + (*brk == '\r' && brk + 1 < end && brk[1] == '\n' ? 2 : 1);
    }
    cursor.at = static_cast<size_t>(p - base);
}

template <typename Sink> LineList LineList::FromText(std::string_view text, Sink& sink)
{
    LineList list;
    list.buffer_.resize(text.size());
    if (!text.empty())
        std::memcpy(list.buffer_.data(), text.data(), text.size());
    Cursor cursor;
    list.Split(cursor, list.buffer_.size(), list.buffer_.size(), true, sink);
    return list;
}

template <typename Sink, typename Read> LineList LineList::FromReader(Read&& read, Sink& sink)
{
    LineList list;
    Cursor cursor;
    read(list.buffer_, [&](size_t have, size_t expected) { list.Split(cursor, have, expected, false, sink); });
    list.Split(cursor, list.buffer_.size(), list.buffer_.size(), true, sink);
    return list;
}

} // namespace tav
