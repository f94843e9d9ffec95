#include "engine/tick.h"

#include "boardio/bit_marks.h"
#include "boardio/chip_set_types.h"
#include "engine/counters.h"
#include "engine/cycle_codes.h"
#include "engine/evaluation.h"
#include "engine/tick_host.h"
#include "engine/time_of_day.h"
#include "files/schedule_commands.h"
#include "shell/kill.h"
#include "shell/program_context.h"

namespace tavrel {

namespace {

bool Suspended(const ProgramContext& ctx) {
    return ctx.ScheduleSuspended == kTrue;
}

// Whether the relay's code governs a pair under `rule` (the pairs whose activity also lights the code box).
bool CodeGoverns(PairRule rule) {
    return rule == PairRule::TopOfHour || rule == PairRule::MiddleOfHour || rule == PairRule::BottomOfHour ||
           rule == PairRule::Cyclic;
}

void UpdateRelayDisplay(ProgramContext& ctx, TickHost& host) {
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        if (Suspended(ctx))
            return;
        RelayRecord& relay = ctx.RelayArray[r];
        RelayDisplay& d = ctx.display.relays[static_cast<size_t>(r)];
        d.totalTimeBackground = ctx.ColorTTimeBkgrnd;
        const PairRules rules = RulesForCode(relay.CycleCode);
        d.invertCaption = rules[0] == PairRule::Cyclic ? relay.NextCycleText : "Invert";

        const int16_t before = relay.CurrentState;
        relay.CurrentState = (ctx.OutputReadback[0] >> r) & 1 ? kStateOn : kStateOff;
        d.light = relay.CurrentState == kStateOn ? ctx.ColorRelayON : ctx.ColorRelayOFF;
        if (relay.CurrentState != before)
            host.RelaySwitched(r, relay.CurrentState);

        d.codeBox = ctx.ColorTimeOFF;
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const bool active = ctx.TimeArray[PairIndex(r, p)].PairActive != 0;
            const int32_t colour = active ? ctx.ColorTimeON : ctx.ColorTimeOFF;
            d.startBox[static_cast<size_t>(p)] = colour;
            d.endBox[static_cast<size_t>(p)] = colour;
            if (active && CodeGoverns(rules[static_cast<size_t>(p)]))
                d.codeBox = ctx.ColorTimeON;
        }

        d.caption.clear();
        if (relay.Manual != 0) {
            d.manualLabel = ctx.ColorManualON;
            d.caption = relay.Invert != 0 ? ">Invr-Man<" : ">Manual<";
            d.invertLabel = relay.Invert != 0 ? ctx.ColorManualON : ctx.ColorManualOFF;
        } else {
            d.manualLabel = ctx.ColorManualOFF;
            if (relay.Invert != 0)
                d.caption = " Invert ";
            d.invertLabel = relay.Invert != 0 ? ctx.ColorManualON : ctx.ColorManualOFF;
        }
        if (relay.HardStop != 0) {
            d.caption = "> STOP <";
            d.totalTimeBackground = kColourStopRed;
            d.manualLabel = d.invertLabel = d.codeBox = ctx.ColorManualOFF;
        }
        d.totalTimeText = d.caption.empty() ? relay.TotalTimeText : d.caption;
    }
}

void UpdateBoardCaptions(ProgramContext& ctx) {
    for (int b = 0; b <= kLastScheduledBoard; ++b) {
        BoardDisplay& d = ctx.display.boards[static_cast<size_t>(b)];
        d.relayText = BitMarks(ctx.OutputReadback[b]);
        d.inputText = BitMarks(ctx.InputReadback[b]);
        const std::string n = std::to_string(b + 1);
        if (ChipSetKind(ctx.BoardArray[b].ChipSetType) == BoardKind::FireCracker) {
            d.relayCaption = "FireCraker " + n + " : " + d.relayText;
            d.inputCaption = "FireCracker";
        } else {
            d.relayCaption = "RelayState " + n + " : " + d.relayText;
            d.inputCaption = "Inputstate " + n + " : " + d.inputText;
        }
    }
}

// Steps 6 to 8: the display from the read-back bytes, the counters and the state captions.
void RefreshDisplay(ProgramContext& ctx, TickHost& host) {
    UpdateRelayDisplay(ctx, host);
    if (Suspended(ctx))
        return;
    CountInputs(ctx);
    if (Suspended(ctx))
        return;
    UpdateBoardCaptions(ctx);
    host.DisplayChanged();
}

// Counts survive a crash: once a minute, when a counter moved, the restart file is written again.
void SaveCountersOncePerMinute(ProgramContext& ctx) {
    const int minute = MinuteOf(ctx.clock.TimeOfDay());
    if (minute == ctx.LastCounterSaveMinute)
        return;
    ctx.LastCounterSaveMinute = minute;
    if (ctx.CountersChanged) {
        ctx.CountersChanged = false;
        WriteRestartFile(ctx);
    }
}

void LogStateLine(ProgramContext& ctx, TickHost& host) {
    std::string relays[kBoardSlots];
    std::string inputs[kBoardSlots];
    for (int b = 0; b < kBoardSlots; ++b) {
        relays[b] = ctx.display.boards[static_cast<size_t>(b)].relayText;
        inputs[b] = ctx.display.boards[static_cast<size_t>(b)].inputText;
    }
    const std::string line = ctx.eventLog.WriteStateLine(relays, inputs);
    if (!line.empty())
        host.StateLineLogged(line);
}

} // namespace

void Tick(ProgramContext& ctx, TickHost& host) {
    if (ctx.KillPending != kFalse) {
        KillAction(ctx, host);
        return;
    }
    if (Suspended(ctx))
        return;
    host.SetBusyPointer(true);
    host.ProcessPendingMessages();
    if (ctx.TickRunning != kTrue) {
        ctx.TickRunning = kTrue;
        if (!Suspended(ctx))
            EvaluateSchedule(ctx, ctx.clock);
        if (!Suspended(ctx))
            ApplyOutputs(ctx, ctx.boards, ctx.boxes);
        if (!Suspended(ctx))
            ctx.boards.ReadAllOutputs();
        if (!Suspended(ctx))
            ctx.boards.ReadAllInputs();
        if (!Suspended(ctx) && ctx.KillBySignal != 0)
            KillSignalCheck(ctx);
        ctx.TickRunning = kFalse;
    }
    if (!Suspended(ctx)) {
        RefreshDisplay(ctx, host);
        if (!Suspended(ctx))
            host.RefreshStatusBar();
        if (!Suspended(ctx))
            LogStateLine(ctx, host);
        if (!Suspended(ctx))
            SaveCountersOncePerMinute(ctx);
    }
    host.SetBusyPointer(false);
}

void EnableTimer(ProgramContext& ctx) {
    if (ctx.TimerEnabled)
        return;
    ctx.TimerEnabled = true;
    ctx.eventLog.WriteEvent("Enabling Timer", " ");
}

void DeveloperTimerSwitch(ProgramContext& ctx) {
    if (ctx.TimerEnabled) {
        ctx.TimerEnabled = false;
        ctx.TimerMenuCaption = "Timer Enable";
    } else {
        ctx.TimerMenuCaption = "Timer Disable";
        EnableTimer(ctx);
    }
}

void RefreshWithoutEvaluation(ProgramContext& ctx, TickHost& host) {
    if (Suspended(ctx))
        return;
    host.ProcessPendingMessages();
    ctx.boards.ReadAllOutputs();
    ctx.boards.ReadAllInputs();
    RefreshDisplay(ctx, host);
    host.ProcessPendingMessages();
}

} // namespace tavrel
