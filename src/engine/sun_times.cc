#include "engine/sun_times.h"

#include "config/location.h"
#include "engine/local_day.h"

namespace tavrel {

std::optional<int32_t> ResolveSunTime(const SunTime& sun, const CalendarDate& date, const GeoPlace& place,
                                      const TimeZone& zone) {
    const auto utc = SunEventUtcSeconds(sun.event, date, place);
    if (!utc)
        return std::nullopt;
    return LocalSecondsOn(zone, date, DaysFromCivil(date) * 86400 + *utc + sun.offset);
}

// The settings are compared as texts, which costs the tick next to nothing; they are read only when changed.
void SunTimes::FollowPlace() const {
    if (settings_ == nullptr || (settings_->Latitude == latitude_ && settings_->Longitude == longitude_))
        return;
    latitude_ = settings_->Latitude;
    longitude_ = settings_->Longitude;
    const auto lat = ParseCoordinate(latitude_, Coordinate::Latitude);
    const auto lon = ParseCoordinate(longitude_, Coordinate::Longitude);
    place_ = lat && lon ? std::optional<GeoPlace>(GeoPlace{*lat, *lon}) : std::nullopt;
    resolved_.clear();
}

const std::optional<GeoPlace>& SunTimes::Place() const {
    FollowPlace();
    return place_;
}

void SunTimes::SetPlace(const std::optional<GeoPlace>& place) {
    settings_ = nullptr;
    const bool same =
        place.has_value() == place_.has_value() &&
        (!place || (place->latitude == place_->latitude && place->longitude == place_->longitude));
    if (same)
        return;
    place_ = place;
    resolved_.clear();
}

void SunTimes::SetZone(const TimeZone* zone) {
    zone_ = zone;
    resolved_.clear();
}

std::optional<int32_t> SunTimes::TimeOn(std::string_view stored, const CalendarDate& date) const {
    FollowPlace();
    if (!place_ || zone_ == nullptr)
        return std::nullopt;
    if (!(date == day_)) {
        day_ = date;
        resolved_.clear();
    }
    for (const auto& [text, seconds] : resolved_)
        if (text == stored)
            return seconds;
    const auto sun = ParseSunTime(stored);
    const std::optional<int32_t> seconds = sun ? ResolveSunTime(*sun, date, *place_, *zone_) : std::nullopt;
    resolved_.emplace_back(stored, seconds);
    return seconds;
}

} // namespace tavrel
