#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

// A calendar day; the reminders care about days, never about the time of day.
struct Date
{
    int year = 1;
    int month = 1;
    int day = 1;

    friend auto operator<=>(const Date&, const Date&) = default;
};

bool IsValidDate(const Date& date);
// Days since 1970-01-01 (negative before), and back.
long long DayNumber(const Date& date);
Date DateFromDayNumber(long long days);
Date AddDays(const Date& date, long long days);

// "MM/dd/yyyy", the short date format the program always writes.
std::string FormatShortDate(const Date& date);
// Read leniently: one or two digits of month and day, four of the year ("M/d/yyyy").
std::optional<Date> ParseShortDate(std::string_view text);
// Throws ConversionError "'%s' is not a valid date".
Date StrToDate(std::string_view text);

// A reminder interval in days: a whole number in this range, nothing else.
inline constexpr int kMinInterval = 1;
inline constexpr int kMaxInterval = 3650;
std::optional<int> ParseInterval(std::string_view text);
int IntervalOrDefault(std::string_view text, int fallback);

// What the registry holds for one reminder: "NextUpdate" ("0" switches it off) and
// whether the installer left the "NewInstall" marker.
struct StoredSchedule
{
    std::optional<std::string> nextUpdate;
    bool newInstall = false;
};

enum class ReminderAction
{
    Schedule,   // nothing scheduled yet (or a new installation): schedule, ask nothing
    Off,        // switched off
    NotDue,     // scheduled for a later day
    Ask,        // due: the day has come
    Unreadable, // "NextUpdate" is not a date
};

ReminderAction DecideReminder(const StoredSchedule& stored, const Date& today);

// The values a reminder writes: "NextUpdate" and "Interval".
struct ScheduleValues
{
    std::string nextUpdate;
    std::string interval;
};

ScheduleValues FirstSchedule(const Date& today, int interval);
// After the dialog: the typed interval (or the fallback), and "0" when the user wants no
// further reminder.
ScheduleValues ScheduleAfterShowing(std::string_view intervalText, bool remindAgain, const Date& today, int fallback);

// A program counts as long without update when its last update reads as a date at
// least this many days back.
inline constexpr int kStaleUpdateDays = 90;
bool IsStaleUpdate(std::string_view lastUpdate, const Date& today);

} // namespace tav
