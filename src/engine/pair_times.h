#pragma once
// A time pair's two times in seconds of a given day: the one place where a pair's texts become times, used
// by the tick, the preview, the totals, the overlap check and entry.

#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <span>

namespace tavrel {

// `usable` is false for a pair not in use or with a text that is not a time: such a pair never switches
// its relay and counts nothing.
struct PairSeconds {
    bool usable = false;
    int32_t start = 0;
    int32_t end = 0;
};
using RelayPairSeconds = std::array<PairSeconds, kPairsPerRelay>;

// A pair is in use when neither of its times is "" or " ".
bool PairInUse(const TimePair& pair);

// The pair's times on `date`. Today every time text is a fixed time of day, the same on every date; the
// date is taken so that a text whose time depends on the day resolves here and nowhere else.
PairSeconds ResolvePairSeconds(const TimePair& pair, const CalendarDate& date);

// The times of up to six pairs on `date`; the slots past `pairs` stay unusable.
RelayPairSeconds ResolveRelayPairSeconds(std::span<const TimePair> pairs, const CalendarDate& date);

} // namespace tavrel
