#include "engine/tick.h"

#include "boardio/bit_marks.h"
#include "boardio/chip_set_types.h"
#include "engine/counters.h"
#include "engine/cycle_codes.h"
#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/kill.h"
#include "engine/tick_host.h"
#include "engine/time_of_day.h"

namespace tavrel {

namespace {

bool Suspended(const Engine& engine) {
    return IsSet(engine.schedule.ScheduleSuspended);
}

// Whether the relay's code governs a pair under `rule` (the pairs whose activity also lights the code box).
bool CodeGoverns(PairRule rule) {
    return rule == PairRule::TopOfHour || rule == PairRule::MiddleOfHour || rule == PairRule::BottomOfHour ||
           rule == PairRule::Cyclic;
}

void UpdateRelayDisplay(Engine& engine, TickHost& host) {
    ScheduleTables& t = engine.schedule;
    const Settings& s = engine.settings;
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (IsSet(t.ScheduleSuspended))
            return;
        RelayRecord& relay = t.RelayArray[r];
        RelayDisplay& d = engine.display.relays[static_cast<size_t>(r)];
        d.totalTimeBackground = s.ColorTTimeBkgrnd;
        const PairRules rules = RulesForCode(relay.CycleCode);
        d.invertCaption = rules[0] == PairRule::Cyclic ? relay.NextCycleText : "Invert";

        const int16_t before = relay.CurrentState;
        relay.CurrentState = (t.OutputReadback[0] >> r) & 1 ? kStateOn : kStateOff;
        d.light = relay.CurrentState == kStateOn ? s.ColorRelayON : s.ColorRelayOFF;
        if (relay.CurrentState != before)
            host.RelaySwitched(r, relay.CurrentState);

        d.codeBox = s.ColorTimeOFF;
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const bool active = IsSet(t.TimeArray[PairIndex(r, p)].PairActive);
            const int32_t colour = active ? s.ColorTimeON : s.ColorTimeOFF;
            d.startBox[static_cast<size_t>(p)] = colour;
            d.endBox[static_cast<size_t>(p)] = colour;
            if (active && CodeGoverns(rules[static_cast<size_t>(p)]))
                d.codeBox = s.ColorTimeON;
        }

        d.caption.clear();
        if (IsSet(relay.Manual)) {
            d.manualLabel = s.ColorManualON;
            d.caption = IsSet(relay.Invert) ? ">Invr-Man<" : ">Manual<";
            d.invertLabel = IsSet(relay.Invert) ? s.ColorManualON : s.ColorManualOFF;
        } else {
            d.manualLabel = s.ColorManualOFF;
            if (IsSet(relay.Invert))
                d.caption = " Invert ";
            d.invertLabel = IsSet(relay.Invert) ? s.ColorManualON : s.ColorManualOFF;
        }
        if (IsSet(relay.HardStop)) {
            d.caption = "> STOP <";
            d.totalTimeBackground = kColourStopRed;
            d.manualLabel = d.invertLabel = d.codeBox = s.ColorManualOFF;
        }
        d.totalTimeText = d.caption.empty() ? relay.TotalTimeText : d.caption;
    }
}

void UpdateBoardCaptions(Engine& engine) {
    for (int b = 0; b <= kMaxBoardIndex; ++b) {
        BoardDisplay& d = engine.display.boards[static_cast<size_t>(b)];
        d.relayText = BitMarks(engine.schedule.OutputReadback[b]);
        d.inputText = BitMarks(engine.schedule.InputReadback[b]);
        const std::string& type = engine.schedule.BoardArray[b].ChipSetType;
        d.relayCaption = RelayStateCaption(type, b + 1, d.relayText);
        d.inputCaption = InputStateCaption(type, b + 1, d.inputText);
    }
}

// Steps 6 to 8: the display from the read-back bytes, the counters and the state captions.
void RefreshDisplay(Engine& engine, TickHost& host) {
    UpdateRelayDisplay(engine, host);
    if (Suspended(engine))
        return;
    CountInputs(engine);
    if (Suspended(engine))
        return;
    UpdateBoardCaptions(engine);
    host.DisplayChanged();
}

// Counts survive a crash: once a minute, when a counter moved, the restart file is written again.
void SaveCountersOncePerMinute(Engine& engine) {
    const int minute = MinuteOf(engine.clock.TimeOfDay());
    if (minute == engine.state.LastCounterSaveMinute)
        return;
    engine.state.LastCounterSaveMinute = minute;
    if (engine.state.CountersChanged) {
        engine.state.CountersChanged = false;
        engine.events.RestartFileDue();
    }
}

// A restart file that could not be written is written as soon as the shell's next try is due, not at
// the next edit, which may be days away.
void WriteOwedRestartFile(Engine& engine) {
    if (engine.state.RestartWriteOwed)
        engine.events.RestartFileDue();
}

void LogStateLine(Engine& engine, TickHost& host) {
    std::string relays[kBoardSlots];
    std::string inputs[kBoardSlots];
    for (int b = 0; b < kBoardSlots; ++b) {
        relays[b] = engine.display.boards[static_cast<size_t>(b)].relayText;
        inputs[b] = engine.display.boards[static_cast<size_t>(b)].inputText;
    }
    const std::string line = engine.events.LogStateLine(relays, inputs);
    if (!line.empty())
        host.StateLineLogged(line);
}

} // namespace

void Tick(Engine& engine, TickHost& host) {
    if (IsSet(engine.state.KillPending)) {
        KillAction(engine, host);
        return;
    }
    if (Suspended(engine))
        return;
    host.SetBusyPointer(true);
    host.ProcessPendingMessages();
    if (!IsSet(engine.schedule.TickRunning)) {
        engine.schedule.TickRunning = kTrue;
        if (!Suspended(engine))
            EvaluateSchedule(engine.schedule, engine.clock);
        if (!Suspended(engine))
            ApplyOutputs(engine.schedule, engine.boards, engine.boxes);
        if (!Suspended(engine))
            engine.boards.ReadAllOutputs();
        if (!Suspended(engine))
            engine.boards.ReadAllInputs();
        if (!Suspended(engine) && IsSet(engine.settings.KillBySignal))
            KillSignalCheck(engine);
        engine.schedule.TickRunning = kFalse;
    }
    if (!Suspended(engine)) {
        RefreshDisplay(engine, host);
        if (!Suspended(engine))
            host.RefreshStatusBar();
        if (!Suspended(engine))
            LogStateLine(engine, host);
        if (!Suspended(engine))
            SaveCountersOncePerMinute(engine);
        if (!Suspended(engine))
            WriteOwedRestartFile(engine);
    }
    host.SetBusyPointer(false);
}

void EnableTimer(Engine& engine) {
    if (engine.state.TimerEnabled)
        return;
    engine.state.TimerEnabled = true;
    engine.events.LogEvent("Enabling Timer", " ");
}

void DeveloperTimerSwitch(Engine& engine) {
    if (engine.state.TimerEnabled) {
        engine.state.TimerEnabled = false;
        engine.state.TimerMenuCaption = "Timer Enable";
    } else {
        engine.state.TimerMenuCaption = "Timer Disable";
        EnableTimer(engine);
    }
}

void RefreshWithoutEvaluation(Engine& engine, TickHost& host) {
    if (Suspended(engine))
        return;
    host.ProcessPendingMessages();
    engine.boards.ReadAllOutputs();
    engine.boards.ReadAllInputs();
    RefreshDisplay(engine, host);
    host.ProcessPendingMessages();
}

} // namespace tavrel
