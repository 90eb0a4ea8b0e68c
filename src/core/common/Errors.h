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

// A text that should have been a number ("'%s' is not a valid integer value").
class ConversionError : public Error
{
public:
    using Error::Error;
};

// Reading or writing a file failed.
class IoError : public Error
{
public:
    using Error::Error;
};

} // namespace tav
