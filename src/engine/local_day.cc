#include "engine/local_day.h"

namespace tavrel {

// The days-from-civil arithmetic of eras of 400 years, exact for every date the program meets.
int64_t DaysFromCivil(const CalendarDate& date) {
    const int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = (date.month + 9) % 12;
    const int64_t doy = (153 * mp + 2) / 5 + date.day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate CivilFromDays(int64_t days) {
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

std::optional<int32_t> LocalSecondsOn(const TimeZone& zone, const CalendarDate& date, int64_t unixSeconds) {
    const int64_t local = unixSeconds + zone.UtcOffsetAt(unixSeconds);
    const int64_t dayStart = DaysFromCivil(date) * 86400;
    if (local < dayStart || local >= dayStart + 86400)
        return std::nullopt;
    return static_cast<int32_t>(local - dayStart);
}

namespace {

// The offset in force at the local time `localSeconds` (seconds since 1970 read on the local clock).
int32_t OffsetAtLocal(const TimeZone& zone, int64_t localSeconds) {
    return zone.UtcOffsetAt(localSeconds - zone.UtcOffsetAt(localSeconds));
}

int32_t Clamp(int64_t s) {
    return static_cast<int32_t>(s < 0 ? 0 : s > 86400 ? 86400 : s);
}

} // namespace

std::vector<WallStretch> LivedDay(const TimeZone& zone, const CalendarDate& date) {
    const int64_t dayStart = DaysFromCivil(date) * 86400;
    const int32_t before = OffsetAtLocal(zone, dayStart);
    const int32_t after = OffsetAtLocal(zone, dayStart + 86400);
    if (before == after)
        return {{0, 86400}};
    // The first instant under the new offset, between the day's two midnights.
    int64_t lo = dayStart - before;
    int64_t hi = dayStart + 86400 - after;
    while (hi - lo > 1) {
        const int64_t mid = lo + (hi - lo) / 2;
        (zone.UtcOffsetAt(mid) == before ? lo : hi) = mid;
    }
    std::vector<WallStretch> stretches;
    for (const WallStretch s :
         {WallStretch{0, Clamp(hi + before - dayStart)}, WallStretch{Clamp(hi + after - dayStart), 86400}})
        if (s.from < s.to)
            stretches.push_back(s);
    return stretches;
}

} // namespace tavrel
