#pragma once
// A clock the test sets; pauses advance it and are recorded, so tests that pause run in no time.

#include "platform/clock.h"
#include "support/fake_time_zone.h"

#include <vector>

namespace tavrel::test {

class FakeClock final : public Clock {
public:
    FakeClock();

    LocalTime Now() const override;
    int64_t MonotonicUs() const override { return monotonicUs_; }
    void Sleep(int64_t ms) override;
    void SleepUntilUs(int64_t deadlineUs) override;
    void BusyPause(int64_t ms) override;
    const TimeZone& Zone() const override { return zone_; }
    // The zone the readings are taken to be in (UTC until set).
    void SetZone(int32_t standardOffset, bool europeanSummerTime) {
        zone_ = FakeTimeZone(standardOffset, europeanSummerTime);
    }

    // Sets the local date and time; the weekday follows from the date.
    void Set(int year, int month, int day, int hour, int minute, int second);
    void SetTimeOfDay(int hour, int minute, int second);
    void SetMonotonicMs(int64_t ms) { monotonicUs_ = ms * 1000; }
    // Moves both the wall clock and the monotonic count on.
    void Advance(int64_t ms) { AdvanceUs(ms * 1000); }
    void AdvanceUs(int64_t us);

    // Every pause asked for (Sleep, SleepUntilUs and BusyPause alike), in milliseconds.
    const std::vector<double>& Pauses() const { return pauses_; }
    const std::vector<int64_t>& BusyPauses() const { return busyPauses_; }
    void ClearPauses() {
        pauses_.clear();
        busyPauses_.clear();
    }

private:
    CalendarDate date_;
    int64_t usOfDay_ = 0;
    int64_t monotonicUs_ = 1'000'000'000;
    std::vector<double> pauses_;
    std::vector<int64_t> busyPauses_;
    FakeTimeZone zone_{0};
};

// 1 = Sunday .. 7 = Saturday.
int WeekdayOf(const CalendarDate& date);

} // namespace tavrel::test
