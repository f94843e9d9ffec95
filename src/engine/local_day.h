#pragma once
// Calendar days as day numbers, and where an instant falls in a local civil day.

#include "platform/clock.h"
#include "platform/time_zone.h"

#include <cstdint>
#include <optional>

namespace tavrel {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(const CalendarDate& date);
CalendarDate CivilFromDays(int64_t days);

// The local time of day of the instant `unixSeconds` when it falls on the local date `date`; nothing when
// it falls on another local date.
std::optional<int32_t> LocalSecondsOn(const TimeZone& zone, const CalendarDate& date, int64_t unixSeconds);

} // namespace tavrel
