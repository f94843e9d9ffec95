#include "engine/relay_commands.h"

#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/pair_rules.h"
#include "engine/relay_display.h"
#include "engine/tick.h"
#include "engine/total_time.h"

namespace tavrel {

namespace {

RelayRecord* Relay(Engine& engine, int relay) {
    ScheduleTables& t = engine.schedule;
    return relay >= 0 && relay < kRelaysPerBoard ? t.RelayArray.Slot(relay) : t.RelayArray.Slot(-1);
}

// Every relay of the board switched, each cyclic relay starting its cycle afresh.
void SwitchBoard(Engine& engine, int board, bool on) {
    if (on)
        engine.boards.AllRelaysOn(board);
    else
        engine.boards.AllRelaysOff(board);
    RestartCycles(engine.schedule, board);
}

// Once a setting that covered it is released, the relay's total is computed afresh to be shown again.
void RecomputeTotalTime(Engine& engine, int relay) {
    ComputeTotalTime(engine.schedule.RelayArray[relay], PairsOfRelay(engine.schedule, relay),
                     engine.clock.Now().date, &engine.schedule.Sun);
}

void AfterToggle(Engine& engine, int relay) {
    UpdateRelayDisplay(engine.display, engine.schedule, engine.settings, relay);
    engine.events.RestartFileDue();
    EnableTimer(engine);
}

// Runs a direct board command with the schedule held, then refreshes the display.
template <typename Command> void BoardCommand(Engine& engine, TickHost& host, Command command) {
    {
        ScheduleHold hold(engine.schedule);
        command();
    }
    RefreshWithoutEvaluation(engine, host);
}

void PausedBoardCommand(Engine& engine, TickHost& host, int board, bool on) {
    {
        ScheduleHold hold(engine.schedule);
        SwitchBoard(engine, 0, on);
        ShowPauseMessage(engine, board, on ? "ON" : "OFF");
    }
    RefreshWithoutEvaluation(engine, host);
}

void WithStepDelay(Engine& engine, TickHost& host, bool on) {
    BoardCommand(engine, host, [&] {
        engine.boardState.StepDelayCount = kStepDelaySelected;
        SwitchBoard(engine, 0, on);
        engine.boardState.StepDelayCount = 0;
    });
}

} // namespace

void ToggleManual(Engine& engine, int relay) {
    RelayRecord* r = Relay(engine, relay);
    if (r == nullptr)
        return;
    if (IsSet(r->Manual)) {
        r->Manual = kFalse;
        RecomputeTotalTime(engine, relay);
    } else {
        r->Manual = kTrue;
    }
    r->NextCycleTick = 0;
    AfterToggle(engine, relay);
}

void ToggleInvert(Engine& engine, int relay) {
    RelayRecord* r = Relay(engine, relay);
    if (r == nullptr || CyclicMinutes(r->CycleCode))
        return;
    if (IsSet(r->Invert)) {
        r->Invert = kFalse;
        RecomputeTotalTime(engine, relay);
    } else {
        r->Invert = kTrue;
    }
    AfterToggle(engine, relay);
}

void ToggleStop(Engine& engine, int relay) {
    RelayRecord* r = Relay(engine, relay);
    if (r == nullptr)
        return;
    if (IsSet(r->HardStop)) {
        r->HardStop = kFalse;
        RecomputeTotalTime(engine, relay);
    } else {
        r->HardStop = kTrue;
    }
    r->NextCycleTick = 0;
    AfterToggle(engine, relay);
}

void SetHolidayRule(Engine& engine, int relay, HolidayRule rule) {
    RelayRecord* r = Relay(engine, relay);
    if (r == nullptr || r->Holiday == rule)
        return;
    r->Holiday = rule;
    AfterToggle(engine, relay);
}

void ShowPauseMessage(Engine& engine, int board, const std::string& word) {
    engine.boxes.Tell(MsgIcon::None,
                      "System is Paused (All board " + std::to_string(board) + " Relays are " + word + ")",
                      {"When you are ready to Continue, press 'OK' "});
}

void StateRelayOn(Engine& engine, TickHost& host, int board, int n) {
    BoardCommand(engine, host, [&] { engine.boards.RelayOn(board - 1, n - 1); });
}

void StateRelayOff(Engine& engine, TickHost& host, int board, int n) {
    BoardCommand(engine, host, [&] { engine.boards.RelayOff(board - 1, n - 1); });
}

void StateStepAll(Engine& engine, TickHost& host) {
    BoardCommand(engine, host, [&] {
        SwitchBoard(engine, 0, true);
        SwitchBoard(engine, 0, false);
    });
}

void StateAllOn(Engine& engine, TickHost& host) {
    BoardCommand(engine, host, [&] { SwitchBoard(engine, 0, true); });
}

void StateAllOff(Engine& engine, TickHost& host) {
    BoardCommand(engine, host, [&] { SwitchBoard(engine, 0, false); });
}

void StateAllOnPause(Engine& engine, TickHost& host, int board) {
    PausedBoardCommand(engine, host, board, true);
}

void StateAllOffPause(Engine& engine, TickHost& host, int board) {
    PausedBoardCommand(engine, host, board, false);
}

void SetAllRelays(Engine& engine, TickHost& host) {
    StateAllOn(engine, host);
}
void SetAllRelaysDelay(Engine& engine, TickHost& host) {
    WithStepDelay(engine, host, true);
}
void SetAllRelaysPause(Engine& engine, TickHost& host) {
    PausedBoardCommand(engine, host, 4, true);
}
void ResetAllRelays(Engine& engine, TickHost& host) {
    StateAllOff(engine, host);
}
void ResetAllRelaysDelay(Engine& engine, TickHost& host) {
    WithStepDelay(engine, host, false);
}
void ResetAllRelaysPause(Engine& engine, TickHost& host) {
    PausedBoardCommand(engine, host, 4, false);
}

} // namespace tavrel
