#pragma once
// The per-relay controls (manual, invert, stop) and the State and Tools menus' direct board commands.

#include "engine/holiday_rule.h"

#include <string>

namespace tavrel {

struct Engine;
class TickHost;

// Each toggle writes the restart file and starts the timer.
void ToggleManual(Engine& engine, int relay);
// Does nothing for a cyclic relay, whose invert label shows its next toggle time.
void ToggleInvert(Engine& engine, int relay);
void ToggleStop(Engine& engine, int relay);
// What the relay does on a holiday; written to the restart file like a toggle.
void SetHolidayRule(Engine& engine, int relay, HolidayRule rule);

// State menu, board `board` (1..4): relay n (1..8) ON or OFF, then a refresh.
void StateRelayOn(Engine& engine, TickHost& host, int board, int n);
void StateRelayOff(Engine& engine, TickHost& host, int board, int n);
// The whole-board commands act on board 1, whichever board menu holds them.
void StateStepAll(Engine& engine, TickHost& host);
void StateAllOn(Engine& engine, TickHost& host);
void StateAllOff(Engine& engine, TickHost& host);
void StateAllOnPause(Engine& engine, TickHost& host, int board);
void StateAllOffPause(Engine& engine, TickHost& host, int board);

// Tools menu.
void SetAllRelays(Engine& engine, TickHost& host);
void SetAllRelaysDelay(Engine& engine, TickHost& host);
void SetAllRelaysPause(Engine& engine, TickHost& host);
void ResetAllRelays(Engine& engine, TickHost& host);
void ResetAllRelaysDelay(Engine& engine, TickHost& host);
void ResetAllRelaysPause(Engine& engine, TickHost& host);

// "System is Paused (All board 4 Relays are ON)"; the schedule waits until OK.
void ShowPauseMessage(Engine& engine, int board, const std::string& word);

} // namespace tavrel
