#include "mainwindow/sun_today_text.h"

#include "engine/sun_times.h"
#include "engine/time_of_day.h"

namespace tavrel {

std::string SunriseSunsetText(const GeoPlace& place, const CalendarDate& date, const TimeZone& zone) {
    auto at = [&](SunEvent event) {
        const auto t = ResolveSunTime(SunTime{event, 0}, date, place, zone);
        return t ? FormatTimeOfDay(*t) : std::string("none");
    };
    return "Today: sunrise " + at(SunEvent::Sunrise) + ", sunset " + at(SunEvent::Sunset);
}

} // namespace tavrel
