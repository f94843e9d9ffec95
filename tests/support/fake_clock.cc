#include "support/fake_clock.h"

namespace tavrel::test {

namespace {

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

constexpr int64_t kMsPerDay = 86'400'000;

} // namespace

int WeekdayOf(const CalendarDate& d) {
    // Sakamoto's method: 0 = Sunday.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int y = d.year - (d.month < 3 ? 1 : 0);
    return (y + y / 4 - y / 100 + y / 400 + t[d.month - 1] + d.day) % 7 + 1;
}

FakeClock::FakeClock() {
    Set(2026, 12, 7, 12, 0, 0);
}

LocalTime FakeClock::Now() const {
    LocalTime lt;
    lt.date = date_;
    lt.weekday = WeekdayOf(date_);
    lt.secondsOfDay = static_cast<int32_t>(msOfDay_ / 1000);
    return lt;
}

void FakeClock::Sleep(int64_t ms) {
    pauses_.push_back(ms);
    if (ms > 0)
        Advance(ms);
}

void FakeClock::SleepUntil(int64_t deadlineMs) {
    const int64_t left = deadlineMs - monotonicMs_;
    pauses_.push_back(left > 0 ? left : 0);
    if (left > 0)
        Advance(left);
}

void FakeClock::Set(int year, int month, int day, int hour, int minute, int second) {
    date_ = {year, month, day};
    SetTimeOfDay(hour, minute, second);
}

void FakeClock::SetTimeOfDay(int hour, int minute, int second) {
    msOfDay_ = (static_cast<int64_t>(hour) * 3600 + minute * 60 + second) * 1000;
}

void FakeClock::Advance(int64_t ms) {
    monotonicMs_ += ms;
    msOfDay_ += ms;
    while (msOfDay_ >= kMsPerDay) {
        msOfDay_ -= kMsPerDay;
        if (++date_.day > DaysInMonth(date_.year, date_.month)) {
            date_.day = 1;
            if (++date_.month > 12) {
                date_.month = 1;
                ++date_.year;
            }
        }
    }
}

} // namespace tavrel::test
