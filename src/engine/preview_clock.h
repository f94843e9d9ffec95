#pragma once
// A clock for running the evaluation ahead of time: it stands still at one second of one day until it is
// moved, and a second lived is a second of the monotonic count, as with ticks of 1000 ms.

#include "platform/clock.h"
#include "platform/time_zone.h"

#include <cstdint>

namespace tavrel {

class PreviewClock final : public Clock {
public:
    // `startMs` is the monotonic count at the first second lived.
    PreviewClock(const CalendarDate& date, int weekday, int64_t startMs = 1'000'000)
        : date_(date), weekday_(weekday), startMs_(startMs) {}
    void SetDay(const CalendarDate& date, int weekday) {
        date_ = date;
        weekday_ = weekday;
    }
    // `second` of the day as the clock reads it, `elapsed` seconds lived since the first.
    void SetSecond(int32_t second, int64_t elapsed) {
        second_ = second;
        elapsed_ = elapsed;
    }

    LocalTime Now() const override { return {date_, weekday_, second_}; }
    int64_t MonotonicUs() const override { return (startMs_ + elapsed_ * 1000) * 1000; }
    void Sleep(int64_t) override {}
    void SleepUntilUs(int64_t) override {}
    void BusyPause(int64_t) override {}
    // The days' times are resolved before the run: nothing here reads the zone.
    const TimeZone& Zone() const override { return zone_; }

private:
    CalendarDate date_;
    int weekday_;
    int64_t startMs_;
    int32_t second_ = 0;
    int64_t elapsed_ = 0;
    FixedOffsetZone zone_;
};

} // namespace tavrel
