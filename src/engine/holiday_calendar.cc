#include "engine/holiday_calendar.h"

#include "engine/local_day.h"

#include <algorithm>

namespace tavrel {

namespace {

// An event longer than this is taken to be a mistake in the file, not a closing period: it is cut here
// rather than let it fill memory.
constexpr long kLongestEventDays = 400;

bool Listed(const std::vector<CalendarDate>& dates, const CalendarDate& date) {
    return std::find(dates.begin(), dates.end(), date) != dates.end();
}

std::string DamageMessage(const HolidayFile& file, const CalendarFileRecord& record) {
    std::string message = "Holidays: the calendar file \"" + file.listed + "\" has a damaged line " +
                          std::to_string(record.firstDamagedLine) + " (" + record.firstDamage + ")";
    if (record.damagedLines > 1)
        message += " and " + std::to_string(record.damagedLines - 1) + " more";
    return message + "; what could not be read is left out, its other holidays stay in force";
}

} // namespace

std::string HolidayLoadReport::TimedEventsLine() const {
    if (timedEvents == 0)
        return "";
    return "Holidays: " + std::to_string(timedEvents) + (timedEvents == 1 ? " event has" : " events have") +
           " a time of day and " + (timedEvents == 1 ? "is" : "are") +
           " left out (only all-day events make a holiday)";
}

long DayNumber(const CalendarDate& date) {
    return static_cast<long>(DaysFromCivil(date));
}

CalendarDate DateOfDayNumber(long day) {
    return CivilFromDays(day);
}

HolidayLoadReport HolidayCalendar::Load(CalendarReader& reader, const std::vector<HolidayFile>& files,
                                        const CalendarDate& until) {
    days_.clear();
    HolidayLoadReport report;
    for (const HolidayFile& file : files) {
        const CalendarFileRecord record = reader.ReadFile(file.path, until);
        if (!record.opened) {
            report.unreadable = true;
            report.problems.push_back("Holidays: the calendar file \"" + file.listed + "\" cannot be read (" +
                                      record.openError + "); the other calendar files stay in force");
            continue;
        }
        if (!record.isCalendar) {
            report.unreadable = true;
            report.problems.push_back("Holidays: \"" + file.listed +
                                      "\" is not an iCalendar file (it holds no BEGIN:VCALENDAR); the other "
                                      "calendar files stay in force");
            continue;
        }
        if (record.damagedLines > 0) {
            report.unreadable = true;
            report.problems.push_back(DamageMessage(file, record));
        }
        for (const CalendarEventRecord& event : record.events) {
            if (!event.allDay) {
                ++report.timedEvents;
                continue;
            }
            const long length =
                std::clamp(DayNumber(event.end) - DayNumber(event.start), 1L, kLongestEventDays);
            const Holiday holiday{event.summary, file.listed};
            if (event.repeats.empty())
                AddDays(event.start, length, holiday);
            for (const CalendarDate& start : event.repeats)
                if (!Listed(event.excluded, start))
                    AddDays(start, length, holiday);
        }
    }
    return report;
}

void HolidayCalendar::AddDays(const CalendarDate& first, long days, const Holiday& holiday) {
    const long from = DayNumber(first);
    for (long d = from; d < from + days; ++d)
        days_.emplace(d, holiday);
}

const Holiday* HolidayCalendar::Find(const CalendarDate& date) const {
    const auto it = days_.find(DayNumber(date));
    return it == days_.end() ? nullptr : &it->second;
}

std::vector<std::pair<CalendarDate, Holiday>> HolidayCalendar::Between(const CalendarDate& from,
                                                                       const CalendarDate& to) const {
    std::vector<std::pair<CalendarDate, Holiday>> out;
    for (auto it = days_.lower_bound(DayNumber(from)); it != days_.end() && it->first <= DayNumber(to); ++it)
        out.emplace_back(DateOfDayNumber(it->first), it->second);
    return out;
}

} // namespace tavrel
