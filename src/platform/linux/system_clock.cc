#include "platform/clock.h"

#include <cerrno>
#include <ctime>

namespace tavrel {

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

int64_t SystemClock::MonotonicMs() const {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void SystemClock::Sleep(int64_t ms) {
    if (ms <= 0)
        return;
    SleepUntil(MonotonicMs() + ms);
}

void SystemClock::SleepUntil(int64_t deadlineMs) {
    // An absolute deadline keeps a run of pauses from drifting by the oversleep of each one.
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(deadlineMs / 1000);
    ts.tv_nsec = static_cast<long>((deadlineMs % 1000) * 1000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

} // namespace tavrel
