#include "engine/day_pair_times.h"

#include <algorithm>
#include <span>

namespace tavrel {

namespace {

const TimePair& BoardPair(const ScheduleTables& t, size_t i) {
    return t.TimeArray[PairIndex(RelayIndex(0, 0), static_cast<int>(i))];
}

bool SamePlace(const std::optional<GeoPlace>& a, const std::optional<GeoPlace>& b) {
    return a.has_value() == b.has_value() &&
           (!a || (a->latitude == b->latitude && a->longitude == b->longitude));
}

} // namespace

BoardPairSeconds ResolveBoardPairSeconds(const ScheduleTables& t, const CalendarDate& date) {
    BoardPairSeconds seconds{};
    for (int r = 0; r < kRelaysPerBoard; ++r)
        seconds[static_cast<size_t>(r)] = ResolveRelayPairSeconds(
            std::span<const TimePair>(&t.TimeArray[PairIndex(RelayIndex(0, r), 0)], kPairsPerRelay), date,
            &t.Sun);
    return seconds;
}

bool DayPairTimes::Current(const ScheduleTables& t, const CalendarDate& date) const {
    if (!resolved_ || !(date == date_))
        return false;
    // Only a schedule that follows the sun asks where it is: the place follows the settings as texts.
    if (sunBased_ && (t.Sun.Zone() != zone_ || !SamePlace(t.Sun.Place(), place_)))
        return false;
    for (size_t i = 0; i < texts_.size(); ++i) {
        const TimePair& pair = BoardPair(t, i);
        if (pair.StartTime != texts_[i].start || pair.EndTime != texts_[i].end)
            return false;
    }
    return true;
}

const BoardPairSeconds& DayPairTimes::On(const ScheduleTables& t, const CalendarDate& date) {
    if (Current(t, date))
        return seconds_;
    for (size_t i = 0; i < texts_.size(); ++i)
        texts_[i] = {BoardPair(t, i).StartTime, BoardPair(t, i).EndTime};
    seconds_ = ResolveBoardPairSeconds(t, date);
    sunBased_ = std::any_of(seconds_.begin(), seconds_.end(), [](const RelayPairSeconds& relay) {
        return std::any_of(relay.begin(), relay.end(), [](const PairSeconds& p) { return p.sunBased; });
    });
    place_ = t.Sun.Place();
    zone_ = t.Sun.Zone();
    date_ = date;
    resolved_ = true;
    return seconds_;
}

} // namespace tavrel
