#include "engine/evaluation.h"

#include "engine/pair_rules.h"

#include <optional>

namespace tavrel {

namespace {

// The day as the relay's holiday rule sees it: on a holiday a SKIP relay has no day (its pairs show
// inactive), a SUNDAY relay a Sunday of the real date.
std::optional<ClockSample> RelayDay(const RelayRecord& relay, const ClockSample& sample, bool holiday,
                                    std::span<TimePair> pairs) {
    if (!holiday || relay.Holiday == HolidayRule::Run)
        return sample;
    if (relay.Holiday == HolidayRule::Skip) {
        for (TimePair& pair : pairs)
            pair.PairActive = kFalse;
        return std::nullopt;
    }
    ClockSample sunday = sample;
    sunday.weekday = 1;
    return sunday;
}

// One evaluation at `sample`, with the pairs' times of its date.
void Evaluate(ScheduleTables& t, const ClockSample& sample, const BoardPairSeconds& seconds) {
    const bool holiday = t.Holidays.On(sample.date).has_value();
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (IsSet(t.ScheduleSuspended))
            return;
        RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        relay.NewState = kStateOff;
        if (IsSet(relay.HardStop))
            continue;
        if (IsSet(relay.Manual)) {
            relay.NewState = kStateOn;
            continue;
        }
        const std::span<TimePair> pairs = PairsOfRelay(t, RelayIndex(0, r));
        const std::optional<ClockSample> day = RelayDay(relay, sample, holiday, pairs);
        if (!day || !DaysOfWeekMatch(relay.DaysOfWeek, day->weekday))
            continue;
        if (!ApplyPairRules(relay, pairs, seconds[static_cast<size_t>(r)], *day, t.ScheduleSuspended))
            return;
    }
}

} // namespace

void EvaluateSchedule(ScheduleTables& t, const Clock& clock, DayPairTimes& day) {
    const ClockSample sample = SampleClock(clock);
    Evaluate(t, sample, day.On(t, sample.date));
}

void EvaluateSchedule(ScheduleTables& t, const Clock& clock, const BoardPairSeconds& seconds) {
    Evaluate(t, SampleClock(clock), seconds);
}

namespace {

enum class Action { None, On, Off, Error };

// The state table: what to write for the present output, the demanded state and the invert setting.
Action OutputAction(int16_t current, int16_t demanded, bool inverted) {
    const Action on = inverted ? Action::Off : Action::On;
    const Action off = inverted ? Action::On : Action::Off;
    if (current == kStateOff && demanded == kStateOff)
        return inverted ? Action::On : Action::None;
    if (current == kStateOff && demanded == kStateOn)
        return inverted ? Action::None : Action::On;
    if (current == kStateOn && demanded == kStateOn)
        return inverted ? Action::Off : Action::None;
    if (current == kStateOn && demanded == kStateOff)
        return inverted ? Action::None : Action::Off;
    if (current == kStateUnknown && demanded == kStateOn)
        return on;
    if (current == kStateUnknown && demanded == kStateOff)
        return off;
    if (current == kStateUnknown && demanded == kStateUnknown)
        return Action::None;
    return Action::Error;
}

} // namespace

void ApplyOutputs(ScheduleTables& t, BoardIo& boards, MessageBoxes& boxes) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        if (IsSet(relay.HardStop)) {
            if (relay.CurrentState != kStateOff)
                boards.RelayOff(0, r);
        } else {
            switch (OutputAction(relay.CurrentState, relay.NewState, IsSet(relay.Invert))) {
            case Action::On:
                boards.RelayOn(0, r);
                break;
            case Action::Off:
                boards.RelayOff(0, r);
                break;
            case Action::Error:
                boxes.Tell(MsgIcon::None, "Tavrel", {"Error Did Not Evaluate Old / New State Correctly"});
                break;
            case Action::None:
                break;
            }
        }
        if (IsSet(t.ScheduleSuspended))
            return;
    }
}

void StopAll(ScheduleTables& t, BoardIo& boards) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        boards.RelayOff(0, r);
        RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        relay.NextCycleTick = 0;
        relay.HardStop = kTrue;
    }
}

void RestartCycles(ScheduleTables& t, int board) {
    for (int r = 0; r < kRelaysPerBoard; ++r)
        if (RelayRecord* relay = t.RelayArray.Slot(RelayIndex(board, r)))
            relay->NextCycleTick = 0;
}

void ReleaseAll(ScheduleTables& t) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        RelayRecord& relay = t.RelayArray[RelayIndex(0, r)];
        relay.NextCycleTick = 0;
        relay.HardStop = kFalse;
    }
}

} // namespace tavrel
