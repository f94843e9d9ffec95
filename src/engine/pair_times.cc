#include "engine/pair_times.h"

#include "engine/local_day.h"
#include "engine/time_of_day.h"
#include "engine/time_text.h"

#include <algorithm>

namespace tavrel {

bool PairInUse(const TimePair& pair) {
    auto used = [](const std::string& t) { return !t.empty() && t != " "; };
    return used(pair.StartTime) && used(pair.EndTime);
}

namespace {

// A fixed time starts with a digit or a blank; every sun event with a letter.
bool StartsWithLetter(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const char c = static_cast<char>(text[first] | 0x20);
    return c >= 'a' && c <= 'z';
}

// A fixed time, or through `sun` one that follows the sun; `sunBased` tells which it was.
std::optional<int32_t> TimeOn(const std::string& text, const CalendarDate& date, const SunTimes* sun,
                              bool& sunBased) {
    if (auto fixed = ParseStoredTime(text))
        return fixed;
    if (!StartsWithLetter(text))
        return std::nullopt;
    // The day's results are kept by text, so a tick neither parses nor computes a sun-based time again.
    sunBased = true;
    return sun != nullptr ? sun->TimeOn(text, date) : std::nullopt;
}

} // namespace

bool IsSunBasedText(std::string_view stored) {
    return StartsWithLetter(stored) && ParseSunTime(stored).has_value();
}

PairSeconds ResolvePairSeconds(const TimePair& pair, const CalendarDate& date, const SunTimes* sun) {
    if (!PairInUse(pair))
        return {};
    bool sunBased = false;
    const auto start = TimeOn(pair.StartTime, date, sun, sunBased);
    const auto end = TimeOn(pair.EndTime, date, sun, sunBased);
    if (!start || !end || (sunBased && *start >= *end))
        return {false, 0, 0, sunBased};
    return {true, *start, *end, sunBased};
}

bool PairRunsOnSomeDay(const TimePair& pair, const CalendarDate& from, int days, const SunTimes& sun) {
    // A copy of its own: the day's kept results are today's, which a walk over the year would replace.
    const SunTimes year = sun;
    const int64_t first = DaysFromCivil(from);
    for (int d = 0; d < days; ++d)
        if (ResolvePairSeconds(pair, CivilFromDays(first + d), &year).usable)
            return true;
    return false;
}

std::string SunPairOnDay(const TimePair& pair, const CalendarDate& date, const SunTimes& sun) {
    if (!PairInUse(pair) || !(IsSunBasedText(pair.StartTime) || IsSunBasedText(pair.EndTime)))
        return "";
    if (!sun.Place())
        return "does not run: no location set";
    const PairSeconds s = ResolvePairSeconds(pair, date, &sun);
    if (!s.usable)
        return "does not run: no such time this day, or ON not before OFF";
    return FormatTimeOfDay(s.start) + " - " + FormatTimeOfDay(s.end);
}

RelayPairSeconds ResolveRelayPairSeconds(std::span<const TimePair> pairs, const CalendarDate& date,
                                         const SunTimes* sun) {
    RelayPairSeconds seconds{};
    const size_t count = std::min<size_t>(pairs.size(), kPairsPerRelay);
    for (size_t p = 0; p < count; ++p)
        seconds[p] = ResolvePairSeconds(pairs[p], date, sun);
    return seconds;
}

} // namespace tavrel
