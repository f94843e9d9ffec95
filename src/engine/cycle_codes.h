#pragma once
// The day-of-week texts and cycle codes, and the rule that decides which of a relay's pairs switch it ON.

#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavrel {

// What one evaluation knows of the time: taken once and used for every relay.
struct ClockSample {
    CalendarDate date;
    int weekday = 1;    // 1 = Sunday .. 7 = Saturday
    int32_t now = 0;    // seconds of the day
    int64_t tickMs = 0; // monotonic milliseconds
};

ClockSample SampleClock(const Clock& clock);

// The rule that governs one pair of a relay.
enum class PairRule {
    Plain,
    EvenDay,
    OddDay,
    EvenHour,
    OddHour,
    EvenMinute,
    OddMinute,
    EvenSecond,
    OddSecond,
    NotWeekend,  // "SS"
    NotSunday,   // "XS"
    NotSaturday, // "SX"
    TopOfHour,
    MiddleOfHour,
    BottomOfHour,
    Cyclic,
};

// True when the relay's pairs apply on `weekday` (1 = Sunday).
bool DaysOfWeekMatch(std::string_view daysOfWeek, int weekday);

// The rules that `cycleCode` prescribes for the six pairs.
using PairRules = std::array<PairRule, kPairsPerRelay>;
PairRules RulesForCode(std::string_view cycleCode);

// The rule that `cycleCode` prescribes for pair `pairNumber` (0..5).
PairRule RuleForPair(std::string_view cycleCode, int pairNumber);

// The minutes of a cyclic code ("15", " 2.5"), or nothing when the code is not a number.
std::optional<double> CyclicMinutes(std::string_view cycleCode);
// The whole minutes between a cyclic relay's toggles for the code's `minutes` (rounded, at least 1).
int64_t CyclePeriodMinutes(double minutes);

// A pair is in use when neither of its times is "" or " ".
bool PairInUse(const TimePair& pair);

// Whether a non-cyclic rule switches its pair ON at the sampled time; both bounds are strict.
bool WindowRuleHolds(PairRule rule, int32_t start, int32_t end, const ClockSample& sample);

// A pair's two times in seconds of the day, read from its texts. `usable` is false for a pair not in
// use or with a text that is not a time: such a pair never switches its relay.
struct PairSeconds {
    bool usable = false;
    int32_t start = 0;
    int32_t end = 0;
};
using RelayPairSeconds = std::array<PairSeconds, kPairsPerRelay>;

// The times of up to six pairs; the slots past `pairs` stay unusable.
RelayPairSeconds ReadPairSeconds(std::span<const TimePair> pairs);

// Applies the rules of the relay's cycle code to its six pairs (`pairs`), in order, setting each pair's
// PairActive and raising NewState to ON where a pair switches it ON; the cyclic rule may also set it OFF
// and moves NextCycleTick and NextCycleText. The caller has set NewState to OFF. Stops before a pair
// when `suspended` is -1 and then returns false.
bool ApplyPairRules(RelayRecord& relay, std::span<TimePair> pairs, const ClockSample& sample,
                    const int16_t& suspended);
// The same with the pairs' times read beforehand by ReadPairSeconds from the same, unchanged texts.
bool ApplyPairRules(RelayRecord& relay, std::span<TimePair> pairs, const RelayPairSeconds& seconds,
                    const ClockSample& sample, const int16_t& suspended);

// The six pairs of relay `relayIndex` in the time table; empty (after reporting) for a bad index.
std::span<TimePair> PairsOfRelay(ScheduleTables& t, int relayIndex);

} // namespace tavrel
