#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
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
    // Splits text at CR LF, LF or a lone CR; a final line end adds no empty line.
    static LineList FromText(std::string text);

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

private:
    struct Span
    {
        size_t offset;
        size_t length;
    };
    std::string buffer_;
    std::vector<Span> spans_;
    size_t first_ = 0;
};

} // namespace tav
