#pragma once
// The check-time tick: evaluate, switch, read back, check the kill signal, refresh the display, log.

namespace tavrel {

struct Engine;
class TickHost;

void Tick(Engine& engine, TickHost& host);
// Force Check Time: one whole tick now, whether the timer runs or not.
inline void ForceCheckTime(Engine& engine, TickHost& host) {
    Tick(engine, host);
}
// Switches the timer on (logging "Enabling Timer") unless it already runs.
void EnableTimer(Engine& engine);
// The developer menu's switch.
void DeveloperTimerSwitch(Engine& engine);
// After a direct board command: read the board back and refresh the display, without evaluating.
void RefreshWithoutEvaluation(Engine& engine, TickHost& host);

} // namespace tavrel
