#include "platform/clock.h"

#include <windows.h>

#include <timeapi.h>

namespace tavrel {

SystemClock::SystemClock() {
    timeBeginPeriod(1);
}

LocalTime SystemClock::Now() const {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    LocalTime lt;
    lt.date = {st.wYear, st.wMonth, st.wDay};
    lt.weekday = st.wDayOfWeek + 1;
    lt.secondsOfDay = st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    return lt;
}

int64_t SystemClock::MonotonicUs() const {
    static const int64_t frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER c{};
    QueryPerformanceCounter(&c);
    return static_cast<int64_t>(c.QuadPart / frequency * 1'000'000 +
                                c.QuadPart % frequency * 1'000'000 / frequency);
}

void SystemClock::Sleep(int64_t ms) {
    if (ms <= 0)
        return;
    SleepUntilUs(MonotonicUs() + ms * 1000);
}

void SystemClock::SleepUntilUs(int64_t deadlineUs) {
    // Sleep whole milliseconds while more than one is left, then spin to the deadline.
    for (int64_t left = deadlineUs - MonotonicUs(); left > 0; left = deadlineUs - MonotonicUs()) {
        if (left > 1500)
            ::SleepEx(static_cast<DWORD>((left - 1000) / 1000), FALSE);
    }
}

void SystemClock::BusyPause(int64_t ms) {
    const int64_t end = MonotonicUs() + ms * 1000;
    while (MonotonicUs() < end) {
    }
}

} // namespace tavrel
