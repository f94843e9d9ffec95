#include "mainwindow/holiday_list.h"

#include "support/fake_calendar_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

constexpr CalendarDate kToday{2027, 7, 30};

// A closing from 26 July to 6 August and a New Year's Day, read from one file up to two years on.
HolidayCalendar Calendar() {
    test::FakeCalendarReader reader;
    reader.files["/cal/work.ics"] =
        test::CalendarFile({test::AllDayEvent("Summer closing", {2027, 7, 26}, {2027, 8, 7}),
                            test::AllDayEvent("New Year's Day", {2028, 1, 1}, {2028, 1, 2}),
                            // past the year listed
                            test::AllDayEvent("New Year's Day", {2028, 7, 31}, {2028, 8, 1})});
    HolidayCalendar calendar;
    calendar.Load(reader, {{"c:\\work.ics", "/cal/work.ics"}}, {2029, 12, 31});
    return calendar;
}

TEST(HolidayListTest, TheComingYearAndWhatToDoWithoutACalendar) {
    const HolidayCalendar calendar = Calendar();
    const HolidayCalendar none;
    const std::string missing = "Holidays: the calendar file \"/gone.ics\" cannot be read (No such file or "
                                "directory); the other calendar files stay in force";
    struct Case {
        HolidayCalendarState state;
        size_t rows;
        const char* heading;
        const char* problems;
    } cases[] = {
        {{&calendar, 0, {}},
         0,
         "No holiday calendar is set, so every day runs as an ordinary day. To use one, list its .ics files "
         "in "
         "\"HolidayFiles\" in the Calendar section of File > Configuration (several files separated by "
         "\";\").",
         ""},
        {{&calendar, 2, {missing}},
         9,
         "9 holidays from 2027-07-30 to 2028-07-30 in the calendar files:",
         "the calendar file \"/gone.ics\" cannot be read (No such file or directory); the other calendar "
         "files stay in force"},
        {{&none, 1, {}}, 0, "No holidays from 2027-07-30 to 2028-07-30 in the calendar file.", ""},
    };
    for (const Case& c : cases) {
        const HolidayList list = ComingHolidays(c.state, kToday);
        EXPECT_EQ(list.rows.size(), c.rows) << c.heading;
        EXPECT_EQ(list.heading, c.heading);
        EXPECT_EQ(list.problems, c.problems);
    }
    // A row per date covered, from today on, as --holidays lists them.
    const HolidayList list = ComingHolidays({&calendar, 1, {}}, kToday);
    ASSERT_EQ(list.rows.size(), 9u);
    EXPECT_EQ(list.rows.front().date, "2027-07-30");
    EXPECT_EQ(list.rows.front().name, "Summer closing");
    EXPECT_EQ(list.rows.front().file, "c:\\work.ics");
    EXPECT_EQ(list.rows[7].date, "2027-08-06");
    EXPECT_EQ(list.rows.back().date, "2028-01-01");
    EXPECT_EQ(list.rows.back().name, "New Year's Day");
}

TEST(HolidayListTest, TheStatusFieldSaysTodayAndAProblem) {
    const HolidayCalendar calendar = Calendar();
    struct Case {
        HolidayCalendarState state;
        CalendarDate today;
        bool shown;
        bool problem;
        const char* text;
    } cases[] = {
        {{&calendar, 0, {}}, kToday, false, false, ""},
        {{&calendar, 1, {}}, kToday, true, false, "Holiday: Summer closing"},
        {{&calendar, 1, {}}, {2027, 8, 7}, true, false, "No holiday today"},
        {{&calendar, 2, {"Holidays: x"}}, kToday, true, true, "Calendar problem"},
    };
    for (const Case& c : cases) {
        const HolidayField field = HolidayStatusField(c.state, c.today);
        EXPECT_EQ(field.shown, c.shown) << c.text;
        EXPECT_EQ(field.problem, c.problem) << c.text;
        EXPECT_EQ(field.text, c.text);
    }
    EXPECT_EQ(HolidayStatusField({&calendar, 2, {"Holidays: a", "Holidays: b"}}, kToday).toolTip,
              "a\nb\nHoliday: Summer closing");
}

} // namespace
} // namespace tavrel
