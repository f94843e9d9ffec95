#pragma once
// The check-time tick: evaluate, switch, read back, check the kill signal, refresh the display, log.

namespace tavrel {

struct ProgramContext;
class TickHost;

void Tick(ProgramContext& ctx, TickHost& host);
// Force Check Time: one whole tick now, whether the timer runs or not.
inline void ForceCheckTime(ProgramContext& ctx, TickHost& host) {
    Tick(ctx, host);
}
// Switches the timer on (logging "Enabling Timer") unless it already runs.
void EnableTimer(ProgramContext& ctx);
// The developer menu's switch.
void DeveloperTimerSwitch(ProgramContext& ctx);
// After a direct board command: read the board back and refresh the display, without evaluating.
void RefreshWithoutEvaluation(ProgramContext& ctx, TickHost& host);

} // namespace tavrel
