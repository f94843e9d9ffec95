#pragma once
// When the sun crosses a given altitude on a calendar day at a place: the published NOAA solar
// calculation, in two passes so that it holds near the polar circles too.

#include "platform/clock.h"

#include <cstdint>
#include <optional>

namespace tavrel {

enum class SunEvent { Sunrise, Sunset, Dawn, Dusk };

// Decimal degrees, north and east positive.
struct GeoPlace {
    double latitude = 0;
    double longitude = 0;
};

// Seconds from 00:00 UTC of `date` at which `event` happens in the solar day around the place's noon of
// that date: below 0 or past 86399 far from Greenwich. Nothing when the sun does not cross the event's
// altitude that day (polar day or night).
std::optional<int32_t> SunEventUtcSeconds(SunEvent event, const CalendarDate& date, const GeoPlace& place);

} // namespace tavrel
