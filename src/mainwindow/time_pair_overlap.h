#pragma once
// Whether any two of a relay's time pairs overlap.

#include "engine/schedule_records.h"
#include "platform/clock.h"

namespace tavrel {

// Pairs i and j (both usable on `date`) overlap when i's start or end lies strictly inside j. Times are
// compared as they resolve on `date`, so a stored "8:00" and "08:00:00" agree. Stops (false) when the
// schedule is suspended.
bool RelayPairsOverlap(const ScheduleTables& tables, int relay, const CalendarDate& date);

} // namespace tavrel
