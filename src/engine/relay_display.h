#pragma once
// The one owner of what a relay's panel shows: every colour and caption rule of a relay's display record
// lives here. The engine and entry call UpdateRelayDisplay wherever a relay's state changes; the window
// only draws the record, and nothing here changes a relay's state.

#include "config/settings.h"
#include "engine/display_state.h"
#include "engine/schedule_records.h"

namespace tavrel {

// Relay `relay`'s record from its state: its output, pairs, code, manual, invert and stop settings, its
// total and its counter.
void UpdateRelayDisplay(DisplayState& display, const ScheduleTables& tables, const Settings& settings,
                        int relay);
// For relays 0..7; stops when the schedule is suspended.
void UpdateAllRelayDisplays(DisplayState& display, const ScheduleTables& tables, const Settings& settings);

// Before the first tick: every relay OFF or ON as recorded, no pair active, no label lit, the stored
// totals shown.
void PrimeDisplayState(DisplayState& display, const ScheduleTables& tables, const Settings& settings);

// Typing into a relay's first start box blanks its total until the entry is done.
void BlankTotalTime(DisplayState& display, int relay);

} // namespace tavrel
