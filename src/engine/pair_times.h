#pragma once
// A time pair's two times in seconds of a given day: the one place where a pair's texts become times, used
// by the tick, the preview, the totals, the overlap check and entry.

#include "engine/schedule_records.h"
#include "engine/sun_times.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tavrel {

// `usable` is false for a pair not in use or with a text that is not a time: such a pair never switches
// its relay and counts nothing.
struct PairSeconds {
    bool usable = false;
    int32_t start = 0;
    int32_t end = 0;
    bool sunBased = false; // one of its texts follows the sun
};
using RelayPairSeconds = std::array<PairSeconds, kPairsPerRelay>;

// A pair is in use when neither of its times is "" or " ".
bool PairInUse(const TimePair& pair);

// The pair's times on `date`. A fixed time is the same on every date; a sun-based one resolves through
// `sun` (without it, or where it does not happen that day, the pair is unusable that day). A pair with a
// sun-based time runs only on a day when its ON time is before its OFF time: it never wraps past midnight.
PairSeconds ResolvePairSeconds(const TimePair& pair, const CalendarDate& date, const SunTimes* sun);

// The times of up to six pairs on `date`; the slots past `pairs` stay unusable.
RelayPairSeconds ResolveRelayPairSeconds(std::span<const TimePair> pairs, const CalendarDate& date,
                                         const SunTimes* sun);

// Whether the pair runs on at least one of the `days` days from `from` (`sun`'s kept results untouched).
bool PairRunsOnSomeDay(const TimePair& pair, const CalendarDate& from, int days, const SunTimes& sun);

// For a pair with a sun-based time, what it does on `date`: "19:03:07 - 23:00:00", or "does not run" with
// why; "" for a pair of fixed times or not in use.
std::string SunPairOnDay(const TimePair& pair, const CalendarDate& date, const SunTimes& sun);

// Whether a stored time text follows the sun.
bool IsSunBasedText(std::string_view stored);

} // namespace tavrel
