#pragma once
// The per-relay controls (manual, invert, stop) and the State and Tools menus' direct board commands.

#include <string>

namespace tavrel {

struct ProgramContext;
class TickHost;

// Each toggle writes the restart file and starts the timer.
void ToggleManual(ProgramContext& ctx, int relay);
// Does nothing for a cyclic relay, whose invert label shows its next toggle time.
void ToggleInvert(ProgramContext& ctx, int relay);
void ToggleStop(ProgramContext& ctx, int relay);

// State menu, board `board` (1..4): relay n (1..8) ON or OFF, then a refresh.
void StateRelayOn(ProgramContext& ctx, TickHost& host, int board, int n);
void StateRelayOff(ProgramContext& ctx, TickHost& host, int board, int n);
// The whole-board commands act on board 1, whichever board menu holds them.
void StateStepAll(ProgramContext& ctx, TickHost& host);
void StateAllOn(ProgramContext& ctx, TickHost& host);
void StateAllOff(ProgramContext& ctx, TickHost& host);
void StateAllOnPause(ProgramContext& ctx, TickHost& host, int board);
void StateAllOffPause(ProgramContext& ctx, TickHost& host, int board);

// Tools menu.
void SetAllRelays(ProgramContext& ctx, TickHost& host);
void SetAllRelaysDelay(ProgramContext& ctx, TickHost& host);
void SetAllRelaysPause(ProgramContext& ctx, TickHost& host);
void ResetAllRelays(ProgramContext& ctx, TickHost& host);
void ResetAllRelaysDelay(ProgramContext& ctx, TickHost& host);
void ResetAllRelaysPause(ProgramContext& ctx, TickHost& host);

// "System is Paused (All board 4 Relays are ON)"; the schedule waits until OK.
void ShowPauseMessage(ProgramContext& ctx, int board, const std::string& word);

} // namespace tavrel
