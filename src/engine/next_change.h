#pragma once
// When each relay of board 1 will next change state, and to what: the preview's evaluation run forward
// from the live state, overrides and cycle times included, for at most seven days.

#include "engine/schedule_records.h"
#include "platform/clock.h"
#include "platform/time_zone.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

inline constexpr int64_t kNextChangeHorizonSeconds = 7 * 86400;

struct NextChange {
    CalendarDate date;     // local date of the change
    int32_t second = 0;    // local second of that day
    int32_t utcOffset = 0; // seconds local time is ahead of UTC at the change
    bool on = false;       // the state the relay changes to
    friend bool operator==(const NextChange&, const NextChange&) = default;
};

using NextChanges = std::array<std::optional<NextChange>, kRelaysPerBoard>;
using RelayMask = std::array<bool, kRelaysPerBoard>;
inline constexpr RelayMask kAllRelays{true, true, true, true, true, true, true, true};

// The live tables as the tick left them at `now` (monotonic count `nowMs`), run forward second by second.
// Slow (a fraction of a second for a quiet week): never call it from the tick. The run ends once each
// relay in `wanted` has its answer; the others' answers are left out.
NextChanges FindNextChanges(const ScheduleTables& live, const LocalTime& now, int64_t nowMs,
                            const TimeZone& zone, const RelayMask& wanted = kAllRelays);

// {"at":"2026-12-08T18:00:00+01:00","state":"ON"}, or {} with no change ahead.
std::string NextChangeJson(const std::optional<NextChange>& change);
// "ON at 18:00:00" today, "ON at 2026-12-09 18:00:00" on a later day, "" with no change ahead.
std::string NextChangeText(const std::optional<NextChange>& change, const CalendarDate& today);
// "next: relay 1 ON at 18:00:00" for the soonest change of any relay, "" with none ahead.
std::string NextChangeStatus(const NextChanges& changes, const CalendarDate& today);

} // namespace tavrel
