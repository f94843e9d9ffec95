#pragma once
// Whether any two of a relay's time pairs overlap.

#include "engine/schedule_records.h"

namespace tavrel {

// Pairs i and j (both times set) overlap when i's start or end lies strictly inside j. Times are compared
// as times of day, so a stored "8:00" and "08:00:00" agree. Stops (false) when the schedule is suspended.
bool RelayPairsOverlap(const ScheduleTables& tables, int relay);

} // namespace tavrel
