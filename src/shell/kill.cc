#include "shell/kill.h"

#include "engine/evaluation.h"
#include "engine/tick_host.h"
#include "files/run_on_boot.h"
#include "shell/program_context.h"

namespace tavrel {

namespace {
constexpr int16_t kDefaultKillDelay = 10;

bool OnlyAllOff(const ProgramContext& ctx) {
    return ctx.KillActionAllOff == 1 && ctx.KillActionExitProgram == 0 && ctx.KillActionShutDown == 0;
}
} // namespace

void KillButtonPressed(ProgramContext& ctx, TickHost& host) {
    ctx.ScheduleSuspended = kTrue;
    ctx.KillPending = kTrue;
    if (OnlyAllOff(ctx)) {
        ctx.KillWindowShowsUnKill = true;
    } else {
        ctx.KillWindowVisible = false;
    }
    if (!ctx.TimerEnabled)
        KillAction(ctx, host);
    ctx.ScheduleSuspended = kFalse;
}

void UnKillButtonPressed(ProgramContext& ctx) {
    ctx.KillWindowShowsUnKill = false;
    ReleaseAll(ctx);
}

void KillSignalCheck(ProgramContext& ctx) {
    if (ctx.KillMiscEnableDelay == 0)
        ctx.KillMiscEnableDelay = kDefaultKillDelay;
    if (ctx.KillArmed == kFalse) {
        ++ctx.KillDelayCount;
        if (ctx.KillDelayCount <= ctx.KillMiscEnableDelay)
            return;
        ctx.KillArmed = kTrue;
    }
    const int board = ctx.KillBySignalBoardNum;
    const int input = ctx.KillBySignalInputNum;
    if (!ctx.InputReadback.InRange(board) || input < 0 || input > 7)
        return;
    const bool high = ((ctx.InputReadback[board] >> input) & 1) != 0;
    if (ctx.KillBySignalGoesHigh == 0 && ctx.KillBySignalGoesLow == 0)
        ctx.KillBySignalGoesHigh = kTrue;
    if (ctx.BoardArray[board].RunNoBoard != 0)
        return;
    // Both settings are levels: high means the watched bit is 1 in this tick, low that it is 0.
    if ((ctx.KillBySignalGoesHigh != 0 && high) || (ctx.KillBySignalGoesLow != 0 && !high))
        ctx.KillPending = kTrue;
}

void KillAction(ProgramContext& ctx, TickHost& host) {
    ctx.KillPending = kFalse;
    ctx.KillDelayCount = 0;
    if (ctx.KillActionAllOff != 0)
        StopAll(ctx, ctx.boards);
    if (ctx.KillActionExitProgram != 0 || ctx.KillActionShutDown != 0) {
        // The normal close path resets the boards that ask for it and then closes the port layer. When
        // the user keeps the program running at its save question, the machine stays on as well.
        const bool closing = host.CloseProgram();
        if (closing && ctx.KillActionShutDown != 0) {
            clsRunOnBootOnceAlways(ctx.regApi, ctx.boxes).SetRunMeNever();
            std::string error;
            if (!ctx.power.PowerOff(error))
                ctx.boxes.Tell(MsgIcon::Error, "Tavrel", {error});
        }
    }
    ctx.ScheduleSuspended = kFalse;
}

} // namespace tavrel
