#pragma once
// A clock the test sets; Sleep advances it and records each pause, so tests that pause run in no time.

#include "platform/clock.h"

#include <vector>

namespace tavrel::test {

class FakeClock final : public Clock {
public:
    FakeClock();

    LocalTime Now() const override;
    int64_t MonotonicMs() const override { return monotonicMs_; }
    void Sleep(int64_t ms) override;
    void SleepUntil(int64_t deadlineMs) override;

    // Sets the local date and time; the weekday follows from the date.
    void Set(int year, int month, int day, int hour, int minute, int second);
    void SetTimeOfDay(int hour, int minute, int second);
    void SetMonotonicMs(int64_t ms) { monotonicMs_ = ms; }
    // Moves both the wall clock and the monotonic count on.
    void Advance(int64_t ms);

    const std::vector<int64_t>& Pauses() const { return pauses_; }
    void ClearPauses() { pauses_.clear(); }

private:
    CalendarDate date_;
    int64_t msOfDay_ = 0;
    int64_t monotonicMs_ = 1'000'000;
    std::vector<int64_t> pauses_;
};

// 1 = Sunday .. 7 = Saturday.
int WeekdayOf(const CalendarDate& date);

} // namespace tavrel::test
