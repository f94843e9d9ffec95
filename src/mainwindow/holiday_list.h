#pragma once
// What the window says of the holiday calendars: the Holidays window's list of the coming year (one row
// per date a calendar covers, as `tavreld --holidays` lists them), what it says when there is nothing to
// list or a file could not be read, and the status bar's holiday field.

#include "engine/holiday_calendar.h"
#include "platform/clock.h"

#include <string>
#include <vector>

namespace tavrel {

class HolidayService;

// The calendars as the program holds them now.
struct HolidayCalendarState {
    const HolidayCalendar* calendar = nullptr; // null: no calendar service
    size_t files = 0;                          // the files "HolidayFiles" lists
    std::vector<std::string> problems;         // what the last reading could not read
};

// What `holidays` holds now (null: no calendar service, as no calendar).
HolidayCalendarState CalendarStateOf(const HolidayService* holidays);

struct HolidayRow {
    std::string date; // "YYYY-MM-DD"
    std::string name;
    std::string file; // as the setting lists it
};

struct HolidayList {
    std::vector<HolidayRow> rows;
    // Above the rows: what they cover; without rows, why there are none and what to do.
    std::string heading;
    // Each file that could not be read with why, a line each; "" when all were read.
    std::string problems;
};

// The holidays from `today` to the same day a year later.
HolidayList ComingHolidays(const HolidayCalendarState& state, const CalendarDate& today);

struct HolidayField {
    bool shown = false; // only when calendar files are set
    bool problem = false;
    std::string text;
    std::string toolTip;
};

// "Holiday: Summer closing" or "No holiday today"; "Calendar problem" when a file could not be read.
HolidayField HolidayStatusField(const HolidayCalendarState& state, const CalendarDate& today);

} // namespace tavrel
