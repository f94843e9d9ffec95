#pragma once
// "HH:MM:SS" texts and whole seconds of the day.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

constexpr int32_t kSecondsPerDay = 86400;

// Reads a time of day the way users type it: "8:05", "08:05:30", "8:05:30 PM". Blanks around it are
// ignored. Returns the whole seconds of the day, or nothing when the text is not a time.
std::optional<int32_t> ParseTimeOfDay(std::string_view text);

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
