#include "mainwindow/holiday_list.h"

#include "shell/holiday_command.h"
#include "shell/holiday_service.h"

#include <string_view>

namespace tavrel {

namespace {

// The messages open with "Holidays: " for the log; the window has its own heading.
std::string WithoutLead(const std::string& line) {
    constexpr std::string_view kLead = "Holidays: ";
    return line.rfind(kLead, 0) == 0 ? line.substr(kLead.size()) : line;
}

std::string ProblemLines(const std::vector<std::string>& problems) {
    std::string lines;
    for (const std::string& problem : problems)
        lines += (lines.empty() ? "" : "\n") + WithoutLead(problem);
    return lines;
}

} // namespace

HolidayCalendarState CalendarStateOf(const HolidayService* holidays) {
    if (holidays == nullptr)
        return {};
    return {&holidays->Calendar(), holidays->Files().size(), holidays->Problems()};
}

HolidayList ComingHolidays(const HolidayCalendarState& state, const CalendarDate& today) {
    HolidayList list;
    list.problems = ProblemLines(state.problems);
    if (state.files == 0 || state.calendar == nullptr) {
        list.heading = "No holiday calendar is set, so every day runs as an ordinary day. To use one, list "
                       "its .ics files in \"HolidayFiles\" in the Calendar section of File > Configuration "
                       "(several files separated by \";\").";
        return list;
    }
    const CalendarDate until = YearLater(today);
    for (const auto& [date, holiday] : state.calendar->Between(today, until))
        list.rows.push_back({IsoDateText(date), holiday.name, holiday.file});
    const std::string span = " from " + IsoDateText(today) + " to " + IsoDateText(until);
    const std::string from = state.files == 1 ? " in the calendar file" : " in the calendar files";
    if (list.rows.empty())
        list.heading = "No holidays" + span + from + ".";
    else
        list.heading = std::to_string(list.rows.size()) + (list.rows.size() == 1 ? " holiday" : " holidays") +
                       span + from + ":";
    return list;
}

HolidayField HolidayStatusField(const HolidayCalendarState& state, const CalendarDate& today) {
    HolidayField field;
    field.shown = state.files > 0;
    if (!field.shown)
        return field;
    const Holiday* holiday = state.calendar != nullptr ? state.calendar->Find(today) : nullptr;
    field.problem = !state.problems.empty();
    const std::string day = holiday != nullptr ? "Holiday: " + holiday->name : "No holiday today";
    // The status bar is narrow: a problem outranks the day, which the tool tip still says.
    field.text = field.problem ? "Calendar problem" : day;
    field.toolTip = field.problem ? ProblemLines(state.problems) + "\n" + day
                                  : "Tool > Holidays lists the coming holidays";
    return field;
}

} // namespace tavrel
