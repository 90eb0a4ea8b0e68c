#include "core/services/Schedule.h"

#include "core/common/Errors.h"
#include "core/common/Numbers.h"

#include <cstdio>

namespace tav {

namespace {

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A run of 1..maxDigits digits at pos; advances pos past it.
std::optional<int> ReadNumber(std::string_view text, size_t& pos, size_t minDigits, size_t maxDigits)
{
    size_t end = pos;
    while (end < text.size() && IsDigit(text[end]) && end - pos < maxDigits)
        ++end;
    if (end - pos < minDigits || (end < text.size() && IsDigit(text[end])))
        return std::nullopt;
    int value = 0;
    for (size_t i = pos; i < end; ++i)
        value = value * 10 + (text[i] - '0');
    pos = end;
    return value;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

bool IsValidDate(const Date& date)
{
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

// Civil-calendar day counting (proleptic Gregorian).
long long DayNumber(const Date& date)
{
    const long long y = date.year - (date.month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long mp = (date.month + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + date.day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date DateFromDayNumber(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

Date AddDays(const Date& date, long long days)
{
    return DateFromDayNumber(DayNumber(date) + days);
}

std::string FormatShortDate(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
    return text;
}

std::optional<Date> ParseShortDate(std::string_view text)
{
    text = TrimBlanks(text);
    size_t pos = 0;
    const auto month = ReadNumber(text, pos, 1, 2);
    if (!month || pos >= text.size() || text[pos++] != '/')
        return std::nullopt;
    const auto day = ReadNumber(text, pos, 1, 2);
    if (!day || pos >= text.size() || text[pos++] != '/')
        return std::nullopt;
    const auto year = ReadNumber(text, pos, 4, 4);
    if (!year || pos != text.size())
        return std::nullopt;
    const Date date{*year, *month, *day};
    if (!IsValidDate(date))
        return std::nullopt;
    return date;
}

Date StrToDate(std::string_view text)
{
    if (const auto date = ParseShortDate(text))
        return *date;
    throw ConversionError("'" + std::string(text) + "' is not a valid date");
}

std::optional<int> ParseInterval(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    for (char c : text)
        if (!IsDigit(c))
            return std::nullopt;
    const int value = StrToInt(text);
    if (value < kMinInterval || value > kMaxInterval)
        return std::nullopt;
    return value;
}

int IntervalOrDefault(std::string_view text, int fallback)
{
    return ParseInterval(text).value_or(fallback);
}

ReminderAction DecideReminder(const StoredSchedule& stored, const Date& today)
{
    if (!stored.nextUpdate || stored.newInstall)
        return ReminderAction::Schedule;
    if (*stored.nextUpdate == "0")
        return ReminderAction::Off;
    const auto due = ParseShortDate(*stored.nextUpdate);
    if (!due)
        return ReminderAction::Unreadable;
    return today >= *due ? ReminderAction::Ask : ReminderAction::NotDue;
}

ScheduleValues FirstSchedule(const Date& today, int interval)
{
    return {FormatShortDate(AddDays(today, interval)), IntToStr(interval)};
}

ScheduleValues ScheduleAfterShowing(std::string_view intervalText, bool remindAgain, const Date& today, int fallback)
{
    const int interval = IntervalOrDefault(intervalText, fallback);
    return {remindAgain ? FormatShortDate(AddDays(today, interval)) : std::string("0"), IntToStr(interval)};
}

bool IsStaleUpdate(std::string_view lastUpdate, const Date& today)
{
    const auto date = ParseShortDate(lastUpdate);
    return date && DayNumber(today) - DayNumber(*date) >= kStaleUpdateDays;
}

} // namespace tav
