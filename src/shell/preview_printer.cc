#include "shell/preview_printer.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace tavrel {

namespace {

constexpr std::array<const char*, 7> kDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string TwoDigits(int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

void PrintHours(const RelayPreview& relay, std::ostream& out) {
    for (int hour = 0; hour < 24; ++hour) {
        const int32_t from = hour * 3600;
        const int32_t to = from + 3600;
        int started = 0;
        int32_t seconds = 0;
        for (const OnInterval& i : relay.intervals) {
            if (i.start >= from && i.start < to)
                ++started;
            const int32_t a = std::max(i.start, from);
            const int32_t b = std::min(i.end, to);
            if (b > a)
                seconds += b - a;
        }
        if (started > 0 || seconds > 0)
            out << "    hour " << TwoDigits(hour) << ": " << started << " switched ON, " << seconds
                << " s ON\n";
    }
}

// A rule other than RUN, on a line of its own, with what it does when the day is a holiday.
void PrintHolidayRule(HolidayRule rule, bool holiday, std::ostream& out) {
    if (rule == HolidayRule::Run)
        return;
    out << "  holiday rule: " << HolidayRuleText(rule);
    if (holiday)
        out << (rule == HolidayRule::Skip ? " (not run on this holiday)"
                                          : " (run as a Sunday on this holiday)");
    out << "\n";
}

} // namespace

std::optional<CalendarDate> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](size_t at, size_t length) -> std::optional<int> {
        int n = 0;
        for (size_t i = at; i < at + length; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return std::nullopt;
            n = n * 10 + (text[i] - '0');
        }
        return n;
    };
    const auto year = number(0, 4);
    const auto month = number(5, 2);
    const auto day = number(8, 2);
    if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month))
        return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

std::string FormatDaySeconds(int32_t seconds) {
    const int s = std::clamp<int32_t>(seconds, 0, kSecondsInDay);
    return TwoDigits(s / 3600) + ":" + TwoDigits(s / 60 % 60) + ":" + TwoDigits(s % 60);
}

void PrintDayPreview(const DayPreview& day, std::ostream& out) {
    out << "Preview of " << day.date.year << "-" << TwoDigits(day.date.month) << "-"
        << TwoDigits(day.date.day) << " (" << kDayNames[static_cast<size_t>((day.weekday + 6) % 7)] << ")\n";
    if (day.holiday)
        out << "Holiday: " << *day.holiday << "\n";
    for (size_t r = 0; r < day.relays.size(); ++r) {
        const RelayPreview& relay = day.relays[r];
        out << "Relay " << r + 1 << ": " << relay.name << "\n";
        PrintHolidayRule(relay.holidayRule, day.holiday.has_value(), out);
        if (relay.cyclic)
            out << "  cyclic: shown with its cycle started at the start of its window; the live phase "
                   "depends on when the cycle started\n";
        for (const std::string& note : relay.notes)
            out << "  " << note << "\n";
        if (relay.intervals.empty())
            out << "  OFF all day\n";
        else if (relay.intervals.size() > kMaxListedIntervals)
            PrintHours(relay, out);
        else
            for (const OnInterval& i : relay.intervals)
                out << "  " << FormatDaySeconds(i.start) << "-" << FormatDaySeconds(i.end) << "\n";
        out << "  ON " << FormatDaySeconds(relay.onSeconds) << " of total time " << relay.totalTimeText
            << "\n";
    }
    out << "Note: the total time counts each pair as its end minus its start; the bounds are strict, so a "
           "relay switches ON 1 second after a pair's start and each pair is ON 1 second shorter.\n";
}

} // namespace tavrel
