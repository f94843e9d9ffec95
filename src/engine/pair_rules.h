#pragma once
// The pair-rule evaluator: the day-of-week texts and cycle codes, and the rules that decide which of a
// relay's pairs switch it ON.

#include "engine/pair_times.h"
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

// The whole day-of-week texts a days box accepts as "every day".
inline constexpr std::array<std::string_view, 7> kTypedAllDaysWords{"Days", "ALL Days", "All Days", "ALL",
                                                                    "All",  " ",        ""};
// Every whole day-of-week text that means every day: the typed ones and those files may hold. A new
// relay's "All Days" comes first, as the evaluation looks it up for every relay at every tick.
inline constexpr std::array<std::string_view, 10> kAllDaysWords{
    "All Days", "ALL Days", "Days", "ALL days", "all days", "All", "ALL", "all", " ", ""};

// True when the relay's pairs apply on `weekday` (1 = Sunday).
bool DaysOfWeekMatch(std::string_view daysOfWeek, int weekday);

// The two-letter cycle codes the evaluator knows.
inline constexpr std::array<std::string_view, 16> kLetterCodes{
    "EO", "ED", "OD", "EH", "OH", "EM", "OM", "ES", "OS", "SS", "XS", "SX", "TH", "MH", "BH", "3H"};

// The rules that `cycleCode` prescribes for the six pairs.
using PairRules = std::array<PairRule, kPairsPerRelay>;
PairRules RulesForCode(std::string_view cycleCode);

// The rule that `cycleCode` prescribes for pair `pairNumber` (0..5).
PairRule RuleForPair(std::string_view cycleCode, int pairNumber);

// The minutes of a cyclic code ("15", " 2.5"), or nothing when the code is not a number.
std::optional<double> CyclicMinutes(std::string_view cycleCode);

// The whole minutes a cyclic relay stays in each state: the code's minutes rounded, held between one
// minute and ten years. The evaluator switches by it; the daily total and the code's words count by it.
int64_t CyclePeriodMinutes(double minutes);

// Whether a non-cyclic rule switches its pair ON at the sampled time; both bounds are strict.
bool WindowRuleHolds(PairRule rule, int32_t start, int32_t end, const ClockSample& sample);

// Applies the rules of the relay's cycle code to its six pairs (`pairs`, whose times on the sampled date
// are `seconds`), in order, setting each pair's PairActive and raising NewState to ON where a pair
// switches it ON; the cyclic rule may also set it OFF and moves NextCycleTick and NextCycleText. The
// caller has set NewState to OFF. Stops before a pair when `suspended` is -1 and then returns false.
bool ApplyPairRules(RelayRecord& relay, std::span<TimePair> pairs, const RelayPairSeconds& seconds,
                    const ClockSample& sample, const int16_t& suspended);

// The six pairs of relay `relayIndex` in the time table; empty (after reporting) for a bad index.
std::span<TimePair> PairsOfRelay(ScheduleTables& t, int relayIndex);

} // namespace tavrel
