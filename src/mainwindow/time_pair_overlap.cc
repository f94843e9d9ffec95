#include "mainwindow/time_pair_overlap.h"

#include "engine/pair_times.h"

#include <span>

namespace tavrel {

namespace {

bool Inside(int32_t t, const PairSeconds& s) {
    return s.start < t && t < s.end;
}

} // namespace

bool RelayPairsOverlap(const ScheduleTables& tables, int relay, const CalendarDate& date) {
    if (relay < 0 || relay >= kRelaysPerBoard)
        return false;
    const RelayPairSeconds spans = ResolveRelayPairSeconds(
        std::span<const TimePair>(&tables.TimeArray[PairIndex(relay, 0)], kPairsPerRelay), date, &tables.Sun);
    for (size_t i = 0; i < spans.size(); ++i) {
        for (size_t j = 0; j < spans.size(); ++j) {
            if (IsSet(tables.ScheduleSuspended))
                return false;
            if (i == j || !spans[i].usable || !spans[j].usable)
                continue;
            if (Inside(spans[i].start, spans[j]) || Inside(spans[i].end, spans[j]))
                return true;
        }
    }
    return false;
}

} // namespace tavrel
