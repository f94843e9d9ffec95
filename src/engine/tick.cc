#include "engine/tick.h"

#include "boardio/bit_marks.h"
#include "boardio/chip_set_types.h"
#include "engine/counters.h"
#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/kill.h"
#include "engine/relay_display.h"
#include "engine/tick_host.h"
#include "engine/time_of_day.h"

namespace tavrel {

namespace {

bool Suspended(const Engine& engine) {
    return IsSet(engine.schedule.ScheduleSuspended);
}

// Each relay's state from the read-back output byte; a relay whose state changed is reported.
void TakeReadBackStates(Engine& engine, TickHost& host) {
    ScheduleTables& t = engine.schedule;
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (IsSet(t.ScheduleSuspended))
            return;
        RelayRecord& relay = t.RelayArray[r];
        const int16_t before = relay.CurrentState;
        relay.CurrentState = (t.OutputReadback[0] >> r) & 1 ? kStateOn : kStateOff;
        if (relay.CurrentState != before)
            host.RelaySwitched(r, relay.CurrentState);
    }
}

// What the boards' health has to say goes to the event log and to the person running the program, once.
void ReportBoardHealth(Engine& engine) {
    for (BoardHealth& health : engine.boardState.health) {
        for (const std::string& line : health.pending) {
            const size_t blank = line.find(' ');
            engine.events.LogEvent(line.substr(0, blank), line.substr(blank + 1));
            engine.events.Notice(line);
        }
        health.pending.clear();
    }
}

// A relay that reads back otherwise than written is written from what it should be, not from what it
// reads: a latch left ON under a relay that reads OFF would switch it on the day its driver comes back.
// Its read-back state is kept, so a relay that does not move is not reported as switched.
void ApplyOutputsThroughFaults(Engine& engine) {
    const BoardHealth& health = engine.boardState.health[0];
    const uint8_t faulty = health.readBackFault ? health.readBackRelays : 0;
    std::array<int16_t, kRelaysPerBoard> kept{};
    for (int r = 0; r < kRelaysPerBoard; ++r)
        if ((faulty >> r) & 1) {
            kept[static_cast<size_t>(r)] = engine.schedule.RelayArray[r].CurrentState;
            engine.schedule.RelayArray[r].CurrentState = kStateUnknown;
        }
    ApplyOutputs(engine.schedule, engine.boards, engine.boxes);
    for (int r = 0; r < kRelaysPerBoard; ++r)
        if ((faulty >> r) & 1)
            engine.schedule.RelayArray[r].CurrentState = kept[static_cast<size_t>(r)];
}

void AuditBoards(Engine& engine) {
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        if (ReadBackAuditable(engine.schedule.BoardArray[b]))
            AuditReadBack(engine.boardState.health[static_cast<size_t>(b)], b,
                          engine.schedule.OutputReadback[b]);
}

void ShowRelayFaults(Engine& engine) {
    const BoardHealth& health = engine.boardState.health[0];
    for (int r = 0; r < kRelaysPerBoard; ++r)
        engine.display.relays[static_cast<size_t>(r)].fault = RelayFaultText(health, r);
    for (int b = 0; b <= kMaxBoardIndex; ++b)
        engine.display.boards[static_cast<size_t>(b)].fault =
            engine.boardState.health[static_cast<size_t>(b)].faultText;
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

// Steps 6 to 8: the relays' states and counters from the read-back bytes, then their display and the
// state captions.
void RefreshDisplay(Engine& engine, TickHost& host) {
    TakeReadBackStates(engine, host);
    if (Suspended(engine))
        return;
    CountInputs(engine);
    if (Suspended(engine))
        return;
    UpdateAllRelayDisplays(engine.display, engine.schedule, engine.settings);
    ShowRelayFaults(engine);
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
            EvaluateSchedule(engine.schedule, engine.clock, engine.state.PairTimes);
        if (!Suspended(engine))
            ApplyOutputsThroughFaults(engine);
        if (!Suspended(engine)) {
            engine.boards.ReadAllOutputs();
            AuditBoards(engine);
        }
        ReportBoardHealth(engine);
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
