#include "platform/clock.h"

#include <windows.h>

namespace tavrel {

LocalTime SystemClock::Now() const {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    LocalTime lt;
    lt.date = {st.wYear, st.wMonth, st.wDay};
    lt.weekday = st.wDayOfWeek + 1;
    lt.secondsOfDay = st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    return lt;
}

int64_t SystemClock::MonotonicMs() const {
    return static_cast<int64_t>(GetTickCount64());
}

void SystemClock::Sleep(int64_t ms) {
    if (ms <= 0)
        return;
    SleepUntil(MonotonicMs() + ms);
}

void SystemClock::SleepUntil(int64_t deadlineMs) {
    for (int64_t left = deadlineMs - MonotonicMs(); left > 0; left = deadlineMs - MonotonicMs())
        ::SleepEx(static_cast<DWORD>(left), FALSE);
}

} // namespace tavrel
