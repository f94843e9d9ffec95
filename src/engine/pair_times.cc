#include "engine/pair_times.h"

#include "engine/time_text.h"

#include <algorithm>

namespace tavrel {

bool PairInUse(const TimePair& pair) {
    auto used = [](const std::string& t) { return !t.empty() && t != " "; };
    return used(pair.StartTime) && used(pair.EndTime);
}

PairSeconds ResolvePairSeconds(const TimePair& pair, const CalendarDate& /*date*/) {
    if (!PairInUse(pair))
        return {};
    const auto start = ParseStoredTime(pair.StartTime);
    const auto end = ParseStoredTime(pair.EndTime);
    if (!start || !end)
        return {};
    return {true, *start, *end};
}

RelayPairSeconds ResolveRelayPairSeconds(std::span<const TimePair> pairs, const CalendarDate& date) {
    RelayPairSeconds seconds{};
    const size_t count = std::min<size_t>(pairs.size(), kPairsPerRelay);
    for (size_t p = 0; p < count; ++p)
        seconds[p] = ResolvePairSeconds(pairs[p], date);
    return seconds;
}

} // namespace tavrel
