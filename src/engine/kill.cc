#include "engine/kill.h"

#include "engine/engine.h"
#include "engine/evaluation.h"
#include "engine/relay_display.h"
#include "engine/tick_host.h"

#include <string>

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

bool AnyKillAction(const Settings& s) {
    return IsSet(s.KillActionAllOff) || IsSet(s.KillActionExitProgram) || IsSet(s.KillActionShutDown);
}

// "all relays OFF and stopped, program ended", or that nothing was done. A close the user cancelled at
// its save question is said as such: the program and the machine stayed on.
std::string KillActionText(const Settings& s, bool closeCancelled) {
    std::string done;
    const auto add = [&done](const char* what) { done += (done.empty() ? "" : ", ") + std::string(what); };
    if (IsSet(s.KillActionAllOff))
        add("all relays OFF and stopped");
    if (closeCancelled)
        add("close cancelled, program kept running");
    else if (IsSet(s.KillActionShutDown))
        add("program ended and computer shut down");
    else if (IsSet(s.KillActionExitProgram))
        add("program ended");
    return done.empty() ? "no kill action set, nothing done" : done;
}

std::string KillSourceText(const Engine& engine) {
    if (!engine.state.KillFromSignal)
        return "by button";
    const Settings& s = engine.settings;
    return "by signal (board " + std::to_string(s.KillBySignalBoardNum + 1) + ", input " +
           std::to_string(s.KillBySignalInputNum + 1) + ")";
}

// One line in the event log and one on standard error, for each kill.
void ReportKill(Engine& engine, bool closeCancelled = false) {
    const std::string detail =
        KillSourceText(engine) + ": " + KillActionText(engine.settings, closeCancelled);
    engine.events.LogEvent("Kill", detail);
    engine.events.Trace("Kill " + detail);
}
} // namespace

void KillButtonPressed(Engine& engine, TickHost& host) {
    ScheduleHold hold(engine.schedule);
    engine.state.KillPending = kTrue;
    engine.state.KillFromSignal = false;
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
    const bool killLevel = (IsSet(s.KillBySignalGoesHigh) && high) || (IsSet(s.KillBySignalGoesLow) && !high);
    engine.state.KillSignalFresh = killLevel && !engine.state.KillSignalHeld;
    engine.state.KillSignalHeld = killLevel;
    if (!killLevel)
        return;
    engine.state.KillFromSignal = true;
    if (AnyKillAction(s)) {
        engine.state.KillPending = kTrue;
    } else if (engine.state.KillSignalFresh) {
        // Nothing to do: said once, and the tick that would carry it out is not taken from the schedule.
        ReportKill(engine);
    }
}

void KillAction(Engine& engine, TickHost& host) {
    const Settings& s = engine.settings;
    engine.state.KillPending = kFalse;
    engine.state.KillDelayCount = 0;
    // A signal that stays at its kill level repeats the action at every other tick; it is said once, after
    // the close path has answered, so that the line says what really happened.
    const bool report = !engine.state.KillFromSignal || engine.state.KillSignalFresh;
    engine.state.KillSignalFresh = false;
    if (IsSet(s.KillActionAllOff)) {
        StopAll(engine.schedule, engine.boards);
        ShowEveryRelay(engine);
        host.DisplayChanged(); // drawn and published now, also while the timer waits
    }
    if (IsSet(s.KillActionExitProgram) || IsSet(s.KillActionShutDown)) {
        // Should the user keep the program running, the stopped relays stay stopped: the kill window then
        // comes back offering Un-kill (set first, as the cancelled close shows the window again).
        if (IsSet(s.KillActionAllOff))
            engine.state.KillWindowShowsUnKill = true;
        // The normal close path resets the boards that ask for it and then closes the port layer. When
        // the user keeps the program running at its save question, the machine stays on as well.
        const bool closing = host.CloseProgram();
        if (report)
            ReportKill(engine, !closing);
        if (closing && IsSet(s.KillActionShutDown))
            engine.events.ShutDownComputer();
    } else if (report) {
        ReportKill(engine);
    }
    engine.schedule.ScheduleSuspended = kFalse;
}

} // namespace tavrel
