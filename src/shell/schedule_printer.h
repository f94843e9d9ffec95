#pragma once
// The schedule as plain text, for `tavreld --print-schedule`.
//
// The form, one item a line:
//   LoggingOnOff: 1
//   Relay 1: <DisplayName>
//     DaysOfWeek: <text>
//     CycleCode: <text>
//     Manual: 0  Invert: 0  CountEnabled: 0  Counter: 0  HardStop: 0
//     IconFile: <text>
//     Pair 1: <StartTime> - <EndTime>
//     ... Pair 6
// Flags print as 1 or 0; texts as they are held, an empty one as nothing after the colon and blank.

#include "config/settings.h"
#include "engine/schedule_records.h"

#include <iosfwd>

namespace tavrel {

void PrintSchedule(const ScheduleTables& tables, const Settings& settings, const CalendarDate& day,
                   std::ostream& out);

} // namespace tavrel
