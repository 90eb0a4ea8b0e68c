#include "core/services/Schedule.h"

#include "core/common/Errors.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(Schedule, DatesAreWrittenPaddedAndReadLeniently)
{
    struct Case
    {
        const char* text;
        std::optional<Date> date;
    };
    const Case cases[] = {
        {"03/14/2025", Date{2025, 3, 14}},
        {"3/4/2025", Date{2025, 3, 4}},
        {" 12/31/1999 ", Date{1999, 12, 31}},
        {"02/29/2024", Date{2024, 2, 29}},
        {"02/29/2025", std::nullopt},
        {"13/01/2025", std::nullopt},
        {"00/10/2025", std::nullopt},
        {"1/1/25", std::nullopt},
        {"1/1/20255", std::nullopt},
        {"001/1/2025", std::nullopt},
        {"2025-03-14", std::nullopt},
        {"03/14/2025x", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseShortDate(c.text), c.date) << c.text;
    EXPECT_EQ(FormatShortDate({2025, 3, 4}), "03/04/2025");
    EXPECT_THROW(StrToDate("13/45/2025"), ConversionError);
    try {
        StrToDate("soon");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'soon' is not a valid date");
    }
}

TEST(Schedule, AddingDaysCrossesMonthsYearsAndLeapDays)
{
    struct Case
    {
        Date from;
        long long days;
        Date to;
    };
    const Case cases[] = {
        {{2025, 3, 14}, 30, {2025, 4, 13}}, {{2024, 2, 28}, 1, {2024, 2, 29}},  {{2025, 2, 28}, 1, {2025, 3, 1}},
        {{2025, 12, 31}, 1, {2026, 1, 1}},  {{2025, 1, 1}, -1, {2024, 12, 31}}, {{2025, 3, 14}, 3650, {2035, 3, 12}},
        {{1970, 1, 1}, 0, {1970, 1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddDays(c.from, c.days), c.to) << FormatShortDate(c.from) << " + " << c.days;
}

TEST(Schedule, IntervalIsAWholeNumberOfDaysInRange)
{
    struct Case
    {
        const char* text;
        int expected; // with the default 30
    };
    const Case cases[] = {
        {"7", 7},    {" 45 ", 45}, {"1", 1}, {"3650", 3650}, {"3651", 30}, {"0", 30},           {"-5", 30},
        {"7.5", 30}, {"1e2", 30},  {"", 30}, {"abc", 30},    {"$10", 30},  {"99999999999", 30}, {"+5", 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntervalOrDefault(c.text, 30), c.expected) << c.text;
}

TEST(Schedule, ReminderDecisions)
{
    const Date today{2025, 3, 14};
    struct Case
    {
        std::optional<std::string> next;
        bool newInstall;
        ReminderAction action;
    };
    const Case cases[] = {
        {std::nullopt, false, ReminderAction::Schedule},
        {std::nullopt, true, ReminderAction::Schedule},
        {"0", true, ReminderAction::Schedule}, // a new installation switches it on again
        {"0", false, ReminderAction::Off},
        {"03/15/2025", false, ReminderAction::NotDue},
        {"03/14/2025", false, ReminderAction::Ask},
        {"3/1/2025", false, ReminderAction::Ask},
        {"01/01/2020", false, ReminderAction::Ask},
        {"tomorrow", false, ReminderAction::Unreadable},
        {"", false, ReminderAction::Unreadable},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideReminder({c.next, c.newInstall}, today), c.action) << c.next.value_or("(none)");
}

TEST(Schedule, ValuesWrittenAfterTheDialog)
{
    const Date today{2025, 3, 14};
    EXPECT_EQ(FirstSchedule(today, 7).nextUpdate, "03/21/2025");
    EXPECT_EQ(FirstSchedule(today, 7).interval, "7");
    struct Case
    {
        const char* typed;
        bool remind;
        const char* next;
        const char* interval;
    };
    const Case cases[] = {
        {"10", true, "03/24/2025", "10"},
        {"", true, "04/13/2025", "30"},
        {"2.5", true, "04/13/2025", "30"},
        {"10", false, "0", "10"},
    };
    for (const auto& c : cases) {
        const ScheduleValues v = ScheduleAfterShowing(c.typed, c.remind, today, 30);
        EXPECT_EQ(v.nextUpdate, c.next) << c.typed;
        EXPECT_EQ(v.interval, c.interval) << c.typed;
    }
}

TEST(Schedule, AnUpdateIsStaleFromNinetyDaysOn)
{
    const Date today{2025, 3, 14};
    EXPECT_TRUE(IsStaleUpdate(FormatShortDate(AddDays(today, -90)), today));
    EXPECT_FALSE(IsStaleUpdate(FormatShortDate(AddDays(today, -89)), today));
    EXPECT_FALSE(IsStaleUpdate("", today));
    EXPECT_FALSE(IsStaleUpdate("long ago", today));
}

} // namespace
} // namespace tav
