#pragma once

#include <stdexcept>
#include <string>

namespace tav {

// Every error the program raises on purpose derives from this, so the GUI can show
// its text in the standard error box instead of letting it cross the event loop.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a number ("'%s' is not a valid integer value"). Where the
// text stood in a file, the error remembers its address (only to compare it), so the
// reader that holds the file can name the place before the user sees the message.
class ConversionError : public Error
{
public:
    explicit ConversionError(const std::string& standard, const char* textAt = nullptr)
        : Error(standard), standard_(standard), textAt_(textAt)
    {}

    const std::string& Standard() const { return standard_; }
    const char* TextAt() const { return textAt_; }
    // Whether the message names the file yet.
    bool Placed() const { return !file_.empty(); }

    // The same error naming the file and the line or key the text came from; a part known
    // before (a key found by the parser, before the reader adds the file) is kept.
    ConversionError PlacedAt(const std::string& file, const std::string& where) const
    {
        const std::string f = file_.empty() ? file : file_;
        const std::string w = where_.empty() ? where : where_;
        std::string place = f.empty() ? w : "\"" + f + "\"" + (w.empty() ? "" : ", " + w);
        ConversionError placed(standard_ + (place.empty() ? "" : "\nin " + place), textAt_);
        placed.standard_ = standard_;
        placed.file_ = f;
        placed.where_ = w;
        return placed;
    }

private:
    std::string standard_;
    const char* textAt_ = nullptr;
    std::string file_;
    std::string where_;
};

// Reading or writing a file failed.
class IoError : public Error
{
public:
    using Error::Error;
};

} // namespace tav
