#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tav {

// Number texts always use the program's fixed format ("." decimals, no thousands
// separator), whatever the user's regional settings.

// Whole numbers: optional leading blanks and sign, then decimal digits, or hexadecimal
// after "$" or "0x". Nothing may follow the digits.
std::optional<int> TryStrToInt(std::string_view text);
// Throws ConversionError "'text' is not a valid integer value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int fallback);
// The same without the hexadecimal forms: optional leading blanks and sign, then decimal digits.
std::optional<int> TryDecimalToInt(std::string_view text);

// Decimal numbers with optional exponent; surrounding blanks are allowed.
std::optional<double> TryStrToFloat(std::string_view text);
// Throws ConversionError "'text' is not a valid floating point value".
double StrToFloat(std::string_view text);

// True when the text converts to a number, and also for the empty text.
bool IsNumeric(std::string_view text);

std::string IntToStr(long long value);
// "%.2f": computed engineering values.
std::string FormatFixed2(double value);
// "$%.2f": money.
std::string FormatMoney(double value);

} // namespace tav
