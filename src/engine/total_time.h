#pragma once
// A relay's planned daily ON time, summed over its pairs by the rules of its cycle code.

#include "engine/schedule_records.h"

#include <cstdint>
#include <span>
#include <string>

namespace tavrel {

// Seconds a day that pair `pairNumber` keeps its relay ON under `cycleCode`; 0 for a pair not in use.
int64_t PairOnSeconds(const std::string& cycleCode, int pairNumber, const TimePair& pair);

// "HH:MM:SS", or "Over24hr" above a day. Stored into the relay's TotalTimeText too.
std::string ComputeTotalTime(RelayRecord& relay, std::span<const TimePair> pairs);

// For relays 0..7.
void ComputeAllTotalTimes(ScheduleTables& tables);

} // namespace tavrel
