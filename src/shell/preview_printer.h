#pragma once
// A day's preview as plain text, for `tavreld --preview`.
//
// The form:
//   Preview of 2026-12-12 (Saturday)
//   Holiday: <name>                      (only when the day is a holiday)
//   Relay 1: <DisplayName>
//     holiday rule: SKIP (not run on this holiday)   (only for a rule other than RUN)
//     08:00:01-17:00:00
//     ON 08:59:59 of total time 09:00:00
// A relay with more than kMaxListedIntervals intervals is shown one line per hour instead:
//     hour 08: 30 switched ON, 900 s ON
// A cyclic relay says that its cycle is shown from the start of its window. One closing note explains
// why the ON time is a second shorter per pair than the total time.

#include "engine/day_preview.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

constexpr size_t kMaxListedIntervals = 40;

// "YYYY-MM-DD" with a day that exists in its month, or nothing.
std::optional<CalendarDate> ParseIsoDate(std::string_view text);

// "HH:MM:SS" for 0..86400 seconds ("24:00:00" for a whole day).
std::string FormatDaySeconds(int32_t seconds);

void PrintDayPreview(const DayPreview& day, std::ostream& out);

} // namespace tavrel
