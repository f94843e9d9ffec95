#include "shell/holidays_ahead.h"

#include "engine/holiday_calendar.h"
#include "shell/holiday_command.h"

#include <cctype>
#include <string_view>

namespace tavrel {

namespace {

// A log line as a sentence of its own: the section is about holidays already.
std::string Sentence(const std::string& line) {
    constexpr std::string_view kLead = "Holidays: ";
    std::string text = line.rfind(kLead, 0) == 0 ? line.substr(kLead.size()) : line;
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
}

} // namespace

HolidaysAhead ReadHolidaysAhead(CalendarReader& reader, const std::string& setting, const DriveMap& drives,
                                const CalendarDate& today, int count) {
    const CalendarDate until = DateOfDayNumber(DayNumber(today) + 365);
    HolidayCalendar calendar;
    const HolidayLoadReport report = calendar.Load(reader, HolidayFilesOf(setting, drives), until);
    HolidaysAhead ahead;
    for (const std::string& problem : report.problems)
        ahead.problems.push_back(Sentence(problem));
    if (!report.TimedEventsLine().empty())
        ahead.problems.push_back(Sentence(report.TimedEventsLine()));
    for (const auto& [date, holiday] : calendar.Between(today, until)) {
        if (static_cast<int>(ahead.dates.size()) == count)
            break;
        ahead.dates.push_back({date, holiday.name});
    }
    return ahead;
}

} // namespace tavrel
