#pragma once
// The kill: by the kill button or by a signal on an input line; all relays OFF, end, or power off.

namespace tavrel {

struct ProgramContext;
class TickHost;

// The kill button: the action now when the timer is off, else at the next tick.
void KillButtonPressed(ProgramContext& ctx, TickHost& host);
// The un-kill button: every relay released so the schedule takes over again.
void UnKillButtonPressed(ProgramContext& ctx);
// Called by the tick when kill by signal is on.
void KillSignalCheck(ProgramContext& ctx);
void KillAction(ProgramContext& ctx, TickHost& host);

} // namespace tavrel
