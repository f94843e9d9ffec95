#pragma once
// Wall-clock date and time of day, a monotonic millisecond count, and thread pauses.

#include "platform/time_zone.h"

#include <cstdint>

namespace tavrel {

struct CalendarDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// One reading of the local clock, taken at once so that date, weekday and time of day agree.
struct LocalTime {
    CalendarDate date;
    int weekday = 1;          // 1 = Sunday .. 7 = Saturday
    int32_t secondsOfDay = 0; // 0..86399, whole seconds
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    // Microseconds from an arbitrary start; never goes backwards and never wraps in practice.
    virtual int64_t MonotonicUs() const = 0;
    // Pauses the calling thread for at least `ms` milliseconds.
    virtual void Sleep(int64_t ms) = 0;
    // Pauses until the monotonic count reaches `deadlineUs`; returns at once when it has passed.
    virtual void SleepUntilUs(int64_t deadlineUs) = 0;
    // Keeps the processor busy for `ms` milliseconds (the step delay between relays).
    virtual void BusyPause(int64_t ms) = 0;
    // The civil time zone the local readings are in.
    virtual const TimeZone& Zone() const = 0;

    int64_t MonotonicMs() const { return MonotonicUs() / 1000; }

    CalendarDate Today() const { return Now().date; }
    int Weekday() const { return Now().weekday; }
    int32_t TimeOfDay() const { return Now().secondsOfDay; }
};

// The clock of the machine the program runs on.
class SystemClock final : public Clock {
public:
    LocalTime Now() const override;
    SystemClock();
    int64_t MonotonicUs() const override;
    void Sleep(int64_t ms) override;
    void SleepUntilUs(int64_t deadlineUs) override;
    void BusyPause(int64_t ms) override;
    const TimeZone& Zone() const override { return zone_; }

private:
    SystemTimeZone zone_;
};

} // namespace tavrel
