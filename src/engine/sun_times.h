#pragma once
// Sun-based times of day at the controller's place in the machine's time zone, each worked out once a
// day: the tick asks every second and must never compute the sun.

#include "config/settings.h"
#include "engine/sun_events.h"
#include "engine/time_text.h"
#include "platform/clock.h"
#include "platform/time_zone.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrel {

// The local time of day on `date` of `sun`, at `place` in `zone`; nothing when the event does not happen
// that day or the offset moves it to another day.
std::optional<int32_t> ResolveSunTime(const SunTime& sun, const CalendarDate& date, const GeoPlace& place,
                                      const TimeZone& zone);

class SunTimes {
public:
    // Where the controller is; nothing while no place is set. A change forgets the day's results.
    void SetPlace(const std::optional<GeoPlace>& place);
    // Takes the place from the Location settings from now on, following each change of them.
    void FollowSettings(const Settings* settings) { settings_ = settings; }
    const std::optional<GeoPlace>& Place() const;
    // The zone the clock shows; without one, sun-based times do not resolve.
    void SetZone(const TimeZone* zone);
    const TimeZone* Zone() const { return zone_; }

    // The time of day on `date` of a stored sun-based text, or nothing (see ResolveSunTime; also nothing
    // while no place or zone is set, or when the text is not sun-based).
    std::optional<int32_t> TimeOn(std::string_view stored, const CalendarDate& date) const;

private:
    void FollowPlace() const;

    const Settings* settings_ = nullptr;
    mutable std::string latitude_;
    mutable std::string longitude_;
    mutable std::optional<GeoPlace> place_;
    const TimeZone* zone_ = nullptr;
    // One day's results by stored text: a schedule holds at most 96 times.
    mutable CalendarDate day_{};
    mutable std::vector<std::pair<std::string, std::optional<int32_t>>> resolved_;
};

} // namespace tavrel
