#include "engine/time_of_day.h"

namespace tavrel {

std::string FormatTimeOfDay(int64_t secondsOfDay) {
    int64_t s = secondsOfDay % kSecondsPerDay;
    if (s < 0)
        s += kSecondsPerDay;
    const int h = static_cast<int>(s / 3600);
    const int m = static_cast<int>((s / 60) % 60);
    const int sec = static_cast<int>(s % 60);
    std::string out = "00:00:00";
    out[0] = static_cast<char>('0' + h / 10);
    out[1] = static_cast<char>('0' + h % 10);
    out[3] = static_cast<char>('0' + m / 10);
    out[4] = static_cast<char>('0' + m % 10);
    out[6] = static_cast<char>('0' + sec / 10);
    out[7] = static_cast<char>('0' + sec % 10);
    return out;
}

} // namespace tavrel
