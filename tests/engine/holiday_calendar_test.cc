#include "engine/holiday_calendar.h"

#include "support/fake_calendar_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

using test::FakeCalendarReader;

CalendarEventRecord AllDay(const char* name, CalendarDate start, CalendarDate end) {
    return test::AllDayEvent(name, start, end);
}

CalendarFileRecord Calendar(std::vector<CalendarEventRecord> events) {
    CalendarFileRecord r;
    r.opened = true;
    r.isCalendar = true;
    r.events = std::move(events);
    return r;
}

std::vector<std::string> Listed(const HolidayCalendar& c, CalendarDate from, CalendarDate to) {
    std::vector<std::string> out;
    for (const auto& [date, h] : c.Between(from, to))
        out.push_back(std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
                      std::to_string(date.day) + " " + h.name + " " + h.file);
    return out;
}

TEST(HolidayCalendar, CoversOneDayMultiDayAndRecurringEventsAndLeavesOutTimedOnes) {
    FakeCalendarReader reader;
    CalendarEventRecord christmas = AllDay("Christmas Day", {2020, 12, 25}, {2020, 12, 26});
    christmas.repeats = {{2020, 12, 25}, {2021, 12, 25}, {2022, 12, 25}, {2023, 12, 25}};
    christmas.excluded = {{2022, 12, 25}};
    CalendarEventRecord meeting = AllDay("Meeting", {2021, 3, 1}, {2021, 3, 1});
    meeting.allDay = false;
    // The closing crosses a month and a year end; DTEND is the day after its last day.
    reader.files["/c/a.ics"] = Calendar({AllDay("Closing", {2021, 12, 27}, {2022, 1, 8}), christmas, meeting,
                                         AllDay("New Year", {2022, 1, 1}, {2022, 1, 2})});
    HolidayCalendar calendar;
    const HolidayLoadReport report =
        calendar.Load(reader, {{"c:\\a.ics", "/c/a.ics"}}, CalendarDate{2023, 12, 31});

    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(report.TimedEventsLine(),
              "Holidays: 1 event has a time of day and is left out (only all-day events make a holiday)");
    EXPECT_EQ(calendar.Between({2021, 12, 27}, {2022, 1, 7}).size(), 12u);
    EXPECT_EQ(calendar.Find({2022, 1, 8}), nullptr);
    // The closing was listed first: it keeps New Year's Day.
    EXPECT_EQ(calendar.Find({2022, 1, 1})->name, "Closing");
    EXPECT_EQ(Listed(calendar, {2021, 12, 1}, {2021, 12, 26}),
              std::vector<std::string>{"2021-12-25 Christmas Day c:\\a.ics"});
    EXPECT_EQ(calendar.Find({2022, 12, 25}), nullptr); // EXDATE
    ASSERT_NE(calendar.Find({2023, 12, 25}), nullptr);
    EXPECT_EQ(calendar.Find({2021, 3, 1}), nullptr);
}

TEST(HolidayCalendar, AFileThatCannotBeReadLeavesTheOthersInForce) {
    FakeCalendarReader reader;
    CalendarFileRecord damaged = Calendar({AllDay("Founders' Day", {2027, 5, 3}, {2027, 5, 4})});
    damaged.damagedLines = 2;
    damaged.firstDamagedLine = 15;
    damaged.firstDamage = "Got a data line: BROKEN";
    reader.files["/d.ics"] = damaged;
    reader.files["/e.ics"] = Calendar({AllDay("Labour Day", {2027, 5, 1}, {2027, 5, 2})});
    CalendarFileRecord notCalendar;
    notCalendar.opened = true;
    reader.files["/n.txt"] = notCalendar;
    HolidayCalendar calendar;
    const HolidayLoadReport report = calendar.Load(
        reader,
        {{"/gone.ics", "/gone.ics"}, {"/d.ics", "/d.ics"}, {"/n.txt", "/n.txt"}, {"/e.ics", "/e.ics"}},
        CalendarDate{2028, 1, 1});

    EXPECT_TRUE(report.unreadable);
    EXPECT_EQ(
        report.problems,
        (std::vector<std::string>{
            "Holidays: the calendar file \"/gone.ics\" cannot be read (No such file or directory); the "
            "other calendar files stay in force",
            "Holidays: the calendar file \"/d.ics\" has a damaged line 15 (Got a data line: BROKEN) and 1 "
            "more; what could not be read is left out, its other holidays stay in force",
            "Holidays: \"/n.txt\" is not an iCalendar file (it holds no BEGIN:VCALENDAR); the other "
            "calendar files stay in force"}));
    EXPECT_EQ(Listed(calendar, {2027, 1, 1}, {2027, 12, 31}),
              (std::vector<std::string>{"2027-5-1 Labour Day /e.ics", "2027-5-3 Founders' Day /d.ics"}));
    EXPECT_EQ(reader.lastUntil, (CalendarDate{2028, 1, 1}));
}

TEST(HolidayCalendar, DayNumbersRoundTripOverLeapYearsAndCenturies) {
    for (long d = DayNumber({1899, 12, 1}); d < DayNumber({2101, 3, 1}); ++d)
        ASSERT_EQ(DayNumber(DateOfDayNumber(d)), d);
    EXPECT_EQ(DayNumber({2000, 3, 1}) - DayNumber({2000, 2, 28}), 2);
    EXPECT_EQ(DayNumber({2100, 3, 1}) - DayNumber({2100, 2, 28}), 1);
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
}

} // namespace
} // namespace tavrel
