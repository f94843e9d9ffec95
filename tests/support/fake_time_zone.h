#pragma once
// A time zone for tests: a fixed standard offset, optionally with the European summer-time rule (one
// hour more from 01:00 UTC on the last Sunday of March to 01:00 UTC on the last Sunday of October).

#include "engine/local_day.h"
#include "platform/time_zone.h"

namespace tavrel {

class FakeTimeZone final : public TimeZone {
public:
    explicit FakeTimeZone(int32_t standardOffset, bool europeanSummerTime = false)
        : standard_(standardOffset), summer_(europeanSummerTime) {}

    int32_t UtcOffsetAt(int64_t unixSeconds) const override {
        if (!summer_)
            return standard_;
        const int year = CivilFromDays(FloorDiv(unixSeconds, 86400)).year;
        const int64_t begins = LastSundayUnix(year, 3) + 3600;
        const int64_t ends = LastSundayUnix(year, 10) + 3600;
        return unixSeconds >= begins && unixSeconds < ends ? standard_ + 3600 : standard_;
    }

private:
    static int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
    static int64_t LastSundayUnix(int year, int month) {
        int64_t day = DaysFromCivil({year, month, 31});
        // 1970-01-01 was a Thursday: day 0 has weekday 4 counting Sunday as 0.
        while ((day % 7 + 7 + 4) % 7 != 0)
            --day;
        return day * 86400;
    }

    int32_t standard_;
    bool summer_;
};

} // namespace tavrel
