#include "core/common/Numbers.h"

#include "core/common/Errors.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace tav {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::optional<long long> ParseDigits(std::string_view digits, int base)
{
    if (digits.empty())
        return std::nullopt;
    long long value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec != std::errc() || ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view text, bool hexPrefixes)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string_view rest = text.substr(i);
    int base = 10;
    if (hexPrefixes && !rest.empty() && rest[0] == '$') {
        base = 16;
        rest.remove_prefix(1);
    } else if (hexPrefixes && rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.remove_prefix(2);
    }
    // from_chars would accept a second sign; the grammar does not.
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+'))
        return std::nullopt;
    auto magnitude = ParseDigits(rest, base);
    if (!magnitude)
        return std::nullopt;
    const long long value = negative ? -*magnitude : *magnitude;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<int> TryStrToInt(std::string_view text)
{
    return ParseInteger(text, true);
}

std::optional<int> TryDecimalToInt(std::string_view text)
{
    return ParseInteger(text, false);
}

int StrToInt(std::string_view text)
{
    if (auto v = TryStrToInt(text))
        return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value", text.data());
}

int StrToIntDef(std::string_view text, int fallback)
{
    return TryStrToInt(text).value_or(fallback);
}

std::optional<double> TryStrToFloat(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    std::string_view t = text.substr(b, e - b);
    if (!t.empty() && t[0] == '+')
        t.remove_prefix(1);
    else if (t.size() > 1 && t[0] == '-' && t[1] == '+')
        return std::nullopt;
    // Validate the grammar ourselves: from_chars also takes "inf", "nan" and hex floats.
    size_t i = (!t.empty() && t[0] == '-') ? 1 : 0;
    size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+'))
            ++i;
        size_t expDigits = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    double value = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::general);
    if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double StrToFloat(std::string_view text)
{
    if (auto v = TryStrToFloat(text))
        return *v;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value", text.data());
}

bool IsNumeric(std::string_view text)
{
    return text.empty() || TryStrToFloat(text).has_value();
}

std::string IntToStr(long long value)
{
    char buf[32];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, ptr);
}

std::string FormatFixed2(double value)
{
    char buf[512];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    if (ec != std::errc())
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    return std::string(buf, ptr);
}

std::string FormatMoney(double value)
{
    return "$" + FormatFixed2(value);
}

} // namespace tav
