#pragma once
// What each relay of board 1 will do on a given day: the real evaluation run second by second on a copy
// of the tables under a clock of its own, with the output rules (invert, manual, stop) applied.

#include "engine/local_day.h"
#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

constexpr int32_t kSecondsInDay = 86400;

// Seconds of the day the relay is ON: [start, end), end at most kSecondsInDay.
struct OnInterval {
    int32_t start = 0;
    int32_t end = 0;
    friend bool operator==(const OnInterval&, const OnInterval&) = default;
};

struct RelayPreview {
    std::string name;
    // A cyclic relay is previewed with its cycle started afresh at the start of its window.
    bool cyclic = false;
    std::vector<OnInterval> intervals;
    int32_t onSeconds = 0;
    // The relay's planned daily ON time as the panel's total-time box shows it.
    std::string totalTimeText;
    // Each sun-based pair with what it does that day ("pair 1: sunset-00:30 - 23:00:00: 19:03:07 - ...").
    std::vector<std::string> notes;
    HolidayRule holidayRule = HolidayRule::Run;
};

struct DayPreview {
    CalendarDate date;
    int weekday = 1; // 1 = Sunday .. 7 = Saturday
    // The holiday's name when the day is one; the relays' holiday rules then apply.
    std::optional<std::string> holiday;
    std::array<RelayPreview, kRelaysPerBoard> relays;
};

// The state the output pass leaves on the relay after an evaluation (stop, invert applied).
bool OutputIsOn(const RelayRecord& relay);

// The local day `date` as the live tick lives it, in the zone the sun times were resolved in.
std::vector<WallStretch> LivedStretches(const SunTimes& sun, const CalendarDate& date);

// 1 = Sunday .. 7 = Saturday, for a date of the Gregorian calendar.
int WeekdayOfDate(const CalendarDate& date);

// The day `date` under `schedule`. Works on its own copy: the given tables are left as they are.
DayPreview PreviewDay(const ScheduleTables& schedule, const CalendarDate& date);

} // namespace tavrel
