#pragma once
// Calendar days as day numbers, and where an instant falls in a local civil day.

#include "platform/clock.h"
#include "platform/time_zone.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrel {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(const CalendarDate& date);
CalendarDate CivilFromDays(int64_t days);

// The local time of day of the instant `unixSeconds` when it falls on the local date `date`; nothing when
// it falls on another local date.
std::optional<int32_t> LocalSecondsOn(const TimeZone& zone, const CalendarDate& date, int64_t unixSeconds);

// A stretch of a local day's clock readings, [from, to) in seconds of the day, lived in one go.
struct WallStretch {
    int32_t from = 0;
    int32_t to = 0;
    friend bool operator==(const WallStretch&, const WallStretch&) = default;
};

// The local day `date` as it is lived, in order: all of it on most days; on a daylight-saving change
// day the part before the change and the part after it (an hour left out, or an hour read twice).
std::vector<WallStretch> LivedDay(const TimeZone& zone, const CalendarDate& date);

} // namespace tavrel
