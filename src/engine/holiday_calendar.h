#pragma once
// Which dates are holidays, read from iCalendar files: each date an all-day event of a listed file covers,
// with the event's name and its file.

#include "config/holiday_files.h"
#include "platform/calendar_reader.h"
#include "platform/clock.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tavrel {

struct Holiday {
    std::string name;
    std::string file; // as the setting lists it
};

// A calendar file as the setting names it and the path it is read from (a Windows path mapped).
struct HolidayFile {
    std::string listed;
    std::string path;
};

// What a load found, for the log: one message per file that could not be read whole, and the events
// with a time of day that were left out.
struct HolidayLoadReport {
    std::vector<std::string> problems;
    int timedEvents = 0;
    bool unreadable = false; // a file could not be read at all, or not whole
    // The line the log gets for the timed events, or "" when there were none.
    std::string TimedEventsLine() const;
};

class HolidayCalendar {
public:
    // Reads the files in turn; a file that cannot be read leaves the holidays of the others in force.
    // Recurring events are followed up to `until`. Where two events cover a date, the first listed keeps it.
    HolidayLoadReport Load(CalendarReader& reader, const std::vector<HolidayFile>& files,
                           const CalendarDate& until);
    void Clear() { days_.clear(); }

    const Holiday* Find(const CalendarDate& date) const;
    // The holidays from `from` to `to`, both included, in date order.
    std::vector<std::pair<CalendarDate, Holiday>> Between(const CalendarDate& from,
                                                          const CalendarDate& to) const;

private:
    void AddDays(const CalendarDate& first, long days, const Holiday& holiday);

    std::map<long, Holiday> days_; // by day number
};

// Day numbers (days since 1970-01-01) for date arithmetic across months and years.
long DayNumber(const CalendarDate& date);
CalendarDate DateOfDayNumber(long day);

} // namespace tavrel
