#pragma once
// What a time box holding a sun-based time tells about today: its expression and the time it resolves
// to, or why it does not run; the panel shows it in the box's tool tip and accessible description.

#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <array>
#include <string>

namespace tavrel {

// The note of the ON (`offTime` false) or OFF time of `pair` on `date`: "sunset-00:30: today 19:03:07",
// or "sunset-00:30: does not run today: ..." with why; "" for a fixed time.
std::string SunBoxNote(const TimePair& pair, bool offTime, const CalendarDate& date, const SunTimes& sun);

// The notes of a relay's time boxes on `date`, ON then OFF of each pair.
using RelaySunNotes = std::array<std::string, 2 * kPairsPerRelay>;
RelaySunNotes SunNotesFor(int relay, const ScheduleTables& tables, const CalendarDate& date);

} // namespace tavrel
