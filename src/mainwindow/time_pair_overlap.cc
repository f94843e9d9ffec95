#include "mainwindow/time_pair_overlap.h"

#include "engine/cycle_codes.h"
#include "engine/time_of_day.h"

#include <array>
#include <optional>

namespace tavrel {

namespace {

struct Span {
    int32_t start = 0;
    int32_t end = 0;
};

bool Inside(int32_t t, const Span& s) {
    return s.start < t && t < s.end;
}

} // namespace

bool RelayPairsOverlap(const ScheduleTables& tables, int relay) {
    if (relay < 0 || relay >= kRelaysPerBoard)
        return false;
    std::array<std::optional<Span>, kPairsPerRelay> spans;
    for (int p = 0; p < kPairsPerRelay; ++p) {
        const TimePair& pair = tables.TimeArray[PairIndex(relay, p)];
        if (!PairInUse(pair))
            continue;
        const auto start = ParseTimeOfDay(pair.StartTime);
        const auto end = ParseTimeOfDay(pair.EndTime);
        if (start && end)
            spans[static_cast<size_t>(p)] = Span{*start, *end};
    }
    for (size_t i = 0; i < spans.size(); ++i) {
        for (size_t j = 0; j < spans.size(); ++j) {
            if (IsSet(tables.ScheduleSuspended))
                return false;
            if (i == j || !spans[i] || !spans[j])
                continue;
            if (Inside(spans[i]->start, *spans[j]) || Inside(spans[i]->end, *spans[j]))
                return true;
        }
    }
    return false;
}

} // namespace tavrel
