#include "engine/kill.h"

#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/relay_display.h"
#include "engine/tick_host.h"

namespace tavrel {

namespace {
constexpr int16_t kDefaultKillDelay = 10;

bool OnlyAllOff(const Settings& s) {
    // A check-box value: the un-kill button is for exactly "all relays OFF" ticked and nothing else.
    return s.KillActionAllOff == 1 && !IsSet(s.KillActionExitProgram) && !IsSet(s.KillActionShutDown);
}

// Every relay's stop changed at once; shown whether or not the schedule is held.
void ShowEveryRelay(Engine& engine) {
    for (int r = 0; r < kRelaysPerBoard; ++r)
        UpdateRelayDisplay(engine.display, engine.schedule, engine.settings, r);
}
} // namespace

void KillButtonPressed(Engine& engine, TickHost& host) {
    ScheduleHold hold(engine.schedule);
    engine.state.KillPending = kTrue;
    if (OnlyAllOff(engine.settings))
        engine.state.KillWindowShowsUnKill = true;
    else
        engine.state.KillWindowVisible = false;
    if (!engine.state.TimerEnabled)
        KillAction(engine, host);
}

void UnKillButtonPressed(Engine& engine) {
    engine.state.KillWindowShowsUnKill = false;
    ReleaseAll(engine.schedule);
    ShowEveryRelay(engine);
}

void KillSignalCheck(Engine& engine) {
    Settings& s = engine.settings;
    if (s.KillMiscEnableDelay == 0)
        s.KillMiscEnableDelay = kDefaultKillDelay;
    if (!IsSet(engine.state.KillArmed)) {
        ++engine.state.KillDelayCount;
        if (engine.state.KillDelayCount <= s.KillMiscEnableDelay)
            return;
        engine.state.KillArmed = kTrue;
    }
    const int board = s.KillBySignalBoardNum;
    const int input = s.KillBySignalInputNum;
    if (!engine.schedule.InputReadback.InRange(board) || input < 0 || input > 7)
        return;
    const bool high = ((engine.schedule.InputReadback[board] >> input) & 1) != 0;
    if (!IsSet(s.KillBySignalGoesHigh) && !IsSet(s.KillBySignalGoesLow))
        s.KillBySignalGoesHigh = kTrue;
    // An emulated board's inputs are never read: its lines say nothing.
    if (BoardEmulated(engine.schedule.BoardArray[board]))
        return;
    // Both settings are levels: high means the watched bit is 1 in this tick, low that it is 0.
    if ((IsSet(s.KillBySignalGoesHigh) && high) || (IsSet(s.KillBySignalGoesLow) && !high))
        engine.state.KillPending = kTrue;
}

void KillAction(Engine& engine, TickHost& host) {
    const Settings& s = engine.settings;
    engine.state.KillPending = kFalse;
    engine.state.KillDelayCount = 0;
    if (IsSet(s.KillActionAllOff)) {
        StopAll(engine.schedule, engine.boards);
        ShowEveryRelay(engine);
    }
    if (IsSet(s.KillActionExitProgram) || IsSet(s.KillActionShutDown)) {
        // The normal close path resets the boards that ask for it and then closes the port layer. When
        // the user keeps the program running at its save question, the machine stays on as well.
        const bool closing = host.CloseProgram();
        if (closing && IsSet(s.KillActionShutDown))
            engine.events.ShutDownComputer();
    }
    engine.schedule.ScheduleSuspended = kFalse;
}

} // namespace tavrel
