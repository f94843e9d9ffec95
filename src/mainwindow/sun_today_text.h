#pragma once
// The line under the configuration window's Location fields: the day's sunrise and sunset at a place.

#include "engine/sun_events.h"
#include "platform/clock.h"
#include "platform/time_zone.h"

#include <string>

namespace tavrel {

// "Today: sunrise 08:14:02, sunset 15:53:40", with "none" for an event that does not happen that day.
std::string SunriseSunsetText(const GeoPlace& place, const CalendarDate& date, const TimeZone& zone);

} // namespace tavrel
