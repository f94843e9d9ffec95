#include "engine/relay_commands.h"

#include "engine/cycle_codes.h"
#include "engine/tick.h"
#include "engine/total_time.h"
#include "files/schedule_commands.h"
#include "shell/program_context.h"

namespace tavrel {

namespace {

RelayRecord* Relay(ProgramContext& ctx, int relay) {
    return relay >= 0 && relay < kRelaysPerBoard ? ctx.RelayArray.Slot(relay) : ctx.RelayArray.Slot(-1);
}

// Shows the relay's total time again once no caption covers it.
void RestoreTotalTime(ProgramContext& ctx, int relay) {
    RelayDisplay& d = ctx.display.relays[static_cast<size_t>(relay)];
    d.caption.clear();
    d.totalTimeBackground = ctx.ColorTTimeBkgrnd;
    d.totalTimeText = ComputeTotalTime(ctx.RelayArray[relay], PairsOfRelay(ctx, relay));
}

void AfterToggle(ProgramContext& ctx) {
    WriteRestartFile(ctx);
    EnableTimer(ctx);
}

// Runs a direct board command with the schedule held, then refreshes the display.
template <typename Command> void BoardCommand(ProgramContext& ctx, TickHost& host, Command command) {
    ctx.ScheduleSuspended = kTrue;
    command();
    ctx.ScheduleSuspended = kFalse;
    RefreshWithoutEvaluation(ctx, host);
}

void PausedBoardCommand(ProgramContext& ctx, TickHost& host, int board, bool on) {
    ctx.ScheduleSuspended = kTrue;
    if (on)
        ctx.boards.AllRelaysOn(0);
    else
        ctx.boards.AllRelaysOff(0);
    ShowPauseMessage(ctx, board, on ? "ON" : "OFF");
    ctx.ScheduleSuspended = kFalse;
    RefreshWithoutEvaluation(ctx, host);
}

void WithStepDelay(ProgramContext& ctx, TickHost& host, bool on) {
    BoardCommand(ctx, host, [&] {
        ctx.StepDelayCount = kStepDelaySelected;
        if (on)
            ctx.boards.AllRelaysOn(0);
        else
            ctx.boards.AllRelaysOff(0);
        ctx.StepDelayCount = 0;
    });
}

} // namespace

void ToggleManual(ProgramContext& ctx, int relay) {
    RelayRecord* r = Relay(ctx, relay);
    if (r == nullptr)
        return;
    if (r->Manual == kTrue) {
        r->Manual = kFalse;
        RestoreTotalTime(ctx, relay);
    } else {
        r->Manual = kTrue;
    }
    r->NextCycleTick = 0;
    AfterToggle(ctx);
}

void ToggleInvert(ProgramContext& ctx, int relay) {
    RelayRecord* r = Relay(ctx, relay);
    if (r == nullptr || CyclicMinutes(r->CycleCode))
        return;
    if (r->Invert == kTrue) {
        r->Invert = kFalse;
        RestoreTotalTime(ctx, relay);
    } else {
        r->Invert = kTrue;
    }
    AfterToggle(ctx);
}

void ToggleStop(ProgramContext& ctx, int relay) {
    RelayRecord* r = Relay(ctx, relay);
    if (r == nullptr)
        return;
    if (r->HardStop == kTrue) {
        r->HardStop = kFalse;
        RelayDisplay& d = ctx.display.relays[static_cast<size_t>(relay)];
        d.manualLabel = r->Manual != 0 ? ctx.ColorManualON : ctx.ColorManualOFF;
        d.invertLabel = r->Invert != 0 ? ctx.ColorManualON : ctx.ColorManualOFF;
        d.codeBox = ctx.ColorTimeOFF;
        RestoreTotalTime(ctx, relay);
    } else {
        r->HardStop = kTrue;
    }
    r->NextCycleTick = 0;
    AfterToggle(ctx);
}

void ShowPauseMessage(ProgramContext& ctx, int board, const std::string& word) {
    ctx.boxes.Tell(MsgIcon::None,
                   "System is Paused (All board " + std::to_string(board) + " Relays are " + word + ")",
                   {"When you are ready to Continue, press 'OK' "});
}

void StateRelayOn(ProgramContext& ctx, TickHost& host, int board, int n) {
    BoardCommand(ctx, host, [&] { ctx.boards.RelayOn(board - 1, n - 1); });
}

void StateRelayOff(ProgramContext& ctx, TickHost& host, int board, int n) {
    BoardCommand(ctx, host, [&] { ctx.boards.RelayOff(board - 1, n - 1); });
}

void StateStepAll(ProgramContext& ctx, TickHost& host) {
    BoardCommand(ctx, host, [&] {
        ctx.boards.AllRelaysOn(0);
        ctx.boards.AllRelaysOff(0);
    });
}

void StateAllOn(ProgramContext& ctx, TickHost& host) {
    BoardCommand(ctx, host, [&] { ctx.boards.AllRelaysOn(0); });
}

void StateAllOff(ProgramContext& ctx, TickHost& host) {
    BoardCommand(ctx, host, [&] { ctx.boards.AllRelaysOff(0); });
}

void StateAllOnPause(ProgramContext& ctx, TickHost& host, int board) {
    PausedBoardCommand(ctx, host, board, true);
}

void StateAllOffPause(ProgramContext& ctx, TickHost& host, int board) {
    PausedBoardCommand(ctx, host, board, false);
}

void SetAllRelays(ProgramContext& ctx, TickHost& host) {
    StateAllOn(ctx, host);
}
void SetAllRelaysDelay(ProgramContext& ctx, TickHost& host) {
    WithStepDelay(ctx, host, true);
}
void SetAllRelaysPause(ProgramContext& ctx, TickHost& host) {
    PausedBoardCommand(ctx, host, 4, true);
}
void ResetAllRelays(ProgramContext& ctx, TickHost& host) {
    StateAllOff(ctx, host);
}
void ResetAllRelaysDelay(ProgramContext& ctx, TickHost& host) {
    WithStepDelay(ctx, host, false);
}
void ResetAllRelaysPause(ProgramContext& ctx, TickHost& host) {
    PausedBoardCommand(ctx, host, 4, false);
}

} // namespace tavrel
