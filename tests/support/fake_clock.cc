#include "support/fake_clock.h"

namespace tavrel::test {

namespace {

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

constexpr int64_t kUsPerDay = 86'400'000'000;

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
    lt.secondsOfDay = static_cast<int32_t>(usOfDay_ / 1'000'000);
    return lt;
}

void FakeClock::Sleep(int64_t ms) {
    pauses_.push_back(static_cast<double>(ms));
    if (ms > 0)
        Advance(ms);
}

void FakeClock::SleepUntilUs(int64_t deadlineUs) {
    const int64_t left = deadlineUs > monotonicUs_ ? deadlineUs - monotonicUs_ : 0;
    pauses_.push_back(static_cast<double>(left) / 1000.0);
    AdvanceUs(left);
}

void FakeClock::BusyPause(int64_t ms) {
    busyPauses_.push_back(ms);
    Advance(ms);
}

void FakeClock::Set(int year, int month, int day, int hour, int minute, int second) {
    date_ = {year, month, day};
    SetTimeOfDay(hour, minute, second);
}

void FakeClock::SetTimeOfDay(int hour, int minute, int second) {
    usOfDay_ = (static_cast<int64_t>(hour) * 3600 + minute * 60 + second) * 1'000'000;
}

void FakeClock::AdvanceUs(int64_t us) {
    monotonicUs_ += us;
    usOfDay_ += us;
    while (usOfDay_ >= kUsPerDay) {
        usOfDay_ -= kUsPerDay;
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
