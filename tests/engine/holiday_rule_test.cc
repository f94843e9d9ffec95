#include "engine/day_preview.h"
#include "engine/holiday_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrel {
namespace {

constexpr CalendarDate kWednesdayHoliday{2026, 12, 23};
constexpr CalendarDate kThursday{2026, 12, 24};

struct Case {
    const char* what;
    HolidayRule rule;
    const char* days;
    const char* code;
    bool manual;
    CalendarDate date;
    bool runs; // the relay is ON at some time of the day
};

TEST(HolidayRuleTest, WhatARelayDoesOnAHoliday) {
    const Case cases[] = {
        {"RUN keeps the holiday an ordinary day", HolidayRule::Run, "4", "EO", false, kWednesdayHoliday,
         true},
        {"SKIP is off on the holiday", HolidayRule::Skip, "All Days", "EO", false, kWednesdayHoliday, false},
        {"SKIP stops a cycle too", HolidayRule::Skip, "All Days", "15", false, kWednesdayHoliday, false},
        {"SKIP runs the day after", HolidayRule::Skip, "All Days", "EO", false, kThursday, true},
        {"manual acts on a SKIP holiday", HolidayRule::Skip, "All Days", "EO", true, kWednesdayHoliday, true},
        {"SUNDAY runs Sunday pairs", HolidayRule::Sunday, "1", "EO", false, kWednesdayHoliday, true},
        {"SUNDAY leaves Wednesday pairs", HolidayRule::Sunday, "4", "EO", false, kWednesdayHoliday, false},
        {"SUNDAY is a weekend day for SS", HolidayRule::Sunday, "All Days", "SS", false, kWednesdayHoliday,
         false},
        {"SUNDAY is a Sunday for XS", HolidayRule::Sunday, "All Days", "XS", false, kWednesdayHoliday, false},
        {"SUNDAY is not a Saturday for SX", HolidayRule::Sunday, "All Days", "SX", false, kWednesdayHoliday,
         true},
        {"even days use the real date", HolidayRule::Sunday, "All Days", "OD", false, kWednesdayHoliday,
         true},
        {"SUNDAY only on holidays", HolidayRule::Sunday, "1", "EO", false, kThursday, false},
    };
    for (const Case& c : cases) {
        ScheduleTables t;
        InitialiseNewSchedule(t);
        int asked = 0;
        t.Holidays.SetLookup([&asked](const CalendarDate& d) -> std::optional<std::string> {
            ++asked;
            return d == kWednesdayHoliday ? std::optional<std::string>("Closing") : std::nullopt;
        });
        RelayRecord& relay = t.RelayArray[0];
        relay.Holiday = c.rule;
        relay.DaysOfWeek = c.days;
        relay.CycleCode = c.code;
        relay.Manual = c.manual ? kTrue : kFalse;
        t.TimeArray[0] = {"08:00:00", "09:00:00", kFalse};
        const DayPreview day = PreviewDay(t, c.date);
        EXPECT_EQ(!day.relays[0].intervals.empty(), c.runs) << c.what;
        EXPECT_LE(asked, 1) << c.what << ": the calendar is asked once a day, not at each second";
    }
}

} // namespace
} // namespace tavrel
