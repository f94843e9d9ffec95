#pragma once
// The kill: by the kill button or by a signal on an input line; all relays OFF, end, or power off.

namespace tavrel {

struct Engine;
class TickHost;

// The kill button: the action now when the timer is off, else at the next tick.
void KillButtonPressed(Engine& engine, TickHost& host);
// The un-kill button: every relay released so the schedule takes over again.
void UnKillButtonPressed(Engine& engine);
// Called by the tick when kill by signal is on.
void KillSignalCheck(Engine& engine);
void KillAction(Engine& engine, TickHost& host);

} // namespace tavrel
