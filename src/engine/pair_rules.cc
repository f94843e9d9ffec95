#include "engine/pair_rules.h"

#include "common/vb_conversions.h"
#include "engine/time_of_day.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tavrel {

ClockSample SampleClock(const Clock& clock) {
    const LocalTime lt = clock.Now();
    return {lt.date, lt.weekday, lt.secondsOfDay, clock.MonotonicMs()};
}

bool DaysOfWeekMatch(std::string_view daysOfWeek, int weekday) {
    if (std::find(kAllDaysWords.begin(), kAllDaysWords.end(), daysOfWeek) != kAllDaysWords.end())
        return true;
    if (weekday < 1 || weekday > 7)
        return false;
    return daysOfWeek.find(static_cast<char>('0' + weekday)) != std::string_view::npos;
}

std::optional<double> CyclicMinutes(std::string_view code) {
    std::string_view s = code;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    if (s.empty())
        return std::nullopt;
    // Plain decimal numbers only: sign, digits, one point, exponent. No hex, no "inf" or "nan".
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.' && c != 'e' &&
            c != 'E')
            return std::nullopt;
    const std::string text(s);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {

// The two-letter codes: the rule of every pair, or of the first pairs only (the rest stay plain).
struct CodeRules {
    char code[3];
    bool everyPair;
    std::array<PairRule, 3> first;
};

constexpr PairRule P = PairRule::Plain;
constexpr std::array<CodeRules, 16> kCodeRules{{
    {"EO", true, {P, P, P}},
    {"ED", true, {PairRule::EvenDay, P, P}},
    {"OD", true, {PairRule::OddDay, P, P}},
    {"EH", true, {PairRule::EvenHour, P, P}},
    {"OH", true, {PairRule::OddHour, P, P}},
    {"EM", true, {PairRule::EvenMinute, P, P}},
    {"OM", true, {PairRule::OddMinute, P, P}},
    {"ES", true, {PairRule::EvenSecond, P, P}},
    {"OS", true, {PairRule::OddSecond, P, P}},
    {"SS", false, {PairRule::NotWeekend, P, P}},
    {"XS", false, {PairRule::NotSunday, P, P}},
    {"SX", false, {PairRule::NotSaturday, P, P}},
    {"TH", false, {PairRule::TopOfHour, P, P}},
    {"MH", false, {PairRule::MiddleOfHour, P, P}},
    {"BH", false, {PairRule::BottomOfHour, P, P}},
    {"3H", false, {PairRule::TopOfHour, PairRule::MiddleOfHour, PairRule::BottomOfHour}},
}};

static_assert(
    [] {
        for (size_t i = 0; i < kCodeRules.size(); ++i)
            if (std::string_view(kCodeRules[i].code) != kLetterCodes[i])
                return false;
        return kCodeRules.size() == kLetterCodes.size();
    }(),
    "the exported letter codes are the codes of the rule table");

// A code letter or digit as 0..35, or -1.
constexpr int CodeSlot(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'Z' ? 10 + (c - 'A') : -1;
}

// Row index by the code's two slots, so the tick finds a relay's row without searching.
constexpr auto kCodeRow = [] {
    std::array<int8_t, 36 * 36> rows{};
    rows.fill(-1);
    for (size_t i = 0; i < kCodeRules.size(); ++i)
        rows[static_cast<size_t>(CodeSlot(kCodeRules[i].code[0]) * 36 + CodeSlot(kCodeRules[i].code[1]))] =
            static_cast<int8_t>(i);
    return rows;
}();

const CodeRules* RowOf(std::string_view code) {
    if (code.size() != 2)
        return nullptr;
    const int a = CodeSlot(code[0]);
    const int b = CodeSlot(code[1]);
    if (a < 0 || b < 0)
        return nullptr;
    const int row = kCodeRow[static_cast<size_t>(a * 36 + b)];
    return row < 0 ? nullptr : &kCodeRules[static_cast<size_t>(row)];
}

} // namespace

PairRules RulesForCode(std::string_view code) {
    PairRules rules;
    rules.fill(PairRule::Plain);
    if (const CodeRules* row = RowOf(code)) {
        if (row->everyPair)
            rules.fill(row->first[0]);
        else
            std::copy(row->first.begin(), row->first.end(), rules.begin());
        return rules;
    }
    if (CyclicMinutes(code))
        rules[0] = PairRule::Cyclic;
    return rules;
}

PairRule RuleForPair(std::string_view code, int pairNumber) {
    if (pairNumber < 0 || pairNumber >= kPairsPerRelay)
        return PairRule::Plain;
    return RulesForCode(code)[static_cast<size_t>(pairNumber)];
}

namespace {

bool Between(int32_t low, int32_t value, int32_t high) {
    return low < value && value < high;
}

int32_t HourStart(int32_t s) {
    return HourOf(s) * 3600;
}
int32_t MinuteSecond(int32_t s) {
    return s % 3600;
}

bool ParityHolds(int value, bool even) {
    return (value % 2 == 0) == even;
}

} // namespace

bool WindowRuleHolds(PairRule rule, int32_t start, int32_t end, const ClockSample& s) {
    const int32_t now = s.now;
    const bool plain = Between(start, now, end);
    const int32_t hourNow = HourStart(now);
    switch (rule) {
    case PairRule::Plain:
    case PairRule::Cyclic:
        return plain;
    case PairRule::EvenDay:
    case PairRule::OddDay:
        return plain && ParityHolds(s.date.day, rule == PairRule::EvenDay);
    case PairRule::EvenHour:
    case PairRule::OddHour:
        return plain && ParityHolds(HourOf(now), rule == PairRule::EvenHour);
    case PairRule::EvenMinute:
    case PairRule::OddMinute:
        return plain && ParityHolds(MinuteOf(now), rule == PairRule::EvenMinute);
    case PairRule::EvenSecond:
    case PairRule::OddSecond:
        return plain && ParityHolds(SecondOf(now), rule == PairRule::EvenSecond);
    case PairRule::NotWeekend:
        return plain && s.weekday != 1 && s.weekday != 7;
    case PairRule::NotSunday:
        return plain && s.weekday != 1;
    case PairRule::NotSaturday:
        return plain && s.weekday != 7;
    case PairRule::TopOfHour:
        return Between(HourStart(start), now, end) && Between(hourNow, now, hourNow + MinuteSecond(start));
    case PairRule::MiddleOfHour:
        return plain && Between(HourStart(start), now, HourStart(end)) &&
               Between(hourNow + MinuteSecond(start), now, hourNow + MinuteSecond(end));
    case PairRule::BottomOfHour: {
        const int32_t hourEnd = HourOf(now) == 23 ? kSecondsPerDay - 1 : hourNow + 3600;
        return Between(HourStart(start), now, end) && Between(hourNow + MinuteSecond(start), now, hourEnd);
    }
    }
    return false;
}

namespace {

// Cycles shorter than a minute would chatter the relay at every tick; longer than ten years mean nothing.
constexpr int64_t kMinCycleMinutes = 1;
constexpr int64_t kMaxCycleMinutes = 10LL * 366 * 24 * 60;

} // namespace

int64_t CyclePeriodMinutes(double minutes) {
    return std::clamp<int64_t>(RoundHalfAway(minutes), kMinCycleMinutes, kMaxCycleMinutes);
}

namespace {

// The state the schedule last gave the relay, seen through its invert setting, so that an inverted
// cyclic relay holds its phase instead of flipping at every tick.
int16_t ScheduledState(const RelayRecord& relay) {
    if (IsSet(relay.Invert) && (relay.CurrentState == kStateOff || relay.CurrentState == kStateOn))
        return relay.CurrentState == kStateOn ? kStateOff : kStateOn;
    return relay.CurrentState;
}

void ApplyCyclicRule(RelayRecord& relay, TimePair& pair, double minutes, const ClockSample& s) {
    const int16_t current = ScheduledState(relay);
    if (relay.NextCycleTick < s.tickMs) {
        if (relay.NextCycleTick != 0) {
            if (current == kStateOn) {
                relay.NewState = kStateOff;
                pair.PairActive = kFalse;
            } else {
                relay.NewState = kStateOn;
                pair.PairActive = kTrue;
            }
        }
        relay.NextCycleTick = CyclePeriodMinutes(minutes) * 60000 + s.tickMs;
        const double shown = std::clamp(minutes, 0.0, static_cast<double>(kMaxCycleMinutes));
        relay.NextCycleText = FormatTimeOfDay(s.now + RoundHalfAway(shown * 60.0));
    } else {
        relay.NewState = current;
        pair.PairActive = current != 0 ? kTrue : kFalse;
    }
}

} // namespace

bool ApplyPairRules(RelayRecord& relay, std::span<TimePair> pairs, const RelayPairSeconds& seconds,
                    const ClockSample& sample, const int16_t& suspended) {
    const int count = std::min<int>(static_cast<int>(pairs.size()), kPairsPerRelay);
    const PairRules rules = RulesForCode(relay.CycleCode);
    for (int p = 0; p < count; ++p) {
        if (IsSet(suspended))
            return false;
        TimePair& pair = pairs[static_cast<size_t>(p)];
        pair.PairActive = kFalse;
        const PairSeconds& times = seconds[static_cast<size_t>(p)];
        if (!times.usable)
            continue;
        const PairRule rule = rules[static_cast<size_t>(p)];
        if (rule == PairRule::Cyclic) {
            if (Between(times.start, sample.now, times.end))
                ApplyCyclicRule(relay, pair, *CyclicMinutes(relay.CycleCode), sample);
            continue;
        }
        if (WindowRuleHolds(rule, times.start, times.end, sample)) {
            relay.NewState = kStateOn;
            pair.PairActive = kTrue;
        }
    }
    return true;
}

std::span<TimePair> PairsOfRelay(ScheduleTables& t, int relayIndex) {
    if (!t.RelayArray.InRange(relayIndex) ||
        t.TimeArray.Slot(PairIndex(relayIndex, kPairsPerRelay - 1)) == nullptr)
        return {};
    return std::span<TimePair>(&t.TimeArray[PairIndex(relayIndex, 0)], kPairsPerRelay);
}

} // namespace tavrel
