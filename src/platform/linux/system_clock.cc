#include "platform/clock.h"

#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace tavrel {

SystemClock::SystemClock() {
    // The X10 transmitter holds its lines for single milliseconds: ask the kernel to wake us within a
    // microsecond of a deadline instead of its default 50 us slack.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

LocalTime SystemClock::Now() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalTime lt;
    lt.date = {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
    lt.weekday = tm.tm_wday + 1;
    // A leap second (tm_sec 60) is folded into the last second of its minute.
    lt.secondsOfDay = tm.tm_hour * 3600 + tm.tm_min * 60 + (tm.tm_sec > 59 ? 59 : tm.tm_sec);
    return lt;
}

int64_t SystemClock::MonotonicUs() const {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1'000'000 + ts.tv_nsec / 1000;
}

void SystemClock::Sleep(int64_t ms) {
    if (ms <= 0)
        return;
    SleepUntilUs(MonotonicUs() + ms * 1000);
}

void SystemClock::SleepUntilUs(int64_t deadlineUs) {
    // Sleep to an absolute deadline a little early, then spin the rest: a wake-up comes some tens of
    // microseconds late, which over the 160 holds of an X10 command would add up to milliseconds.
    constexpr int64_t kSpinUs = 80;
    const int64_t wakeUs = deadlineUs - kSpinUs;
    if (wakeUs > MonotonicUs()) {
        timespec ts{};
        ts.tv_sec = static_cast<time_t>(wakeUs / 1'000'000);
        ts.tv_nsec = static_cast<long>((wakeUs % 1'000'000) * 1000);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
        }
    }
    while (MonotonicUs() < deadlineUs) {
    }
}

void SystemClock::BusyPause(int64_t ms) {
    const int64_t end = MonotonicUs() + ms * 1000;
    while (MonotonicUs() < end) {
    }
}

} // namespace tavrel
