#pragma once
// A relay's planned daily ON time, summed over its pairs by the rules of its cycle code.

#include "engine/pair_times.h"
#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrel {

// Seconds a day that pair `pairNumber`, with the times `times`, keeps its relay ON under `cycleCode`;
// 0 for a pair that is not usable.
int64_t PairOnSeconds(std::string_view cycleCode, int pairNumber, const PairSeconds& times);

// The relay's total on `date` (its pairs' times as they resolve that day): "HH:MM:SS", or "Over24hr"
// above a day. Stored into the relay's TotalTimeText too.
std::string ComputeTotalTime(RelayRecord& relay, std::span<const TimePair> pairs, const CalendarDate& date,
                             const SunTimes* sun);

// For relays 0..7.
void ComputeAllTotalTimes(ScheduleTables& tables, const CalendarDate& date);

} // namespace tavrel
