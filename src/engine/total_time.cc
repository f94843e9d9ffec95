#include "engine/total_time.h"

#include "common/vb_conversions.h"
#include "engine/pair_rules.h"
#include "engine/time_of_day.h"

#include <algorithm>

namespace tavrel {

namespace {

int64_t Plain(int32_t start, int32_t end) {
    return start < end ? end - start : 0;
}

int32_t MinSec(int32_t t) {
    return t % 3600;
}

int64_t TopOfHour(int32_t start, int32_t end) {
    if (start >= end)
        return 0;
    const int64_t burst = MinSec(start);
    int64_t sum = 0;
    for (int h = HourOf(start); h < HourOf(end); ++h)
        sum += burst;
    return sum + std::min<int64_t>(burst, MinSec(end));
}

int64_t MiddleOfHour(int32_t start, int32_t end) {
    if (start >= end)
        return 0;
    const int64_t each = std::max<int64_t>(0, MinSec(end) - MinSec(start));
    return each * (HourOf(end) - HourOf(start));
}

int64_t BottomOfHour(int32_t start, int32_t end) {
    if (start >= end)
        return 0;
    const int64_t each = 3600 - MinSec(start);
    return each * (HourOf(end) - HourOf(start)) + std::max<int64_t>(0, MinSec(end) - MinSec(start));
}

// The periods of the evaluator (a period of a day or more covers the whole window anyway).
int64_t Cyclic(int32_t start, int32_t end, double minutes) {
    const int64_t period = CyclePeriodMinutes(minutes) * 60;
    int64_t sum = 0;
    for (int64_t t = start; t < end; t += 2 * period)
        sum += std::min<int64_t>(period, end - t);
    return sum;
}

} // namespace

int64_t PairOnSeconds(std::string_view cycleCode, int pairNumber, const PairSeconds& times) {
    if (!times.usable)
        return 0;
    const int32_t start = times.start;
    const int32_t end = times.end;
    switch (RuleForPair(cycleCode, pairNumber)) {
    case PairRule::EvenHour:
    case PairRule::OddHour:
    case PairRule::EvenMinute:
    case PairRule::OddMinute:
    case PairRule::EvenSecond:
    case PairRule::OddSecond:
        return static_cast<int64_t>(RoundHalfEven(static_cast<double>(Plain(start, end)) / 2.0));
    case PairRule::TopOfHour:
        return TopOfHour(start, end);
    case PairRule::MiddleOfHour:
        return MiddleOfHour(start, end);
    case PairRule::BottomOfHour:
        return BottomOfHour(start, end);
    case PairRule::Cyclic:
        return Cyclic(start, end, *CyclicMinutes(cycleCode));
    default:
        return Plain(start, end);
    }
}

std::string ComputeTotalTime(RelayRecord& relay, std::span<const TimePair> pairs, const CalendarDate& date,
                             const SunTimes* sun) {
    const RelayPairSeconds seconds = ResolveRelayPairSeconds(pairs, date, sun);
    int64_t sum = 0;
    for (size_t p = 0; p < seconds.size(); ++p)
        sum += PairOnSeconds(relay.CycleCode, static_cast<int>(p), seconds[p]);
    relay.TotalTimeText = sum > kSecondsPerDay    ? "Over24hr"
                          : sum == kSecondsPerDay ? "24:00:00"
                                                  : FormatTimeOfDay(sum);
    return relay.TotalTimeText;
}

void ComputeAllTotalTimes(ScheduleTables& tables, const CalendarDate& date) {
    for (int r = 0; r < kRelaysPerBoard; ++r)
        ComputeTotalTime(tables.RelayArray[r], PairsOfRelay(tables, r), date, &tables.Sun);
}

} // namespace tavrel
