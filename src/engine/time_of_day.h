#pragma once
// Whole seconds of the day and their "HH:MM:SS" text (engine/time_text.h reads time text).

#include <cstdint>
#include <string>

namespace tavrel {

constexpr int32_t kSecondsPerDay = 86400;

// "HH:MM:SS", two digits each; the value is taken modulo one day.
std::string FormatTimeOfDay(int64_t secondsOfDay);

inline int HourOf(int32_t s) {
    return s / 3600;
}
inline int MinuteOf(int32_t s) {
    return (s / 60) % 60;
}
inline int SecondOf(int32_t s) {
    return s % 60;
}

} // namespace tavrel
