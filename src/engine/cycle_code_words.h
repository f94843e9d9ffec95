#pragma once
// A relay's day-of-week text and cycle code in words, for someone who reads a schedule without the
// window's help: "23456" is "Mon Tue Wed Thu Fri", "TH" is the top of each hour on pair 1.

#include <string>
#include <string_view>

namespace tavrel {

// The weekdays the text selects, "Sun Mon ..."; "every day" or "no day".
std::string DaysOfWeekWords(std::string_view daysOfWeek);

// What the code does to the relay's pairs: "no restriction", "every pair: even hours only",
// "pair 1: toggles every 15 minutes; pairs 2-6 plain".
std::string CycleCodeWords(std::string_view cycleCode);

} // namespace tavrel
