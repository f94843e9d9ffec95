#include "engine/sun_events.h"

#include "engine/sun_math.h"

#include <cmath>

namespace tavrel {

namespace {

using namespace sun_math;

double Rad(double deg) {
    return deg * kPi / 180.0;
}

double Deg(double rad) {
    return rad * 180.0 / kPi;
}

// Julian day at 00:00 UTC of a Gregorian date.
double JulianDay(const CalendarDate& d) {
    int y = d.year;
    int m = d.month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + d.day + b - 1524.5;
}

// The sun's declination (degrees) and the equation of time (minutes) at Julian century `t`.
struct SunPosition {
    double declination;
    double equationOfTime;
};

SunPosition PositionAt(double t) {
    const double meanLong = Fmod(280.46646 + t * (36000.76983 + 0.0003032 * t), 360.0);
    const double meanAnom = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double ecc = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = Sin(Rad(meanAnom)) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          Sin(Rad(2 * meanAnom)) * (0.019993 - 0.000101 * t) +
                          Sin(Rad(3 * meanAnom)) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double apparentLong = meanLong + centre - 0.00569 - 0.00478 * Sin(Rad(omega));
    const double meanObliq =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliq = meanObliq + 0.00256 * Cos(Rad(omega));
    const double declination = Deg(Asin(Sin(Rad(obliq)) * Sin(Rad(apparentLong))));

    double y = Tan(Rad(obliq) / 2.0);
    y *= y;
    const double l0 = Rad(meanLong);
    const double m = Rad(meanAnom);
    const double eq = y * Sin(2 * l0) - 2 * ecc * Sin(m) + 4 * ecc * y * Sin(m) * Cos(2 * l0) -
                      0.5 * y * y * Sin(4 * l0) - 1.25 * ecc * ecc * Sin(2 * m);
    return {declination, Deg(eq) * 4.0};
}

double Century(double julianDay) {
    return (julianDay - 2451545.0) / 36525.0;
}

// Minutes from 00:00 UTC of the day of `jd0` at which the sun, placed as at `t`, crosses `altitude`.
std::optional<double> CrossingMinutes(double t, double altitude, bool rising, const GeoPlace& place) {
    const SunPosition sun = PositionAt(t);
    const double lat = Rad(place.latitude);
    const double dec = Rad(sun.declination);
    const double cosHa = (Sin(Rad(altitude)) - Sin(lat) * Sin(dec)) / (Cos(lat) * Cos(dec));
    if (cosHa < -1.0 || cosHa > 1.0)
        return std::nullopt;
    const double hourAngle = Deg(Acos(cosHa)) * (rising ? -1.0 : 1.0);
    return 720.0 - 4.0 * (place.longitude - hourAngle) - sun.equationOfTime;
}

} // namespace

std::optional<int32_t> SunEventUtcSeconds(SunEvent event, const CalendarDate& date, const GeoPlace& place) {
    const bool rising = event == SunEvent::Sunrise || event == SunEvent::Dawn;
    const double altitude = event == SunEvent::Sunrise || event == SunEvent::Sunset ? -0.833 : -6.0;
    const double jd0 = JulianDay(date);
    // First at the place's noon, then again with the sun where it is at that first estimate.
    const double noon = jd0 + (720.0 - 4.0 * place.longitude) / 1440.0;
    const auto estimate = CrossingMinutes(Century(noon), altitude, rising, place);
    if (!estimate)
        return std::nullopt;
    const auto refined = CrossingMinutes(Century(jd0 + *estimate / 1440.0), altitude, rising, place);
    if (!refined)
        return std::nullopt;
    return static_cast<int32_t>(Round(*refined * 60.0));
}

} // namespace tavrel
